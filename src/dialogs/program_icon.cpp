// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/program_icon.h"

#include <QString>

namespace vantrell {

QIcon ProgramIcon() {
    return QIcon(QStringLiteral(":/vantrell.png"));
}

}  // namespace vantrell
