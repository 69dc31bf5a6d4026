#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks that includes run down the program's floors and that the
calculations stay free of Qt.

  core        dates, numbers, rounding, settings records      (no Qt)
  platform    seams to Qt and the system
  ui          the window kit
  dating, biometry, t21, obstetrics, fertility, menopause, utilities
              calculations (no Qt) and their windows
  app         start-up, main window, menus: nothing includes it

A file includes its own folder or a lower floor. Between two subsystems
only a calculation header or a narrow flow header (*_access.h) may be
included, and the folders' includes form no loop. A calculation (a source
the folder lists for tovimar_calc, or a header-only header without Qt)
includes only calculations; tovimar-calc (cli) includes only calculations.

Windows show what the models hold, and no window reaches another: outside
app/ (which holds the table of links) and ui/ (the kit), no source asks the
window registry for a window (get<W>(), existing<W>(), open<W>()) and no
window includes another window's header, but for its own companions (its
about box); and no class of a header outside core/ and platform/ has a
widget, an action or a timer among its public members.
Prints each breach and exits 1; exits 0 when the tree is clean.
"""
import pathlib
import re
import sys

FLOORS = {"core": 0, "platform": 1, "ui": 2, "app": 4}
SUBSYSTEMS = ["dating", "biometry", "t21", "obstetrics", "fertility", "menopause", "utilities"]
for s in SUBSYSTEMS:
    FLOORS[s] = 3

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)
WINDOW_REQUEST = re.compile(r'\.(get|existing|open)<([A-Z]\w*)>\(')
CLASS = re.compile(r'^(?:class|struct) (\w+)\b[^;{]*\{', re.M)
ACCESS = re.compile(r'^\s*(public|protected|private)\s*(?:slots\s*)?:', re.M)
QT_POINTER_MEMBER = re.compile(r'^\s*(?:std::array<\s*)?(Q[A-Z]\w*)\s*\*[^();]*;', re.M)


def window_stem(rel):
    """"biometry/biometry_window" for biometry/biometry_window.cpp or .h."""
    stem = rel.rsplit(".", 1)[0]
    return stem if stem.endswith("_window") else None


def public_sections(text):
    """The public parts of each class body of a header, class by class."""
    for found in CLASS.finditer(text):
        depth, i = 1, found.end()
        while depth and i < len(text):
            depth += {"{": 1, "}": -1}.get(text[i], 0)
            i += 1
        body = text[found.end():i - 1]
        public = found.group(0).startswith("struct")
        start = 0
        for access in ACCESS.finditer(body):
            if public:
                yield found.group(1), body[start:access.start()]
            public = access.group(1) == "public"
            start = access.end()
        if public:
            yield found.group(1), body[start:]


def reaching_breaches(texts):
    breaches = []
    for rel, text in texts.items():
        folder = rel.split("/")[0]
        code = re.sub(r"//[^\n]*", "", text)
        if rel.endswith(".h") and folder not in ("core", "platform"):
            for cls, section in public_sections(code):
                for member in QT_POINTER_MEMBER.finditer(section):
                    breaches.append(f"{rel}: {cls} has a public {member.group(1)} member")
        if folder in ("app", "ui", "cli"):
            continue
        for _, window in WINDOW_REQUEST.findall(code):
            breaches.append(f"{rel}: asks the registry for the window {window} "
                            "(a link of app/window_links.cpp, or a companion)")
        stem = window_stem(rel)
        if stem:
            for kind, name in INCLUDE.findall(text):
                other = window_stem(name)
                if (kind == '"' and other and other != stem and not name.startswith("ui/")
                        and not other.endswith("_about_window")):
                    breaches.append(f"{rel}: a window includes another window ({name})")
    return breaches


def calc_sources(src):
    """The .cpp files each folder lists for the calculation library."""
    found = set()
    for lists in src.glob("*/CMakeLists.txt"):
        text = lists.read_text(encoding="utf-8")
        for block in re.findall(r"target_sources\(\s*tovimar_calc\s+PRIVATE([^)]*)\)", text):
            for name in block.split():
                found.add(f"{lists.parent.name}/{name}")
    return found


def main(root):
    src = pathlib.Path(root) / "src"
    files = sorted(p for p in src.glob("*/*") if p.suffix in (".h", ".cpp"))
    texts = {f"{p.parent.name}/{p.name}": p.read_text(encoding="utf-8") for p in files}
    calc_cpp = calc_sources(src)

    def is_calc(rel):
        stem = rel.rsplit(".", 1)[0]
        if rel.endswith(".cpp"):
            return rel in calc_cpp
        if stem + ".cpp" in texts:
            return stem + ".cpp" in calc_cpp
        # A header alone: a calculation when it needs nothing of Qt.
        return not any(k == "<" and n.startswith("Q") for k, n in INCLUDE.findall(texts[rel]))

    breaches = []
    edges = {}
    for rel, text in texts.items():
        folder = rel.split("/")[0]
        calc = is_calc(rel) or folder == "cli"
        for kind, name in INCLUDE.findall(text):
            if kind == "<":
                if calc and name.startswith("Q"):
                    breaches.append(f"{rel}: a calculation includes Qt ({name})")
                continue
            target_folder = name.split("/")[0]
            if name not in texts:
                continue  # not one of ours (or a generated file)
            if target_folder == folder:
                continue
            edges.setdefault(folder, set()).add(target_folder)
            if calc and not is_calc(name):
                breaches.append(f"{rel}: a calculation includes {name}, which is not one")
                continue
            if folder == "cli":
                continue
            mine, theirs = FLOORS.get(folder), FLOORS.get(target_folder)
            if mine is None or theirs is None:
                breaches.append(f"{rel}: folder of {name} has no floor")
            elif theirs > mine:
                breaches.append(f"{rel}: includes {name}, a floor above its own")
            elif theirs == mine and not (is_calc(name) or name.endswith("_access.h")):
                breaches.append(
                    f"{rel}: includes {name} of another subsystem (only its calculations "
                    "or its *_access.h may be)")

    breaches += reaching_breaches(texts)

    # No loop between folders.
    def visit(folder, path):
        for nxt in sorted(edges.get(folder, ())):
            if nxt in path:
                cycle = path[path.index(nxt):] + [nxt]
                breaches.append("loop between folders: " + " -> ".join(cycle))
            else:
                visit(nxt, path + [nxt])

    for folder in sorted(edges):
        visit(folder, [folder])

    for b in sorted(set(breaches)):
        print(b)
    return 1 if breaches else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).parent.parent))
