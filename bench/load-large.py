#!/usr/bin/env python3
"""Loading benchmark: time and peak memory of a long straight-line program.

    load-large.py [--lines N] [--runs R] [--peers "yabasic lua python"] OUTDIR

Writes the programs of large_program.py into OUTDIR (N lines of `s = s + 1`,
default 300000), runs tbasic ($TBASIC, required) and each installed peer R
times (default 3), checks that each prints N, and prints a Markdown table of
the fastest wall time and the largest peak resident memory (as /usr/bin/time
reports it), then one ratio line (tbasic's time / each peer's, the format of
summarize.py --ratios) and the loading targets. brandy is left out: its line numbers stop at 65279, so it
cannot hold 300,000 lines. Exit status 1 when an answer is wrong.
"""
import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import large_program  # noqa: E402
from summarize import ratio_text  # noqa: E402

PY = "/usr/bin/python3" if os.path.exists("/usr/bin/python3") else "python3"
COMMANDS = {
    "yabasic": ["yabasic", "load.yab"],
    "lua": ["lua5.4", "load.lua"],
    "python": [PY, "load.py"],
}
TARGET_SECONDS = 0.3
TARGET_KIB = 100e6 / 1024  # 100 MB


def run_once(cmd, cwd):
    """(wall seconds, CPU seconds, peak RSS in KiB, exit status, stdout) of
    one run. /usr/bin/time measures CPU time and memory: a child forked from
    this Python process would inherit its peak."""
    with tempfile.NamedTemporaryFile() as usage:
        start = time.perf_counter()
        proc = subprocess.run(["/usr/bin/time", "-f", "%M %U %S", "-o", usage.name] + cmd,
                              cwd=cwd, stdin=subprocess.DEVNULL,
                              stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        wall = time.perf_counter() - start
        kib, user, system = open(usage.name).read().split("\n")[-2].split()
    return (wall, float(user) + float(system), int(kib), proc.returncode,
            proc.stdout.decode().strip())


def measure(cmd, cwd, runs, answer):
    """(fastest wall time, least CPU time, largest peak KiB), or None for a
    wrong answer."""
    best, cpu, peak = float("inf"), float("inf"), 0
    for _ in range(runs):
        wall, used, kib, status, text = run_once(cmd, cwd)
        if status != 0 or text != answer:
            return None
        best, cpu, peak = min(best, wall), min(cpu, used), max(peak, kib)
    return best, cpu, peak


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("outdir")
    ap.add_argument("--lines", type=int, default=300000)
    ap.add_argument("--runs", type=int, default=3)
    ap.add_argument("--peers", default="yabasic lua python")
    args = ap.parse_args()
    tbasic = os.environ.get("TBASIC")
    if not tbasic or not os.access(tbasic, os.X_OK):
        sys.exit("set TBASIC to the interpreter")
    if not os.access("/usr/bin/time", os.X_OK):
        sys.exit("/usr/bin/time is not installed (apt-get install time)")
    large_program.write_all(args.outdir, args.lines)

    commands = {"tbasic": [os.path.abspath(tbasic), "-f", "load.bas"]}
    for peer in args.peers.split():
        if peer in COMMANDS and shutil.which(COMMANDS[peer][0]):
            commands[peer] = COMMANDS[peer]
        else:
            print("%s: unknown or not installed; skipped" % peer, file=sys.stderr)

    size = os.path.getsize(os.path.join(args.outdir, "load.bas")) / 1e6
    print("Loading %d lines of `s = s + 1` (%.1f MB): fastest of %d runs, "
          "largest peak memory\n" % (args.lines, size, args.runs))
    print("| interpreter | wall time (s) | CPU time (s) | peak memory (KiB) "
          "| tbasic / it (wall time) |")
    print("|---|---:|---:|---:|---:|")
    results, ok = {}, True
    for name, cmd in commands.items():
        r = measure(cmd, args.outdir, args.runs, str(args.lines))
        if r is None:
            print("| %s | WRONG | | | |" % name)
            ok = False
            continue
        results[name] = r
    mine = results.get("tbasic")
    for name, (wall, cpu, kib) in results.items():
        ratio = ratio_text(mine[0] / wall) if mine and name != "tbasic" else ""
        print("| %s | %.3f | %.2f | %d | %s |" % (name, wall, cpu, kib, ratio))
    print("| brandy | n/a (line numbers stop at 65279) | | | |")
    if not mine:
        return 1
    label = "load%dk" % (args.lines // 1000) if args.lines % 1000 == 0 else "load%d" % args.lines
    print("\n%s: %s" % (label, " ".join(
        "tbasic/%s=%s" % (n, ratio_text(mine[0] / w))
        for n, (w, _, _) in results.items() if n != "tbasic")))
    print("\nTargets (loading):")
    print("%s  %s wall time %.3f s < %.1f s" % (
        "PASS" if mine[0] < TARGET_SECONDS else "FAIL", label, mine[0], TARGET_SECONDS))
    print("%s  %s peak memory %.0f MB < 100 MB" % (
        "PASS" if mine[2] < TARGET_KIB else "FAIL", label, mine[2] * 1024 / 1e6))
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
