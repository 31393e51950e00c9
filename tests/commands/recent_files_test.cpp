// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/recent_files.h"

#include <gtest/gtest.h>

namespace vantrell {
namespace {

using Paths = std::vector<std::string>;

TEST(RecentFiles, StoredListsAreCleanedAndAddingMovesToTheFront) {
    struct Row {
        const char* name;
        Paths stored;
        std::optional<std::string> added;
        Paths expected;
    };
    const Row rows[] = {
        {"empty_and_repeated_dropped", {"/a.lp", "", "/b.lp", "/a.lp"}, {}, {"/a.lp", "/b.lp"}},
        {"at_most_five_newest",
         {"/1", "/2", "/3", "/4", "/5", "/6"},
         {},
         {"/1", "/2", "/3", "/4", "/5"}},
        {"new_goes_first_oldest_leaves",
         {"/1", "/2", "/3", "/4", "/5"},
         "/6",
         {"/6", "/1", "/2", "/3", "/4"}},
        {"known_moves_up", {"/1", "/2", "/3"}, "/3", {"/3", "/1", "/2"}},
        {"same_file_other_spelling", {"/tmp/x.lp", "/1"}, "/tmp/./x.lp", {"/tmp/./x.lp", "/1"}},
    };
    for (const Row& row : rows) {
        RecentFiles recent;
        recent.Assign(row.stored);
        if (row.added) {
            recent.Add(*row.added);
        }
        EXPECT_EQ(recent.Paths(), row.expected) << row.name;
    }
}

TEST(RecentFiles, CaptionsAreNumberedMnemonicsWithTheFileName) {
    EXPECT_EQ(RecentFileCaption(0, "/home/ann/diet.lp"), "&1 diet.lp");
    EXPECT_EQ(RecentFileCaption(4, "/home/ann/R&D.lp"), "&5 R&&D.lp");
}

}  // namespace
}  // namespace vantrell
