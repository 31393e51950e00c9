// SPDX-License-Identifier: GPL-3.0-or-later
// The page in Debian's Chromium, headless, served from build/web on a port of its own. Every
// request must stay on that origin and the console must stay free of errors: a test calls
// done() at its end, which fails on either.
import http from 'node:http';
import { readFile } from 'node:fs/promises';
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { chromium } from 'playwright-core';
import { webDir } from './paths.mjs';

const TYPES = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.css': 'text/css',
  '.wasm': 'application/wasm', '.json': 'application/json', '.lp': 'text/plain',
};

export async function startServer() {
  const server = http.createServer(async (request, response) => {
    const pathname = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
    const file = path.join(webDir, pathname.endsWith('/') ? `${pathname}index.html` : pathname);
    if (!file.startsWith(webDir)) {
      response.writeHead(403).end();
      return;
    }
    try {
      const body = await readFile(file);
      response.writeHead(200, { 'content-type': TYPES[path.extname(file)] || 'application/octet-stream' }).end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  return { origin: `http://127.0.0.1:${server.address().port}`, close: () => server.close() };
}

export async function launch() {
  const profile = mkdtempSync(path.join(tmpdir(), 'vantrell-chromium-'));
  const browser = await chromium.launchPersistentContext(profile, {
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    acceptDownloads: true,
    viewport: { width: 1100, height: 900 },
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
  return {
    context: browser,
    close: async () => {
      await browser.close();
      rmSync(profile, { recursive: true, force: true });
    },
  };
}

// A fresh page on the server with the two guards; open() waits until the core is loaded.
export async function openPage(context, origin, { width = 1100, height = 900 } = {}) {
  const faults = [];
  const page = await context.newPage();
  await page.setViewportSize({ width, height });
  await page.route('**/*', (route) => {
    const url = route.request().url();
    if (url.startsWith(`${origin}/`)) {
      route.continue();
    } else {
      faults.push(`request outside the page's origin: ${url}`);
      route.abort();
    }
  });
  page.on('console', (message) => {
    if (message.type() === 'error') faults.push(`console error: ${message.text()}`);
  });
  page.on('pageerror', (error) => faults.push(`page error: ${error.message}`));
  await page.goto(`${origin}/`);
  try {
    await page.waitForSelector('body[data-ready="true"]', { timeout: 10000 });
  } catch (error) {
    throw new Error([error.message, ...faults].join('\n'));
  }
  return {
    page,
    done: async () => {
      await page.close();
      if (faults.length > 0) throw new Error(faults.join('\n'));
    },
  };
}

// Waits until the element's text matches; the page answers synchronously, so this is quick.
export async function waitText(page, selector, pattern) {
  await page.waitForFunction(
    ([s, source, flags]) => new RegExp(source, flags).test(document.querySelector(s)?.textContent ?? ''),
    [selector, pattern.source, pattern.flags],
  );
}

export async function texts(page, selector) {
  return page.$$eval(selector, (nodes) => nodes.map((n) => n.textContent));
}

export async function downloadBytes(page, click) {
  const [download] = await Promise.all([page.waitForEvent('download'), click()]);
  return readFile(await download.path());
}
