#!/usr/bin/env python3
"""Tests of tbasic-check.

  run_check_tests.py expect CHECKER FILE.bas
      Runs `tbasic-check --brief FILE.bas` in the file's folder and compares
      its findings with the file's `' check: LINE:COL: error|warning: MESSAGE`
      comments (or those of NAME.check, for programs whose text must stay as it is) (all of them, in order) and the exit status with
      `' check-status: N` (default: 1 with an expected error, else 0).

  run_check_tests.py sweep CHECKER DIR...
      No false errors: every program under DIR that the interpreter runs to
      its end without an error report (judged from its own expectations;
      programs without any are examples and benchmarks) must check without
      an error.

  run_check_tests.py doc CHECKER FILE.md
      Every ```basic block followed by a ```check block: the program, saved
      as prog.bas, must make `tbasic-check --brief prog.bas` print exactly
      the check block.

  run_check_tests.py cli CHECKER
      The command line: options, exit statuses, the caret display, several files.

  run_check_tests.py same-line CHECKER DIR...
      No missed errors: every program test whose run ends in a static error
      (codes 1 and 4 to 13) must get a checker error, on the reported line
      when the report has one.
"""
import os
import re
import subprocess
import sys

from run_program_test import options

REPORT = re.compile(r"(?:(\S+?)\((\d+)\): )?Error (\d+): ")
STATIC_CODES = {1} | set(range(4, 14))

# Programs that run without a report although they contain what the checker
# rightly calls an error; each stays on this list with its reason.
SILENT_MISTAKES = {
    "do/do_without_loop_runs.bas": "a DO without LOOP",
    "for/for_without_next_runs.bas": "a FOR without NEXT",
    "if/if_true_without_end_if.bas": "an IF without END IF",
    "if/if_end_if_closes_innermost.bas": "an IF without END IF",
    "executor/end_in_else_without_end_if.bas": "an IF without END IF",
    "functions/missing_end_sub.bas": "a SUB without END SUB",
    "executor/end_in_open_block.bas": "a THEN statement after END",
    "if/elseif_not_evaluated.bas": "wrong ELSEIF conditions in branches that never run",
    "if/if_nested_in_skipped_branches.bas": "wrong conditions in branches that never run",
    "if/if_else_repeated.bas": "several ELSE branches in one IF",
    "hostile/runaway_recursion_mutual.bas": "a RETURN of the wrong type never reached before the stack overflows",
}

# Program tests whose report stands elsewhere than the mistake the checker
# reports; each with the reason.
SAME_LINE_EXCEPTIONS = {
    "functions/error_missing_end_function.bas":
        "reported at the call of a FUNCTION without END FUNCTION; the checker reports the FUNCTION",
    "do/error_condition_continue_first_pass.bas":
        "a LOOP condition's type is reported at the CONTINUE DO that tests it; the checker reports the condition",
    "functions/error_duplicate_parameter.bas":
        "a parameter named twice is reported at the call; the checker reports the header",
}


def read_bytes(path):
    with open(path, "rb") as handle:
        return handle.read()


# `expect` may run the checker through a launcher (the Windows build under
# Wine), and then wants every line end as CR LF, as a Windows console prints it.
LAUNCHER, CRLF = [], False


def run_checker(checker, path):
    checker = os.path.abspath(checker)
    folder, name = os.path.split(os.path.abspath(path))
    result = subprocess.run(LAUNCHER + [checker, "--brief", name], cwd=folder, capture_output=True,
                            timeout=60)
    out = result.stdout
    if CRLF:
        if out.count(b"\r") != out.count(b"\n") or out.count(b"\r\n") != out.count(b"\n"):
            return result.returncode, ["(line ends are not all CR LF)"]
        out = out.replace(b"\r\n", b"\n")
    return result.returncode, out.decode("utf-8", "replace").splitlines()


def findings(lines, name):
    """(line, column, kind, message) for each finding line of the output."""
    out = []
    prefix = name + ":"
    for line in lines:
        if not line.startswith(prefix):
            continue
        match = re.match(r"(\d+):(\d+): (error|warning): (.*)$", line[len(prefix):])
        if match:
            out.append((int(match.group(1)), int(match.group(2)), match.group(3), match.group(4)))
    return out


def expect(checker, path):
    # Programs whose text must stay as it is keep their expectations in NAME.check.
    sidecar = path[:-4] + ".check"
    source = sidecar if os.path.exists(sidecar) else path
    text = read_bytes(source).decode("utf-8", "replace")
    wanted = []
    status = None
    for raw in text.splitlines():
        stripped = raw.strip()
        match = re.match(r"' check: (\d+):(\d+): (error|warning): (.*)$", stripped)
        if match:
            wanted.append((int(match.group(1)), int(match.group(2)), match.group(3), match.group(4)))
        match = re.match(r"' check-status: (\d+)$", stripped)
        if match:
            status = int(match.group(1))
    if status is None:
        status = 1 if any(kind == "error" for _, _, kind, _ in wanted) else 0
    code, lines = run_checker(checker, path)
    got = findings(lines, os.path.basename(path))
    ok = True
    if got != wanted:
        ok = False
        print("findings differ for %s" % path)
        for item in wanted:
            if item not in got:
                print("  missing:    %d:%d: %s: %s" % item)
        for item in got:
            if item not in wanted:
                print("  unexpected: %d:%d: %s: %s" % item)
    if code != status:
        ok = False
        print("exit status %d, expected %d" % (code, status))
    summary = lines[-1] if lines else ""
    if not re.match(r"\d+ errors?, \d+ warnings? in 1 file$", summary):
        ok = False
        print("bad summary line: %r" % summary)
    return ok


def expected_output(path):
    """The expected standard output of a program test, as a list of lines, or None."""
    sidecar = path[:-4] + ".out"
    if os.path.exists(sidecar):
        return read_bytes(sidecar).decode("utf-8", "replace").splitlines()
    text = read_bytes(path).decode("utf-8", "replace")
    lines = []
    found = False
    for raw in text.splitlines():
        stripped = raw.strip()
        if stripped.startswith("' expect:") or stripped == "' expect:":
            found = True
            lines.append(stripped[len("' expect: "):] if stripped != "' expect:" else "")
        elif stripped.startswith("' expect-err:") or stripped.startswith("' expect-status:"):
            found = True
    return lines if found else None


def final_report(lines):
    """(code, line or None) of the report that ends the output, or None."""
    for line in reversed(lines[-1:]):
        match = REPORT.search(line)
        if match:
            return int(match.group(3)), (int(match.group(2)) if match.group(2) else None)
    return None


def ran_cleanly(path):
    """Judged from the program's expectations; a program without any (an
    example or a benchmark) is valid by definition."""
    lines = expected_output(path)
    if lines is None:
        return True
    return final_report(lines) is None


def programs(dirs):
    for root_dir in dirs:
        for folder, _, names in sorted(os.walk(root_dir)):
            for name in sorted(names):
                if name.endswith(".bas"):
                    yield root_dir, os.path.join(folder, name)


def sweep(checker, dirs):
    failures = 0
    count = 0
    for root_dir, path in programs(dirs):
        relative = os.path.relpath(path, root_dir)
        if relative in SILENT_MISTAKES:
            continue
        if not ran_cleanly(path):
            continue
        count += 1
        code, lines = run_checker(checker, path)
        errors = [f for f in findings(lines, os.path.basename(path)) if f[2] == "error"]
        if code != 0 or errors:
            failures += 1
            print("false error in %s (exit %d):" % (path, code))
            for item in errors:
                print("  %d:%d: %s: %s" % item)
    print("%d programs checked, %d with false errors" % (count, failures))
    return failures == 0


def same_line(checker, dirs):
    failures = 0
    count = 0
    for root_dir, path in programs(dirs):
        lines = expected_output(path)
        if not lines:
            continue
        report = final_report(lines)
        if report is None or report[0] not in STATIC_CODES:
            continue
        if os.path.relpath(path, root_dir) in SAME_LINE_EXCEPTIONS:
            continue
        count += 1
        code, out = run_checker(checker, path)
        found = findings(out, os.path.basename(path))
        run_lines = interpreter_lines(read_bytes(path).decode("latin-1"))
        errors = [(run_lines[f[0] - 1], f[3]) for f in found if f[2] == "error"]
        value_warnings = [run_lines[f[0] - 1] for f in found
                          if f[2] == "warning" and "depending on the values" in f[3]]
        wanted = report[1]
        if report[0] == 13 and wanted in value_warnings:
            continue  # a type that depends on the values: a warning is right
        error_lines = {line for line, _ in errors}
        ok = bool(error_lines) and code == 1
        if ok and wanted is not None:
            # Many reports point at the token after the statement at fault, on
            # the next line; block errors are reported at their opening
            # keyword, naming the line of the other end.
            previous = previous_code_line(run_lines, read_bytes(path).decode("latin-1"), wanted)
            ok = (wanted in error_lines or previous in error_lines or
                  any(re.search(r"\bline %d\b" % original_line(run_lines, wanted), m) for _, m in errors))
        if not ok:
            failures += 1
            print("missed: %s ends in Error %d%s; checker errors on lines %s" %
                  (path, report[0], " on line %d" % wanted if wanted else "", sorted(error_lines)))
    print("%d programs ending in a static error, %d missed" % (count, failures))
    return failures == 0


def split_lines(text):
    return text.replace("\r\n", "\n").replace("\r", "\n").split("\n")


def interpreter_lines(text):
    """For each line of the file as written, the line the interpreter counts:
    the line ends inside /* */ comments are removed before it counts."""
    text = text.replace("\r\n", "\n").replace("\r", "\n")
    result = []
    line = 1
    i = 0
    result.append(line)
    while i < len(text):
        c = text[i]
        if c == '"':
            close = text.find('"', i + 1)
            i = len(text) if close < 0 else close + 1
            continue
        if c == "'" or text.startswith("//", i):
            close = text.find("\n", i)
            i = len(text) if close < 0 else close
            continue
        if text.startswith("/*", i):
            close = text.find("*/", i)
            close = len(text) if close < 0 else close + 2
            for _ in range(text.count("\n", i, close)):
                result.append(line)
            i = close
            continue
        if c == "\n":
            line += 1
            result.append(line)
        i += 1
    return result


def original_line(run_lines, run_line):
    for index, value in enumerate(run_lines):
        if value == run_line:
            return index + 1
    return run_line


def previous_code_line(run_lines, text, run_line):
    """The interpreter's line of the last line with code before run_line."""
    lines = split_lines(text)
    index = original_line(run_lines, run_line) - 2
    while index >= 0:
        stripped = lines[index].strip()
        if stripped and not stripped.startswith("'"):
            return run_lines[index]
        index -= 1
    return None


def doc(checker, page):
    import tempfile
    lines = read_bytes(page).decode("utf-8").split("\n")
    blocks = []
    i = 0
    while i < len(lines):
        match = re.match(r"^```(\w*)\s*$", lines[i])
        if match:
            end = i + 1
            while end < len(lines) and lines[end] != "```":
                end += 1
            blocks.append((match.group(1), i + 1, "".join(l + "\n" for l in lines[i + 1:end])))
            i = end + 1
        else:
            i += 1
    failures = 0
    count = 0
    for k, (lang, line, text) in enumerate(blocks):
        if lang != "basic":
            continue
        if k + 1 >= len(blocks) or blocks[k + 1][0] != "check":
            print("%s:%d: a basic block without its check block" % (page, line))
            failures += 1
            continue
        count += 1
        with tempfile.TemporaryDirectory() as folder:
            with open(os.path.join(folder, "prog.bas"), "w") as handle:
                handle.write(text)
            result = subprocess.run([os.path.abspath(checker), "--brief", "prog.bas"], cwd=folder,
                                    capture_output=True, timeout=60)
        got = result.stdout.decode("utf-8", "replace")
        if got != blocks[k + 1][2]:
            failures += 1
            print("%s:%d: output differs" % (page, line))
            for diff in __import__("difflib").unified_diff(blocks[k + 1][2].splitlines(), got.splitlines(),
                                                        "page", "tbasic-check", lineterm=""):
                print("  " + diff)
    print("%d examples, %d failing" % (count, failures))
    return failures == 0


def cli(checker):
    import tempfile
    checker = os.path.abspath(checker)
    failures = []

    def run(args, folder):
        result = subprocess.run([checker] + args, cwd=folder, capture_output=True, timeout=60)
        return result.returncode, result.stdout.decode(), result.stderr.decode()

    def expect_equal(what, got, wanted):
        if got != wanted:
            failures.append("%s: got %r, expected %r" % (what, got, wanted))

    with tempfile.TemporaryDirectory() as folder:
        with open(os.path.join(folder, "good.bas"), "w") as handle:
            handle.write("DIM n AS INTEGER\nn = 1\nPRINT n\n")
        with open(os.path.join(folder, "bad.bas"), "w") as handle:
            handle.write("DIM n AS INTEGER\n\tn =\t\"x\"\nPRINT n\n")
        code, out, err = run([], folder)
        expect_equal("no arguments: status", code, 2)
        expect_equal("no arguments: usage on stderr", "Usage: tbasic-check" in err, True)
        code, out, err = run(["--help"], folder)
        expect_equal("--help", (code, out.startswith("Usage: tbasic-check [--brief] FILE..."), err), (0, True, ""))
        code, out, err = run(["--version"], folder)
        expect_equal("--version", (code, out.startswith("tbasic-check "), err), (0, True, ""))
        code, out, err = run(["--bogus", "good.bas"], folder)
        expect_equal("unknown option", (code, out), (2, ""))
        code, out, err = run(["good.bas"], folder)
        expect_equal("clean file", (code, out, err), (0, "0 errors, 0 warnings in 1 file\n", ""))
        code, out, err = run(["bad.bas"], folder)
        expect_equal("caret display", (code, out), (1,
            "bad.bas:2:6: error: cannot assign STRING to [n], which is INTEGER; use str() or val() to convert\n"
            "\tn =\t\"x\"\n"
            "\t   \t^\n"
            "1 error, 0 warnings in 1 file\n"))
        code, out, err = run(["--brief", "good.bas", "bad.bas"], folder)
        expect_equal("two files", (code, out.splitlines()[-1]), (1, "1 error, 0 warnings in 2 files"))
        code, out, err = run(["good.bas", "missing.bas"], folder)
        expect_equal("unreadable file", (code, "missing.bas" in err, out), (2, True, "0 errors, 0 warnings in 1 file\n"))
    for failure in failures:
        print(failure)
    return not failures


def main(argv):
    global LAUNCHER, CRLF
    LAUNCHER, CRLF, rest = options(argv[1:])
    argv = argv[:1] + rest
    mode = argv[1]
    if mode == "expect":
        return 0 if expect(argv[2], argv[3]) else 1
    if mode == "sweep":
        return 0 if sweep(argv[2], argv[3:]) else 1
    if mode == "cli":
        return 0 if cli(argv[2]) else 1
    if mode == "doc":
        return 0 if doc(argv[2], argv[3]) else 1
    if mode == "same-line":
        return 0 if same_line(argv[2], argv[3:]) else 1
    print(__doc__)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
