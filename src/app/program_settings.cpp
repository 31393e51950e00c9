// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/program_settings.h"

#include <QSettings>
#include <QStringList>
#include <utility>

#include "model/number_text.h"

namespace vantrell {
namespace {

// access(state) gives the option's member, for reading and for writing.
template <typename Access>
OptionSetting IntOption(const char* key, Access access, int low, int high) {
    return {[=](const QSettings& settings, VantrellState& state) {
                bool ok = false;
                const int value = settings.value(QLatin1String(key)).toString().toInt(&ok);
                if (ok && value >= low && value <= high) {
                    access(state) = value;
                }
            },
            [=](QSettings& settings, const VantrellState& state) {
                settings.setValue(QLatin1String(key), static_cast<int>(access(state)));
            }};
}

template <typename Access>
OptionSetting BoolOption(const char* key, Access access) {
    return {[=](const QSettings& settings, VantrellState& state) {
                const QString value = settings.value(QLatin1String(key)).toString();
                if (value == QLatin1String("true") || value == QLatin1String("false")) {
                    access(state) = value == QLatin1String("true");
                }
            },
            [=](QSettings& settings, const VantrellState& state) {
                settings.setValue(QLatin1String(key), static_cast<bool>(access(state)));
            }};
}

// An enum kept by the names given for its values.
template <typename T, typename Access>
OptionSetting EnumOption(const char* key, Access access,
                         std::vector<std::pair<const char*, T>> names) {
    return {[=](const QSettings& settings, VantrellState& state) {
                const QString value = settings.value(QLatin1String(key)).toString();
                for (const auto& [name, item] : names) {
                    if (value == QLatin1String(name)) {
                        access(state) = item;
                    }
                }
            },
            [=](QSettings& settings, const VantrellState& state) {
                for (const auto& [name, item] : names) {
                    if (access(state) == item) {
                        settings.setValue(QLatin1String(key), QLatin1String(name));
                    }
                }
            }};
}

constexpr const char* kRecentFilesKey = "recentFiles";
constexpr const char* kFoldersGroup = "folders";

}  // namespace

const std::vector<OptionSetting>& OptionSettings() {
    static const std::vector<OptionSetting> options = {
        IntOption(
            "options/decimals", [](auto& s) -> auto& { return s.mDecimalPlaces; },
            kMinDecimalPlaces, kMaxDecimalPlaces),
        BoolOption(
            "options/duality", [](auto& s) -> auto& { return s.mDisplayDuality; }),
        EnumOption<NumberStyle>(
            "options/numbers", [](auto& s) -> auto& { return s.mDisplay.numbers; },
            {{"decimals", NumberStyle::Decimals}, {"fractions", NumberStyle::Fractions}}),
        EnumOption<BigMStyle>(
            "options/bigM", [](auto& s) -> auto& { return s.mDisplay.bigM; },
            {{"pairs", BigMStyle::Pairs}, {"expressions", BigMStyle::Expressions}}),
        BoolOption(
            "options/decimalGrid", [](auto& s) -> auto& { return s.mDisplay.decimalGrid; }),
        BoolOption(
            "options/explain", [](auto& s) -> auto& { return s.mExplain; }),
        EnumOption<PivotRule>(
            "options/pivotRule", [](auto& s) -> auto& { return s.mPivotRule; },
            {{"largest", PivotRule::LargestCjZj}, {"bland", PivotRule::SmallestIndex}}),
        EnumOption<SolveMethod>("options/method", [](auto& s) -> auto& { return s.mMethod; },
                                {{"big-m", SolveMethod::BigM},
                                 {"two-phase", SolveMethod::TwoPhase},
                                 {"dual-simplex", SolveMethod::DualSimplex}}),
        EnumOption<PracticeLevel>("options/practiceLevel",
                                  [](auto& s) -> auto& { return s.mPracticeLevel; },
                                  {{"choices", PracticeLevel::Choices},
                                   {"operations", PracticeLevel::Operations},
                                   {"tableau", PracticeLevel::Tableau}}),
    };
    return options;
}

void ReadOptions(const QSettings& settings, VantrellState& state) {
    for (const OptionSetting& option : OptionSettings()) {
        option.read(settings, state);
    }
}

void WriteOptions(QSettings& settings, const VantrellState& state) {
    for (const OptionSetting& option : OptionSettings()) {
        option.write(settings, state);
    }
}

std::vector<std::string> ReadRecentFiles(const QSettings& settings) {
    std::vector<std::string> paths;
    for (const QString& path : settings.value(QLatin1String(kRecentFilesKey)).toStringList()) {
        paths.push_back(path.toStdString());
    }
    return paths;
}

void WriteRecentFiles(QSettings& settings, const std::vector<std::string>& paths) {
    QStringList list;
    for (const std::string& path : paths) {
        list << QString::fromStdString(path);
    }
    settings.setValue(QLatin1String(kRecentFilesKey), list);
}

// QSettings keys cannot hold a filter's "/" or "*"; the filters are kept as values.
std::map<std::string, std::string> ReadLastFolders(QSettings& settings) {
    std::map<std::string, std::string> folders;
    const int count = settings.beginReadArray(QLatin1String(kFoldersGroup));
    for (int i = 0; i < count && i < 100; ++i) {
        settings.setArrayIndex(i);
        const QString filter = settings.value(QStringLiteral("filter")).toString();
        const QString folder = settings.value(QStringLiteral("folder")).toString();
        if (!filter.isEmpty() && !folder.isEmpty()) {
            folders[filter.toStdString()] = folder.toStdString();
        }
    }
    settings.endArray();
    return folders;
}

void WriteLastFolders(QSettings& settings, const std::map<std::string, std::string>& folders) {
    settings.remove(QLatin1String(kFoldersGroup));
    settings.beginWriteArray(QLatin1String(kFoldersGroup), static_cast<int>(folders.size()));
    int i = 0;
    for (const auto& [filter, folder] : folders) {
        settings.setArrayIndex(i++);
        settings.setValue(QStringLiteral("filter"), QString::fromStdString(filter));
        settings.setValue(QStringLiteral("folder"), QString::fromStdString(folder));
    }
    settings.endArray();
}

}  // namespace vantrell
