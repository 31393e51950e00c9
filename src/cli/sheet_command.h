// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace vantrell::cli {

// vantrell-cli sheet --seed N --count K [--kinds KIND,...] -o SHEET.pdf|.tex [--key KEY.pdf|.tex];
// args are those after "sheet". A .pdf is compiled with pdflatex.
int RunSheetCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace vantrell::cli
