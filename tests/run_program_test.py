#!/usr/bin/env python3
"""Runs one program test: tbasic -f NAME.bas in the program's folder, and
compares standard output, standard error and exit status with the
expectations written in the program (see tests/README.md).

Usage: run_program_test.py [--launcher PROG] [--crlf] TBASIC PROGRAM
  --launcher PROG  runs TBASIC through PROG (the Windows build under Wine)
  --crlf           expects every line end as CR LF (a Windows console program)"""
import difflib
import os
import subprocess
import sys

TIMEOUT_SECONDS = 120


def expectations(path):
    base = path[:-len(".bas")]
    with open(path, "rb") as f:
        source = f.read()
    out, err, status = [], [], 0
    for raw in source.split(b"\n"):
        line = raw.rstrip(b"\r")
        stripped = line.lstrip(b" \t")
        for tag, sink in ((b"' expect: ", out), (b"' expect-err: ", err)):
            if stripped.startswith(tag):
                sink.append(stripped[len(tag):] + b"\n")
        if stripped in (b"' expect:", b"' expect: "):
            out.append(b"\n")
        if stripped in (b"' expect-err:",):
            err.append(b"\n")
        if stripped.startswith(b"' expect-status: "):
            status = int(stripped[len(b"' expect-status: "):])
    expected_out = b"".join(out)
    expected_err = b"".join(err)
    if os.path.exists(base + ".out"):
        with open(base + ".out", "rb") as f:
            expected_out = f.read()
    if os.path.exists(base + ".err"):
        with open(base + ".err", "rb") as f:
            expected_err = f.read()
    return expected_out, expected_err, status


def show_diff(label, expected, actual):
    # A carriage return is shown as \r, so a stray or missing one is seen.
    def lines(data):
        return data.replace(b"\r", b"\\r").decode("utf-8", "replace").splitlines(keepends=True)
    exp, act = lines(expected), lines(actual)
    sys.stdout.write(f"--- {label} differs:\n")
    for line in difflib.unified_diff(exp, act, "expected", "actual"):
        sys.stdout.write(line if line.endswith("\n") else line + "\\ (no line end)\n")


def options(argv):
    """Splits [--launcher PROG] [--crlf] off the arguments: (launcher, crlf, rest)."""
    launcher, crlf, rest = [], False, list(argv)
    while rest and rest[0] in ("--launcher", "--crlf"):
        option = rest.pop(0)
        if option == "--crlf":
            crlf = True
        else:
            launcher = [os.path.abspath(rest.pop(0))]
    return launcher, crlf, rest


def main():
    launcher, crlf, args = options(sys.argv[1:])
    binary, program = os.path.abspath(args[0]), os.path.abspath(args[1])
    expected_out, expected_err, expected_status = expectations(program)
    if crlf:
        expected_out = expected_out.replace(b"\n", b"\r\n")
        expected_err = expected_err.replace(b"\n", b"\r\n")
    try:
        proc = subprocess.run(launcher + [binary, "-f", os.path.basename(program)],
                              cwd=os.path.dirname(program), capture_output=True,
                              timeout=TIMEOUT_SECONDS)
    except subprocess.TimeoutExpired:
        print(f"FAIL: {program} did not finish within {TIMEOUT_SECONDS} s")
        return 1
    ok = True
    if proc.stdout != expected_out:
        show_diff("standard output", expected_out, proc.stdout)
        ok = False
    if proc.stderr != expected_err:
        show_diff("standard error", expected_err, proc.stderr)
        ok = False
    if proc.returncode != expected_status:
        print(f"--- exit status: expected {expected_status}, got {proc.returncode}")
        ok = False
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
