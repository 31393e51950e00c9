// SPDX-License-Identifier: GPL-3.0-or-later
// The page: a problem form, its runs one tableau at a time, the plot, the sensitivity
// tables and practice, all answered by the WebAssembly core. The page holds no numbers of
// its own: it shows what the core computed and sends what the student does.
import { loadCore, toBase64, fromBase64, download } from './core.js';
import { tableauTable } from './grid.js';
import { drawPlot } from './plot.js';
import '../styles.css';

const VARIABLES = 9;
const STORAGE_KEY = 'vantrell.problem';
const $ = (id) => document.getElementById(id);

const app = {
  call: null,
  fileName: 'problem.lp',
  form: null,      // {name, minimize, decimals, varCount, objective[9], constraints[]}
  view: null,      // the run on show, as the core gave it
  page: 0,         // 0 the setup, 1..n the tableaus, n+1 the solution
  plot: null,
  sweepStep: undefined,
};

function showMessages(messages) {
  const box = $('messages');
  box.replaceChildren(...messages.map((text) => {
    const p = document.createElement('p');
    p.textContent = text;
    return p;
  }));
}

// One request; its messages are shown, its answer returned (ok false when refused).
function ask(request) {
  const answer = app.call(request);
  showMessages(answer.messages);
  return answer;
}

// ---- The problem form -------------------------------------------------------------------

function formFromProblem(problem) {
  const used = (texts) => texts.reduce((n, t, k) => (t !== '' ? k + 1 : n), 0);
  const varCount = Math.max(1, used(problem.objective), ...problem.constraints.map((c) => used(c.coefficients)));
  return { ...problem, varCount: Math.min(VARIABLES, varCount), constraints: problem.constraints.map((c) => ({ ...c })) };
}

function numberInput(value, label, onInput) {
  const input = document.createElement('input');
  input.value = value;
  input.inputMode = 'decimal';
  input.size = 6;
  input.setAttribute('aria-label', label);
  input.addEventListener('input', () => onInput(input.value));
  return input;
}

function renderForm() {
  const form = app.form;
  $('problem-name').value = form.name;
  $('sense').value = form.minimize ? 'min' : 'max';
  $('var-count').value = form.varCount;
  $('decimals').value = form.decimals;
  const table = $('problem-table');
  table.replaceChildren();
  const head = table.createTHead().insertRow();
  for (const text of ['', 'Name', ...Array.from({ length: form.varCount }, (_, k) => `X${k + 1}`), 'Relation', 'RHS']) {
    const th = document.createElement('th');
    th.scope = 'col';
    th.textContent = text;
    head.append(th);
  }
  const body = table.createTBody();
  const objective = body.insertRow();
  objective.insertCell().textContent = 'Objective';
  objective.insertCell();
  for (let k = 0; k < form.varCount; k++) {
    objective.insertCell().append(numberInput(form.objective[k], `Objective X${k + 1}`, (v) => { form.objective[k] = v; }));
  }
  objective.insertCell();
  objective.insertCell();
  form.constraints.forEach((row, i) => {
    const tr = body.insertRow();
    tr.insertCell().textContent = `${i + 1}`;
    const name = document.createElement('input');
    name.value = row.name;
    name.size = 8;
    name.setAttribute('aria-label', `Constraint ${i + 1} name`);
    name.addEventListener('input', () => { row.name = name.value; });
    tr.insertCell().append(name);
    for (let k = 0; k < form.varCount; k++) {
      tr.insertCell().append(numberInput(row.coefficients[k], `Constraint ${i + 1} X${k + 1}`, (v) => { row.coefficients[k] = v; }));
    }
    const relation = document.createElement('select');
    relation.setAttribute('aria-label', `Constraint ${i + 1} relation`);
    for (const symbol of ['<=', '=', '>=']) relation.add(new Option(symbol, symbol, false, row.relation === symbol));
    relation.addEventListener('change', () => { row.relation = relation.value; });
    tr.insertCell().append(relation);
    tr.insertCell().append(numberInput(row.rhs, `Constraint ${i + 1} right-hand side`, (v) => { row.rhs = v; }));
  });
}

function renderEquations(equations) {
  const box = $('equations');
  const block = (title, objective, rows) => {
    const div = document.createElement('div');
    const h = document.createElement('h3');
    h.textContent = title;
    const pre = document.createElement('pre');
    pre.textContent = [objective, ...rows].join('\n');
    div.append(h, pre);
    return div;
  };
  box.replaceChildren(block('Primal', equations.primal, equations.primalRows), block('Dual', equations.dual, equations.dualRows));
}

// A problem the core now holds: the form, the equations, the stored copy; old runs go.
function problemChanged(answer) {
  app.form = formFromProblem(answer.problem);
  renderForm();
  renderEquations(answer.equations);
  const saved = app.call({ op: 'save' });
  if (saved.ok) localStorage.setItem(STORAGE_KEY, JSON.stringify({ name: app.fileName, base64: saved.base64 }));
  app.view = null;
  app.plot = null;
  for (const id of ['tableaus', 'plot', 'sensitivity', 'practice']) $(id).hidden = true;
}

// The form as the core reads it; false (messages shown, nothing changed) when refused.
function commitForm() {
  const form = app.form;
  const problem = {
    name: $('problem-name').value,
    minimize: $('sense').value === 'min',
    decimals: Number.parseInt($('decimals').value, 10),
    objective: form.objective.map((t, k) => (k < form.varCount ? t : '')),
    constraints: form.constraints.map((c) => ({ ...c, coefficients: c.coefficients.map((t, k) => (k < form.varCount ? t : '')) })),
  };
  const answer = ask({ op: 'setProblem', problem });
  if (answer.ok) problemChanged(answer);
  return answer.ok;
}

function openBytes(name, bytes) {
  const answer = ask({ op: 'open', name, base64: toBase64(bytes) });
  if (answer.ok) {
    app.fileName = name;
    problemChanged(answer);
  }
  return answer.ok;
}

// ---- Runs and their pages ------------------------------------------------------------

function options() {
  return { method: $('method').value, rule: $('rule').value, numbers: $('numbers').value, bigM: $('bigm').value };
}

function dualChosen() {
  return document.querySelector('input[name="side"]:checked').value === 'dual';
}

function lastPage() {
  return app.view ? app.view.pages.length + 1 : 0;
}

function renderPage() {
  const view = app.view;
  const box = $('page-view');
  box.replaceChildren();
  const side = view.dual ? 'Dual' : 'Primal';
  const heading = document.createElement('h3');
  if (app.page === 0) {
    heading.textContent = `${side}: setup`;
    const list = document.createElement('ol');
    list.className = 'setup';
    for (const line of view.setup) {
      const li = document.createElement('li');
      li.textContent = line;
      list.append(li);
    }
    box.append(heading, list);
  } else if (app.page <= view.pages.length) {
    const page = view.pages[app.page - 1];
    heading.textContent = `${side}: tableau ${app.page}${page.unbounded ? ' (decides the run: unbounded)' : ''}`;
    const scroll = document.createElement('div');
    scroll.className = 'scroll';
    scroll.append(tableauTable(page, { caption: marksCaption(page) }));
    const note = document.createElement('p');
    note.className = 'note';
    note.textContent = page.note;
    box.append(heading, scroll, note);
    for (const mark of page.marks || []) {
      const p = document.createElement('p');
      p.className = 'note';
      p.textContent = mark;
      box.append(p);
    }
  } else {
    heading.textContent = `${side}: solution (${view.outcome})`;
    const list = document.createElement('ul');
    list.id = 'solution';
    for (const line of [...view.solution, ...view.special]) {
      const li = document.createElement('li');
      li.textContent = line;
      list.append(li);
    }
    box.append(heading, list);
  }
  const total = lastPage();
  // A two-phase run's pages say their phase, as the windows do.
  const phase = app.page > 0 && app.page < total ? view.pages[app.page - 1].phase : 0;
  const phaseText = phase === 1 ? ' (Phase I)' : phase === 2 ? ' (Phase II)' : '';
  $('page-label').textContent = app.page === 0 ? 'Setup' : app.page === total ? 'Solution' : `Tableau ${app.page} of ${view.pages.length}${phaseText}`;
  $('home').disabled = $('back').disabled = app.page === 0;
  $('end').disabled = $('next').disabled = app.page === total;
  if (app.plot && !$('plot').hidden) renderPlot();
}

function marksCaption(page) {
  if (!page.entering) return 'No variable enters: the last tableau';
  return page.leaving ? `${page.entering} enters, ${page.leaving} leaves` : `${page.entering} enters, no row limits it`;
}

function goTo(page) {
  if (!app.view) return;
  app.page = Math.max(0, Math.min(lastPage(), page));
  renderPage();
}

function showView(answer) {
  app.view = answer;
  app.page = Math.min(app.page, lastPage());
  $('tableaus').hidden = false;
  renderPage();
}

function calculate() {
  if (!commitForm()) return;
  const answer = ask({ op: 'run', dual: dualChosen(), options: options() });
  if (!answer.ok) return;
  app.page = 1;
  showView(answer);
  $('page-view').focus();
}

// Fractions and M expressions are another look at the same run: never a new one.
function displayChanged() {
  if (!app.view) return;
  const answer = ask({ op: 'view', dual: app.view.dual, options: options() });
  if (answer.ok) showView(answer);
}

// ---- Plot, sensitivity, practice, files ------------------------------------------------

function renderPlot() {
  const mode = document.querySelector('input[name="plot-mode"]:checked').value;
  const page = app.view && !app.view.dual && app.page >= 1 ? app.page - 1 : -1;
  const onPick = app.view && !app.view.dual ? (picked) => goTo(picked + 1) : undefined;
  drawPlot($('plot-view'), app.plot, { mode, page, sweepStep: app.sweepStep, onPick });
}

function listInto(id, lines) {
  $(id).replaceChildren(...lines.map((line) => {
    const li = document.createElement('li');
    li.textContent = line;
    return li;
  }));
}

function showPlot() {
  if (!app.form || !commitFormIfChanged()) return;
  const answer = ask({ op: 'plot', dual: false });
  if (!answer.ok) return;
  app.plot = answer;
  app.sweepStep = undefined;
  $('plot').hidden = false;
  $('plot-state').textContent = answer.sweepRefusal ? `No sweep: ${answer.sweepRefusal}` : '';
  $('plot-state').dataset.state = 'ready';
  $('play').disabled = Boolean(answer.sweepRefusal) || answer.sweep.length === 0;
  listInto('corners', answer.corners.map((c) => c.line));
  listInto('path-lines', answer.path ? answer.path.lines : []);
  renderPlot();
  $('plot').scrollIntoView();
}

// Play sweeps the objective line one step a frame until it meets its corner.
function play() {
  const plot = app.plot;
  if (!plot || plot.sweep.length === 0) return;
  $('play').disabled = true;
  $('plot-state').textContent = 'Playing…';
  $('plot-state').dataset.state = 'playing';
  app.sweepStep = 0;
  const stepsPerFrame = Math.max(1, Math.ceil(plot.sweep.length / 120));
  const frame = () => {
    if (app.plot !== plot) return;
    renderPlot();
    if (app.sweepStep >= plot.sweep.length - 1) {
      const corner = plot.corners[plot.sweepStops];
      $('plot-state').textContent = corner ? `Stopped at ${corner.line}` : 'The objective line stands still';
      $('plot-state').dataset.state = 'done';
      $('play').disabled = false;
      return;
    }
    app.sweepStep = Math.min(plot.sweep.length - 1, app.sweepStep + stepsPerFrame);
    requestAnimationFrame(frame);
  };
  frame();
}

function showSensitivity() {
  if (!commitFormIfChanged()) return;
  const answer = ask({ op: 'sensitivity', dual: dualChosen() });
  if (!answer.ok) return;
  const box = $('sensitivity-view');
  box.replaceChildren();
  for (const [title, rows] of [['Constraints', answer.constraints], ['Variables', answer.variables]]) {
    const wrap = document.createElement('div');
    wrap.className = 'scroll';
    const table = document.createElement('table');
    table.createCaption().textContent = title;
    rows.forEach((cells, i) => {
      const tr = table.insertRow();
      for (const text of cells) {
        const cell = document.createElement(i === 0 ? 'th' : 'td');
        if (i === 0) cell.scope = 'col';
        cell.textContent = text;
        tr.append(cell);
      }
    });
    wrap.append(table);
    box.append(wrap);
  }
  if (answer.degenerate) {
    const p = document.createElement('p');
    p.textContent = 'A basic variable is 0: the ranges are those of this basis.';
    box.append(p);
  }
  $('sensitivity').hidden = false;
  $('sensitivity').scrollIntoView();
}

function renderPractice(answer) {
  const box = $('practice-page');
  box.replaceChildren();
  const done = Boolean(answer.summary);
  $('practice-form').hidden = done;
  if (answer.page) {
    const scroll = document.createElement('div');
    scroll.className = 'scroll';
    scroll.append(tableauTable({ ...answer.page, entering: '', leaving: '' }, {
      caption: `Tableau ${answer.tableau}`,
      settledColumn: answer.settledColumn,
      settledRow: answer.settledRow,
    }));
    box.append(scroll);
    $('practice-question').textContent = answer.question;
  }
  const feedback = $('practice-feedback');
  feedback.textContent = answer.feedback || '';
  feedback.dataset.result = answer.result || '';
  // How many answers the page has had: each one changes it, even with the same words.
  feedback.dataset.answers = answer.result ? Number(feedback.dataset.answers || 0) + 1 : 0;
  listInto('practice-summary', done ? answer.summary : []);
  listInto('practice-rows', done ? [] : (answer.rowsMade || []));
}

function startPractice() {
  if (!commitFormIfChanged()) return;
  const answer = ask({ op: 'practice', dual: dualChosen(), level: $('practice-level').value });
  if (!answer.ok) return;
  $('practice').hidden = false;
  renderPractice(answer);
  $('practice-answer').focus();
}

function answerPractice(text) {
  const answer = ask({ op: 'answer', text });
  if (!answer.ok) return;
  renderPractice(answer);
  $('practice-answer').value = '';
  $('practice-answer').focus();
}

// The form may hold edits the core has not seen; they go in before any view of the problem.
let formEdited = false;
// Edits made since the problem was opened or saved.
let problemUnsaved = false;

function commitFormIfChanged() {
  if (!formEdited) return true;
  const ok = commitForm();
  if (ok) {
    formEdited = false;
    problemUnsaved = true;
  }
  return ok;
}

function saveProblem() {
  if (!commitFormIfChanged()) return false;
  downloadAnswer(ask({ op: 'save' }), `${baseName()}.lp`, 'text/plain');
  problemUnsaved = false;
  return true;
}

// Before another problem replaces this one, as the window's New and Open ask: Yes saves it
// first. False when the form cannot be saved as it stands (its message says why): then
// nothing is replaced.
function mayReplaceProblem() {
  if (!formEdited && !problemUnsaved) return true;
  return !window.confirm('Do you want to save the current inputs?') || saveProblem();
}

function downloadAnswer(answer, name, type) {
  if (answer.ok) download(name, fromBase64(answer.base64), type);
}

function nowClock() {
  const d = new Date();
  return { year: d.getFullYear(), month: d.getMonth() + 1, day: d.getDate(), hour: d.getHours(), minute: d.getMinutes() };
}

function baseName() {
  return app.fileName.replace(/\.[^.]*$/, '') || 'problem';
}

async function openExample() {
  if (!mayReplaceProblem()) return;
  const name = $('example').value;
  const response = await fetch(`./examples/${encodeURIComponent(name)}`);
  openBytes(name, new Uint8Array(await response.arrayBuffer()));
  formEdited = false;
  problemUnsaved = false;
  document.body.dataset.opened = name;
}

// ---- Wiring ----------------------------------------------------------------------------

function wire() {
  $('problem-form').addEventListener('input', () => { formEdited = true; });
  $('problem-form').addEventListener('change', () => { formEdited = true; });
  $('problem-form').addEventListener('submit', (e) => { e.preventDefault(); calculate(); });
  $('var-count').addEventListener('change', () => {
    const count = Number.parseInt($('var-count').value, 10);
    if (count >= 1 && count <= VARIABLES) {
      app.form.varCount = count;
      renderForm();
    } else {
      showMessages(['Choose from 1 to 9 variables']);
      $('var-count').value = app.form.varCount;
    }
  });
  $('add-row').addEventListener('click', () => {
    app.form.constraints.push({ name: `C${app.form.constraints.length + 1}`, coefficients: Array(VARIABLES).fill(''), relation: '<=', rhs: '0' });
    formEdited = true;
    renderForm();
  });
  $('remove-row').addEventListener('click', () => {
    app.form.constraints.pop();
    formEdited = true;
    renderForm();
  });
  $('open-example').addEventListener('click', openExample);
  $('open-file').addEventListener('change', async (e) => {
    const file = e.target.files[0];
    if (!file) return;
    if (mayReplaceProblem()) {
      openBytes(file.name, new Uint8Array(await file.arrayBuffer()));
      formEdited = false;
      problemUnsaved = false;
    }
    e.target.value = '';
  });
  $('save').addEventListener('click', saveProblem);
  $('new-exercise').addEventListener('click', () => {
    const kind = $('exercise-kind').value;
    const seed = Number.parseInt($('exercise-seed').value, 10);
    if (!Number.isInteger(seed) || seed < 0) {
      showMessages(['The seed must be a whole number from 0']);
      return;
    }
    if (!mayReplaceProblem()) return;
    const answer = ask({ op: 'exercise', kind, seed });
    if (answer.ok) {
      app.fileName = `exercise-${kind}-${seed}.lp`;
      problemChanged(answer);
      formEdited = false;
      problemUnsaved = false;
    }
  });
  $('run').addEventListener('click', calculate);
  $('numbers').addEventListener('change', displayChanged);
  $('bigm').addEventListener('change', displayChanged);
  $('report').addEventListener('click', () => {
    if (commitFormIfChanged()) downloadAnswer(ask({ op: 'report', clock: nowClock() }), `${baseName()}.out`, 'text/plain');
  });
  $('latex').addEventListener('click', () => {
    if (commitFormIfChanged()) downloadAnswer(ask({ op: 'latex', dual: dualChosen() }), `${baseName()}.tex`, 'application/x-tex');
  });
  $('sensitivity-button').addEventListener('click', showSensitivity);
  $('plot-button').addEventListener('click', showPlot);
  $('play').addEventListener('click', play);
  for (const radio of document.querySelectorAll('input[name="plot-mode"]')) radio.addEventListener('change', () => app.plot && renderPlot());
  $('practice-button').addEventListener('click', startPractice);
  $('practice-restart').addEventListener('click', startPractice);
  $('practice-form').addEventListener('submit', (e) => { e.preventDefault(); answerPractice($('practice-answer').value); });
  for (const button of document.querySelectorAll('[data-answer]')) button.addEventListener('click', () => answerPractice(button.dataset.answer));
  $('home').addEventListener('click', () => goTo(0));
  $('back').addEventListener('click', () => goTo(app.page - 1));
  $('next').addEventListener('click', () => goTo(app.page + 1));
  $('end').addEventListener('click', () => goTo(lastPage()));
  $('page-view').addEventListener('keydown', (e) => {
    const moves = { ArrowLeft: app.page - 1, ArrowRight: app.page + 1, Home: 0, End: lastPage() };
    if (e.key in moves) {
      e.preventDefault();
      goTo(moves[e.key]);
    }
  });
}

async function start() {
  app.call = await loadCore();
  wire();
  const examples = await (await fetch('./examples/index.json')).json();
  for (const name of examples) $('example').add(new Option(name, name, false, name === 'sample.lp'));
  const kept = JSON.parse(localStorage.getItem(STORAGE_KEY) || 'null');
  if (!(kept && openBytes(kept.name, fromBase64(kept.base64)))) {
    await openExample();
  }
  document.body.dataset.ready = 'true';
}

start();
