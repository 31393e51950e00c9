// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The exact run against an independent exact solve: a problem made from bytes, with
// coefficients from 2^-16 to 2^40 (so badly scaled that the decimal run rounds), ties and
// degenerate rows, is solved by the program and by GLPK's exact simplex. The exact answer
// must pass its own proof check and give GLPK's outcome and optimum. The numbers are
// chosen so that their shortest decimal text is their exact binary value: both solvers
// then read the same rationals. Shared by the fuzz target and a seeded test.
#include <glpk.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "commands/calculate_commands.h"
#include "model/prompt.h"
#include "open_problem.h"
#include "teach/exact_run.h"

namespace vantrell::differential {

// Reads the input a byte at a time; past its end every byte is 0.
class ByteSource {
  public:
    ByteSource(const std::uint8_t* data, std::size_t size) : mData(data), mSize(size) {}
    int Range(int low, int high) {
        const int byte = mPos < mSize ? mData[mPos++] : 0;
        return low + byte % (high - low + 1);
    }

  private:
    const std::uint8_t* mData;
    std::size_t mSize;
    std::size_t mPos = 0;
};

// Mostly small whole numbers, which make ties and degenerate rows; now and then a mantissa
// times a power of two far from 1.
inline std::string Number(ByteSource& bytes, bool allowNegative) {
    const int mantissa = bytes.Range(allowNegative ? -9 : 0, 9);
    const int exponent = bytes.Range(0, 3) == 0 ? bytes.Range(-16, 40) : 0;
    char text[64];
    std::snprintf(text, sizeof text, "%.15g", std::ldexp(static_cast<double>(mantissa), exponent));
    return text;
}

inline std::string ProblemText(ByteSource& bytes) {
    const int variables = bytes.Range(2, 4);
    const int rows = bytes.Range(2, 4);
    const auto terms = [&bytes, variables] {
        std::string text;
        for (int j = 1; j <= variables; ++j) {
            std::string number = Number(bytes, true);
            const bool negative = number[0] == '-';
            text += (j == 1 ? (negative ? "-" : "") : (negative ? " - " : " + ")) +
                    number.substr(negative ? 1 : 0) + "X" + std::to_string(j);
        }
        return text;
    };
    std::string text = "Differential# Problem Name\n3\n" + std::to_string(bytes.Range(0, 1)) +
                       "\n\n" + terms() + " #object function\n";
    const char* const relations[] = {"<=", "<=", "=", ">="};
    for (int i = 1; i <= rows; ++i) {
        text += "\nR" + std::to_string(i) + "#constraint name\n" + terms() + " " +
                relations[bytes.Range(0, 3)] + " " + Number(bytes, false) + "\n";
    }
    return text;
}

enum class Status { Optimal, Infeasible, Unbounded, Other };

struct GlpkAnswer {
    Status status = Status::Other;
    double objective = 0.0;
    double terms = 0.0;  // the sum of |Cj Xj|: GLPK adds its objective up in doubles
};

// GLPK's exact simplex on the problem as the program holds it.
inline GlpkAnswer SolveWithGlpk(const VantrellState& state) {
    glp_term_out(GLP_OFF);
    glp_prob* lp = glp_create_prob();
    const ProblemSet& primal = state.mPrimal;
    glp_set_obj_dir(lp, state.mMinimize ? GLP_MIN : GLP_MAX);
    const int columns = static_cast<int>(primal.WidestColumnCount());
    glp_add_cols(lp, columns);
    for (int j = 1; j <= columns; ++j) {
        glp_set_col_bnds(lp, j, GLP_LO, 0.0, 0.0);
        const auto k = static_cast<std::size_t>(j - 1);
        glp_set_obj_coef(lp, j, k < primal.objective.size() ? primal.objective[k].cost : 0.0);
    }
    glp_add_rows(lp, static_cast<int>(primal.constraints.size()));
    for (std::size_t i = 0; i < primal.constraints.size(); ++i) {
        const ConstraintRow& row = primal.constraints[i];
        const int r = static_cast<int>(i + 1);
        const int kind = row.relation == kLessEqual ? GLP_UP
                         : row.relation == kEqual   ? GLP_FX
                                                    : GLP_LO;
        glp_set_row_bnds(lp, r, kind, row.rhs, row.rhs);
        std::vector<int> index{0};
        std::vector<double> value{0.0};
        for (std::size_t k = 0; k < row.coefficients.size(); ++k) {
            if (row.coefficients[k] != 0.0) {
                index.push_back(static_cast<int>(k + 1));
                value.push_back(row.coefficients[k]);
            }
        }
        glp_set_mat_row(lp, r, static_cast<int>(index.size() - 1), index.data(), value.data());
    }
    glp_smcp parm;
    glp_init_smcp(&parm);
    parm.msg_lev = GLP_MSG_OFF;
    GlpkAnswer answer;
    if (glp_exact(lp, &parm) == 0) {
        switch (glp_get_status(lp)) {
            case GLP_OPT:
                answer = {Status::Optimal, glp_get_obj_val(lp), 0.0};
                for (int j = 1; j <= columns; ++j) {
                    answer.terms += std::fabs(glp_get_obj_coef(lp, j) * glp_get_col_prim(lp, j));
                }
                break;
            case GLP_NOFEAS:
                answer.status = Status::Infeasible;
                break;
            case GLP_UNBND:
                answer.status = Status::Unbounded;
                break;
            default:
                break;
        }
    }
    glp_delete_prob(lp);
    return answer;
}

// Opens the text as the Open command does and solves the primal; false when refused.
inline bool OpenAndSolvePrimal(const std::string& text, VantrellState& state,
                               SolveMethod method = SolveMethod::BigM) {
    if (!OpenProblemText(text, state)) {
        return false;
    }
    state.mMethod = method;
    SilentPrompt prompt;
    SilentPresenter presenter;
    CalculatePrimal(state, prompt, presenter);
    return true;
}

// What went wrong, or empty when the program's exact answer is proven and agrees. A method
// that refuses the problem claims nothing.
inline std::string Fault(const std::string& text, SolveMethod method = SolveMethod::BigM) {
    VantrellState state;
    if (!OpenAndSolvePrimal(text, state, method)) {
        return {};
    }
    const ExactRun* run = KeptExactRun(state, false);
    if (run == nullptr || state.mPrimalTableauCount <= 0) {
        return {};  // refused before its first page: nothing claimed
    }
    if (run->outcome == RunOutcome::Cycling || run->outcome == RunOutcome::PageLimit) {
        return {};  // no answer claimed
    }
    const GlpkAnswer glpk = SolveWithGlpk(state);
    if (glpk.status == Status::Other) {
        return {};
    }
    if (!run->certified) {
        // The one answer the big-M method cannot decide: stopped unbounded with an
        // artificial variable still positive. It must say so, not claim an answer.
        if (run->undecided && glpk.status != Status::Optimal) {
            return {};
        }
        return "proof check failed: " + run->proofFault;
    }
    const Status mine = run->outcome == RunOutcome::Optimal      ? Status::Optimal
                        : run->outcome == RunOutcome::Infeasible ? Status::Infeasible
                        : run->outcome == RunOutcome::Unbounded  ? Status::Unbounded
                                                                 : Status::Other;
    if (mine != glpk.status) {
        return std::string("outcome ") + ToString(run->outcome) + " where GLPK finds another";
    }
    if (mine == Status::Optimal) {
        const double optimum = StatedObjective(*run)->get_d();
        // GLPK solves exactly but hands out its objective as a double summed from rounded
        // values, so it is only as close as its largest terms allow; a wrong pivot gives
        // another value, not one a few digits off.
        const double scale = std::max({1.0, std::fabs(glpk.objective), glpk.terms});
        if (std::fabs(optimum - glpk.objective) > 1e-9 * scale) {
            char line[96];
            std::snprintf(line, sizeof line, "optimum %.17g where GLPK finds %.17g", optimum,
                          glpk.objective);
            return line;
        }
    }
    return {};
}

}  // namespace vantrell::differential
