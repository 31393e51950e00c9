// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/glpk_problem.h"

#include <glpk.h>

namespace vantrell {

GlpkProblem::GlpkProblem() : problem_(glp_create_prob()) {
    glp_term_hook(&GlpkProblem::Hook, this);
}

GlpkProblem::~GlpkProblem() {
    glp_term_hook(nullptr, nullptr);
    glp_delete_prob(problem_);
}

int GlpkProblem::Hook(void* info, const char* text) {
    auto* self = static_cast<GlpkProblem*>(info);
    // Reading a hostile file must not grow the log without end; the last lines suffice.
    constexpr std::size_t kKeep = 4096;
    self->log_ += text;
    if (self->log_.size() > kKeep) {
        self->log_.erase(0, self->log_.size() - kKeep);
    }
    return 1;  // nothing reaches the terminal
}

std::string GlpkProblem::LastLogLine() const {
    std::string text = log_;
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) {
        text.pop_back();
    }
    const std::size_t start = text.rfind('\n');
    return start == std::string::npos ? text : text.substr(start + 1);
}

}  // namespace vantrell
