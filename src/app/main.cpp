// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <clocale>
#include <cstring>
#include <iostream>

#include "app/vantrell_app.h"
#include "model/program_version.h"

int main(int argc, char** argv) {
    // Answered before Qt starts, so it works without a display.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::cout << vantrell::VersionText("vantrell");
            return 0;
        }
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantrell"));
    QApplication::setApplicationVersion(QString::fromUtf8(vantrell::ProgramVersion()));
    // Qt takes the locale from the environment; the program's numbers never follow it,
    // and nothing else in the C library should either.
    std::setlocale(LC_NUMERIC, "C");
    vantrell::CVantrellApp app;
    return app.Run();
}
