#!/usr/bin/env python3
"""Draws every image of the editor and writes them as PNG files.

    python3 scripts/make_images.py [OUTDIR]        (default: res/images)
    python3 scripts/make_images.py --sheet FILE    also write an enlarged contact sheet

The PNGs are committed, so a build never needs Python; run this after changing a
drawing and commit both. Only the standard library is used (zlib and struct write
the PNGs). A file whose bytes would not change is left untouched.
"""
import math
import os
import struct
import sys
import zlib

# --------------------------------------------------------------------------
# PNG output

def png_bytes(width, height, rgba):
    raw = bytearray()
    stride = width * 4
    for y in range(height):
        raw.append(0)
        raw += rgba[y * stride:(y + 1) * stride]

    def chunk(tag, data):
        return (struct.pack(">I", len(data)) + tag + data +
                struct.pack(">I", zlib.crc32(tag + data) & 0xFFFFFFFF))

    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


# --------------------------------------------------------------------------
# Pixel canvas for the small hand-drawn images

CLEAR = (0, 0, 0, 0)

# One letter a colour in the drawings below; '.' leaves the pixel as it is.
PALETTE = {
    "k": (0, 0, 0, 255),
    "w": (255, 255, 255, 255),
    "d": (64, 64, 64, 255),
    "g": (128, 128, 128, 255),
    "l": (200, 200, 200, 255),
    "n": (0, 40, 128, 255),       # navy: title bars, the floppy
    "b": (24, 88, 200, 255),      # blue: arrows, shapes
    "B": (150, 196, 255, 255),    # light blue: fills
    "c": (0, 150, 160, 255),
    "r": (210, 30, 30, 255),
    "R": (220, 20, 20, 255),
    "G": (20, 160, 40, 255),
    "Y": (250, 200, 0, 255),
    "y": (255, 230, 110, 255),    # folder front
    "o": (205, 160, 40, 255),     # folder back
    "O": (170, 120, 60, 255),     # clipboard board
    "K": (120, 80, 0, 255),       # outline of the yellow mark
}


class Canvas:
    def __init__(self, width, height, fill=CLEAR):
        self.w, self.h = width, height
        self.px = [fill] * (width * height)

    def get(self, x, y):
        if 0 <= x < self.w and 0 <= y < self.h:
            return self.px[y * self.w + x]
        return CLEAR

    def set(self, x, y, colour):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y * self.w + x] = colour

    def draw(self, rows, x0=0, y0=0, palette=PALETTE):
        for dy, row in enumerate(rows):
            for dx, ch in enumerate(row):
                if ch != ".":
                    self.set(x0 + dx, y0 + dy, palette[ch])

    def line(self, x0, y0, x1, y1, colour):
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
        err = dx + dy
        while True:
            self.set(x0, y0, colour)
            if x0 == x1 and y0 == y1:
                return
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy

    def polyline(self, points, colour, closed=False):
        pts = list(points) + ([points[0]] if closed else [])
        for (ax, ay), (bx, by) in zip(pts, pts[1:]):
            self.line(round(ax), round(ay), round(bx), round(by), colour)

    def fill_rect(self, x0, y0, x1, y1, colour):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.set(x, y, colour)

    def frame_rect(self, x0, y0, x1, y1, colour):
        self.line(x0, y0, x1, y0, colour)
        self.line(x0, y1, x1, y1, colour)
        self.line(x0, y0, x0, y1, colour)
        self.line(x1, y0, x1, y1, colour)

    def plot_where(self, test, colour):
        for y in range(self.h):
            for x in range(self.w):
                if test(x, y):
                    self.set(x, y, colour)

    def halo(self, ink=(0, 0, 0, 255), colour=(255, 255, 255, 255)):
        """Puts colour on every clear pixel touching ink, so black reads on black."""
        marks = []
        for y in range(self.h):
            for x in range(self.w):
                if self.get(x, y)[3] != 0:
                    continue
                if any(self.get(x + i, y + j) == ink
                       for j in (-1, 0, 1) for i in (-1, 0, 1) if i or j):
                    marks.append((x, y))
        for x, y in marks:
            self.set(x, y, colour)

    def mirrored(self):
        out = Canvas(self.w, self.h)
        for y in range(self.h):
            for x in range(self.w):
                out.set(self.w - 1 - x, y, self.get(x, y))
        return out

    def rgba(self):
        out = bytearray()
        for p in self.px:
            out += bytes(p)
        return out


def from_rows(rows, width, height):
    assert len(rows) == height, (len(rows), height)
    for r in rows:
        assert len(r) == width, (r, len(r), width)
    c = Canvas(width, height)
    c.draw(rows)
    return c


def dist_to_segment(px, py, ax, ay, bx, by):
    vx, vy = bx - ax, by - ay
    wx, wy = px - ax, py - ay
    length2 = vx * vx + vy * vy
    t = 0.0 if length2 == 0 else max(0.0, min(1.0, (wx * vx + wy * vy) / length2))
    cx, cy = ax + t * vx - px, ay + t * vy - py
    return math.hypot(cx, cy)


# --------------------------------------------------------------------------
# Cursors, 32 x 32. Each drawing puts its tip or centre on the hot spot, which
# the Qt layer passes to QCursor; tests/app/ResourcesTest.cpp checks the pairing.

CURSOR_HOT_SPOTS = {
    "arrow": (1, 1),
    "arrow-copy": (1, 1),
    "cross": (6, 6),
    "cross-centre": (6, 6),
    "zoom-in": (6, 6),
    "zoom-out": (6, 6),
    "hand": (9, 11),
}

ARROW = [
    "k",
    "kk",
    "kkk",
    "kkkk",
    "kkkkk",
    "kkkkkk",
    "kkkkkkk",
    "kkkkkkkk",
    "kkkkkkkkk",
    "kkkkkkkkkk",
    "kkkkkk",
    "kkk.kk",
    "kk..kk",
    "k....kk",
    ".....kk",
    "......kk",
    "......kk",
]

HAND = [
    "..................",
    "........kk........",
    ".....kkkwwkkk.....",
    "....kwwkwwkwwk....",
    "....kwwkwwkwwkkk..",
    "....kwwkwwkwwkwwk.",
    "....kwwkwwkwwkwwk.",
    "....kwwkwwkwwkwwk.",
    "....kwwkwwkwwkwwk.",
    ".kk.kwwkwwkwwkwwk.",
    "kwwkkwwwwwwwwwwwk.",
    ".kwwwwwwwwwwwwwwk.",
    "..kwwwwwwwwwwwwwk.",
    "...kwwwwwwwwwwwwk.",
    "...kwwwwwwwwwwwk..",
    "....kwwwwwwwwwwk..",
    "....kwwwwwwwwwk...",
    ".....kwwwwwwwwk...",
    ".....kkkkkkkkkk...",
]


def cursor_arrow(copy):
    c = Canvas(32, 32)
    c.draw(ARROW, 1, 1)
    if copy:
        # A small box with a plus, clear of the arrow's tail.
        c.fill_rect(12, 15, 20, 23, PALETTE["w"])
        c.frame_rect(12, 15, 20, 23, PALETTE["k"])
        c.line(14, 19, 18, 19, PALETTE["k"])
        c.line(16, 17, 16, 21, PALETTE["k"])
    c.halo()
    return c


def cursor_cross(centre_mark):
    # Arms stop short of the centre so the pixel under the hot spot stays visible;
    # the centre-mark variant (drawing from the centre) fills it.
    c = Canvas(32, 32)
    k = PALETTE["k"]
    c.line(1, 6, 4, 6, k)
    c.line(8, 6, 11, 6, k)
    c.line(6, 1, 6, 4, k)
    c.line(6, 8, 6, 11, k)
    if centre_mark:
        c.set(6, 6, k)
    c.halo()
    return c


def cursor_trace():
    # The cross, with a small filled region and its outline below right: a
    # press takes the region under the hot spot.
    c = cursor_cross(False)
    outline = [(11, 11), (19, 10), (22, 15), (18, 20), (12, 19)]
    c.plot_where(lambda x, y: point_in(outline, x, y), PALETTE["b"])
    c.polyline(outline, PALETTE["k"], closed=True)
    c.halo()
    return c


def point_in(points, x, y):
    """Even-odd at the pixel's centre."""
    inside = False
    px, py = x + 0.5, y + 0.5
    for (ax, ay), (bx, by) in zip(points, points[1:] + points[:1]):
        if (ay > py) != (by > py) and px < ax + (py - ay) * (bx - ax) / (by - ay):
            inside = not inside
    return inside


def cursor_zoom(plus):
    c = Canvas(32, 32)
    hx, hy = 6, 6
    c.plot_where(lambda x, y: math.hypot(x - hx, y - hy) < 3.5, PALETTE["w"])
    c.plot_where(lambda x, y: 3.5 <= math.hypot(x - hx, y - hy) <= 5.3, PALETTE["k"])
    c.plot_where(lambda x, y: dist_to_segment(x, y, 10, 10, 14.5, 14.5) <= 1.3, PALETTE["k"])
    c.line(4, 6, 8, 6, PALETTE["k"])
    if plus:
        c.line(6, 4, 6, 8, PALETTE["k"])
    c.halo()
    return c


def cursor_hand():
    c = Canvas(32, 32)
    c.draw(HAND, 0, 0)
    c.halo()
    return c


# --------------------------------------------------------------------------
# Main toolbar buttons, 16 x 15

TOOLBAR = {
    "new": [
        "................",
        "...kkkkkkkk.....",
        "...kwwwwwwkk....",
        "...kwwwwwwkwk...",
        "...kwwwwwwkkkk..",
        "...kwwwwwwwwwk..",
        "...kwwwwwwwwwk..",
        "...kwwwwwwwwwk..",
        "...kwwwwwwwwwk..",
        "...kwwwwwwwwwk..",
        "...kwwwwwwwwwk..",
        "...kwwwwwwwwwk..",
        "...kwwwwwwwwwk..",
        "...kkkkkkkkkkk..",
        "................",
    ],
    "open": [
        "................",
        "................",
        ".kkkk...........",
        "kooook..........",
        "koooookkkkkkk...",
        "kooooooooooook..",
        "kooooooooooook..",
        "kooookkkkkkkkkkk",
        "koookyyyyyyyyyk.",
        "kookyyyyyyyyyk..",
        "kokyyyyyyyyyk...",
        "kkyyyyyyyyyk....",
        "kkkkkkkkkkk.....",
        "................",
        "................",
    ],
    "save": [
        "................",
        ".kkkkkkkkkkkkkk.",
        ".knwwwwwwwwwwnk.",
        ".knwggggggggwnk.",
        ".knwwwwwwwwwwnk.",
        ".knwggggggggwnk.",
        ".knnnnnnnnnnnnk.",
        ".knnnnnnnnnnnnk.",
        ".knnllllllllnnk.",
        ".knnlkklllllnnk.",
        ".knnlkklllllnnk.",
        ".knnllllllllnnk.",
        ".kkkkkkkkkkkkkk.",
        "................",
        "................",
    ],
    "cut": [
        "...k.......k....",
        "...k.......k....",
        "...kk.....kk....",
        "....k.....k.....",
        "....kk...kk.....",
        ".....k...k......",
        ".....kk.kk......",
        "......kkk.......",
        ".....rr.rr......",
        "...rr.....rr....",
        "..r..r...r..r...",
        "..r..r...r..r...",
        "..r..r...r..r...",
        "...rr.....rr....",
        "................",
    ],
    "copy": [
        "kkkkkkkk........",
        "kwwwwwwk........",
        "kwggggwk........",
        "kwwwwwwk........",
        "kwgggkkkkkkkkkk.",
        "kwwwwkwwwwwwwwk.",
        "kwgggkwggggggwk.",
        "kwwwwkwwwwwwwwk.",
        "kwgggkwggggggwk.",
        "kkkkkkwwwwwwwwk.",
        ".....kwggggggwk.",
        ".....kwwwwwwwwk.",
        ".....kwggggggwk.",
        ".....kwwwwwwwwk.",
        ".....kkkkkkkkkk.",
    ],
    "paste": [
        ".....kkkk.......",
        "..kkkkllkkkk....",
        ".kOkllllllkOk...",
        ".kOOkkkkkkOOk...",
        ".kOOOOOOOOOOk...",
        ".kOOOOkkkkkkkkk.",
        ".kOOOOkwwwwwwwk.",
        ".kOOOOkwggggwwk.",
        ".kOOOOkwwwwwwwk.",
        ".kOOOOkwgggggwk.",
        ".kOOOOkwwwwwwwk.",
        ".kOOOOkwggggwwk.",
        ".kOOOOkwwwwwwwk.",
        ".kOOOOkwwwwwwwk.",
        ".kkkkkkkkkkkkkk.",
    ],
    "duplicate": [
        "................",
        ".ggggggggg......",
        ".glllllllg......",
        ".glllllllg......",
        ".glllllllg......",
        ".gllllbbbbbbbbb.",
        ".gllllbBBBBBBBb.",
        ".gllllbBBBBBBBb.",
        ".gllllbBBBBBBBb.",
        ".gggggbBBBBBBBb.",
        "......bBBBBBBBb.",
        "......bBBBBBBBb.",
        "......bBBBBBBBb.",
        "......bbbbbbbbb.",
        "................",
    ],
    "undo": [
        "................",
        "................",
        "....b...........",
        "...bb...........",
        "..bbbbbbbbb.....",
        ".bbbbbbbbbbbb...",
        "..bbb......bbb..",
        "...bb.......bb..",
        "....b.......bb..",
        "............bb..",
        "...........bbb..",
        "..........bbb...",
        "......bbbbbb....",
        "......bbbb......",
        "................",
    ],
    "toolbox": [
        "................",
        "................",
        "....kkkkkkkkk...",
        "....knnnnnnnk...",
        "....kkkkkkkkk...",
        "....kkwwkbbbk...",
        "....kkkwkbwbk...",
        "....kkkkkbbbk...",
        "....kkkkkkkkk...",
        "....kwbwkwwbk...",
        "....kbwbkwbwk...",
        "....kwbwkbwwk...",
        "....kkkkkkkkk...",
        "................",
        "................",
    ],
    "property": [
        "................",
        ".kkkkkkkkkkkkkk.",
        ".knnnnnnnnnnnnk.",
        ".kkkkkkkkkkkkkk.",
        ".kllllllllllllk.",
        ".klllldddddddlk.",
        ".klggldwwwwwwlk.",
        ".kllllllllllllk.",
        ".klllldddddddlk.",
        ".klggldwwwwwwlk.",
        ".kllllllllllllk.",
        ".klllldddddddlk.",
        ".klggldwwwwwwlk.",
        ".kllllllllllllk.",
        ".kkkkkkkkkkkkkk.",
    ],
    "arealist": [
        "................",
        ".kkkkkkkkkkkkkk.",
        ".knnnnnnnnnnnnk.",
        ".kkkkkkkkkkkkkk.",
        ".kwwwwwwwwwwwwk.",
        ".kwGGwggggggwwk.",
        ".kwGGwwwwwwwwwk.",
        ".kwwwwwwwwwwwwk.",
        ".kwYYwggggwwwwk.",
        ".kwYYwwwwwwwwwk.",
        ".kwwwwwwwwwwwwk.",
        ".kwRRwgggggwwwk.",
        ".kwRRwwwwwwwwwk.",
        ".kwwwwwwwwwwwwk.",
        ".kkkkkkkkkkkkkk.",
    ],
    "preview": [
        "................",
        ".kkkkkkkkkkkkkk.",
        ".knnnnnnnnnwnwk.",
        ".kkkkkkkkkkkkkk.",
        ".kwwwwwwwwwwwwk.",
        ".kwwwwwwwwwwwwk.",
        ".kwwwwwwwwwwwwk.",
        ".kwwwwwwwwwwwwk.",
        ".kwwwwwwwwwwwwk.",
        ".kwwwwwwwwwwwwk.",
        ".kwwwwwwwwwwwwk.",
        ".kwwwwwwwwwwwwk.",
        ".kwwwwwwwwwwwwk.",
        ".kwwwwwwwwwwwwk.",
        ".kkkkkkkkkkkkkk.",
    ],
}

GLOBE = [
    "..bbbb..",
    ".bGGbbb.",
    "bGGGbbGb",
    "bbGbbGGb",
    "bbbbbGGb",
    "bbGbbbGb",
    ".bGGbbb.",
    "..bbbb..",
]

QUESTION = [
    ".www.",
    "ww.ww",
    "...ww",
    "..ww.",
    ".ww..",
    ".ww..",
    ".....",
    ".ww..",
    ".ww..",
]


def toolbar_images():
    out = {}
    for name, rows in TOOLBAR.items():
        out[name] = from_rows(rows, 16, 15)
    out["redo"] = out["undo"].mirrored()
    out["preview"].draw(GLOBE, 4, 5)
    about = Canvas(16, 15)
    about.plot_where(lambda x, y: math.hypot(x - 7, y - 7) <= 6.6, PALETTE["n"])
    about.plot_where(lambda x, y: math.hypot(x - 7, y - 7) <= 5.6, PALETTE["b"])
    about.draw(QUESTION, 5, 3)
    out["about"] = about
    return out


# --------------------------------------------------------------------------
# Tool box buttons, 16 x 15

TOOL_ARROW = [
    "................",
    "....k...........",
    "....kk..........",
    "....kkk.........",
    "....kkkk........",
    "....kkkkk.......",
    "....kkkkkk......",
    "....kkkkkkk.....",
    "....kkkkkkkk....",
    "....kkkkk.......",
    "....kk.kk.......",
    "....k...kk......",
    "........kk......",
    ".........kk.....",
    "................",
]

TOOL_ELLIPSE = [
    "................",
    "................",
    ".....kkkkkk.....",
    "...kk......kk...",
    "..k..........k..",
    ".k............k.",
    ".k............k.",
    ".k............k.",
    ".k............k.",
    "..k..........k..",
    "...kk......kk...",
    ".....kkkkkk.....",
    "................",
    "................",
    "................",
]


def handle(c, x, y):
    c.fill_rect(x - 1, y - 1, x + 1, y + 1, PALETTE["w"])
    c.frame_rect(x - 1, y - 1, x + 1, y + 1, PALETTE["k"])


def tool_images():
    k = PALETTE["k"]
    out = {"arrow": from_rows(TOOL_ARROW, 16, 15)}

    rect = Canvas(16, 15)
    rect.frame_rect(2, 3, 13, 11, k)
    out["rect"] = rect

    out["ellipse"] = from_rows(TOOL_ELLIPSE, 16, 15)

    poly = Canvas(16, 15)
    poly.polyline([(2, 5), (8, 1), (14, 6), (11, 13), (3, 11)], k, closed=True)
    out["polygon"] = poly

    line = Canvas(16, 15)
    line.line(3, 11, 12, 3, k)
    handle(line, 3, 11)
    handle(line, 12, 3)
    out["line"] = line

    bez = Canvas(16, 15)
    p0, p1, p2, p3 = (1, 12), (3, 2), (12, 2), (14, 12)
    bez.line(*p0, *p1, PALETTE["g"])
    bez.line(*p3, *p2, PALETTE["g"])
    curve = []
    for i in range(25):
        t = i / 24
        a, b, cc, d = (1 - t) ** 3, 3 * t * (1 - t) ** 2, 3 * t * t * (1 - t), t ** 3
        curve.append((a * p0[0] + b * p1[0] + cc * p2[0] + d * p3[0],
                      a * p0[1] + b * p1[1] + cc * p2[1] + d * p3[1]))
    bez.polyline(curve, k)
    bez.fill_rect(p1[0] - 1, p1[1] - 1, p1[0] + 1, p1[1] + 1, PALETTE["b"])
    bez.fill_rect(p2[0] - 1, p2[1] - 1, p2[0] + 1, p2[1] + 1, PALETTE["b"])
    out["bezier"] = bez

    free = Canvas(16, 15)
    wave = [(x, 7 - 3.5 * math.sin((x - 1) * 0.62) + (x - 8) * 0.25) for x in range(1, 15)]
    free.polyline(wave, k)
    out["freehand"] = free

    trace = Canvas(16, 15)
    region = [(2, 4), (7, 1), (13, 3), (14, 9), (9, 13), (3, 11)]
    trace.plot_where(lambda x, y: point_in(region, x, y), PALETTE["B"])
    trace.polyline(region, k, closed=True)
    for x, y in region:
        trace.set(x, y, PALETTE["b"])
    out["trace"] = trace

    zoom = Canvas(16, 15)
    zoom.plot_where(lambda x, y: math.hypot(x - 6, y - 6) < 3.5, PALETTE["B"])
    zoom.plot_where(lambda x, y: 3.5 <= math.hypot(x - 6, y - 6) <= 4.7, k)
    zoom.plot_where(lambda x, y: dist_to_segment(x, y, 9.5, 9.5, 13.5, 13.5) <= 1.0, k)
    out["zoom"] = zoom
    return out


# --------------------------------------------------------------------------
# Area list state images, 12 x 12

AREALIST = {
    "cross": [
        "............",
        ".RR......RR.",
        ".RRR....RRR.",
        "..RRR..RRR..",
        "...RRRRRR...",
        "....RRRR....",
        "....RRRR....",
        "...RRRRRR...",
        "..RRR..RRR..",
        ".RRR....RRR.",
        ".RR......RR.",
        "............",
    ],
    "warning": [
        "...KKKKKK...",
        "...KYYYYK...",
        "...KYYYYK...",
        "....KYYK....",
        "....KYYK....",
        "....KYYK....",
        "....KKKK....",
        "............",
        "....KKKK....",
        "....KYYK....",
        "....KYYK....",
        "....KKKK....",
    ],
    "check": [
        "............",
        "..........GG",
        ".........GGG",
        "........GGG.",
        ".......GGG..",
        ".GG...GGG...",
        ".GGG.GGG....",
        "..GGGGG.....",
        "...GGG......",
        "....G.......",
        "............",
        "............",
    ],
}


# --------------------------------------------------------------------------
# Ruler corner, 18 x 18 (the box shows its top-left 17 x 17)

def ruler_corner():
    face = (240, 240, 240, 255)
    c = Canvas(18, 18, face)
    c.line(16, 0, 16, 16, PALETTE["g"])
    c.line(0, 16, 16, 16, PALETTE["g"])
    blue = PALETTE["b"]
    c.line(3, 8, 6, 8, blue)
    c.line(10, 8, 13, 8, blue)
    c.line(8, 3, 8, 6, blue)
    c.line(8, 10, 8, 13, blue)
    c.set(8, 8, blue)
    return c


# --------------------------------------------------------------------------
# Icons: a small anti-aliased renderer over a 256-unit design square

class Shape:
    def __init__(self, test, box):
        self.test, self.box = test, box


def round_rect(x0, y0, x1, y1, r):
    def test(x, y):
        if x < x0 or x > x1 or y < y0 or y > y1:
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    return Shape(test, (x0, y0, x1, y1))


def circle(cx, cy, r):
    return Shape(lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r,
                 (cx - r, cy - r, cx + r, cy + r))


def polygon(points):
    xs, ys = [p[0] for p in points], [p[1] for p in points]

    def test(x, y):
        inside = False
        j = len(points) - 1
        for i in range(len(points)):
            xi, yi = points[i]
            xj, yj = points[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                inside = not inside
            j = i
        return inside
    return Shape(test, (min(xs), min(ys), max(xs), max(ys)))


def stroke(points, width, closed=False):
    pts = list(points) + ([points[0]] if closed else [])
    segs = list(zip(pts, pts[1:]))
    half = width / 2
    xs, ys = [p[0] for p in pts], [p[1] for p in pts]

    def test(x, y):
        return any(dist_to_segment(x, y, a[0], a[1], b[0], b[1]) <= half for a, b in segs)
    return Shape(test, (min(xs) - half, min(ys) - half, max(xs) + half, max(ys) + half))


def clip(shape, to):
    box = (max(shape.box[0], to.box[0]), max(shape.box[1], to.box[1]),
           min(shape.box[2], to.box[2]), min(shape.box[3], to.box[3]))
    return Shape(lambda x, y: to.test(x, y) and shape.test(x, y), box)


def render(size, layers):
    scale = size / 256.0
    n = 4 if size <= 64 else 3
    offsets = [(i + 0.5) / n for i in range(n)]
    acc = [[0.0, 0.0, 0.0, 0.0] for _ in range(size * size)]  # premultiplied
    for shape, paint in layers:
        x0 = max(0, int(math.floor(shape.box[0] * scale)))
        y0 = max(0, int(math.floor(shape.box[1] * scale)))
        x1 = min(size - 1, int(math.ceil(shape.box[2] * scale)))
        y1 = min(size - 1, int(math.ceil(shape.box[3] * scale)))
        for py in range(y0, y1 + 1):
            for px in range(x0, x1 + 1):
                hits = 0
                for oy in offsets:
                    for ox in offsets:
                        if shape.test((px + ox) / scale, (py + oy) / scale):
                            hits += 1
                if not hits:
                    continue
                r, g, b, a = paint((py + 0.5) / scale) if callable(paint) else paint
                cover = hits / (n * n) * a / 255.0
                p = acc[py * size + px]
                for i, v in enumerate((r, g, b)):
                    p[i] = v / 255.0 * cover + p[i] * (1 - cover)
                p[3] = cover + p[3] * (1 - cover)
    c = Canvas(size, size)
    for i, (r, g, b, a) in enumerate(acc):
        if a > 0:
            c.px[i] = (round(r / a * 255), round(g / a * 255), round(b / a * 255), round(a * 255))
    return c


def vertical(top_y, top, bottom_y, bottom):
    def paint(y):
        t = min(1.0, max(0.0, (y - top_y) / (bottom_y - top_y)))
        return tuple(round(a + (b - a) * t) for a, b in zip(top, bottom))
    return paint


def landscape(x0, y0, x1, y1, detail):
    """A picture (sky, sun, hills) with one clickable area drawn over a hill."""
    w, h = x1 - x0, y1 - y0
    frame = round_rect(x0, y0, x1, y1, w * 0.06)
    layers = [(frame, vertical(y0, (70, 140, 225, 255), y1, (185, 220, 250, 255)))]
    layers.append((clip(circle(x0 + w * 0.74, y0 + h * 0.27, w * 0.11), frame), (255, 205, 50, 255)))
    far = [(x0, y0 + h * 0.70)]
    for i in range(13):
        t = i / 12
        far.append((x0 + w * t, y0 + h * (0.62 - 0.16 * math.sin(t * math.pi * 1.1))))
    far += [(x1, y1), (x0, y1)]
    layers.append((clip(polygon(far), frame), (95, 170, 85, 255)))
    near = [(x0, y0 + h * 0.78)]
    for i in range(13):
        t = i / 12
        near.append((x0 + w * t, y0 + h * (0.86 - 0.14 * math.sin(t * math.pi * 1.6 + 0.4))))
    near += [(x1, y1), (x0, y1)]
    layers.append((clip(polygon(near), frame), (50, 125, 60, 255)))
    area = [(x0 + w * 0.16, y0 + h * 0.36), (x0 + w * 0.50, y0 + h * 0.22),
            (x0 + w * 0.60, y0 + h * 0.58), (x0 + w * 0.34, y0 + h * 0.74),
            (x0 + w * 0.12, y0 + h * 0.60)]
    layers.append((polygon(area), (255, 120, 40, 80)))
    layers.append((stroke(area, detail["area_width"], closed=True), (235, 80, 25, 255)))
    if detail["handles"]:
        s = detail["area_width"] * 1.5
        for (hx, hy) in area:
            layers.append((round_rect(hx - s, hy - s, hx + s, hy + s, 0), (30, 30, 30, 255)))
            inner = s - detail["area_width"] * 0.5
            layers.append((round_rect(hx - inner, hy - inner, hx + inner, hy + inner, 0),
                           (255, 255, 255, 255)))
    border = detail["border"]
    ring = Shape(lambda x, y: frame.test(x, y) and not round_rect(
        x0 + border, y0 + border, x1 - border, y1 - border, max(0.0, w * 0.06 - border)).test(x, y),
        frame.box)
    layers.append((ring, (30, 55, 110, 255)))
    return layers


def pointer(tip_x, tip_y, unit):
    """The editor's arrow, white-edged, tip at (tip_x, tip_y), about 17 units tall."""
    outline = [(0, 0), (0, 15), (3.6, 11.6), (6.2, 17.2), (8.6, 16.2), (6.1, 10.7), (11, 10.7)]
    pts = [(tip_x + x * unit, tip_y + y * unit) for x, y in outline]
    return [(stroke(pts, unit * 2.4, closed=True), (255, 255, 255, 255)),
            (polygon(pts), (0, 0, 0, 255))]


def detail_for(size):
    px = 256.0 / size
    return {
        "area_width": max(6.0, 1.6 * px),
        "border": max(6.0, 1.2 * px),
        "handles": size >= 48,
        "pointer": size >= 32,
    }


def app_icon(size):
    d = detail_for(size)
    layers = []
    if size >= 32:
        layers.append((round_rect(18, 34, 246, 238, 16), (0, 0, 0, 60)))
    layers += landscape(10, 24, 238, 228, d)
    if d["pointer"]:
        layers += pointer(170, 136, 5.4)
    return render(size, layers)


def doc_icon(size):
    d = detail_for(size)
    px = 256.0 / size
    edge = max(5.0, 1.0 * px)
    page = [(40, 8), (172, 8), (220, 56), (220, 248), (40, 248)]
    fold = [(172, 8), (172, 56), (220, 56)]
    layers = [(polygon(page), (120, 120, 120, 255)),
              (polygon([(40 + edge, 8 + edge), (172 - edge * 0.4, 8 + edge),
                        (220 - edge, 56 + edge * 0.4), (220 - edge, 248 - edge),
                        (40 + edge, 248 - edge)]), (255, 255, 255, 255)),
              (polygon(fold), (205, 205, 205, 255)),
              (stroke(fold, edge), (120, 120, 120, 255))]
    small = dict(d, area_width=max(5.0, 1.4 * px), border=max(4.0, 1.0 * px),
                 handles=size >= 64)
    layers += landscape(64, 72, 196, 168, small)
    if size >= 32:
        text = (150, 150, 150, 255)
        bar = max(10.0, 1.3 * px)
        layers.append((round_rect(64, 188, 196, 188 + bar, 0), text))
        layers.append((round_rect(64, 212, 156, 212 + bar, 0), text))
    return render(size, layers)


ICON_SIZES = (16, 32, 48, 64, 128, 256)


# --------------------------------------------------------------------------

def all_images():
    images = {}
    for name, (copy) in (("arrow", False), ("arrow-copy", True)):
        images["cursors/%s.png" % name] = cursor_arrow(copy)
    images["cursors/cross.png"] = cursor_cross(False)
    images["cursors/cross-centre.png"] = cursor_cross(True)
    images["cursors/zoom-in.png"] = cursor_zoom(True)
    images["cursors/zoom-out.png"] = cursor_zoom(False)
    images["cursors/hand.png"] = cursor_hand()
    images["cursors/trace.png"] = cursor_trace()
    for name, c in toolbar_images().items():
        images["toolbar/%s.png" % name] = c
    for name, c in tool_images().items():
        images["tools/%s.png" % name] = c
    for name, rows in AREALIST.items():
        images["arealist/%s.png" % name] = from_rows(rows, 12, 12)
    images["ruler/corner.png"] = ruler_corner()
    for size in ICON_SIZES:
        suffix = "" if size == 256 else "-%d" % size
        images["icons/zorva%s.png" % suffix] = app_icon(size)
        images["icons/zorva-doc%s.png" % suffix] = doc_icon(size)
    return images


def write_if_changed(path, data):
    try:
        with open(path, "rb") as f:
            if f.read() == data:
                return False
    except FileNotFoundError:
        pass
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)
    return True


def contact_sheet(images, zoom=8):
    """The small images enlarged on a checkerboard, for looking at the drawings."""
    names = sorted(n for n in images if images[n].w <= 32)
    cell = 32 * zoom + 8
    cols = 6
    rows = (len(names) + cols - 1) // cols
    sheet = Canvas(cols * cell, rows * cell, (255, 255, 255, 255))
    for i, name in enumerate(names):
        img = images[name]
        ox, oy = (i % cols) * cell + 4, (i // cols) * cell + 4
        for y in range(img.h * zoom):
            for x in range(img.w * zoom):
                bg = (200, 200, 200) if ((x // 8 + y // 8) % 2) else (90, 90, 90)
                r, g, b, a = img.get(x // zoom, y // zoom)
                t = a / 255.0
                sheet.set(ox + x, oy + y, tuple(round(c * t + k * (1 - t))
                                                 for c, k in zip((r, g, b), bg)) + (255,))
    return sheet


def qrc_text(names):
    """The resource file: every image under its folder name, e.g. :/cursors/hand.png;
    the 256-pixel icons also stand as :/icons/zorva.png and :/icons/zorva-doc.png."""
    lines = ['<!DOCTYPE RCC>', '<!-- Written by scripts/make_images.py; edit that, not this. -->',
             '<RCC version="1.0">', '<qresource prefix="/">']
    for name in sorted(names):
        lines.append('  <file alias="%s">images/%s</file>' % (name, name))
    lines += ['</qresource>', '</RCC>', '']
    return "\n".join(lines)


def main(argv):
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    outdir = os.path.join(root, "res", "images")
    sheet = None
    args = list(argv)
    while args:
        a = args.pop(0)
        if a == "--sheet":
            sheet = args.pop(0)
        else:
            outdir = a
    images = all_images()
    changed = 0
    for name, c in sorted(images.items()):
        changed += write_if_changed(os.path.join(outdir, name), png_bytes(c.w, c.h, c.rgba()))
    if outdir == os.path.join(root, "res", "images"):
        changed += write_if_changed(os.path.join(root, "res", "zorva.qrc"),
                                    qrc_text(images).encode("utf-8"))
    print("%d images, %d files written under %s" % (len(images), changed, outdir))
    if sheet:
        s = contact_sheet(images)
        write_if_changed(sheet, png_bytes(s.w, s.h, s.rgba()))


if __name__ == "__main__":
    main(sys.argv[1:])
