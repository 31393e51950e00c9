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

TableauPage::Span TableauPage::ColumnSpan(std::size_t column) const {
    Span span;
    for (std::size_t k = 0; k < column && k < mColumnWidths.size(); ++k) {
        span.start += static_cast<std::size_t>(mColumnWidths[k]) + 1;  // the cell and its blank
    }
    if (column < mColumnWidths.size()) {
        span.length = static_cast<std::size_t>(mColumnWidths[column]);
    }
    return span;
}

std::optional<std::size_t> TableauPage::EnteringColumn() const {
    constexpr std::size_t kHeadingLine = 1;
    if (mEntering.empty() || mRows.size() <= kHeadingLine) {
        return std::nullopt;
    }
    const Line& headings = mRows[kHeadingLine];
    for (std::size_t k = 0; k < headings.size(); ++k) {
        if (headings[k] == mEntering) {
            return k;
        }
    }
    return std::nullopt;
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
