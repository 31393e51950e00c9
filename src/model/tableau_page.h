#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vantrell {

// The stored text of one tableau, with the column rule that the Tableau dialog and the
// report share. Copying a page copies its data, never its column widths.
class TableauPage {
  public:
    using Line = std::vector<std::string>;

    TableauPage() = default;
    TableauPage(const TableauPage& other);
    TableauPage& operator=(const TableauPage& other);

    // Width of each column: the longest cell of that column over all lines. The
    // column count is the widest line's cell count, so no line reads past it.
    void ComputeColumnWidths();
    // Cells right-aligned in their columns, each followed by one blank.
    std::string LineText(std::size_t line) const;
    // Where column k stands in every LineText: its first character and its width.
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
};

}  // namespace vantrell
