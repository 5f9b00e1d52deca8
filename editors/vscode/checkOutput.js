'use strict';
// Reads tbasic-check --brief output: one finding per
// "FILE:LINE:COLUMN: error: MESSAGE" (or warning) line, LINE and COLUMN
// 1-based; the summary line and anything else are skipped. The pattern is
// the extension's problem matcher, so tasks and check-on-save read the same.

const manifest = require('./package.json');

const matcher = manifest.contributes.problemMatchers.find((m) => m.name === 'tbasic-check');
const pattern = new RegExp(matcher.pattern.regexp);

function parseCheckOutput(text) {
  const findings = [];
  for (const line of text.split(/\r?\n/)) {
    const match = pattern.exec(line);
    if (!match) continue;
    const p = matcher.pattern;
    findings.push({
      file: match[p.file],
      line: Number(match[p.line]),
      column: Number(match[p.column]),
      severity: match[p.severity],
      message: match[p.message],
    });
  }
  return findings;
}

module.exports = { parseCheckOutput };
