#!/usr/bin/env python3
"""Writes the test-only pseudo-language from the English string table: every text about 40 %
longer, its letters accented, its printf specifiers, line breaks and accelerators kept, so a
layout that shows it whole shows every real language whole. usage: pseudo.py en.rc out.rc"""
import re
import sys

ACCENTED = dict(zip("aeiouycnsAEIOUYCNSz", "áéîöüýçñšÅÉÎÖÜÝÇÑŠž"))
# printf specifiers, the rc escapes \n and "", and the & of an accelerator pass unchanged.
KEEP = re.compile(r'%[-+ #0]*\d*(?:\.\d+)?(?:hh|h|ll|l)?[diouxXsc%]|\\n|""|&')
FILLER = "àëïõüÿ"


def stretch(line):
    """One line of a text, accented, with filler words to make it 40 % longer."""
    out, at = [], 0
    for m in KEEP.finditer(line):
        out.append("".join(ACCENTED.get(ch, ch) for ch in line[at:m.start()]))
        out.append(m.group())
        at = m.end()
    out.append("".join(ACCENTED.get(ch, ch) for ch in line[at:]))
    plain = len(KEEP.sub("", line))
    extra = (plain * 4 + 9) // 10
    words, n = [], 0
    while n < extra:
        word = FILLER[: min(6, extra - n)]
        words.append(word)
        n += len(word) + 1
    return "".join(out) + ("" if not words else " " + " ".join(words))


def pseudo(text):
    return "[" + "\\n".join(stretch(part) for part in text.split("\\n")) + "]"


def main(source, target):
    lines = open(source, encoding="cp1252").read().split("\n")
    out = ["// Test-only pseudo-language made from en.rc by tests/lang/pseudo.py; never shipped.",
           "#pragma code_page(1252)", '#include "TextIds.h"', "",
           # qps-ploc, the pseudo-locale Windows itself tests with.
           "LANGUAGE 0x101, 1", "", "STRINGTABLE", "BEGIN"]
    row = re.compile(r'^\s*([A-Z_0-9]+(?:\s*\+\s*\d+)?)\s*,\s*"(.*)"\s*$')
    for line in lines:
        m = row.match(line)
        if not m:
            continue
        key, text = m.group(1), m.group(2)
        if key == "IDS_LANGUAGE_CODE":
            text = "qps"
        elif key in ("IDS_TITLE",):
            pass  # a name, the same in every language
        else:
            text = pseudo(text)
        out.append('  %s, "%s"' % (key, text))
    out += ["END", ""]
    open(target, "w", encoding="cp1252", newline="\n").write("\n".join(out))


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
