// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "app/results_window_ops.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QTextLayout>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "app/color_value.h"
#include "app/ini_file.h"
#include "app/results_lines.h"
#include "tools/gui/named_combo_box.h"

namespace brisalto {
namespace {

constexpr char kContext[] = "ResultsWindow";
constexpr char kUnableToSave[] = QT_TRANSLATE_NOOP("ResultsWindow", "Unable to save %1: %2");
constexpr char kNotRegularFile[] = QT_TRANSLATE_NOOP("ResultsWindow", "it is not a regular file");
constexpr char kUnableToPrint[] =
    QT_TRANSLATE_NOOP("ResultsWindow", "Unable to print: the printer could not be started");
constexpr char kPrintPageFailed[] =
    QT_TRANSLATE_NOOP("ResultsWindow", "Unable to print: the printer refused a new page");
constexpr char kFontDialogTitle[] = QT_TRANSLATE_NOOP("ResultsWindow", "Font");
constexpr char kFontColorLabel[] = QT_TRANSLATE_NOOP("ResultsWindow", "&Color:");
constexpr char kCurrentColorName[] = QT_TRANSLATE_NOOP("ResultsWindow", "Current");

QString Shown(const char* text) { return QCoreApplication::translate(kContext, text); }

constexpr qreal kPointsPerInch = 72.0;
constexpr qsizetype kLayoutPieceLength = 4096;
constexpr qreal kFallbackScreenDpi = 96.0;

QString AppTitle() { return QCoreApplication::translate("ResultsWindow", kApplicationTitle); }

void ShowError(QWidget* parent, const QString& message) {
    QMessageBox::critical(parent, AppTitle(), message);
}

// A font sized in screen pixels would print tiny on a printer's fine raster, so the printer
// gets the same size in points, as the user sees it on the screen.
QFont FontForPrinter(QFont font) {
    if (font.pixelSize() > 0) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        const qreal dpi = screen ? screen->logicalDotsPerInchY() : kFallbackScreenDpi;
        font.setPointSizeF(font.pixelSize() * kPointsPerInch / dpi);
    }
    return font;
}

QIcon ColorSwatch(const QColor& color) {
    QPixmap swatch(16, 12);
    swatch.fill(color);
    QPainter painter(&swatch);
    painter.setPen(QGuiApplication::palette().color(QPalette::WindowText));
    painter.drawRect(0, 0, swatch.width() - 1, swatch.height() - 1);
    return QIcon(swatch);
}

// The standard font dialog with its effects, joined by the colour box the results font needs.
class ResultsFontDialog : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(ResultsFontDialog)

  public:
    ResultsFontDialog(QWidget* parent, const ResultsFontChoice& current) : QDialog(parent) {
        setWindowTitle(Shown(kFontDialogTitle));
        // A family that is not installed (Arial on most Linux desktops) is preset as the family
        // actually drawn in its place, so the lists show what the user sees.
        QFont preset = current.font;
        if (!QFontDatabase::hasFamily(preset.family())) {
            preset.setFamily(QFontInfo(preset).family());
            stand_in_ = {preset.family(), current.font.family()};
        }
        font_dialog_ = new QFontDialog(preset, this);
        font_dialog_->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
        font_dialog_->setWindowFlags(Qt::Widget);
        font_dialog_->setSizeGripEnabled(false);
        // The embedded chooser is a dialog of its own: Esc and Enter in it end that dialog,
        // which would leave this one half empty. They end this one instead.
        connect(font_dialog_, &QDialog::accepted, this, &QDialog::accept);
        connect(font_dialog_, &QDialog::rejected, this, &QDialog::reject);

        color_box_ = new QComboBox(this);
        // Named for what it colours, before it has items: its shown value is a colour.
        SetComboBoxName(color_box_, tr("Results text colour"));
        bool listed = false;
        for (const NamedColor& named : ListedColors()) {
            color_box_->addItem(ColorSwatch(ToQColor(named.value)),
                                QCoreApplication::translate("Colors", named.name), named.value);
            listed = listed || named.value == current.color;
        }
        if (!listed) {
            color_box_->insertItem(0, ColorSwatch(ToQColor(current.color)),
                                   Shown(kCurrentColorName), current.color);
        }
        color_box_->setCurrentIndex(color_box_->findData(current.color));

        auto* color_label = new QLabel(Shown(kFontColorLabel), this);
        color_label->setBuddy(color_box_);
        auto* color_row = new QHBoxLayout;
        color_row->addWidget(color_label);
        color_row->addWidget(color_box_, 1);

        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
        connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

        auto* layout = new QVBoxLayout(this);
        layout->addWidget(font_dialog_);
        layout->addLayout(color_row);
        layout->addWidget(buttons);
    }

    ResultsFontChoice Choice() const {
        QFont font = font_dialog_->currentFont();
        // Keeping the stand-in family the user did not change keeps the name they had.
        if (!stand_in_.first.isEmpty() && font.family() == stand_in_.first)
            font.setFamily(stand_in_.second);
        return {font, color_box_->currentData().toInt()};
    }

  private:
    std::pair<QString, QString> stand_in_;  // the family shown, and the one it stands in for
    QFontDialog* font_dialog_ = nullptr;
    QComboBox* color_box_ = nullptr;
};

// A message box centred on the screen rather than on its parent window. It takes its final
// size only when shown, so it is placed then.
class ScreenCentredMessageBox : public QMessageBox {
  public:
    using QMessageBox::QMessageBox;

  protected:
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event);
        const QWidget* parent = parentWidget();
        if (const QScreen* shown_on = parent != nullptr ? parent->screen() : screen()) {
            move(shown_on->availableGeometry().center() - rect().center());
        }
    }
};

}  // namespace

QByteArray ResultsFileContent(const QString& results_text) {
    QString text = results_text;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text.toUtf8();
}

std::optional<QString> SaveResultsToFile(const QString& path, const QString& results_text) {
    // Saving replaces the file; a FIFO or a device in its place must stay what it is.
    const QFileInfo existing(path);
    if (existing.exists() && !existing.isFile()) {
        return Shown(kUnableToSave).arg(QDir::toNativeSeparators(path), Shown(kNotRegularFile));
    }
    const QByteArray content = ResultsFileContent(results_text);
    const std::optional<QString> reason = SaveWhole(path, content.constData(), content.size());
    if (!reason) return std::nullopt;
    return Shown(kUnableToSave).arg(QDir::toNativeSeparators(path), *reason);
}

void SaveResultsWithDialog(QWidget* parent, const QPlainTextEdit& memo) {
    const QString text = ResultsText(memo);
    if (text.isEmpty()) {
        ScreenCentredMessageBox box(QMessageBox::Information, AppTitle(),
                                    Shown(kNothingToSaveMessage), QMessageBox::Ok, parent);
        box.exec();
        return;
    }
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(Shown(kSaveDialogFilter));
    dialog.setDefaultSuffix(QString::fromLatin1(kSaveDefaultSuffix));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    if (const std::optional<QString> error =
            SaveResultsToFile(dialog.selectedFiles().first(), text)) {
        ShowError(parent, *error);
    }
}

QStringList BreakLinesLikeResultsWindow(const QString& text, const QFont& font, int text_width) {
    QStringList lines;
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    const qreal width = std::max(1, text_width);
    for (QString hard_line : text.split(QLatin1Char('\n'))) {
        if (hard_line.endsWith(QLatin1Char('\r'))) hard_line.chop(1);
        if (hard_line.isEmpty()) {
            lines.append(QString());
            continue;
        }
        // Laying out a long line costs more than linear time, so it is laid out a piece at a
        // time; a piece's last line may be cut short by the piece's end, so it is laid out
        // again at the start of the next piece.
        qsizetype start = 0;
        qsizetype piece = kLayoutPieceLength;
        while (start < hard_line.size()) {
            const bool last_piece = hard_line.size() - start <= piece;
            QTextLayout layout(hard_line.mid(start, last_piece ? -1 : piece), font);
            layout.setTextOption(option);
            layout.beginLayout();
            QStringList piece_lines;
            for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
                line.setLineWidth(width);
                piece_lines.append(layout.text().mid(line.textStart(), line.textLength()));
            }
            layout.endLayout();
            if (last_piece) {
                lines.append(piece_lines);
                break;
            }
            if (piece_lines.size() < 2) {
                piece *= 2;  // lines wider than a piece: a longer piece
                continue;
            }
            piece_lines.removeLast();
            for (const QString& line : piece_lines) start += line.size();
            lines.append(piece_lines);
        }
    }
    return lines;
}

int ResultsTextWidth(const QPlainTextEdit& memo) {
    const int margins = static_cast<int>(2 * memo.document()->documentMargin());
    return std::max(1, memo.viewport()->width() - margins);
}

std::optional<QString> PrintLinesTo(QPrinter& printer, const QStringList& lines, const QFont& font,
                                    int copies, const QColor& color) {
    copies = std::max(1, copies);
    printer.setCopyCount(1);
    QPainter painter;
    if (!painter.begin(&printer)) return Shown(kUnableToPrint);
    painter.setFont(FontForPrinter(font));
    painter.setPen(color);
    const QFontMetricsF metrics = painter.fontMetrics();
    const qreal line_height = std::max<qreal>(1, metrics.lineSpacing());
    const qreal page_height = printer.height();

    for (int copy = 0; copy < copies; ++copy) {
        if (copy > 0 && !printer.newPage()) return Shown(kPrintPageFailed);
        qreal top = 0;
        for (const QString& line : lines) {
            if (top > 0 && top + line_height > page_height) {
                if (!printer.newPage()) return Shown(kPrintPageFailed);
                top = 0;
            }
            painter.drawText(QPointF(kPrintLeftMargin, top + metrics.ascent()), line);
            top += line_height;
        }
    }
    painter.end();
    return std::nullopt;
}

std::optional<QString> PrintResultsTo(QPrinter& printer, const QPlainTextEdit& memo) {
    const QStringList lines =
        BreakLinesLikeResultsWindow(ResultsText(memo), memo.font(), ResultsTextWidth(memo));
    return PrintLinesTo(printer, lines, memo.font(), printer.copyCount(),
                        memo.palette().color(QPalette::Text));
}

void PrintResultsWithDialog(QWidget* parent, const QPlainTextEdit& memo, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) return;
    if (const std::optional<QString> error = PrintResultsTo(printer, memo)) {
        ShowError(parent, *error);
    }
}

void PrinterSetupWithDialog(QWidget* parent, QPrinter& printer) {
    QPageSetupDialog dialog(&printer, parent);
    dialog.exec();
}

std::optional<ResultsFontChoice> ChooseResultsFont(QWidget* parent,
                                                   const ResultsFontChoice& current) {
    ResultsFontDialog dialog(parent, current);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Choice();
}

QUrl HelpFileUrl() {
    return QUrl::fromLocalFile(
        QDir::current().absoluteFilePath(QString::fromLatin1(kHelpFileName)));
}

void OpenHelpFile() { QDesktopServices::openUrl(HelpFileUrl()); }

}  // namespace brisalto
