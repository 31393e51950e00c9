// SPDX-License-Identifier: GPL-3.0-or-later
// The one function the page calls: a JSON request in, a JSON answer out, over one session
// that holds the page's problem and runs for as long as the page is open.
#include <cstdlib>
#include <cstring>
#include <string>

#include "wasm/web_api.h"

extern "C" {

// The answer is the caller's to free().
char* vantrell_call(const char* request) {
    static vantrell::web::Session session;
    const std::string answer = session.Call(request != nullptr ? request : "");
    char* out = static_cast<char*>(std::malloc(answer.size() + 1));
    if (out != nullptr) {
        std::memcpy(out, answer.c_str(), answer.size() + 1);
    }
    return out;
}
}
