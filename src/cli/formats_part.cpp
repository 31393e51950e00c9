// SPDX-License-Identifier: GPL-3.0-or-later
// The exchange-format part of vantrell-cli (a shared module): the convert command, and with
// it GLPK, loaded only by convert.
#include "cli/command_parts.h"
#include "cli/convert_command.h"

extern "C" const vantrell::cli::FormatsPart* vantrell_formats_part() {
    static const vantrell::cli::FormatsPart part{vantrell::cli::kThisBuild,
                                                 &vantrell::cli::RunConvert};
    return &part;
}
