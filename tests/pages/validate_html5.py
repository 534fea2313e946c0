#!/usr/bin/env python3
"""HTML5 pages written by zorva-cli, checked by the Nu HTML Checker (vnu) and read
back as a browser reads them.

usage: validate_html5.py ZORVA_CLI SAMPLES_DIR JAVA VNU_JAR

Writes HTML5 pages for the sample and for a document with every kind of area
whose texts hold markup characters, Japanese, accented letters and emoji, typed
through the property panel (zorva-cli replay). Every page in UTF-8 goes to one
vnu run, which must report no error. The texts must come back exactly as typed
from an HTML5 parser (html5lib) and from zorva-cli's own reader in every page
charset (Shift_JIS and EUC-JP hold what they lack as character references).
Prints one line per failed check; exit status 1 if any.
"""
import json, os, random, subprocess, sys, tempfile

try:
    import html5lib
except ImportError:
    sys.exit("validate_html5.py: html5lib is missing (Debian package python3-html5lib)")

cli, samples = (os.path.abspath(a) for a in sys.argv[1:3])
java, vnu = sys.argv[3:5]
if not (os.path.isfile(vnu) and os.access(java, os.X_OK)):
    sys.exit(f"validate_html5.py: the validator is missing ({java} -jar {vnu}); "
             "scripts/setup.sh installs default-jre-headless and the npm package vnu-jar")

tmp = tempfile.TemporaryDirectory(prefix="zorva-html5-")
failures = []
CODECS = {1: "cp932", 2: "euc_jis_2004", 3: "utf-8"}

# The drawing: rectangle, circle, ellipse (written as its polygon), polygon
# closed on its first vertex, line, freehand outline closed in the panel; each
# but the line gets a link and an ALT with everything that could break a page
# or be changed on the way. Client pixels are picture pixels here.
DRAW = [
    (["tool rect", "press 20 20", "move 60 60", "release 100 80"],
     ("news.html?a=1&b=2", "ニュース & <お知らせ> \"引用\" 'x'")),
    (["tool ellipse", "press 150 20", "move 170 40", "release 200 70 shift"],
     ("café.html", "Café crème — naïve")),
    (["tool ellipse", "press 250 20", "move 270 30", "release 330 60"],
     ("emoji.html#top", "😀 絵文字 ✓")),
    (["tool polygon", "press 20 150", "release 20 150", "press 90 150", "release 90 150",
      "press 60 220", "release 60 220", "press 20 150", "release 20 150"],
     ("yen.html", "¥1,000 〜 − — ¢ £ ¬ ‖")),
    # A line is written as a two-point polygon no browser can click (the map
    # check's finding): it is deleted again.
    (["tool line", "press 150 150", "move 180 180", "release 200 200"], None),
    (["tool freehand", "press 250 150", "move 300 150", "move 320 200", "move 280 240", "release 250 200"],
     ("free.html", "自由曲線 é 🎉 <p> & \"q\"")),
]
DEFAULT_ALT = "地図 & <案内>"


def check(ok, what):
    if not ok:
        failures.append(what)
    return ok


def run(*args):
    env = dict(os.environ, XDG_CONFIG_HOME=tmp.name)  # no user's settings
    return subprocess.run([cli, *args], capture_output=True, env=env, cwd=tmp.name)


def path(name):
    return os.path.join(tmp.name, name)


def kinds_script():
    lines = []
    for steps, texts in DRAW:
        lines += steps + ["tool arrow"]
        if texts is None:
            lines += ["command delete"]
            continue
        # A comment each, with what must not end it early.
        lines += [f"panel url {texts[0]}", f"panel alt {texts[1]}", "panel comment 注記 -- <b> -->",
                  "panel closed on", "apply"]
    # The default area (the last row): its ALT becomes the picture's.
    lines += [f"row {sum(1 for _, t in DRAW if t)}", f"panel alt {DEFAULT_ALT}", "apply"]
    return "\n".join(lines) + "\n"


def typed_areas():
    """The typed (href, alt) pairs of the areas, in the page's order (from the top)."""
    return [t for _, t in DRAW if t][::-1]


def write_kinds(charcode):
    out = f"kinds-{charcode}.html"
    with open(path("kinds.txt"), "w", encoding="utf-8") as f:
        f.write(kinds_script())
    r = run("replay", os.path.join(samples, "sample.jpg"), "kinds.txt", out, "--doctype", "5",
            "--charcode", str(charcode), "--newline", "lf", "--shape", "convert", "--unclosed", "close")
    if not check(r.returncode == 0, f"replay for charcode {charcode} failed: {r.stderr.decode(errors='replace')}"):
        return None
    return out


def parsed_areas(name, charcode):
    with open(path(name), "rb") as f:
        root = html5lib.parse(f.read().decode(CODECS[charcode]), treebuilder="etree",
                              namespaceHTMLElements=False)
    areas = [a.attrib for a in root.iter("area") if a.get("shape") != "default"]
    img = next(root.iter("img"))
    return areas, img.attrib


def reader_areas(name):
    r = run("dump", name)
    if not check(r.returncode == 0, f"{name}: dump failed"):
        return []
    return [(a["href"], a["alt"]) for a in json.loads(r.stdout)["areas"][::-1]]


def random_session(seed, count=150, width=400, height=300):
    """A replay script drawing `count` areas with every drawing tool at random:
    drags, clicks without a drag, polygons closed or left open, lines; some
    with a link and ALT, some duplicated, some moved with the arrow."""
    rng = random.Random(seed)
    at = lambda: (rng.randrange(-20, width + 20), rng.randrange(-20, height + 20))
    lines = []
    for i in range(count):
        tool = rng.choice(["rect", "ellipse", "line", "polygon", "freehand", "trace"])
        lines.append(f"tool {tool}")
        x, y = at()
        if tool == "polygon":
            pts = [(x, y)] + [at() for _ in range(rng.randrange(0, 5))]
            for px, py in pts:
                lines += [f"press {px} {py}", f"release {px} {py}"]
            if rng.random() < 0.5:
                lines += [f"press {x} {y}", f"release {x} {y}"]  # closed on its first vertex
            else:
                lines.append(f"rpress {pts[-1][0]} {pts[-1][1]}")  # left open
        elif rng.random() < 0.25:  # a click without a drag
            lines += [f"press {x} {y}", f"release {x} {y}"]
        else:
            lines.append(f"press {x} {y}")
            for _ in range(rng.randrange(1, 4)):
                x, y = at()
                lines.append(f"move {x} {y}")
            lines.append(f"release {x} {y}" + (" shift" if rng.random() < 0.2 else ""))
        lines.append("tool arrow")
        if rng.random() < 0.4:
            lines += [f"panel url r{i}.html", f"panel alt Area {i}", "apply"]
        if rng.random() < 0.1:
            lines.append("command duplicate")
    return "\n".join(lines) + "\n"


pages = []
# Every tool at random under HTML5: each written area must validate.
for seed in (1, 2):
    with open(path("random.txt"), "w", encoding="utf-8") as f:
        f.write(random_session(seed))
    name = f"random-{seed}.html"
    r = run("replay", os.path.join(samples, "sample.jpg"), "random.txt", name, "--doctype", "5", "--charcode", "3",
            "--newline", "lf", "--shape", "convert", "--unclosed", "close")
    if check(r.returncode == 0, f"{name}: replay failed: {r.stderr.decode(errors='replace')}"):
        pages.append(name)
        with open(path(name), "rb") as f:
            written = f.read().count(b"<area ")
        check(written > 100, f"{name}: only {written} areas written")

# The sample as it is, and what the map check says of it.
r = run("convert", os.path.join(samples, "sample.zvf"), "sample.html", "--doctype", "5", "--charcode", "3",
        "--newline", "crlf")
if check(r.returncode == 0, f"sample: convert failed: {r.stderr.decode(errors='replace')}"):
    pages.append("sample.html")
    r = run("check", "sample.html")
    check(r.returncode == 0 and not r.stdout, f"sample: the map check finds {r.stdout.decode(errors='replace')}")

for charcode in (3, 1, 2):
    name = write_kinds(charcode)
    if not name:
        continue
    areas, img = parsed_areas(name, charcode)
    got = [(a.get("href"), a.get("alt")) for a in areas]
    check(got == typed_areas(), f"{name}: the parser reads {got}, typed {typed_areas()}")
    check(img.get("alt") == DEFAULT_ALT, f"{name}: the picture's ALT reads {img.get('alt')!r}")
    check({a.get("shape") for a in areas} == {"rect", "circle", "poly"}, f"{name}: shapes {areas}")
    read = reader_areas(name)
    check(read == typed_areas(), f"{name}: the reader reads {read}")
    if charcode == 3:
        pages.append(name)
        r = run("check", name)
        check(r.returncode == 0 and not r.stdout, f"{name}: the map check finds {r.stdout.decode(errors='replace')}")

if pages:
    r = subprocess.run([java, "-jar", vnu, "--errors-only", "--format", "json", "--stdout",
                        *[path(p) for p in pages]], capture_output=True)
    try:
        messages = json.loads(r.stdout)["messages"]
    except (ValueError, KeyError):
        messages = [{"type": "error", "message": "vnu gave no report: " + r.stderr.decode(errors="replace")}]
    errors = [m for m in messages if m.get("type") == "error"]
    for m in errors:
        failures.append(f"vnu: {os.path.basename(m.get('url', '?'))}:{m.get('lastLine', '?')}: {m.get('message')}")
    print(f"vnu: {len(pages)} pages, {len(errors)} errors")

for f in failures:
    print(f)
sys.exit(1 if failures else 0)
