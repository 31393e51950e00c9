// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/pivot_rule.h"

namespace vantrell {

// The stored text of one tableau, with the column rule that the Tableau dialog and the
// report share. Copying a page copies its data, never its column widths.
class TableauPage {
  public:
    using Line = std::vector<std::string>;

    TableauPage() = default;
    TableauPage(const TableauPage& other);
    TableauPage& operator=(const TableauPage& other);
    TableauPage(TableauPage&&) noexcept = default;
    TableauPage& operator=(TableauPage&&) noexcept = default;
    ~TableauPage() = default;

    // Width of each column: the longest cell of that column over all lines. The
    // column count is the widest line's cell count, so no line reads past it.
    void ComputeColumnWidths();
    // Cells right-aligned in their columns, each followed by one blank.
    std::string LineText(std::size_t line) const;
    // Every line aligned by this page's own widths, without touching the page: what the
    // report, the batch front end and the Tableau dialog print.
    std::vector<std::string> Lines() const;
    // Where column k stands in every line of Lines(): its first character and its width.
    struct Span {
        std::size_t start = 0;
        std::size_t length = 0;
    };
    Span ColumnSpan(std::size_t column) const;
    // The column whose heading (the second line) is the entering variable; nothing when no
    // variable enters, as on a run's last page.
    std::optional<std::size_t> EnteringColumn() const;
    // Empties the text and every written member, so a reused page shows nothing stale.
    void Clear();

    std::vector<Line> mRows;
    std::vector<std::int32_t> mColumnWidths;
    std::string mEntering;
    std::string mLeaving;
    double mPivotValue = 0.0;
    double mZ = 0.0;
    PivotRule mRule = PivotRule::LargestCjZj;  // the rule that chose this page's pivot
    int mPhase = 0;  // the two-phase method's phase (1 or 2); 0 for a method without phases
};

inline constexpr int kTableauPages = 30;

// The thirty pages of a run. A store that keeps a run shares the pages with the store that
// made them instead of copying their text; writing to a shared page first gives this store
// its own copy, so the other store never changes under its reader.
class PageStore {
  public:
    PageStore();
    PageStore(const PageStore& other);
    PageStore& operator=(const PageStore& other);
    PageStore(PageStore&&) noexcept = default;
    PageStore& operator=(PageStore&&) noexcept = default;
    ~PageStore() = default;

    const TableauPage& operator[](std::size_t index) const { return *mPages[index]; }
    TableauPage& operator[](std::size_t index);
    // A new empty page at index: what a run writes into, leaving a sharer's page alone.
    TableauPage& Fresh(std::size_t index);
    // The first count pages of source, shared; the later pages of this store stay.
    void Share(const PageStore& source, std::size_t count);
    static constexpr std::size_t size() { return kTableauPages; }

  private:
    std::array<std::shared_ptr<TableauPage>, kTableauPages> mPages;
};

}  // namespace vantrell
