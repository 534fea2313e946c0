#!/usr/bin/env python3
"""zorva-cli trace over pictures this script makes, each with its true region.

Flat shapes (a star, concave letters with holes, a ring whose hole belongs to
the region, two blobs joined by a 2-pixel neck, a shape in a corner of the
picture), a map of 30 coloured cells with 1-pixel borders as PNG, the same
map as JPEG quality 75 and as a palette GIF. Each polygon is rasterised as a
browser tests a polygon (even-odd at pixel centres) and compared with the
true region, holes filled: no pixel on the wrong side farther than 2 pixels
from the region's edge (3 on the JPEG), intersection over union at least
0.97 (0.93 on the JPEG). OpenCV is the independent reference for the rest:
its flood fill (four neighbours, a fixed range of the tolerance on each
channel) over the picture as zorva-cli decodes it gives the region the
command must find, so the polygon without simplification must rasterise to
exactly that region with its holes filled, and the simplified one may have no
more than 1.6 times the vertices approxPolyDP keeps at the same epsilon from
findContours of it, plus 4. Also the command's failures: a point outside the
picture and an unreadable picture exit 1 with a message.

usage: check_trace.py ZORVA_CLI
"""
import os
import struct
import subprocess
import sys
import tempfile

import cv2
import numpy as np

EPSILON = 1.0


def trace(cli, path, x, y, *extra):
    out = subprocess.run([cli, 'trace', path, str(x), str(y), *extra], capture_output=True, text=True)
    if out.returncode != 0:
        raise AssertionError(f'trace {path} {x},{y} exited {out.returncode}: {out.stderr}')
    numbers = [int(v) for v in out.stdout.strip().split(',')]
    assert len(numbers) % 2 == 0 and len(numbers) >= 6, out.stdout
    return np.array(numbers, dtype=np.float64).reshape(-1, 2)


def rasterise(polygon, width, height):
    """Even-odd at pixel centres: a pixel is inside when an odd number of
    edges cross its row to the right of its centre."""
    inside = np.zeros((height, width), dtype=bool)
    a = polygon
    b = np.roll(polygon, -1, axis=0)
    for y in range(height):
        cy = y + 0.5
        crossing = (a[:, 1] > cy) != (b[:, 1] > cy)
        if not crossing.any():
            continue
        a1, b1 = a[crossing], b[crossing]
        xs = np.sort(a1[:, 0] + (cy - a1[:, 1]) * (b1[:, 0] - a1[:, 0]) / (b1[:, 1] - a1[:, 1]))
        for left, right in zip(xs[0::2], xs[1::2]):
            first = max(0, int(np.ceil(left - 0.5)))
            end = min(width, int(np.ceil(right - 0.5)))
            inside[y, first:end] = True
    return inside


def filled(region):
    """The region with its holes: whatever of the rest cannot reach the frame
    through four neighbours (as findContours sees the rest)."""
    h, w = region.shape
    rest = np.zeros((h + 2, w + 2), dtype=np.uint8)
    rest[1:-1, 1:-1] = np.where(region, 0, 255)
    rest[0, :] = rest[-1, :] = 255
    rest[:, 0] = rest[:, -1] = 255
    mask = np.zeros((h + 4, w + 4), dtype=np.uint8)
    cv2.floodFill(rest, mask, (0, 0), 128, flags=4)
    return rest[1:-1, 1:-1] != 128


def inner_point(region):
    """The pixel of the region farthest from its edge."""
    dist = cv2.distanceTransform(region.astype(np.uint8), cv2.DIST_L2, 5)
    y, x = np.unravel_index(np.argmax(dist), dist.shape)
    return int(x), int(y)


def opencv_vertices(region):
    contours, _ = cv2.findContours(region.astype(np.uint8), cv2.RETR_EXTERNAL, cv2.CHAIN_APPROX_NONE)
    largest = max(contours, key=cv2.contourArea)
    return len(cv2.approxPolyDP(largest, EPSILON, True))


class Checker:
    def __init__(self, cli):
        self.cli = cli
        self.failures = []
        self.cases = 0

    def decoded(self, path):
        """The picture's pixels as the editor decodes them (BGR)."""
        ppm = path + '.ppm'
        out = subprocess.run([self.cli, 'decode', path, ppm], capture_output=True, text=True)
        if out.returncode != 0:
            raise AssertionError(f'decode {path}: {out.stderr}')
        return cv2.imread(ppm, cv2.IMREAD_COLOR)

    def check(self, name, path, region, seed, reach, min_iou, pixels, tolerance=32):
        self.cases += 1
        truth = filled(region)
        h, w = truth.shape
        polygon = trace(self.cli, path, *seed)
        mask = np.zeros((h + 2, w + 2), dtype=np.uint8)
        cv2.floodFill(pixels.copy(), mask, seed, 0, (tolerance,) * 3, (tolerance,) * 3,
                      4 | cv2.FLOODFILL_FIXED_RANGE | cv2.FLOODFILL_MASK_ONLY | (1 << 8))
        found = filled(mask[1:-1, 1:-1] != 0)
        drawn = rasterise(polygon, w, h)
        # Distance of each pixel to the nearest pixel of the other kind; the
        # frame of the picture counts as neither.
        into = cv2.distanceTransform((~truth).astype(np.uint8), cv2.DIST_L2, 5)
        out_of = cv2.distanceTransform(truth.astype(np.uint8), cv2.DIST_L2, 5)
        wrong_in = (drawn & ~truth)
        wrong_out = (~drawn & truth)
        worst = max(float(into[wrong_in].max(initial=0)), float(out_of[wrong_out].max(initial=0)))
        union = np.count_nonzero(drawn | truth)
        iou = np.count_nonzero(drawn & truth) / union if union else 0
        ours, theirs = len(polygon), opencv_vertices(found)
        problems = []
        exact = rasterise(trace(self.cli, path, *seed, '--epsilon', '0'), w, h)
        if not np.array_equal(exact, found):
            problems.append(f'--epsilon 0 differs from the flood fill in {np.count_nonzero(exact != found)} pixels')
        if worst > reach:
            problems.append(f'a pixel {worst:.2f} from the edge on the wrong side (limit {reach})')
        if iou < min_iou:
            problems.append(f'IoU {iou:.4f} < {min_iou}')
        if ours > 1.6 * theirs + 4:
            problems.append(f'{ours} vertices against OpenCV {theirs}')
        if problems:
            self.failures.append(f'{name}: ' + '; '.join(problems))
        return iou, ours, theirs


def write_gif(path, indices, palette):
    """A GIF with a 256-colour table; the LZW stream sends a clear code every
    254 pixels so every code stays 9 bits wide."""
    h, w = indices.shape
    codes = []
    flat = indices.reshape(-1).tolist()
    for i in range(0, len(flat), 254):
        codes.append(256)
        codes.extend(flat[i:i + 254])
    codes.append(257)
    bits, nbits, data = 0, 0, bytearray()
    for c in codes:
        bits |= c << nbits
        nbits += 9
        while nbits >= 8:
            data.append(bits & 0xFF)
            bits >>= 8
            nbits -= 8
    if nbits:
        data.append(bits & 0xFF)
    table = bytearray()
    for i in range(256):
        r, g, b = palette[i] if i < len(palette) else (0, 0, 0)
        table += bytes((r, g, b))
    out = bytearray(b'GIF89a' + struct.pack('<HHBBB', w, h, 0xF7, 0, 0) + table)
    out += b',' + struct.pack('<HHHHB', 0, 0, w, h, 0) + bytes([8])
    for i in range(0, len(data), 255):
        chunk = data[i:i + 255]
        out += bytes([len(chunk)]) + chunk
    out += b'\x00;'
    with open(path, 'wb') as f:
        f.write(out)


def shapes():
    """(name, picture BGR, list of (region, seed))."""
    white = (255, 255, 255)
    out = []

    img = np.full((300, 320, 3), white, dtype=np.uint8)
    angles = np.arange(10) * np.pi / 5
    radii = np.where(np.arange(10) % 2 == 0, 130, 52)
    star = np.stack([160 + radii * np.sin(angles), 150 - radii * np.cos(angles)], axis=1)
    cv2.fillPoly(img, [np.round(star).astype(np.int32)], (200, 60, 20))
    out.append(('star', img, [(img[:, :, 0] == 200)]))

    img = np.full((220, 760, 3), white, dtype=np.uint8)
    cv2.putText(img, 'ZORVA', (10, 185), cv2.FONT_HERSHEY_SIMPLEX, 6.5, (30, 30, 160), 24, cv2.LINE_8)
    ink = img[:, :, 2] == 160
    count, labels = cv2.connectedComponents(ink.astype(np.uint8), connectivity=4)
    letters = sorted((labels == k for k in range(1, count)), key=np.count_nonzero, reverse=True)[:5]
    out.append(('letters', img, letters))

    img = np.full((260, 260, 3), white, dtype=np.uint8)
    cv2.circle(img, (130, 130), 110, (40, 160, 40), -1)
    cv2.circle(img, (140, 120), 55, white, -1)
    out.append(('ring', img, [(img[:, :, 1] == 160)]))

    img = np.full((200, 400, 3), white, dtype=np.uint8)
    cv2.circle(img, (90, 100), 70, (20, 20, 20), -1)
    cv2.circle(img, (310, 100), 70, (20, 20, 20), -1)
    img[99:101, 150:260] = (20, 20, 20)
    out.append(('neck', img, [(img[:, :, 0] == 20)]))

    img = np.full((240, 300, 3), white, dtype=np.uint8)
    corner = np.array([[0, 0], [210, 0], [170, 60], [90, 170], [0, 140]], dtype=np.int32)
    cv2.fillPoly(img, [corner], (90, 90, 220))
    out.append(('corner', img, [(img[:, :, 0] == 90)]))
    return out


def cell_map(width=720, height=540, cells=30, seed=32):
    """A Voronoi map of coloured cells; a pixel is border when its right or
    lower neighbour lies in another cell, so the borders are one pixel wide
    and no two cells touch through four neighbours."""
    rng = np.random.default_rng(seed)
    sites = np.stack([rng.uniform(20, width - 20, cells), rng.uniform(20, height - 20, cells)], axis=1)
    yy, xx = np.mgrid[0:height, 0:width]
    d = (xx[..., None] - sites[:, 0]) ** 2 + (yy[..., None] - sites[:, 1]) ** 2
    label = np.argmin(d, axis=2)
    border = np.zeros_like(label, dtype=bool)
    border[:, :-1] |= label[:, :-1] != label[:, 1:]
    border[:-1, :] |= label[:-1, :] != label[1:, :]
    levels = (130, 185, 240)
    palette = [(levels[i % 3], levels[(i // 3) % 3], levels[(i // 9) % 3]) for i in range(27)]
    palette = [palette[(i * 7) % 27] for i in range(cells)] + [(0, 0, 0)]
    indices = np.where(border, cells, label).astype(np.uint8)
    rgb = np.array(palette, dtype=np.uint8)[indices]
    regions = []
    for k in range(cells):
        own = (label == k) & ~border
        count, parts = cv2.connectedComponents(own.astype(np.uint8), connectivity=4)
        sizes = [np.count_nonzero(parts == i) for i in range(1, count)]
        regions.append(parts == 1 + int(np.argmax(sizes)))
    return rgb, indices, palette, regions


def main():
    cli = sys.argv[1]
    checker = Checker(cli)
    with tempfile.TemporaryDirectory() as tmp:
        for name, img, regions in shapes():
            path = os.path.join(tmp, name + '.png')
            cv2.imwrite(path, img)
            pixels = checker.decoded(path)
            for i, region in enumerate(regions):
                iou, ours, theirs = checker.check(f'{name}[{i}]', path, region, inner_point(region), 2, 0.97, pixels)
                print(f'{name}[{i}]: IoU {iou:.4f}, {ours} vertices (OpenCV {theirs})')

        rgb, indices, palette, regions = cell_map()
        png, jpg, gif = (os.path.join(tmp, 'cells.' + e) for e in ('png', 'jpg', 'gif'))
        bgr = cv2.cvtColor(rgb, cv2.COLOR_RGB2BGR)
        cv2.imwrite(png, bgr)
        cv2.imwrite(jpg, bgr, [cv2.IMWRITE_JPEG_QUALITY, 75])
        write_gif(gif, indices, palette)
        for label, path, reach, min_iou in (('png', png, 2, 0.97), ('jpeg', jpg, 3, 0.93), ('gif', gif, 2, 0.97)):
            ious, counts = [], []
            pixels = checker.decoded(path)
            for k, region in enumerate(regions):
                iou, ours, theirs = checker.check(f'cells.{label}[{k}]', path, region, inner_point(region), reach, min_iou,
                                                  pixels)
                ious.append(iou)
                counts.append((ours, theirs))
            print(f'cells.{label}: IoU min {min(ious):.4f} mean {np.mean(ious):.4f}, vertices {sum(o for o, _ in counts)}'
                  f' (OpenCV {sum(t for _, t in counts)})')

        # A different tolerance and epsilon reach the command.
        coarse = trace(cli, png, *inner_point(regions[0]), '--epsilon', '6')
        fine = trace(cli, png, *inner_point(regions[0]), '--epsilon', '0')
        if not len(coarse) < len(fine):
            checker.failures.append(f'--epsilon 6 kept {len(coarse)} vertices, --epsilon 0 {len(fine)}')
        everything = trace(cli, png, *inner_point(regions[0]), '--tolerance', '255')
        if sorted(map(tuple, everything.tolist())) != [(0, 0), (0, 540), (720, 0), (720, 540)]:
            checker.failures.append(f'--tolerance 255 did not give the whole picture: {everything.tolist()}')

        for args, what in (([png, '720', '10'], 'a point beside the picture'),
                           ([png, '5', '-1'], 'a point above the picture'),
                           ([os.path.join(tmp, 'missing.png'), '1', '1'], 'a missing picture'),
                           ([os.path.join(tmp, 'bad.png'), '1', '1'], 'a picture that is not one')):
            if what.endswith('not one'):
                with open(args[0], 'wb') as f:
                    f.write(b'\x89PNG\r\n\x1a\nnonsense')
            out = subprocess.run([cli, 'trace', *args], capture_output=True, text=True)
            if out.returncode != 1 or not out.stderr.strip() or out.stdout:
                checker.failures.append(f'{what}: exit {out.returncode}, stderr {out.stderr!r}, stdout {out.stdout!r}')

    print(f'{checker.cases} regions traced')
    for f in checker.failures:
        print('FAIL', f)
    return 1 if checker.failures else 0


if __name__ == '__main__':
    sys.exit(main())
