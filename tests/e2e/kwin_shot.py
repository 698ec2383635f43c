#!/usr/bin/python3
"""KWin's picture of a part of the screen, through its screenshot interface
on the session bus (KWin started with KWIN_SCREENSHOT_NO_PERMISSION_CHECKS=1).
Usage: kwin_shot.py X Y WIDTH HEIGHT; writes the picture as a PPM."""
import os
import struct
import sys

import dbus

x, y, width, height = (int(a) for a in sys.argv[1:5])
bus = dbus.SessionBus()
shot = dbus.Interface(bus.get_object("org.kde.KWin", "/org/kde/KWin/ScreenShot2"),
                      "org.kde.KWin.ScreenShot2")
read_end, write_end = os.pipe()
result = shot.CaptureArea(x, y, dbus.UInt32(width), dbus.UInt32(height),
                          {"native-resolution": True}, dbus.types.UnixFd(write_end))
os.close(write_end)
data = b""
while chunk := os.read(read_end, 1 << 16):
    data += chunk
w, h, stride = int(result["width"]), int(result["height"]), int(result["stride"])
if len(data) < stride * h or w * 4 > stride:
    sys.exit(f"short picture: {len(data)} bytes for {w}x{h}, stride {stride}")
# QImage's 32-bit formats: one native-endian 0xAARRGGBB word a pixel.
out = bytearray(f"P6 {w} {h} 255\n".encode())
for row in range(h):
    for col in range(w):
        (pixel,) = struct.unpack_from("=I", data, row * stride + col * 4)
        out += bytes(((pixel >> 16) & 255, (pixel >> 8) & 255, pixel & 255))
sys.stdout.buffer.write(bytes(out))
