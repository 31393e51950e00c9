# SPDX-License-Identifier: GPL-3.0-or-later
# GMP and gmpxx built for WebAssembly, and nlohmann-json's header, both laid out by
# tools/web.sh under VANTRELL_WASM_DEPS: the host's /usr/include must not reach a wasm build.
set(VANTRELL_WASM_DEPS "" CACHE PATH "GMP built for WebAssembly and the JSON header (tools/web.sh)")
if(NOT EXISTS "${VANTRELL_WASM_DEPS}/lib/libgmpxx.a")
  message(FATAL_ERROR "No GMP for WebAssembly in '${VANTRELL_WASM_DEPS}': build with tools/web.sh")
endif()
add_library(vantrell_wasm_gmp INTERFACE)
target_include_directories(vantrell_wasm_gmp SYSTEM INTERFACE ${VANTRELL_WASM_DEPS}/include)
target_link_libraries(vantrell_wasm_gmp INTERFACE ${VANTRELL_WASM_DEPS}/lib/libgmpxx.a
                      ${VANTRELL_WASM_DEPS}/lib/libgmp.a)
target_link_libraries(vantrell_core PUBLIC vantrell_wasm_gmp)
