// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/plot_geometry.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

#include "model/number_text.h"

namespace vantrell {
namespace {

constexpr double kEqualTolerance = 0.00001;
// Room around the farthest intercept while the extent is chosen automatically.
constexpr double kAutoExtentFactor = 1.5;
// Room beyond the farthest feasible corner, when it lies past every intercept.
constexpr double kCornerRoom = 1.1;
// One sweep step moves the line by this share of the extent.
constexpr double kStepShare = 0.01;

// The first two coefficients of a row as the plot reads them. A value of 0 counts as zero
// even without its marker: a file saved with decimals writes "0.00", which reads back
// unmarked, and dividing by it would put infinite points into the plot.
struct PlotLine {
    double a1 = 0;
    double a2 = 0;
    bool z1 = true;
    bool z2 = true;
    double b = 0;
};

bool CountsAsZero(const ConstraintRow& row, std::size_t k) {
    return k >= row.coefficients.size() || row.coefficients[k] == 0.0 ||
           (k < row.zeroMarks.size() && row.zeroMarks[k]);
}

double Coefficient(const ConstraintRow& row, std::size_t k) {
    return CountsAsZero(row, k) ? 0.0 : row.coefficients[k];
}

PlotLine LineOf(const ConstraintRow& row) {
    PlotLine line;
    line.z1 = CountsAsZero(row, 0);
    line.z2 = CountsAsZero(row, 1);
    line.a1 = Coefficient(row, 0);
    line.a2 = Coefficient(row, 1);
    line.b = row.rhs;
    return line;
}

bool CostCountsAsZero(const ProblemSet& problem, std::size_t k) {
    return k >= problem.objective.size() || problem.objective[k].zero ||
           problem.objective[k].cost == 0.0;
}

double Cost(const ProblemSet& problem, std::size_t k) {
    return CostCountsAsZero(problem, k) ? 0.0 : problem.objective[k].cost;
}

// The first coefficient weighs X1 and every further one X2.
double RowSum(const ConstraintRow& row, double x, double y) {
    double sum = 0.0;
    for (std::size_t k = 0; k < row.coefficients.size(); ++k) {
        sum += Coefficient(row, k) * (k == 0 ? x : y);
    }
    return sum;
}

bool IsFinite(const PlotPoint& point) {
    return std::isfinite(point.x) && std::isfinite(point.y);
}

void AppendFinite(std::vector<PlotPoint>& points, const PlotPoint& point) {
    if (IsFinite(point)) {
        points.push_back(point);
    }
}

// Where the lines of rows k and j (k entered first) meet; nothing for parallel or equal
// lines and for a meeting point too far away to be represented.
std::optional<PlotPoint> Intersection(const PlotLine& k, const PlotLine& j) {
    PlotPoint point;
    if (!k.z2) {
        const double denominator = j.a1 - j.a2 * k.a1 / k.a2;
        if (denominator == 0.0) {
            return std::nullopt;
        }
        point.x = (j.b - j.a2 * k.b / k.a2) / denominator;
        point.y = (k.b - point.x * k.a1) / k.a2;
    } else {
        // Row k is vertical; row j must have an X2 part to meet it at one point.
        if (j.a2 == 0.0) {
            return std::nullopt;
        }
        const double denominator = k.a1 - j.a1 * k.a2 / j.a2;
        if (denominator == 0.0) {
            return std::nullopt;
        }
        point.x = (k.b - j.b * k.a2 / j.a2) / denominator;
        point.y = (j.b - point.x * j.a1) / j.a2;
    }
    if (!IsFinite(point)) {
        return std::nullopt;
    }
    return point;
}

bool Violates(double sum, std::int32_t relation, double rhs) {
    switch (relation) {
        case kLessEqual:
            return sum > rhs;
        case kEqual:
            return std::fabs(sum - rhs) > kEqualTolerance;
        default:
            return sum < rhs;
    }
}

bool KnownRelation(std::int32_t relation) {
    return relation == kLessEqual || relation == kEqual || relation == kGreaterEqual;
}

// Two corners closer than this share one place: rows through a common corner meet there
// in slightly different numbers.
bool SamePlace(const PlotPoint& a, const PlotPoint& b) {
    const double scale = std::max({1.0, std::fabs(a.x), std::fabs(a.y)});
    return std::fabs(a.x - b.x) <= 1e-9 * scale && std::fabs(a.y - b.y) <= 1e-9 * scale;
}

// Keeps the part of polygon where side * (a1 x + a2 y - b) <= 0, one Sutherland-Hodgman pass.
std::vector<PlotPoint> CutPolygon(const std::vector<PlotPoint>& polygon, const PlotLine& line,
                                  double side, double tolerance) {
    std::vector<PlotPoint> kept;
    const auto value = [&](const PlotPoint& p) {
        return side * (line.a1 * p.x + line.a2 * p.y - line.b) - tolerance;
    };
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const PlotPoint& from = polygon[i];
        const PlotPoint& to = polygon[(i + 1) % polygon.size()];
        const double vFrom = value(from);
        const double vTo = value(to);
        if (vFrom <= 0.0) {
            kept.push_back(from);
        }
        if ((vFrom < 0.0 && vTo > 0.0) || (vFrom > 0.0 && vTo < 0.0)) {
            const double t = vFrom / (vFrom - vTo);
            kept.push_back({from.x + t * (to.x - from.x), from.y + t * (to.y - from.y)});
        }
    }
    return kept;
}

// The best objective value over the corners of a polygon.
std::optional<double> BestValue(const std::vector<PlotPoint>& polygon, double c1, double c2,
                                bool minimize) {
    std::optional<double> best;
    for (const PlotPoint& p : polygon) {
        const double z = c1 * p.x + c2 * p.y;
        if (!best || (minimize ? z < *best : z > *best)) {
            best = z;
        }
    }
    return best;
}

// Corners by decreasing angle around their centre, so they go round the convex polygon.
void OrderAround(std::vector<PlotPoint>& corners) {
    if (corners.empty()) {
        return;
    }
    PlotPoint centre;
    for (const PlotPoint& p : corners) {
        centre.x += p.x;
        centre.y += p.y;
    }
    centre.x /= static_cast<double>(corners.size());
    centre.y /= static_cast<double>(corners.size());
    std::stable_sort(corners.begin(), corners.end(),
                     [&centre](const PlotPoint& a, const PlotPoint& b) {
                         return std::atan2(a.y - centre.y, a.x - centre.x) >
                                std::atan2(b.y - centre.y, b.x - centre.x);
                     });
}

}  // namespace

std::vector<PlotPoint> LineInView(double a1, double a2, double b, double extent) {
    if ((a1 == 0.0 && a2 == 0.0) || !(extent > 0.0)) {
        return {};
    }
    std::vector<PlotPoint> ends;
    const double slack = 1e-9 * std::max(1.0, extent);
    const auto add = [&](double x, double y) {
        if (!std::isfinite(x) || !std::isfinite(y) || x < -slack || y < -slack ||
            x > extent + slack || y > extent + slack) {
            return;
        }
        const PlotPoint point{std::clamp(x, 0.0, extent), std::clamp(y, 0.0, extent)};
        for (const PlotPoint& end : ends) {
            if (SamePlace(end, point)) {
                return;
            }
        }
        ends.push_back(point);
    };
    if (a2 != 0.0) {
        add(0.0, b / a2);
        add(extent, (b - a1 * extent) / a2);
    }
    if (a1 != 0.0) {
        add(b / a1, 0.0);
        add((b - a2 * extent) / a1, extent);
    }
    if (ends.size() < 2) {
        return {};
    }
    std::sort(ends.begin(), ends.end(), [](const PlotPoint& p, const PlotPoint& q) {
        return p.x != q.x ? p.x < q.x : p.y > q.y;
    });
    return {ends.front(), ends.back()};
}

std::vector<PlotPoint> RegionInView(const ProblemSet& primal, double extent) {
    if (!(extent > 0.0) || !std::isfinite(extent)) {
        return {};
    }
    std::vector<PlotPoint> polygon = {{0.0, 0.0}, {extent, 0.0}, {extent, extent}, {0.0, extent}};
    for (const ConstraintRow& row : primal.constraints) {
        const PlotLine line = LineOf(row);
        if (row.relation == kLessEqual || row.relation == kEqual) {
            polygon =
                CutPolygon(polygon, line, 1.0, row.relation == kEqual ? kEqualTolerance : 0.0);
        }
        if (row.relation == kGreaterEqual || row.relation == kEqual) {
            polygon =
                CutPolygon(polygon, line, -1.0, row.relation == kEqual ? kEqualTolerance : 0.0);
        }
    }
    std::vector<PlotPoint> corners;
    for (const PlotPoint& p : polygon) {
        if (std::none_of(corners.begin(), corners.end(),
                         [&p](const PlotPoint& q) { return SamePlace(p, q); })) {
            corners.push_back(p);
        }
    }
    return corners;
}

std::vector<PlotPoint> ObjectiveLinePoints(double offset, double slope, double extent) {
    std::vector<PlotPoint> points;
    AppendFinite(points, {0.0, offset});
    const double x0 = -offset / slope;
    if (std::isfinite(x0) && x0 < extent) {
        AppendFinite(points, {x0, 0.0});
    } else {
        AppendFinite(points, {extent, slope * extent + offset});
    }
    return points;
}

bool PlotGeometry::ComputeFeasiblePoints(const VantrellState& state, Prompt& prompt) {
    const ProblemSet& primal = state.mPrimal;
    std::vector<PlotLine> lines;
    lines.reserve(primal.constraints.size());
    for (const ConstraintRow& row : primal.constraints) {
        lines.push_back(LineOf(row));
    }

    mCandidateX1.clear();
    mCandidateX2.clear();
    // X1, X2 >= 0 holds for every point of the plot, and a corner that rows share is
    // one candidate.
    const auto addCandidate = [this](double x, double y) {
        if (x < 0.0 || y < 0.0) {
            return;
        }
        for (std::size_t i = 0; i < mCandidateX1.size(); ++i) {
            if (SamePlace({mCandidateX1[i], mCandidateX2[i]}, {x, y})) {
                return;
            }
        }
        mCandidateX1.push_back(x);
        mCandidateX2.push_back(y);
    };
    addCandidate(0.0, 0.0);

    // The extent reaches the farthest intercept; an intercept too large to represent is
    // no candidate and leaves the extent alone.
    mExtent = mScale;
    for (const PlotLine& line : lines) {
        double t1 = mExtent;
        double t2 = mExtent;
        if (!line.z1 && std::isfinite(line.b / line.a1)) {
            t1 = line.b / line.a1;
            addCandidate(t1, 0.0);
        }
        if (!line.z2 && std::isfinite(line.b / line.a2)) {
            t2 = line.b / line.a2;
            addCandidate(0.0, t2);
        }
        if (t1 > mExtent) {
            mExtent = t1;
        }
        if (t2 > mExtent) {
            mExtent = t2;
        }
    }
    if (mScale == 0.0) {
        mExtent *= kAutoExtentFactor;
    }
    if (!std::isfinite(mExtent)) {
        mExtent = std::numeric_limits<double>::max();
    }

    for (std::size_t k = 0; k < lines.size(); ++k) {
        for (std::size_t j = k + 1; j < lines.size(); ++j) {
            if (const auto point = Intersection(lines[k], lines[j])) {
                addCandidate(point->x, point->y);
            }
        }
    }

    mListLines.clear();
    mFeasibleX1.clear();
    mFeasibleX2.clear();
    const std::string format =
        FillDecimals("X1: %%.%dlf, X2: %%.%dlf, Z: %%.%dlf", state.mDecimalPlaces);
    const double c1 = Cost(primal, 0);
    const double c2 = Cost(primal, 1);
    for (std::size_t i = 0; i < mCandidateX1.size(); ++i) {
        const double x = mCandidateX1[i];
        const double y = mCandidateX2[i];
        bool feasible = true;
        for (const ConstraintRow& row : primal.constraints) {
            if (!KnownRelation(row.relation)) {
                prompt.ShowMessage(kBadEqualityMessage);
                return false;
            }
            if (Violates(RowSum(row, x, y), row.relation, row.rhs)) {
                feasible = false;
                break;
            }
        }
        const double z = c1 * x + c2 * y;
        // A point whose value overflows cannot be listed with it, nor aimed at.
        if (!feasible || !std::isfinite(z)) {
            continue;
        }
        mFeasibleX1.push_back(x);
        mFeasibleX2.push_back(y);
        mPointZ = z;
        mListLines.push_back(CFormatDynamic(format, x, y, z));
    }
    // Two rows can meet far beyond their intercepts: the view takes in every corner.
    if (mScale == 0.0) {
        for (std::size_t i = 0; i < mFeasibleX1.size(); ++i) {
            mExtent =
                std::max({mExtent, mFeasibleX1[i] * kCornerRoom, mFeasibleX2[i] * kCornerRoom});
        }
    }
    // Every corner lies inside the view, so a best value that still grows when the view
    // doubles grows without end.
    mUnboundedObjective = false;
    const auto inView = BestValue(RegionInView(primal, mExtent), c1, c2, state.mMinimize);
    const auto inDouble = BestValue(RegionInView(primal, 2.0 * mExtent), c1, c2, state.mMinimize);
    if (inView && inDouble && std::isfinite(*inView) && std::isfinite(*inDouble)) {
        const double gain = state.mMinimize ? *inView - *inDouble : *inDouble - *inView;
        mUnboundedObjective = gain > 1e-9 * std::max(1.0, std::fabs(*inView));
    }
    mTitle = state.mProblemName;
    return true;
}

void PlotGeometry::BuildRegionSeries(const VantrellState& state, Prompt& prompt) {
    std::vector<PlotPoint> corners = RegionInView(state.mPrimal, mExtent);
    // Cutting works out a corner again in other arithmetic; the listed corner is the one
    // the list and the sweep use, so the outline goes through it exactly.
    for (PlotPoint& corner : corners) {
        for (std::size_t i = 0; i < mFeasibleX1.size() && i < mFeasibleX2.size(); ++i) {
            if (SamePlace(corner, {mFeasibleX1[i], mFeasibleX2[i]})) {
                corner = {mFeasibleX1[i], mFeasibleX2[i]};
                break;
            }
        }
    }
    OrderAround(corners);
    // A side on the far edge of the view is where the region goes on: the outline starts
    // after such sides and stops before them, and mOpenSide draws them apart.
    const std::size_t count = corners.size();
    const double edge = mExtent - 1e-9 * std::max(1.0, mExtent);
    const auto onEdge = [&](const PlotPoint& a, const PlotPoint& b) {
        return (a.x >= edge && b.x >= edge) || (a.y >= edge && b.y >= edge);
    };
    std::vector<bool> open(count, false);
    for (std::size_t i = 0; i < count && count > 2; ++i) {
        open[i] = onEdge(corners[i], corners[(i + 1) % count]);
    }
    std::size_t start = 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (open[(i + count - 1) % count] && !open[i]) {
            start = i;
            break;
        }
    }
    PlotSeries region;
    region.label = kRegionLabel;
    mOpenSide.clear();
    if (count > 0) {
        region.points.push_back(corners[start]);
        std::size_t k = 0;
        for (; k < count && !open[(start + k) % count]; ++k) {
            region.points.push_back(corners[(start + k + 1) % count]);
        }
        for (; k < count; ++k) {
            if (mOpenSide.empty()) {
                mOpenSide.push_back(corners[(start + k) % count]);
            }
            mOpenSide.push_back(corners[(start + k + 1) % count]);
        }
    }
    mSeries.clear();
    mSeries.push_back(std::move(region));
    AddObjectiveLine(state, prompt);
}

void PlotGeometry::BuildConstraintSeries(const VantrellState& state, Prompt& prompt) {
    const ProblemSet& primal = state.mPrimal;
    mSeries.clear();
    for (std::size_t r = 0; r < primal.constraints.size(); ++r) {
        PlotSeries series;
        series.label = r < primal.constraintNames.size() ? primal.constraintNames[r] : "";
        // Whatever its slope, the part of the line inside the view.
        const PlotLine line = LineOf(primal.constraints[r]);
        series.points = LineInView(line.a1, line.a2, line.b, mExtent);
        mSeries.push_back(std::move(series));
    }
    AddObjectiveLine(state, prompt);
}

void PlotGeometry::AddObjectiveLine(const VantrellState& state, Prompt& prompt) {
    mObjectiveOffset = state.mMinimize ? 0.0 : mExtent;
    // The series were just rebuilt, so an earlier index would point at the wrong one.
    mObjectiveSeries = -1;
    const ProblemSet& primal = state.mPrimal;
    const double slope = -Cost(primal, 0) / Cost(primal, 1);
    if (CostCountsAsZero(primal, 1) || !std::isfinite(slope)) {
        prompt.ShowMessage(kObjectiveYZeroMessage);
        return;
    }
    mObjectiveSlope = slope;
    mSlopeText = CFormatDynamic(FillDecimals("%%.%dlf", state.mDecimalPlaces), mObjectiveSlope);
    mStep = mExtent * kStepShare;
    mObjectiveSeries = static_cast<std::int32_t>(mSeries.size());
    mSeries.push_back(
        {ObjectiveLinePoints(mObjectiveOffset, mObjectiveSlope, mExtent), kObjectiveLineLabel});
}

void PlotGeometry::StartSweep(bool minimize) {
    mObjectiveOffset = minimize ? 0.0 : mExtent;
}

std::optional<int> PlotGeometry::SweepStep(bool minimize) {
    if (PlayRefusal()) {
        mStopped = true;
        return std::nullopt;
    }
    const double moved = minimize ? mObjectiveOffset + mStep : mObjectiveOffset - mStep;
    // Far out a step can be too small to change the offset; the line would stand still.
    if (moved == mObjectiveOffset || !std::isfinite(moved)) {
        mStopped = true;
        return std::nullopt;
    }
    mObjectiveOffset = moved;

    mStopped = false;
    std::optional<int> reached;
    for (std::size_t i = 0; i < mFeasibleX1.size(); ++i) {
        const double x = mFeasibleX1[i];
        const double y = mFeasibleX2[i];
        const double v = x * mObjectiveSlope + mObjectiveOffset;
        if (minimize ? v >= y : v <= y) {
            mObjectiveOffset = y - x * mObjectiveSlope;
            mStopped = true;
            reached = static_cast<int>(i);
            break;
        }
    }
    mSeries[static_cast<std::size_t>(mObjectiveSeries)].points =
        ObjectiveLinePoints(mObjectiveOffset, mObjectiveSlope, mExtent);
    return reached;
}

bool PlotGeometry::HasObjectiveLine() const {
    return mObjectiveSeries >= 0 && static_cast<std::size_t>(mObjectiveSeries) < mSeries.size();
}

std::optional<std::string> PlotGeometry::PlayRefusal() const {
    if (mFeasibleX1.empty() || mFeasibleX1.size() != mFeasibleX2.size()) {
        return kNoFeasiblePointsMessage;
    }
    if (!HasObjectiveLine()) {
        return kObjectiveYZeroMessage;
    }
    if (mUnboundedObjective) {
        return kUnboundedPlayMessage;
    }
    if (!(mStep > 0.0) || !std::isfinite(mStep)) {
        return kZeroExtentMessage;
    }
    return std::nullopt;
}

std::vector<std::string> GraphPointSolutionLines(const PlotGeometry& geometry,
                                                 const VantrellState& state, int point) {
    if (point < 0 || static_cast<std::size_t>(point) >= geometry.mFeasibleX1.size() ||
        static_cast<std::size_t>(point) >= geometry.mFeasibleX2.size()) {
        return {};
    }
    const double x = geometry.mFeasibleX1[static_cast<std::size_t>(point)];
    const double y = geometry.mFeasibleX2[static_cast<std::size_t>(point)];
    const ProblemSet& primal = state.mPrimal;
    const double solution = Cost(primal, 0) * x + Cost(primal, 1) * y;
    const int decimals = state.mDecimalPlaces;
    return {
        CFormatDynamic(FillDecimals("X1 = %%.%dlf", decimals), x),
        CFormatDynamic(FillDecimals("X2 = %%.%dlf", decimals), y),
        CFormatDynamic(FillDecimals("Solution = %%.%dlf", decimals), solution),
    };
}

}  // namespace vantrell
