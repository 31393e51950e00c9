// SPDX-License-Identifier: GPL-3.0-or-later
#include "simplex/tableau_text.h"

#include "model/number_text.h"
#include "simplex/big_m_text.h"
#include "simplex/tableau_steps.h"

namespace vantrell {

void WriteTableauText(TableauPage& page, const ProblemSet& work, const std::vector<CostTerm>& basis,
                      const std::vector<BigMValue>& zj, const std::vector<BigMValue>& cjzj,
                      const std::vector<double>& ratios, int decimals) {
    // Sized once: a 9 x 200 tableau has about 200 lines of 400 cells each.
    const std::size_t cells = work.objective.size() + 4;
    page.mRows.clear();
    page.mRows.reserve(work.constraints.size() + 4);

    TableauPage::Line cj{"", "Cj"};
    TableauPage::Line heading{"Cb", "Basis"};
    cj.reserve(cells);
    heading.reserve(cells);
    for (const CostTerm& term : work.objective) {
        cj.push_back(CostText(term, decimals));
        heading.push_back(term.name);
    }
    heading.push_back("Bi");
    heading.push_back("Bi/Aij");
    page.mRows.push_back(std::move(cj));
    page.mRows.push_back(std::move(heading));

    for (std::size_t r = 0; r < work.constraints.size(); ++r) {
        const ConstraintRow& row = work.constraints[r];
        TableauPage::Line line{CostText(basis[r], decimals), basis[r].name};
        line.reserve(cells);
        for (double coefficient : row.coefficients) {
            line.push_back(FixedText(coefficient, decimals));
        }
        line.push_back(FixedText(row.rhs, decimals));
        const double ratio = r < ratios.size() ? ratios[r] : 0.0;
        line.push_back(ratio == kNoRatio ? "-" : FixedText(ratio, decimals));
        page.mRows.push_back(std::move(line));
    }

    TableauPage::Line zjLine{"", "Zj"};
    TableauPage::Line cjzjLine{"", "Cj-Zj"};
    for (std::size_t k = 0; k < zj.size(); ++k) {
        zjLine.push_back(BigMText(zj[k], decimals));
        cjzjLine.push_back(BigMText(cjzj[k], decimals));
    }
    cjzjLine.push_back(FixedText(page.mZ, decimals));
    page.mRows.push_back(std::move(zjLine));
    page.mRows.push_back(std::move(cjzjLine));
}

}  // namespace vantrell
