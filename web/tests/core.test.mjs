// SPDX-License-Identifier: GPL-3.0-or-later
// The WebAssembly core against the desktop build's batch front end: the same document for
// every example, files written byte for byte, and refusals that keep the problem.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { readFileSync, readdirSync, mkdtempSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { loadCore } from './core.mjs';
import { repo, cliPath, wasmDir } from './paths.mjs';

const examples = readdirSync(path.join(repo, 'data')).filter((n) => n.endsWith('.lp')).sort();
const call = await loadCore(wasmDir);
const open = (file) => call({ op: 'open', name: path.basename(file), base64: readFileSync(file).toString('base64') });
const cli = (...args) => {
  try {
    return execFileSync(cliPath, args, { encoding: 'utf8', stdio: ['ignore', 'pipe', 'ignore'] });
  } catch (error) {
    return error.stdout; // a refused run still prints its document
  }
};

test('solve gives the batch front end\'s document on every example', () => {
  assert.ok(examples.length >= 6);
  for (const name of examples) {
    const file = path.join(repo, 'data', name);
    assert.equal(open(file).ok, true, name);
    const answer = call({ op: 'solve' });
    assert.deepEqual(answer.answer, JSON.parse(cli('solve', file, '--json')), name);
  }
});

test('each method gives the batch front end\'s document on every example', () => {
  for (const method of ['two-phase', 'dual-simplex']) {
    for (const name of examples) {
      const file = path.join(repo, 'data', name);
      assert.equal(open(file).ok, true, name);
      const answer = call({ op: 'solve', options: { method } });
      assert.deepEqual(answer.answer, JSON.parse(cli('solve', file, '--json', '--method', method)), `${name} ${method}`);
    }
  }
});

test('save writes every example back byte for byte', () => {
  for (const name of examples) {
    const file = path.join(repo, 'data', name);
    open(file);
    assert.deepEqual(Buffer.from(call({ op: 'save' }).base64, 'base64'), readFileSync(file), name);
  }
});

test('an exercise is the one the batch front end writes', () => {
  const dir = mkdtempSync(path.join(tmpdir(), 'vantrell-'));
  for (const [kind, seed] of [['mixed', 7], ['unbounded', 3]]) {
    const out = path.join(dir, `${kind}.lp`);
    cli('exercise', '--seed', `${seed}`, '--kind', kind, '-o', out);
    assert.equal(call({ op: 'exercise', kind, seed }).ok, true);
    assert.deepEqual(Buffer.from(call({ op: 'save' }).base64, 'base64'), readFileSync(out), kind);
  }
});

test('a refused request says why and keeps the problem', () => {
  const form = (rows) => ({ op: 'setProblem', problem: { name: 'T', decimals: 2, objective: ['1', '1'], constraints: rows } });
  const row = (x1, relation, rhs) => ({ name: 'R', coefficients: [x1, '1'], relation, rhs });
  const cases = [
    { name: 'not JSON', raw: '{op:', message: /not JSON/ },
    { name: 'no operation', request: { dual: true }, message: /names no operation/ },
    { name: 'unknown operation', request: { op: 'fly' }, message: /Unknown operation "fly"/ },
    { name: 'unknown method', request: { op: 'run', options: { method: 'simplex' } }, message: /method must be/ },
    { name: 'unknown rule', request: { op: 'run', options: { rule: 'random' } }, message: /pivot rule/ },
    { name: 'coefficient not a number', request: form([row('abc', '<=', '4')]), message: /Constraint 1, X1: Please enter a number\./ },
    { name: 'number too large', request: form([row('1e13', '<=', '4')]), message: /Numbers this large/ },
    { name: 'unknown relation', request: form([row('1', '<', '4')]), message: /relation must be/ },
    { name: 'right-hand side not a number', request: form([row('1', '<=', 'x')]), message: /right-hand side: Please enter a number/ },
    { name: 'file not base64', request: { op: 'open', base64: '%%%' }, message: /did not arrive whole/ },
    { name: 'file not a problem', request: { op: 'open', base64: Buffer.from('nonsense').toString('base64') }, message: /./ },
    { name: 'answer without practice', request: { op: 'answer', text: 'X1' }, message: /No practice question/ },
    { name: 'bad exercise kind', request: { op: 'exercise', kind: 'easy' }, message: /kind must be/ },
    { name: 'field of the wrong type', request: { op: 'run', dual: 'yes' }, message: /wrong types/ },
  ];
  open(path.join(repo, 'data', 'sample.lp'));
  const before = call({ op: 'save' }).base64;
  for (const c of cases) {
    const answer = c.raw !== undefined ? JSON.parse(call.raw(c.raw)) : call(c.request);
    assert.equal(answer.ok, false, c.name);
    assert.match(answer.messages.join('\n'), c.message, c.name);
    assert.equal(call({ op: 'save' }).base64, before, `${c.name} kept the problem`);
  }
});

test('fractions are another view of the same run, and LaTeX is the batch front end\'s', () => {
  const file = path.join(repo, 'data', 'minimize.lp');
  open(file);
  const decimals = call({ op: 'run', dual: false, options: {} });
  const fractions = call({ op: 'view', dual: false, options: { numbers: 'fractions', bigM: 'expressions' } });
  assert.equal(fractions.pages.length, decimals.pages.length);
  assert.notDeepEqual(fractions.pages[0].rows, decimals.pages[0].rows);
  assert.equal(fractions.pages[0].note.length > 0, true);
  call({ op: 'view', dual: false, options: {} });
  const latex = Buffer.from(call({ op: 'latex', dual: false }).base64, 'base64').toString('latin1');
  assert.equal(latex, Buffer.from(cli('latex', file), 'utf8').toString('latin1'));
});
