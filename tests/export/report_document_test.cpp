// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/report_document.h"

#include <gtest/gtest.h>

#include "commands/calculate_commands.h"
#include "commands/file_commands.h"
#include "support/scripted_prompt.h"

namespace vantrell {
namespace {

VantrellState SolvedExample(const char* name, DisplayOptions display = {}) {
    VantrellState state;
    testing::ScriptedPrompt prompt;
    OpenProblemAt(state, prompt, std::string(VANTRELL_DATA_DIR) + "/" + name);
    state.mDisplay = display;
    SilentPresenter presenter;
    CalculatePrimal(state, prompt, presenter);
    CalculateDual(state, prompt, presenter);
    return state;
}

using Kind = ReportBlock::Kind;

std::vector<const ReportBlock*> Blocks(const ReportDocument& document, Kind kind) {
    std::vector<const ReportBlock*> found;
    for (const ReportBlock& block : document.blocks) {
        if (block.kind == kind) {
            found.push_back(&block);
        }
    }
    return found;
}

// The blocks follow the report's lines: the tableau text is replaced by its table, and
// each pivot is the cell where the leaving row meets the entering column.
TEST(ReportDocument, HeadingsTablesAndPivotsOfTheMaximizationExample) {
    const VantrellState state = SolvedExample("maximize.lp");
    const ReportDocument document = BuildReportDocument(state, ReportClock{});
    ASSERT_FALSE(document.blocks.empty());
    EXPECT_EQ(document.blocks.front().text, "Two products");
    std::vector<std::string> headings;
    for (const ReportBlock* block : Blocks(document, Kind::Heading)) {
        headings.push_back(block->text);
    }
    EXPECT_EQ(headings, (std::vector<std::string>{
                            "Primal Constraints:", "Primal Tableau #1", "Primal Tableau #2",
                            "Complete Primal Solution:", "Dual Constraints:", "Dual Tableau #1",
                            "Dual Tableau #2", "Dual Tableau #3", "Dual Tableau #4",
                            "Complete Dual Solution:"}));
    const auto tables = Blocks(document, Kind::Table);
    ASSERT_EQ(tables.size(), 6u);
    const ReportTable& first = tables[0]->table;
    ASSERT_TRUE(first.pivotRow && first.pivotColumn);
    EXPECT_EQ(first.rows[*first.pivotRow][1], "S1");
    EXPECT_EQ(first.rows[1][*first.pivotColumn], "X1");
    EXPECT_EQ(first.rows[*first.pivotRow][*first.pivotColumn], "1.000");
    EXPECT_FALSE(tables[1]->table.pivotRow);  // the last page of a run has no pivot
    // The lines around the tables stay text, and no line of a tableau is left over.
    for (const ReportBlock* text : Blocks(document, Kind::Text)) {
        EXPECT_EQ(text->text.find("Cj-Zj"), std::string::npos) << text->text;
    }
}

TEST(ReportDocument, TablesFollowTheDisplayOptions) {
    const VantrellState state =
        SolvedExample("maximize.lp", {NumberStyle::Fractions, BigMStyle::Expressions});
    const ReportDocument document = BuildReportDocument(state, ReportClock{});
    const auto tables = Blocks(document, Kind::Table);
    ASSERT_EQ(tables.size(), 6u);
    const ReportTable& dual = tables[2]->table;
    EXPECT_EQ(dual.rows[2][0], "-M");
}

}  // namespace
}  // namespace vantrell
