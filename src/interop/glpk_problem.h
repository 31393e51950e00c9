// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

struct glp_prob;

namespace vantrell {

// GLPK stopped inside a call with an error of its own; what() is its message.
class GlpkFailure : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// One GLPK problem object. While any exists, GLPK's terminal output goes into the
// object's log instead of standard output, so the batch front end's output stays its own
// and a failed read can name GLPK's reason. Only one exists at a time: GLPK's hooks are
// the process's.
class GlpkProblem {
  public:
    GlpkProblem();
    ~GlpkProblem();
    GlpkProblem(const GlpkProblem&) = delete;
    GlpkProblem& operator=(const GlpkProblem&) = delete;

    glp_prob* get() const { return problem_; }

    // Runs a GLPK reader or writer on the problem. GLPK ends the process on an error of
    // its own (no memory left, a broken invariant) unless its error hook jumps away: here
    // it jumps back, GLPK's environment is freed with every object in it, and the error
    // is thrown, std::bad_alloc when GLPK ran out of memory, GlpkFailure otherwise. The
    // object is then spent: get() is null. call must hold nothing that needs destroying,
    // as the jump passes over it.
    int Run(const std::function<int(glp_prob*)>& call);

    // The last line GLPK printed, such as "file.lp:3: missing constraint sign", or "".
    std::string LastLogLine() const;
    // The warnings GLPK printed ("file.mps:6: warning: some extra field(s) ..."), in order.
    const std::vector<std::string>& Warnings() const { return warnings_; }

  private:
    glp_prob* problem_;
    std::string log_;
    std::string line_;  // the line GLPK is printing
    std::vector<std::string> warnings_;
    static int Hook(void* info, const char* text);
    void Keep(const char* text);
};

}  // namespace vantrell
