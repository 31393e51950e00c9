// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/ui_fonts.h"

#include <QFontDatabase>

namespace vantrell {

QFont FixedDialogFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(9);
    return font;
}

}  // namespace vantrell
