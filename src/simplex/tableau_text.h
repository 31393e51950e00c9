// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "model/problem.h"
#include "model/tableau_page.h"

namespace vantrell {

// Writes the tableau as cell texts into page.mRows: the Cj line, the heading line, one
// line per row with its Bi and Bi/Aij, then the Zj and Cj-Zj lines (the latter ending
// with the page's mZ).
void WriteTableauText(TableauPage& page, const ProblemSet& work, const std::vector<CostTerm>& basis,
                      const std::vector<BigMValue>& zj, const std::vector<BigMValue>& cjzj,
                      const std::vector<double>& ratios, int decimals);

}  // namespace vantrell
