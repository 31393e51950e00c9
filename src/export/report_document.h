// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "export/report_builder.h"
#include "model/vantrell_state.h"

namespace vantrell {

// The solution report laid out for a printed page rather than a text file: the same
// lines, with each tableau as a table of cells and its pivot cell named.
struct ReportTable {
    std::vector<std::vector<std::string>> rows;  // the page's lines, cell by cell
    std::optional<std::size_t> pivotRow;         // where the leaving row meets
    std::optional<std::size_t> pivotColumn;      // the entering column
};

struct ReportBlock {
    enum class Kind { Title, Heading, Text, Table };
    Kind kind = Kind::Text;
    std::string text;
    ReportTable table;
};

struct ReportDocument {
    std::vector<ReportBlock> blocks;
};

// The report of BuildReport in blocks: the problem's name as the title, each line that
// ends in ":" or names a tableau as a heading, every tableau as a table of the cells its
// text shows (in the display options), and every other non-blank line as text.
ReportDocument BuildReportDocument(const VantrellState& state, const ReportClock& when);

}  // namespace vantrell
