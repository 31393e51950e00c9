// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>

struct glp_prob;

namespace vantrell {

// One GLPK problem object. While any exists, GLPK's terminal output goes into the
// object's log instead of standard output, so the batch front end's output stays its own
// and a failed read can name GLPK's reason.
class GlpkProblem {
  public:
    GlpkProblem();
    ~GlpkProblem();
    GlpkProblem(const GlpkProblem&) = delete;
    GlpkProblem& operator=(const GlpkProblem&) = delete;

    glp_prob* get() const { return problem_; }
    // The last line GLPK printed, such as "file.lp:3: missing constraint sign", or "".
    std::string LastLogLine() const;

  private:
    glp_prob* problem_;
    std::string log_;
    static int Hook(void* info, const char* text);
};

}  // namespace vantrell
