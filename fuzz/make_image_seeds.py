#!/usr/bin/env python3
"""Writes the small seed files of the image decoder fuzz targets (fuzz/corpus/dsx, tga, bmp).
Each file is a valid picture a few pixels wide that reaches a different path of its decoder."""
import os
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))


def pack_indexes(indexes, bits):
    out = bytearray()
    used = 8
    for index in indexes:
        if used == 8:
            out.append(0)
            used = 0
        used += bits
        out[-1] |= index << (8 - used)
    return bytes(out)


def dsx(width, height, bits, palette, stream):
    bpp = bits // 8
    header = b"dsx\0" + struct.pack("<fHHBBh", 1.0, width, height, bits, 0, len(palette) // bpp)
    return header + palette + stream


def dsx_seeds():
    red, blue, grey = bytes([200, 10, 10]), bytes([10, 10, 200]), bytes([90, 90, 90])
    palette = red + blue + grey
    mixed = bytes([0, 0])  # 6 x 4: left, right; left: top, bottom
    mixed += bytes([9, 0xFB]) + red + bytes([2]) + blue + grey
    mixed += bytes([5, 1]) + red + blue + pack_indexes([0, 1, 0, 1, 0, 1], 1)
    mixed += bytes([0])
    mixed += bytes([6, 0, 50, 1, 60, 70, 0x54, 0, 90])
    mixed += bytes([12, 1, 1, 0, 6]) + pack_indexes([0, 0, 0, 1, 1, 1], 1)
    rgba = bytes([0, 1, 1, 2, 3, 4])  # 5 x 3 RGBA: left 3x3 solid, right 2x3 runs of the palette
    rgba += bytes([11, 0xFC, 0, 3, 1, 2, 1])
    rgba_palette = bytes([1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12])
    indexed = bytes([0])  # 4 x 4: top 4x2 global indexes, bottom 4x2 grey palette
    indexed += bytes([7, 0, 1, 2, 0, 1, 2, 0, 1])
    indexed += bytes([4, 3, 0, 85, 170, 255]) + pack_indexes([0, 1, 2, 3, 3, 2, 1, 0], 2)
    rest = bytes([0, 0])  # 4 x 2: left 2x2 (raw row, grey row), right 2x2 (subset, local runs)
    rest += bytes([2]) + red + blue + bytes([3, 40, 220])
    rest += bytes([0, 8, 1, 2, 0]) + pack_indexes([1, 0], 1)
    rest += bytes([10, 1]) + red + blue + bytes([2]) + pack_indexes([1, 1], 1)
    return {
        "mixed_rgb.dsx": dsx(6, 4, 24, palette, mixed),
        "runs_rgba.dsx": dsx(5, 3, 32, rgba_palette, rgba),
        "indexed.dsx": dsx(4, 4, 24, palette, indexed),
        "rest.dsx": dsx(4, 2, 24, palette, rest),
        "raw_packed.dsx": dsx(3, 3, 24, b"", bytes([5, 4]) + bytes(range(15))
                              + pack_indexes([i % 5 for i in range(9)], 4)),
    }


def tga(image_type, width, height, depth, descriptor, body, map_type=0):
    header = struct.pack("<BBB5sHHHHBB", 0, map_type, image_type, b"\0" * 5, 0, 0, width,
                         height, depth, descriptor)
    return header + body


def tga_seeds():
    bgr = bytes((i * 37) % 256 for i in range(4 * 3 * 3))
    bgra = bytes((i * 53) % 256 for i in range(3 * 2 * 4))
    colour_map = bytes((i * 7) % 256 for i in range(256 * 3))
    return {
        "raw24_bottom_up.tga": tga(2, 4, 3, 24, 0, bgr),
        "raw32_top_down.tga": tga(2, 3, 2, 32, 0x28, bgra),
        "raw16.tga": tga(2, 2, 2, 16, 0, struct.pack("<4H", 0x7FFF, 0x8000, 0x7C00, 0x03E0)),
        "grey.tga": tga(3, 3, 1, 8, 0x20, bytes([0, 128, 255])),
        "mapped.tga": tga(1, 2, 2, 8, 0, colour_map + bytes([0, 1, 254, 255]), map_type=1),
        "rle24.tga": tga(10, 3, 2, 24, 0x20, bytes([131, 1, 2, 3, 1, 4, 5, 6, 7, 8, 9])),
        "rle32.tga": tga(10, 2, 2, 32, 0, bytes([128, 1, 2, 3, 4, 130, 5, 6, 7, 8])),
        "rle_grey.tga": tga(11, 4, 1, 8, 0, bytes([1, 10, 20, 129, 30])),
    }


def bmp(width, height, bits, palette, rows, colours_used=0, header_bytes=40):
    info = struct.pack("<IiiHHIIiiII", header_bytes, width, height, 1, bits, 0, 0, 2835, 2835,
                       colours_used, 0)
    info += b"\0" * (header_bytes - 40)
    body = info + palette + rows
    return b"BM" + struct.pack("<IHHI", 14 + len(body), 0, 0, 14 + header_bytes + len(palette)) + body


def bmp_palette(entries):
    return b"".join(bytes([(i * 40) % 256, (i * 90) % 256, (255 - i * 16) % 256, 0])
                    for i in range(entries))


def bmp_seeds():
    return {
        "bgr24.bmp": bmp(3, 2, 24, b"", bytes(range(9)) + b"\0\0\0" + bytes(range(9, 18)) + b"\0\0\0"),
        "top_down24.bmp": bmp(2, -2, 24, b"", bytes(range(6)) + b"\0\0" + bytes(range(6, 12)) + b"\0\0"),
        "x555.bmp": bmp(2, 1, 16, b"", struct.pack("<2H", 0x7C00, 0x001F)),
        "mono.bmp": bmp(10, 2, 1, bmp_palette(2), bytes([0xB0, 0x40, 0, 0, 0x4F, 0xC0, 0, 0])),
        "nibbles.bmp": bmp(3, 2, 4, bmp_palette(16), bytes([0x12, 0x30, 0, 0, 0x45, 0x60, 0, 0])),
        "indexed8.bmp": bmp(3, 1, 8, bmp_palette(3), bytes([2, 0, 1, 0]), colours_used=3),
        "v5_header.bmp": bmp(2, 1, 8, bmp_palette(2), bytes([1, 0, 0, 0]), colours_used=2,
                             header_bytes=124),
    }


def main():
    for folder, files in (("dsx", dsx_seeds()), ("tga", tga_seeds()), ("bmp", bmp_seeds())):
        path = os.path.join(HERE, "corpus", folder)
        os.makedirs(path, exist_ok=True)
        for name, data in files.items():
            with open(os.path.join(path, name), "wb") as f:
                f.write(data)
    return 0


if __name__ == "__main__":
    sys.exit(main())
