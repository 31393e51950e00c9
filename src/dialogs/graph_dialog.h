// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <functional>

#include "dialogs/ms_chart.h"
#include "model/prompt.h"
#include "model/vantrell_state.h"
#include "plot/plot_geometry.h"

class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSlider;

namespace vantrell {

// The graphical solution of a two-variable problem: the feasible corner points, the region
// or the constraint lines, and the objective line that Play sweeps across the plane until
// it meets the first feasible point. Modeless; hidden, not destroyed, when closed.
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

    const PlotGeometry& Geometry() const { return mGeometry; }
    CMSChart* Chart() const { return mChart; }
    bool IsAnimating() const { return mTimer.isActive(); }
    int TimerInterval() const { return mTimer.interval(); }

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
};

}  // namespace vantrell
