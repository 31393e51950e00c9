// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "model/vantrell_state.h"

namespace vantrell::cli {

// The parts of the batch front end that only some commands use, each a shared module in
// kPartFolder beside the program's folder. A command that does not use one does not load it,
// nor the libraries behind it: the workbook brings libxlsxwriter with zlib, minizip and
// OpenSSL's libcrypto, the exchange formats GLPK with its own; loading them all at start
// cost more than a small run. A part holds only its own code and takes the core from the
// program that loads it, so there is one core in the process, with one set of the temporary
// files a signal removes.
inline constexpr std::string_view kPartFolder = "../lib/vantrell";
inline constexpr const char* kWorkbookPartFile = "vantrell-workbook.so";
inline constexpr const char* kFormatsPartFile = "vantrell-formats.so";

// What a part states about the build it was compiled in. C++ records cross between program
// and part, so both must be made from the same sources: a part from another build is
// refused rather than trusted.
struct PartBuild {
    std::string_view version;
    std::size_t stateSize = 0;
};
// A constant, not a function: a part's call would be answered by the program's copy.
inline constexpr PartBuild kThisBuild{VANTRELL_PART_BUILD, sizeof(VantrellState)};

// report --xlsx: the Save Excel writer.
struct WorkbookPart {
    PartBuild build;
    std::optional<std::string> (*write)(const VantrellState& state, const std::string& path);
};

// convert: CPLEX LP and free MPS through GLPK.
struct FormatsPart {
    PartBuild build;
    int (*run)(const std::vector<std::string>& args, std::ostream& err);
};

// The folder the parts are loaded from: kPartFolder from the folder of the running program.
std::string PartFolderOfProgram();

// The part in file under folder, loaded once and kept for the life of the process; nothing,
// with the reason in error, when it is missing, broken or from another build.
const WorkbookPart* LoadWorkbookPart(const std::string& folder, std::string& error);
const FormatsPart* LoadFormatsPart(const std::string& folder, std::string& error);

}  // namespace vantrell::cli

// The one symbol each part exports; the loader looks them up by these names.
extern "C" {
const vantrell::cli::WorkbookPart* vantrell_workbook_part();
const vantrell::cli::FormatsPart* vantrell_formats_part();
}
