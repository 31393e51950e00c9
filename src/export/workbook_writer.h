// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "export/sheet_layout.h"

namespace vantrell {

// The spreadsheet behind Save Excel: one worksheet whose cells are all text, written as an
// Office Open XML workbook (.xlsx) by libxlsxwriter.
class CWebCalc {
  public:
    explicit CWebCalc(std::vector<SheetCell> cells) : mCells(std::move(cells)) {}

    // Writes the workbook to path. It is built in a temporary file beside the target and
    // renamed over it only when complete, so the path holds either its old file or the
    // whole workbook. An existing file keeps its permission bits and a symbolic link is
    // written through; a device such as /dev/null gets the workbook directly.
    // Returns "Cannot write \"PATH\": reason" on failure, nothing on success.
    [[nodiscard]] std::optional<std::string> SaveAs(const std::string& path) const;

  private:
    // libxlsxwriter's part: the whole workbook into the file at file. The reason on failure.
    std::optional<std::string> WriteWorkbook(const std::string& file) const;

    std::vector<SheetCell> mCells;
};

}  // namespace vantrell
