#!/usr/bin/env python3
"""A page written from a traced map, in a real browser.

zorva-cli replay drives the trace tool over the 30-cell map of the trace
suite (tests/trace/check_trace.py): a press in each of several cells, a
short drag, the release, a link typed into the property panel; the page is
written as the editor writes it. Headless Chromium then reads the link
under every picture pixel (document.elementFromPoint on the classic map):
every pixel of a traced cell more than 2 pixels from its edge must reach
that cell's link, and no pixel more than 2 pixels outside the cell may.

usage: check_trace_map.py ZORVA_CLI
Exit 77 (skipped) when chromium is not installed.
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
sys.path.insert(0, os.path.join(HERE, '..', 'trace'))
from cdp_pipe import Browser  # noqa: E402
import check_trace as ct  # noqa: E402
import cv2  # noqa: E402
import numpy as np  # noqa: E402

from check_svg_map import link_map  # noqa: E402

WIDTH, HEIGHT = 480, 360
CELLS = (0, 2, 7, 13, 21, 29)  # cell 2 reaches the top of the picture


def main():
    cli = sys.argv[1]
    exe = shutil.which('chromium') or shutil.which('chromium-browser')
    if not exe:
        print('chromium is not installed: skipped')
        return 77
    work = tempfile.mkdtemp(prefix='zorva-trace-')
    failures = []
    try:
        rgb, _, _, regions = ct.cell_map(WIDTH, HEIGHT)
        picture = os.path.join(work, 'map.png')
        cv2.imwrite(picture, cv2.cvtColor(rgb, cv2.COLOR_RGB2BGR))
        script = ['size 800 600', 'tool trace']
        for k in CELLS:
            x, y = ct.inner_point(regions[k])
            script += [f'press {x} {y}', f'move {x + 5} {y}', f'release {x + 5} {y}',
                       f'panel url cell{k}.html', f'panel alt cell {k}', 'apply']
        with open(os.path.join(work, 'script.txt'), 'w') as f:
            f.write('\n'.join(script) + '\n')
        page = os.path.join(work, 'map.html')
        r = subprocess.run([cli, 'replay', picture, os.path.join(work, 'script.txt'), page],
                           capture_output=True, text=True)
        if r.returncode != 0:
            raise SystemExit(f'replay failed ({r.returncode}): {r.stderr}')
        with open(page, encoding='shift_jis', errors='replace') as f:
            polys = re.findall(r'shape="?poly"?', f.read(), re.I)
        if len(polys) != len(CELLS):
            failures.append(f'the page holds {len(polys)} polygons, not {len(CELLS)}')

        browser = Browser(exe, 1000, 800)
        try:
            links = np.array(link_map(browser, page, (WIDTH, HEIGHT))).reshape(HEIGHT, WIDTH)
        finally:
            browser.close()
        for k in CELLS:
            truth = ct.filled(regions[k])
            inner = cv2.distanceTransform(truth.astype(np.uint8), cv2.DIST_L2, 5) > 2
            outer = cv2.distanceTransform((~truth).astype(np.uint8), cv2.DIST_L2, 5) > 2
            mine = links == f'cell{k}.html'
            missed = np.count_nonzero(inner & ~mine)
            stray = np.count_nonzero(outer & mine)
            print(f'cell {k}: {np.count_nonzero(mine)} pixels reach its link, {np.count_nonzero(truth)} in the cell;'
                  f' missed inside {missed}, stray outside {stray}')
            if missed or stray:
                failures.append(f'cell {k}: {missed} pixels well inside miss its link, {stray} well outside reach it')
    finally:
        shutil.rmtree(work, ignore_errors=True)
    for f in failures:
        print('FAIL:', f)
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
