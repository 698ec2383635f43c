#!/usr/bin/env python3
"""Rebuilds the icon fixtures of the platform tests.

Run from anywhere: python3 tests/data/platform/make_fixtures.py
Needs binutils-mingw-w64 (i686- and x86_64-w64-mingw32-windres and -ld) and
the host's cpp as windres' preprocessor. Everything it writes lands beside
this script and is committed, so the tests themselves need only icoutils.

Outputs
  *.ico          icon files drawn here (4-, 8-, 32-bpp DIB and PNG images)
  big.rc         generated: 200 icon groups for the benchmark
  pe32.exe       icons.rc linked with the i686 tools   (PE32)
  pe64.dll       icons.rc linked with the x86_64 tools (PE32+)
  big.dll        big.rc linked with the x86_64 tools
  ne16.exe       a hand-made NE file, layout described in write_ne()
"""
import os
import struct
import subprocess
import sys
import tempfile
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))


# ---------------------------------------------------------------- drawing
def pattern(kind, w, h):
    """RGBA rows of a deterministic picture; corners transparent."""
    rows = []
    for y in range(h):
        row = []
        for x in range(w):
            r = (x * 255) // max(1, w - 1)
            g = (y * 255) // max(1, h - 1)
            b = ((x ^ y) * 37 + kind * 50) & 0xFF
            a = 255
            if x + y < w // 4 or (w - 1 - x) + (h - 1 - y) < w // 4:
                a = 0
            row.append((r, g, b, a))
        rows.append(row)
    return rows


def palette_of(bits, kind):
    n = 1 << bits
    pal = []
    for i in range(n):
        pal.append(((i * 53 + kind * 17) & 0xFF, (i * 101) & 0xFF, (255 - i * 29) & 0xFF))
    return pal


def dib_image(w, h, bits, kind):
    """A BITMAPINFOHEADER icon image: header, palette, XOR rows, AND rows."""
    rgba = pattern(kind, w, h)
    pal = palette_of(bits, kind) if bits <= 8 else []
    xor_stride = ((w * bits + 31) // 32) * 4
    and_stride = ((w + 31) // 32) * 4
    xor = bytearray()
    mask = bytearray()
    for y in reversed(range(h)):  # bottom-up
        line = bytearray(xor_stride)
        mline = bytearray(and_stride)
        for x in range(w):
            r, g, b, a = rgba[y][x]
            if bits <= 8:
                index = (x * 3 + y * 5 + kind) % len(pal)
                if bits == 1:
                    line[x >> 3] |= index << (7 - (x & 7))
                elif bits == 4:
                    line[x >> 1] |= index << (4 if x % 2 == 0 else 0)
                else:
                    line[x] = index
            elif bits == 24:
                line[x * 3:x * 3 + 3] = bytes((b, g, r))
            elif bits == 32:
                # Real alpha: a soft edge besides the transparent corners.
                alpha = a if a == 0 else 128 + (x * 127) // max(1, w - 1)
                line[x * 4:x * 4 + 4] = bytes((b, g, r, alpha))
            if a == 0:
                mline[x >> 3] |= 0x80 >> (x & 7)
        xor += line
        mask += mline
    header = struct.pack('<IiiHHIIiiII', 40, w, h * 2, 1, bits, 0,
                         len(xor) + len(mask), 0, 0, 0, 0)
    palbytes = b''.join(bytes((b, g, r, 0)) for (r, g, b) in pal)
    return header + palbytes + bytes(xor) + bytes(mask)


def png_image(w, h, kind):
    rgba = pattern(kind, w, h)
    raw = bytearray()
    for row in rgba:
        raw.append(0)
        for (r, g, b, a) in row:
            raw += bytes((r, g, b, a))

    def chunk(tag, data):
        body = tag + data
        return struct.pack('>I', len(data)) + body + struct.pack('>I', zlib.crc32(body) & 0xFFFFFFFF)

    ihdr = struct.pack('>IIBBBBB', w, h, 8, 6, 0, 0, 0)
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', ihdr) +
            chunk(b'IDAT', zlib.compress(bytes(raw), 9)) + chunk(b'IEND', b''))


def write_ico(name, images):
    """images: list of (w, h, bits, data)."""
    out = bytearray(struct.pack('<HHH', 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for (w, h, bits, data) in images:
        colors = (1 << bits) if bits < 8 else 0
        out += struct.pack('<BBBBHHII', w & 0xFF, h & 0xFF, colors, 0, 1, bits, len(data), offset)
        offset += len(data)
    for (_, _, _, data) in images:
        out += data
    with open(os.path.join(HERE, name), 'wb') as f:
        f.write(out)


def dib(w, h, bits, kind):
    return (w, h, bits, dib_image(w, h, bits, kind))


def png(w, h, kind):
    return (w, h, 32, png_image(w, h, kind))


def write_icons():
    # The mixed group: every image kind, the 32-bpp one at 32 x 32 wins.
    write_ico('mixed.ico', [dib(16, 16, 4, 1), dib(32, 32, 4, 2), dib(32, 32, 8, 3),
                            dib(32, 32, 32, 4), png(48, 48, 5)])
    write_ico('four.ico', [dib(32, 32, 4, 6), dib(16, 16, 4, 7)])
    write_ico('eight.ico', [dib(16, 16, 8, 8), dib(32, 32, 8, 9)])
    write_ico('alpha.ico', [dib(32, 32, 32, 10)])
    write_ico('png.ico', [png(32, 32, 11), png(64, 64, 12)])
    write_ico('mono.ico', [dib(32, 32, 1, 13)])
    write_ico('truecolor.ico', [dib(24, 24, 24, 14), dib(40, 40, 24, 15)])
    write_ico('small.ico', [dib(32, 32, 4, 16), dib(16, 16, 4, 17)])


# ---------------------------------------------------------------- PE
def run(cmd):
    subprocess.run(cmd, check=True, cwd=HERE)


def link_pe(rc, out, arch, dll):
    prefix = {'i686': 'i686-w64-mingw32-', 'x86_64': 'x86_64-w64-mingw32-'}[arch]
    with tempfile.TemporaryDirectory() as tmp:
        obj = os.path.join(tmp, 'res.o')
        run([prefix + 'windres', '--preprocessor=cpp', rc, '-O', 'coff', '-o', obj])
        cmd = [prefix + 'ld', '-o', out, obj, '-e', '0']
        if dll:
            cmd.insert(1, '--dll')
        run(cmd)


def write_big_rc():
    lines = ['// Generated by make_fixtures.py: many groups for the benchmark.\n']
    for i in range(1, 201):
        lines.append('%d ICON "%s"\n' % (i, 'small.ico' if i % 2 else 'four.ico'))
    with open(os.path.join(HERE, 'big.rc'), 'w') as f:
        f.writelines(lines)


# ---------------------------------------------------------------- NE
def write_ne(name):
    """A minimal 16-bit NE file with two icon groups.

    0x0000  MZ header, 64 bytes; e_lfanew (0x3C) = 0x40
    0x0040  NE header, 64 bytes: "NE", ne_rsrctab (+0x24) and ne_restab
            (+0x26) relative to the NE header; the other tables are empty
            and point at the resident-name table
    0x0080  resource table: alignment shift (WORD, 3 = 8-byte units, so
            every length here is exact), then
            TYPEINFO blocks: type (0x8000|id), count, 4 reserved bytes,
            count NAMEINFO records (offset, length in units; flags; ID
            0x8000|id; handle; usage); a type of 0 ends the table
            Types: RT_ICON (0x8003) IDs 1..3, RT_GROUP_ICON (0x800E) IDs 1, 2
    ....    resident-name table: module name, then a 0 byte
    ....    resource data, each item at an 8-byte boundary
    Group 1 lists icons 1 (32x32 4bpp) and 2 (16x16 4bpp);
    group 2 lists icon 3 (32x32 8bpp).
    """
    shift = 3
    icons = [dib_image(32, 32, 4, 20), dib_image(16, 16, 4, 21), dib_image(32, 32, 8, 22)]
    shapes = [(32, 32, 4), (16, 16, 4), (32, 32, 8)]

    def group(ids):
        g = struct.pack('<HHH', 0, 1, len(ids))
        for i in ids:
            w, h, bits = shapes[i - 1]
            colors = (1 << bits) if bits < 8 else 0
            g += struct.pack('<BBBBHHIH', w, h, colors, 0, 1, bits, len(icons[i - 1]), i)
        return g

    groups = [group([1, 2]), group([3])]

    ne_off = 0x40
    rsrc_off = 0x80
    # table: shift + (8 + 3*12) + (8 + 2*12) + terminating 0 word
    rsrc_len = 2 + (8 + 3 * 12) + (8 + 2 * 12) + 2
    restab_off = rsrc_off + rsrc_len
    restab = bytes([6]) + b'NETEST' + struct.pack('<H', 0) + b'\x00'
    data_start = (restab_off + len(restab) + 7) & ~7

    items = icons + groups
    placed = []
    pos = data_start
    blob = bytearray()
    for item in items:
        placed.append(pos)
        padded = item + b'\x00' * ((-len(item)) % 8)
        blob += padded
        pos += len(padded)

    def nameinfo(offset, data, rid):
        units = (len(data) + 7) >> shift
        return struct.pack('<HHHHHH', offset >> shift, units, 0x30, 0x8000 | rid, 0, 0)

    table = struct.pack('<H', shift)
    table += struct.pack('<HHI', 0x8003, 3, 0)
    for i in range(3):
        table += nameinfo(placed[i], icons[i], i + 1)
    table += struct.pack('<HHI', 0x800E, 2, 0)
    for i in range(2):
        table += nameinfo(placed[3 + i], groups[i], i + 1)
    table += struct.pack('<H', 0)
    assert len(table) == rsrc_len

    mz = bytearray(64)
    mz[0:2] = b'MZ'
    struct.pack_into('<I', mz, 0x3C, ne_off)
    ne = bytearray(64)
    ne[0:2] = b'NE'
    ne[2] = 5  # linker version
    rel = lambda off: off - ne_off
    struct.pack_into('<H', ne, 0x04, rel(restab_off))          # entry table
    struct.pack_into('<H', ne, 0x22, rel(rsrc_off))            # segment table (empty)
    struct.pack_into('<H', ne, 0x24, rel(rsrc_off))            # resource table
    struct.pack_into('<H', ne, 0x26, rel(restab_off))          # resident names
    struct.pack_into('<H', ne, 0x28, rel(restab_off + len(restab) - 1))  # module refs
    struct.pack_into('<H', ne, 0x2A, rel(restab_off + len(restab) - 1))  # imported names
    struct.pack_into('<I', ne, 0x2C, data_start)               # non-resident names (file offset)
    ne[0x36] = 2  # target OS: Windows

    out = bytes(mz) + bytes(ne) + table + restab
    out += b'\x00' * (data_start - len(out)) + bytes(blob)
    with open(os.path.join(HERE, name), 'wb') as f:
        f.write(out)


def main():
    write_icons()
    write_big_rc()
    link_pe('icons.rc', 'pe32.exe', 'i686', False)
    link_pe('icons.rc', 'pe64.dll', 'x86_64', True)
    link_pe('big.rc', 'big.dll', 'x86_64', True)
    write_ne('ne16.exe')
    return 0


if __name__ == '__main__':
    sys.exit(main())
