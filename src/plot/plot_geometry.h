// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/prompt.h"
#include "model/vantrell_state.h"

namespace vantrell {

// A point of the X1-X2 plane: x is X1, y is X2.
struct PlotPoint {
    double x = 0;
    double y = 0;
};

// One line of the chart: its points in drawing order and its legend label.
struct PlotSeries {
    std::vector<PlotPoint> points;
    std::string label;
};

inline constexpr const char* kBadEqualityMessage = "Bad equality!";
inline constexpr const char* kObjectiveYZeroMessage =
    "The Objective Y Component is zero. The Objective lines cannot be plotted";
inline constexpr const char* kNoFeasiblePointsMessage =
    "There are no feasible points. This is bad!";
inline constexpr const char* kZeroExtentMessage =
    "The plot extent is zero. The Objective line cannot move";
inline constexpr const char* kUnboundedPlayMessage =
    "The objective improves without end over this region: there is no best corner to stop at";
inline constexpr const char* kObjectiveLineLabel = "Obj Function";
inline constexpr const char* kRegionLabel = "Feasible Region";

// The view of the plot: 0 <= X1, X2 <= extent.
// The part of the line a1 X1 + a2 X2 = b inside the view, from its left end (its upper
// end for a vertical line); nothing when the line misses the view or a1 and a2 are both 0.
std::vector<PlotPoint> LineInView(double a1, double a2, double b, double extent);

// The feasible region inside the view as a convex polygon, corners in no set order:
// the view cut by every row (an equality keeps only its line). Empty when nothing of the
// view is feasible.
std::vector<PlotPoint> RegionInView(const ProblemSet& primal, double extent);

// The two points of the objective line X2 = slope * X1 + offset inside the plot: from the
// X2 axis to the X1 axis, or to the right edge when it meets the X1 axis beyond the
// extent. A horizontal line (slope 0) runs to the right edge. Points that are not finite
// are left out.
std::vector<PlotPoint> ObjectiveLinePoints(double offset, double slope, double extent);

// Everything the plot window shows for a problem in X1 and X2, without the window: the
// candidate corners, the feasible ones with their list lines, the series to draw and the
// sweep of the objective line. A row's line is drawn from its first two coefficients; a
// coefficient or cost of value 0 counts as zero whether or not its marker is set, and no
// value that is not finite reaches the list, the series or the sweep.
class PlotGeometry {
  public:
    // Candidates, feasibility, the list lines and the title. False when a row has an
    // unknown relation ("Bad equality!"): the lines listed up to there stay, the title
    // keeps its old text.
    bool ComputeFeasiblePoints(const VantrellState& state, Prompt& prompt);
    // The feasible region inside the view as one polygon, then the objective line. An
    // unbounded region runs to the edge of the view; its outline leaves out the sides on
    // the edge, which mOpenSide holds.
    void BuildRegionSeries(const VantrellState& state, Prompt& prompt);
    // One labelled segment per constraint, then the objective line. A row whose two
    // coefficients both count as zero has no line: its series keeps its label and has no
    // points, so series r still belongs to constraint r.
    void BuildConstraintSeries(const VantrellState& state, Prompt& prompt);

    // Play: puts the objective line back at its start.
    void StartSweep(bool minimize);
    // One timer tick: moves the line one step and returns the list line it has reached,
    // setting mStopped. When the sweep cannot go on (see PlayRefusal, or the offset no
    // longer changes) it sets mStopped and returns nothing: stop the timer on mStopped.
    std::optional<int> SweepStep(bool minimize);

    // False when X2's cost counts as zero, so there is no line to move.
    bool HasObjectiveLine() const;
    // Why Play cannot animate, or nothing when it can.
    std::optional<std::string> PlayRefusal() const;

    double mObjectiveOffset = 0;
    double mStep = 0;
    std::vector<double> mCandidateX1;
    std::vector<double> mCandidateX2;
    std::vector<double> mFeasibleX1;
    std::vector<double> mFeasibleX2;
    bool mStopped = false;
    // Index of the objective line in mSeries; -1 while the last build had none.
    std::int32_t mObjectiveSeries = -1;
    double mPointZ = 0;
    double mExtent = 0;
    double mObjectiveSlope = 0;
    // The window's Scale; 0 chooses the extent from the intercepts (with room to spare).
    double mScale = 0;
    std::vector<PlotSeries> mSeries;
    // Where the region goes on past the view: its outline along the view's edge, or empty.
    std::vector<PlotPoint> mOpenSide;
    // The objective improves without end over the region: there is no best corner.
    bool mUnboundedObjective = false;
    // The "Feasible Points" list, one line per entry of mFeasibleX1 / mFeasibleX2.
    std::vector<std::string> mListLines;
    std::string mTitle;
    std::string mSlopeText;

  private:
    void AddObjectiveLine(const VantrellState& state, Prompt& prompt);
};

// The three "Complete Solution" lines for feasible point `point` as the window writes
// them on closing; none when no point was reached (-1) or the index is out of range.
std::vector<std::string> GraphPointSolutionLines(const PlotGeometry& geometry,
                                                 const VantrellState& state, int point);

}  // namespace vantrell
