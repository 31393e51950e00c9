#include "model/tableau_page.h"

#include <algorithm>

namespace vantrell {

TableauPage::TableauPage(const TableauPage& other)
    : mRows(other.mRows),
      mEntering(other.mEntering),
      mLeaving(other.mLeaving),
      mPivotValue(other.mPivotValue),
      mZ(other.mZ) {}

TableauPage& TableauPage::operator=(const TableauPage& other) {
    if (this != &other) {
        mRows = other.mRows;
        mEntering = other.mEntering;
        mLeaving = other.mLeaving;
        mPivotValue = other.mPivotValue;
        mZ = other.mZ;
    }
    return *this;
}

void TableauPage::ComputeColumnWidths() {
    std::size_t columns = mRows.size() > 2 ? mRows[2].size() : 0;
    for (const Line& line : mRows) {
        columns = std::max(columns, line.size());
    }
    mColumnWidths.assign(columns, 0);
    for (const Line& line : mRows) {
        for (std::size_t k = 0; k < line.size(); ++k) {
            const auto length = static_cast<std::int32_t>(line[k].size());
            mColumnWidths[k] = std::max(mColumnWidths[k], length);
        }
    }
}

std::string TableauPage::LineText(std::size_t line) const {
    std::string text;
    if (line >= mRows.size()) {
        return text;
    }
    const Line& cells = mRows[line];
    for (std::size_t k = 0; k < cells.size(); ++k) {
        const std::int32_t width = k < mColumnWidths.size() ? mColumnWidths[k] : 0;
        const auto length = static_cast<std::int32_t>(cells[k].size());
        if (width > length) {
            text.append(static_cast<std::size_t>(width - length), ' ');
        }
        text += cells[k];
        text += ' ';
    }
    return text;
}

void TableauPage::Clear() {
    mRows.clear();
    mColumnWidths.clear();
    mEntering.clear();
    mLeaving.clear();
    mPivotValue = 0.0;
    mZ = 0.0;
}

}  // namespace vantrell
