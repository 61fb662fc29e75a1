#!/usr/bin/env python3
"""Writes the small bitmap files of drawing/tests/data: one 5 x 3 picture in every depth and
row order the bitmap reader takes (they are also the fuzzer's seeds). Run once; the files are
checked in.

    tools/make_bmp_samples.py drawing/tests/data
"""
import struct
import sys
from pathlib import Path

# Channels of 0 or 255 only, so that every depth stores them exactly.
K, W = (0, 0, 0), (255, 255, 255)
R, G, B = (255, 0, 0), (0, 255, 0), (0, 0, 255)
Y, C, M = (255, 255, 0), (0, 255, 255), (255, 0, 255)
COLOUR = [[R, G, B, W, K], [Y, C, M, K, W], [W, K, R, G, B]]  # top row first
MONO = [[W, K, W, K, W], [K, W, K, W, K], [W, W, K, K, W]]
TABLE = [K, W, R, G, B, Y, C, M]


def bmp(rows, bpp, table=None, top_down=False, compression=0, masks=None, info_size=40, colours_used=0):
    height, width = len(rows), len(rows[0])
    stride = (bpp * width + 31) // 32 * 4
    data = b""
    order = rows if top_down else list(reversed(rows))
    for row in order:
        line = bytearray(stride)
        for x, c in enumerate(row):
            if bpp <= 8:
                i = table.index(c)
                per = 8 // bpp
                line[x // per] |= i << (8 - bpp * (x % per + 1))
            elif bpp == 24:
                line[3 * x:3 * x + 3] = bytes((c[2], c[1], c[0]))
            else:
                rm, gm, bm = masks
                def put(v, m):
                    shift = (m & -m).bit_length() - 1
                    return ((v * (m >> shift) + 127) // 255) << shift
                px = put(c[0], rm) | put(c[1], gm) | put(c[2], bm)
                line[bpp // 8 * x:bpp // 8 * (x + 1)] = px.to_bytes(bpp // 8, "little")
        data += bytes(line)
    info = struct.pack("<IiiHHIIiiII", info_size, width, -height if top_down else height, 1, bpp,
                       compression, len(data), 2835, 2835, colours_used, 0)
    extra = b""
    if info_size > 40:
        extra = bytearray(info_size - 40)
        if compression == 3:
            extra[0:12] = struct.pack("<III", *masks)
        extra = bytes(extra)
    elif compression == 3:
        extra = struct.pack("<III", *masks)
    pal = b""
    if table is not None:
        entries = list(table) + [K] * ((colours_used or (1 << bpp)) - len(table))
        pal = b"".join(bytes((c[2], c[1], c[0], 0)) for c in entries)
    body = info + extra + pal + data
    offset = 14 + len(body) - len(data)
    return b"BM" + struct.pack("<IHHI", 14 + len(body), 0, 0, offset) + body


def main(out):
    out = Path(out)
    out.mkdir(parents=True, exist_ok=True)
    files = {
        "mono_1bpp.bmp": bmp(MONO, 1, [K, W]),
        "colour_4bpp.bmp": bmp(COLOUR, 4, TABLE),
        "colour_8bpp_used8.bmp": bmp(COLOUR, 8, TABLE, colours_used=8),
        "colour_8bpp_topdown.bmp": bmp(COLOUR, 8, TABLE, top_down=True),
        "colour_16bpp_555.bmp": bmp(COLOUR, 16, masks=(0x7C00, 0x03E0, 0x001F)),
        "colour_16bpp_565_bitfields.bmp": bmp(COLOUR, 16, compression=3, masks=(0xF800, 0x07E0, 0x001F)),
        "colour_24bpp.bmp": bmp(COLOUR, 24),
        "colour_24bpp_topdown.bmp": bmp(COLOUR, 24, top_down=True),
        "colour_32bpp.bmp": bmp(COLOUR, 32, masks=(0xFF0000, 0x00FF00, 0x0000FF)),
        "colour_32bpp_bitfields.bmp": bmp(COLOUR, 32, compression=3, masks=(0xFF000000, 0x00FF0000, 0x0000FF00)),
        "colour_24bpp_v5header.bmp": bmp(COLOUR, 24, info_size=124),
        "colour_32bpp_v5header_bitfields.bmp": bmp(COLOUR, 32, compression=3, info_size=124,
                                                   masks=(0x0000FF00, 0x00FF0000, 0xFF000000)),
    }
    for name, data in files.items():
        (out / name).write_bytes(data)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "drawing/tests/data")
