#pragma once

#include <cstdint>
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
