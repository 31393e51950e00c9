// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/tableau_page.h"

#include <algorithm>

namespace vantrell {

TableauPage::TableauPage(const TableauPage& other)
    : mRows(other.mRows),
      mEntering(other.mEntering),
      mLeaving(other.mLeaving),
      mPivotValue(other.mPivotValue),
      mZ(other.mZ),
      mRule(other.mRule),
      mPhase(other.mPhase) {}

TableauPage& TableauPage::operator=(const TableauPage& other) {
    if (this != &other) {
        mRows = other.mRows;
        mEntering = other.mEntering;
        mLeaving = other.mLeaving;
        mPivotValue = other.mPivotValue;
        mZ = other.mZ;
        mRule = other.mRule;
        mPhase = other.mPhase;
    }
    return *this;
}

namespace {

std::vector<std::int32_t> ColumnWidths(const std::vector<TableauPage::Line>& rows) {
    std::size_t columns = rows.size() > 2 ? rows[2].size() : 0;
    for (const TableauPage::Line& line : rows) {
        columns = std::max(columns, line.size());
    }
    std::vector<std::int32_t> widths(columns, 0);
    for (const TableauPage::Line& line : rows) {
        for (std::size_t k = 0; k < line.size(); ++k) {
            widths[k] = std::max(widths[k], static_cast<std::int32_t>(line[k].size()));
        }
    }
    return widths;
}

std::string AlignedLine(const TableauPage::Line& cells, const std::vector<std::int32_t>& widths) {
    std::string text;
    for (std::size_t k = 0; k < cells.size(); ++k) {
        const std::int32_t width = k < widths.size() ? widths[k] : 0;
        const auto length = static_cast<std::int32_t>(cells[k].size());
        if (width > length) {
            text.append(static_cast<std::size_t>(width - length), ' ');
        }
        text += cells[k];
        text += ' ';
    }
    return text;
}

}  // namespace

void TableauPage::ComputeColumnWidths() {
    mColumnWidths = ColumnWidths(mRows);
}

std::string TableauPage::LineText(std::size_t line) const {
    return line < mRows.size() ? AlignedLine(mRows[line], mColumnWidths) : std::string{};
}

std::vector<std::string> TableauPage::Lines() const {
    const std::vector<std::int32_t> widths = ColumnWidths(mRows);
    std::vector<std::string> lines;
    lines.reserve(mRows.size());
    for (const Line& cells : mRows) {
        lines.push_back(AlignedLine(cells, widths));
    }
    return lines;
}

TableauPage::Span TableauPage::ColumnSpan(std::size_t column) const {
    const std::vector<std::int32_t> widths = ColumnWidths(mRows);
    Span span;
    for (std::size_t k = 0; k < column && k < widths.size(); ++k) {
        span.start += static_cast<std::size_t>(widths[k]) + 1;  // the cell and its blank
    }
    if (column < widths.size()) {
        span.length = static_cast<std::size_t>(widths[column]);
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
    mRule = PivotRule::LargestCjZj;
    mPhase = 0;
}

PageStore::PageStore() {
    for (auto& page : mPages) {
        page = std::make_shared<TableauPage>();
    }
}

PageStore::PageStore(const PageStore& other) : PageStore() {
    Share(other, kTableauPages);
}

PageStore& PageStore::operator=(const PageStore& other) {
    if (this != &other) {
        Share(other, kTableauPages);
    }
    return *this;
}

TableauPage& PageStore::operator[](std::size_t index) {
    std::shared_ptr<TableauPage>& page = mPages[index];
    if (page.use_count() > 1) {
        page = std::make_shared<TableauPage>(*page);
    }
    return *page;
}

TableauPage& PageStore::Fresh(std::size_t index) {
    mPages[index] = std::make_shared<TableauPage>();
    return *mPages[index];
}

void PageStore::Share(const PageStore& source, std::size_t count) {
    std::copy_n(source.mPages.begin(), std::min(count, mPages.size()), mPages.begin());
}

}  // namespace vantrell
