#include "app/settings_file.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QWidget>
#include <algorithm>
#include <cstdio>

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

constexpr int kMinPrecision = 0;
constexpr int kMaxPrecision = 20;
constexpr int kMinFontSize = 1;
constexpr int kMaxFontSize = 200;
constexpr int kMinAngleMode = 0;
constexpr int kMaxAngleMode = 3;

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

int InRangeOr(int value, int low, int high, int fallback) {
    return value >= low && value <= high ? value : fallback;
}

}  // namespace

std::optional<QString> SettingsFilePath() {
    const std::optional<QString> folder = ConfigFolder();
    if (!folder) return std::nullopt;
    return QDir::cleanPath(*folder + QLatin1Char('/') + QLatin1String(kFolderName) +
                           QLatin1Char('/') + QLatin1String(kFileName));
}

CalculatorSettings ReadSettingsFrom(const QString& path, std::int32_t current_results_font_color,
                                    QString* problem) {
    const CalculatorSettings defaults;
    CalculatorSettings s;
    const IniFile ini = IniFile::Load(path, problem).value_or(IniFile());

    // The order of the reads is the order in which the window applies them.
    s.left = ini.ReadInteger(kView, "Left", defaults.left);
    s.top = ini.ReadInteger(kView, "Right", defaults.top);
    s.mouse_tools_checked = ini.ReadBool(kView, "Tools", defaults.mouse_tools_checked);
    s.tools_panel_visible = ini.ReadBool(kView, "Tools", defaults.tools_panel_visible);
    s.word_wrap = ini.ReadBool(kFormat, "WordWrap", defaults.word_wrap);
    s.cmd_bkgrd_color = ini.ReadInteger(kView, "CmdBkgrdColor", defaults.cmd_bkgrd_color);
    s.results_bkgrd_color =
        ini.ReadInteger(kView, "ResultsBkgrdColor", defaults.results_bkgrd_color);
    s.precision = std::clamp(ini.ReadInteger(kFormat, "Precision", defaults.precision),
                             kMinPrecision, kMaxPrecision);
    s.results_font_name = QString::fromStdString(
        ini.ReadString(kView, "ResultsFontName", Utf8(defaults.results_font_name)));
    // An empty name would leave the choice of font to chance.
    if (s.results_font_name.trimmed().isEmpty()) s.results_font_name = defaults.results_font_name;
    s.results_font_bold = ini.ReadBool(kView, "ResultsFontStyleBold", false);
    s.results_font_italic = ini.ReadBool(kView, "ResultsFontStyleItalic", false);
    s.results_font_underline = ini.ReadBool(kView, "ResultsFontStyleUnderline", false);
    s.results_font_strike_out = ini.ReadBool(kView, "ResultsFontStyleStrikeOut", false);
    s.results_font_color = ini.ReadInteger(kView, "ResultsFontColor", current_results_font_color);
    // A size nobody can read (or a font too large to draw) would be kept run after run.
    s.results_font_size =
        InRangeOr(ini.ReadInteger(kView, "ResultsFontSize", defaults.results_font_size),
                  kMinFontSize, kMaxFontSize, defaults.results_font_size);
    s.scientific = ini.ReadBool(kMode, "Scientific", defaults.scientific);
    s.automatic = ini.ReadBool(kMode, "Automatic", defaults.automatic);
    // Scientific is what the window shows when both flags are set, so that is what it keeps.
    if (s.scientific) s.automatic = false;
    s.mode = InRangeOr(ini.ReadInteger(kMode, "Mode", defaults.mode), kMinAngleMode, kMaxAngleMode,
                       defaults.mode);
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
    const QString error =
        QString::fromLatin1(kSettingsWriteError).replace(QLatin1String("%s"), path);
    const QFileInfo info(path);
    QDir().mkpath(info.absolutePath());

    std::optional<IniFile> loaded = IniFile::Load(path);
    if (!loaded) return error;
    IniFile& ini = *loaded;

    ini.WriteBool(kView, "Tools", s.mouse_tools_checked);
    ini.WriteInteger(kView, "Left", s.left);
    ini.WriteInteger(kView, "Right", s.top);
    ini.WriteBool(kFormat, "WordWrap", s.word_wrap);
    ini.WriteBool(kView, "Tools", s.tools_panel_visible);
    ini.WriteInteger(kView, "CmdBkgrdColor", s.cmd_bkgrd_color);
    ini.WriteInteger(kView, "ResultsBkgrdColor", s.results_bkgrd_color);
    ini.WriteInteger(kFormat, "Precision", s.precision);
    ini.WriteString(kView, "ResultsFontName", Utf8(s.results_font_name));
    ini.WriteBool(kView, "ResultsFontStyleBold", s.results_font_bold);
    ini.WriteBool(kView, "ResultsFontStyleItalic", s.results_font_italic);
    ini.WriteBool(kView, "ResultsFontStyleUnderline", s.results_font_underline);
    ini.WriteBool(kView, "ResultsFontStyleStrikeOut", s.results_font_strike_out);
    ini.WriteInteger(kView, "ResultsFontColor", s.results_font_color);
    ini.WriteInteger(kView, "ResultsFontSize", s.results_font_size);
    ini.WriteBool(kMode, "Scientific", s.scientific);
    ini.WriteBool(kMode, "Automatic", s.automatic);
    ini.WriteInteger(kMode, "Mode", s.mode);

    if (!ini.Save(path)) return error;
    return std::nullopt;
}

std::optional<QString> WriteSettings(const CalculatorSettings& settings) {
    const std::optional<QString> path = SettingsFilePath();
    if (!path) return std::nullopt;
    return WriteSettingsTo(*path, settings);
}

}  // namespace brisalto
