#!/usr/bin/env python3
"""Command-line cases that an expression table cannot hold: the usage banner
(which echoes argv[0], so each case runs the binary under a chosen program
name), expressions nested as deep as one argument allows, and random values
that differ between runs started in quick succession.

Usage: run_cli_tests.py TBASIC_BINARY"""
import os
import subprocess
import sys

TIMEOUT_SECONDS = 120
OVERFLOW_LINE = "Exception thrown (stack overflow?): Error code C00000FD\n"


def banner(name):
    return ("tbasic - a typed, structured BASIC interpreter\n"
            f"Usage: {name} -f <basic_program_file>\n"
            f'Or:    {name} -e "<expression>"\n')


def usage_cases():
    # Wrong argument counts and modes other than exactly "-e" or "-f".
    argument_lists = [
        [],
        ["-e"],
        ["-f"],
        ["1+2"],
        ["-e", "1", "2"],
        ["-f", "prog.bas", "extra"],
        ["-x", "1"],
        ["-E", "1+2"],
        ["-F", "prog.bas"],
        ["e", "1"],
        ["--e", "1"],
        ["-e ", "1"],
        ["", ""],
    ]
    for arguments in argument_lists:
        yield "tbasic", arguments, "", banner("tbasic"), 1
    # The program name is echoed exactly as it was given.
    for name in ["/opt/some dir/tbasic", "./TB", "x", ""]:
        yield name, [], "", banner(name), 1
        yield name, ["-q", "1"], "", banner(name), 1
    # The program name plays no part in the modes themselves.
    yield "anything", ["-e", "1+2"], "3\n", "", 0


def nesting_cases():
    depth = 1000
    yield "tbasic", ["-e", "(" * depth + "1" + ")" * depth], "1\n", "", 0
    yield "tbasic", ["-e", "-(" * depth + "2" + ")" * depth], "2\n", "", 0
    # As deep as one command-line argument allows (128 KiB on Linux).
    depth = 60000
    yield "tbasic", ["-e", "(" * depth + "1" + ")" * depth], "1\n", "", 0
    # Unbalanced and deeper still: whether the native stack holds out or not,
    # the run ends with one report line, never with a crash.
    yield ("tbasic", ["-e", "(" * 130000 + "1"], "",
           ("Error 4: Syntax error: {no matching ')'}\n", OVERFLOW_LINE), 1)


def random_failures(binary):
    """Ten runs in a row must not all print the same value, and every value
    keeps its form: a multiple of 1/32767 in 0..1."""
    values = [subprocess.run([binary, "-e", "random"], capture_output=True, text=True,
                             timeout=TIMEOUT_SECONDS).stdout for _ in range(10)]
    bad = [v for v in values if not (0 <= float(v) <= 1
                                     and abs(float(v) * 32767 - round(float(v) * 32767)) < 1e-6)]
    if bad:
        print(f"random values out of form: {bad}")
    if len(set(values)) < 2:
        print(f"ten runs of random printed one value: {values[0]!r}")
    return 1 if bad or len(set(values)) < 2 else 0


def shorten(text, limit=300):
    return text if len(text) <= limit else text[:limit] + f"... ({len(text)} characters)"


def main():
    binary = os.path.abspath(sys.argv[1])
    cases = list(usage_cases()) + list(nesting_cases())
    failures = 0
    for name, arguments, out, err, status in cases:
        described = shorten(repr([name] + arguments))
        try:
            proc = subprocess.run([name] + arguments, executable=binary,
                                  capture_output=True, timeout=TIMEOUT_SECONDS)
        except subprocess.TimeoutExpired:
            print(f"timed out: {described}")
            failures += 1
            continue
        actual = (proc.stdout.decode("utf-8", "replace"),
                  proc.stderr.decode("utf-8", "replace"), proc.returncode)
        # err may list the acceptable alternatives.
        if (actual[0], actual[2]) != (out, status) or actual[1] not in (
                err if isinstance(err, tuple) else (err,)):
            failures += 1
            print(described)
            print(f"  expected out={shorten(repr(out))} err={shorten(repr(err))} status={status}")
            print(f"  actual   out={shorten(repr(actual[0]))} err={shorten(repr(actual[1]))} "
                  f"status={actual[2]}")
    random_failed = random_failures(binary)
    print(f"{len(cases) + 1 - failures - random_failed} passed, {failures + random_failed} failed")
    failures += random_failed
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
