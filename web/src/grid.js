// SPDX-License-Identifier: GPL-3.0-or-later
// One tableau as a table of cells with the window's marks: the entering column bold and
// shaded with an arrow in its heading, the leaving row with an arrow before it, the pivot
// cell boxed and underlined. Each mark is also said in words for screen readers.

// The page's lines: 0 Cj, 1 the heading (Cb, Basis, names, Bi, Bi/Aij), then the rows, Zj
// and Cj-Zj. Column k of the heading line is column k of every line.
export function tableauTable(page, { caption = '', settledColumn, settledRow } = {}) {
  const table = document.createElement('table');
  table.className = 'tableau';
  if (caption) {
    const c = table.createCaption();
    c.textContent = caption;
  }
  const heading = page.rows[1] || [];
  const entering = page.entering ? heading.indexOf(page.entering) : -1;
  const column = settledColumn !== undefined ? settledColumn : entering;
  const width = Math.max(...page.rows.map((r) => r.length));
  const basisRows = page.rows.length - 4;
  page.rows.forEach((line, index) => {
    const tr = table.insertRow();
    const basisIndex = index - 2;
    const isBasisRow = basisIndex >= 0 && basisIndex < basisRows;
    const leaving = isBasisRow && (settledRow !== undefined ? settledRow === basisIndex
      : page.leaving !== '' && line[1] === page.leaving);
    if (leaving) tr.classList.add('leaving');
    for (let k = 0; k < width; k++) {
      const text = line[k] ?? '';
      const cell = index === 1 || k === 1 ? document.createElement('th') : document.createElement('td');
      if (index === 1) cell.scope = 'col';
      if (k === 1 && index !== 1) cell.scope = 'row';
      cell.textContent = text;
      if (k === 1 && leaving) {
        cell.textContent = `→ ${text}`;
        cell.setAttribute('aria-label', `${text}, leaving row`);
      }
      if (k === column && column >= 2) {
        cell.classList.add('entering');
        if (index === 1) {
          cell.textContent = `${text} ↓`;
          cell.setAttribute('aria-label', `${text}, entering column`);
        }
      }
      if (leaving && k === column && column >= 2) {
        cell.classList.add('pivot');
        cell.setAttribute('aria-label', `pivot ${text}`);
      }
      tr.append(cell);
    }
  });
  return table;
}
