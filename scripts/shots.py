#!/usr/bin/env python3
"""Reads the game's own screenshots (24-bit BMP, bottom row first) for the demo and the
end-to-end tests: converts them to PNG and samples pixels in the 800 x 600 virtual screen.

  shots.py png IN.bmp OUT.png
  shots.py pixel IN.bmp VX VY             -> "R G B" at a virtual-screen point
  shots.py count IN.bmp VX VY VW VH EXPR  -> pixels of the virtual rectangle for which EXPR
                                             (over r, g, b) holds
  shots.py differ A.bmp B.bmp VX VY VW VH -> pixels of the rectangle that differ by more than 24
  shots.py rowends IN.bmp VX0 VX1 VY0 VY1 [VY0 VY1 ...] -> for each band of rows, the rightmost
                                             x (pixels) between VX0 and VX1 with a near-white pixel (text, not stars)
"""
import struct
import sys
import zlib


def read_bmp(path):
    with open(path, "rb") as f:
        data = f.read()
    if len(data) < 54 or data[:2] != b"BM":
        raise SystemExit(f"{path}: not a BMP file")
    offset = struct.unpack_from("<I", data, 10)[0]
    width, height = struct.unpack_from("<ii", data, 18)
    bits = struct.unpack_from("<H", data, 28)[0]
    if bits != 24 or width <= 0 or height == 0:
        raise SystemExit(f"{path}: not a 24-bit picture")
    bottom_up = height > 0
    height = abs(height)
    row = (width * 3 + 3) & ~3
    if offset + row * height > len(data):
        raise SystemExit(f"{path}: truncated")
    rows = []
    for y in range(height):
        src = y if not bottom_up else height - 1 - y
        start = offset + src * row
        line = data[start:start + width * 3]
        rows.append(line)
    return width, height, rows


def rgb(img, x, y):
    width, height, rows = img
    x = min(max(int(x), 0), width - 1)
    y = min(max(int(y), 0), height - 1)
    b, g, r = rows[y][3 * x:3 * x + 3]
    return r, g, b


def to_pixels(img, vx, vy, vw=0, vh=0):
    width, height, _ = img
    sx, sy = width / 800.0, height / 600.0
    return int(vx * sx), int(vy * sy), max(1, int(vw * sx)), max(1, int(vh * sy))


def write_png(img, path):
    width, height, rows = img
    raw = bytearray()
    for line in rows:
        raw.append(0)
        for i in range(0, width * 3, 3):
            raw += bytes((line[i + 2], line[i + 1], line[i]))

    def chunk(kind, body):
        c = struct.pack(">I", len(body)) + kind + body
        return c + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF)

    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(png)


def main(argv):
    if len(argv) < 3:
        raise SystemExit(__doc__)
    cmd = argv[1]
    if cmd == "png":
        write_png(read_bmp(argv[2]), argv[3])
    elif cmd == "pixel":
        img = read_bmp(argv[2])
        x, y, _, _ = to_pixels(img, float(argv[3]), float(argv[4]))
        print(*rgb(img, x, y))
    elif cmd == "count":
        img = read_bmp(argv[2])
        x0, y0, w, h = to_pixels(img, *map(float, argv[3:7]))
        test = compile(argv[7], "expr", "eval")
        n = 0
        for y in range(y0, y0 + h):
            for x in range(x0, x0 + w):
                r, g, b = rgb(img, x, y)
                n += bool(eval(test, {}, {"r": r, "g": g, "b": b}))
        print(n)
    elif cmd == "differ":
        a, b_img = read_bmp(argv[2]), read_bmp(argv[3])
        x0, y0, w, h = to_pixels(a, *map(float, argv[4:8]))
        n = 0
        for y in range(y0, y0 + h):
            for x in range(x0, x0 + w):
                p, q = rgb(a, x, y), rgb(b_img, x, y)
                n += max(abs(p[i] - q[i]) for i in range(3)) > 24
        print(n)
    elif cmd == "rowends":
        img = read_bmp(argv[2])
        x0, _, _, _ = to_pixels(img, float(argv[3]), 0)
        x1, _, _, _ = to_pixels(img, float(argv[4]), 0)
        ends = []
        for i in range(5, len(argv) - 1, 2):
            _, y0, _, _ = to_pixels(img, 0, float(argv[i]))
            _, y1, _, _ = to_pixels(img, 0, float(argv[i + 1]))
            end = 0
            for y in range(y0, y1):
                for x in range(x0, x1):
                    if sum(rgb(img, x, y)) > 600:
                        end = max(end, x)
            ends.append(end)
        print(*ends)
    else:
        raise SystemExit(__doc__)


if __name__ == "__main__":
    main(sys.argv)
