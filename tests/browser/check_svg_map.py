#!/usr/bin/env python3
"""The responsive (SVG) map in a real browser.

Pages are written by zorva-cli, opened in headless Chromium, and the link under
every picture pixel is read with document.elementFromPoint:

- rectangles, polygons and circles: the SVG page at 1x, 0.5x and 2x CSS width
  against the classic map of the same areas at 1x (at least 99.5 % agree);
- ellipses: against the ideal ellipse, everywhere more than one pixel away
  from its outline;
- lines and open outlines: linked along their whole length, within the
  stroke's half width and not beyond it;
- Tab goes through the links in the page's order and shows a focus ring.

With --validate, the same pages and the sample project's responsive page go
to the HTML validator (vnu) instead, which must find no error.

usage: check_svg_map.py ZORVA_CLI PICTURE [--validate SAMPLE.zvf]
       check_svg_map.py ZORVA_CLI PICTURE --screenshots SAMPLE.zvf DIR
Exit 77 (skipped) when chromium, or for --validate vnu, is not installed.
"""
import json
import math
import os
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from cdp_pipe import Browser  # noqa: E402

SCALES = (1.0, 0.5, 2.0)
LINE_HALF_WIDTH = 4  # the stroke is 8 picture pixels wide

# The classic page: one area of each kind the classic map holds, overlapping
# (the first in the map is on top), a link-less area over another, slivers a
# pixel wide and a self-crossing star.
STAR = [(120 + 50 * math.sin(k * 4 * math.pi / 5), 240 - 50 * math.cos(k * 4 * math.pi / 5)) for k in range(5)]
CLASSIC_AREAS = [
    ('rect', '60,100,90,130', None),
    ('rect', '30,90,200,160', 'r1.html', 'title="R1" class="hot" data-n="1" download accesskey="r"'),
    ('rect', '150,120,260,200', 'r2.html'),
    ('rect', '300,20,303,80', 'sliver.html'),
    ('rect', '7,7,8,290', 'hair.html'),
    ('poly', '320,100,460,110,400,160,450,240,330,230,370,170', 'concave.html'),
    ('poly', ','.join(f'{round(x)},{round(y)}' for x, y in STAR), 'star.html'),
    ('poly', '200,250,470,270,200,262', 'sharp.html'),
    ('circle', '250,60,30', 'circle.html'),
]


def classic_page(picture):
    lines = ['<!DOCTYPE html>', '<html><head><title>classic</title></head><body>',
             f'<img src="{picture}" usemap="#m"><map name="m">']
    for shape, coords, href, *kept in CLASSIC_AREAS:
        link = f'href="{href}"' if href else 'nohref'
        lines.append(f'<area shape="{shape}" coords="{coords}" {link} alt="{href or "none"}" {" ".join(kept)}>')
    lines.append('<area shape="default" href="index.html" alt="all">')
    lines += ['</map></body></html>', '']
    return '\n'.join(lines)


# Ellipses, lines and open outlines drawn in the editor (replayed).
REPLAY = """
tool ellipse
press 40 40
release 141 100
panel url e-wide.html
apply
tool ellipse
press 200 30
release 231 150
panel url e-tall.html
apply
tool ellipse
press 300 200
release 311 207
panel url e-small.html
apply
tool line
press 20 290
release 250 200
panel url l-diagonal.html
apply
tool line
press 300 260
release 470 260
panel url l-flat.html
apply
tool polygon
press 330 40
release 330 40
press 420 60
release 420 60
press 460 150
release 460 150
rpress 460 150
panel url l-open.html
apply
"""

# The link under each picture pixel's centre, or "-". The picture is scaled
# to `scale` times its width by CSS before the probe.
PROBE = """
(() => {
  const img = document.querySelector('img');
  const box = img.getBoundingClientRect();
  const s = box.width / img.naturalWidth;
  const names = new Map([['-', 0]]);
  const W = %d, H = %d, out = new Array(W * H);
  const at = (x, y) => {
    let e = document.elementFromPoint(box.left + x * s, box.top + y * s);
    e = e && e.closest('a, area');
    const h = e && e.hasAttribute('href') ? e.getAttribute('href') : '-';
    if (!names.has(h)) names.set(h, names.size);
    return names.get(h);
  };
  for (let y = 0; y < H; y++) for (let x = 0; x < W; x++) out[y * W + x] = at(x + 0.5, y + 0.5);
  return {names: [...names.keys()], links: out, scale: s};
})()
"""

PROBE_POINTS = """
(() => {
  const img = document.querySelector('img');
  const box = img.getBoundingClientRect();
  const s = box.width / img.naturalWidth;
  return %s.map(([x, y]) => {
    let e = document.elementFromPoint(box.left + x * s, box.top + y * s);
    e = e && e.closest('a, area');
    return e && e.hasAttribute('href') ? e.getAttribute('href') : '-';
  });
})()
"""


def run(cmd):
    r = subprocess.run(cmd, capture_output=True, text=True)
    if r.returncode != 0:
        raise SystemExit(f"{' '.join(cmd)} failed ({r.returncode}): {r.stderr}")
    return r.stdout


def scale_picture(browser, width, scale):
    browser.eval(f"""(() => {{
      const st = document.createElement('style');
      st.textContent = 'img{{width:{width * scale}px !important;max-width:none !important;height:auto !important}}';
      document.head.appendChild(st);
      return document.querySelector('img').getBoundingClientRect().width; }})()""")


def link_map(browser, page, size, scale=1.0):
    browser.open(page)
    if scale != 1.0:
        scale_picture(browser, size[0], scale)
    r = browser.eval(PROBE % size)
    if abs(r['scale'] - scale) > 1e-6:
        raise SystemExit(f"{page}: the picture is at {r['scale']}x, not {scale}x")
    return [r['names'][i] for i in r['links']]


def check_classic_shapes(browser, work, cli, size, failures):
    classic = os.path.join(work, 'classic.html')
    with open(classic, 'w') as f:
        f.write(classic_page('pic.jpg'))
    svg = os.path.join(work, 'classic-svg.html')
    run([cli, 'convert', classic, svg, '--map', 'svg', '--newline', 'lf'])
    reference = link_map(browser, classic, size)
    hrefs = {a[2] for a in CLASSIC_AREAS if a[2]} | {'index.html'}
    # "-": the link-less area over r1.
    if set(reference) != hrefs | {'-'}:
        failures.append(f"the classic page shows links {sorted(set(reference))}, not {sorted(hrefs)}")
    for scale in SCALES[1:]:
        # What the classic map itself gives when CSS scales its picture.
        links = link_map(browser, classic, size, scale)
        share = 100.0 * sum(a == b for a, b in zip(reference, links)) / len(reference)
        print(f"(the classic map itself at {scale}x: {share:.1f} % agree)")
    for scale in SCALES:
        links = link_map(browser, svg, size, scale)
        same = sum(a == b for a, b in zip(reference, links))
        share = 100.0 * same / len(reference)
        print(f"rectangles, polygons, circles at {scale}x: {share:.3f} % of {len(reference)} pixels "
              f"agree with the classic map at 1x")
        if share < 99.5:
            failures.append(f"only {share:.3f} % agree at {scale}x")
        for h in hrefs:
            if h not in links:
                failures.append(f"{h} cannot be reached at {scale}x")
    return svg


def inside_ellipse(x, y, cx, cy, rx, ry):
    return ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1


def check_drawn_shapes(browser, work, cli, picture, size, failures):
    script = os.path.join(work, 'draw.txt')
    with open(script, 'w') as f:
        f.write(REPLAY)
    project = os.path.join(work, 'drawn.zvf')
    run([cli, 'replay', picture, script, project])
    doc = json.loads(run([cli, 'dump', project]))
    svg = os.path.join(work, 'drawn-svg.html')
    run([cli, 'convert', project, svg, '--map', 'svg', '--hover', 'on'])
    ellipses = [a for a in doc['areas'] if a['type'] == 1]
    lines = [a for a in doc['areas'] if a['type'] == 2]
    if len(ellipses) != 3 or len(lines) != 3 or any(a['closed'] for a in lines):
        raise SystemExit(f"the replay drew {len(ellipses)} ellipses and {len(lines)} outlines: {doc['areas']}")
    W, H = size
    for scale in SCALES:
        links = link_map(browser, svg, size, scale)
        judged = wrong = 0
        for e in ellipses:
            (x1, y1), (x2, y2) = e['points'][0], e['points'][-1]
            cx, cy, rx, ry = (x1 + x2) / 2, (y1 + y2) / 2, abs(x2 - x1) / 2, abs(y2 - y1) / 2
            for y in range(max(0, int(cy - ry) - 3), min(H, int(cy + ry) + 4)):
                for x in range(max(0, int(cx - rx) - 3), min(W, int(cx + rx) + 4)):
                    px, py = x + 0.5, y + 0.5
                    if rx > 1 and ry > 1 and inside_ellipse(px, py, cx, cy, rx - 1, ry - 1):
                        want = True
                    elif not inside_ellipse(px, py, cx, cy, rx + 1, ry + 1):
                        want = False
                    else:
                        continue  # within a pixel of the outline
                    judged += 1
                    if (links[y * W + x] == e['href']) != want:
                        wrong += 1
        print(f"ellipses at {scale}x: {wrong} of {judged} pixels off the ideal ellipse "
              f"(beyond one pixel of the outline)")
        if wrong:
            failures.append(f"{wrong} ellipse pixels wrong at {scale}x")

        points, expected = [], []
        for a in lines:
            pts = a['points']
            for (ax, ay), (bx, by) in zip(pts, pts[1:]):
                n = max(1, int(2 * math.hypot(bx - ax, by - ay)))
                nx, ny = -(by - ay), bx - ax
                norm = math.hypot(nx, ny) or 1
                nx, ny = nx / norm, ny / norm
                for k in range(n + 1):
                    x, y = ax + (bx - ax) * k / n, ay + (by - ay) * k / n
                    for off in (0, LINE_HALF_WIDTH - 1, -(LINE_HALF_WIDTH - 1), LINE_HALF_WIDTH + 2,
                                -(LINE_HALF_WIDTH + 2)):
                        p = (x + nx * off, y + ny * off)
                        # Near a corner a point beside one segment lies on
                        # the next: what counts is its distance to the whole
                        # outline.
                        d = distance_to_outline(p, pts)
                        if LINE_HALF_WIDTH - 0.5 < d < LINE_HALF_WIDTH + 1.5:
                            continue
                        points.append(list(p))
                        expected.append((a['href'], d <= LINE_HALF_WIDTH))
        got = browser.eval(PROBE_POINTS % json.dumps(points))
        along = sum(1 for (_, hit) in expected if hit)
        missed = sum(1 for (h, hit), g in zip(expected, got) if hit and g != h)
        beyond = sum(1 for (h, hit), g in zip(expected, got) if not hit and g == h)
        print(f"lines at {scale}x: {along - missed} of {along} points on or within 3 px of them linked; "
              f"{beyond} of {len(points) - along} points 5.5 px or more away linked")
        if missed or beyond:
            failures.append(f"lines at {scale}x: {missed} points along missed, {beyond} beyond taken")
    return svg


def distance_to_outline(p, pts):
    best = math.inf
    for (ax, ay), (bx, by) in zip(pts, pts[1:]):
        dx, dy = bx - ax, by - ay
        t = 0 if dx == dy == 0 else max(0, min(1, ((p[0] - ax) * dx + (p[1] - ay) * dy) / (dx * dx + dy * dy)))
        best = min(best, math.hypot(p[0] - ax - t * dx, p[1] - ay - t * dy))
    return best


def check_layout(browser, svg, failures):
    """The SVG covers the picture's box whatever the window and the CSS."""
    cases = [(320, ''), (700, ''), (960, '.zorva-map>img{width:960px;max-width:none}'),
             (700, '.zorva-map>img{width:960px}'), (1200, '.zorva-map{width:200px}'),
             (1200, '.zorva-map>img{width:300px;height:300px}')]
    for width, css in cases:
        browser.resize(width, 700)
        browser.open(svg)
        boxes = browser.eval("""(() => { const st = document.createElement('style'); st.textContent = %s;
          document.head.appendChild(st);
          return ['img', 'svg'].map(t => { const r = document.querySelector(t).getBoundingClientRect();
            return [r.left, r.top, r.width, r.height]; }); })()""" % json.dumps(css))
        if max(abs(a - b) for a, b in zip(*boxes)) > 0.5:
            failures.append(f"window {width}, '{css}': the picture's box is {boxes[0]}, the SVG's {boxes[1]}")
    print(f"layout: the SVG covered the picture in {len(cases)} windows and style sheets")
    browser.resize(1200, 800)


def check_hover(browser, with_hover, without_hover, failures):
    """The highlight shows under the pointer only on a page written with it."""
    for page, want in ((with_hover, True), (without_hover, False)):
        browser.open(page)
        x, y, before = browser.eval("""(() => { const e = document.querySelector('svg a[href] ellipse')
          || document.querySelector('svg a[href] polygon');
          const r = e.getBoundingClientRect();
          return [r.left + r.width / 2, r.top + r.height / 2, getComputedStyle(e).fill]; })()""")
        browser.page('Input.dispatchMouseEvent', type='mouseMoved', x=x, y=y)
        after = browser.eval("""(() => { const e = document.elementFromPoint(%f, %f);
          return getComputedStyle(e).fill; })()""" % (x, y))
        lit = after != before
        print(f"hover on {os.path.basename(page)}: fill {before} -> {after}")
        if lit != want:
            failures.append(f"{os.path.basename(page)}: highlight under the pointer {'missing' if want else 'shown'}")
        browser.page('Input.dispatchMouseEvent', type='mouseMoved', x=0, y=0)


def check_tab_order(browser, svg, failures):
    browser.open(svg)
    expected = browser.eval("[...document.querySelectorAll('svg a[href]')].map(a => a.getAttribute('href'))")
    # The page's own order: the default area under everything, then the
    # areas from the bottom of the map's stack up.
    want = ['index.html'] + [a[2] for a in reversed(CLASSIC_AREAS) if a[2]]
    if expected != want:
        failures.append(f"the links stand in the order {expected}, not {want}")
    seen = []
    for _ in range(len(expected) + 1):
        browser.key('Tab', 'Tab')
        seen.append(browser.eval("""(() => { const a = document.activeElement;
          if (!a || a.namespaceURI !== 'http://www.w3.org/2000/svg') return ['-', 'none'];
          const shape = a.querySelector('rect, ellipse, polygon, polyline');
          return [a.getAttribute('href'), getComputedStyle(shape).stroke]; })()"""))
    order = [h for h, _ in seen[:len(expected)]]
    print(f"Tab: {len(order)} links in the order {order}")
    if order != expected:
        failures.append(f"Tab went {order}, the page's links are {expected}")
    unringed = [h for h, stroke in seen[:len(expected)] if stroke in ('none', 'rgba(0, 0, 0, 0)', 'transparent')]
    if unringed:
        failures.append(f"no focus ring on {unringed}")
    if seen[-1][0] != '-':
        failures.append(f"Tab after the last link stayed in the map ({seen[-1][0]})")


def screenshots(browser, cli, sample, out_dir):
    os.makedirs(out_dir, exist_ok=True)
    page = os.path.join(os.path.dirname(os.path.abspath(sample)), 'sample-responsive.html')
    run([cli, 'convert', sample, page, '--map', 'svg', '--hover', 'on', '--newline', 'lf'])
    try:
        for width in (320, 480, 960):
            browser.resize(width, 420)
            browser.open(page)
            if width == 960:
                # Wider than the picture: CSS makes it twice its size.
                scale_picture(browser, 480, 2.0)
                browser.resize(width, 640)
            # The keyboard's focus on the first area, the pointer over another
            # (highlighted: the page was written with --hover on).
            browser.key('Tab', 'Tab')
            browser.key('Tab', 'Tab')
            x, y = browser.eval("""(() => { const b = document.querySelector('img').getBoundingClientRect();
              const s = b.width / 480; return [b.left + 365 * s, b.top + 125 * s]; })()""")
            browser.page('Input.dispatchMouseEvent', type='mouseMoved', x=x, y=y)
            path = os.path.join(out_dir, f'responsive-{width}.png')
            browser.screenshot(path)
            print(f"screenshot {path}")
    finally:
        os.remove(page)


def main():
    args = sys.argv[1:]
    shots = None
    if '--screenshots' in args:
        i = args.index('--screenshots')
        shots = args[i + 1:i + 3]
        del args[i:i + 3]
        if len(shots) != 2:
            raise SystemExit(__doc__)
    validate = None
    if '--validate' in args:
        i = args.index('--validate')
        validate = args[i + 1]
        del args[i:i + 2]
    cli, picture = args
    if validate:
        return validate_pages(cli, picture, validate)
    exe = shutil.which('chromium') or shutil.which('chromium-browser')
    if not exe:
        print('chromium is not installed: skipped')
        return 77
    work = tempfile.mkdtemp(prefix='zorva-svg-')
    browser = Browser(exe, 1200, 800)
    failures = []
    try:
        if shots:
            screenshots(browser, cli, shots[0], shots[1])
            return 0
        pic = os.path.join(work, 'pic.jpg')
        shutil.copy(picture, pic)
        size = read_size(picture)
        classic_svg = check_classic_shapes(browser, work, cli, size, failures)
        drawn_svg = check_drawn_shapes(browser, work, cli, pic, size, failures)
        check_hover(browser, drawn_svg, classic_svg, failures)
        check_layout(browser, classic_svg, failures)
        check_tab_order(browser, classic_svg, failures)
    finally:
        browser.close()
        shutil.rmtree(work, ignore_errors=True)
    for f in failures:
        print('FAIL:', f)
    print(f"{0 if failures else 1} passed, {1 if failures else 0} failed")
    return 1 if failures else 0


def validate_pages(cli, picture, sample):
    vnu = shutil.which('vnu')
    if not vnu:
        print('vnu (npm vnu-jar) is not installed: skipped')
        return 77
    work = tempfile.mkdtemp(prefix='zorva-svg-')
    try:
        shutil.copy(picture, os.path.join(work, 'pic.jpg'))
        classic = os.path.join(work, 'classic.html')
        with open(classic, 'w') as f:
            f.write(classic_page('pic.jpg'))
        script = os.path.join(work, 'draw.txt')
        with open(script, 'w') as f:
            f.write(REPLAY)
        project = os.path.join(work, 'drawn.zvf')
        run([cli, 'replay', os.path.join(work, 'pic.jpg'), script, project])
        pages = []
        for source, name, extra in ((classic, 'classic-svg.html', []), (project, 'drawn-svg.html', ['--hover', 'on']),
                                    (sample, 'sample-svg.html', ['--newline', 'crlf'])):
            pages.append(os.path.join(work, name))
            run([cli, 'convert', source, pages[-1], '--map', 'svg'] + extra)
        r = subprocess.run([vnu, '--errors-only', '--format', 'gnu'] + pages, capture_output=True, text=True)
        errors = [line for line in (r.stdout + r.stderr).splitlines() if line.strip()]
        print(f"vnu: {len(errors)} errors in {len(pages)} responsive pages")
        for e in errors:
            print('  ' + e)
        ok = r.returncode == 0 and not errors
        print(f"{1 if ok else 0} passed, {0 if ok else 1} failed")
        return 0 if ok else 1
    finally:
        shutil.rmtree(work, ignore_errors=True)


def read_size(picture):
    """The JPEG's size from its frame header."""
    data = open(picture, 'rb').read()
    i = 2
    while i + 9 < len(data):
        marker, length = data[i + 1], int.from_bytes(data[i + 2:i + 4], 'big')
        if 0xC0 <= marker <= 0xCF and marker not in (0xC4, 0xC8, 0xCC):
            return int.from_bytes(data[i + 7:i + 9], 'big'), int.from_bytes(data[i + 5:i + 7], 'big')
        i += 2 + length
    raise SystemExit(f"{picture}: no JPEG frame header")


if __name__ == '__main__':
    sys.exit(main())
