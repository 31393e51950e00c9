// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/report_document.h"

#include <sstream>

#include "teach/exact_page_text.h"

namespace vantrell {
namespace {

ReportTable TableOf(const TableauPage& page) {
    ReportTable table;
    table.rows = page.mRows;
    table.pivotColumn = page.EnteringColumn();
    // The basis rows follow the Cj and heading lines; the basis name is their second cell.
    constexpr std::size_t kFirstBasisRow = 2;
    for (std::size_t r = kFirstBasisRow; table.pivotColumn && r < page.mRows.size(); ++r) {
        if (page.mRows[r].size() > 1 && !page.mLeaving.empty() &&
            page.mRows[r][1] == page.mLeaving) {
            table.pivotRow = r;
            break;
        }
    }
    if (!table.pivotRow) {
        table.pivotColumn.reset();
    }
    return table;
}

// The shown pages of the kept primal and dual runs, in the report's order.
std::vector<ReportTable> KeptTables(const VantrellState& state, bool dual) {
    std::vector<ReportTable> tables;
    ForEachKeptPage(state, dual,
                    [&tables](ShownPage& shown) { tables.push_back(TableOf(shown.Page())); });
    return tables;
}

bool StartsWith(const std::string& text, const std::string& start) {
    return text.rfind(start, 0) == 0;
}

}  // namespace

ReportDocument BuildReportDocument(const VantrellState& state, const ReportClock& when) {
    ReportDocument document;
    const std::string title = state.mProblemName.empty() ? "Solution Report" : state.mProblemName;
    document.blocks.push_back({ReportBlock::Kind::Title, title, {}});
    const std::vector<ReportTable> tables[2] = {KeptTables(state, false), KeptTables(state, true)};
    std::size_t next[2] = {0, 0};

    std::istringstream lines(BuildReport(state, when));
    std::string line;
    bool nameSeen = false;
    while (std::getline(lines, line)) {
        if (line.find_first_not_of(' ') == std::string::npos) {
            continue;
        }
        if (!nameSeen && line == state.mProblemName) {
            nameSeen = true;  // already the title
            continue;
        }
        const bool primalPage = StartsWith(line, "Primal Tableau #");
        if (primalPage || StartsWith(line, "Dual Tableau #")) {
            document.blocks.push_back({ReportBlock::Kind::Heading, line, {}});
            const int run = primalPage ? 0 : 1;
            if (next[run] < tables[run].size()) {
                const ReportTable& table = tables[run][next[run]++];
                // The page's text lines follow a blank line; the table stands for them.
                std::getline(lines, line);
                for (std::size_t k = 0; k < table.rows.size(); ++k) {
                    std::getline(lines, line);
                }
                document.blocks.push_back({ReportBlock::Kind::Table, {}, table});
            }
            continue;
        }
        const bool heading = line[0] != ' ' && line.back() == ':';
        document.blocks.push_back(
            {heading ? ReportBlock::Kind::Heading : ReportBlock::Kind::Text, line, {}});
    }
    return document;
}

}  // namespace vantrell
