'use strict';
// The TextMate grammar against editors/test/: every run listed in
// tricky.classes and vocabulary.classes must come out exactly so, and the
// example programs must tokenize to exactly examples.classes.
// vocabulary.bas holds every keyword, type, built-in function and operator
// word of the interpreter's own tables (read from src/), so a word added
// there and not to the editors fails here. `node grammar.test.js --update`
// rewrites vocabulary.* from src/ and examples.classes from the grammar
// (review the diff before committing them).

const fs = require('fs');
const path = require('path');
const { loadGrammar, classRuns, formatRun, readExpectations } = require('./tokenize');

const repoDir = path.join(__dirname, '..', '..', '..');
const testDir = path.join(repoDir, 'editors', 'test');
const examplesDir = path.join(repoDir, 'examples');
const update = process.argv.includes('--update');

function exampleFiles() {
  return fs.readdirSync(examplesDir).filter((name) => name.endsWith('.bas')).sort();
}

function sourceText(dir) {
  return fs.readdirSync(dir, { withFileTypes: true }).map((entry) => {
    const file = path.join(dir, entry.name);
    if (entry.isDirectory()) return sourceText(file);
    return entry.name.endsWith('.cpp') ? fs.readFileSync(file, 'utf8') : '';
  }).join('\n');
}

// The words of the interpreter's tables, each on a line of its own, and the
// class each must get: {text, runs: [[column, class, text]]}.
function vocabulary(failures) {
  const source = sourceText(path.join(repoDir, 'src'));
  const table = (what, regex) => {
    const words = [...source.matchAll(regex)].map((m) => m[1]);
    if (words.length === 0) failures.push(`no ${what} found in src/ (has the table's layout changed?)`);
    return words;
  };
  const keywords = table('keyword rows', /\{Cmd\w+, *(?:0|'(?:\\.|[^'\\])*'), *"(\w+)"\}/g);
  const ignored = table('ignored words', /\{((?:"\w+",? *)+)\}\) *t\.ignoredWords/g)
    .flatMap((list) => list.match(/\w+/g));
  const types = table('type names', /\{DataType::\w+, *"(\w+)"\}/g);
  const builtins = table('built-in functions', /\{"(\w+)", *\d+, *(?:Math|DateTime|String)\}/g);
  const operators = table('operator words', /\{"([a-z]+)", *"[a-z]+"\}/g);
  const lines = [];
  for (const word of keywords) {
    lines.push([word, word === 'rem' ? 'comment' : 'keyword']);
    const split = /^(end|exit|continue|do|loop)(\w+)$/.exec(word);
    if (split) lines.push([`${split[1]} ${split[2]}`, 'keyword']);
  }
  for (const word of ignored) lines.push([word, 'keyword']);
  // date and time name both types and built-ins; the type wins.
  for (const word of builtins) {
    if (!types.includes(word)) lines.push([`${word}(1)`, 'builtin', word]);
  }
  for (const word of types) lines.push([word, 'type']);
  for (const word of operators) lines.push([word, 'operator']);
  const text = lines.map(([line]) => line).join('\n') + '\n';
  const classes = lines.map(([line, cls, run], i) => `${i + 1}:1 ${cls} ${run || line}`);
  const header = '# Every word of the interpreter\'s tables in vocabulary.bas and its class;\n' +
    '# written by editors/vscode/test/grammar.test.js --update.\n';
  return { text, classes: header + classes.join('\n') + '\n' };
}

// Each listed run must start where it is listed and cover exactly its text.
function checkListed(grammar, name, failures) {
  const runs = classRuns(grammar, fs.readFileSync(path.join(testDir, `${name}.bas`), 'utf8'));
  const expected = readExpectations(path.join(testDir, `${name}.classes`));
  for (const entry of expected) {
    const run = runs.find((r) => r.line === entry.line && r.column === entry.column);
    const want = formatRun(entry);
    if (!run) {
      const onLine = runs.filter((r) => r.line === entry.line).map((r) => formatRun(r));
      failures.push(`${entry.source}: no run starts at ${entry.line}:${entry.column}; want ${want}\n    got: ${onLine.join('\n         ') || '(nothing)'}`);
    } else if (run.cls !== entry.cls || run.text !== entry.text) {
      failures.push(`${entry.source}: want ${want}\n    got:  ${formatRun(run)}`);
    }
  }
  return expected.length;
}

async function main() {
  const grammar = await loadGrammar();
  const failures = [];

  // The interpreter's vocabulary: the committed files must be the current ones.
  const words = vocabulary(failures);
  for (const [file, content] of [['vocabulary.bas', words.text], ['vocabulary.classes', words.classes]]) {
    const target = path.join(testDir, file);
    if (update) fs.writeFileSync(target, content);
    else if (fs.readFileSync(target, 'utf8') !== content) failures.push(`${file} is not up to date with src/: run --update`);
  }
  const listed = checkListed(grammar, 'tricky', failures) + checkListed(grammar, 'vocabulary', failures);

  // The example programs: the complete list of runs.
  const actual = [];
  for (const name of exampleFiles()) {
    const text = fs.readFileSync(path.join(examplesDir, name), 'utf8');
    for (const run of classRuns(grammar, text)) actual.push(formatRun(run, name));
  }
  const snapshot = path.join(testDir, 'examples.classes');
  const header = '# Highlighting classes of examples/*.bas, written by editors/vscode/test/grammar.test.js --update.\n';
  if (update) {
    fs.writeFileSync(snapshot, header + actual.join('\n') + '\n');
    console.log(`wrote ${actual.length} runs to ${snapshot}`);
  } else {
    const want = readExpectations(snapshot).map((entry) => formatRun(entry, entry.file));
    const length = Math.max(want.length, actual.length);
    let shown = 0;
    for (let i = 0; i < length && shown < 20; ++i) {
      if (want[i] !== actual[i]) {
        failures.push(`examples.classes entry ${i + 1}: want ${want[i] ?? '(end)'}\n    got:  ${actual[i] ?? '(end)'}`);
        ++shown;
      }
    }
    if (exampleFiles().length === 0) failures.push('no example programs found in ' + examplesDir);
  }

  for (const failure of failures) console.log('FAIL ' + failure);
  console.log(`grammar: ${listed} listed runs, ${actual.length} example runs, ${failures.length} failures`);
  process.exit(failures.length === 0 ? 0 : 1);
}

main().catch((error) => {
  console.error(error);
  process.exit(1);
});
