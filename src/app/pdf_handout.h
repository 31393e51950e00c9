// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>
#include <string>

namespace vantrell {

// vantrell --pdf OUT.pdf FILE.lp: with the options the window keeps, opens the problem
// as Open does, solves the primal and the dual and writes the report's PDF, messages to
// err. Returns the exit status: 0, 1 when no run reached a result, 2 when the problem
// file cannot be read, 3 when the PDF cannot be written.
int WritePdfHandout(const std::string& problemFile, const std::string& pdfFile, std::ostream& err);

}  // namespace vantrell
