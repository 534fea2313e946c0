#!/usr/bin/env python3
"""A translated manual has the Japanese manual's shape.

  compare_manuals.py HELP_DIR LANGUAGE

Checks HELP_DIR/LANGUAGE against HELP_DIR: the same pages; in each page the
same anchors and the same links in the same order; in the help project the
same contents tree, the same index entries (their pages, anchors and context
ids, in order) and the same files; and no page or title left in Japanese
(a few Japanese words are quoted on purpose: what the editor writes, and the
language's own name). Prints each difference and exits 1 when there is any.
"""
import os
import re
import sys

JAPANESE = re.compile('[\u3040-\u30ff\u4e00-\u9fff\uff61-\uff9f]+')
QUOTED = {'デフォルトエリア', '日本語'}  # kept in Japanese on purpose
ANCHOR = re.compile(r'\bid="([^"]+)"')
LINK = re.compile(r'\bhref="([^"]+)"')


def text(path):
    with open(path, encoding='utf-8') as f:
        return f.read()


def project_shape(qhp):
    """The contents tree and the index without their titles."""
    toc = re.findall(r'<(/?)section[^>]*?(?:ref="([^"]*)")?\s*(/?)>', qhp)
    keywords = re.findall(r'<keyword [^>]*?(?:id="([^"]*)")?\s*ref="([^"]*)"', qhp)
    files = re.findall(r'<file>([^<]*)</file>', qhp)
    namespace = re.findall(r'<(namespace|virtualFolder)>([^<]*)<', qhp)
    return toc, keywords, files, namespace


def main(argv):
    if len(argv) != 3:
        print(__doc__, file=sys.stderr)
        return 2
    source, language = argv[1], argv[2]
    target = os.path.join(source, language)
    faults = []
    pages = sorted(p for p in os.listdir(source) if p.endswith('.html'))
    translated = sorted(p for p in os.listdir(target) if p.endswith('.html'))
    for p in sorted(set(pages) ^ set(translated)):
        faults.append('%s is only in %s' % (p, source if p in pages else target))
    for p in sorted(set(pages) & set(translated)):
        ja, other = text(os.path.join(source, p)), text(os.path.join(target, p))
        if ANCHOR.findall(ja) != ANCHOR.findall(other):
            faults.append('%s: anchors differ: %s / %s' % (p, ANCHOR.findall(ja), ANCHOR.findall(other)))
        if LINK.findall(ja) != LINK.findall(other):
            faults.append('%s: links differ: %s / %s' % (p, LINK.findall(ja), LINK.findall(other)))
        if '<html lang="%s">' % language not in other:
            faults.append('%s: not marked lang="%s"' % (p, language))
        left = set(JAPANESE.findall(other)) - QUOTED
        if left:
            faults.append('%s: still Japanese: %s' % (p, ' '.join(sorted(left))))
    # The other files the pages use (the style sheet, pictures) are there too;
    # the style sheet is the same, a picture may show the translated window.
    for name in sorted(os.listdir(source)):
        if not os.path.isfile(os.path.join(source, name)) or name.endswith(('.html', '.qhp', '.qhcp')):
            continue
        if not os.path.exists(os.path.join(target, name)):
            faults.append('%s is only in %s' % (name, source))
        elif name == 'style.css' and text(os.path.join(source, name)) != text(os.path.join(target, name)):
            faults.append('style.css differs from the Japanese manual\'s')
    ja_project = text(os.path.join(source, 'zorva.qhp'))
    other_project = text(os.path.join(target, 'zorva.qhp'))
    for part, a, b in zip(('contents', 'index', 'files', 'namespace'), project_shape(ja_project),
                          project_shape(other_project)):
        if a != b:
            faults.append('zorva.qhp: the %s differ' % part)
    left = set(JAPANESE.findall(re.sub(r'<!--.*?-->', '', other_project, flags=re.S))) - QUOTED
    if left:
        faults.append('zorva.qhp: still Japanese: %s' % ' '.join(sorted(left)))
    if not os.path.exists(os.path.join(target, 'zorva_%s.qhcp' % language)):
        faults.append('no collection project zorva_%s.qhcp' % language)
    for f in faults:
        print(f)
    print('%d pages compared, %d fault(s)' % (len(pages), len(faults)))
    return 1 if faults else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
