#!/usr/bin/env python3
"""Runs the program tests (tests/programs/**/*.bas) and, with --hostile, the
generated hostile cases under valgrind's memcheck, and fails on any invalid
access, use of uninitialised memory, or memory definitely or indirectly
lost. Memory still reachable at exit is fine: an error ends the run and
leaves the open frames to the process exit.

Usage: memcheck.py [--hostile] [--jobs N] [--filter TEXT] [--skip TEXT] TBASIC

TBASIC should be a build without sanitizers (make build gives one)."""
import argparse
import concurrent.futures
import glob
import os
import re
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(ROOT, "tests"))
import run_program_test  # noqa: E402  (expectations of a program test)

VALGRIND = ["valgrind", "--tool=memcheck", "--leak-check=full", "--show-leak-kinds=definite,indirect",
            "--errors-for-leak-kinds=definite,indirect", "--track-origins=yes", "--error-exitcode=99",
            "--num-callers=30"]
TIMEOUT_SECONDS = 1800


def log_problems(log_path):
    """The memcheck findings of one log: error summary and lost bytes."""
    with open(log_path, errors="replace") as f:
        text = f.read()
    problems = []
    summary = re.search(r"ERROR SUMMARY: (\d+) errors", text)
    if not summary:
        problems.append("no error summary (valgrind did not finish)")
    elif summary.group(1) != "0":
        problems.append(f"{summary.group(1)} memcheck errors")
    for kind in ("definitely lost", "indirectly lost"):
        lost = re.search(kind + r": ([\d,]+) bytes", text)
        if lost and lost.group(1) != "0":
            problems.append(f"{kind}: {lost.group(1)} bytes")
    return problems, text


def check_program(binary, program, logs):
    expected_out, expected_err, expected_status = run_program_test.expectations(program)
    log = os.path.join(logs, os.path.relpath(program, ROOT).replace(os.sep, "_") + ".log")
    try:
        proc = subprocess.run(VALGRIND + [f"--log-file={log}", binary, "-f", os.path.basename(program)],
                              cwd=os.path.dirname(program), capture_output=True, timeout=TIMEOUT_SECONDS)
    except subprocess.TimeoutExpired:
        return program, ["timed out"], ""
    problems, text = log_problems(log)
    if proc.stdout != expected_out:
        problems.append("standard output differs from the test's expectation")
    if proc.stderr != expected_err:
        problems.append("standard error differs from the test's expectation")
    if proc.returncode != expected_status:
        problems.append(f"exit status {proc.returncode}, expected {expected_status}")
    return program, problems, text


def check_hostile(binary, case, logs):
    log = os.path.join(logs, f"hostile_{case}.%p.log")
    wrapper = " ".join(VALGRIND + [f"--log-file={log}"])
    try:
        proc = subprocess.run([sys.executable, os.path.join(ROOT, "tests", "run_hostile_tests.py"),
                               "--wrapper", wrapper, binary, case], capture_output=True, text=True,
                              timeout=TIMEOUT_SECONDS * 2)
    except subprocess.TimeoutExpired:
        return f"hostile/{case}", ["timed out"], ""
    problems, texts = [], []
    for path in glob.glob(os.path.join(logs, f"hostile_{case}.*.log")):
        found, text = log_problems(path)
        problems += found
        texts.append(text)
    if proc.returncode != 0:
        problems.append("case failed: " + proc.stdout.strip().replace("\n", " | "))
    return f"hostile/{case}", problems, "\n".join(texts)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("binary")
    parser.add_argument("--hostile", action="store_true", help="also run the generated hostile cases")
    parser.add_argument("--jobs", type=int, default=os.cpu_count() or 2)
    parser.add_argument("--filter", default="", help="only tests whose name contains this text")
    parser.add_argument("--skip", action="append", default=[],
                        help="leave out tests whose name contains this text (repeatable)")
    args = parser.parse_args()
    binary = os.path.abspath(args.binary)

    programs = sorted(glob.glob(os.path.join(ROOT, "tests", "programs", "**", "*.bas"), recursive=True))
    def wanted(name):
        return args.filter in name and not any(skip in name for skip in args.skip)

    jobs = [(check_program, p) for p in programs if wanted(os.path.relpath(p, ROOT))]
    if args.hostile:
        cases = subprocess.run([sys.executable, os.path.join(ROOT, "tests", "run_hostile_tests.py"), "--list"],
                               capture_output=True, text=True, check=True).stdout.split()
        jobs += [(check_hostile, c) for c in cases if wanted(f"hostile/{c}")]

    failed = 0
    with tempfile.TemporaryDirectory(prefix="tbasic-memcheck-") as logs:
        with concurrent.futures.ThreadPoolExecutor(max_workers=args.jobs) as pool:
            futures = [pool.submit(function, binary, item, logs) for function, item in jobs]
            for future in concurrent.futures.as_completed(futures):
                name, problems, text = future.result()
                shown = os.path.relpath(name, ROOT) if os.path.isabs(name) else name
                if problems:
                    failed += 1
                    print(f"FAIL {shown}: {'; '.join(problems)}")
                    print(text[-6000:])
                else:
                    print(f"ok   {shown}")
                sys.stdout.flush()
    print(f"memcheck: {len(jobs) - failed} of {len(jobs)} clean")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
