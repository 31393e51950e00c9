// SPDX-License-Identifier: GPL-3.0-or-later
// The WebAssembly core: vantrell.js (loaded by index.html as a classic script) defines
// createVantrell; every call is one JSON request and one JSON answer.
export async function loadCore() {
  const module = await globalThis.createVantrell({ print: () => {}, printErr: (t) => console.warn(t) });
  return (request) => {
    const pointer = module.ccall('vantrell_call', 'number', ['string'], [JSON.stringify(request)]);
    const answer = module.UTF8ToString(pointer);
    module._free(pointer);
    return JSON.parse(answer);
  };
}

// Bytes to base64 and back, for files that must go through unchanged.
export function toBase64(bytes) {
  let binary = '';
  for (const byte of bytes) binary += String.fromCharCode(byte);
  return btoa(binary);
}

export function fromBase64(text) {
  const binary = atob(text);
  const bytes = new Uint8Array(binary.length);
  for (let i = 0; i < binary.length; i++) bytes[i] = binary.charCodeAt(i);
  return bytes;
}

// Offers bytes as a download: nothing leaves the browser.
export function download(name, bytes, type) {
  const url = URL.createObjectURL(new Blob([bytes], { type }));
  const link = document.createElement('a');
  link.href = url;
  link.download = name;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(url), 0);
}
