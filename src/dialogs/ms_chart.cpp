#include "dialogs/ms_chart.h"

#include <QChart>
#include <QChartView>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QVBoxLayout>
#include <QValueAxis>

namespace vantrell {

CMSChart::CMSChart(QWidget* parent) : QWidget(parent) {
    setObjectName("vantrellChart");
    mChart = new QChart;
    mChart->legend()->setVisible(false);
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
    mAxisX->setRange(0.0, maximum);
    mAxisY->setRange(0.0, maximum);
}

void CMSChart::SetDivisions(int divisions) {
    mAxisX->setTickCount(divisions + 1);
    mAxisY->setTickCount(divisions + 1);
}

void CMSChart::Refresh() {
    mChart->removeAllSeries();
    for (int column = 1; column + 1 <= mColumns; column += 2) {
        auto* series = new QLineSeries;
        series->setName(ColumnLabel(column));
        for (int row = 1; row <= mRows; ++row) {
            series->append(Data(row, column), Data(row, column + 1));
        }
        mChart->addSeries(series);
        series->attachAxis(mAxisX);
        series->attachAxis(mAxisY);
    }
    // The polygon of the region has no name; keep it out of the legend.
    for (QAbstractSeries* series : mChart->series()) {
        const auto markers = mChart->legend()->markers(series);
        for (auto* marker : markers) {
            marker->setVisible(!series->name().isEmpty());
        }
    }
    mView->update();
}

}  // namespace vantrell
