// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/report_painter.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <vector>

namespace vantrell {
namespace {

constexpr double kTablePoints = 9.0;
constexpr double kSmallestTablePoints = 4.0;

class ReportPainter {
  public:
    ReportPainter(QPainter& painter, QPagedPaintDevice& device)
        : painter_(painter),
          device_(device),
          width_(painter.viewport().width()),
          height_(painter.viewport().height()) {}

    void Paint(const ReportDocument& document) {
        for (const ReportBlock& block : document.blocks) {
            switch (block.kind) {
                case ReportBlock::Kind::Title:
                    Line(block.text, Font(16, true), 0.6);
                    break;
                case ReportBlock::Kind::Heading:
                    Space(0.8);
                    Line(block.text, Font(11, true), 0.3);
                    break;
                case ReportBlock::Kind::Text:
                    Line(block.text, Font(10, false), 0.1);
                    break;
                case ReportBlock::Kind::Table:
                    Table(block.table);
                    break;
            }
        }
    }
    int Pages() const { return pages_; }

  private:
    QFont Font(double points, bool bold) const {
        QFont font;  // the application's proportional font
        font.setPointSizeF(points);
        font.setBold(bold);
        return font;
    }

    double LineHeight(const QFont& font) const { return QFontMetricsF(font, &device_).height(); }

    // Starts a new page when height does not fit below the current line.
    void Room(double height) {
        if (y_ > 0 && y_ + height > height_) {
            device_.newPage();
            ++pages_;
            y_ = 0;
        }
    }
    void Space(double lines) { y_ += lines * LineHeight(Font(10, false)); }

    void Line(const std::string& text, const QFont& font, double after) {
        const double height = LineHeight(font);
        Room(height);
        painter_.setFont(font);
        painter_.drawText(QRectF(0, y_, width_, height), Qt::AlignLeft | Qt::AlignVCenter,
                          QString::fromStdString(text));
        y_ += height * (1 + after);
    }

    std::vector<double> ColumnWidths(const ReportTable& table, const QFont& font) const {
        const QFontMetricsF metrics(font, &device_);
        const double pad = metrics.horizontalAdvance(QLatin1Char('0'));
        std::vector<double> widths;
        for (const auto& row : table.rows) {
            widths.resize(std::max(widths.size(), row.size()), 0.0);
            for (std::size_t k = 0; k < row.size(); ++k) {
                widths[k] = std::max(
                    widths[k], metrics.horizontalAdvance(QString::fromStdString(row[k])) + 2 * pad);
            }
        }
        return widths;
    }

    void Table(const ReportTable& table) {
        QFont font = Font(kTablePoints, false);
        std::vector<double> widths = ColumnWidths(table, font);
        double total = 0;
        for (const double w : widths) {
            total += w;
        }
        if (total > width_) {
            font.setPointSizeF(
                std::max(kSmallestTablePoints, kTablePoints * width_ / total * 0.98));
            widths = ColumnWidths(table, font);
        }
        QFont bold = font;
        bold.setBold(true);
        const double rowHeight = LineHeight(font) * 1.3;
        Space(0.3);
        // The Cj line, the heading line and the first row stay together.
        Room(rowHeight * std::min<double>(3, static_cast<double>(table.rows.size())));
        const std::size_t rows = table.rows.size();
        for (std::size_t r = 0; r < rows; ++r) {
            Room(rowHeight);
            double x = 0;
            for (std::size_t k = 0; k < widths.size(); ++k) {
                const QRectF cell(x, y_, widths[k], rowHeight);
                const bool pivot = table.pivotRow == r && table.pivotColumn == k;
                const bool heading = r == 1;
                painter_.setPen(QPen(QColor(160, 160, 160), 0));
                painter_.drawRect(cell);
                if (pivot) {
                    painter_.fillRect(cell, QColor(225, 225, 225));
                    painter_.setPen(QPen(Qt::black, rowHeight / 8));
                    painter_.drawRect(cell);
                }
                painter_.setPen(Qt::black);
                painter_.setFont(pivot || heading ? bold : font);
                const std::string text = k < table.rows[r].size() ? table.rows[r][k] : "";
                painter_.drawText(cell.adjusted(0, 0, -rowHeight / 4, 0),
                                  Qt::AlignRight | Qt::AlignVCenter, QString::fromStdString(text));
                x += widths[k];
            }
            y_ += rowHeight;
        }
        Space(0.3);
    }

    QPainter& painter_;
    QPagedPaintDevice& device_;
    double width_;
    double height_;
    double y_ = 0;
    int pages_ = 1;
};

}  // namespace

int PaintReport(const ReportDocument& document, QPagedPaintDevice& device) {
    QPainter painter(&device);
    ReportPainter report(painter, device);
    report.Paint(document);
    painter.end();
    return report.Pages();
}

std::string ReportPdfBytes(const ReportDocument& document) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
        writer.setTitle(QStringLiteral("Vantrell solution report"));
        writer.setCreator(QStringLiteral("Vantrell"));
        PaintReport(document, writer);
    }
    return buffer.data().toStdString();
}

}  // namespace vantrell
