#!/usr/bin/env python3
"""Instruction counts against the peers, with the performance targets.

    count-report.py [--chart FILE.svg] COUNTS.md

COUNTS.md is the table count-instructions.sh prints (one run, with a tbasic
column). Prints the counts, tbasic's ratio to each peer, the instructions
per call of fib (all of fib's instructions over its calls, start-up
included), the ratio lines of summarize.py's format, and PASS or FAIL for
each instruction-count target. With --chart, also draws the ratios with
chart.py. Exit status 1 when a count is missing or WRONG (targets that fail
do not change it).
"""
import argparse
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from summarize import ORDER, ratio_text  # noqa: E402

FIB_CALLS = 2692537  # fib(30)
STARTUP_LIMIT = 2_500_000


def read_table(path):
    """(date line, peers in column order, {program: {peer: cell}}, whether
    every cell holds a count or n/a). A cell is a count, None for n/a, or
    the text found (WRONG)."""
    title, header, counts, ok = "", None, {}, True
    for line in open(path):
        if line.startswith("Instructions"):
            title = line.strip()
        if not line.startswith("| ") or line.startswith("|---"):
            continue
        cells = [c.strip() for c in line.strip().strip("|").split("|")]
        if header is None:
            header = cells[1:]
            continue
        counts[cells[0]] = {p: int(c) if c.isdigit() else None if c == "n/a" else c
                            for p, c in zip(header, cells[1:])}
        ok = ok and all(c.isdigit() or c == "n/a" for c in cells[1:])
    if not header or "tbasic" not in header:
        sys.exit("%s: no table with a tbasic column" % path)
    return title, [p for p in header if p != "tbasic"], counts, ok


def num(cell):
    """The count in a cell, or None."""
    return cell if isinstance(cell, int) else None


def targets(counts):
    """[(passed, text)] for the targets that the counts present can decide."""
    out = []
    for prog in ORDER[1:]:
        row = counts.get(prog, {})
        mine = num(row.get("tbasic"))
        basics = [num(row.get(p)) for p in ("yabasic", "brandy") if num(row.get(p))]
        if mine is None:
            continue
        if len(basics) == 2:
            limit = 0.8 * min(basics)
            out.append((mine <= limit, "%-8s %s <= 0.8 x min(yabasic, brandy) = %s"
                        % (prog, f"{mine:,}", f"{int(limit):,}")))
        if num(row.get("python")):
            factor = 2 if prog == "fib" else 1
            limit = factor * row["python"]
            out.append((mine <= limit, "%-8s %s <= %s python = %s"
                        % (prog, f"{mine:,}", "2 x" if factor == 2 else "1 x",
                           f"{limit:,}")))
    start = num(counts.get("startup", {}).get("tbasic"))
    if start is not None:
        out.append((start < STARTUP_LIMIT, "%-8s %s < %s"
                    % ("startup", f"{start:,}", f"{STARTUP_LIMIT:,}")))
    return out


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--chart")
    ap.add_argument("counts")
    args = ap.parse_args()
    title, peers, counts, ok = read_table(args.counts)
    progs = [p for p in ORDER if p in counts] + [p for p in counts if p not in ORDER]

    def cell(n):
        return "n/a" if n is None else f"{n:,}" if num(n) else n

    print("%s; one run, standard set\n" % (title or "Instructions (callgrind)"))
    print("| program | tbasic | " + " | ".join(peers) + " | "
          + " | ".join("tbasic/" + p for p in peers) + " |")
    print("|---|" + "---:|" * (1 + 2 * len(peers)))
    lines = []
    for prog in progs:
        row = counts[prog]
        mine = num(row.get("tbasic"))
        ratios = {p: ratio_text(mine / row[p]) for p in peers if mine and num(row.get(p))}
        print("| %s | %s | %s | %s |" % (
            prog, cell(row.get("tbasic")), " | ".join(cell(row.get(p)) for p in peers),
            " | ".join(ratios.get(p, "n/a") for p in peers)))
        if ratios:
            lines.append("%s: %s" % (prog, " ".join(
                "tbasic/%s=%s" % (p, r) for p, r in ratios.items())))
    fib = counts.get("fib", {})
    if fib:
        print("\nfib(30), instructions per call (count / %s calls): %s" % (
            f"{FIB_CALLS:,}", ", ".join(
                "%s %s" % (p, f"{round(n / FIB_CALLS):,}")
                for p, n in fib.items() if num(n))))
    print("\nRatios (tbasic / peer, instructions; below 1: fewer than the peer):\n")
    print("\n".join(lines))
    print("\nTargets (instructions, standard set):")
    for passed, text in targets(counts):
        print("%s  %s" % ("PASS" if passed else "FAIL", text))
    if args.chart and lines:
        import chart
        chart.draw(chart.parse(lines), "tbasic / peer, callgrind instructions, "
                   "standard set (%s)" % title.rsplit(", ", 1)[-1], args.chart)
        print("\nChart: %s" % args.chart)
    if not ok:
        print("some counts are missing or WRONG (see above)", file=sys.stderr)
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
