'use strict';
// The TextMate grammar against editors/test/: every run listed in
// tricky.classes must come out exactly so, and the example programs must
// tokenize to exactly examples.classes. `node grammar.test.js --update`
// rewrites examples.classes from the grammar (review the diff before
// committing it).

const fs = require('fs');
const path = require('path');
const { loadGrammar, classRuns, formatRun, readExpectations } = require('./tokenize');

const repoDir = path.join(__dirname, '..', '..', '..');
const testDir = path.join(repoDir, 'editors', 'test');
const examplesDir = path.join(repoDir, 'examples');

function exampleFiles() {
  return fs.readdirSync(examplesDir).filter((name) => name.endsWith('.bas')).sort();
}

async function main() {
  const grammar = await loadGrammar();
  const failures = [];

  // Chosen runs of the tricky file: each must start where it is listed and
  // cover exactly the listed text.
  const tricky = fs.readFileSync(path.join(testDir, 'tricky.bas'), 'utf8');
  const runs = classRuns(grammar, tricky);
  const expected = readExpectations(path.join(testDir, 'tricky.classes'));
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

  // The example programs: the complete list of runs.
  const actual = [];
  for (const name of exampleFiles()) {
    const text = fs.readFileSync(path.join(examplesDir, name), 'utf8');
    for (const run of classRuns(grammar, text)) actual.push(formatRun(run, name));
  }
  const snapshot = path.join(testDir, 'examples.classes');
  const header = '# Highlighting classes of examples/*.bas, written by editors/vscode/test/grammar.test.js --update.\n';
  if (process.argv.includes('--update')) {
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
  console.log(`grammar: ${expected.length} tricky runs, ${actual.length} example runs, ${failures.length} failures`);
  process.exit(failures.length === 0 ? 0 : 1);
}

main().catch((error) => {
  console.error(error);
  process.exit(1);
});
