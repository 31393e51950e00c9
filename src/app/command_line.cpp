// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include <QCommandLineParser>
#include <QRegularExpression>

namespace vantrell {

bool AnswersWithoutWindow(const QStringList& arguments) {
    for (const QString& argument : arguments.mid(1)) {
        if (argument == QLatin1String("-h") || argument == QLatin1String("--help") ||
            argument == QLatin1String("--help-all") || argument == QLatin1String("-v") ||
            argument == QLatin1String("--version")) {
            return true;
        }
    }
    return false;
}

bool AsksForPdf(const QStringList& arguments) {
    for (const QString& argument : arguments.mid(1)) {
        if (argument == QLatin1String("--pdf") || argument.startsWith(QLatin1String("--pdf="))) {
            return true;
        }
    }
    return false;
}

StartOptions ParseStartOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Vantrell teaches the simplex method with big-M tableaus."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption pdf(
        QStringLiteral("pdf"),
        QStringLiteral("Solve FILE.lp and write its solution report with the tableaus to "
                       "OUT.pdf, without showing a window."),
        QStringLiteral("OUT.pdf"));
    parser.addOption(pdf);
    parser.addPositionalArgument(QStringLiteral("FILE.lp"),
                                 QStringLiteral("A problem file to open at start."),
                                 QStringLiteral("[FILE.lp]"));

    StartOptions options;
    // Before the application object exists Qt knows no program name; the help names the
    // program as the user types it, however its file is called.
    options.helpText = parser.helpText().replace(QRegularExpression(QStringLiteral("^Usage: \\S+")),
                                                 QStringLiteral("Usage: vantrell"));
    if (!parser.parse(arguments)) {
        options.error = parser.errorText();
        return options;
    }
    options.help = parser.isSet(help) || parser.isSet(QStringLiteral("help-all"));
    options.version = parser.isSet(version);
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        options.error = QStringLiteral("only one problem file can be given");
    } else if (files.size() == 1) {
        options.problemFile = files.constFirst().toStdString();
    }
    if (parser.isSet(pdf)) {
        options.pdfFile = parser.value(pdf).toStdString();
        if (!options.problemFile && options.error.isEmpty()) {
            options.error = QStringLiteral("--pdf needs a problem file");
        }
    }
    return options;
}

}  // namespace vantrell
