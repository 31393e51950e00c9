// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/program_folder.h"

#include <QCoreApplication>
#include <QFile>

namespace vantrell {

std::filesystem::path ProgramFolder() {
    // Qt warns when asked without an application object.
    if (QCoreApplication::instance() == nullptr) {
        return {};
    }
    return LocalPath(QCoreApplication::applicationDirPath());
}

std::filesystem::path LocalPath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

QString QtPath(const std::filesystem::path& path) {
    return QFile::decodeName(QByteArray::fromStdString(path.string()));
}

}  // namespace vantrell
