#!/usr/bin/env python3
"""Pages patched by zorva-cli, read back by an HTML5 parser as a browser reads them.

usage: check_pages.py ZORVA_CLI PAGES_DIR

Every page of PAGES is saved unedited and after edits through `zorva-cli replay`;
html5lib parses the original and the written page and they are compared area by
area. HOSTILE comment texts are typed on an area of a few pages and must stay
inside their comment. Prints one line per failed check; exit status 1 if any.
"""
import json, os, re, shutil, subprocess, sys, tempfile
import xml.etree.ElementTree as ET

try:
    import html5lib
except ImportError:
    sys.exit("check_pages.py: html5lib is missing (Debian package python3-html5lib)")

# Page, line end and letter case (--charcase: 0 upper elements, 2 lower) of the
# written map, whether its map must stay well-formed XML.
PAGES = [
    ("html5-attrs.html", "lf", 0, False), ("xhtml.html", "lf", 2, True),
    ("missing-map.html", "lf", 0, False), ("no-usemap-xhtml.html", "lf", 2, True),
    ("sjis.html", "lf", 0, False), ("eucjp-attrs.html", "lf", 0, False),
    ("bom-crlf.html", "crlf", 0, False), ("nested.html", "lf", 0, False),
    ("utf8.html", "lf", 0, False), ("eucjp.html", "lf", 0, False),
    ("sjis-trail-byte.html", "lf", 0, False), ("map-first.html", "lf", 0, False),
    ("img-in-map.html", "lf", 0, False), ("attr-edges.html", "lf", 0, False),
    ("img-empty-value.html", "lf", 0, False), ("repeated-attrs.html", "lf", 2, False),
    ("text-in-map.html", "lf", 2, False), ("minified.html", "lf", 2, False), ("latin1.html", "lf", 2, False),
]
# Pages in a charset the editor does not know: read as the page says, not edited
# (typed texts would go in as Shift_JIS).
PAGE_CODECS = {"latin1.html": "latin-1"}
current_page = None
HOSTILE = ["-->", "--", "--!>", "<!--", "a-", "x --> <script>document.title='x'</script> <!--",
           "-", "&#45;", "trailing blank ", "<!-", "--->"]
HOSTILE_PAGES = ("html5-attrs.html", "sjis.html", "xhtml.html", "eucjp-attrs.html")
TYPED_ALT = "\" onmouseover=\"x\" '「太字」' -->"  # no "<": XHTML values may not hold one
TYPED_COMMENT = "a -- b --> <p>c</p> --!> end-"
# The panel's other attributes (quoted: XHTML takes no other form) and what a parser makes of them.
TYPED_OTHER = "data-typed=\"a 'b' >\" title='「題」' lang=\"ja\""
TYPED_OTHER_PARSED = {"data-typed": "a 'b' >", "title": "「題」", "lang": "ja"}
OWNED = {"shape", "coords", "href", "nohref", "target", "alt", "onclick", "onmouseover", "onmouseout"}
CODECS = {"utf-8": "utf-8-sig", "shift_jis": "cp932", "euc-jp": "euc_jis_2004"}
REFERENCES = {"&#45;": "-", "&#38;": "&", "&#32;": " ", "&#9;": "\t"}

cli, pages_dir = (os.path.abspath(a) for a in sys.argv[1:3])
tmp = tempfile.TemporaryDirectory(prefix="zorva-pages-")
failures = []


def check(ok, page, what):
    if not ok:
        failures.append(f"{page}: {what}")
    return ok


def run(*args):
    env = dict(os.environ, XDG_CONFIG_HOME=tmp.name)  # no user's settings
    return subprocess.run([cli, *args], capture_output=True, env=env, cwd=tmp.name)


def replay(page, script, opts, out):
    with open(os.path.join(tmp.name, "script.txt"), "w", encoding="utf-8") as f:
        f.write(script)
    r = run("replay", page, "script.txt", out, "--newline", opts[0], "--charcase", str(opts[1]))
    if r.returncode != 0:
        raise RuntimeError(f"replay failed: {r.stderr.decode(errors='replace')}")
    return read(out)


def dump(path):
    r = run("dump", path)
    if r.returncode != 0:
        raise RuntimeError(f"dump failed: {r.stderr.decode(errors='replace')}")
    return json.loads(r.stdout)


def read(name):
    with open(os.path.join(tmp.name, name), "rb") as f:
        return f.read()


def decode_comment(text):
    return re.sub("&#(?:45|38|32|9);", lambda m: REFERENCES[m.group(0)], text)


def parse(data, charset):
    codec = PAGE_CODECS.get(current_page, CODECS[charset])
    return html5lib.parse(data.decode(codec), treebuilder="etree", namespaceHTMLElements=False)


def page_map(root, name):
    """The areas (attributes, comment right after or None) of the first map named `name`."""
    for m in root.iter("map"):
        if m.get("name") == name:
            areas, kids = [], list(m.iter())
            for i, e in enumerate(kids):
                if e.tag == "area":
                    nxt = kids[i + 1] if i + 1 < len(kids) else None
                    after = nxt.text if nxt is not None and nxt.tag is ET.Comment and not e.tail else None
                    areas.append((dict(e.attrib), after))
            return dict(m.attrib), areas
    return None, []


def map_text(root, name):
    """The words of the text inside the first map named `name`, comments left out."""
    for m in root.iter("map"):
        if m.get("name") == name:
            words = []
            for e in m.iter():
                for t in ((e.text if e.tag is not ET.Comment else None), e.tail if e is not m else None):
                    if t:
                        words += t.split()
            return words
    return []


def same_attrs(a, b):
    # nohref is a boolean: nohref and nohref="nohref" are the same
    norm = lambda d: {k: ("" if k == "nohref" else v) for k, v in d.items()}
    return norm(a) == norm(b)


def structure(root):
    """Elements and text in document order, comments left out (their tails kept)."""
    out = []
    def text(t):
        if t:
            out.append(out.pop() + t if out and isinstance(out[-1], str) else t)
    def walk(e):
        if e.tag is not ET.Comment:
            out.append((e.tag, sorted(e.attrib.items())))
            text(e.text)
            for c in e:
                walk(c)
            out.append(("/", e.tag))
        text(e.tail)
    walk(root)
    return out


def coords(a):
    """A dump area's coordinates as the writer puts them in the page."""
    p = a["points"]
    if a["type"] == 0:
        return f"{min(p[0][0], p[1][0])},{min(p[0][1], p[1][1])},{max(p[0][0], p[1][0])},{max(p[0][1], p[1][1])}"
    if a["type"] == 1:
        return f"{(p[0][0] + p[1][0]) // 2},{(p[0][1] + p[1][1]) // 2},{abs(p[1][0] - p[0][0]) // 2}"
    return ",".join(f"{x},{y}" for x, y in p)


def shifted(c, dx, dy, circle=False):
    n = [int(v) for v in c.split(",")]
    return ",".join(str(v + (dy if i % 2 else dx) if not (circle and i == 2) else v) for i, v in enumerate(n))


def written(page, data, info, charset):
    """Parses a written page (in the charset of the page it came from); checks what every written page must hold."""
    check(info["charset"] == charset, page, f"the written page reads back as {info['charset']}, not {charset}")
    root = parse(data, charset)
    name = info["page"]["useMap"].lstrip("#")
    mattrs, areas = page_map(root, name)
    check(mattrs is not None, page, f"no map named {name!r} in the written page")
    check(any(i.get("usemap") == "#" + name for i in root.iter("img")), page, "no image uses the written map")
    for attrs, comment in areas:
        if comment is not None:
            check("--" not in comment and not comment.endswith("-"), page, f"raw comment {comment!r}")
    rows = info["areas"][::-1]  # the area list from the top, as the map must be
    check([a.get("coords") for a, _ in areas[:len(rows)]] == [coords(a) for a in rows],
          page, "map order is not the area list's order from the top")
    return root, mattrs, areas


def xml_map(page, data, info, charset):
    s, e = info["page"]["mapStartPos"], info["page"]["mapEndPos"]
    try:
        ET.fromstring(data[s:e].decode(CODECS[charset]))
    except ET.ParseError as err:
        check(False, page, f"written map is not well-formed XML ({err}): {data[s:e][:300]!r}")


def unedited(page, opts, xml):
    data = read(page)
    info = dump(page)
    charset = info["charset"]
    root = parse(data, charset)
    img = next(root.iter("img"))
    name = info["page"]["useMap"].lstrip("#")
    oattrs, oareas = page_map(root, name)
    plain = [a for a in oareas if a[0].get("shape") != "default"]
    default = [a for a in oareas if a[0].get("shape") == "default"]
    check(len(info["areas"]) == len(plain), page, f"read {len(info['areas'])} areas, the parser sees {len(plain)}")

    out = replay(page, "", opts, "out1.html")
    oinfo = dump("out1.html")
    wroot, wattrs, wareas = written(page, out, oinfo, charset)
    if xml:
        xml_map(page, out, oinfo, charset)
    check(wattrs == dict(oattrs or {}, name=name), page, f"map attributes {oattrs} became {wattrs}")
    wimg = next(wroot.iter("img"), None)
    check(wimg is not None and wimg.attrib == dict(img.attrib, usemap="#" + name), page,
          f"image {img.attrib} became {wimg is not None and wimg.attrib}")
    wplain = [a for a in wareas if a[0].get("shape") != "default"]
    check(len(wplain) == len(plain), page, f"{len(plain)} areas became {len(wplain)}")
    # Text a browser shows inside the map stays.
    check(map_text(wroot, name) == map_text(root, name), page,
          f"text in the map {map_text(root, name)!r} became {map_text(wroot, name)!r}")
    for i, ((a, c), (b, d)) in enumerate(zip(plain, wplain)):
        check(same_attrs(a, b), page, f"area {i}: {a} became {b}")
        check(c == d or (c is not None and d is not None and c.strip() == decode_comment(d[1:-1])),
              page, f"area {i}: comment {c!r} became {d!r}")
    wdefault = [a for a in wareas if a[0].get("shape") == "default"]
    if default:
        check(len(wdefault) == 1 and wareas[-1][0].get("shape") == "default", page,
              "the written map does not end with the default area")
        check(wdefault and same_attrs(wdefault[0][0], default[0][0]), page,
              f"default area {default[0][0]} became {wdefault}")
    else:  # none is added that would say nothing
        check(not wdefault, page, f"a default area {wdefault} was added")
    # The default area's stock comment goes only into a page of a charset
    # it is known in, and in that charset.
    own = PAGE_CODECS.get(page, CODECS[charset]).replace("utf-8-sig", "utf-8").replace("euc_jis_2004", "euc_jp")
    for codec in ("cp932", "utf-8", "euc_jp"):
        stock = "デフォルトエリア".encode(codec)
        check(codec == own or stock not in out or stock in data, page, f"the default area's comment went in as {codec}")
    check(oinfo["areas"] == info["areas"] and oinfo["default"] == info["default"], page,
          "the written page reads back otherwise")

    # Bytes outside the map stay; line ends right after it become one of the
    # settings', and none is added where the page had none.
    s0, e0 = info["page"]["mapStartPos"], info["page"]["mapEndPos"]
    s1, e1 = oinfo["page"]["mapStartPos"], oinfo["page"]["mapEndPos"]
    if s0 < 0:  # the map is new and goes before the image
        s0 = e0 = info["page"]["imgTagPos"]
    nl = {"lf": b"\n", "crlf": b"\r\n"}[opts[0]]
    had_line_end = data[e0:e0 + 1] in (b"\r", b"\n")
    check(out[e1:].startswith(nl) == had_line_end and (had_line_end or out[e1:e1 + 1] not in (b"\r", b"\n")),
          page, "line ends after the map changed")
    tail = out[e1:].lstrip(b"\r\n")
    if "usemap" not in img.attrib:
        # An attribute left without a value ("alt=>") gets its empty one first.
        for added in (f'"" usemap="#{name}"', f' usemap="#{name}"'):
            if added.encode() in tail:
                tail = tail.replace(added.encode(), b"", 1)
                break
    check(out[:s0] == data[:s0] and s1 == s0, page, "bytes before the map changed")
    check(tail == data[e0:].lstrip(b"\r\n"), page, "bytes after the map changed")

    again = replay("out1.html", "", opts, "out2.html")
    check(again == out, page, "an unedited save of the written page changes it")
    return plain, info


def edited(page, opts, xml, plain, info):
    rows = info["areas"][::-1]
    script, expect = [], [[dict(a), c] for a, c in plain]
    if not rows:  # a map to edit is drawn first
        script += ["tool rect", "press 50 50", "move 100 80", "release 150 120", "tool arrow"]
        rows = [{"type": 0, "points": [[50, 50], [150, 120]]}]
        expect = [[{"shape": "rect", "coords": "50,50,150,120", "nohref": ""}, None]]
    script += ["row 0", "panel alt " + TYPED_ALT, "panel comment " + TYPED_COMMENT, "panel other " + TYPED_OTHER,
               "apply"]
    expect[0][0] = {k: v for k, v in expect[0][0].items() if k in OWNED} | TYPED_OTHER_PARSED
    expect[0][0]["alt"], expect[0][1] = TYPED_ALT, TYPED_COMMENT
    moved = next((i for i, a in enumerate(rows) if a["type"] == 0), None)
    if moved is not None:  # a drag on the left edge of the first rectangle
        (x1, y1), (x2, y2) = rows[moved]["points"]
        x, y = min(x1, x2), (y1 + y2) // 2
        script += [f"press {x} {y}", f"move {x + 5} {y + 5}", f"move {x + 10} {y + 10}", f"release {x + 10} {y + 10}"]
        expect[moved][0]["coords"] = shifted(expect[moved][0]["coords"], 10, 10)
    last = len(rows) - 1
    script += [f"row {min(1, last)}", "command delete", "command undo", f"row {last}", "command duplicate"]

    out = replay(page, "\n".join(script) + "\n", opts, "edited.html")
    oinfo = dump("edited.html")
    _, wattrs, wareas = written(page, out, oinfo, info["charset"])
    if xml:
        xml_map(page, out, oinfo, info["charset"])
    wplain = [a for a in wareas if a[0].get("shape") != "default"]
    if not check(len(wplain) == len(expect) + 1, page, f"edited map has {len(wplain)} areas, not {len(expect) + 1}"):
        return
    (dup, dc), (src, sc) = wplain[0], expect[-1]
    d = [int(v) for v in dup["coords"].split(",")]
    s = [int(v) for v in src["coords"].split(",")]
    offset = shifted(src["coords"], d[0] - s[0], d[1] - s[1], src["shape"] == "circle")
    # A copy goes without the id and name its source keeps.
    unique = {k: v for k, v in src.items() if k not in ("id", "name")}
    check(same_attrs(dict(dup, coords=""), dict(unique, coords="")) and dup["coords"] != src["coords"]
          and dup["coords"] == offset and (dc is None) == (sc is None), page, f"duplicate {dup} of {src}")
    for i, ((a, c), (b, d)) in enumerate(zip(expect, wplain[1:])):
        check(same_attrs(a, b), page, f"edited area {i}: expected {a}, written {b}")
        check((d is None) == (c is None) and (c is None or decode_comment(d[1:-1]) == c.strip()),
              page, f"edited area {i}: comment {c!r} written {d!r}")
    typed = (oinfo["areas"][-2:-1] or [{}])[0]  # row 1: the duplicate went on top
    back = [typed.get(k) for k in ("alt", "comment", "otherAttrs")]
    check(back == [TYPED_ALT, TYPED_COMMENT, TYPED_OTHER], page, f"typed texts read back as {back!r}")


def hostile(page, opts):
    info = dump(page)
    base = parse(replay(page, "row 0\npanel comment \napply\n", opts, "plain.html"), info["charset"])
    for text in HOSTILE:
        out = replay(page, f"row 0\npanel comment {text}\napply\n", opts, "hostile.html")
        oinfo = dump("hostile.html")
        root, _, areas = written(page, out, oinfo, info["charset"])
        check(structure(root) == structure(base), page, f"comment {text!r} changed the parsed page")
        got = areas[0][1] if areas else None
        check(got is not None and decode_comment(got[1:-1]) == text, page, f"comment {text!r} parsed as {got!r}")
        back = oinfo["areas"][-1]["comment"] if oinfo["areas"] else None
        check(back == text, page, f"comment {text!r} read back as {back!r}")


def main():
    shutil.copy(os.path.join(pages_dir, "pic.png"), tmp.name)
    global current_page
    for page, newline, case, xml in PAGES:
        shutil.copy(os.path.join(pages_dir, page), tmp.name)
        current_page = page
        before = len(failures)
        try:
            plain, info = unedited(page, (newline, case), xml)
            if page not in PAGE_CODECS:
                edited(page, (newline, case), xml, plain, info)
            if page in HOSTILE_PAGES:
                hostile(page, (newline, case))
        except Exception as err:  # one page's breakdown must not hide the others'
            check(False, page, f"{type(err).__name__}: {err}")
        print(f"{'ok  ' if len(failures) == before else 'FAIL'} {page}")
    for f in failures:
        print(f)
    tmp.cleanup()
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
