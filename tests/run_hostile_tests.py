#!/usr/bin/env python3
"""Hostile-input cases too large to keep in the repository: each case writes
its input files into a fresh temporary folder at test time, runs tbasic there
and compares standard output, standard error and exit status exactly.

Usage:
  run_hostile_tests.py --list                   names of all cases
  run_hostile_tests.py TBASIC [CASE...]         runs the cases (default: all)
  run_hostile_tests.py --wrapper "CMD ..." TBASIC [CASE...]
                                                runs tbasic under CMD (for
                                                valgrind; see fuzz/memcheck.py)"""
import os
import shlex
import subprocess
import sys
import tempfile

TIMEOUT_SECONDS = 600
OVERFLOW_LINE = b"Exception thrown (stack overflow?): Error code C00000FD\n"
REPORT_LIMIT = 255
MB = 1 << 20


class Case:
    def __init__(self, files, args, out=b"", err=b"", status=0, dirs=()):
        # out and err are bytes, or a tuple of bytes when several outcomes are sound.
        self.files = files      # name -> bytes, written before the run
        self.dirs = dirs        # folders created before the run
        self.args = args        # arguments after the program name
        self.out, self.err, self.status = out, err, status


def report(text):
    """A report line as printed: cut at the 255-character limit, then a line end."""
    data = text.encode("latin-1") if isinstance(text, str) else text
    return data[:REPORT_LIMIT] + b"\n"


def program(text, name="prog.bas"):
    return {name: text.encode("latin-1") if isinstance(text, str) else text}


def file_case(text, out=b"", err=b"", name="prog.bas"):
    return Case(program(text, name), ["-f", name], out, err, 0)


def lines(*items):
    return "".join(item + "\n" for item in items)


# --- long lines -----------------------------------------------------------

def long_line_string():
    # One string literal of a mebibyte, printed back unchanged.
    text = "ab" * (MB // 2)
    return file_case(f'PRINT "{text}"\n', out=text.encode() + b"\n")


def long_line_blanks():
    # A mebibyte of blanks and tabs around one statement.
    pad = " \t" * (MB // 2)
    return file_case(pad + "PRINT" + pad + "7" + pad + "\n" + pad + "PRINT 8\n", out=b"7\n8\n")


def long_line_statements():
    # A mebibyte line of ":"-separated statements, all on line 2.
    count = MB // len("n = n + 1: ")
    line = "n = n + 1: " * count
    text = "DIM n AS INTEGER\n" + line + "PRINT n: zz = 1\n"
    out = f"{count}\n".encode() + report(
        "prog.bas(2): Error 11: undefined variable (Token: Token {type=variable, value=[zz]}): "
        "{Undefined variable [zz].}")
    return file_case(text, out=out)


def expression_1mb_sum():
    # An expression of a mebibyte: half a million additions in one PRINT.
    terms = MB // 2
    return file_case("PRINT " + "1+" * (terms - 1) + "1\n", out=f"{terms}\n".encode())


def expression_1mb_string_concatenation():
    # A mebibyte of string operands joined with "+".
    terms = MB // 6
    return file_case('PRINT LEN(' + '"ab"+' * (terms - 1) + '"ab")\n',
                     out=f"{2 * terms}\n".encode())


def expression_1mb_nested():
    # Half a million parentheses deep: far beyond any native stack. What was
    # printed before stays; the run ends with the overflow line and status 0.
    depth = MB // 2
    text = 'PRINT "before"\nPRINT ' + "(" * depth + "1" + ")" * depth + '\nPRINT "never"\n'
    return file_case(text, out=b"before\n", err=OVERFLOW_LINE)


def expression_argument_limit():
    # The longest argument the system passes (128 KiB less the NUL), as one -e sum.
    terms = (128 * 1024 - 2) // 2
    return Case({}, ["-e", "1+" * (terms - 1) + "1"], out=f"{terms}\n".encode())


def expression_argument_deep_calls():
    # Built-in calls nested as deep as one argument allows, the argument never
    # closed: whether the native stack holds out or not, one report line and status 1.
    depth = (128 * 1024 - 2) // len("abs(")
    return Case({}, ["-e", "abs(" * depth + "1"], err=(
        b"Error 4: Syntax error: {matching ')' not found}\n", OVERFLOW_LINE), status=1)


# --- many lines -----------------------------------------------------------

def many_lines(separator="\n", name="lf"):
    count = 100_000
    body = ["DIM n AS INTEGER"] + ["n = n + 1"] * count + ["PRINT n", "zz = 1"]
    text = separator.join(body) + separator
    out = f"{count}\n".encode() + report(
        f"prog.bas({count + 3}): Error 11: undefined variable (Token: Token {{type=variable, "
        "value=[zz]}): {Undefined variable [zz].}")
    return file_case(text, out=out)


def many_lines_comments():
    # 100,000 lines of comments of every kind, then one statement on the last line.
    count = 100_000
    kinds = ["' comment", "REM comment", "// comment", "/* block */", "   "]
    body = [kinds[i % len(kinds)] for i in range(count)] + ["PRINT 42", "zz = 1"]
    out = b"42\n" + report(
        f"prog.bas({count + 2}): Error 11: undefined variable (Token: Token {{type=variable, "
        "value=[zz]}): {Undefined variable [zz].}")
    return file_case("\n".join(body) + "\n", out=out)


def many_printed_lines():
    # A loop printing 100,000 lines: every one arrives, in order.
    text = lines("DIM i AS INTEGER", "FOR i = 1 TO 100000", "PRINT i", "NEXT")
    return file_case(text, out="".join(f"{i}\n" for i in range(1, 100_001)).encode())


def block_comment_unterminated_large():
    # A large program whose last line opens a block comment: the whole file is
    # refused before anything runs.
    body = ['PRINT "never"'] * 100_000 + ["/* not closed", "PRINT 1"]
    return file_case("\n".join(body) + "\n", out=report(
        "Error 7: Comment starting with '/*' not closed with '*/': {at end of file}"))


def block_comment_large_closed():
    # A block comment of a mebibyte spanning 100,000 lines: later lines count without it.
    inner = ("x" * 9 + "\n") * 100_000
    text = "PRINT 1\n/*" + inner + "*/ PRINT 2\nzz = 1\n"
    out = b"1\n2\n" + report(
        "prog.bas(3): Error 11: undefined variable (Token: Token {type=variable, value=[zz]}): "
        "{Undefined variable [zz].}")
    return file_case(text, out=out)


def string_unterminated_large():
    # A string literal opened on the last of 100,000 lines and never closed.
    body = ['PRINT "never"'] * 100_000 + ['PRINT "open']
    return file_case("\n".join(body) + "\n", out=report("Error 8: No matching closing quotation mark: "
                                                         "{error string value}"))


# --- deep nesting ---------------------------------------------------------

DEPTH = 10_000


def nested_if():
    text = ("DIM c AS INTEGER\n" + "IF TRUE THEN\nc = c + 1\n" * DEPTH + 'PRINT "deep"; c\n'
            + "END IF\n" * DEPTH + 'PRINT "out"; c\n')
    return file_case(text, out=f"deep{DEPTH}\nout{DEPTH}\n".encode())


def nested_if_false_branches():
    # Every level takes its ELSE branch; the skipped branches hold nested blocks too.
    text = "DIM c AS INTEGER\n"
    text += ("IF FALSE THEN\nIF TRUE THEN\nPRINT \"never\"\nEND IF\nELSEIF c < 0 THEN\n"
             "PRINT \"never\"\nELSE\nc = c + 1\n") * DEPTH
    text += 'PRINT "deep"; c\n' + "END IF\n" * DEPTH + 'PRINT "out"; c\n'
    return file_case(text, out=f"deep{DEPTH}\nout{DEPTH}\n".encode())


def nested_if_skipped():
    # The outermost condition is false: 10,000 nested blocks are skipped in one scan.
    text = ("IF FALSE THEN\n" + "IF TRUE THEN\n" * DEPTH + 'PRINT "never"\n' + "END IF\n" * DEPTH
            + "END IF\nPRINT \"skipped\"\n")
    return file_case(text, out=b"skipped\n")


def nested_if_unclosed():
    # 10,000 open IF blocks and no END IF: the program simply ends.
    text = "IF TRUE THEN\n" * DEPTH + 'PRINT "inside"\n'
    return file_case(text, out=b"inside\n")


def nested_for():
    names = [f"v{i}" for i in range(DEPTH)]
    text = "DIM c AS INTEGER\n" + "".join(f"DIM {n} AS INTEGER\n" for n in names)
    text += "".join(f"c = c + 1\nFOR {n} = 1 TO 1\n" for n in names)
    text += 'PRINT "deep"; c\n' + "".join(f"NEXT {n}\n" for n in reversed(names))
    text += 'PRINT "out"; c; v0\n'
    return file_case(text, out=f"deep{DEPTH}\nout{DEPTH}2\n".encode())


def nested_for_same_variable():
    # One variable for all 10,000 loops: each NEXT steps it once more and
    # finds it past its limit.
    text = ("DIM i, c AS INTEGER\n" + "FOR i = 1 TO 1\nc = c + 1\n" * DEPTH + "NEXT i\n" * DEPTH
            + 'PRINT c; " "; i\n')
    return file_case(text, out=f"{DEPTH} {DEPTH + 1}\n".encode())


def nested_for_skipped():
    # An outer loop that never runs skips 10,000 nested loops.
    text = ("DIM i AS INTEGER\nFOR i = 2 TO 1\n" + "FOR i = 1 TO 3\n" * DEPTH + "NEXT\n" * DEPTH
            + 'NEXT\nPRINT "skipped"; i\n')
    return file_case(text, out=b"skipped2\n")


def nested_do():
    text = ("DIM c AS INTEGER\n" + "DO\nc = c + 1\n" * DEPTH + 'PRINT "deep"; c\n'
            + "LOOP UNTIL TRUE\n" * DEPTH + 'PRINT "out"; c\n')
    return file_case(text, out=f"deep{DEPTH}\nout{DEPTH}\n".encode())


def nested_do_exit():
    # Loops that only EXIT DO ends, one in the other: each level leaves its own loop.
    text = ("DIM c AS INTEGER\n" + "DO WHILE TRUE\nc = c + 1\n" * DEPTH + 'PRINT "deep"; c\n'
            + "EXIT DO\nLOOP\n" * DEPTH + 'PRINT "out"; c\n')
    return file_case(text, out=f"deep{DEPTH}\nout{DEPTH}\n".encode())


def nested_mixed():
    # IF, FOR and DO in turn, 10,000 levels in all.
    opens, closes = [], []
    for level in range(DEPTH):
        kind = level % 3
        if kind == 0:
            opens.append("IF TRUE THEN")
            closes.append("END IF")
        elif kind == 1:
            opens.append("FOR i = 1 TO 1")
            closes.append("NEXT")
        else:
            opens.append("DO")
            closes.append("LOOP UNTIL TRUE")
    text = ("DIM i, c AS INTEGER\n" + "".join(o + "\nc = c + 1\n" for o in opens) + 'PRINT "deep"; c\n'
            + "".join(c + "\n" for c in reversed(closes)) + 'PRINT "out"; c\n')
    return file_case(text, out=f"deep{DEPTH}\nout{DEPTH}\n".encode())


def nested_blocks_in_function():
    # Deep blocks inside a function body; RETURN from the innermost level
    # leaves all of them at once.
    text = ("FUNCTION f() AS INTEGER\n" + "IF TRUE THEN\n" * DEPTH + "RETURN 7\n" + "END IF\n" * DEPTH
            + "END FUNCTION\nPRINT f() + f()\n")
    return file_case(text, out=b"14\n")


# --- long names and literals ---------------------------------------------

LONG = 100_000


def long_name():
    name = "n" + "a" * (LONG - 1)
    text = lines(f"DIM {name} AS INTEGER", f"{name} = 41", f"PRINT {name} + 1", f"{name}b = 1")
    full = (f"prog.bas(4): Error 11: undefined variable (Token: Token {{type=variable, value=[{name}b]}}): "
            f"{{Undefined variable [{name}b].}}")
    return file_case(text, out=b"42\n" + report(full))


def long_name_upper_case():
    # Names fold case, however long.
    name = "Q" * LONG
    text = lines(f"DIM {name} AS STRING", f'{name.lower()} = "same"', f"PRINT {name}")
    return file_case(text, out=b"same\n")


def long_function_name():
    name = "f" * LONG
    text = lines(f"FUNCTION {name}(BYVAL x AS INTEGER) AS INTEGER", "RETURN x * 2", "END FUNCTION",
                 f"PRINT {name}(21)", "DIM x AS INTEGER", f"x = {name}(1, 2)")
    full = ("prog.bas(6): Error 4: Syntax error (Token: Token {type=delimeter, value=[EOL]}): "
            f"{{Function/sub-routine [{name}] expects [1] argument(s).}}")
    return file_case(text, out=b"42\n" + report(full))


def long_string_literal():
    text_value = "s" * LONG
    text = lines(f'PRINT LEN("{text_value}")', f'PRINT "{text_value}"', f'"{text_value}" = 1')
    full = f"prog.bas(3): Error 4: Syntax error (Token: Token {{type=string, value=[{text_value}]}})"
    return file_case(text, out=f"{LONG}\n{text_value}\n".encode() + report(full))


def long_number_word():
    digits = "9" * LONG
    full = f"Error 9: Wrong number format: {{cannot parse [{digits}] into integer number properly}}"
    return file_case(f"PRINT {digits}\n", out=report(full))


def long_name_expression_mode():
    name = "z" * (120 * 1024)
    full = f"Error 11: undefined variable: {{Undefined variable [{name}].}}"
    return Case({}, ["-e", name], err=report(full), status=1)


def long_message_from_value():
    # A long string reaches an error message through VAL: the report is cut too.
    text = lines("DIM s AS STRING", 's = SPACE(100000) + "x"', "PRINT VAL(s)")
    full = ("prog.bas(3): Error 9: Wrong number format (Token: Token {type=delimeter, value=[EOL]}): "
            "{cannot parse [" + " " * 100000 + "x] into double number properly")
    return file_case(text, out=report(full))


# --- files that are not programs -------------------------------------------

def directory():
    return Case({}, ["-f", "folder.bas"], dirs=["folder.bas"], out=report(
        "Error 2: Failed to open file: {Please make sure the input file exists.}"))


def missing_file():
    return Case({}, ["-f", "no such file.bas"], out=report(
        "Error 2: Failed to open file: {Please make sure the input file exists.}"))


def random_binary():
    # A mebibyte of pseudo-random bytes (no NUL, none of the short-form
    # bytes, the first byte not a letter): refused at the first byte.
    seed, data = 12345, bytearray()
    while len(data) < MB:
        seed = (seed * 1103515245 + 12345) & 0x7FFFFFFF
        byte = (seed >> 16) & 0xFF
        if byte == 0 or 0x82 <= byte <= 0x88:
            continue
        data.append(byte)
    data[0] = 0xF7
    return Case({"prog.bas": bytes(data)}, ["-f", "prog.bas"],
                out=b"Error 1: Unexpected error: {unexpected symbol [\xf7]}\n")


def nul_after_large_text():
    # A NUL byte ends the text, even after a mebibyte of it.
    text = b"DIM n AS INTEGER\n" + b"n = n + 1\n" * (MB // 10) + b"PRINT n\n\x00PRINT 99\nzz\n"
    return Case({"prog.bas": text}, ["-f", "prog.bas"], out=f"{MB // 10}\n".encode())


# --- memory and recursion ---------------------------------------------------

def string_doubling():
    # A string doubled 27 times holds 128 MiB.
    text = lines("DIM s AS STRING", "DIM i AS INTEGER", 's = "ab"', "FOR i = 1 TO 26", "s = s + s", "NEXT",
                 "PRINT LEN(s)", "DIM t AS STRING", "t = LEFT(s, 3) + RIGHT(s, 3) + MID(s, 100000001, 4)",
                 "PRINT t")
    # MID counts from 0: position 100000001 is odd, a "b".
    return file_case(text, out=b"134217728\nabababbaba\n")


def string_doubling_printed():
    # 128 MiB printed in one PRINT arrive whole.
    text = lines("DIM s AS STRING", "DIM i AS INTEGER", 's = "0123456789abcdef"', "FOR i = 1 TO 23",
                 "s = s + s", "NEXT", "PRINT s")
    return file_case(text, out=b"0123456789abcdef" * (1 << 23) + b"\n")


def runaway_recursion_file():
    text = lines("FUNCTION f(BYVAL n AS INTEGER) AS INTEGER", "RETURN f(n + 1) + 1", "END FUNCTION",
                 'PRINT "before"', 'PRINT "partial";', "PRINT f(0)", 'PRINT "never"')
    return file_case(text, out=b"before\npartial", err=OVERFLOW_LINE)


def runaway_recursion_expression():
    # No user function exists in -e mode: nesting is the only way to recurse,
    # and one argument may be too short to exhaust the stack.
    return Case({}, ["-e", "-(" * 65000], err=(b"Error 4: Syntax error\n", OVERFLOW_LINE), status=1)


def deep_recursion_works():
    # Legitimate recursion 10,000 calls deep, with a deep expression at the bottom.
    text = lines("FUNCTION f(BYVAL n AS INTEGER) AS INTEGER", "IF n = 0 THEN",
                 "RETURN " + "(" * 1000 + "0" + ")" * 1000, "END IF", "RETURN f(n - 1) + 1",
                 "END FUNCTION", "PRINT f(10000)")
    return file_case(text, out=b"10000\n")


CASES = {
    "long_line_string": long_line_string,
    "long_line_blanks": long_line_blanks,
    "long_line_statements": long_line_statements,
    "expression_1mb_sum": expression_1mb_sum,
    "expression_1mb_string_concatenation": expression_1mb_string_concatenation,
    "expression_1mb_nested": expression_1mb_nested,
    "expression_argument_limit": expression_argument_limit,
    "expression_argument_deep_calls": expression_argument_deep_calls,
    "many_lines_lf": lambda: many_lines("\n"),
    "many_lines_crlf": lambda: many_lines("\r\n"),
    "many_lines_cr": lambda: many_lines("\r"),
    "many_lines_comments": many_lines_comments,
    "many_printed_lines": many_printed_lines,
    "block_comment_unterminated_large": block_comment_unterminated_large,
    "block_comment_large_closed": block_comment_large_closed,
    "string_unterminated_large": string_unterminated_large,
    "nested_if": nested_if,
    "nested_if_false_branches": nested_if_false_branches,
    "nested_if_skipped": nested_if_skipped,
    "nested_if_unclosed": nested_if_unclosed,
    "nested_for": nested_for,
    "nested_for_same_variable": nested_for_same_variable,
    "nested_for_skipped": nested_for_skipped,
    "nested_do": nested_do,
    "nested_do_exit": nested_do_exit,
    "nested_mixed": nested_mixed,
    "nested_blocks_in_function": nested_blocks_in_function,
    "long_name": long_name,
    "long_name_upper_case": long_name_upper_case,
    "long_function_name": long_function_name,
    "long_string_literal": long_string_literal,
    "long_number_word": long_number_word,
    "long_name_expression_mode": long_name_expression_mode,
    "long_message_from_value": long_message_from_value,
    "directory": directory,
    "missing_file": missing_file,
    "random_binary": random_binary,
    "nul_after_large_text": nul_after_large_text,
    "string_doubling": string_doubling,
    "string_doubling_printed": string_doubling_printed,
    "runaway_recursion_file": runaway_recursion_file,
    "runaway_recursion_expression": runaway_recursion_expression,
    "deep_recursion_works": deep_recursion_works,
}


def shorten(data, limit=200):
    text = repr(data)
    return text if len(text) <= limit else f"{text[:limit]}... ({len(data)} bytes)"


def first_difference(expected, actual):
    for i, (a, b) in enumerate(zip(expected, actual)):
        if a != b:
            return i
    return min(len(expected), len(actual))


def run_case(binary, name, wrapper):
    case = CASES[name]()
    with tempfile.TemporaryDirectory(prefix="tbasic-hostile-") as folder:
        for file_name, data in case.files.items():
            with open(os.path.join(folder, file_name), "wb") as f:
                f.write(data)
        for dir_name in case.dirs:
            os.mkdir(os.path.join(folder, dir_name))
        try:
            proc = subprocess.run(wrapper + [binary] + case.args, cwd=folder, capture_output=True,
                                  timeout=TIMEOUT_SECONDS)
        except subprocess.TimeoutExpired:
            print(f"FAIL {name}: did not finish within {TIMEOUT_SECONDS} s")
            return False
    ok = True
    for label, expected, actual in (("standard output", case.out, proc.stdout),
                                    ("standard error", case.err, proc.stderr)):
        if isinstance(expected, tuple):
            if actual not in expected:
                print(f"FAIL {name}: {label} is none of the sound outcomes")
                for outcome in expected:
                    print(f"  expected: {shorten(outcome)}")
                print(f"  actual:   {shorten(actual)}")
                ok = False
        elif expected != actual:
            at = first_difference(expected, actual)
            print(f"FAIL {name}: {label} differs at byte {at}")
            print(f"  expected: {shorten(expected[max(0, at - 40):at + 160])}")
            print(f"  actual:   {shorten(actual[max(0, at - 40):at + 160])}")
            ok = False
    if proc.returncode != case.status:
        print(f"FAIL {name}: exit status {proc.returncode}, expected {case.status}")
        ok = False
    return ok


def main(argv):
    if argv[:1] == ["--list"]:
        print("\n".join(CASES))
        return 0
    wrapper = []
    if argv[:1] == ["--wrapper"]:
        wrapper, argv = shlex.split(argv[1]), argv[2:]
    if not argv:
        sys.exit(__doc__)
    binary, names = os.path.abspath(argv[0]), argv[1:] or list(CASES)
    unknown = [n for n in names if n not in CASES]
    if unknown:
        sys.exit(f"unknown case: {', '.join(unknown)}")
    failed = [n for n in names if not run_case(binary, n, wrapper)]
    if len(names) > 1:
        print(f"{len(names) - len(failed)} of {len(names)} hostile cases passed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
