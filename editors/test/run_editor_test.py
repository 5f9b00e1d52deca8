#!/usr/bin/env python3
"""Runs one editor-support test with the tool it needs, failing with a clear
message when that tool is missing (tools/install-editor-deps.sh installs it).

  run_editor_test.py vim SCRIPT.vim   Vim with editors/vim first in 'runtimepath'
                                      runs SCRIPT.vim under vim -Es
  run_editor_test.py node SCRIPT.js   node runs SCRIPT.js from editors/vscode

A Vim script finds the repository in g:tbasic_repo, a scratch folder in
g:tbasic_work (with a stand-in tbasic-check first on $PATH) and writes its
report to g:tbasic_out.
"""
import os
import shutil
import subprocess
import sys
import tempfile

REPO = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
INSTALL_HINT = "run tools/install-editor-deps.sh (or make test) to install it"

# Prints FILE:1:7: error: ... for the FILE it is given, naming its arguments.
STAND_IN_CHECKER = """#!/bin/sh
last=""
for arg in "$@"; do last=$arg; done
echo "$last:1:7: error: stand-in called with $*"
echo "1 error in 1 file"
exit 1
"""


def fail(message):
    print("FAIL " + message)
    return 1


def vim_string(text):
    return "'" + text.replace("'", "''") + "'"


def run_vim(script):
    vim = shutil.which("vim")
    if not vim:
        return fail("vim is not installed; " + INSTALL_HINT)
    version = subprocess.run([vim, "--version"], capture_output=True, text=True).stdout
    missing = [f for f in ("+syntax", "+eval", "+quickfix", "+autocmd") if f not in version]
    if missing:
        return fail(f"{vim} lacks {' '.join(missing)} (a tiny build?); " + INSTALL_HINT)
    with tempfile.TemporaryDirectory() as work:
        bindir = os.path.join(work, "bin")
        os.mkdir(bindir)
        checker = os.path.join(bindir, "tbasic-check")
        with open(checker, "w") as f:
            f.write(STAND_IN_CHECKER)
        os.chmod(checker, 0o755)
        out = os.path.join(work, "report.txt")
        env = dict(os.environ, PATH=bindir + os.pathsep + os.environ.get("PATH", ""), HOME=work)
        command = [vim, "-Es", "-n", "-u", "NONE", "-i", "NONE", "-N",
                   "--cmd", "set rtp^=" + os.path.join(REPO, "editors", "vim").replace(" ", "\\ "),
                   "--cmd", "filetype plugin indent on", "--cmd", "syntax on",
                   "--cmd", "let g:tbasic_repo = " + vim_string(REPO),
                   "--cmd", "let g:tbasic_work = " + vim_string(work),
                   "--cmd", "let g:tbasic_out = " + vim_string(out),
                   "-S", script]
        try:
            result = subprocess.run(command, stdin=subprocess.DEVNULL, capture_output=True,
                                    text=True, env=env, cwd=work, timeout=300)
        except subprocess.TimeoutExpired:
            return fail("vim did not finish in 300 seconds")
        if os.path.exists(out):
            with open(out) as f:
                sys.stdout.write(f.read())
        else:
            print("vim wrote no report; its output:\n" + result.stdout + result.stderr)
        return 0 if result.returncode == 0 and os.path.exists(out) else 1


def run_node(script):
    node = shutil.which("node") or shutil.which("nodejs")
    if not node:
        return fail("node is not installed; " + INSTALL_HINT)
    extension = os.path.join(REPO, "editors", "vscode")
    if not os.path.isdir(os.path.join(extension, "node_modules", "vscode-textmate")):
        return fail("editors/vscode/node_modules is missing; " + INSTALL_HINT)
    return subprocess.run([node, script], cwd=extension, stdin=subprocess.DEVNULL, timeout=300).returncode


def main():
    runners = {"vim": run_vim, "node": run_node}
    if len(sys.argv) != 3 or sys.argv[1] not in runners:
        print(__doc__, file=sys.stderr)
        return 2
    return runners[sys.argv[1]](os.path.abspath(sys.argv[2]))


if __name__ == "__main__":
    sys.exit(main())
