#!/usr/bin/env python3
"""Draw tbasic's ratio to each peer, per program, as grouped bars in an SVG.

    chart.py --title TITLE --out FILE.svg [RATIOS.txt...]   (default: stdin)

Reads ratio lines in the format summarize.py --ratios prints,
    fib: tbasic/yabasic=0.83 tbasic/brandy=1.1 tbasic/lua=12
(other lines are ignored), and draws one group of bars per program, one bar
per peer, on a logarithmic axis, growing from the 1.0 line: a bar below it
means tbasic is faster (or executes fewer instructions) than that peer.
Needs matplotlib (Debian python3-matplotlib).
"""
import argparse
import re
import sys

LINE = re.compile(r"^([\w.-]+): ((?:tbasic/\w+=[0-9.]+\s*)+)$")
COLOURS = {"yabasic": "#4e79a7", "brandy": "#f28e2b", "python": "#59a14f",
           "lua": "#b07aa1", "bwbasic": "#9c755f"}


def parse(lines):
    """[(program, {peer: ratio})] in the order the lines come."""
    rows = []
    for line in lines:
        m = LINE.match(line.strip())
        if m:
            cells = re.findall(r"tbasic/(\w+)=([0-9.]+)", m.group(2))
            rows.append((m.group(1), {p: float(r) for p, r in cells}))
    return rows


def draw(rows, title, out):
    import matplotlib
    matplotlib.use("svg")
    import matplotlib.pyplot as plt
    import matplotlib.ticker

    peers = []
    for _, ratios in rows:
        peers += [p for p in ratios if p not in peers]
    width = 0.8 / max(len(peers), 1)
    fig, ax = plt.subplots(figsize=(1.6 + 1.3 * len(rows), 4.2))
    for k, peer in enumerate(peers):
        xs = [i + (k - (len(peers) - 1) / 2) * width
              for i, (_, r) in enumerate(rows) if peer in r]
        ys = [r[peer] for _, r in rows if peer in r]
        # Bars grow from the 1.0 line: up where tbasic is behind, down where ahead.
        bars = ax.bar(xs, [y - 1 for y in ys], width, bottom=1, label=peer,
                      color=COLOURS.get(peer))
        ax.bar_label(bars, labels=["%g" % y for y in ys], fontsize=7, padding=1)
    ax.axhline(1.0, color="black", linewidth=1.2)
    ax.set_yscale("log")
    ax.yaxis.set_major_formatter(matplotlib.ticker.FormatStrFormatter("%g"))
    ax.yaxis.set_minor_formatter(matplotlib.ticker.NullFormatter())
    ax.set_xticks(range(len(rows)), [p for p, _ in rows])
    ax.set_ylabel("tbasic / peer (below 1: tbasic ahead)")
    ax.set_title(title, fontsize=10)
    ax.legend(fontsize=8, ncols=len(peers), loc="upper left")
    ax.margins(y=0.15)
    fig.tight_layout()
    fig.savefig(out, metadata={"Date": None})
    plt.close(fig)


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--title", required=True)
    ap.add_argument("--out", required=True)
    ap.add_argument("files", nargs="*")
    args = ap.parse_args()
    lines = []
    for path in args.files or ["-"]:
        lines += (sys.stdin if path == "-" else open(path)).read().splitlines()
    rows = parse(lines)
    if not rows:
        sys.exit("chart.py: no ratio lines in the input")
    draw(rows, args.title, args.out)


if __name__ == "__main__":
    main()
