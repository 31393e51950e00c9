#pragma once

#include <QString>
#include <QWidget>
#include <vector>

class QChart;
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
    void SetDivisions(int divisions);
    // Draws the grid: one line series per column pair, labelled by its first column.
    void Refresh();

    // What the chart currently draws, for tests.
    QChart* Chart() const { return mChart; }
    int RowCount() const { return mRows; }
    int ColumnCount() const { return mColumns; }
    double Data(int row, int column) const;
    QString ColumnLabel(int column) const;

  private:
    std::size_t Index(int row, int column) const;

    QChartView* mView = nullptr;
    QChart* mChart = nullptr;
    QValueAxis* mAxisX = nullptr;
    QValueAxis* mAxisY = nullptr;
    int mRows = 0;
    int mColumns = 0;
    std::vector<double> mGrid;
    std::vector<QString> mLabels;
};

}  // namespace vantrell
