// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/ms_chart.h"

#include <QChart>
#include <QChartView>
#include <QGraphicsPathItem>
#include <QGraphicsPolygonItem>
#include <QGraphicsRectItem>
#include <QGraphicsSimpleTextItem>
#include <QLegend>
#include <QLegendMarker>
#include <QLineF>
#include <QLineSeries>
#include <QPainterPath>
#include <QPen>
#include <QScatterSeries>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "plot/plot_marks.h"

namespace vantrell {
namespace {

// Constraint lines take these in turn; none of them is near the objective's red.
const QColor kLineColours[] = {QColor(31, 119, 180), QColor(44, 160, 44),  QColor(148, 103, 189),
                               QColor(140, 86, 75),  QColor(23, 190, 207), QColor(127, 127, 127),
                               QColor(188, 189, 34), QColor(0, 0, 128),    QColor(255, 127, 14)};
const QColor kRegionFill(70, 130, 220, 70);
const QColor kPathColour(20, 20, 20);
const QColor kCurrentColour(255, 170, 0);
const QColor kEnteringColour(0, 140, 60);
const QColor kLeavingColour(150, 60, 170);
// Below 0 the axes show this share of their length, so a point on an axis shows whole.
constexpr double kAxisMargin = 0.04;
// The marked point's label keeps this far (pixels) from its point and from the frame.
constexpr double kLabelGap = 12.0;

QPointF ToQt(const PlotPoint& point) {
    return {point.x, point.y};
}

// An arrow head at `to`, pointing away from `from`.
void AddArrowHead(QPainterPath& path, const QPointF& from, const QPointF& to) {
    const QLineF line(to, from);
    if (line.length() < 1.0) {
        return;
    }
    for (const double turn : {25.0, -25.0}) {
        QLineF wing(to, to + QPointF(10.0, 0.0));
        wing.setAngle(line.angle() + turn);
        path.moveTo(to);
        path.lineTo(wing.p2());
    }
}

}  // namespace

QColor CMSChart::ObjectiveColour() {
    return QColor(214, 39, 40);
}

CMSChart::CMSChart(QWidget* parent) : QWidget(parent) {
    setObjectName("vantrellChart");
    mChart = new QChart;
    mChart->legend()->setVisible(false);
    // Each entry drawn as its line (dashed, dotted) or its marker, beside the plot where
    // every name has room.
    mChart->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
    mChart->legend()->setAlignment(Qt::AlignRight);
    mAxisX = new QValueAxis;
    mAxisX->setTitleText(QStringLiteral("X1"));
    mAxisY = new QValueAxis;
    mAxisY->setTitleText(QStringLiteral("X2"));
    mChart->addAxis(mAxisX, Qt::AlignBottom);
    mChart->addAxis(mAxisY, Qt::AlignLeft);
    mView = new QChartView(mChart, this);
    mView->setRenderHint(QPainter::Antialiasing);
    // A picture, not a control: Tab passes it by.
    mView->setFocusPolicy(Qt::NoFocus);
    mView->viewport()->setFocusPolicy(Qt::NoFocus);
    mView->setAccessibleName(QStringLiteral("Chart"));
    // The region is a polygon in the scene, under the lines; it follows the plot area.
    mRegionItem = new QGraphicsPolygonItem(mChart);
    mRegionItem->setBrush(kRegionFill);
    mRegionItem->setPen(Qt::NoPen);
    mRegionItem->setZValue(-1);
    mArrowItem = new QGraphicsPathItem(mChart);
    mArrowItem->setPen(QPen(kPathColour, 1.5));
    mArrowItem->setZValue(5);
    // The optimum's label over every line and marker, on a box of its own.
    mLabelBox = new QGraphicsRectItem(mChart);
    mLabelBox->setBrush(QColor(255, 255, 255, 225));
    mLabelBox->setPen(QPen(ObjectiveColour(), 1.0));
    mLabelBox->setZValue(20);
    mLabelItem = new QGraphicsSimpleTextItem(mLabelBox);
    mLabelBox->hide();
    connect(mChart, &QChart::plotAreaChanged, this, [this] {
        PlaceRegion();
        PlaceArrows();
        PlaceMarkedLabel();
    });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(mView);
}

std::size_t CMSChart::Index(int row, int column) const {
    return static_cast<std::size_t>((row - 1) * mColumns + (column - 1));
}

void CMSChart::SetRowCount(int rows) {
    mRows = std::max(rows, 0);
    mGrid.assign(static_cast<std::size_t>(mRows * mColumns), 0.0);
}

void CMSChart::SetColumnCount(int columns) {
    mColumns = std::max(columns, 0);
    mGrid.assign(static_cast<std::size_t>(mRows * mColumns), 0.0);
    mLabels.assign(static_cast<std::size_t>(mColumns), QString());
    mRoles.assign(static_cast<std::size_t>(mColumns), SeriesRole::Line);
}

void CMSChart::SetSeriesRole(int column, SeriesRole role) {
    if (column >= 1 && column <= mColumns) {
        mRoles[static_cast<std::size_t>(column - 1)] = role;
    }
}

CMSChart::SeriesRole CMSChart::Role(int column) const {
    return column >= 1 && column <= mColumns ? mRoles[static_cast<std::size_t>(column - 1)]
                                             : SeriesRole::Line;
}

void CMSChart::SetMarkedPoint(std::optional<QPointF> point, const QString& label) {
    mMarked = point;
    mMarkedLabel = label;
}

void CMSChart::SetColumnLabel(int column, const QString& label) {
    if (column >= 1 && column <= mColumns) {
        mLabels[static_cast<std::size_t>(column - 1)] = label;
    }
}

void CMSChart::SetData(int row, int column, double value) {
    if (row >= 1 && row <= mRows && column >= 1 && column <= mColumns) {
        mGrid[Index(row, column)] = value;
    }
}

double CMSChart::Data(int row, int column) const {
    if (row >= 1 && row <= mRows && column >= 1 && column <= mColumns) {
        return mGrid[Index(row, column)];
    }
    return 0.0;
}

QString CMSChart::ColumnLabel(int column) const {
    return column >= 1 && column <= mColumns ? mLabels[static_cast<std::size_t>(column - 1)]
                                             : QString();
}

void CMSChart::SetLegendVisible(bool visible) {
    mChart->legend()->setVisible(visible);
}

void CMSChart::SetAxisMaximum(double maximum) {
    const double below = maximum > 0.0 ? -kAxisMargin * maximum : 0.0;
    mAxisX->setRange(below, maximum);
    mAxisY->setRange(below, maximum);
}

double CMSChart::AxisMaximum() const {
    return mAxisX->max();
}

void CMSChart::SetDivisions(int divisions) {
    // Ticks at round numbers from 0 (1, 2 or 5 times a power of ten), about `divisions`
    // of them over the axis.
    const double step = RoundTickStep(mAxisX->max(), divisions);
    for (QValueAxis* axis : {mAxisX, mAxisY}) {
        axis->setTickCount(divisions + 1);
        axis->setTickType(QValueAxis::TicksDynamic);
        axis->setTickAnchor(0.0);
        axis->setTickInterval(step);
        axis->setLabelFormat(QStringLiteral("%g"));
    }
}

void CMSChart::SetPath(const PathView& view) {
    mPath = view;
}

void CMSChart::SetAxisTitles(const QString& x, const QString& y) {
    mAxisX->setTitleText(x);
    mAxisY->setTitleText(y);
}

void CMSChart::PlaceArrows() {
    // Between the points in page order, and on along the unbounded direction: arrows are
    // drawn in the scene, so they follow the plot area as the region does.
    QPainterPath arrows;
    const auto arrow = [this, &arrows](const PlotPoint& a, const PlotPoint& b) {
        const QPointF from = mChart->mapToPosition(ToQt(a));
        const QPointF to = mChart->mapToPosition(ToQt(b));
        arrows.moveTo(from);
        arrows.lineTo(to);
        AddArrowHead(arrows, from, to);
    };
    for (std::size_t i = 0; i + 1 < mPath.points.size(); ++i) {
        arrow(mPath.points[i], mPath.points[i + 1]);
    }
    if (mPath.unboundedArrow.size() == 2) {
        arrow(mPath.unboundedArrow[0], mPath.unboundedArrow[1]);
    }
    mArrowItem->setPath(arrows);
}

void CMSChart::AddPathSeries() {
    if (mPath.points.empty()) {
        return;
    }
    const auto addLine = [this](const std::vector<PlotPoint>& points, const QString& name,
                                const QColor& colour, Qt::PenStyle style) {
        if (points.size() != 2) {
            return;
        }
        auto* line = new QLineSeries;
        line->setName(name);
        line->setObjectName(name);
        for (const PlotPoint& point : points) {
            line->append(ToQt(point));
        }
        // Wider than the path's arrows, so an edge along one of them still shows.
        QPen pen(colour, 4.0);
        pen.setStyle(style);
        line->setPen(pen);
        mChart->addSeries(line);
        line->attachAxis(mAxisX);
        line->attachAxis(mAxisY);
    };
    addLine(mPath.leavingLine, QStringLiteral("Leaving row"), kLeavingColour, Qt::DotLine);
    addLine(mPath.enteringEdge, QStringLiteral("Entering edge"), kEnteringColour, Qt::DashLine);
    addLine(mPath.objectiveLine, QStringLiteral("Objective through point"), ObjectiveColour(),
            Qt::DashDotLine);

    const auto addPoints = [this](const char* name, QScatterSeries::MarkerShape shape, double size,
                                  const QColor& fill, const QColor& border) {
        auto* points = new QScatterSeries;
        points->setObjectName(QString::fromUtf8(name));
        points->setMarkerShape(shape);
        points->setMarkerSize(size);
        points->setColor(fill);
        points->setBorderColor(border);
        QPen pen(border, 2.0);
        points->setPen(pen);
        mChart->addSeries(points);
        points->attachAxis(mAxisX);
        points->attachAxis(mAxisY);
        connect(points, &QScatterSeries::clicked, this, [this](const QPointF& at) {
            // The nearest path point: points of two pages may coincide, the first wins.
            int nearest = -1;
            double best = INFINITY;
            for (std::size_t i = 0; i < mPath.points.size(); ++i) {
                const double d = QLineF(at, ToQt(mPath.points[i])).length();
                if (d < best) {
                    best = d;
                    nearest = static_cast<int>(i);
                }
            }
            if (nearest >= 0) {
                emit PathPointClicked(nearest);
            }
        });
        return points;
    };
    QScatterSeries* current = addPoints("pathCurrentPoint", QScatterSeries::MarkerShapeRectangle,
                                        20.0, kCurrentColour, kPathColour);
    QScatterSeries* filled =
        addPoints("pathPoints", QScatterSeries::MarkerShapeCircle, 10.0, kPathColour, kPathColour);
    QScatterSeries* hollow = addPoints("pathHollowPoints", QScatterSeries::MarkerShapeCircle, 10.0,
                                       Qt::white, kPathColour);
    for (std::size_t i = 0; i < mPath.points.size(); ++i) {
        const QPointF point = ToQt(mPath.points[i]);
        (i < mPath.feasible.size() && mPath.feasible[i] ? filled : hollow)->append(point);
        if (static_cast<int>(i) == mPath.highlighted) {
            current->append(point);
        }
    }
}

QRectF CMSChart::MarkedLabelRect() const {
    return mLabelBox->isVisible() ? mLabelBox->sceneBoundingRect() : QRectF();
}

void CMSChart::PlaceMarkedLabel() {
    if (!mMarked) {
        return;
    }
    // Up and to the right of the point, clear of its marker and of the highlighted square;
    // turned to the other side where the plot area ends.
    const QRectF area = mChart->plotArea();
    const QPointF at = mChart->mapToPosition(*mMarked);
    const QRectF text = mLabelItem->boundingRect();
    const QSizeF size(text.width() + 6.0, text.height() + 4.0);
    double x = at.x() + kLabelGap;
    double y = at.y() - kLabelGap - size.height();
    if (x + size.width() > area.right()) {
        x = at.x() - kLabelGap - size.width();
    }
    if (y < area.top()) {
        y = at.y() + kLabelGap;
    }
    x = std::clamp(x, area.left() + 2.0, std::max(area.left() + 2.0, area.right() - size.width()));
    y = std::clamp(y, area.top() + 2.0, std::max(area.top() + 2.0, area.bottom() - size.height()));
    mLabelBox->setRect(0.0, 0.0, size.width(), size.height());
    mLabelBox->setPos(x, y);
    mLabelItem->setPos(3.0, 2.0);
}

void CMSChart::PlaceRegion() {
    if (mRegionItem == nullptr) {
        return;
    }
    QPolygonF onScreen;
    for (const QPointF& point : mRegion) {
        onScreen << mChart->mapToPosition(point);
    }
    mRegionItem->setPolygon(onScreen);
}

void CMSChart::Refresh() {
    mChart->removeAllSeries();
    mRegion.clear();
    std::size_t nextColour = 0;
    for (int column = 1; column + 1 <= mColumns; column += 2) {
        auto* series = new QLineSeries;
        series->setName(ColumnLabel(column));
        for (int row = 1; row <= mRows; ++row) {
            series->append(Data(row, column), Data(row, column + 1));
        }
        QPen pen(kLineColours[nextColour % std::size(kLineColours)]);
        pen.setWidthF(2.0);
        switch (Role(column)) {
            case SeriesRole::Objective:
                // Dashed as well as red: the colour is not its only sign.
                pen.setColor(ObjectiveColour());
                pen.setStyle(Qt::DashLine);
                pen.setWidthF(2.5);
                break;
            case SeriesRole::Region:
                mRegion = QPolygonF(series->points()) + mRegion;
                pen.setColor(kRegionFill.darker(200));
                break;
            case SeriesRole::OpenSide:
                // After the region's outline, so the fill goes round by the open side.
                mRegion += QPolygonF(series->points());
                pen.setColor(kRegionFill.darker(300));
                pen.setStyle(Qt::DotLine);
                pen.setWidthF(3.0);
                break;
            case SeriesRole::Line:
                ++nextColour;
                break;
        }
        series->setPen(pen);
        mChart->addSeries(series);
        series->attachAxis(mAxisX);
        series->attachAxis(mAxisY);
    }
    if (mMarked) {
        auto* mark = new QScatterSeries;
        mark->setObjectName(QStringLiteral("optimumMark"));
        mark->setName(QStringLiteral("Best corner"));
        mark->setMarkerSize(12.0);
        mark->setColor(ObjectiveColour());
        mark->append(*mMarked);
        mChart->addSeries(mark);
        mark->attachAxis(mAxisX);
        mark->attachAxis(mAxisY);
    }
    AddPathSeries();
    mRegionItem->setVisible(!mRegion.isEmpty());
    PlaceRegion();
    PlaceArrows();
    mLabelItem->setText(mMarkedLabel);
    mLabelBox->setVisible(mMarked.has_value() && !mMarkedLabel.isEmpty());
    PlaceMarkedLabel();
    // The polygon of the region and the mark have no name; keep them out of the legend.
    for (QAbstractSeries* series : mChart->series()) {
        const auto markers = mChart->legend()->markers(series);
        for (auto* marker : markers) {
            marker->setVisible(!series->name().isEmpty());
        }
    }
    mView->update();
}

}  // namespace vantrell
