// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The File, Format and Help operations on the results window: save, print, printer setup, the
// results font and help. Each is split into the work, which tests call directly, and a wrapper
// that runs the standard dialog first and shows any failure in a message box.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QtGlobal>
#include <cstdint>
#include <optional>

class QPlainTextEdit;
class QPrinter;
class QWidget;

namespace brisalto {

// Shown texts, translated in the "ResultsWindow" context.
inline constexpr char kNothingToSaveMessage[] =
    QT_TRANSLATE_NOOP("ResultsWindow", "Nothing in result to be saved");
inline constexpr char kSaveDialogFilter[] = QT_TRANSLATE_NOOP("ResultsWindow", "Text File(*.txt)");
inline constexpr char kSaveDefaultSuffix[] = "txt";
inline constexpr char kHelpFileName[] = "Brisalto Calculator Help.chm";
// The title of the program's message boxes.
inline constexpr char kApplicationTitle[] =
    QT_TRANSLATE_NOOP("ResultsWindow", "Brisalto Calculator");

// Printed lines start this many printer pixels right of the printable area's left edge.
inline constexpr int kPrintLeftMargin = 50;

// ---- Save ----

// The bytes a saved file holds: the text as the window holds it, lines ended by CR LF, UTF-8.
QByteArray ResultsFileContent(const QString& results_text);

// Writes the text to path, replacing the file atomically. std::nullopt on success, otherwise
// the message to show (the system's reason included).
std::optional<QString> SaveResultsToFile(const QString& path, const QString& results_text);

// Save action: "Nothing in result to be saved" on an empty window, else the save dialog
// ("Text File(*.txt)", default suffix .txt, overwrite question) and the write.
void SaveResultsWithDialog(QWidget* parent, const QPlainTextEdit& memo);

// ---- Print ----

// The lines of text as a word-wrapping results window of the given text width and font
// breaks them: every hard line, broken at word boundaries (or anywhere in a word too long).
QStringList BreakLinesLikeResultsWindow(const QString& text, const QFont& font, int text_width);

// The width that lines in memo wrap at (its viewport less the document margins).
int ResultsTextWidth(const QPlainTextEdit& memo);

// Prints the lines in font as one job: copies times, each copy from a new page, every line at
// kPrintLeftMargin in color, stepped by the font's line height measured on the printer, and a
// new page when the next line would not fit. The printer's own copy count is reset to 1, since
// the copies are drawn here. std::nullopt on success, otherwise the message to show.
std::optional<QString> PrintLinesTo(QPrinter& printer, const QStringList& lines, const QFont& font,
                                    int copies, const QColor& color = Qt::black);

// Prints memo's text broken as a word-wrapping copy of memo would break it (whatever memo's own
// word wrap), printer.copyCount() copies.
std::optional<QString> PrintResultsTo(QPrinter& printer, const QPlainTextEdit& memo);

// Print action: the print dialog on printer, then PrintResultsTo.
void PrintResultsWithDialog(QWidget* parent, const QPlainTextEdit& memo, QPrinter& printer);

// Printer setup action: the page setup dialog; its choices stay in printer for later prints.
void PrinterSetupWithDialog(QWidget* parent, QPrinter& printer);

// ---- Font ----

// The results font and its colour as the settings file keeps it (a TColor, so that a system
// colour stays one).
struct ResultsFontChoice {
    QFont font;
    std::int32_t color = 0;
};

// Font action: the font dialog with effects (underline, strike-out, colour), preset with
// current. std::nullopt when the user cancels.
std::optional<ResultsFontChoice> ChooseResultsFont(QWidget* parent,
                                                   const ResultsFontChoice& current);

// ---- Help ----

// "Brisalto Calculator Help.chm" in the current directory, as a file URL.
QUrl HelpFileUrl();

// Help action: asks the desktop to open the help file; nothing is shown when that fails.
void OpenHelpFile();

}  // namespace brisalto
