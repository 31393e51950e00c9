// SPDX-License-Identifier: GPL-3.0-or-later
// The 2-D plot as SVG: the region (or the constraint lines), the feasible corners, the run's
// path linked to the page on show, and the objective line that Play sweeps. Drawn by hand:
// a few dozen shapes need no chart library, and SVG keeps every mark readable and named.
const SVG = 'http://www.w3.org/2000/svg';
const SIZE = 420;
const MARGIN = 40;

function el(name, attributes = {}, parent) {
  const node = document.createElementNS(SVG, name);
  for (const [key, value] of Object.entries(attributes)) node.setAttribute(key, value);
  if (parent) parent.append(node);
  return node;
}

export function drawPlot(container, plot, { mode, page, sweepStep, onPick }) {
  container.replaceChildren();
  const extent = plot.extent > 0 ? plot.extent : 1;
  const scale = (SIZE - 2 * MARGIN) / extent;
  const x = (v) => MARGIN + v * scale;
  const y = (v) => SIZE - MARGIN - v * scale;
  const svg = el('svg', { viewBox: `0 0 ${SIZE} ${SIZE}`, role: 'img', 'aria-labelledby': 'plot-title plot-desc', class: 'plot' }, container);
  el('title', { id: 'plot-title' }, svg).textContent = plot.title || 'Plot';
  el('desc', { id: 'plot-desc' }, svg).textContent =
    `${plot.corners.length} feasible corners${plot.path ? `, a path of ${plot.path.points.length} points` : ''}`;
  const defs = el('defs', {}, svg);
  const marker = el('marker', { id: 'arrow', viewBox: '0 0 10 10', refX: 9, refY: 5, markerWidth: 7, markerHeight: 7, orient: 'auto-start-reverse' }, defs);
  el('path', { d: 'M0,0 L10,5 L0,10 z', class: 'arrow-head' }, marker);
  const clip = el('clipPath', { id: 'view' }, defs);
  el('rect', { x: MARGIN, y: MARGIN, width: SIZE - 2 * MARGIN, height: SIZE - 2 * MARGIN }, clip);

  // Axes and ticks.
  el('line', { x1: x(0), y1: y(0), x2: x(extent), y2: y(0), class: 'axis' }, svg);
  el('line', { x1: x(0), y1: y(0), x2: x(0), y2: y(extent), class: 'axis' }, svg);
  for (let i = 0; i <= 5; i++) {
    const v = (extent * i) / 5;
    const label = Number(v.toFixed(2)).toString();
    el('text', { x: x(v), y: y(0) + 16, class: 'tick', 'text-anchor': 'middle' }, svg).textContent = label;
    el('text', { x: x(0) - 6, y: y(v) + 4, class: 'tick', 'text-anchor': 'end' }, svg).textContent = label;
  }
  el('text', { x: x(extent), y: y(0) + 32, class: 'axis-name', 'text-anchor': 'end' }, svg).textContent = 'X1';
  el('text', { x: x(0) - 30, y: y(extent) - 8, class: 'axis-name' }, svg).textContent = 'X2';

  const drawing = el('g', { 'clip-path': 'url(#view)' }, svg);
  const points = (list) => list.map(([px, py]) => `${x(px)},${y(py)}`).join(' ');
  if (mode === 'region') {
    if (plot.region.length > 2) {
      el('polygon', { points: points(plot.region), class: 'region' }, drawing);
    }
    if (plot.openSide.length > 1) {
      el('polyline', { points: points(plot.openSide), class: 'open-side' }, drawing);
    }
  } else {
    plot.constraints.forEach((series, i) => {
      if (series.points.length < 2) return;
      const line = el('polyline', { points: points(series.points), class: `constraint c${i % 6}` }, drawing);
      el('title', {}, line).textContent = series.label;
      const [lx, ly] = series.points[series.points.length - 1];
      el('text', { x: Math.min(x(lx), SIZE - MARGIN - 4), y: Math.max(y(ly), MARGIN + 12), class: 'line-label', 'text-anchor': 'end' }, drawing).textContent = series.label;
    });
  }

  // The corners; the one Play stops at is the best, a square with its coordinates and Z.
  plot.corners.forEach((corner, i) => {
    const [cx, cy] = corner.at;
    const best = plot.sweepStops === i && !plot.unbounded;
    const mark = best
      ? el('rect', { x: x(cx) - 6, y: y(cy) - 6, width: 12, height: 12, class: 'corner best' }, svg)
      : el('circle', { cx: x(cx), cy: y(cy), r: 4, class: 'corner' }, svg);
    el('title', {}, mark).textContent = corner.line;
    if (best) {
      el('text', { x: x(cx) + 9, y: y(cy) - 9, class: 'best-label' }, svg).textContent = corner.line;
    }
  });

  // The path: filled points inside the region, hollow outside; arrows in run order.
  if (plot.path) {
    const at = (p) => [x(p.at[0]), y(p.at[1])];
    const path = plot.path.points;
    for (let i = 1; i < path.length; i++) {
      const [x1, y1] = at(path[i - 1]);
      const [x2, y2] = at(path[i]);
      if (x1 !== x2 || y1 !== y2) {
        el('line', { x1, y1, x2, y2, class: 'path-step', 'marker-end': 'url(#arrow)' }, svg);
      }
    }
    path.forEach((p, i) => {
      const [px, py] = at(p);
      const shown = p.page === page;
      const dot = el('circle', { cx: px, cy: py, r: shown ? 7 : 5, class: `path-point ${p.feasible ? 'inside' : 'outside'}${shown ? ' shown' : ''}`, 'data-page': p.page }, svg);
      el('title', {}, dot).textContent = plot.path.lines[i] || '';
      // A point of a page shows that page, by click or by Enter on it.
      if (onPick && p.page >= 0) {
        dot.setAttribute('tabindex', '0');
        dot.setAttribute('role', 'button');
        dot.setAttribute('aria-label', `Show: ${plot.path.lines[i] || `page ${p.page + 1}`}`);
        dot.addEventListener('click', () => onPick(p.page));
        dot.addEventListener('keydown', (e) => {
          if (e.key === 'Enter' || e.key === ' ') {
            e.preventDefault();
            onPick(p.page);
          }
        });
      }
      if (shown) {
        el('rect', { x: px - 10, y: py - 10, width: 20, height: 20, class: 'path-shown' }, svg);
        if (p.direction) {
          const dx = Number(p.direction.at[0]);
          const dy = Number(p.direction.at[1]);
          const length = Math.hypot(dx, dy) || 1;
          el('line', { x1: px, y1: py, x2: px + (dx / length) * 60, y2: py - (dy / length) * 60, class: 'entering-edge' }, svg);
        }
      }
    });
  }

  // The objective line at the sweep's step, dashed.
  if (sweepStep !== undefined && plot.sweep[sweepStep]) {
    const line = el('polyline', { points: points(plot.sweep[sweepStep]), class: 'objective' }, drawing);
    el('title', {}, line).textContent = 'Obj Function';
  }
}
