// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/graph_dialog.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>

#include "dialogs/ms_chart.h"
#include "dialogs/ui_fonts.h"
#include "model/number_text.h"
#include "plot/path_view.h"
#include "plot/plot_marks.h"

namespace vantrell {
namespace {

constexpr const char* kNegativeScaleMessage = "Cannot use a negative scale";
constexpr const char* kOpenSideLabel = "Region goes on";
// Room beyond the farthest path point, so that no point sits on the frame.
constexpr double kPathRoom = 1.1;

}  // namespace

CGraphDlg::CGraphDlg(VantrellState& state, Prompt& prompt, std::function<void()> solutionChanged,
                     QWidget* parent)
    : QDialog(parent),
      mState(state),
      mPrompt(prompt),
      mSolutionChanged(std::move(solutionChanged)) {
    setWindowTitle(QStringLiteral("Graphical Solution"));
    setObjectName("graphDialog");
    setFont(FixedDialogFont());
    setWindowFlags(Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setModal(false);
    mTimer.setObjectName("sweepTimer");
    connect(&mTimer, &QTimer::timeout, this, &CGraphDlg::Tick);
    BuildLayout();
}

void CGraphDlg::BuildLayout() {
    mTitleField = new QLineEdit(this);
    mTitleField->setObjectName("titleField");
    mTitleField->setReadOnly(true);
    mTitleField->setAccessibleName(QStringLiteral("Problem name"));
    mFeasibleList = new QListWidget(this);
    mFeasibleList->setObjectName("feasibleList");
    mFeasibleList->setAccessibleName(QStringLiteral("Feasible Points"));
    mFeasibleList->setMinimumHeight(90);
    // The Scale only carries the extent to the axes; it is not shown.
    mScaleField = new QLineEdit(this);
    mScaleField->setObjectName("scaleField");
    mScaleField->hide();
    connect(mScaleField, &QLineEdit::textChanged, this, &CGraphDlg::OnScaleChanged);
    mSlopeField = new QLineEdit(this);
    mSlopeField->setObjectName("slopeField");
    mSlopeField->setReadOnly(true);
    mSlopeField->setAccessibleName(QStringLiteral("Slope"));
    mSlopeField->setMaximumWidth(110);
    mSpeedSlider = new QSlider(Qt::Horizontal, this);
    mSpeedSlider->setObjectName("speedSlider");
    mSpeedSlider->setAccessibleName(QStringLiteral("Animation speed"));
    mSpeedSlider->setRange(0, 100);
    mSpeedSlider->setValue(0);
    mSpeedSlider->setTickPosition(QSlider::NoTicks);
    mPlayButton = new QPushButton(QStringLiteral("&Play"), this);
    mPlayButton->setObjectName("playButton");
    mPlayButton->setAutoDefault(false);
    connect(mPlayButton, &QPushButton::clicked, this, &CGraphDlg::Play);
    mRegionButton = new QRadioButton(QStringLiteral("&Region"), this);
    mRegionButton->setObjectName("regionButton");
    mConstraintsButton = new QRadioButton(QStringLiteral("&Constraints"), this);
    mConstraintsButton->setObjectName("constraintsButton");
    connect(mRegionButton, &QRadioButton::clicked, this, [this] { SetMode(kRegion); });
    connect(mConstraintsButton, &QRadioButton::clicked, this, [this] { SetMode(kConstraints); });

    mShowPathBox = new QCheckBox(QStringLiteral("Show Pa&th"), this);
    mShowPathBox->setObjectName("showPathBox");
    mShowPathBox->setAccessibleName(QStringLiteral("Show Path"));
    connect(mShowPathBox, &QCheckBox::toggled, this, [this] { SendSeriesToChart(); });
    mObjectiveAtPointBox = new QCheckBox(QStringLiteral("&Objective at Point"), this);
    mObjectiveAtPointBox->setObjectName("objectiveAtPointBox");
    mObjectiveAtPointBox->setAccessibleName(QStringLiteral("Objective line through the point"));
    connect(mObjectiveAtPointBox, &QCheckBox::toggled, this, [this] { SendSeriesToChart(); });
    mPathNote = new QLabel(this);
    mPathNote->setObjectName("pathNote");
    mPathNote->setWordWrap(true);
    mPathNote->hide();

    auto* pointsLabel = new QLabel(QStringLiteral("&Feasible Points"), this);
    pointsLabel->setBuddy(mFeasibleList);
    auto* left = new QVBoxLayout;
    left->addWidget(mTitleField);
    left->addWidget(pointsLabel);
    left->addWidget(mFeasibleList);

    auto* slopeLabel = new QLabel(QStringLiteral("Slope"), this);
    auto* speed = new QGridLayout;
    speed->addWidget(slopeLabel, 0, 0);
    speed->addWidget(mSlopeField, 0, 1, 1, 2);
    speed->addWidget(new QLabel(QStringLiteral("Fast"), this), 1, 0);
    speed->addWidget(new QLabel(QStringLiteral("Slow"), this), 1, 2, Qt::AlignRight);
    speed->addWidget(mSpeedSlider, 2, 0, 1, 3);
    speed->addWidget(mShowPathBox, 3, 0, 1, 3);
    speed->addWidget(mObjectiveAtPointBox, 4, 0, 1, 3);
    speed->setRowStretch(5, 1);  // keeps the slider under its labels

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(mPlayButton);
    buttons->addWidget(mRegionButton);
    buttons->addWidget(mConstraintsButton);
    buttons->addStretch();

    auto* top = new QHBoxLayout;
    top->addLayout(left, 3);
    top->addLayout(speed, 1);
    top->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(mPathNote);
    resize(820, 620);
}

void CGraphDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Restoring from the task bar is no new showing; nothing is recomputed then.
    if (!event->spontaneous()) {
        OnShown();
    }
}

void CGraphDlg::OnShown() {
    mTimer.stop();
    mMode = kRegion;
    // Each showing works out its own view: the last problem's extent is no floor for this one.
    mGeometry.mScale = 0.0;
    mRegionButton->setChecked(true);
    mConstraintsButton->setChecked(false);

    mGeometry.ComputeFeasiblePoints(mState, mPrompt);
    mShowPathBox->setEnabled(mPath.has_value());
    mShowPathBox->setChecked(mPath.has_value());
    if (mPath) {
        mGeometry.mExtent = std::max(mGeometry.mExtent, PathExtent(*mPath) * kPathRoom);
    }
    mTitleField->setText(QString::fromStdString(mGeometry.mTitle));
    mFeasibleList->clear();
    for (const std::string& line : mGeometry.mListLines) {
        mFeasibleList->addItem(QString::fromStdString(line));
    }
    OpenChart();
    BuildSeries();
    SendSeriesToChart();
    // Through the Scale field, as a user's own scale would arrive: it sets both axes.
    const QString extent =
        QString::fromStdString(FixedText(mGeometry.mExtent, mState.mDecimalPlaces));
    if (mScaleField->text() == extent) {
        OnScaleChanged(extent);
    } else {
        mScaleField->setText(extent);
    }
    mState.mGraphPoint = -1;
}

void CGraphDlg::Redraw() {
    if (isVisible()) {
        OnShown();
    }
}

void CGraphDlg::OpenChart() {
    // One chart for the window's life, owned by it: each opening refills it.
    if (mChart == nullptr) {
        mChart = new CMSChart(this);
        static_cast<QVBoxLayout*>(layout())->insertWidget(1, mChart, 10);
        mChart->setMinimumHeight(320);
        mChart->SetAxisTitles(mAxisX, mAxisY);
        connect(mChart, &CMSChart::PathPointClicked, this, &CGraphDlg::ClickPathPoint);
    }
    mChart->show();
}

void CGraphDlg::SetMode(Mode mode) {
    mMode = mode;
    mRegionButton->setChecked(mode == kRegion);
    mConstraintsButton->setChecked(mode == kConstraints);
    BuildSeries();
    SendSeriesToChart();
}

void CGraphDlg::BuildSeries() {
    if (mMode == kRegion) {
        mGeometry.BuildRegionSeries(mState, mPrompt);
    } else {
        mGeometry.BuildConstraintSeries(mState, mPrompt);
    }
    // Both modes draw several line styles; the legend names them.
    if (mChart) {
        mChart->SetLegendVisible(true);
    }
    mSlopeField->setText(QString::fromStdString(mGeometry.mSlopeText));
}

void CGraphDlg::SendSeriesToChart() {
    if (!mChart) {
        return;
    }
    // The region's open side goes last, as a series of its own.
    std::vector<PlotSeries> all = mGeometry.mSeries;
    const bool openSide = mMode == kRegion && !mGeometry.mOpenSide.empty();
    if (openSide) {
        all.push_back({mGeometry.mOpenSide, kOpenSideLabel});
    }
    std::size_t rows = 0;
    for (const PlotSeries& series : all) {
        rows = std::max(rows, series.points.size());
    }
    mChart->SetRowCount(static_cast<int>(rows));
    mChart->SetColumnCount(static_cast<int>(2 * all.size()));
    if (openSide) {
        mChart->SetSeriesRole(static_cast<int>(2 * all.size() - 1), CMSChart::SeriesRole::OpenSide);
    }
    for (std::size_t i = 0; i < all.size(); ++i) {
        const PlotSeries& series = all[i];
        const int column = static_cast<int>(2 * i + 1);
        mChart->SetColumnLabel(column, QString::fromStdString(series.label));
        if (static_cast<std::int32_t>(i) == mGeometry.mObjectiveSeries) {
            mChart->SetSeriesRole(column, CMSChart::SeriesRole::Objective);
        } else if (mMode == kRegion && i == 0) {
            mChart->SetSeriesRole(column, CMSChart::SeriesRole::Region);
        }
        if (series.points.empty()) {
            continue;
        }
        for (std::size_t row = 0; row < rows; ++row) {
            // Short series repeat their last point, so every column pair has every row.
            const PlotPoint& point = series.points[std::min(row, series.points.size() - 1)];
            mChart->SetData(static_cast<int>(row + 1), column, point.x);
            mChart->SetData(static_cast<int>(row + 1), column + 1, point.y);
        }
    }
    SendPathToChart();
    const auto optimum = BestFeasiblePoint(mGeometry, mState);
    mChart->SetMarkedPoint(optimum
                               ? std::optional<QPointF>(QPointF(optimum->point.x, optimum->point.y))
                               : std::nullopt,
                           optimum ? QString::fromStdString(optimum->label) : QString());
    mChart->Refresh();
}

void CGraphDlg::SendPathToChart() {
    const bool show = mPath && mShowPathBox->isChecked();
    mChart->SetPath(show ? ViewOfPage(*mPath, mState.mPrimal, mHighlightedPage,
                                      mChart->AxisMaximum(), mObjectiveAtPointBox->isChecked())
                         : PathView{});
    mPathNote->setVisible(show && mPath->endsOutside);
    mPathNote->setText(QString::fromUtf8(kPathEndsOutsideText));
}

void CGraphDlg::SetPath(std::optional<SimplexPath> path) {
    mPath = std::move(path);
    mHighlightedPage = -1;
    mShowPathBox->setEnabled(mPath.has_value());
    mShowPathBox->setChecked(mPath.has_value());
    SendSeriesToChart();
}

void CGraphDlg::HighlightPage(int page) {
    mHighlightedPage = page;
    SendSeriesToChart();
}

void CGraphDlg::SetShowPath(bool show) {
    mShowPathBox->setChecked(show);
}

void CGraphDlg::SetAxisNames(const QString& x, const QString& y) {
    mAxisX = x;
    mAxisY = y;
    if (mChart) {
        mChart->SetAxisTitles(x, y);
    }
}

void CGraphDlg::ClickPathPoint(int index) {
    if (!mPath || index < 0 || static_cast<std::size_t>(index) >= mPath->points.size()) {
        return;
    }
    const int page = mPath->points[static_cast<std::size_t>(index)].page;
    if (page >= 0) {
        HighlightPage(page);
        emit PathPageClicked(page);
    }
}

void CGraphDlg::OnScaleChanged(const QString& text) {
    const double scale = DecimalTextValue(text.toStdString());
    mGeometry.mScale = scale;
    if (scale < 0.0) {
        mPrompt.ShowMessage(kNegativeScaleMessage);
        return;
    }
    if (mChart) {
        mChart->SetAxisMaximum(scale);
        mChart->SetDivisions(5);
        SendPathToChart();
        mChart->Refresh();
    }
}

void CGraphDlg::Play() {
    if (const auto refusal = mGeometry.PlayRefusal()) {
        mPrompt.ShowMessage(*refusal);
        return;
    }
    mTimer.start(10 * mSpeedSlider->value() + 100);
    mGeometry.StartSweep(mState.mMinimize);
}

void CGraphDlg::Tick() {
    const std::optional<int> reached = mGeometry.SweepStep(mState.mMinimize);
    if (mGeometry.mStopped) {
        mTimer.stop();
    }
    if (reached) {
        mFeasibleList->setCurrentRow(*reached);
        mState.mGraphPoint = *reached;
    }
    SendSeriesToChart();
}

void CGraphDlg::hideEvent(QHideEvent* event) {
    // The animation never runs on without its window.
    mTimer.stop();
    QDialog::hideEvent(event);
}

void CGraphDlg::closeEvent(QCloseEvent* event) {
    mTimer.stop();
    // Only a sweep that reached a point has a solution to write; otherwise the main
    // window's solution stays as it was.
    if (mState.mGraphPoint != -1) {
        mState.mSolutionLines = GraphPointSolutionLines(mGeometry, mState, mState.mGraphPoint);
        if (mSolutionChanged) {
            mSolutionChanged();
        }
    }
    event->accept();
    hide();
}

void CGraphDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace vantrell
