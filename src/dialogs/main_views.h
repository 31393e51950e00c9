// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace vantrell {

// What the input dialogs may ask of the main window: its view refreshes, the rebuild of
// the dual, and which line of the primal constraint list is selected (-1 for none).
class MainViews {
  public:
    virtual ~MainViews() = default;
    virtual void ShowPrimalObjective() = 0;
    virtual void ShowPrimalConstraints() = 0;
    virtual void ShowDualObjective() = 0;
    virtual void ShowDualConstraints() = 0;
    virtual void RebuildDual() = 0;
    virtual int SelectedConstraint() const = 0;
};

}  // namespace vantrell
