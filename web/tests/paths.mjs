// SPDX-License-Identifier: GPL-3.0-or-later
// Where the tests find the repository, the desktop build's batch front end and the page.
import path from 'node:path';
import { fileURLToPath } from 'node:url';

export const repo = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
export const cliPath = process.env.VANTRELL_CLI || path.join(repo, 'build/ci/bin/vantrell-cli');
export const wasmDir = path.join(repo, 'build/web');
export const webDir = path.join(repo, 'build/web');
