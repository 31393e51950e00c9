// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <optional>

#include "dialogs/ms_chart.h"
#include "model/prompt.h"
#include "model/vantrell_state.h"
#include "plot/plot_geometry.h"
#include "plot/simplex_path.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSlider;

namespace vantrell {

// The graphical solution of a two-variable problem: the feasible corner points, the region
// or the constraint lines, and the objective line that Play sweeps across the plane until
// it meets the first feasible point. With Show Path it also draws the simplex path of a
// run, and highlights the page a tableau or review window shows. Modeless; hidden, not
// destroyed, when closed.
class CGraphDlg : public QDialog {
    Q_OBJECT

  public:
    // solutionChanged redraws the main window's Complete Solution list after closing.
    CGraphDlg(VantrellState& state, Prompt& prompt, std::function<void()> solutionChanged,
              QWidget* parent = nullptr);

    enum Mode { kRegion = 0, kConstraints = 1 };

    void SetMode(Mode mode);
    void Play();
    // One sweep step: the timer calls it; tests call it directly instead of waiting.
    void Tick();

    // The path Show Path draws (nothing: none), of a run of the problem this window plots.
    void SetPath(std::optional<SimplexPath> path);
    const std::optional<SimplexPath>& Path() const { return mPath; }
    // Highlights the point of page `page` (from 0) with its entering edge, the line of its
    // leaving row and, when asked for, the objective line through it; -1 highlights none.
    void HighlightPage(int page);
    int HighlightedPage() const { return mHighlightedPage; }
    void SetShowPath(bool show);
    // The problem or an option changed while the window is open: it draws the problem as
    // it is now, as a new showing would.
    void Redraw();
    // The names on the axes: X1 and X2, or Y1 and Y2 for the dual.
    void SetAxisNames(const QString& x, const QString& y);
    // What a click on path point `index` does: selects its page where it is shown.
    void ClickPathPoint(int index);

    const PlotGeometry& Geometry() const { return mGeometry; }
    CMSChart* Chart() const { return mChart; }
    bool IsAnimating() const { return mTimer.isActive(); }
    int TimerInterval() const { return mTimer.interval(); }

  signals:
    // A path point of page `page` (from 0) was clicked.
    void PathPageClicked(int page);

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void BuildLayout();
    void OnShown();
    void OpenChart();
    void BuildSeries();
    void SendSeriesToChart();
    void OnScaleChanged(const QString& text);
    void SendPathToChart();

    VantrellState& mState;
    Prompt& mPrompt;
    std::function<void()> mSolutionChanged;
    PlotGeometry mGeometry;
    Mode mMode = kRegion;
    QTimer mTimer;
    QPointer<CMSChart> mChart;

    QLineEdit* mTitleField = nullptr;
    QListWidget* mFeasibleList = nullptr;
    QLineEdit* mScaleField = nullptr;
    QLineEdit* mSlopeField = nullptr;
    QSlider* mSpeedSlider = nullptr;
    QPushButton* mPlayButton = nullptr;
    QRadioButton* mRegionButton = nullptr;
    QRadioButton* mConstraintsButton = nullptr;
    QCheckBox* mShowPathBox = nullptr;
    QCheckBox* mObjectiveAtPointBox = nullptr;
    QLabel* mPathNote = nullptr;
    std::optional<SimplexPath> mPath;
    int mHighlightedPage = -1;
    QString mAxisX = QStringLiteral("X1");
    QString mAxisY = QStringLiteral("X2");
};

}  // namespace vantrell
