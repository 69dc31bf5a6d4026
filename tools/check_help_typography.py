#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""French typography of the help's own prose (data/TOVIMAR.HLP).

  check_help_typography.py HELP            reports every fault; status 1 if any
  check_help_typography.py --fix HELP      mends what can be mended mechanically
  check_help_typography.py --expect FILE HELP
                                           passes (status 0) only when the faults
                                           reported are exactly the lines of FILE

Faults, in the prose only:
  - an ordinary space (or a line break) before ":" ";" "?" "!": French takes a
    no-break space before ":" (U+00A0) and a narrow one before ";" "?" "!" (U+202F);
  - an ordinary space inside guillemets, after "«" or before "»" (U+00A0);
  - a straight apostrophe "'" where French prints "’".

The program's own texts, quoted as the windows show them, keep their spelling
and spacing and are not prose: they are marked <span class="prog">…</span>
(a guillemet-quoted window text is written « <span class="prog">DDR</span> »).
<code>, <pre>, <kbd>, <tt>, tags, attributes and comments are not prose either.

--fix also puts a no-break space between a number and its unit and between the
groups of a thousands number, and writes ordinals in superscript (1er, 2e); it
does not touch the program's texts.
"""
import html
import re
import sys

PROTECTED = {"code", "pre", "kbd", "tt", "head", "script", "style"}
NBSP = "\u00a0"
NNBSP = "\u202f"

TOKEN = re.compile(r"<!--.*?-->|<[^>]*>|[^<]+", re.S)
TAG = re.compile(r"<\s*(/)?\s*([a-zA-Z0-9]+)([^>]*)>", re.S)
PROG_CLASS = re.compile(r"""class\s*=\s*["'][^"']*\bprog\b""")

UNITS = r"(?:mm|cm|m|g|kg|kilos|ans|jours?|j|SA|semaines?|mois|UI|€|F|%|heures?|h|minutes?|min)"


def tokens(text):
    """Yields (kind, raw, line) with kind 'prose', 'quoted' or 'markup'."""
    stack = []  # open elements that protect their content: (name, is_span)
    span_depth = []  # for each open <span>, whether it is a program text
    line = 1
    for m in TOKEN.finditer(text):
        raw = m.group(0)
        if raw.startswith("<!--"):
            yield "markup", raw, line
        elif raw.startswith("<"):
            t = TAG.match(raw)
            if t:
                closing, name = t.group(1), t.group(2).lower()
                self_closing = raw.rstrip(">").rstrip().endswith("/")
                if name == "span":
                    if closing:
                        if span_depth:
                            span_depth.pop()
                    elif not self_closing:
                        span_depth.append(bool(PROG_CLASS.search(t.group(3))))
                elif name in PROTECTED:
                    if closing:
                        if name in stack:
                            while stack and stack.pop() != name:
                                pass
                    elif not self_closing:
                        stack.append(name)
            yield "markup", raw, line
        else:
            quoted = bool(stack) or any(span_depth)
            yield ("quoted" if quoted else "prose"), raw, line
        line += raw.count("\n")


FAULTS = [
    (re.compile(r"[ \t\r\n]+(?=:)"), "espace ordinaire avant « : » (espace insécable)"),
    (re.compile(r"[ \t\r\n]+(?=[;?!])"), "espace ordinaire avant « ; », « ? » ou « ! » (espace fine insécable)"),
    (re.compile(r"«[ \t\r\n]+"), "espace ordinaire après « « » (espace insécable)"),
    (re.compile(r"[ \t\r\n]+(?=»)"), "espace ordinaire avant « » » (espace insécable)"),
    (re.compile(r"'"), "apostrophe droite (’)"),
]


def faults(text):
    found = []
    for kind, raw, line in tokens(text):
        if kind != "prose":
            continue
        plain = html.unescape(raw)
        for pattern, what in FAULTS:
            for m in pattern.finditer(plain):
                at = line + plain.count("\n", 0, m.start())
                # A line break inside the match counts on the line of the mark.
                at += m.group(0).count("\n")
                end = plain.find("\n", m.end())
                excerpt = plain[max(0, m.start() - 25):(end if end >= 0 else len(plain))]
                excerpt = " ".join(excerpt.split())[:60]
                found.append((at, what, excerpt))
    found.sort(key=lambda f: f[0])
    return [f"ligne {at} : {what} : {excerpt}" for at, what, excerpt in found]


def mend(prose):
    s = prose
    s = re.sub(r"[ \t\r\n]+:", NBSP + ":", s)
    s = re.sub(r"[ \t\r\n]+([;?!])", NNBSP + r"\1", s)
    s = re.sub(r"«[ \t\r\n]+", "«" + NBSP, s)
    s = re.sub(r"[ \t\r\n]+»", NBSP + "»", s)
    s = s.replace("'", "\u2019")
    # Ordinals: 1er, 1re, 2e, 2es; "ème" is not French typography.
    s = re.sub(r"\b(\d+)(er|re|es|e|ème|eme)\b", lambda m: m.group(1) + "<sup>" +
               ("e" if m.group(2) in ("ème", "eme") else m.group(2)) + "</sup>", s)
    # Thousands: 35 636, 10 000.
    s = re.sub(r"(?<![\d,])(\d{1,3})[ ](\d{3})(?![\d,])", r"\1" + NBSP + r"\2", s)
    # A number and its unit.
    s = re.sub(r"(\d)[ ](" + UNITS + r")(?![\w])", r"\1" + NBSP + r"\2", s)
    return s


def fix(text):
    out = []
    for kind, raw, _ in tokens(text):
        out.append(mend(raw) if kind == "prose" else raw)
    return "".join(out)


def main(argv):
    args = list(argv)
    mode, expected = "check", None
    if args[:1] == ["--fix"]:
        mode, args = "fix", args[1:]
    elif args[:1] == ["--expect"] and len(args) >= 2:
        mode, expected, args = "expect", args[1], args[2:]
    if len(args) != 1:
        print(__doc__, file=sys.stderr)
        return 2
    path = args[0]
    with open(path, encoding="utf-8") as f:
        text = f.read()
    if mode == "fix":
        mended = fix(text)
        with open(path, "w", encoding="utf-8") as f:
            f.write(mended)
        remaining = faults(mended)
        for r in remaining:
            print(r)
        return 1 if remaining else 0
    found = faults(text)
    for r in found:
        print(r)
    if mode == "expect":
        with open(expected, encoding="utf-8") as f:
            wanted = f.read().splitlines()
        if found != wanted or not wanted:
            print(f"check_help_typography: the faults reported differ from {expected}")
            return 1
        return 0
    if found:
        print(f"{len(found)} faute(s) de typographie dans {path}")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
