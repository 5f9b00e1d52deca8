'use strict';
// The extension outside VS Code: extension.js runs against a small stand-in
// of the vscode module, with a stand-in tbasic-check that prints the captured
// output in editors/test/check-brief.txt. Also the problem matcher (through
// checkOutput.js, which reads it from package.json).

const assert = require('assert');
const fs = require('fs');
const os = require('os');
const path = require('path');
const Module = require('module');
const test = require('node:test');

const repoDir = path.join(__dirname, '..', '..', '..');
const testDir = path.join(repoDir, 'editors', 'test');

// --- a stand-in for the parts of the vscode API the extension uses ---------

// A class that keeps its constructor's arguments under the given names.
const record = (...names) => class {
  constructor(...values) { names.forEach((name, i) => { this[name] = values[i]; }); }
};
class Position extends record('line', 'character') {
  translate(lines, characters) { return new Position(this.line + lines, this.character + characters); }
  isEqual(other) { return this.line === other.line && this.character === other.character; }
}
const Range = record('start', 'end');
const Diagnostic = record('range', 'message', 'severity');
const ShellExecution = record('command', 'args', 'options');
const Task = record('definition', 'scope', 'name', 'source', 'execution', 'problemMatchers');

function event(listeners) {
  return (listener) => { listeners.push(listener); return { dispose() {} }; };
}

const world = {
  config: {},
  messages: [],
  executed: [],
  diagnostics: new Map(),
  listeners: { open: [], save: [], close: [] },
  commands: new Map(),
  taskProviders: new Map(),
  activeTextEditor: undefined,
};

const vscode = {
  Position, Range, Diagnostic, ShellExecution, Task,
  DiagnosticSeverity: { Error: 0, Warning: 1 },
  TaskScope: { Workspace: 'workspace' },
  Uri: { file: (fsPath) => ({ scheme: 'file', fsPath }) },
  workspace: {
    getConfiguration: () => ({ get: (key, fallback) => (key in world.config ? world.config[key] : fallback) }),
    onDidOpenTextDocument: event(world.listeners.open),
    onDidSaveTextDocument: event(world.listeners.save),
    onDidCloseTextDocument: event(world.listeners.close),
    textDocuments: [],
  },
  languages: {
    createDiagnosticCollection: () => ({
      set: (uri, list) => world.diagnostics.set(uri.fsPath, list),
      delete: (uri) => world.diagnostics.delete(uri.fsPath),
      dispose() {},
    }),
  },
  window: {
    get activeTextEditor() { return world.activeTextEditor; },
    showWarningMessage: (text) => world.messages.push(['warning', text]),
    showErrorMessage: (text) => world.messages.push(['error', text]),
  },
  commands: { registerCommand: (name, fn) => { world.commands.set(name, fn); return { dispose() {} }; } },
  tasks: {
    registerTaskProvider: (type, provider) => { world.taskProviders.set(type, provider); return { dispose() {} }; },
    executeTask: async (task) => { world.executed.push(task); },
  },
};

const resolveFilename = Module._resolveFilename;
Module._resolveFilename = function (request, ...rest) {
  return request === 'vscode' ? 'vscode' : resolveFilename.call(this, request, ...rest);
};
require.cache.vscode = { id: 'vscode', filename: 'vscode', loaded: true, exports: vscode };

// A document of the given language; its words are runs of letters.
function document(fsPath, languageId = 'tbasic') {
  const lines = fs.existsSync(fsPath) ? fs.readFileSync(fsPath, 'utf8').split('\n') : [];
  return {
    languageId,
    uri: vscode.Uri.file(fsPath),
    isDirty: false,
    save: async () => true,
    getWordRangeAtPosition({ line, character }) {
      const word = [...(lines[line] || '').matchAll(/[A-Za-z]+/g)]
        .find((m) => m.index <= character && character < m.index + m[0].length);
      return word && new Range(new Position(line, word.index), new Position(line, word.index + word[0].length));
    },
  };
}

function fire(kind, doc) {
  return Promise.all(world.listeners[kind].map((listener) => listener(doc)));
}

// --- fixtures --------------------------------------------------------------

const work = fs.mkdtempSync(path.join(os.tmpdir(), 'tbasic-vscode-'));
process.on('exit', () => fs.rmSync(work, { recursive: true, force: true }));
const program = path.join(work, 'prog.bas');
fs.mkdirSync(path.join(work, 'examples'));
fs.writeFileSync(path.join(work, 'examples', 'report.bas'), Array(12).fill('').join('\n') + '    totl = 1\n');
fs.writeFileSync(program, 'PRINT 1\n');

function standIn(name, body) {
  const file = path.join(work, name);
  fs.writeFileSync(file, `#!/bin/sh\n${body}\n`);
  fs.chmodSync(file, 0o755);
  return file;
}
const captured = standIn('check-captured', `cat '${path.join(testDir, 'check-brief.txt')}'; exit 1`);
const clean = standIn('check-clean', 'echo "0 errors in 1 file"; exit 0');
const unreadable = standIn('check-unreadable', 'echo "tbasic-check: cannot read missing.bas" >&2; exit 2');

function expectedFindings() {
  return fs.readFileSync(path.join(testDir, 'check-brief.expected'), 'utf8').split('\n')
    .filter((line) => line && !line.startsWith('#'))
    .map((line) => {
      const [file, lineNumber, column, severity, message] = line.split('\t');
      return { file, line: Number(lineNumber), column: Number(column), severity, message };
    });
}

const extension = require('../extension');
extension.activate({ subscriptions: [] });

// --- tests -----------------------------------------------------------------

test('the problem matcher reads the captured tbasic-check --brief output', () => {
  const { parseCheckOutput } = require('../checkOutput');
  const text = fs.readFileSync(path.join(testDir, 'check-brief.txt'), 'utf8');
  assert.deepStrictEqual(parseCheckOutput(text), expectedFindings());
  assert.deepStrictEqual(parseCheckOutput(text.replace(/\n/g, '\r\n')), expectedFindings());
});

test('saving a program shows its findings at the right places', async () => {
  world.config = { checkerPath: captured };
  world.diagnostics.clear();
  vscode.workspace.textDocuments.push(document(path.join(work, 'examples', 'report.bas')));
  await fire('save', document(program));
  vscode.workspace.textDocuments.pop();
  const report = world.diagnostics.get(path.join(work, 'examples', 'report.bas'));
  assert.ok(report, 'no diagnostics for examples/report.bas, relative to the checked file');
  const shown = (d) => [d.range.start.line, d.range.start.character, d.range.end.character, d.severity, d.message];
  assert.deepStrictEqual(report.map(shown), [
    [11, 4, 8, 0, expectedFindings()[0].message],
    [29, 13, 14, 1, expectedFindings()[1].message],
    [40, 0, 1, 0, expectedFindings()[2].message],
  ]);
  assert.strictEqual(report[0].source, 'tbasic-check');
  assert.strictEqual(world.diagnostics.get(path.join(work, 'progs', 'my prog.bas')).length, 2);
  assert.strictEqual(world.diagnostics.get('/home/user/loops.bas')[0].range.start.character, 16);
  assert.deepStrictEqual(world.diagnostics.get(program), [], 'the checked file itself has no findings');
  assert.deepStrictEqual(world.messages, []);

  // A clean check clears what the last check of the file reported.
  world.config = { checkerPath: clean };
  await fire('save', document(program));
  assert.deepStrictEqual([...world.diagnostics.entries()], [[program, []]]);
});

test('no check where it is not wanted', async () => {
  world.diagnostics.clear();
  world.config = { checkerPath: captured, checkOnSave: false };
  await fire('save', document(program));
  world.config = { checkerPath: captured };
  await fire('save', document(path.join(work, 'notes.txt'), 'plaintext'));
  assert.strictEqual(world.diagnostics.size, 0);
});

test('a checker that fails or is missing is reported, the missing one once', async () => {
  world.messages = [];
  world.config = { checkerPath: unreadable };
  await fire('open', document(program));
  assert.deepStrictEqual(world.messages, [['error', 'tbasic-check: tbasic-check: cannot read missing.bas']]);

  world.messages = [];
  world.config = { checkerPath: path.join(work, 'no-such-checker') };
  await fire('save', document(program));
  await fire('save', document(program));
  assert.strictEqual(world.messages.length, 1);
  assert.match(world.messages[0][1], /no-such-checker.*tbasic\.checkerPath/);
});

test('the run command and the tasks', async () => {
  world.config = { interpreterPath: '/opt/tbasic/bin/tbasic', checkerPath: 'tbasic-check' };
  world.activeTextEditor = { document: document(program) };
  await world.commands.get('tbasic.runFile')();
  const run = world.executed.pop().execution;
  assert.deepStrictEqual([run.command, run.args, run.options.cwd], ['/opt/tbasic/bin/tbasic', ['-f', 'prog.bas'], work]);

  const provider = world.taskProviders.get('tbasic');
  const [check, runTask] = provider.provideTasks();
  assert.deepStrictEqual([check.execution.command, check.execution.args], ['tbasic-check', ['--brief', program]]);
  assert.deepStrictEqual(check.problemMatchers, ['$tbasic-check']);
  assert.deepStrictEqual(runTask.problemMatchers, []);

  const other = path.join(work, 'other.bas');
  const resolved = provider.resolveTask({ definition: { type: 'tbasic', action: 'check', file: other } });
  assert.deepStrictEqual(resolved.execution.args, ['--brief', other]);
  assert.strictEqual(provider.resolveTask({ definition: { type: 'tbasic', action: 'build' } }), undefined);

  world.activeTextEditor = undefined;
  assert.deepStrictEqual(provider.provideTasks(), []);
});

// VS Code's indentation rules: a line goes one step in after a line that
// matches increaseIndentPattern, one step out when it matches
// decreaseIndentPattern. indent.bas and the examples are indented so; lines
// inside a block comment keep their own indentation.
test('the indentation rules indent indent.bas and the examples as written', () => {
  const rules = JSON.parse(fs.readFileSync(path.join(__dirname, '..', 'language-configuration.json'), 'utf8'))
    .indentationRules;
  const rule = (name) => new RegExp(rules[name].pattern, rules[name].flags);
  const [increase, decrease] = [rule('increaseIndentPattern'), rule('decreaseIndentPattern')];
  const examples = path.join(repoDir, 'examples');
  const files = [path.join(testDir, 'indent.bas'),
    ...fs.readdirSync(examples).filter((n) => n.endsWith('.bas')).map((n) => path.join(examples, n))];
  const wrong = [];
  for (const file of files) {
    let [level, previous, inComment] = [0, '', false];
    fs.readFileSync(file, 'utf8').split('\n').forEach((line, i) => {
      const code = line.trim();
      const continued = inComment;
      inComment = /\/\*(?!.*\*\/)/.test(line) || (inComment && !line.includes('*/'));
      if (code === '' || continued) return;
      level += (increase.test(previous) ? 1 : 0) - (decrease.test(code) ? 1 : 0);
      if (line.length - line.trimStart().length !== 4 * level) wrong.push(`${path.basename(file)}:${i + 1}: ${line}`);
      previous = code;
    });
  }
  assert.deepStrictEqual(wrong, []);
});
