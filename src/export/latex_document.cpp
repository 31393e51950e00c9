// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/latex_document.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>

#include "model/number_text.h"
#include "model/text_encoding.h"
#include "teach/duality.h"
#include "teach/exact_page_text.h"
#include "teach/row_operations.h"
#include "teach/run_story.h"
#include "teach/special_cases.h"

namespace vantrell {
namespace {

// One number in math mode: the decimal text, an integer, \frac{p}{q}, or \approx and the
// decimal for a fraction past the cut-off.
std::string LatexNumber(const Rational& value, NumberStyle style, int decimals) {
    const std::string plain = NumberText(value, style, decimals);
    if (style == NumberStyle::Decimals || plain.find('/') == std::string::npos) {
        return plain[0] == '~' ? "\\approx " + plain.substr(1) : plain;
    }
    const Rational magnitude = abs(value);
    return std::string(value < 0 ? "-" : "") + "\\frac{" + magnitude.get_num().get_str() + "}{" +
           magnitude.get_den().get_str() + "}";
}

class LatexWriter {
  public:
    explicit LatexWriter(const VantrellState& state)
        : state_(state), decimals_(state.mDecimalPlaces) {}

    std::string Number(const Rational& value) const {
        return "$" + LatexNumber(value, state_.mDisplay.numbers, decimals_) + "$";
    }
    std::string Value(const ExactMValue& value) const {
        const NumberStyle style = state_.mDisplay.numbers;
        const int decimals = decimals_;
        return "$" +
               MValueText(value, state_.mDisplay,
                          [style, decimals](const Rational& number) {
                              return LatexNumber(number, style, decimals);
                          }) +
               "$";
    }
    // A problem number as typed.
    std::string Typed(double value) const { return Number(ExactFromDouble(value)); }

    std::string Terms(const std::vector<std::string>& names, const std::vector<double>& values,
                      bool firstJoined) const {
        std::string text;
        for (std::size_t k = 0; k < names.size() && k < values.size(); ++k) {
            const bool negative = values[k] < 0.0;
            if (k > 0 || firstJoined || negative) {
                text += negative ? " $-$ " : (k > 0 ? " $+$ " : "");
            }
            text += Typed(std::fabs(values[k])) + "\\," + LatexEscaped(names[k]);
        }
        return text;
    }

    // negate: the dual of a maximization is kept as a maximization of the negated costs;
    // a textbook writes it as the minimization it is.
    std::string Problem(const ProblemSet& problem, const char* sense, bool negate,
                        const char* objective) const {
        std::vector<std::string> names;
        std::vector<double> costs;
        for (const CostTerm& term : problem.objective) {
            names.push_back(term.name);
            costs.push_back(negate ? -term.cost : term.cost);
        }
        std::string text = std::string(sense) + " $" + objective +
                           "$ = " + Terms(names, costs, false) +
                           "\n\n\\noindent subject to\n\\begin{quote}\n";
        for (std::size_t i = 0; i < problem.constraints.size(); ++i) {
            const ConstraintRow& row = problem.constraints[i];
            const char* relation = row.relation == kLessEqual ? "$\\le$"
                                   : row.relation == kEqual   ? "$=$"
                                                              : "$\\ge$";
            text += Terms(row.columnNames, row.coefficients, false) + " " + relation + " " +
                    Typed(row.rhs);
            if (i < problem.constraintNames.size() && !problem.constraintNames[i].empty()) {
                text += " \\quad (" + LatexEscaped(problem.constraintNames[i]) + ")";
            }
            text += "\\\\\n";
        }
        return text + "\\end{quote}\n";
    }

    std::string Table(const ExactPage& page, int number, const char* kind,
                      const char* heading = "section") const {
        const std::size_t columns = page.columnNames.size();
        std::string text = "\\" + std::string(heading) + "*{" + std::string(kind) +
                           (*kind != '\0' ? " " : "") + "Tableau " + std::to_string(number) +
                           PhaseSuffix(page.phase) + "}\n{\\small\\begin{tabular}{rr|" +
                           std::string(columns, 'r') + "|rrl}\n";
        text += " & $C_j$";
        for (const ExactMValue& cj : page.cj) {
            text += " & " + Value(cj);
        }
        text += " & & & \\\\\n$C_b$ & Basis";
        for (std::size_t k = 0; k < columns; ++k) {
            const bool entering = static_cast<int>(k) == page.entering;
            text += " & " + std::string(entering ? "$\\downarrow$\\," : "") +
                    LatexEscaped(page.columnNames[k]);
        }
        text += " & $B_i$ & $B_i/A_{ij}$ & \\\\\n\\hline\n";
        for (std::size_t r = 0; r < page.cells.size(); ++r) {
            const bool leaving = static_cast<int>(r) == page.leaving;
            text += Value(page.cb[r]) + " & " + LatexEscaped(page.basisNames[r]);
            for (std::size_t k = 0; k < columns; ++k) {
                const std::string cell = Number(page.cells[r][k]);
                const bool pivot = leaving && static_cast<int>(k) == page.entering;
                text += " & " + (pivot ? "\\fbox{" + cell + "}" : cell);
            }
            text += " & " + Number(page.bi[r]) + " & " +
                    (page.ratios[r] ? Number(*page.ratios[r]) : std::string("--")) + " & " +
                    (leaving ? "$\\leftarrow$" : "") + " \\\\\n";
        }
        text += "\\hline\n & $Z_j$";
        for (const ExactMValue& zj : page.zj) {
            text += " & " + Value(zj);
        }
        text += " & & & \\\\\n & $C_j - Z_j$";
        for (const ExactMValue& reduced : page.cjzj) {
            text += " & " + Value(reduced);
        }
        // Z with its M part while artificial variables are basic at a positive level.
        text += " & " + (page.zM == 0 ? Number(page.z) : Value({page.z, page.zM, true})) +
                " & & \\\\\n\\end{tabular}}\n\n";
        if (page.entering >= 0 && page.leaving < 0) {
            text += "\\medskip\\noindent " +
                    LatexEscaped(page.columnNames[static_cast<std::size_t>(page.entering)]) +
                    " enters; no row leaves: no entry of its column is positive.\n\n";
        }
        if (page.entering >= 0 && page.leaving >= 0) {
            text += "\\medskip\\noindent " +
                    LatexEscaped(page.columnNames[static_cast<std::size_t>(page.entering)]) +
                    " enters, " +
                    LatexEscaped(page.basisNames[static_cast<std::size_t>(page.leaving)]) +
                    " leaves, pivot " +
                    Number(page.cells[static_cast<std::size_t>(page.leaving)]
                                     [static_cast<std::size_t>(page.entering)]) +
                    ".\n\n";
        }
        for (const std::string& note : page.notes) {
            text += "\\noindent Note: " + LatexEscaped(note) + "\n\n";
        }
        return text;
    }

    std::string Solution(const ExactRun& run) const {
        std::string text = "\\section*{Solution}\n";
        if (!run.certified) {
            return text + LatexEscaped(UncertifiedLine(run)) + "\n";
        }
        if (const auto unbounded = UnboundedLine(run)) {
            return text + LatexEscaped(*unbounded) + "\n";
        }
        if (run.outcome != RunOutcome::Optimal && run.outcome != RunOutcome::Infeasible) {
            return text + LatexEscaped(OutcomeSolutionText(run.outcome)) + "\n";
        }
        const ExactPage& last = run.pages.back();
        text += "\\begin{quote}\n";
        for (std::size_t r = 0; r < last.basisNames.size(); ++r) {
            text += LatexEscaped(last.basisNames[r]) + " $=$ " + Number(last.bi[r]) + "\\\\\n";
        }
        text += "\\end{quote}\n";
        if (run.outcome == RunOutcome::Infeasible) {
            return text + LatexEscaped(OutcomeSolutionText(run.outcome)) + "\n";
        }
        // A stated minimum is the tableaus' maximum of the negated objective.
        const auto optimum = StatedObjective(run);
        const std::string name = ObjectiveName(run.dual);
        const bool minimum = StatedSign(run) < 0;
        return text + (minimum ? "Minimum of $" : "Maximum of $") + name +
               "$ = " + (optimum ? Number(*optimum) : std::string("--")) +
               "; the other variables are 0." +
               (minimum ? " (The tableaus maximize $-" + name + "$.)" : std::string()) + "\n";
    }

    // What the report's Duality lines say, as a section: each dual value with the column it
    // is read from, W beside Z, and the complementary slackness table.
    std::string DualitySection(const Duality& duality) const {
        std::string text =
            "\\section*{Duality}\nThe dual values, read off the final tableau:\n"
            "\\begin{quote}\n";
        for (const DualValue& v : duality.values) {
            text += LatexEscaped(v.name) + " $=$ " + Number(v.value) + " \\quad (" +
                    LatexEscaped(v.constraint) + ": " +
                    (v.negated ? "minus the $Z_j$ of " : "the $Z_j$ of ") + LatexEscaped(v.column) +
                    (v.column.front() == 'a' ? ", without its M part)" : ")") + "\\\\\n";
        }
        const bool strong = duality.z == duality.w;
        text += "\\end{quote}\n$W$ = " + Number(duality.w) + ", $Z$ = " + Number(duality.z) +
                (strong ? ": $Z = W$, strong duality holds.\n\n" : ": $Z$ and $W$ differ.\n\n");
        text +=
            "\\noindent Complementary slackness (each product is 0 at an optimum):\n\n"
            "\\begin{tabular}{lrlrr}\n & Primal & Partner & Dual & Product \\\\\n\\hline\n";
        const auto rows = [this](const std::vector<SlacknessRow>& list, const char* primal,
                                 const char* dual) {
            std::string part;
            for (const SlacknessRow& row : list) {
                part += LatexEscaped(row.name) + " & " + primal + Number(row.primal) + " & " +
                        dual + LatexEscaped(row.partner) + " & " + Number(row.dual) + " & " +
                        Number(row.product) + " \\\\\n";
            }
            return part;
        };
        text += rows(duality.constraints, "slack ", "") +
                rows(duality.variables, "", "surplus of the ") + "\\end{tabular}\n\n";
        if (duality.dualRunOptimum) {
            text += "\\noindent The dual's own run: optimum " + Number(*duality.dualRunOptimum) +
                    (*duality.dualRunOptimum == duality.w ? ", equal to $W$.\n"
                                                          : ", which differs from $W$.\n");
        }
        return text;
    }

  private:
    const VantrellState& state_;
    int decimals_;
};

// Greek letters in math mode, which needs no font beyond LaTeX's own: the capitals that
// look like Latin ones as upright Latin letters.
constexpr const char* kGreekCapitals[] = {
    "\\mathrm{A}", "\\mathrm{B}", "\\Gamma",     "\\Delta",     "\\mathrm{E}",
    "\\mathrm{Z}", "\\mathrm{H}", "\\Theta",     "\\mathrm{I}", "\\mathrm{K}",
    "\\Lambda",    "\\mathrm{M}", "\\mathrm{N}", "\\Xi",        "\\mathrm{O}",
    "\\Pi",        "\\mathrm{P}", nullptr,       "\\Sigma",     "\\mathrm{T}",
    "\\Upsilon",   "\\Phi",       "\\mathrm{X}", "\\Psi",       "\\Omega"};
constexpr const char* kGreekSmall[] = {
    "\\alpha",  "\\beta", "\\gamma", "\\delta",    "\\varepsilon", "\\zeta", "\\eta",
    "\\theta",  "\\iota", "\\kappa", "\\lambda",   "\\mu",         "\\nu",   "\\xi",
    "o",        "\\pi",   "\\rho",   "\\varsigma", "\\sigma",      "\\tau",  "\\upsilon",
    "\\varphi", "\\chi",  "\\psi",   "\\omega"};

// The letters of U+0100 to U+017F that pdflatex's T1 fonts do not have.
bool MissingFromT1(char32_t code) {
    for (const char32_t missing : {0x126, 0x127, 0x138, 0x13F, 0x140, 0x149, 0x166, 0x167, 0x17F}) {
        if (code == missing) {
            return true;
        }
    }
    return false;
}

// One character past ASCII, given as its UTF-8 sequence: Latin letters and signs up to
// U+017F as they are, for inputenc and the T1 fonts; Greek letters in math mode; other
// characters, which pdflatex cannot print without fonts it may not have, as "?".
std::string NonAsciiLatex(std::string_view sequence) {
    char32_t code = static_cast<unsigned char>(sequence[0]) & (sequence.size() == 2   ? 0x1F
                                                               : sequence.size() == 3 ? 0x0F
                                                                                      : 0x07);
    for (std::size_t i = 1; i < sequence.size(); ++i) {
        code = (code << 6) | (static_cast<unsigned char>(sequence[i]) & 0x3F);
    }
    if (code < 0xA0) {
        return " ";  // a control character of Latin-1
    }
    if (code <= 0x17F && !MissingFromT1(code)) {
        return std::string(sequence);
    }
    if (code >= 0x391 && code <= 0x3A9 && kGreekCapitals[code - 0x391] != nullptr) {
        return "$" + std::string(kGreekCapitals[code - 0x391]) + "$";
    }
    if (code >= 0x3B1 && code <= 0x3C9) {
        return "$" + std::string(kGreekSmall[code - 0x3B1]) + "$";
    }
    return "?";
}

}  // namespace

std::string LatexEscaped(const std::string& text) {
    const std::string utf8 = Utf8OrLatin1(text);
    std::string escaped;
    for (std::size_t i = 0; i < utf8.size();) {
        const char c = utf8[i];
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80) {
            const std::size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : 2;
            escaped += NonAsciiLatex(utf8.substr(i, length));
            i += length;
            continue;
        }
        ++i;
        switch (c) {
            case '\\':
                escaped += "\\textbackslash{}";
                break;
            case '~':
                escaped += "\\textasciitilde{}";
                break;
            case '^':
                escaped += "\\textasciicircum{}";
                break;
            case '#':
            case '$':
            case '%':
            case '&':
            case '_':
            case '{':
            case '}':
                escaped += '\\';
                escaped += c;
                break;
            default:
                // A line end or a tab inside a name would end a paragraph in the middle of
                // a heading, and other control characters stop pdflatex.
                escaped += byte < 0x20 || byte == 0x7F ? ' ' : c;
        }
    }
    return escaped;
}

std::optional<std::string> LatexRefusal(const VantrellState& state) {
    std::vector<std::string> names = {state.mProblemName};
    for (const ProblemSet* problem : {&state.mPrimal, &state.mDual}) {
        names.insert(names.end(), problem->constraintNames.begin(), problem->constraintNames.end());
    }
    for (const std::string& name : names) {
        const std::string utf8 = Utf8OrLatin1(name);
        for (std::size_t i = 0; i < utf8.size();) {
            const auto byte = static_cast<unsigned char>(utf8[i]);
            const std::size_t length = byte < 0x80 ? 1 : byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : 2;
            if (length > 1 && NonAsciiLatex(std::string_view(utf8).substr(i, length)) == "?") {
                return "Cannot write the tableaus as LaTeX: the name \"" + utf8 + "\" holds \"" +
                       utf8.substr(i, length) +
                       "\", which pdflatex cannot print without fonts it may not have";
            }
            i += length;
        }
    }
    return std::nullopt;
}

namespace {

// A document with letters past ASCII reads them as UTF-8 and prints them with the T1
// fonts; one without keeps the plain preamble, and pdflatex's default fonts.
std::string WithFontsFor(std::string document) {
    const bool ascii = std::all_of(document.begin(), document.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (!ascii) {
        const std::size_t after = document.find('\n') + 1;
        document.insert(after, "\\usepackage[T1]{fontenc}\n\\usepackage[utf8]{inputenc}\n");
    }
    return document;
}

// "Row operations from the tableau before: R2 <- R2 / 5/2, ..." with arrows.
std::string LatexRowOperations(const ExactRun& run, std::size_t index, const NoteNumbers& numbers) {
    const std::vector<std::string> texts = RowOperationTexts(run, index, numbers);
    if (texts.empty()) {
        return {};
    }
    std::string text = "\\noindent Row operations from the tableau before:";
    for (std::size_t k = 0; k < texts.size(); ++k) {
        std::string operation = LatexEscaped(texts[k]);
        const std::size_t arrow = operation.find(" <- ");
        if (arrow != std::string::npos) {
            operation.replace(arrow, 4, " $\\leftarrow$ ");
        }
        text += (k == 0 ? " " : "; ") + operation;
    }
    return text + ".\n\n";
}

}  // namespace

std::string BuildLatexDocument(const VantrellState& state, bool dual) {
    const LatexWriter writer(state);
    std::string text =
        "\\documentclass[10pt]{article}\n"
        "\\usepackage[a4paper,landscape,margin=1.5cm]{geometry}\n"
        "\\usepackage{amsmath}\n"
        "\\setlength{\\parindent}{0pt}\n"
        "\\begin{document}\n";
    text += "\\section*{" + LatexEscaped(state.mProblemName) + "}\n";
    const bool maximizes = dual ? state.mMinimize : !state.mMinimize;
    const char* kind = dual ? "Dual" : "Primal";
    text += writer.Problem(KeptRun(state, dual).problem, maximizes ? "Maximize" : "Minimize",
                           dual && !state.mMinimize, ObjectiveName(dual));
    if (dual) {
        for (const std::string& free : FreeDualVariableLines(state.mPrimal)) {
            text += LatexEscaped(free) + ".\n\n";
        }
    }
    const ExactRun* run = KeptExactRun(state, dual);
    // A run that stopped on its first tableau keeps no page but is an answer all the same.
    if (run == nullptr) {
        return WithFontsFor(text + "\nThe problem must be solved first.\n\\end{document}\n");
    }
    for (std::size_t p = 0; p < run->pages.size(); ++p) {
        text += "\\clearpage\n" + writer.Table(run->pages[p], static_cast<int>(p + 1), kind);
        if (state.mExplain) {
            text += LatexRowOperations(*run, p, NoteNumbersOf(state));
        }
    }
    // An unbounded run ends with the tableau that decides it.
    if (run->outcome == RunOutcome::Unbounded && run->certified && run->unboundedEnd &&
        run->unboundedEnd->entering >= 0) {
        text += "\\clearpage\n" +
                writer.Table(*run->unboundedEnd, static_cast<int>(run->pages.size() + 1), kind);
    }
    text += writer.Solution(*run);
    // Read off the final tableau as the report reads it: only an optimal, certified primal.
    if (const auto duality = dual ? std::nullopt : KeptRunDuality(state)) {
        text += writer.DualitySection(*duality);
    }
    return WithFontsFor(text + "\\end{document}\n");
}

std::string LatexProblemPart(const VantrellState& state, bool dual) {
    const bool maximizes = dual ? state.mMinimize : !state.mMinimize;
    return LatexWriter(state).Problem(KeptRun(state, dual).problem,
                                      maximizes ? "Maximize" : "Minimize", dual && !state.mMinimize,
                                      ObjectiveName(dual));
}

std::string LatexTableauPart(const VantrellState& state, const ExactPage& page, int number) {
    return LatexWriter(state).Table(page, number, "", "subsection");
}

std::string LatexBlankTableauPart(const VantrellState& state, const ExactPage& page, int number) {
    const LatexWriter writer(state);
    const std::size_t columns = page.columnNames.size();
    std::string text = "\\subsection*{Tableau " + std::to_string(number) +
                       "}\n{\\renewcommand{\\arraystretch}{1.8}\\begin{tabular}{|p{1.4cm}|p{1cm}|";
    for (std::size_t k = 0; k <= columns; ++k) {
        text += "p{1.3cm}|";
    }
    text += "}\n\\hline\n & $C_j$";
    for (const ExactMValue& cj : page.cj) {
        text += " & " + writer.Value(cj);
    }
    text += " & \\\\\n\\hline\n$C_b$ & Basis";
    for (const std::string& name : page.columnNames) {
        text += " & " + LatexEscaped(name);
    }
    text += " & $B_i$ \\\\\n\\hline\n";
    const std::string blanks(columns + 1, '&');
    for (std::size_t r = 0; r < page.cells.size(); ++r) {
        text += " & " + blanks + " \\\\\n\\hline\n";
    }
    text += " & $Z_j$ " + blanks + " \\\\\n\\hline\n & $C_j - Z_j$ " + blanks +
            " \\\\\n\\hline\n\\end{tabular}}\n\n";
    return text;
}

std::string LatexSolutionPart(const VantrellState& state, const ExactRun& run) {
    std::string text = LatexWriter(state).Solution(run);
    // Inside a sheet the solution is one part of an exercise.
    text.replace(0, std::string_view("\\section*").size(), "\\subsection*");
    return text;
}

}  // namespace vantrell
