#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the browser edition into build/web and serves it on localhost.
#   tools/web.sh          build, then serve on http://127.0.0.1:${PORT:-8029}/
#   tools/web.sh build    build only
# The core goes to WebAssembly with Debian's emscripten; GMP is built once from Debian's
# source package into build/wasm-deps and kept there, so later builds skip it.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
mode=${1:-serve}
case "$mode" in build | serve) ;; *) echo "usage: tools/web.sh [build]" >&2; exit 2 ;; esac

./tools/install-deps.sh
export NODE_PATH=/usr/share/nodejs
deps=$root/build/wasm-deps

build_gmp() {
    local work=$root/build/wasm-gmp-src
    rm -rf "$work"
    mkdir -p "$work/lists/partial" "$work/cache/archives/partial"
    # Debian's source package of GMP, the library the desktop build links, fetched through
    # a list and a cache of our own so the machine's apt sources and cache stay as they are.
    cat >"$work/gmp.sources" <<'SOURCES'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
    local apt=(-qq -o "Dir::Etc::SourceList=$work/gmp.sources" -o Dir::Etc::SourceParts=/dev/null
        -o "Dir::State::Lists=$work/lists" -o "Dir::Cache=$work/cache")
    apt-get "${apt[@]}" update
    (cd "$work" && apt-get "${apt[@]}" source --download-only gmp 2>/dev/null)
    tar -xf "$work"/gmp_*.orig.tar.xz -C "$work"
    local src
    src=$(find "$work" -maxdepth 1 -type d -name 'gmp-*' | head -n 1)
    # Debian's tarball leaves out the manual; configure still wants its Makefile.
    mkdir -p "$src/doc"
    printf 'all install install-data install-exec check clean distclean:\n\t@:\n' >"$src/doc/Makefile.in"
    # No assembly and a generic C build: WebAssembly is no CPU that GMP knows.
    (cd "$src" && emconfigure ./configure --host=none --disable-assembly --enable-cxx \
        --disable-shared --enable-static --prefix="$deps" CC_FOR_BUILD=gcc >"$work/configure.log" 2>&1)
    (cd "$src" && emmake make -j2 >"$work/make.log" 2>&1 && emmake make install >"$work/install.log" 2>&1)
    rm -rf "$work"
}

if [ ! -f "$deps/lib/libgmpxx.a" ]; then
    echo "Building GMP for WebAssembly (once; kept in build/wasm-deps)"
    start=$(date +%s)
    build_gmp
    echo "GMP built in $(($(date +%s) - start)) s"
fi
# The JSON library is one header tree; the host's /usr/include must not reach the wasm build.
mkdir -p "$deps/include"
rm -rf "$deps/include/nlohmann"
cp -r /usr/include/nlohmann "$deps/include/"

cmake --preset wasm >/dev/null
cmake --build --preset wasm -j2

(cd web && npm ci --no-audit --no-fund --loglevel=error >/dev/null && npx vite build)
# The examples, and their list for the page's Example box.
mkdir -p build/web/examples
cp data/*.lp build/web/examples/
(cd build/web/examples && ls -1 ./*.lp | sed 's|^\./||' |
    python3 -c 'import json, sys; print(json.dumps([l.strip() for l in sys.stdin]))' >index.json)
echo "The page is in build/web ($(du -sh build/web | cut -f1))"

if [ "$mode" = serve ]; then
    port=${PORT:-8029}
    echo "Serving on http://127.0.0.1:$port/ (Ctrl+C stops)"
    exec python3 -m http.server "$port" --bind 127.0.0.1 --directory build/web
fi
