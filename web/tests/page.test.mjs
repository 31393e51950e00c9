// SPDX-License-Identifier: GPL-3.0-or-later
// What a student does in the page, in headless Chromium, checked against the desktop build's
// batch front end on the same files. VANTRELL_TOUR_DIR=folder also saves the tour's pictures.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { readFileSync, readdirSync, writeFileSync, mkdtempSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { repo, cliPath } from './paths.mjs';
import { startServer, launch, openPage, waitText, texts, downloadBytes } from './browser.mjs';

const examples = readdirSync(path.join(repo, 'data')).filter((n) => n.endsWith('.lp')).sort();
// Relative to the repository, wherever npm runs the tests from.
const tourDir = process.env.VANTRELL_TOUR_DIR && path.resolve(repo, process.env.VANTRELL_TOUR_DIR);
const cli = (args, input) => {
  try {
    return execFileSync(cliPath, args, { encoding: 'utf8', input, stdio: ['pipe', 'pipe', 'ignore'] });
  } catch (error) {
    return error.stdout; // a refused run still prints what it has
  }
};
const shot = async (page, name, options = {}) => {
  if (tourDir) await page.screenshot({ path: path.join(tourDir, `web-${name}.png`), ...options });
};

let server;
let browser;
before(async () => {
  server = await startServer();
  browser = await launch();
});
after(async () => {
  await browser?.close();
  server?.close();
});

async function openExample(page, name) {
  await page.selectOption('#example', name);
  await page.click('#open-example');
  await page.waitForFunction((n) => document.body.dataset.opened === n, name);
}

test('every example runs, page by page, to the batch front end\'s answer', async () => {
  const { page, done } = await openPage(browser.context, server.origin);
  await page.selectOption('#numbers', 'fractions');
  await page.selectOption('#bigm', 'expressions');
  for (const name of examples) {
    const json = JSON.parse(cli(['solve', path.join(repo, 'data', name), '--json']));
    await openExample(page, name);
    await page.click('#run');
    const pages = json.primal.pages.length;
    await waitText(page, '#page-label', new RegExp(`^Tableau 1 of ${pages}$`));
    // Next through every page by the keyboard, then the solution.
    await page.focus('#page-view');
    for (let k = 2; k <= pages; k++) {
      await page.keyboard.press('ArrowRight');
      await waitText(page, '#page-label', new RegExp(`^Tableau ${k} of`));
      const note = await page.textContent('#page-view .note');
      assert.equal(note, json.primal.pages[k - 1].note, `${name} page ${k}`);
    }
    await page.keyboard.press('End');
    await waitText(page, '#page-label', /^Solution$/);
    const solution = await texts(page, '#solution li');
    for (const [variable, value] of Object.entries(json.primal.variables)) {
      if (value !== '0') assert.ok(solution.includes(`${variable} = ${value}`), `${name}: ${variable} = ${value} in ${solution}`);
    }
    if (json.primal.tableau_objective) {
      assert.ok(solution.includes(`Solution = ${json.primal.tableau_objective}`), `${name}: ${solution}`);
    }
    if (json.primal.outcome === 'infeasible') assert.match(solution.join('\n'), /No Feasible Solution/);
    if (json.primal.outcome === 'unbounded') assert.match(solution.join('\n'), /Unbounded/);
    await page.click('#home');
    await waitText(page, '#page-label', /^Setup$/);
    assert.deepEqual(await texts(page, '.setup li'), json.primal.setup, name);
  }
  // The marks of the sample's second tableau, as the grid shows them.
  await openExample(page, 'sample.lp');
  await page.click('#run');
  await page.click('#next');
  await waitText(page, '#page-label', /^Tableau 2 of/);
  assert.equal(await page.getAttribute('.tableau th.entering[aria-label]', 'aria-label'), 'X2, entering column');
  assert.equal(await page.getAttribute('.tableau tr.leaving th', 'aria-label'), 'a3, leaving row');
  assert.equal(await page.textContent('.tableau .pivot'), '2');
  await shot(page.locator('#tableaus'), 'tableau');
  // Decimals again: the same run and page in the run's own numbers, not a new run.
  await page.selectOption('#numbers', 'decimals');
  await page.selectOption('#bigm', 'pairs');
  await waitText(page, '.tableau .pivot', /^2\.00$/);
  assert.equal(await page.textContent('#page-label'), 'Tableau 2 of 5');
  // The two-phase method: the pages and notes of solve --json --method two-phase.
  const phases = JSON.parse(cli(['solve', path.join(repo, 'data', 'equality.lp'), '--json', '--method', 'two-phase']));
  await openExample(page, 'equality.lp');
  await page.selectOption('#numbers', 'fractions');
  await page.selectOption('#method', 'two-phase');
  await page.click('#run');
  await waitText(page, '#page-label', new RegExp(`^Tableau 1 of ${phases.primal.pages.length} \\(Phase I\\)$`));
  assert.equal(await page.textContent('#page-view .note'), phases.primal.pages[0].note);
  await page.click('#end');
  await page.click('#back');
  await waitText(page, '#page-label', /\(Phase II\)$/);
  await shot(page.locator('#tableaus'), 'two-phase');
  await page.selectOption('#method', 'big-m');
  await page.selectOption('#numbers', 'decimals');
  await done();
});

test('practice checks each pivot with the batch front end\'s words', async () => {
  const answers = ['X2', 'X1', 'S2', 'S1'];
  const { page, done } = await openPage(browser.context, server.origin);
  await openExample(page, 'sample.lp');
  await page.click('#practice-button');
  await waitText(page, '#practice-question', /Tableau 1: which column enters\?/);
  const feedback = [];
  for (const answer of answers) {
    await page.fill('#practice-answer', answer);
    await page.press('#practice-answer', 'Enter');
    await page.waitForFunction((n) => document.getElementById('practice-feedback').dataset.answers === `${n}`, feedback.length + 1);
    feedback.push([await page.textContent('#practice-feedback'), await page.getAttribute('#practice-feedback', 'data-result')]);
    if (answer === 'X2') await shot(page.locator('#practice'), 'practice-wrong');
  }
  assert.deepEqual(feedback.map(([, result]) => result), ['wrong', 'right', 'wrong', 'right']);
  // Show me through the rest, as a student who gives up would.
  let shows = 0;
  while (await page.isVisible('#practice-form') && shows < 40) {
    await page.click('[data-answer="show"]');
    shows += 1;
  }
  const summary = await texts(page, '#practice-summary li');
  const terminal = cli(['practice', path.join(repo, 'data', 'sample.lp')], `${[...answers, ...Array(shows).fill('show')].join('\n')}\n`);
  const lines = terminal.split('\n');
  const terminalFeedback = lines.filter((_, i) => i > 0 && /^Tableau \d+: /.test(lines[i - 1])).slice(0, answers.length);
  assert.deepEqual(feedback.map(([text]) => text), terminalFeedback);
  assert.ok(summary.length > 0);
  for (const line of summary) assert.ok(lines.includes(line), `summary line "${line}"`);

  // At the next-tableau level the rows follow the pivot, each one filled in on request.
  await page.selectOption('#practice-level', 'tableau');
  await page.click('#practice-restart');
  for (const answer of ['X1', 'S1']) {
    await page.fill('#practice-answer', answer);
    await page.press('#practice-answer', 'Enter');
  }
  await waitText(page, '#practice-question', /^Tableau 2, R1 \(X1, the pivot row\): X1 X2 S1 S2 S3 a3 Bi$/);
  await page.click('[data-answer="show"]');
  assert.deepEqual(await texts(page, '#practice-rows li'), ['R1 (X1, the pivot row): 1.00 0.00 1.00 0.00 0.00 0.00 4.00']);
  await done();
});

test('plot draws the region, the path of the page on show and Play stops at the best corner', async () => {
  const { page, done } = await openPage(browser.context, server.origin);
  await openExample(page, 'sample.lp');
  await page.click('#run');
  await page.click('#next');
  await page.click('#plot-button');
  await page.waitForSelector('#plot-view svg');
  const file = path.join(repo, 'data', 'sample.lp');
  const pathLines = cli(['plot', file, '--path']).trim().split('\n');
  assert.deepEqual(await texts(page, '#path-lines li'), pathLines);
  assert.equal(await page.getAttribute('.path-point.shown', 'data-page'), '1');
  // A point of the path shows its page, from the keyboard too.
  await page.focus('.path-point[data-page="3"]');
  await page.keyboard.press('Enter');
  await waitText(page, '#page-label', /^Tableau 4 of/);
  assert.equal(await page.getAttribute('.path-point.shown', 'data-page'), '3');
  await page.click('#back');
  await page.click('#back');
  assert.equal(await page.locator('.region').count(), 1);
  await page.click('#play');
  await page.waitForSelector('#plot-state[data-state="done"]');
  const stop = cli(['plot', file]).match(/^Stops at line \d+: (.*) after/m)[1];
  assert.equal(await page.textContent('#plot-state'), `Stopped at ${stop}`);
  assert.equal(await page.locator('.corner.best').count(), 1);
  await page.check('input[name="plot-mode"][value="lines"]');
  assert.equal(await page.locator('.constraint').count(), 3);
  await page.check('input[name="plot-mode"][value="region"]');
  await shot(page.locator('#plot'), 'plot');
  await page.click('#sensitivity-button');
  await page.waitForSelector('#sensitivity-view table');
  assert.equal(await page.locator('#sensitivity-view table').first().locator('tr').count(), 4);
  await shot(page.locator('#sensitivity'), 'sensitivity');
  await done();
});

test('files: open from the picker, refuse a bad field, save, reopen, keep across a reload, download report and LaTeX', async () => {
  const dir = mkdtempSync(path.join(tmpdir(), 'vantrell-page-'));
  const file = path.join(repo, 'data', 'equality.lp');
  const { page, done } = await openPage(browser.context, server.origin);
  await page.setInputFiles('#open-file', file);
  await page.waitForFunction(() => document.getElementById('problem-name').value !== 'Sample');
  assert.deepEqual(await downloadBytes(page, () => page.click('#save')), readFileSync(file));

  // A bad number is refused with the window's words and the problem stays as it was.
  const equations = await page.textContent('#equations');
  await page.fill('[aria-label="Constraint 1 X1"]', 'abc');
  await page.click('#run');
  await waitText(page, '#messages', /Constraint 1, X1: Please enter a number\./);
  assert.equal(await page.textContent('#equations'), equations);

  // An edit, saved and opened again, comes back the same; it is kept across a reload too.
  await page.fill('[aria-label="Constraint 1 X1"]', '2.5');
  await page.fill('#problem-name', 'Edited');
  await page.click('#run');
  await waitText(page, '#page-label', /^Tableau 1 of/);
  const saved = await downloadBytes(page, () => page.click('#save'));
  assert.match(saved.toString('latin1'), /^Edited# Problem Name\r\n/);
  writeFileSync(path.join(dir, 'edited.lp'), saved);
  await openExample(page, 'sample.lp');
  await page.setInputFiles('#open-file', path.join(dir, 'edited.lp'));
  await page.waitForFunction(() => document.getElementById('problem-name').value === 'Edited');
  assert.equal(await page.inputValue('[aria-label="Constraint 1 X1"]'), '2.500');
  await page.reload();
  await page.waitForSelector('body[data-ready="true"]');
  assert.equal(await page.inputValue('#problem-name'), 'Edited');
  assert.deepEqual(await downloadBytes(page, () => page.click('#save')), saved);

  // LaTeX as the batch front end writes it; the report with both runs and CR LF lines.
  const latex = await downloadBytes(page, () => page.click('#latex'));
  assert.equal(latex.toString('utf8'), cli(['latex', path.join(dir, 'edited.lp')]));
  const report = (await downloadBytes(page, () => page.click('#report'))).toString('latin1');
  const expected = cli(['report', path.join(dir, 'edited.lp')]).split('\n').filter((l) => !/^(Filename|Date|Time)/.test(l));
  for (const line of expected.slice(0, 40)) assert.ok(report.includes(line), `report line "${line}"`);
  assert.ok(report.includes('\r\n') && !/[^\r]\n/.test(report));

  // An edit not saved: opening another problem asks first, as the window does; Yes saves it.
  await page.fill('#problem-name', 'Unsaved');
  let question = '';
  page.once('dialog', (dialog) => {
    question = dialog.message();
    dialog.accept();
  });
  const kept = await downloadBytes(page, () => openExample(page, 'sample.lp'));
  assert.equal(question, 'Do you want to save the current inputs?');
  assert.match(kept.toString('latin1'), /^Unsaved# Problem Name\r\n/);
  await done();
});

test('a new exercise is the batch front end\'s, and the page reads on a phone', async () => {
  const dir = mkdtempSync(path.join(tmpdir(), 'vantrell-page-'));
  const { page, done } = await openPage(browser.context, server.origin, { width: 390, height: 844 });
  await page.selectOption('#exercise-kind', 'min');
  await page.fill('#exercise-seed', '7');
  await page.click('#new-exercise');
  await page.waitForFunction(() => document.getElementById('problem-name').value !== 'Sample');
  cli(['exercise', '--seed', '7', '--kind', 'min', '-o', path.join(dir, 'x.lp')]);
  assert.deepEqual(await downloadBytes(page, () => page.click('#save')), readFileSync(path.join(dir, 'x.lp')));
  await page.click('#run');
  await waitText(page, '#page-label', /^Tableau 1 of/);
  // Nothing but the tableau's own scroller is wider than the screen.
  const overflow = await page.evaluate(() => document.documentElement.scrollWidth - window.innerWidth);
  assert.ok(overflow <= 0, `the page is ${overflow}px wider than a phone`);
  await shot(page, 'phone');
  await done();
});
