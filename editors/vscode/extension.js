'use strict';
// The tbasic extension: checks .bas files with tbasic-check --brief when they
// are opened or saved and shows the findings as diagnostics; provides the
// tasks "check" (tbasic-check with the $tbasic-check problem matcher) and
// "run" (tbasic -f); and the commands that check or run the current file.
// Highlighting, comments and indentation are declared in package.json.

const childProcess = require('child_process');
const path = require('path');
const vscode = require('vscode');
const { parseCheckOutput } = require('./checkOutput');

function settings() {
  const config = vscode.workspace.getConfiguration('tbasic');
  return {
    interpreter: config.get('interpreterPath', 'tbasic'),
    checker: config.get('checkerPath', 'tbasic-check'),
    checkOnSave: config.get('checkOnSave', true),
  };
}

function isProgram(document) {
  return document.languageId === 'tbasic' && document.uri.scheme === 'file';
}

// A task on FILE: "check" lists tbasic-check's findings in the Problems view,
// "run" runs the program in its own folder, as tbasic -f NAME.bas.
function makeTask(action, file, definition = { type: 'tbasic', action, file }) {
  const { interpreter, checker } = settings();
  const options = { cwd: path.dirname(file) };
  const name = `${action} ${path.basename(file)}`;
  if (action === 'check') {
    const execution = new vscode.ShellExecution(checker, ['--brief', file], options);
    return new vscode.Task(definition, vscode.TaskScope.Workspace, name, 'tbasic', execution, ['$tbasic-check']);
  }
  const execution = new vscode.ShellExecution(interpreter, ['-f', path.basename(file)], options);
  return new vscode.Task(definition, vscode.TaskScope.Workspace, name, 'tbasic', execution, []);
}

function activeProgram() {
  const editor = vscode.window.activeTextEditor;
  return editor && isProgram(editor.document) ? editor.document : undefined;
}

// The open document of FILE, if any, to find the word a finding points at.
function openDocument(file, checked) {
  if (checked.uri.fsPath === file) return checked;
  return vscode.workspace.textDocuments.find((d) => d.uri.scheme === 'file' && d.uri.fsPath === file);
}

class Checker {
  constructor() {
    this.diagnostics = vscode.languages.createDiagnosticCollection('tbasic-check');
    // Files whose diagnostics came from checking a given file, to clear them
    // on the next check of that file.
    this.reported = new Map();
    this.warnedMissing = false;
  }

  // Runs tbasic-check on the document's file; resolves when its findings are shown.
  check(document) {
    const file = document.uri.fsPath;
    const cwd = path.dirname(file);
    const { checker } = settings();
    return new Promise((resolve) => {
      childProcess.execFile(checker, ['--brief', file], { cwd }, (error, stdout, stderr) => {
        if (error && error.code === 'ENOENT') {
          if (!this.warnedMissing) {
            this.warnedMissing = true;
            vscode.window.showWarningMessage(
              `tbasic: cannot run "${checker}"; install tbasic-check or set tbasic.checkerPath.`);
          }
          resolve();
          return;
        }
        // Status 0: no errors, 1: errors found; anything else is a usage
        // error or an unreadable file, explained on standard error.
        if (error && error.code !== 1) {
          vscode.window.showErrorMessage(`tbasic-check: ${(stderr || error.message).trim()}`);
          resolve();
          return;
        }
        this.show(file, cwd, parseCheckOutput(stdout), document);
        resolve();
      });
    });
  }

  show(checkedFile, cwd, findings, document) {
    const byFile = new Map([[checkedFile, []]]);
    for (const finding of findings) {
      const file = path.resolve(cwd, finding.file);
      if (!byFile.has(file)) byFile.set(file, []);
      byFile.get(file).push(this.toDiagnostic(finding, openDocument(file, document)));
    }
    for (const file of this.reported.get(checkedFile) || []) {
      if (!byFile.has(file)) this.diagnostics.delete(vscode.Uri.file(file));
    }
    for (const [file, list] of byFile) this.diagnostics.set(vscode.Uri.file(file), list);
    this.reported.set(checkedFile, [...byFile.keys()]);
  }

  // LINE and COLUMN are 1-based; the range covers the word at that place.
  toDiagnostic(finding, document) {
    const start = new vscode.Position(finding.line - 1, finding.column - 1);
    const word = document && document.getWordRangeAtPosition(start);
    const range = word && word.start.isEqual(start) ? word : new vscode.Range(start, start.translate(0, 1));
    const severity = finding.severity === 'error' ? vscode.DiagnosticSeverity.Error : vscode.DiagnosticSeverity.Warning;
    const diagnostic = new vscode.Diagnostic(range, finding.message, severity);
    diagnostic.source = 'tbasic-check';
    return diagnostic;
  }

  dispose() {
    this.diagnostics.dispose();
  }
}

function activate(context) {
  const checker = new Checker();
  const checkIfWanted = (document) => {
    if (isProgram(document) && settings().checkOnSave) return checker.check(document);
    return undefined;
  };

  const withSavedProgram = (action) => async () => {
    const document = activeProgram();
    if (!document) {
      vscode.window.showWarningMessage('tbasic: open a .bas file first.');
      return undefined;
    }
    if (document.isDirty) await document.save();
    return action(document);
  };

  context.subscriptions.push(
    checker,
    vscode.workspace.onDidOpenTextDocument(checkIfWanted),
    vscode.workspace.onDidSaveTextDocument(checkIfWanted),
    vscode.workspace.onDidCloseTextDocument((document) => checker.diagnostics.delete(document.uri)),
    vscode.commands.registerCommand('tbasic.checkFile', withSavedProgram((document) => checker.check(document))),
    vscode.commands.registerCommand('tbasic.runFile',
      withSavedProgram((document) => vscode.tasks.executeTask(makeTask('run', document.uri.fsPath)))),
    vscode.tasks.registerTaskProvider('tbasic', {
      provideTasks() {
        const document = activeProgram();
        if (!document) return [];
        return ['check', 'run'].map((action) => makeTask(action, document.uri.fsPath));
      },
      // A task written in tasks.json: {"type": "tbasic", "action": "check"},
      // on its "file" or else the file in the active editor.
      resolveTask(task) {
        const definition = task.definition;
        const document = activeProgram();
        const file = definition.file || (document && document.uri.fsPath);
        if (!file || !['check', 'run'].includes(definition.action)) return undefined;
        return makeTask(definition.action, file, definition);
      },
    }),
  );
  vscode.workspace.textDocuments.forEach(checkIfWanted);
}

function deactivate() {}

module.exports = { activate, deactivate };
