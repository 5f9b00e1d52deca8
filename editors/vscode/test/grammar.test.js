'use strict';
// The TextMate grammar, run by vscode-textmate and vscode-oniguruma (the
// engine VS Code itself uses), against editors/test/. Each line is reduced
// to runs of one class ("LINE:COLUMN CLASS TEXT", the column in bytes as Vim
// counts it); the Vim test reads the same files.
// - tricky.classes and vocabulary.classes: every listed run must come out;
// - vocabulary.bas holds every word of the interpreter's tables in src/, so a
//   word added there and not to the editors fails here;
// - examples.classes: exactly the runs of examples/*.bas.
// `node grammar.test.js --update` rewrites the vocabulary files from src/ and
// examples.classes from the grammar: review the diff before committing it.

const fs = require('fs');
const path = require('path');
const textmate = require('vscode-textmate');
const oniguruma = require('vscode-oniguruma');

const repoDir = path.join(__dirname, '..', '..', '..');
const testDir = path.join(repoDir, 'editors', 'test');
const examplesDir = path.join(repoDir, 'examples');
const update = process.argv.includes('--update');
const read = (file) => fs.readFileSync(file, 'utf8');

function classOf(scopes) {
  const classes = [['invalid.', 'error'], ['comment.', 'comment'], ['string.', 'string'],
    ['constant.numeric.', 'number'], ['constant.language.boolean.', 'boolean'], ['keyword.operator.', 'operator'],
    ['keyword.', 'keyword'], ['storage.type.', 'type'], ['support.function.', 'builtin'],
    ['variable.', 'name'], ['entity.name.', 'name']];
  const found = classes.find(([prefix]) => scopes.some((scope) => scope.startsWith(prefix)));
  return found ? found[1] : 'plain';
}

async function loadGrammar() {
  const wasm = fs.readFileSync(path.join(path.dirname(require.resolve('vscode-oniguruma')), 'onig.wasm'));
  await oniguruma.loadWASM(wasm.buffer.slice(wasm.byteOffset, wasm.byteOffset + wasm.byteLength));
  const file = path.join(__dirname, '..', 'syntaxes', 'tbasic.tmLanguage.json');
  const registry = new textmate.Registry({
    onigLib: Promise.resolve({
      createOnigScanner: (patterns) => new oniguruma.OnigScanner(patterns),
      createOnigString: (text) => new oniguruma.OnigString(text),
    }),
    loadGrammar: async () => textmate.parseRawGrammar(read(file), file),
  });
  return registry.loadGrammar('source.tbasic');
}

// The runs of every class but "plain", one formatted line each.
function classRuns(grammar, text, prefix = '') {
  const runs = [];
  let state = textmate.INITIAL;
  text.replace(/\n$/, '').split('\n').forEach((line, index) => {
    const result = grammar.tokenizeLine(line, state);
    state = result.ruleStack;
    let run = null;
    const flush = () => run && run.cls !== 'plain' && runs.push(`${prefix}${index + 1}:${run.column} ${run.cls} ${run.text}`);
    for (const token of result.tokens) {
      const cls = classOf(token.scopes);
      const text = line.slice(token.startIndex, token.endIndex);
      if (run && run.cls === cls) {
        run.text += text;
      } else {
        flush();
        run = { cls, text, column: Buffer.byteLength(line.slice(0, token.startIndex)) + 1 };
      }
    }
    flush();
  });
  return runs;
}

const listed = (file) => read(file).split('\n').filter((line) => line !== '' && !line.startsWith('#'));

// Every word of the interpreter's tables on a line of its own, and its class.
function vocabulary(failures) {
  const walk = (dir) => fs.readdirSync(dir, { withFileTypes: true }).map((e) => {
    const file = path.join(dir, e.name);
    return e.isDirectory() ? walk(file) : /\.(cpp|h)$/.test(e.name) ? read(file) : '';
  }).join('\n');
  const source = walk(path.join(repoDir, 'src'));
  const table = (what, regex) => {
    const words = [...source.matchAll(regex)].flatMap((m) => m[1].match(/\w+/g));
    if (words.length === 0) failures.push(`no ${what} found in src/ (has the table's layout changed?)`);
    return words;
  };
  const types = table('type names', /\{DataType::\w+, *"(\w+)"\}/g);
  const lines = [];
  for (const word of table('keyword rows', /\{Keyword::\w+, *"(\w+)", *(?:0|'(?:\\.|[^'\\])*')\}/g)) {
    lines.push([word, word === 'rem' ? 'comment' : 'keyword']);
    const split = /^(end|exit|continue|do|loop)(\w+)$/.exec(word);
    if (split) lines.push([`${split[1]} ${split[2]}`, 'keyword']);
  }
  for (const word of table('ignored words', /ignoredWords\[\] *= *\{((?:"\w+",? *)+)\}/g)) lines.push([word, 'keyword']);
  // date and time name both types and built-ins; the type wins.
  for (const word of table('built-in functions', /\{Builtin::\w+, *"(\w+)", *CallForm::/g)) {
    if (!types.includes(word)) lines.push([`${word}(1)`, 'builtin', word]);
  }
  for (const word of types) lines.push([word, 'type']);
  for (const word of table('operator words', /\{Operator::\w+, *"([a-z]+)", *BinaryLevel::/g)) lines.push([word, 'operator']);
  return {
    'vocabulary.bas': lines.map(([line]) => line).join('\n') + '\n',
    'vocabulary.classes': "# Every word of the interpreter's tables in vocabulary.bas and its class;\n" +
      '# written by editors/vscode/test/grammar.test.js --update.\n' +
      lines.map(([line, cls, run], i) => `${i + 1}:1 ${cls} ${run || line}\n`).join(''),
  };
}

async function main() {
  const grammar = await loadGrammar();
  const failures = [];

  for (const [file, content] of Object.entries(vocabulary(failures))) {
    if (update) fs.writeFileSync(path.join(testDir, file), content);
    else if (read(path.join(testDir, file)) !== content) failures.push(`${file} is behind src/: run --update`);
  }
  let count = 0;
  for (const name of ['tricky', 'vocabulary']) {
    const runs = classRuns(grammar, read(path.join(testDir, `${name}.bas`)));
    for (const want of listed(path.join(testDir, `${name}.classes`))) {
      ++count;
      if (runs.includes(want)) continue;
      const line = want.split(':')[0];
      failures.push(`${name}.bas: want ${want}\n    got: ${runs.filter((r) => r.startsWith(line + ':')).join('\n         ')}`);
    }
  }

  const snapshot = path.join(testDir, 'examples.classes');
  const names = fs.readdirSync(examplesDir).filter((name) => name.endsWith('.bas')).sort();
  const actual = names.flatMap((name) => classRuns(grammar, read(path.join(examplesDir, name)), name + ':'));
  if (update) {
    fs.writeFileSync(snapshot, '# Highlighting classes of examples/*.bas, written by ' +
      'editors/vscode/test/grammar.test.js --update.\n' + actual.join('\n') + '\n');
  } else {
    const want = listed(snapshot);
    for (let i = 0, shown = 0; i < Math.max(want.length, actual.length) && shown < 20; ++i) {
      if (want[i] !== actual[i]) {
        failures.push(`examples.classes entry ${i + 1}: want ${want[i]}\n    got:  ${actual[i]}`);
        ++shown;
      }
    }
  }

  for (const failure of failures) console.log('FAIL ' + failure);
  console.log(`grammar: ${count} listed runs, ${actual.length} example runs, ${failures.length} failures`);
  process.exitCode = failures.length === 0 ? 0 : 1;
}

main().catch((error) => {
  console.error(error);
  process.exitCode = 1;
});
