#!/usr/bin/python3
"""A desktop's top bar for the end-to-end scripts: a dock window along the
top of the screen that reserves its height (_NET_WM_STRUT_PARTIAL), as a
desktop's panel does. Usage: top_panel.py WIDTH HEIGHT; it lives until
killed."""
import ctypes
import ctypes.util
import sys
import time

width, height = int(sys.argv[1]), int(sys.argv[2])
x = ctypes.cdll.LoadLibrary(ctypes.util.find_library("X11"))
x.XOpenDisplay.restype = ctypes.c_void_p
x.XDefaultRootWindow.restype = ctypes.c_ulong
x.XCreateSimpleWindow.restype = ctypes.c_ulong
x.XCreateSimpleWindow.argtypes = [ctypes.c_void_p, ctypes.c_ulong] + [ctypes.c_int] * 2 + \
    [ctypes.c_uint] * 3 + [ctypes.c_ulong] * 2
x.XInternAtom.restype = ctypes.c_ulong
x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x.XChangeProperty.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_ulong,
                              ctypes.c_int, ctypes.c_int, ctypes.c_void_p, ctypes.c_int]
x.XStoreName.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_char_p]
x.XMapWindow.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
x.XFlush.argtypes = [ctypes.c_void_p]

d = x.XOpenDisplay(None)
if not d:
    sys.exit("no X display")
w = x.XCreateSimpleWindow(d, x.XDefaultRootWindow(d), 0, 0, width, height, 0, 0, 0x202020)
atom = lambda name: x.XInternAtom(d, name, 0)
XA_ATOM, XA_CARDINAL, REPLACE = 4, 6, 0
dock = (ctypes.c_long * 1)(atom(b"_NET_WM_WINDOW_TYPE_DOCK"))
x.XChangeProperty(d, w, atom(b"_NET_WM_WINDOW_TYPE"), XA_ATOM, 32, REPLACE, dock, 1)
# left, right, top, bottom, then the start and end of each: the top edge, full width.
strut = (ctypes.c_long * 12)(0, 0, height, 0, 0, 0, 0, 0, 0, width - 1, 0, 0)
x.XChangeProperty(d, w, atom(b"_NET_WM_STRUT_PARTIAL"), XA_CARDINAL, 32, REPLACE, strut, 12)
x.XChangeProperty(d, w, atom(b"_NET_WM_STRUT"), XA_CARDINAL, 32, REPLACE, strut, 4)
x.XStoreName(d, w, b"top panel")
x.XMapWindow(d, w)
x.XFlush(d)
while True:
    time.sleep(3600)
