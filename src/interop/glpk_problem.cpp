// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/glpk_problem.h"

#include <glpk.h>

#include <csetjmp>
#include <new>

namespace vantrell {
namespace {

// Where GLPK's error hook jumps to: the Run in progress.
std::jmp_buf* gErrorJump = nullptr;

extern "C" void OnGlpkError(void* /*info*/) {
    std::longjmp(*gErrorJump, 1);
}

void StripLineEnds(std::string& text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) {
        text.pop_back();
    }
}

}  // namespace

GlpkProblem::GlpkProblem() : problem_(glp_create_prob()) {
    glp_term_hook(&GlpkProblem::Hook, this);
}

GlpkProblem::~GlpkProblem() {
    if (problem_ != nullptr) {
        glp_term_hook(nullptr, nullptr);
        glp_delete_prob(problem_);
    }
}

int GlpkProblem::Run(const std::function<int(glp_prob*)>& call) {
    std::jmp_buf jump;
    gErrorJump = &jump;
    if (setjmp(jump) != 0) {
        // GLPK's state is unknown after its error; freeing the whole environment is the
        // one safe way on, and the next problem object starts a fresh one.
        gErrorJump = nullptr;
        problem_ = nullptr;
        glp_free_env();
        // GLPK prints its message, then "Error detected in file ... at line ...".
        std::string log = log_;
        StripLineEnds(log);
        log = log.substr(0, log.rfind('\n') == std::string::npos ? 0 : log.rfind('\n'));
        const std::size_t start = log.rfind('\n');
        const std::string message = start == std::string::npos ? log : log.substr(start + 1);
        if (message.find("memory") != std::string::npos) {
            throw std::bad_alloc();
        }
        throw GlpkFailure(message);
    }
    glp_error_hook(OnGlpkError, nullptr);
    const int status = call(problem_);
    glp_error_hook(nullptr, nullptr);
    gErrorJump = nullptr;
    return status;
}

int GlpkProblem::Hook(void* info, const char* text) {
    // An exception must not pass through GLPK's C frames: a line that finds no memory is
    // dropped, and GLPK's own allocation fails next and reports it.
    try {
        static_cast<GlpkProblem*>(info)->Keep(text);
    } catch (...) {
    }
    return 1;  // nothing reaches the terminal
}

void GlpkProblem::Keep(const char* text) {
    // Reading a hostile file must not grow the log without end; the last lines suffice.
    constexpr std::size_t kKeep = 4096;
    constexpr std::size_t kKeptWarnings = 10;
    log_ += text;
    if (log_.size() > kKeep) {
        log_.erase(0, log_.size() - kKeep);
    }
    // GLPK prints a warning in pieces ("f.mps:6: warning: ", then the words): whole lines
    // are looked at. A line is cut at the log's size, so a hostile one cannot grow it.
    for (const char* c = text; *c != '\0'; ++c) {
        if (*c != '\n') {
            if (line_.size() < kKeep) {
                line_ += *c;
            }
            continue;
        }
        if (line_.find("warning:") != std::string::npos && warnings_.size() < kKeptWarnings) {
            StripLineEnds(line_);
            warnings_.push_back(line_);
        }
        line_.clear();
    }
}

std::string GlpkProblem::LastLogLine() const {
    std::string text = log_;
    StripLineEnds(text);
    const std::size_t start = text.rfind('\n');
    return start == std::string::npos ? text : text.substr(start + 1);
}

}  // namespace vantrell
