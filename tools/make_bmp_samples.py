#!/usr/bin/env python3
"""Writes the small bitmap files of lumora/tests/data: one 5 x 3 picture in every depth and
row order the bitmap reader takes, and run-length encoded pictures (RLE8, RLE4), each with its
expected result beside it in "<name>.expected": "refused", or the size "W x H" and then one
line a row, top row first, of the pixels as RRGGBB. The run-length codes are written out by
hand, one case each (runs, literal runs with their padding, line ends, jumps, runs cut at the
edge, malformed codes), and their results worked out by hand. They are also the fuzzer's seeds.
Run once; the files are checked in.

    tools/make_bmp_samples.py lumora/tests/data
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


def rle_bmp(width, height, bpp, codes, table=TABLE, compression=None):
    """A run-length picture: the header, the colour table and the codes as given."""
    if compression is None:
        compression = 1 if bpp == 8 else 2
    data = bytes(codes)
    entries = list(table) + [K] * ((1 << bpp) - len(table))
    pal = b"".join(bytes((c[2], c[1], c[0], 0)) for c in entries)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bpp, compression, len(data), 2835, 2835, 0, 0)
    body = info + pal + data
    return b"BM" + struct.pack("<IHHI", 14 + len(body), 0, 0, 14 + len(info) + len(pal)) + body


def expected(rows):
    if rows is None:
        return "refused\n"
    lines = ["%d x %d" % (len(rows[0]), len(rows))]
    lines += [" ".join("%02X%02X%02X" % c for c in row) for row in rows]
    return "\n".join(lines) + "\n"


EOL, EOB = [0, 0], [0, 1]


def delta(dx, dy):
    return [0, 2, dx, dy]


def rle_cases():
    """name: (file bytes, expected rows top first or None when refused)."""
    i = {c: n for n, c in enumerate(TABLE)}  # colour -> index
    cases = {}
    # COLOUR bottom row first: literal run with its padding byte, single runs, a literal run of 3.
    cases["rle8_runs_literals.bmp"] = (rle_bmp(5, 3, 8,
        [0, 5, 1, 0, 2, 3, 4, 0] + EOL +
        [1, 5, 1, 6, 1, 7, 1, 0, 1, 1] + EOL +
        [1, 2, 0, 3, 3, 4, 1, 0, 1, 0] + EOB), COLOUR)
    # A jump right 2 and up 1 from (3, bottom); pixels never set keep colour 0 (black).
    cases["rle8_delta.bmp"] = (rle_bmp(6, 4, 8,
        [3, 2] + delta(2, 1) + [1, 4] + EOL + [6, 5] + EOB),
        [[K] * 6, [Y] * 6, [K, K, K, K, K, B], [R, R, R, K, K, K]])
    # Runs and literal runs longer than the row are cut at the edge; a jump past the top ends
    # the picture's pixels; nothing after it is written anywhere.
    cases["rle8_cut_at_edges.bmp"] = (rle_bmp(5, 3, 8,
        [8, 2] + EOL + [0, 6, 1, 1, 1, 1, 1, 1] + EOL + delta(0, 5) + [2, 3] + EOL + [5, 4] + EOB),
        [[K] * 5, [W] * 5, [R] * 5])
    # Codes that simply stop at the end of the file end the picture.
    cases["rle8_no_end.bmp"] = (rle_bmp(5, 2, 8, [5, 3]), [[K] * 5, [G] * 5])
    # Line ends past the top row are harmless.
    cases["rle8_extra_line_ends.bmp"] = (rle_bmp(2, 1, 8, [2, 4] + EOL + EOL + EOL + [2, 2] + EOB), [[B, B]])
    # RLE4: a literal run of five indices (three bytes, padded to four), runs taking their two
    # indices in turn, and a literal run of three in two bytes (no padding).
    cases["rle4_runs_literals.bmp"] = (rle_bmp(5, 3, 4,
        [0, 5, 0x10, 0x23, 0x40, 0] + EOL +
        [2, 0x56, 2, 0x70, 1, 0x10] + EOL +
        [2, 0x23, 0, 3, 0x41, 0x00] + EOB), COLOUR)
    cases["rle4_alternating.bmp"] = (rle_bmp(7, 2, 4, [7, 0x12] + EOL + [1, 0x40] + delta(3, 0) + [3, 0x55] + EOB),
        [[B, K, K, K, Y, Y, Y], [W, R, W, R, W, R, W]])
    # Malformed: refused.
    cases["rle8_cut_in_a_pair.bmp"] = (rle_bmp(5, 3, 8, [5, 2] + EOL + [5]), None)
    cases["rle8_cut_literal.bmp"] = (rle_bmp(5, 3, 8, [0, 5, 1, 0, 2]), None)
    cases["rle8_cut_delta.bmp"] = (rle_bmp(5, 3, 8, [0, 2, 1]), None)
    cases["rle4_cut_literal.bmp"] = (rle_bmp(5, 3, 4, [0, 5, 0x10, 0x23]), None)
    cases["rle8_with_4_bits.bmp"] = (rle_bmp(5, 3, 4, [5, 2] + EOB, compression=1), None)
    cases["rle4_with_8_bits.bmp"] = (rle_bmp(5, 3, 8, [5, 2] + EOB, compression=2), None)
    topdown = bytearray(rle_bmp(5, 3, 8, [5, 2] + EOB))
    topdown[22:26] = struct.pack("<i", -3)
    cases["rle8_top_down.bmp"] = (bytes(topdown), None)
    return cases


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
    for name, (data, rows) in rle_cases().items():
        (out / name).write_bytes(data)
        (out / (name + ".expected")).write_text(expected(rows))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "lumora/tests/data")
