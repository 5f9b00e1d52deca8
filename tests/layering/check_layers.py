#!/usr/bin/env python3
"""Fails when a file under src/ includes a header from a layer above its own,
or when two folders include each other (directly or through others).

    check_layers.py SRC_DIR        check a source tree
    check_layers.py --self-test    check that the rules catch what they should

The layers, lowest first. A folder may include its own headers and those of
any lower layer; folders that share a layer may not include each other.
"""
import os
import re
import sys
import tempfile

LAYERS = [
    ["diagnostics"],
    ["text"],
    ["values"],
    ["lexer"],
    ["expressions"],
    ["statements", "checker"],
    ["driver"],
]
LEVEL = {folder: level for level, folders in enumerate(LAYERS) for folder in folders}
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.MULTILINE)
SOURCE_SUFFIXES = (".h", ".hpp", ".cpp", ".cc")


def includes_of(path):
    with open(path, encoding="utf-8", errors="replace") as f:
        return INCLUDE.findall(f.read())


def check(src):
    problems = []
    edges = {}
    for root, _, files in os.walk(src):
        for name in sorted(files):
            if not name.endswith(SOURCE_SUFFIXES):
                continue
            path = os.path.join(root, name)
            relative = os.path.relpath(path, src).replace(os.sep, "/")
            if "/" not in relative:
                problems.append(f"{relative}: files belong in a layer folder")
                continue
            folder = relative.split("/")[0]
            if folder not in LEVEL:
                problems.append(f"{relative}: folder '{folder}' is in no layer (add it to {sys.argv[0]})")
                continue
            for header in includes_of(path):
                if "/" not in header:
                    continue  # a header beside the file, or a system one in quotes
                target = header.split("/")[0]
                if target not in LEVEL:
                    continue  # not one of ours
                if target == folder:
                    continue
                edges.setdefault(folder, set()).add(target)
                if LEVEL[target] > LEVEL[folder]:
                    problems.append(f"{relative}: includes {header}, a layer above {folder}")
                elif LEVEL[target] == LEVEL[folder]:
                    problems.append(f"{relative}: includes {header}, from {target}, which shares its layer")
    problems += cycles(edges)
    return problems


def cycles(edges):
    """One line per folder cycle found by depth-first search."""
    found = []
    state = {}

    def visit(node, stack):
        state[node] = "open"
        stack.append(node)
        for nxt in sorted(edges.get(node, ())):
            if state.get(nxt) == "open":
                found.append("folder cycle: " + " -> ".join(stack[stack.index(nxt):] + [nxt]))
            elif nxt not in state:
                visit(nxt, stack)
        stack.pop()
        state[node] = "done"

    for node in sorted(edges):
        if node not in state:
            visit(node, [])
    return found


def self_test():
    cases = {
        "clean": ({"values/A.h": '#include "text/Text.h"\n#include "diagnostics/Error.h"\n',
                   "checker/C.cpp": '#include "expressions/E.h"\n#include "checker/C.h"\n'}, 0),
        "upward": ({"lexer/T.cpp": '#include "statements/P.h"\n'}, 1),
        "sideways": ({"checker/C.cpp": '#include "statements/P.h"\n'}, 1),
        "unknown folder": ({"misc/M.cpp": '#include "values/V.h"\n'}, 1),
        "cycle": ({"values/V.cpp": '#include "lexer/T.h"\n', "lexer/T.cpp": '#include "values/V.h"\n'}, 2),
    }
    failed = 0
    for name, (files, expected) in cases.items():
        with tempfile.TemporaryDirectory() as src:
            for relative, text in files.items():
                os.makedirs(os.path.join(src, os.path.dirname(relative)), exist_ok=True)
                with open(os.path.join(src, relative), "w") as f:
                    f.write(text)
            problems = check(src)
        if len(problems) != expected:
            failed += 1
            print(f"self-test '{name}': expected {expected} problem(s), got {problems}")
    print(f"{len(cases) - failed} passed, {failed} failed")
    return 1 if failed else 0


def main():
    if sys.argv[1:] == ["--self-test"]:
        return self_test()
    if len(sys.argv) != 2:
        print(__doc__)
        return 2
    problems = check(sys.argv[1])
    for line in problems:
        print(line)
    if problems:
        print(f"{len(problems)} layering problem(s)")
        return 1
    print("layers: every include points down")
    return 0


if __name__ == "__main__":
    sys.exit(main())
