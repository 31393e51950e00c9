// SPDX-License-Identifier: GPL-3.0-or-later
// Loads the WebAssembly core in Node: the same module the page loads, without a browser.
import { createRequire } from 'node:module';
import { readFileSync } from 'node:fs';
import path from 'node:path';

const require = createRequire(import.meta.url);

export async function loadCore(wasmDir) {
  const factory = require(path.join(wasmDir, 'vantrell.js'));
  const module = await factory({
    wasmBinary: readFileSync(path.join(wasmDir, 'vantrell.wasm')),
    print: () => {},
    printErr: (text) => { throw new Error(`core wrote to stderr: ${text}`); },
  });
  const raw = (text) => {
    const pointer = module.ccall('vantrell_call', 'number', ['string'], [text]);
    const answer = module.UTF8ToString(pointer);
    module._free(pointer);
    return answer;
  };
  const call = (request) => JSON.parse(raw(JSON.stringify(request)));
  call.raw = raw;
  return call;
}
