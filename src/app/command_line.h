// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <string>

namespace vantrell {

// What the program was asked to do at start.
struct StartOptions {
    bool help = false;
    bool version = false;
    std::optional<std::string> problemFile;  // opened at start
    std::optional<std::string> pdfFile;      // --pdf: written without a window
    QString error;                           // a usage error, or empty
    QString helpText;
};

// Whether the arguments ask for help or the version, which are answered before Qt
// starts, so that they work without a display.
bool AnswersWithoutWindow(const QStringList& arguments);
// Whether they ask for a PDF handout, made on the offscreen platform.
bool AsksForPdf(const QStringList& arguments);

// Reads the arguments, the program's name first, with QCommandLineParser: --help,
// --version, --pdf OUT.pdf and one problem file, which --pdf needs.
StartOptions ParseStartOptions(const QStringList& arguments);

}  // namespace vantrell
