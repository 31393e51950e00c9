// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/variable_names.h"

namespace vantrell {

std::string DecisionName(int number) {
    return "X" + std::to_string(number);
}
std::string SlackName(int row) {
    return "S" + std::to_string(row);
}
std::string ArtificialName(int row) {
    return "a" + std::to_string(row);
}
std::string DualName(int number) {
    return "Y" + std::to_string(number);
}

}  // namespace vantrell
