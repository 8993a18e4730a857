#!/usr/bin/env python3
"""The string tables of each built program, read from the .exe: every number of the English
table in every other language, with the same printf specifiers, each text in Windows-1252
without loss. A text left the same as the English is listed for review, names aside.
Usage: strings.py EXE..."""
import os
import re
import struct
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from manifest import resources  # noqa: E402

RT_STRING = 6
ENGLISH = 0x09
# The same in every language: names, signs and file words.
SAME_EVERYWHERE = {"Votaroo!", "KAZ! KAZ! KAZ!", "&OK", "OK", ".INI File"}
SPECIFIER = re.compile(r"%[-+ #0]*\d*(?:\.\d+)?(?:hh|h|ll|l|I64|z)?[diouxXscpeEfgG%]")


def tables(path):
    """{language: {number: text}} of the program's RT_STRING blocks."""
    with open(path, "rb") as f:
        data = f.read()
    out = {}
    for block, language, content in resources(data, RT_STRING):
        at = 0
        for i in range(16):
            if at + 2 > len(content):
                break
            n = struct.unpack_from("<H", content, at)[0]
            at += 2
            if n:
                out.setdefault(language, {})[(block - 1) * 16 + i] = content[at:at + 2 * n].decode("utf-16-le")
            at += 2 * n
    return out


def check(path):
    problems, review = [], []
    found = tables(path)
    english = {k: v for lang, t in found.items() if lang & 0x3FF == ENGLISH for k, v in t.items()}
    if not english:
        return ["no English string table"], review
    others = {lang: t for lang, t in found.items() if lang & 0x3FF != ENGLISH}
    if not others:
        problems.append("no language besides English")
    for lang, table in sorted(others.items()):
        code = table.get(451, "%04x" % lang)
        for number, text in sorted(english.items()):
            if number not in table:
                problems.append("%s: %d missing (%r)" % (code, number, text[:40]))
                continue
            mine = table[number]
            if SPECIFIER.findall(mine) != SPECIFIER.findall(text):
                problems.append("%s: %d has %s where English has %s" % (
                    code, number, SPECIFIER.findall(mine), SPECIFIER.findall(text)))
            try:
                if mine.encode("cp1252").decode("cp1252") != mine:
                    raise UnicodeError
            except UnicodeError:
                problems.append("%s: %d is not all Windows-1252: %r" % (code, number, mine[:40]))
            if mine == text and text not in SAME_EVERYWHERE and not text.isdigit():
                review.append("%s: %d the same as English: %r" % (code, number, text[:60]))
        for number in sorted(set(table) - set(english)):
            problems.append("%s: %d is in no English table" % (code, number))
    return problems, review


def main(paths):
    failed = False
    for path in paths:
        problems, review = check(path)
        for line in review:
            print("%s: review: %s" % (path, line))
        for line in problems:
            print("%s: %s" % (path, line))
        failed = failed or bool(problems)
        if not problems:
            print("%s: every language has every text" % path)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
