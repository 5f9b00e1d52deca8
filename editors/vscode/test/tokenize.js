'use strict';
// Tokenizes tbasic files with the extension's grammar through vscode-textmate
// and vscode-oniguruma, the engine VS Code itself runs, and reduces each line
// to runs of one highlighting class ("keyword", "string", ...). The classes
// are the ones the Vim syntax file uses too, so both editors are held to the
// same expectations (editors/test/*.classes).

const fs = require('fs');
const path = require('path');

const extensionDir = path.join(__dirname, '..');

function requireDependency(name) {
  try {
    return require(name);
  } catch (error) {
    console.error(`${name} is not installed: run tools/install-editor-deps.sh (${error.message})`);
    process.exit(2);
  }
}

const textmate = requireDependency('vscode-textmate');
const oniguruma = requireDependency('vscode-oniguruma');

// The class of a token, from its scopes (outermost first).
function classOf(scopes) {
  const has = (prefix) => scopes.some((scope) => scope.startsWith(prefix));
  if (has('invalid.')) return 'error';
  if (has('comment.')) return 'comment';
  if (has('string.')) return 'string';
  if (has('constant.numeric.')) return 'number';
  if (has('constant.language.boolean.')) return 'boolean';
  if (has('keyword.operator.')) return 'operator';
  if (has('keyword.')) return 'keyword';
  if (has('storage.type.')) return 'type';
  if (has('support.function.')) return 'builtin';
  if (has('variable.') || has('entity.name.')) return 'name';
  return 'plain';
}

async function loadGrammar() {
  const wasm = fs.readFileSync(path.join(path.dirname(require.resolve('vscode-oniguruma')), 'onig.wasm'));
  await oniguruma.loadWASM(wasm.buffer.slice(wasm.byteOffset, wasm.byteOffset + wasm.byteLength));
  const registry = new textmate.Registry({
    onigLib: Promise.resolve({
      createOnigScanner: (patterns) => new oniguruma.OnigScanner(patterns),
      createOnigString: (text) => new oniguruma.OnigString(text),
    }),
    loadGrammar: async (scopeName) => {
      if (scopeName !== 'source.tbasic') return null;
      const file = path.join(extensionDir, 'syntaxes', 'tbasic.tmLanguage.json');
      return textmate.parseRawGrammar(fs.readFileSync(file, 'utf8'), file);
    },
  });
  return registry.loadGrammar('source.tbasic');
}

// Splits text the way the interpreter reads lines: CR, LF and CRLF all end one.
function splitLines(text) {
  const lines = text.split(/\r\n|\r|\n/);
  if (lines.length > 0 && lines[lines.length - 1] === '') lines.pop();
  return lines;
}

// Every run of one class other than "plain" as {line, column, cls, text}:
// line and column are 1-based, the column counted in bytes as Vim counts it.
function classRuns(grammar, text) {
  const runs = [];
  let state = textmate.INITIAL;
  splitLines(text).forEach((line, index) => {
    const result = grammar.tokenizeLine(line, state);
    state = result.ruleStack;
    let current = null;
    for (const token of result.tokens) {
      const cls = classOf(token.scopes);
      const tokenText = line.slice(token.startIndex, token.endIndex);
      if (current && current.cls === cls) {
        current.text += tokenText;
        continue;
      }
      if (current && current.cls !== 'plain') runs.push(current);
      current = {
        line: index + 1,
        column: Buffer.byteLength(line.slice(0, token.startIndex)) + 1,
        cls,
        text: tokenText,
      };
    }
    if (current && current.cls !== 'plain') runs.push(current);
  });
  return runs;
}

// One run as a line of a .classes file: LINE:COLUMN CLASS TEXT (prefixed by
// the file's name where a file holds the runs of several programs).
function formatRun(run, fileName) {
  const where = `${fileName ? fileName + ':' : ''}${run.line}:${run.column}`;
  return `${where} ${run.cls} ${run.text}`;
}

// Reads a .classes file: comment lines start with #, blank lines are ignored.
function readExpectations(file) {
  const entries = [];
  fs.readFileSync(file, 'utf8').split('\n').forEach((raw, index) => {
    if (raw.trim() === '' || raw.startsWith('#')) return;
    const match = /^(?:([^:\s]+):)?(\d+):(\d+) (\w+) (.*)$/.exec(raw);
    if (!match) throw new Error(`${file}:${index + 1}: cannot read "${raw}"`);
    entries.push({
      file: match[1],
      line: Number(match[2]),
      column: Number(match[3]),
      cls: match[4],
      text: match[5],
      source: `${path.basename(file)}:${index + 1}`,
    });
  });
  return entries;
}

module.exports = { classOf, loadGrammar, splitLines, classRuns, formatRun, readExpectations };
