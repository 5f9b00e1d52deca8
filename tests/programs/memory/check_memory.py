#!/usr/bin/env python3
"""Runs long programs and checks that their memory stays flat.

    check_memory.py TBASIC PROGRAM.bas...

Each program runs as `TBASIC -f NAME.bas` in its folder; its standard
output, standard error and exit status must match the expectations written
in it (as for every program test), and its peak resident memory (maximum
RSS, as /usr/bin/time reports it) may exceed that of a one-line program by
at most GROWTH_LIMIT_KIB. The programs run ten million loop passes or calls,
so anything kept per pass or per call (a byte would add about 10 MB) fails.
"""
import os
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
from run_program_test import expectations, show_diff  # noqa: E402

GROWTH_LIMIT_KIB = 8 * 1024
TIMEOUT_SECONDS = 600


TIME = "/usr/bin/time"


def run(binary, program):
    """Runs one program; returns (stdout, stderr, status, peak KiB, seconds).

    The kernel keeps a process's peak RSS across exec, so a child forked
    from this Python process would start from Python's own size. With
    /usr/bin/time in between, the interpreter is forked from a small process
    and its figure is its own; without it, wait4 gives a figure that is too
    high by about this script's size (still far below what a leak adds).
    """
    with tempfile.TemporaryDirectory() as folder:
        out_path, err_path = os.path.join(folder, "out"), os.path.join(folder, "err")
        rss_path = os.path.join(folder, "rss")
        command = [binary, "-f", os.path.basename(program)]
        if os.access(TIME, os.X_OK):
            command = [TIME, "-q", "-f", "%M", "-o", rss_path] + command
        started = time.monotonic()
        with open(out_path, "wb") as out, open(err_path, "wb") as err:
            proc = subprocess.Popen(command, cwd=os.path.dirname(program),
                                    stdin=subprocess.DEVNULL, stdout=out, stderr=err)
            deadline = started + TIMEOUT_SECONDS
            while True:
                pid, status, usage = os.wait4(proc.pid, os.WNOHANG)
                if pid == proc.pid:
                    break
                if time.monotonic() > deadline:
                    proc.kill()
                    os.wait4(proc.pid, 0)
                    raise TimeoutError(f"{program} did not finish within {TIMEOUT_SECONDS} s")
                time.sleep(0.05)
        proc.returncode = os.waitstatus_to_exitcode(status)
        elapsed = time.monotonic() - started
        peak = usage.ru_maxrss  # KiB on Linux
        if os.path.exists(rss_path):
            with open(rss_path) as f:
                peak = int(f.read().split()[-1])
        with open(out_path, "rb") as f:
            stdout = f.read()
        with open(err_path, "rb") as f:
            stderr = f.read()
        return stdout, stderr, proc.returncode, peak, elapsed


def main():
    if len(sys.argv) < 3:
        print(__doc__)
        return 2
    binary = os.path.abspath(sys.argv[1])
    with tempfile.TemporaryDirectory() as folder:
        baseline_program = os.path.join(folder, "baseline.bas")
        with open(baseline_program, "w") as f:
            f.write("PRINT 42\n")
        out, _, status, baseline, _ = run(binary, baseline_program)
        if out != b"42\n" or status != 0:
            print(f"FAIL: the one-line baseline program printed {out!r}, exit status {status}")
            return 1
    print(f"baseline (PRINT 42): peak RSS {baseline} KiB")

    failures = 0
    for program in map(os.path.abspath, sys.argv[2:]):
        name = os.path.basename(program)
        expected_out, expected_err, expected_status = expectations(program)
        try:
            out, err, status, peak, seconds = run(binary, program)
        except TimeoutError as error:
            print(f"FAIL: {error}")
            failures += 1
            continue
        growth = peak - baseline
        print(f"{name}: peak RSS {peak} KiB ({growth:+d} KiB over the baseline, "
              f"limit +{GROWTH_LIMIT_KIB}), {seconds:.1f} s")
        ok = True
        if out != expected_out:
            show_diff(f"{name}: standard output", expected_out, out)
            ok = False
        if err != expected_err:
            show_diff(f"{name}: standard error", expected_err, err)
            ok = False
        if status != expected_status:
            print(f"--- {name}: exit status: expected {expected_status}, got {status}")
            ok = False
        if growth > GROWTH_LIMIT_KIB:
            print(f"--- {name}: memory grew with the work: peak {peak} KiB, "
                  f"{growth} KiB over the baseline")
            ok = False
        if not ok:
            failures += 1
    print(f"{len(sys.argv) - 2 - failures} passed, {failures} failed")
    return 0 if failures == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
