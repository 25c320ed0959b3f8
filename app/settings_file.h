// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The settings file Calculator.ini: where it lives, every key it holds with its default, and
// reading and writing the keys in their fixed orders (written atomically, all keys or none).
#pragma once

#include <QString>
#include <QtGlobal>
#include <cstdint>
#include <optional>

namespace brisalto {

// Colour values as the file stores them (TColor): 0x80000000 + n is system colour n.
inline constexpr std::int32_t kSystemWindowColor = static_cast<std::int32_t>(0x80000005u);
inline constexpr std::int32_t kSystemWindowTextColor = static_cast<std::int32_t>(0x80000008u);

inline constexpr char kSettingsWriteError[] =
    QT_TRANSLATE_NOOP("brisalto::SettingsFile", "Unable to write to %s");

// Every key of the file. A default-made value holds each key's default (the key table in
// settings_file.cpp says which); ReadSettingsFrom fills it from a file.
struct CalculatorSettings {
    CalculatorSettings();

    bool mouse_tools_checked;          // View/Tools, first read: MouseToolsAction checked
    bool tools_panel_visible;          // View/Tools, second read; the value that stays in the file
    int left;                          // View/Left
    int top;                           // View/Right: the key named "Right" holds the top
    bool word_wrap;                    // Format/WordWrap
    std::int32_t cmd_bkgrd_color;      // View/CmdBkgrdColor
    std::int32_t results_bkgrd_color;  // View/ResultsBkgrdColor
    int precision;                     // Format/Precision, 0..20
    QString results_font_name;         // View/ResultsFontName
    bool results_font_bold;            // View/ResultsFontStyleBold
    bool results_font_italic;          // View/ResultsFontStyleItalic
    bool results_font_underline;       // View/ResultsFontStyleUnderline
    bool results_font_strike_out;      // View/ResultsFontStyleStrikeOut
    std::int32_t results_font_color;   // View/ResultsFontColor
    int results_font_size;             // View/ResultsFontSize, points
    bool scientific;                   // Mode/Scientific: ScientificFlag
    bool automatic;                    // Mode/Automatic: AutomaticFlag
    int mode;  // Mode/Mode: AngleMode, 0 Radian, 1 Grads, 2 Degrees, 3 Cycle

    bool operator==(const CalculatorSettings&) const = default;
};

// $XDG_CONFIG_HOME/Brisalto/Calculator.ini, or $HOME/.config/Brisalto/Calculator.ini when
// XDG_CONFIG_HOME is unset, empty or relative; nothing when there is no HOME either (then
// nothing is read or written). Does not touch the disk.
std::optional<QString> SettingsFilePath();

// Reads the file at SettingsFilePath(). std::nullopt when there is no such path: the caller
// keeps its start values. A missing file or key, or a value that does not parse, gives that
// key's default; ResultsFontColor defaults to current_results_font_color, the font's colour at
// the moment of reading. Both mode flags set reads as Scientific alone; Mode outside 0..3 and a
// font size outside 1..200 read as their defaults, Precision is brought into 0..20. Never
// creates a file. A file that is not a regular file of at most kSettingsFileLimit bytes is not
// read (all defaults apply): ReadSettings reports it on standard error, ReadSettingsFrom in
// *problem.
std::optional<CalculatorSettings> ReadSettings(
    std::int32_t current_results_font_color = kSystemWindowTextColor);
CalculatorSettings ReadSettingsFrom(
    const QString& path, std::int32_t current_results_font_color = kSystemWindowTextColor,
    QString* problem = nullptr);

// Writes every key in the fixed order into the file at SettingsFilePath(), creating its folder
// when missing, keeping every other line of an existing file. The file is replaced atomically:
// it holds all the new keys or stays as it was. Returns std::nullopt on success (also when
// there is no path: nothing is written), otherwise the message "Unable to write to <path>" for
// the caller to show; also when the file there could not be read, so that a FIFO, a device or
// an oversized file is never replaced. Never throws, so it is safe in a destructor.
std::optional<QString> WriteSettings(const CalculatorSettings& settings);
std::optional<QString> WriteSettingsTo(const QString& path, const CalculatorSettings& settings);

}  // namespace brisalto
