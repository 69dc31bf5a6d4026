#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs a command and checks both its exit status and what it prints, for a
ctest entry where the command must fail (ctest's PASS_REGULAR_EXPRESSION
ignores the exit status).

  expect_output.py --status N --expected FILE -- COMMAND ARG...

Passes (exit 0) when COMMAND exits with status N and its standard output is
exactly the text of FILE; otherwise says what differs and exits 1.
"""
import argparse
import difflib
import subprocess
import sys


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--status", type=int, required=True)
    parser.add_argument("--expected", required=True)
    parser.add_argument("command", nargs=argparse.REMAINDER)
    args = parser.parse_args()
    command = args.command[1:] if args.command[:1] == ["--"] else args.command
    if not command:
        parser.error("no command given")
    with open(args.expected, encoding="utf-8") as f:
        expected = f.read()
    run = subprocess.run(command, capture_output=True, text=True, encoding="utf-8")
    sys.stdout.write(run.stdout)
    sys.stderr.write(run.stderr)
    ok = True
    if run.returncode != args.status:
        print(f"expect_output: exit status {run.returncode}, expected {args.status}")
        ok = False
    if run.stdout != expected:
        print("expect_output: the output differs from " + args.expected + ":")
        sys.stdout.writelines(difflib.unified_diff(
            expected.splitlines(keepends=True), run.stdout.splitlines(keepends=True),
            "expected", "printed"))
        ok = False
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
