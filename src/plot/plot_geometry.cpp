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

}  // namespace

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
    const auto addCandidate = [this](double x, double y) {
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
            const auto point = Intersection(lines[k], lines[j]);
            if (point && point->x >= 0.0 && point->y >= 0.0) {
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
    mTitle = state.mProblemName;
    return true;
}

void PlotGeometry::BuildRegionSeries(const VantrellState& state, Prompt& prompt) {
    const std::size_t count = mFeasibleX1.size();
    double mx = 0.0;
    double my = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        mx += mFeasibleX1[i];
        my += mFeasibleX2[i];
    }
    if (count > 0) {
        mx /= static_cast<double>(count);
        my /= static_cast<double>(count);
    }
    std::vector<double> angles(count);
    for (std::size_t i = 0; i < count; ++i) {
        angles[i] = std::atan2(mFeasibleX2[i] - my, mFeasibleX1[i] - mx);
    }

    // Decreasing angle, equal angles in list order, as taking the greatest angle left again
    // and again would give; a point whose angle is not a number beats none of them and
    // comes last, in list order. Sorted, so that a list of thousands of points (one per
    // pair of rows through a common corner) is ordered at once.
    mRegionOrder.resize(count);
    std::iota(mRegionOrder.begin(), mRegionOrder.end(), 0);
    std::stable_sort(mRegionOrder.begin(), mRegionOrder.end(),
                     [&angles](std::int32_t a, std::int32_t b) {
                         const double angleA = angles[static_cast<std::size_t>(a)];
                         const double angleB = angles[static_cast<std::size_t>(b)];
                         if (std::isnan(angleA) || std::isnan(angleB)) {
                             return !std::isnan(angleA) && std::isnan(angleB);
                         }
                         return angleA > angleB;
                     });

    mSeries.clear();
    PlotSeries region;
    for (const std::int32_t i : mRegionOrder) {
        const auto index = static_cast<std::size_t>(i);
        region.points.push_back({mFeasibleX1[index], mFeasibleX2[index]});
    }
    if (!region.points.empty()) {
        region.points.push_back(region.points.front());
    }
    mSeries.push_back(std::move(region));
    AddObjectiveLine(state, prompt);
}

void PlotGeometry::BuildConstraintSeries(const VantrellState& state, Prompt& prompt) {
    const ProblemSet& primal = state.mPrimal;
    mSeries.clear();
    for (std::size_t r = 0; r < primal.constraints.size(); ++r) {
        PlotSeries series;
        series.label = r < primal.constraintNames.size() ? primal.constraintNames[r] : "";
        const PlotLine line = LineOf(primal.constraints[r]);
        if (!(line.z1 && line.z2)) {
            // A horizontal line runs from the X2 axis to the right edge, a vertical one
            // from the top edge down to the X1 axis.
            AppendFinite(series.points, !line.z2 ? PlotPoint{0.0, line.b / line.a2}
                                                 : PlotPoint{line.b / line.a1, mExtent});
            AppendFinite(series.points, !line.z1 ? PlotPoint{line.b / line.a1, 0.0}
                                                 : PlotPoint{mExtent, line.b / line.a2});
        }
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
