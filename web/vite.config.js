// SPDX-License-Identifier: GPL-3.0-or-later
// The page is built into build/web beside the core: relative paths, so the folder works
// from any static server; the core's two files come in unchanged from the wasm build.
import { defineConfig } from 'vite';
import { fileURLToPath } from 'node:url';

const root = fileURLToPath(new URL('.', import.meta.url));

export default defineConfig({
  root,
  base: './',
  publicDir: process.env.VANTRELL_WASM_DIR || `${root}../build/wasm/bin`,
  logLevel: 'warn',
  build: {
    outDir: `${root}../build/web`,
    emptyOutDir: true,
    assetsInlineLimit: 0,
  },
});
