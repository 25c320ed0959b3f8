// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "app/settings_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QWidget>
#include <algorithm>
#include <array>
#include <cstdio>
#include <type_traits>
#include <variant>

#include "app/ini_file.h"
#include "app/results_window_ops.h"

namespace brisalto {
namespace {

constexpr char kView[] = "View";
constexpr char kFormat[] = "Format";
constexpr char kMode[] = "Mode";
constexpr char kFolderName[] = "Brisalto";
constexpr char kFileName[] = "Calculator.ini";
constexpr char kProgramName[] = "brisalto-calculator";
constexpr char kSettingsNotRead[] = "%1: %2; the default settings apply";

// The integer fields and the colours share one member-pointer type below.
static_assert(std::is_same_v<int, std::int32_t>);

enum class KeyType { kBoolean, kInteger, kColour, kString };

// What reading does with a value beyond parsing it.
enum class ReadRule {
    kAsIs,
    kClamp,              // brought into low..high
    kInRangeOrDefault,   // outside low..high gives the default
    kNonBlankOrDefault,  // an empty name would leave the choice of font to chance
    kDefaultIsCurrent,   // a missing key keeps what the window has now (the font's colour)
};

using Field = std::variant<bool CalculatorSettings::*, std::int32_t CalculatorSettings::*,
                           QString CalculatorSettings::*>;
using Default = std::variant<bool, std::int32_t, const char*>;

struct SettingsKey {
    const char* section;
    const char* key;
    KeyType type;
    Default default_value;
    Field field;    // read into, and written from
    int read_step;  // the place of this key among the reads
    ReadRule rule = ReadRule::kAsIs;
    int low = 0;
    int high = 0;
};

using S = CalculatorSettings;
using K = KeyType;
using R = ReadRule;

// Every key, in the order written. "Tools" stands twice: the first write is the menu's check
// mark, the second the pad's visibility, and the second is the value that stays in the file.
// A precision beyond the dialog's range is brought into it; a font size nobody can read (or too
// large to draw) and an unknown angle mode would otherwise be kept run after run.
const std::array<SettingsKey, 18> kSettingsKeys = {{
    // section, key, type, default, field, read step, how read
    {kView, "Tools", K::kBoolean, true, &S::mouse_tools_checked, 3},
    {kView, "Left", K::kInteger, 0, &S::left, 1},
    {kView, "Right", K::kInteger, 0, &S::top, 2},  // "Right" holds the top
    {kFormat, "WordWrap", K::kBoolean, true, &S::word_wrap, 5},
    {kView, "Tools", K::kBoolean, true, &S::tools_panel_visible, 4},
    {kView, "CmdBkgrdColor", K::kColour, kSystemWindowColor, &S::cmd_bkgrd_color, 6},
    {kView, "ResultsBkgrdColor", K::kColour, kSystemWindowColor, &S::results_bkgrd_color, 7},
    {kFormat, "Precision", K::kInteger, 10, &S::precision, 8, R::kClamp, 0, 20},
    {kView, "ResultsFontName", K::kString, "Arial", &S::results_font_name, 9,
     R::kNonBlankOrDefault},
    {kView, "ResultsFontStyleBold", K::kBoolean, false, &S::results_font_bold, 10},
    {kView, "ResultsFontStyleItalic", K::kBoolean, false, &S::results_font_italic, 11},
    {kView, "ResultsFontStyleUnderline", K::kBoolean, false, &S::results_font_underline, 12},
    {kView, "ResultsFontStyleStrikeOut", K::kBoolean, false, &S::results_font_strike_out, 13},
    {kView, "ResultsFontColor", K::kColour, kSystemWindowTextColor, &S::results_font_color, 14,
     R::kDefaultIsCurrent},
    {kView, "ResultsFontSize", K::kInteger, 10, &S::results_font_size, 15, R::kInRangeOrDefault, 1,
     200},
    {kMode, "Scientific", K::kBoolean, false, &S::scientific, 16},
    {kMode, "Automatic", K::kBoolean, true, &S::automatic, 17},
    {kMode, "Mode", K::kInteger, 2, &S::mode, 18, R::kInRangeOrDefault, 0, 3},
}};

// The rows in the order read.
std::array<const SettingsKey*, kSettingsKeys.size()> ReadOrder() {
    std::array<const SettingsKey*, kSettingsKeys.size()> order{};
    for (std::size_t i = 0; i < kSettingsKeys.size(); ++i) order[i] = &kSettingsKeys[i];
    std::sort(order.begin(), order.end(), [](const SettingsKey* a, const SettingsKey* b) {
        return a->read_step < b->read_step;
    });
    return order;
}

std::string Utf8(const QString& text) { return text.toStdString(); }

std::optional<QString> ConfigFolder() {
#ifdef Q_OS_WIN
    const QString app_data = qEnvironmentVariable("APPDATA");
    if (!app_data.isEmpty()) return app_data;
    return std::nullopt;
#else
    const QString xdg = qEnvironmentVariable("XDG_CONFIG_HOME");
    // Relative XDG paths are to be ignored, as the base directory convention says.
    if (!xdg.isEmpty() && QDir::isAbsolutePath(xdg)) return xdg;
    const QString home = qEnvironmentVariable("HOME");
    if (home.isEmpty()) return std::nullopt;
    return home + QStringLiteral("/.config");
#endif
}

void SetDefault(const SettingsKey& row, CalculatorSettings& s) {
    if (auto* field = std::get_if<bool S::*>(&row.field)) {
        s.*(*field) = std::get<bool>(row.default_value);
    } else if (auto* field = std::get_if<std::int32_t S::*>(&row.field)) {
        s.*(*field) = std::get<std::int32_t>(row.default_value);
    } else {
        s.*std::get<QString S::*>(row.field) =
            QString::fromUtf8(std::get<const char*>(row.default_value));
    }
}

void ReadKey(const IniFile& ini, const SettingsKey& row, std::int32_t current_font_color,
             CalculatorSettings& s) {
    if (auto* field = std::get_if<bool S::*>(&row.field)) {
        s.*(*field) = ini.ReadBool(row.section, row.key, std::get<bool>(row.default_value));
        return;
    }
    if (auto* field = std::get_if<std::int32_t S::*>(&row.field)) {
        const std::int32_t fallback = row.rule == R::kDefaultIsCurrent
                                          ? current_font_color
                                          : std::get<std::int32_t>(row.default_value);
        std::int32_t value = ini.ReadInteger(row.section, row.key, fallback);
        if (row.rule == R::kClamp) {
            value = std::clamp(value, row.low, row.high);
        } else if (row.rule == R::kInRangeOrDefault && (value < row.low || value > row.high)) {
            value = fallback;
        }
        s.*(*field) = value;
        return;
    }
    const char* fallback = std::get<const char*>(row.default_value);
    QString value = QString::fromStdString(ini.ReadString(row.section, row.key, fallback));
    if (row.rule == R::kNonBlankOrDefault && value.trimmed().isEmpty()) {
        value = QString::fromUtf8(fallback);
    }
    s.*std::get<QString S::*>(row.field) = value;
}

void WriteKey(IniFile& ini, const SettingsKey& row, const CalculatorSettings& s) {
    if (auto* field = std::get_if<bool S::*>(&row.field)) {
        ini.WriteBool(row.section, row.key, s.*(*field));
    } else if (auto* field = std::get_if<std::int32_t S::*>(&row.field)) {
        ini.WriteInteger(row.section, row.key, s.*(*field));
    } else {
        ini.WriteString(row.section, row.key, Utf8(s.*std::get<QString S::*>(row.field)));
    }
}

}  // namespace

CalculatorSettings::CalculatorSettings() {
    for (const SettingsKey& row : kSettingsKeys) SetDefault(row, *this);
}

std::optional<QString> SettingsFilePath() {
    const std::optional<QString> folder = ConfigFolder();
    if (!folder) return std::nullopt;
    return QDir::cleanPath(*folder + QLatin1Char('/') + QLatin1String(kFolderName) +
                           QLatin1Char('/') + QLatin1String(kFileName));
}

CalculatorSettings ReadSettingsFrom(const QString& path, std::int32_t current_results_font_color,
                                    QString* problem) {
    CalculatorSettings s;
    const IniFile ini = IniFile::Load(path, problem).value_or(IniFile());
    for (const SettingsKey* row : ReadOrder()) ReadKey(ini, *row, current_results_font_color, s);
    // Scientific is what the window shows when both flags are set, so that is what it keeps.
    if (s.scientific) s.automatic = false;
    return s;
}

std::optional<CalculatorSettings> ReadSettings(std::int32_t current_results_font_color) {
    const std::optional<QString> path = SettingsFilePath();
    if (!path) return std::nullopt;
    QString problem;
    CalculatorSettings settings = ReadSettingsFrom(*path, current_results_font_color, &problem);
    if (!problem.isEmpty()) {
        const QString message =
            QString::fromLatin1(kSettingsNotRead).arg(QDir::toNativeSeparators(*path), problem);
        std::fprintf(stderr, "%s: %s\n", kProgramName, message.toLocal8Bit().constData());
    }
    return settings;
}

std::optional<QString> WriteSettingsTo(const QString& path, const CalculatorSettings& s) {
    const QString error = QCoreApplication::translate("brisalto::SettingsFile", kSettingsWriteError)
                              .replace(QLatin1String("%s"), path);
    const QFileInfo info(path);
    QDir().mkpath(info.absolutePath());

    QString problem;
    std::optional<IniFile> loaded = IniFile::Load(path, &problem);
    // The reason, so that the user knows what to mend.
    const auto failed = [&error](const QString& reason) -> std::optional<QString> {
        return reason.isEmpty() ? error : error + QStringLiteral(": ") + reason;
    };
    if (!loaded) return failed(problem);
    for (const SettingsKey& row : kSettingsKeys) WriteKey(*loaded, row, s);
    if (static_cast<qint64>(loaded->ToBytes().size()) > kIniFileLimit) {
        return failed(QCoreApplication::translate(
            "Settings",
            "it would grow past what is read back; remove the lines the calculator "
            "does not use"));
    }
    if (!loaded->Save(path, &problem)) return failed(problem);
    return std::nullopt;
}

std::optional<QString> WriteSettings(const CalculatorSettings& settings) {
    const std::optional<QString> path = SettingsFilePath();
    if (!path) return std::nullopt;
    return WriteSettingsTo(*path, settings);
}

}  // namespace brisalto
