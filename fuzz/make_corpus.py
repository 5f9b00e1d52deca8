#!/usr/bin/env python3
"""Fills the seed corpora of the fuzz targets from the project's own inputs:
every tests/programs/**/*.bas and examples/*.bas for the tokenizer, program
and check targets, and every expression of tests/expressions/*.txt for the expression
target. Files are named by content hash, so running it again adds only what
is new and never disturbs what the fuzzers have found.

Usage: make_corpus.py CORPUS_ROOT   (creates CORPUS_ROOT/{tokenizer,expression,program,check})"""
import hashlib
import json
import os
import pathlib
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent


def store(folder, data):
    folder.mkdir(parents=True, exist_ok=True)
    path = folder / hashlib.sha1(data).hexdigest()
    if not path.exists():
        path.write_bytes(data)
        return 1
    return 0


def programs():
    for pattern in ("tests/programs/**/*.bas", "examples/*.bas"):
        for path in sorted(ROOT.glob(pattern)):
            yield path.read_bytes()


def expressions():
    for table in sorted((ROOT / "tests/expressions").glob("*.txt")):
        for line in table.read_text(encoding="utf-8", errors="surrogateescape").splitlines():
            if line.startswith("expr: "):
                yield line[len("expr: "):]
            elif line.startswith("args: "):
                try:
                    arguments = json.loads(line[len("args: "):])
                except ValueError:
                    continue
                if len(arguments) == 2 and arguments[0] == "-e":
                    yield arguments[1]


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    corpus = pathlib.Path(sys.argv[1])
    added = {"tokenizer": 0, "program": 0, "expression": 0, "check": 0}
    for data in programs():
        added["tokenizer"] += store(corpus / "tokenizer", data)
        added["program"] += store(corpus / "program", data)
        added["check"] += store(corpus / "check", data)
    for text in expressions():
        added["expression"] += store(corpus / "expression",
                                     text.encode("utf-8", errors="surrogateescape"))
    print("seed corpus: " + ", ".join(f"{name} +{count}" for name, count in added.items()))


if __name__ == "__main__":
    main()
