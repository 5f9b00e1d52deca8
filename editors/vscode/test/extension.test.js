'use strict';
// The extension outside VS Code: extension.js runs against a small stand-in
// of the vscode module, with a stand-in tbasic-check that prints the captured
// output in editors/test/check-brief.txt. Also the problem matcher (through
// checkOutput.js, which reads it from package.json) and the indentation rules.

const assert = require('assert');
const fs = require('fs');
const os = require('os');
const path = require('path');
const Module = require('module');
const test = require('node:test');

const repoDir = path.join(__dirname, '..', '..', '..');
const testDir = path.join(repoDir, 'editors', 'test');
const extensionDir = path.join(__dirname, '..');

// --- a stand-in for the parts of the vscode API the extension uses ---------

class Position {
  constructor(line, character) { this.line = line; this.character = character; }
  translate(lines, characters) { return new Position(this.line + lines, this.character + characters); }
  isEqual(other) { return this.line === other.line && this.character === other.character; }
}
class Range {
  constructor(start, end) { this.start = start; this.end = end; }
}
class Diagnostic {
  constructor(range, message, severity) { Object.assign(this, { range, message, severity }); }
}
class ShellExecution {
  constructor(command, args, options) { Object.assign(this, { command, args, options }); }
}
class Task {
  constructor(definition, scope, name, source, execution, problemMatchers) {
    Object.assign(this, { definition, scope, name, source, execution, problemMatchers });
  }
}

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
    getWordRangeAtPosition(position) {
      const text = lines[position.line] || '';
      let start = position.character;
      let end = position.character;
      if (!/[A-Za-z]/.test(text[start] || '')) return undefined;
      while (start > 0 && /[A-Za-z]/.test(text[start - 1])) --start;
      while (end < text.length && /[A-Za-z]/.test(text[end])) ++end;
      return new Range(new Position(position.line, start), new Position(position.line, end));
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

test('the manifest declares what the extension uses', () => {
  const manifest = require('../package.json');
  const declared = manifest.contributes.commands.map((c) => c.command).sort();
  assert.deepStrictEqual(declared, [...world.commands.keys()].sort());
  for (const file of [manifest.main, manifest.contributes.grammars[0].path, manifest.contributes.languages[0].configuration]) {
    assert.ok(fs.existsSync(path.join(extensionDir, file)), `${file} is missing`);
  }
  assert.deepStrictEqual(manifest.contributes.taskDefinitions.map((t) => t.type), ['tbasic']);
});

// VS Code's reindenting, as its indentation rules drive it: a line is
// indented one step past the previous line of code when that line matches
// increaseIndentPattern, one step back when it matches decreaseIndentPattern.
// Lines inside a block comment are left as they are.
test('the indentation rules indent indent.bas and the examples as written', async () => {
  const { loadGrammar } = require('./tokenize');
  const textmate = require('vscode-textmate');
  const grammar = await loadGrammar();
  const rules = JSON.parse(fs.readFileSync(path.join(extensionDir, 'language-configuration.json'), 'utf8')).indentationRules;
  const increase = new RegExp(rules.increaseIndentPattern.pattern, rules.increaseIndentPattern.flags);
  const decrease = new RegExp(rules.decreaseIndentPattern.pattern, rules.decreaseIndentPattern.flags);
  const examples = fs.readdirSync(path.join(repoDir, 'examples')).filter((n) => n.endsWith('.bas'));
  const files = [path.join(testDir, 'indent.bas'), ...examples.map((n) => path.join(repoDir, 'examples', n))];
  const failures = [];
  for (const file of files) {
    let state = textmate.INITIAL;
    let previous = null;
    fs.readFileSync(file, 'utf8').replace(/\n$/, '').split('\n').forEach((line, index) => {
      const tokens = grammar.tokenizeLine(line, state);
      state = tokens.ruleStack;
      const first = tokens.tokens.find((t) => line.slice(t.startIndex, t.endIndex).trim() !== '');
      const code = line.trim();
      const inComment = first && first.scopes.some((s) => s.startsWith('comment.block')) && !code.startsWith('/*');
      if (code === '' || inComment) return;
      let level = previous === null ? 0 : previous.level + (increase.test(previous.code) ? 1 : 0);
      if (decrease.test(code)) level -= 1;
      const want = line.length - line.trimStart().length;
      if (want !== 4 * level) failures.push(`${path.basename(file)}:${index + 1}: indented ${4 * level}, written ${want}: ${code}`);
      previous = { level, code };
    });
  }
  assert.deepStrictEqual(failures, []);
});
