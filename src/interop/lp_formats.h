// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/problem_file_reader.h"

namespace vantrell {

// The formats problems travel in: the program's own problem file, and the two that every
// solver reads, CPLEX LP and free MPS, which GLPK's library reads and writes.
enum class LpFormat { Vantrell, CplexLp, FreeMps };

// "vantrell", "cplex" or "mps"; nothing for any other name.
std::optional<LpFormat> LpFormatNamed(std::string_view name);
// The exchange format a file dialog's choice stands for: free MPS for a name ending in
// ".mps" (in any case), CPLEX LP otherwise.
LpFormat ExchangeFormatOfPath(const std::string& path);

struct ImportResult {
    // The problem, its variables renumbered X1..Xn; nothing when it was refused.
    std::optional<ProblemFile> file;
    // Which of the model's variables became X1..Xn, or why nothing was imported.
    std::string message;
};

// Reads a CPLEX LP or free MPS file with GLPK. A model this program cannot hold is refused
// with a message naming the first thing it cannot hold: an integer or free variable, a
// bound other than x >= 0, more than maxVariables variables or more constraints than the
// program solves, a ranged or free row, a constant in the objective. Variables named X1..Xn
// keep their numbers; other models have their variables numbered in the model's order.
// The problem is named after the model, or after the file when the model has no name, and
// gets decimalPlaces as its decimal count.
ImportResult ImportExchangeFile(const std::string& path, LpFormat format, int maxVariables,
                                int decimalPlaces);

// The problem as GLPK writes it in the format: its sense, its constraints by name,
// variables X1..Xn, all >= 0. Every constraint name is one the format holds and none is
// taken twice, nor by GLPK's name for the objective; renames, when given, gets the
// message that lists the names changed ("" when none was). A maximization in free MPS is
// written as the minimization of -Z with a comment line saying so, which GLPK's reader
// takes and import reads back as the maximization. The program's own format gets the
// least decimal count, from the problem's own, that keeps every number exactly. Nothing,
// with error set, when the problem cannot be written, or not without changing a number.
std::optional<std::string> ExchangeText(const ProblemFile& problem, LpFormat format,
                                        std::string& error, std::string* renames = nullptr);

// Writes the problem in the format through the atomic file writer, so a failure leaves an
// existing file whole. The program's own format is written as Save Text writes it.
// Returns the message on failure, nothing on success.
[[nodiscard]] std::optional<std::string> ExportProblemFile(const std::string& path, LpFormat format,
                                                           const ProblemFile& problem,
                                                           std::string* renames = nullptr);

}  // namespace vantrell
