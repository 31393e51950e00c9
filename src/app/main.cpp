// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <clocale>
#include <iostream>

#include "app/command_line.h"
#include "app/pdf_handout.h"
#include "app/vantrell_app.h"
#include "model/program_version.h"

namespace {

QStringList Arguments(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    return arguments;
}

// Help and the version on standard output; a usage error on standard error. Returns the
// exit status, or nothing when the program goes on.
std::optional<int> Answer(const vantrell::StartOptions& start) {
    if (!start.error.isEmpty()) {
        std::cerr << "vantrell: " << start.error.toStdString() << "\n\n"
                  << start.helpText.toStdString();
        return 2;
    }
    if (start.help) {
        std::cout << start.helpText.toStdString();
        return 0;
    }
    if (start.version) {
        std::cout << vantrell::VersionText("vantrell");
        return 0;
    }
    return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication::setOrganizationName(QStringLiteral("Vantrell"));
    QCoreApplication::setApplicationName(QStringLiteral("Vantrell"));
    QCoreApplication::setApplicationVersion(QString::fromUtf8(vantrell::ProgramVersion()));
    if (vantrell::AnswersWithoutWindow(Arguments(argc, argv))) {
        return Answer(vantrell::ParseStartOptions(Arguments(argc, argv))).value_or(0);
    }
    // A handout is made without a window, so it runs on any machine.
    if (vantrell::AsksForPdf(Arguments(argc, argv))) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    // Qt took its own options (-platform, -style, ...) out of argv; the rest are ours.
    const vantrell::StartOptions start = vantrell::ParseStartOptions(Arguments(argc, argv));
    if (const auto status = Answer(start)) {
        return *status;
    }
    // Qt takes the locale from the environment; the program's numbers never follow it,
    // and nothing else in the C library should either.
    std::setlocale(LC_NUMERIC, "C");
    if (start.pdfFile) {
        return vantrell::WritePdfHandout(*start.problemFile, *start.pdfFile, std::cerr);
    }
    vantrell::CVantrellApp app;
    return app.Run(start.problemFile);
}
