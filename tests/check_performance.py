#!/usr/bin/env python3
"""tbasic-check on a generated 100,000-line program (2,000 functions and a
long main program): it must finish without a finding in under LIMIT seconds
of processor time, and twice the program must take at most about twice the
memory.

Usage: check_performance.py CHECKER LIMIT_SECONDS"""
import os
import resource
import subprocess
import sys
import tempfile


def program(total_lines):
    lines = ["DIM total AS INTEGER"]
    for f in range(2000):
        lines += [
            "FUNCTION f%d(BYVAL a AS INTEGER, BYVAL b AS DOUBLE) AS DOUBLE" % f,
            "    DIM i, k AS INTEGER",
            "    DIM s AS STRING",
            "    FOR i = 1 TO a",
            "        IF i MOD 2 = 0 THEN",
            "            k = k + i * 2",
            "        ELSEIF i > 3 THEN",
            "            s = s + str(i) + \"x\"",
            "        ELSE",
            "            k = k - 1",
            "        END IF",
            "    NEXT i",
            "    DO WHILE k > 0",
            "        k = k \\ 2",
            "    LOOP",
            "    s = mid(s, 1, 2)",
            "    k = k + instr(s, \"x\")",
            "    PRINT s; len(s); k > 0",
            "    RETURN b * 2.0 + k",
            "END FUNCTION",
        ]
    m = 0
    while len(lines) < total_lines:
        kind = m % 4
        if kind == 0:
            lines.append("total = total + int(f%d(3, 1.5))" % (m % 2000))
        elif kind == 1:
            lines.append("PRINT total; \" \"; total * 2")
        elif kind == 2:
            lines.append("IF total > 5 THEN : total = total - 1 : END IF")
        else:
            lines.append("' a comment line")
        m += 1
    return "\n".join(lines) + "\n"


def measure(checker, text):
    with tempfile.TemporaryDirectory() as folder:
        path = os.path.join(folder, "big.bas")
        with open(path, "w") as handle:
            handle.write(text)
        before = resource.getrusage(resource.RUSAGE_CHILDREN)
        result = subprocess.run(["/usr/bin/env", checker, "--brief", path], capture_output=True)
        after = resource.getrusage(resource.RUSAGE_CHILDREN)
    seconds = (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)
    return result, seconds, after.ru_maxrss


def main():
    checker, limit = os.path.abspath(sys.argv[1]), float(sys.argv[2])
    result, seconds, small_memory = measure(checker, program(100000))
    summary = result.stdout.decode().strip().splitlines()[-1:]
    print("100,000 lines: %.2f s of processor time, %s" % (seconds, summary))
    ok = True
    if result.returncode != 0 or summary != ["0 errors, 0 warnings in 1 file"]:
        print(result.stdout.decode()[:2000])
        ok = False
    if seconds > limit:
        print("slower than %.1f s" % limit)
        ok = False
    _, _, large_memory = measure(checker, program(200000))
    print("memory: %d KiB for 100,000 lines, %d KiB for 200,000" % (small_memory, large_memory))
    if large_memory > 2.5 * small_memory:
        print("memory grows faster than the file")
        ok = False
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
