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
