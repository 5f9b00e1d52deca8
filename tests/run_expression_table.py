#!/usr/bin/env python3
"""Runs every case of one expression table (see tests/README.md): each case
is a command line for tbasic with its expected standard output, standard
error and exit status.

Usage: run_expression_table.py [--launcher PROG] [--crlf] TBASIC TABLE
(the options as for run_program_test.py)."""
import json
import os
import subprocess
import sys

from run_program_test import options

TIMEOUT_SECONDS = 60


def parse(path):
    cases = []
    with open(path, "rb") as f:
        lines = f.read().decode("utf-8", "surrogateescape").split("\n")
    for number, line in enumerate(lines, 1):
        if line.endswith("\r"):
            line = line[:-1]
        if not line or line.startswith("#"):
            continue
        key, sep, value = line.partition(":")
        if not sep:
            raise SystemExit(f"{path}:{number}: expected 'key: value', got {line!r}")
        value = value[1:] if value.startswith(" ") else value
        if key in ("expr", "args"):
            args = ["-e", value] if key == "expr" else json.loads(value)
            cases.append({"line": number, "args": args, "out": [], "err": [], "status": None})
        elif not cases:
            raise SystemExit(f"{path}:{number}: '{key}:' before any case")
        elif key in ("out", "err"):
            cases[-1][key].append(value + "\n")
        elif key == "status":
            cases[-1]["status"] = int(value)
        else:
            raise SystemExit(f"{path}:{number}: unknown key {key!r}")
    return cases


def main():
    launcher, crlf, rest = options(sys.argv[1:])
    binary, table = os.path.abspath(rest[0]), os.path.abspath(rest[1])
    line_end = "\r\n" if crlf else "\n"
    failures = 0
    cases = parse(table)
    for case in cases:
        expected_out = "".join(case["out"]).replace("\n", line_end)
        expected_err = "".join(case["err"]).replace("\n", line_end)
        status = case["status"]
        if status is None:
            status = 1 if case["err"] else 0
        args = [a.encode("utf-8", "surrogateescape") for a in case["args"]]
        command = [os.fsencode(p) for p in launcher + [binary]] + args
        try:
            proc = subprocess.run(command, cwd=os.path.dirname(table),
                                  capture_output=True, timeout=TIMEOUT_SECONDS)
        except subprocess.TimeoutExpired:
            print(f"{table}:{case['line']}: timed out: {case['args']!r}")
            failures += 1
            continue
        actual_out = proc.stdout.decode("utf-8", "surrogateescape")
        actual_err = proc.stderr.decode("utf-8", "surrogateescape")
        if (actual_out, actual_err, proc.returncode) != (expected_out, expected_err, status):
            failures += 1
            print(f"{table}:{case['line']}: {case['args']!r}")
            print(f"  expected out={expected_out!r} err={expected_err!r} status={status}")
            print(f"  actual   out={actual_out!r} err={actual_err!r} status={proc.returncode}")
    print(f"{len(cases) - failures} passed, {failures} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
