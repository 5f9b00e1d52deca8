#!/usr/bin/env python3
"""Draw tbasic's ratio to each peer, per program, as grouped bars in an SVG.

    chart.py --title TITLE --out FILE.svg [RATIOS.txt...]   (default: stdin)

Reads ratio lines in the format summarize.py --ratios prints,
    fib: tbasic/yabasic=0.83 tbasic/brandy=1.1 tbasic/lua=12
(other lines are ignored), and draws one group of bars per program, one bar
per peer, on a logarithmic axis, growing from the 1.0 line: a bar below it
means tbasic is faster (or executes fewer instructions) than that peer.
Needs gnuplot (Debian gnuplot-nox).
"""
import argparse
import re
import subprocess
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


def gnuplot_script(rows, title, out):
    """The gnuplot commands that draw the chart into OUT."""
    peers = []
    for _, ratios in rows:
        peers += [p for p in ratios if p not in peers]
    width = 0.8 / max(len(peers), 1)
    values = [r for _, ratios in rows for r in ratios.values()] + [1.0]
    cmds = [
        'set terminal svg size %d,440 noenhanced font "sans,12" background "white"'
        % (160 + 110 * len(rows)),
        "set output '%s'" % out.replace("'", "''"),
        "set title '%s'" % title.replace("'", "''"),
        "set logscale y",
        "set yrange [%g:%g]" % (min(values) / 1.8, max(values) * 2.2),
        "set xrange [-0.6:%g]" % (len(rows) - 0.4),
        "set ylabel 'tbasic / peer (below 1: tbasic ahead)'",
        "set xtics (%s) scale 0" % ", ".join(
            "'%s' %d" % (prog, i) for i, (prog, _) in enumerate(rows)),
        "set grid ytics lc rgb '#dddddd'",
        "set key top left horizontal",
        "set style fill solid border -1",
        "set arrow from graph 0, first 1 to graph 1, first 1 nohead lw 2 front",
    ]
    plots, data = [], []
    for k, peer in enumerate(peers):
        points = ["%g %g" % (i + (k - (len(peers) - 1) / 2) * width, r[peer])
                  for i, (_, r) in enumerate(rows) if peer in r]
        data += ["$%s << EOD" % peer] + points + ["EOD"]
        # A bar grows from the 1.0 line to the ratio, up or down.
        plots.append("$%s using 1:2:($1-%g):($1+%g):(1):2 with boxxyerror "
                     "lc rgb '%s' title '%s'" % (peer, width / 2, width / 2,
                                                 COLOURS.get(peer, "#888888"), peer))
        plots.append("$%s using 1:($2 >= 1 ? $2 * 1.12 : $2 / 1.12):"
                     "(sprintf('%%g', $2)) with labels font ',8' notitle" % peer)
    return "\n".join(data + cmds + ["plot " + ", \\\n  ".join(plots)]) + "\n"


def draw(rows, title, out):
    subprocess.run(["gnuplot"], input=gnuplot_script(rows, title, out),
                   text=True, check=True)


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
