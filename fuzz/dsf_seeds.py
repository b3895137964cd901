#!/usr/bin/env python3
"""Writes the seed files of the font fuzz targets: small valid DSF fonts (fuzz/corpus/dsf) that
reach the parser's paths (ASCII-direct table, extra page row, several pages, no pages), and
texts with markup and UTF-8 for the layout target (fuzz/corpus/dsf_text)."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def glyph(code, page=0, x=0, y=0, advance=10, width=8):
    return struct.pack("<iBxhhhhxx", code, page, x, y, advance, width)


def page(width, height, fill=0x80):
    rows = bytes([fill]) * (width * height)
    pow2 = 1
    while pow2 < height:
        pow2 *= 2
    wide = 1
    while wide < width:
        wide *= 2
    extra = bytes(wide) if pow2 != height else b""
    return struct.pack("<hh", width, height) + rows + extra


def dsf(glyphs, pages, line_height=16, scale=1.0, ascii_direct=0, version=0.9):
    header = b"dsf\0" + struct.pack("<fBxxxIhxxfBxxx", version, len(pages), len(glyphs),
                                    line_height, scale, ascii_direct)
    return header + b"".join(glyphs) + b"".join(pages)


def font_seeds():
    ascii_glyphs = [glyph(c, x=(c % 12) * 8) for c in range(32, 128)]
    latin = [glyph(c, page=1, x=(c % 4) * 8) for c in (0xE9, 0xF6, 0x10D, 0x142, 0x17C)]
    return {
        "ascii_direct.dsf": dsf(ascii_glyphs, [page(100, 20)], ascii_direct=1),
        "two_pages.dsf": dsf(ascii_glyphs + latin, [page(96, 16), page(32, 5)], ascii_direct=1),
        "searched.dsf": dsf([glyph(0x41), glyph(0x20AC, width=0)], [page(8, 1)], scale=0.5),
        "empty.dsf": dsf([], []),
    }


def text_seeds():
    return {
        "plain.txt": b"\x20The quick brown fox jumps over the lazy dog.",
        "markup.txt": b"\x41<c red>Alarm</c> <color 255,255,0>F2<color default> <c FF00FF00>ok",
        "latin.txt": "\x15\u017b\u00f3\u0142w, gr\u00fc\u00df Gott, \u010dau, h\u00e9!\n\u20ac".encode(),
        "broken.txt": b"\x07\xc3\x28 <color 1,2,3,4> <c Red> \xe2\x82 <c ff0000ff>\xf0",
    }


def write(folder, files):
    os.makedirs(folder, exist_ok=True)
    for name, data in files.items():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    write(os.path.join(HERE, "corpus", "dsf"), font_seeds())
    write(os.path.join(HERE, "corpus", "dsf_text"), text_seeds())
