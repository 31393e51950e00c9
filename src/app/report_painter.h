// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "export/report_document.h"

class QPagedPaintDevice;

namespace vantrell {

// Paints the report on a printer or PDF writer in a proportional font, page after page:
// the title, headings, text lines, and each tableau as a ruled table whose pivot cell is
// bold, framed and shaded. A table wider than the page is set in a smaller font. Returns
// the number of pages.
int PaintReport(const ReportDocument& document, QPagedPaintDevice& device);

// The document as the bytes of an A4 PDF file.
std::string ReportPdfBytes(const ReportDocument& document);

}  // namespace vantrell
