#!/usr/bin/env python3
"""The English (and any further) translations of the string table.

  translations.py update TS...   brings each .ts up to the string table: new
                                 texts are added unfinished, texts that are gone
                                 are dropped, translations are kept
  translations.py check LRELEASE TS...
                                 fails when a text has no finished translation,
                                 when a .ts translates a text the table no
                                 longer has, or when a translation loses a
                                 placeholder (%1..%9, %s) or the "\\n" parts

Each message is in context StringTable; its source is the table's Japanese
text and its comment (disambiguation) the string number. Open the .ts files in
Qt Linguist to translate; the build compiles them with lrelease.
"""
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from xml.sax.saxutils import escape

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
TABLE = os.path.join(ROOT, 'res', 'StringTable.cpp')
CONTEXT = 'StringTable'

# An entry: its number, then string literals and macros (the build's values,
# such as ZORVA_VERSION) up to the closing brace.
ENTRY = re.compile(r'\{\s*(\d+)\s*,\s*((?:"(?:[^"\\]|\\.)*"|[A-Z_][A-Z0-9_]*|\s)+)\}')
MACRO = re.compile(r'"(?:[^"\\]|\\.)*"|([A-Z_][A-Z0-9_]*)')
LITERAL = re.compile(r'"((?:[^"\\]|\\.)*)"')
ESCAPES = {'n': '\n', 't': '\t', '"': '"', '\\': '\\', "'": "'", 'r': '\r'}


def unescape(body):
    out, i = [], 0
    while i < len(body):
        c = body[i]
        if c == '\\':
            out.append(ESCAPES[body[i + 1]])
            i += 2
        else:
            out.append(c)
            i += 1
    return ''.join(out)


def read_table():
    """The table's entries in their order: [(id, text)]. A text that takes a
    build's value (the version) is no fixed source text and is left out: it is
    shown as the build makes it, in every language."""
    text = open(TABLE, encoding='utf-8').read()
    text = re.sub(r'//[^\n]*', '', text)  # comments may quote texts
    entries = []
    for m in ENTRY.finditer(text):
        if any(macro for macro in MACRO.findall(m.group(2))):
            continue
        entries.append((int(m.group(1)), ''.join(unescape(s) for s in LITERAL.findall(m.group(2)))))
    return entries


def read_ts(path):
    """{(source, comment): (translation, type)} and the language."""
    root = ET.parse(path).getroot()
    messages = {}
    for context in root.iter('context'):
        name = context.findtext('name')
        for m in context.iter('message'):
            t = m.find('translation')
            key = (name, m.findtext('source') or '', m.findtext('comment') or '')
            messages[key] = (t.text or '' if t is not None else '', t.get('type', '') if t is not None else '')
    return messages, root.get('language')


def write_ts(path, language, table, messages):
    out = ['<?xml version="1.0" encoding="utf-8"?>', '<!DOCTYPE TS>',
           '<TS version="2.1" language="%s" sourcelanguage="ja_JP">' % language,
           '<context>', '    <name>%s</name>' % CONTEXT]
    seen = set()
    for sid, text in table:
        if sid in seen:
            continue
        seen.add(sid)
        translation, kind = messages.get((CONTEXT, text, str(sid)), ('', 'unfinished'))
        if kind in ('vanished', 'obsolete'):
            translation, kind = '', 'unfinished'
        attr = ' type="unfinished"' if kind == 'unfinished' else ''
        out += ['    <message>',
                '        <source>%s</source>' % escape(text),
                '        <comment>%d</comment>' % sid,
                '        <translation%s>%s</translation>' % (attr, escape(translation)),
                '    </message>']
    out += ['</context>', '</TS>', '']
    with open(path, 'w', encoding='utf-8') as f:
        f.write('\n'.join(out))


PLACEHOLDER = re.compile(r'%[1-9s%]')
JAPANESE = re.compile('[\u3040-\u30ff\u4e00-\u9fff\uff61-\uff9f]')


def structured(sid, source):
    """Texts whose parts the program splits: the document template's fields,
    a command's prompt and tooltip, a file dialog's filter."""
    return sid == 128 or (32768 <= sid < 60000 and '\n' in source) or '|' in source


def check(lrelease, paths):
    table = read_table()
    ids = {}
    faults = []
    for sid, text in table:
        if sid in ids:
            faults.append('string %d is in the table twice' % sid)
        ids[sid] = text
    for path in paths:
        name = os.path.basename(path)
        messages, language = read_ts(path)
        language = language or ''
        for (context, source, comment), (translation, kind) in messages.items():
            where = '%s: %s %r' % (name, comment or '-', source)
            if context != CONTEXT:
                faults.append('%s: context %s is not the string table\'s' % (where, context))
            elif not comment.isdigit() or int(comment) not in ids:
                faults.append('%s: the table has no string %s (a text that is gone)' % (where, comment))
            elif ids[int(comment)] != source:
                faults.append('%s: the table\'s text is now %r' % (where, ids[int(comment)]))
            elif kind in ('vanished', 'obsolete'):
                faults.append('%s: marked %s; remove it' % (where, kind))
            elif kind == 'unfinished' or not translation:
                faults.append('%s: not translated' % where)
            elif sorted(PLACEHOLDER.findall(source)) != sorted(PLACEHOLDER.findall(translation)):
                faults.append('%s: placeholders %s become %s' % (where, PLACEHOLDER.findall(source),
                                                                 PLACEHOLDER.findall(translation)))
            elif structured(int(comment), source) and (source.count('\n') != translation.count('\n')
                                                       or source.count('|') != translation.count('|')):
                faults.append('%s: its parts (split by line breaks or "|") differ' % where)
            elif language.startswith('en') and JAPANESE.search(translation):
                faults.append('%s: the English is still Japanese' % where)
        present = {int(c) for (_, _, c) in messages if c.isdigit()}
        for sid, text in ids.items():
            if sid not in present:
                faults.append('%s: %d %r is missing' % (name, sid, text))
        # lrelease counts what it would leave untranslated.
        with tempfile.TemporaryDirectory() as tmp:
            result = subprocess.run([lrelease, path, '-qm', os.path.join(tmp, 'out.qm')],
                                    capture_output=True, text=True)
            report = result.stdout + result.stderr
            if result.returncode != 0:
                faults.append('%s: lrelease failed: %s' % (name, report.strip()))
            finished = re.search(r'Generated (\d+) translation\(s\) \((\d+) finished and (\d+) unfinished\)', report)
            ignored = re.search(r'Ignored (\d+) untranslated', report)
            if not finished or int(finished.group(3)) or ignored:
                faults.append('%s: lrelease reports: %s' % (name, ' '.join(report.split())))
            elif int(finished.group(2)) != len(ids):
                faults.append('%s: lrelease finished %s translations for %d texts'
                              % (name, finished.group(2), len(ids)))
    for f in faults:
        print(f)
    print('%d texts, %d catalogue(s), %d fault(s)' % (len(ids), len(paths), len(faults)))
    return 1 if faults else 0


def main(argv):
    if len(argv) >= 3 and argv[1] == 'update':
        table = read_table()
        for path in argv[2:]:
            messages, language = read_ts(path) if os.path.exists(path) else ({}, None)
            language = language or re.sub(r'^zorva_|\.ts$', '', os.path.basename(path))
            write_ts(path, language, table, messages)
        return 0
    if len(argv) >= 4 and argv[1] == 'check':
        return check(argv[2], argv[3:])
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == '__main__':
    sys.exit(main(sys.argv))
