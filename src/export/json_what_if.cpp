// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/json_what_if.h"

#include "export/json_answer.h"
#include "model/variable_names.h"

namespace vantrell {
namespace {

using json = nlohmann::ordered_json;

json ChangeJson(const WhatIfChange& change) {
    switch (change.kind) {
        case WhatIfChange::Kind::Rhs:
            return {{"rhs", change.name}, {"value", ExactString(ExactFromDouble(change.value))}};
        case WhatIfChange::Kind::Cost:
            return {{"cost", change.name}, {"value", ExactString(ExactFromDouble(change.value))}};
        case WhatIfChange::Kind::Row:
            break;
    }
    json coefficients = json::object();
    for (std::size_t k = 0; k < change.coefficients.size(); ++k) {
        if (change.coefficients[k] != 0.0) {
            coefficients[DecisionName(static_cast<int>(k + 1))] =
                ExactString(ExactFromDouble(change.coefficients[k]));
        }
    }
    return {{"add_row", change.name},
            {"coefficients", coefficients},
            {"relation", RelationSymbol(change.relation)},
            {"rhs", ExactString(ExactFromDouble(change.value))}};
}

json SlacknessJson(const std::vector<SlacknessRow>& rows, const char* primal, const char* dual) {
    json list = json::array();
    for (const SlacknessRow& row : rows) {
        list.push_back({{"name", row.name},
                        {primal, ExactString(row.primal)},
                        {dual, ExactString(row.dual)},
                        {"product", ExactString(row.product)}});
    }
    return list;
}

}  // namespace

json WhatIfJson(const WhatIfAnswer& answer, const std::vector<WhatIfChange>& changes,
                const NoteNumbers& numbers) {
    json document = {{"changes", json::array()}};
    for (const WhatIfChange& change : changes) {
        document["changes"].push_back(ChangeJson(change));
    }
    document["check"] = answer.check;
    document["basis_stays"] = answer.basisStays;
    document["run"] = ExactRunJson(answer.run, answer.notes, numbers);
    MakeJsonValidUtf8(document);
    return document;
}

json DualityJson(const Duality& duality) {
    json values = json::object();
    for (const DualValue& v : duality.values) {
        values[v.constraint] = {{"name", v.name},
                                {"value", ExactString(v.value)},
                                {"column", v.column},
                                {"negated", v.negated}};
    }
    return {{"values", values},
            {"w", ExactString(duality.w)},
            {"z", ExactString(duality.z)},
            {"strong", duality.z == duality.w},
            {"constraints", SlacknessJson(duality.constraints, "slack", "dual_value")},
            {"variables", SlacknessJson(duality.variables, "value", "dual_surplus")},
            {"dual_run_optimum",
             duality.dualRunOptimum ? json(ExactString(*duality.dualRunOptimum)) : json(nullptr)}};
}

}  // namespace vantrell
