#!/usr/bin/env python3
"""Quick checks of the benchmark tooling in bench/ (the measurements
themselves are too slow for the suite): the loading benchmark generates,
runs and checks its programs; the count report decides the targets right;
the chart reads ratio lines and writes an SVG (when gnuplot is there).

    bench_tools_test.py TBASIC
"""
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

BENCH = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "bench")
sys.path.insert(0, BENCH)
import chart  # noqa: E402

TBASIC = ""

COUNTS = """Instructions executed (callgrind 'Collected'), 2026-01-02

| program | tbasic | yabasic | brandy | python | lua |
|---|---|---|---|---|---|
| startup | 2600000 | 1000000 | 50000000 | 30000000 | 1000000 |
| fib | 2000000000 | 3000000000 | 2500000000 | 1000000000 | 500000000 |
| loops | 200000000 | 240000000 | 300000000 | 199999999 | n/a |
| math | 100 | 100 | 100 | 100 | WRONG |
"""


def run(args, env=None):
    return subprocess.run([sys.executable] + args, capture_output=True, text=True,
                          env=dict(os.environ, **(env or {})))


class LoadBenchmark(unittest.TestCase):
    @unittest.skipUnless(os.path.exists("/usr/bin/time"), "needs /usr/bin/time")
    def test_generates_runs_and_checks(self):
        with tempfile.TemporaryDirectory() as out:
            args = [os.path.join(BENCH, "load-large.py"), "--lines", "2500",
                    "--runs", "1", "--peers", "", out]
            r = run(args, {"TBASIC": TBASIC})
            self.assertEqual(r.returncode, 0, r.stdout + r.stderr)
            with open(os.path.join(out, "load.bas")) as f:
                lines = f.read().splitlines()
            self.assertEqual(len(lines), 2502)
            self.assertEqual((lines[0], lines[1], lines[-1]),
                             ("DIM s AS INTEGER", "s = s + 1", "PRINT s"))
            self.assertRegex(r.stdout, r"\| tbasic \| [0-9.]+ \| [0-9.]+ \| [0-9]+ \|")
            self.assertRegex(r.stdout, r"(PASS|FAIL)  load2500 wall time")
            # An interpreter that prints nothing is caught.
            r = run(args, {"TBASIC": shutil.which("true")})
            self.assertEqual(r.returncode, 1)
            self.assertIn("| tbasic | WRONG |", r.stdout)
            self.assertNotIn("load2500:", r.stdout)


class CountReport(unittest.TestCase):
    def test_ratios_targets_and_wrong_counts(self):
        with tempfile.NamedTemporaryFile("w", suffix=".md") as f:
            f.write(COUNTS)
            f.flush()
            r = run([os.path.join(BENCH, "count-report.py"), f.name])
        out = r.stdout
        self.assertEqual(r.returncode, 1)  # the WRONG cell
        self.assertIn("| math | 100 | 100 | 100 | 100 | WRONG |", out)
        self.assertIn("fib: tbasic/yabasic=0.67 tbasic/brandy=0.80 "
                      "tbasic/python=2.0 tbasic/lua=4.0", out)
        self.assertIn("tbasic 743, yabasic 1,114", out)  # per call of fib(30)
        # The limits are inclusive ("at most"); one instruction over fails.
        self.assertIn("PASS  fib      2,000,000,000 <= 0.8 x min(yabasic, brandy)"
                      " = 2,000,000,000", out)
        self.assertIn("PASS  fib      2,000,000,000 <= 2 x python", out)
        self.assertIn("FAIL  loops    200,000,000 <= 0.8 x min(yabasic, brandy)"
                      " = 192,000,000", out)
        self.assertIn("FAIL  loops    200,000,000 <= 1 x python = 199,999,999", out)
        self.assertIn("FAIL  startup  2,600,000 < 2,500,000", out)


class Chart(unittest.TestCase):
    def test_parse_keeps_ratio_lines_only(self):
        rows = chart.parse(["Ratios:", "fib: tbasic/yabasic=0.57 tbasic/lua=8.1",
                            "", "load300k: tbasic/python=0.75",
                            "PASS  fib tbasic/yabasic = 0.5 < 1.0"])
        self.assertEqual(rows, [("fib", {"yabasic": 0.57, "lua": 8.1}),
                                ("load300k", {"python": 0.75})])

    @unittest.skipUnless(shutil.which("gnuplot"), "needs gnuplot")
    def test_draws_svg(self):
        with tempfile.TemporaryDirectory() as out:
            svg = os.path.join(out, "c.svg")
            r = subprocess.run([sys.executable, os.path.join(BENCH, "chart.py"),
                                "--title", "t", "--out", svg],
                               input="fib: tbasic/yabasic=0.5 tbasic/lua=8\n",
                               capture_output=True, text=True)
            self.assertEqual(r.returncode, 0, r.stderr)
            with open(svg) as f:
                self.assertIn("<svg", f.read())


if __name__ == "__main__":
    TBASIC = os.path.abspath(sys.argv.pop(1))
    unittest.main()
