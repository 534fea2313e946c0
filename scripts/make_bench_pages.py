#!/usr/bin/env python3
"""Writes the window benchmark's pages: a 4000 x 3000 PNG picture and pages of
10, 1,000, 10,000 and 50,000 areas over it, a third each rectangles, circles
and 20-point polygons. The first area of every page is the same probe
rectangle at (100, 100)-(300, 200): on top in the editor, so a click on its
outline selects it whatever else the page holds.

    make_bench_pages.py DIR [COUNT ...]
"""
import os
import struct
import sys
import zlib

W, H = 4000, 3000


def write_png(path):
    row = b"\x00" + bytes([0xE0, 0xE8, 0xF0]) * W
    data = zlib.compress(row * H, 9)

    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF)

    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", struct.pack(">IIBBBBB", W, H, 8, 2, 0, 0, 0)))
        f.write(chunk(b"IDAT", data))
        f.write(chunk(b"IEND", b""))


def area(i):
    x = 400 + (i * 7919) % (W - 500)
    y = 300 + (i * 104729) % (H - 400)
    link = f'href="regions/area{i}.html" alt="Region {i}"'
    kind = i % 3
    if kind == 0:
        return f'<area shape="rect" coords="{x},{y},{x + 60},{y + 40}" {link}>'
    if kind == 1:
        return f'<area shape="circle" coords="{x + 25},{y + 25},25" {link}>'
    pts = []
    for k in range(20):
        pts += [x + (k * 37) % 80, y + (k * 53) % 60]
    return f'<area shape="poly" coords="{",".join(map(str, pts))}" {link}>'


def write_page(path, count):
    lines = ["<html><head><title>bench</title></head><body>",
             '<img src="bench.png" width="4000" height="3000" usemap="#bench">',
             '<map name="bench">',
             '<area shape="rect" coords="100,100,300,200" href="probe.html" alt="probe">']
    lines += [area(i) for i in range(count - 1)]
    lines += ["</map>", "</body></html>", ""]
    with open(path, "w", encoding="ascii", newline="\r\n") as f:
        f.write("\n".join(lines))


def main():
    out = sys.argv[1]
    counts = [int(c) for c in sys.argv[2:]] or [10, 1000, 10000, 50000]
    os.makedirs(out, exist_ok=True)
    write_png(os.path.join(out, "bench.png"))
    for n in counts:
        write_page(os.path.join(out, f"page{n}.html"), n)


if __name__ == "__main__":
    main()
