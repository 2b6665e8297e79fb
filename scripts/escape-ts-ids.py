#!/usr/bin/env python3
# Escapes the message ids of Qt Linguist catalogues: escape-ts-ids.py <catalogue.ts>...
# lupdate writes id attributes without XML escaping, so an id holding "<",
# "&" or a double quote (rich-text help such as "zeros.<br>") makes a file
# that lupdate and lrelease then refuse to read. Running this after lupdate
# repairs it; running it twice changes nothing.
import html, re, sys

ID = re.compile(r'(<message id=")(.*?)(">\n)', re.S)

def escape(m):
    text = html.unescape(m.group(2))
    return m.group(1) + html.escape(text, quote=True).replace('&#x27;', "'") + m.group(3)

for path in sys.argv[1:]:
    with open(path, encoding='utf-8') as f:
        s = f.read()
    fixed = ID.sub(escape, s)
    if fixed != s:
        with open(path, 'w', encoding='utf-8') as f:
            f.write(fixed)
