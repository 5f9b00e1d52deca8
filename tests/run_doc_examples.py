#!/usr/bin/env python3
"""Runs every example of the Markdown files given and compares what tbasic
prints with what the page shows, so the documentation cannot drift from the
interpreter.

Usage: run_doc_examples.py TBASIC REPO_ROOT FILE.md...
       run_doc_examples.py --man GROFF PAGE.1

Two kinds of examples are checked:

* A ```basic block followed (blank lines allowed, nothing else) by an
  ```output block: the program is saved as prog.bas in an empty folder and
  run as `tbasic -f prog.bas` there; its standard output must equal the
  output block exactly (tabs included), its exit status must be 0 and its
  standard error empty, unless an optional ```stderr block follows the
  output block.
* A ```sh block: every line starting with "$ tbasic" is a command line
  (split as a shell would, run from REPO_ROOT); the lines after it, up to
  the next "$ " line, are what the terminal shows: standard output followed
  by standard error. The exit status must be 0 for `-f` runs, and 1 exactly
  when something was written to standard error otherwise.

Any other block (```text and so on) is prose and is not run. A ```basic
block without its output block, or an output block without a program, is
itself an error.

With --man, the man page is formatted with groff and every warning fails.
"""
import difflib
import os
import re
import shlex
import subprocess
import sys
import tempfile

TIMEOUT_SECONDS = 60
FENCE = re.compile(r"^```\s*([A-Za-z0-9_-]*)\s*$")


class Block:
    def __init__(self, lang, line, adjacent):
        self.lang = lang
        self.line = line          # line number of the opening fence
        self.adjacent = adjacent  # only blank lines since the previous block
        self.lines = []

    @property
    def text(self):
        return "".join(line + "\n" for line in self.lines)


def read_blocks(path):
    blocks, current, adjacent = [], None, False
    with open(path, encoding="utf-8") as f:
        for number, raw in enumerate(f.read().split("\n"), 1):
            if current is not None:
                if raw.strip() == "```":
                    blocks.append(current)
                    current, adjacent = None, True
                else:
                    current.lines.append(raw)
                continue
            match = FENCE.match(raw)
            if match:
                current = Block(match.group(1).lower(), number, adjacent)
            elif raw.strip():
                adjacent = False
    if current is not None:
        raise SystemExit(f"{path}:{current.line}: code block never closed")
    return blocks


def show_diff(label, expected, actual):
    exp = expected.splitlines(keepends=True)
    act = actual.splitlines(keepends=True)
    out = [f"  --- {label} differs:\n"]
    for line in difflib.unified_diff(exp, act, "shown", "actual"):
        line = line.replace("\t", "<TAB>")
        out.append("  " + (line if line.endswith("\n") else line + "\\ (no line end)\n"))
    return "".join(out)


def run(binary, args, cwd):
    # argv[0] is "tbasic", as on the page, so the usage banner matches.
    proc = subprocess.run(["tbasic"] + args, executable=binary, cwd=cwd,
                          capture_output=True, timeout=TIMEOUT_SECONDS)
    return (proc.stdout.decode("utf-8", "replace"),
            proc.stderr.decode("utf-8", "replace"), proc.returncode)


def check_program(binary, program, output, stderr):
    problems = []
    with tempfile.TemporaryDirectory() as folder:
        with open(os.path.join(folder, "prog.bas"), "w", encoding="utf-8") as f:
            f.write(program.text)
        out, err, status = run(binary, ["-f", "prog.bas"], folder)
    if out != output.text:
        problems.append(show_diff("standard output", output.text, out))
    expected_err = stderr.text if stderr else ""
    if err != expected_err:
        problems.append(show_diff("standard error", expected_err, err))
    if status != 0:
        problems.append(f"  --- exit status {status}, expected 0\n")
    return problems


def check_session(binary, root, block, path):
    failures = 0
    commands = []
    for offset, line in enumerate(block.lines, 1):
        if line.startswith("$ "):
            commands.append((block.line + offset, line[2:], []))
        elif commands:
            commands[-1][2].append(line + "\n")
        elif line.strip():
            print(f"{path}:{block.line + offset}: output before any '$ ' command")
            failures += 1
    for number, command, shown in commands:
        words = shlex.split(command)
        if not words or words[0] != "tbasic":
            print(f"{path}:{number}: only tbasic commands can be checked: {command}")
            failures += 1
            continue
        args = words[1:]
        expected = "".join(shown)
        try:
            out, err, status = run(binary, args, root)
        except subprocess.TimeoutExpired:
            print(f"{path}:{number}: timed out: {command}")
            failures += 1
            continue
        problems = []
        if out + err != expected:
            problems.append(show_diff("terminal output", expected, out + err))
        file_mode = len(args) == 2 and args[0] == "-f"
        expected_status = 0 if file_mode else (1 if err else 0)
        if status != expected_status:
            problems.append(f"  --- exit status {status}, expected {expected_status}"
                            f" (standard error: {err!r})\n")
        if problems:
            print(f"{path}:{number}: {command}")
            sys.stdout.write("".join(problems))
            failures += 1
    return failures, len(commands)


def check_file(binary, root, path):
    blocks = read_blocks(path)
    failures, checked, i = 0, 0, 0
    while i < len(blocks):
        block = blocks[i]
        if block.lang == "basic":
            following = blocks[i + 1] if i + 1 < len(blocks) else None
            if following is None or following.lang != "output" or not following.adjacent:
                print(f"{path}:{block.line}: a basic block must be followed by its output block")
                failures += 1
                i += 1
                continue
            stderr = None
            if i + 2 < len(blocks) and blocks[i + 2].lang == "stderr" and blocks[i + 2].adjacent:
                stderr = blocks[i + 2]
            try:
                problems = check_program(binary, block, following, stderr)
            except subprocess.TimeoutExpired:
                problems = [f"  --- timed out after {TIMEOUT_SECONDS} s\n"]
            if problems:
                print(f"{path}:{block.line}: program example")
                sys.stdout.write("".join(problems))
                failures += 1
            checked += 1
            i += 3 if stderr else 2
        elif block.lang == "sh":
            bad, count = check_session(binary, root, block, path)
            failures += bad
            checked += count
            i += 1
        elif block.lang in ("output", "stderr"):
            print(f"{path}:{block.line}: {block.lang} block without a program before it")
            failures += 1
            i += 1
        else:
            i += 1
    return failures, checked


def check_man_page(groff, page):
    proc = subprocess.run([groff, "-man", "-Tutf8", "-ww", page],
                          capture_output=True, timeout=TIMEOUT_SECONDS)
    sys.stdout.write(proc.stderr.decode("utf-8", "replace"))
    if proc.returncode != 0 or proc.stderr or not proc.stdout.strip():
        print(f"{page}: groff reported problems (status {proc.returncode})")
        return 1
    print(f"{page}: formats cleanly")
    return 0


def main():
    if len(sys.argv) == 4 and sys.argv[1] == "--man":
        return check_man_page(sys.argv[2], sys.argv[3])
    if len(sys.argv) < 4:
        raise SystemExit(__doc__)
    binary, root = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    total_failures, total_checked = 0, 0
    for path in sys.argv[3:]:
        failures, checked = check_file(binary, root, path)
        total_failures += failures
        total_checked += checked
    print(f"{total_checked} examples checked, {total_failures} failed")
    if total_checked == 0:
        print("no examples found: is the page still using ```basic/```output and ```sh blocks?")
        return 1
    return 1 if total_failures else 0


if __name__ == "__main__":
    sys.exit(main())
