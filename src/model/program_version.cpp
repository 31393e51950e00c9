// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/program_version.h"

namespace vantrell {

std::string_view ProgramVersion() {
    return VANTRELL_VERSION;
}

std::string CopyrightLine() {
    return std::string("Copyright (C) ") + VANTRELL_COPYRIGHT;
}

std::string VersionText(std::string_view programName) {
    std::string text(programName);
    text += ' ';
    text += ProgramVersion();
    text += '\n';
    text += CopyrightLine();
    text += '\n';
    text += kLicenceLine;
    text += '\n';
    return text;
}

}  // namespace vantrell
