#!/usr/bin/env python3
"""Write the straight-line loading benchmark: LINES lines of `s = s + 1`
after a declaration, then a print of s, in tbasic and in each peer.

    large_program.py OUTDIR [LINES]        (default 300000 lines)

Creates OUTDIR/load.bas (tbasic), load.yab, load.bbc, load.lua and load.py;
each prints LINES. The programs measure loading (reading, tokenizing and the
pre-passes) more than running: every line runs once.
"""
import os
import sys

# name -> (head, body line, tail); the brandy version writes its answer to
# /dev/stdout itself (its PRINT goes to an SDL window, see README.md).
VERSIONS = {
    "load.bas": ("DIM s AS INTEGER\n", "s = s + 1\n", "PRINT s\n"),
    "load.yab": ("s = 0\n", "s = s + 1\n", "print s\n"),
    "load.bbc": ("s% = 0\n", "s% = s% + 1\n",
                 'out% = OPENOUT("/dev/stdout")\nBPUT#out%, STR$(s%)\n'
                 "CLOSE#out%\nQUIT\n"),
    "load.lua": ("local s = 0\n", "s = s + 1\n", "print(s)\n"),
    "load.py": ("s = 0\n", "s = s + 1\n", "print(s)\n"),
}


def write_all(outdir, lines):
    os.makedirs(outdir, exist_ok=True)
    for name, (head, body, tail) in VERSIONS.items():
        with open(os.path.join(outdir, name), "w") as f:
            f.write(head + body * lines + tail)


if __name__ == "__main__":
    if not 2 <= len(sys.argv) <= 3:
        sys.exit(__doc__)
    write_all(sys.argv[1], int(sys.argv[2]) if len(sys.argv) == 3 else 300000)
