#!/usr/bin/env python3
# Fills translations into a catalogue: fill-translations.py <catalogue.ts> <table.tsv>
# where each line of the table is "English id<TAB>translation". Prints what is left.
import sys, re, html
ts, pairs = sys.argv[1], dict(l.rstrip('\n').split('\t') for l in open(sys.argv[2]) if '\t' in l)
s = open(ts, encoding='utf-8').read()
def rep(m):
    mid = html.unescape(m.group(1)); body = m.group(2)
    if mid in pairs:
        body = re.sub(r'<translation[^>]*>.*?</translation>|<translation[^>]*/>', '<translation>%s</translation>' % html.escape(pairs[mid], quote=False), body, flags=re.S)
    return '<message id="%s">%s</message>' % (m.group(1), body)
s = re.sub(r'<message id="(.*?)">(.*?)</message>', rep, s, flags=re.S)
open(ts, 'w', encoding='utf-8').write(s)
missing = [html.unescape(x) for x in re.findall(r'<message id="(.*?)">(?:(?!</message>).)*type="unfinished"', s, flags=re.S)]
print("untranslated:", missing)
