// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPointF>
#include <QPolygonF>
#include <QString>
#include <QWidget>
#include <optional>
#include <vector>

#include "plot/path_view.h"

class QChart;
class QGraphicsPathItem;
class QGraphicsRectItem;
class QGraphicsSimpleTextItem;
class QGraphicsPolygonItem;
class QChartView;
class QValueAxis;

namespace vantrell {

// A two-dimensional X-Y chart fed like a data grid: each series owns two columns, x then y,
// rows are the points, and every column has a label. Nothing is drawn until Refresh.
class CMSChart : public QWidget {
    Q_OBJECT

  public:
    explicit CMSChart(QWidget* parent = nullptr);

    void SetRowCount(int rows);
    void SetColumnCount(int columns);
    // Columns and rows count from 1, as the series data is laid out.
    void SetColumnLabel(int column, const QString& label);
    void SetData(int row, int column, double value);
    void SetLegendVisible(bool visible);
    // The upper end of both axes, and the number of divisions each is split into.
    void SetAxisMaximum(double maximum);
    double AxisMaximum() const;
    void SetDivisions(int divisions);
    // What a column pair draws: a plain line, the feasible region (filled, semi-transparent)
    // or the objective line (one colour that no other line has). Plain unless set; a new
    // column count makes every pair plain again.
    // OpenSide is where the region goes on past the view: dotted, and filled with it.
    enum class SeriesRole { Line, Region, Objective, OpenSide };
    void SetSeriesRole(int column, SeriesRole role);
    // A marked point with its label, such as the optimum; nothing removes the mark.
    void SetMarkedPoint(std::optional<QPointF> point, const QString& label);
    // The simplex path drawn over the lines at the next Refresh; an empty view draws none.
    // Points inside the region are filled discs, points outside hollow rings, the point on
    // show a large square behind its disc; arrows join the points in page order.
    void SetPath(const PathView& view);
    const PathView& Path() const { return mPath; }
    void SetAxisTitles(const QString& x, const QString& y);
    // Draws the grid: one line series per column pair, labelled by its first column.
    void Refresh();

    // What the chart currently draws, for tests.
    QChart* Chart() const { return mChart; }
    int RowCount() const { return mRows; }
    int ColumnCount() const { return mColumns; }
    double Data(int row, int column) const;
    QString ColumnLabel(int column) const;
    static QColor ObjectiveColour();
    // The region as drawn, in chart coordinates; empty when no pair is the region.
    QPolygonF RegionPolygon() const { return mRegion; }
    // The marked point's label as placed, in scene coordinates, and its text; empty
    // without a mark.
    QRectF MarkedLabelRect() const;
    QString MarkedLabel() const { return mMarked ? mMarkedLabel : QString(); }

  signals:
    // A path point was clicked: its index in the path view.
    void PathPointClicked(int index);

  private:
    void AddPathSeries();
    std::size_t Index(int row, int column) const;
    SeriesRole Role(int column) const;
    void PlaceRegion();
    void PlaceArrows();
    void PlaceMarkedLabel();

    QChartView* mView = nullptr;
    QChart* mChart = nullptr;
    QValueAxis* mAxisX = nullptr;
    QValueAxis* mAxisY = nullptr;
    int mRows = 0;
    int mColumns = 0;
    std::vector<double> mGrid;
    std::vector<QString> mLabels;
    std::vector<SeriesRole> mRoles;
    std::optional<QPointF> mMarked;
    QString mMarkedLabel;
    QPolygonF mRegion;
    QGraphicsPolygonItem* mRegionItem = nullptr;
    PathView mPath;
    QGraphicsPathItem* mArrowItem = nullptr;
    QGraphicsSimpleTextItem* mLabelItem = nullptr;
    QGraphicsRectItem* mLabelBox = nullptr;
};

}  // namespace vantrell
