#!/usr/bin/env python3
"""Fails when a Japanese text in src/ stands outside the catalogue, or (given
a .ts file and lupdate) when the translation lacks one.

Every word the user reads goes through Qt's translation (tr, translate,
QT_TR_NOOP, QT_TRANSLATE_NOOP), so lupdate finds it and a translation can
word it. A text that is a key (a file's field, a font's family, a help.txt
topic) is wrapped in ZELTAN_KEY instead, so no translation can change a file.
"""
import pathlib
import re
import sys

LITERAL = re.compile(r'(?:u8|u|U|L)?"(?:[^"\\\n]|\\.)*"')
WIDE = re.compile(r'[\u3000-\u30ff\u3400-\u9fff\uff00-\uffef]')
# What may stand before a literal run that is in the catalogue or a key.
ACCEPTED = re.compile(
    r'(?:\btr|\bQT_TR_NOOP|\bZELTAN_KEY)\(\s*$'
    r'|(?:\btranslate|\bQT_TRANSLATE_NOOP)\(\s*"[^"]*"\s*,\s*$')


def code_only(text):
    """The text with comments blanked, literals kept, offsets unchanged."""
    out, i, n = [], 0, len(text)
    while i < n:
        if text.startswith('//', i):
            j = text.find('\n', i)
            j = n if j < 0 else j
            out.append(' ' * (j - i))
            i = j
        elif text.startswith('/*', i):
            j = text.find('*/', i + 2)
            j = n if j < 0 else j + 2
            out.append(re.sub(r'[^\n]', ' ', text[i:j]))
            i = j
        elif text[i] == '"' or (text[i] == "'" and not text[i - 1].isalnum()):
            quote, j = text[i], i + 1
            while j < n and text[j] != quote:
                j += 2 if text[j] == '\\' else 1
            out.append(text[i:j + 1])
            i = j + 1
        else:
            out.append(text[i])
            i += 1
    return ''.join(out)


def outside(path):
    code = code_only(path.read_text(encoding='utf-8'))
    found, run_start, run_has_wide, last_end = [], None, False, None
    for m in LITERAL.finditer(code):
        adjacent = last_end is not None and code[last_end:m.start()].strip() == ''
        if not adjacent:
            if run_start is not None and run_has_wide:
                found.append(run_start)
            run_start, run_has_wide = m.start(), False
        run_has_wide |= bool(WIDE.search(m.group()))
        last_end = m.end()
    if run_start is not None and run_has_wide:
        found.append(run_start)
    bad = []
    for start in found:
        before = code[max(0, start - 200):start]
        if not ACCEPTED.search(before):
            line = code.count('\n', 0, start) + 1
            bad.append(f'{path}:{line}: {code[start:start + 60].splitlines()[0]}')
    return bad


def untranslated(ts, root, lupdate):
    """Texts of src/ the translation lacks, leaves unfinished, or words with other placeholders."""
    import subprocess
    import tempfile
    import xml.etree.ElementTree as ET

    def messages(path):
        out = {}
        for context in ET.parse(path).getroot().iter('context'):
            name = context.findtext('name')
            for m in context.iter('message'):
                out[(name, m.findtext('source'))] = m.find('translation')
        return out

    have = messages(ts)
    with tempfile.TemporaryDirectory() as tmp:
        fresh = pathlib.Path(tmp) / 'fresh.ts'
        subprocess.run([lupdate, '-silent', '-locations', 'none', str(root), '-ts', str(fresh)],
                       check=True)
        wanted = messages(fresh)
    bad = []
    for key in wanted:
        t = have.get(key)
        if t is None:
            bad.append(f'{ts}: not in the translation: {key}')
        elif t.get('type') in ('unfinished', 'obsolete', 'vanished') or not (t.text or '').strip():
            bad.append(f'{ts}: not translated: {key}')
        elif sorted(re.findall(r'%L?\d', key[1])) != sorted(re.findall(r'%L?\d', t.text)):
            bad.append(f'{ts}: other placeholders: {key} -> {t.text!r}')
    return bad


def main():
    root = pathlib.Path(sys.argv[1])
    bad = [b for p in sorted(root.rglob('*')) if p.suffix in ('.cpp', '.h') for b in outside(p)]
    if len(sys.argv) > 3:
        bad += untranslated(pathlib.Path(sys.argv[2]), root, sys.argv[3])
    for b in bad:
        print(b)
    if bad:
        print(f'{len(bad)} Japanese texts stand outside the catalogue', file=sys.stderr)
    return 1 if bad else 0


if __name__ == '__main__':
    sys.exit(main())
