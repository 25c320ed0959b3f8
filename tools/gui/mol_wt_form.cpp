// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "tools/gui/mol_wt_form.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyleOptionButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "tools/element_symbols.h"
#include "tools/element_table.h"
#include "tools/gui/palette_colors.h"

namespace brisalto {
namespace {

// Headings over groups 1 to 18; "VIIIB" stands over groups 8 to 10.
struct GroupHeading {
    const char* text;
    int first_group;
    int last_group;
};
constexpr GroupHeading kGroupHeadings[] = {
    {QT_TRANSLATE_NOOP("brisalto::TMolWtForm", "IA"), 1, 1},
    {QT_TRANSLATE_NOOP("brisalto::TMolWtForm", "IIA"), 2, 2},
    {QT_TRANSLATE_NOOP("brisalto::TMolWtForm", "IIIB"), 3, 3},
    {QT_TRANSLATE_NOOP("brisalto::TMolWtForm", "IVB"), 4, 4},
    {QT_TRANSLATE_NOOP("brisalto::TMolWtForm", "VB"), 5, 5},
    {QT_TRANSLATE_NOOP("brisalto::TMolWtForm", "VIB"), 6, 6},
    {QT_TRANSLATE_NOOP("brisalto::TMolWtForm", "VIIB"), 7, 7},
    {QT_TRANSLATE_NOOP("brisalto::TMolWtForm", "VIIIB"), 8, 10},
    {QT_TRANSLATE_NOOP("brisalto::TMolWtForm", "IB"), 11, 11},
    {QT_TRANSLATE_NOOP("brisalto::TMolWtForm", "IIB"), 12, 12},
    {QT_TRANSLATE_NOOP("brisalto::TMolWtForm", "IIIA"), 13, 13},
    {QT_TRANSLATE_NOOP("brisalto::TMolWtForm", "IVA"), 14, 14},
    {QT_TRANSLATE_NOOP("brisalto::TMolWtForm", "VA"), 15, 15},
    {QT_TRANSLATE_NOOP("brisalto::TMolWtForm", "VIA"), 16, 16},
    {QT_TRANSLATE_NOOP("brisalto::TMolWtForm", "VIIA"), 17, 17},
    {QT_TRANSLATE_NOOP("brisalto::TMolWtForm", "VIIIA"), 18, 18},
};

// Grid rows of the dialog's layout; column 0 holds the row labels, column g group g.
constexpr int kBlockHeadingRow = 0;
constexpr int kGroupHeadingRow = 1;
constexpr int kFirstPeriodRow = 2;
constexpr int kFBlockHeadingRow = kFirstPeriodRow + 7;
constexpr int kFBlockFirstRow = kFBlockHeadingRow + 1;

QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString ElementName(const ElementButton& element) {
    const std::string name(element.hint);
    return QCoreApplication::translate("Elements", name.c_str());
}

QFont Scaled(QFont font, double factor, bool bold) {
    if (font.pointSizeF() > 0) {
        font.setPointSizeF(font.pointSizeF() * factor);
    } else {
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pixelSize() * factor))));
    }
    font.setBold(bold);
    return font;
}

// The widest of the captions in the font, at least a line high. All 118 buttons ask with the
// same font: measured once for each font.
int WidestCaption(const QFont& font, const QStringList& captions) {
    static QHash<QString, int> widest;
    const QString key = font.key();
    if (const auto found = widest.constFind(key); found != widest.cend()) return *found;
    const QFontMetrics metrics(font);
    int width = metrics.height();
    for (const QString& caption : captions)
        width = std::max(width, metrics.horizontalAdvance(caption));
    widest.insert(key, width);
    return width;
}

// An element button: square, as large as the widest symbol of the table needs, so the cells
// of the grid are all alike whatever the font.
class AtomButton : public QPushButton {
  public:
    AtomButton(const QString& caption, const QStringList* all_captions, QWidget* parent)
        : QPushButton(caption, parent), all_captions_(all_captions) {}

    QSize sizeHint() const override {
        // The layout asks often; the answer changes only with the font or the style.
        if (hint_.isValid()) return hint_;
        QStyleOptionButton option;
        initStyleOption(&option);
        const int widest = WidestCaption(font(), *all_captions_);
        const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this) +
                          style()->pixelMetric(QStyle::PM_ButtonDefaultIndicator, &option, this);
        const int side =
            widest + 2 * frame + style()->pixelMetric(QStyle::PM_ButtonMargin, &option, this);
        hint_ = QSize(side, side);
        return hint_;
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

  protected:
    void changeEvent(QEvent* event) override {
        if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
            hint_ = QSize();
        QPushButton::changeEvent(event);
    }

  private:
    const QStringList* all_captions_;
    mutable QSize hint_;
};

QStringList AllCaptions() {
    QStringList captions;
    for (const ElementButton& element : ElementButtons()) captions << FromView(element.caption);
    return captions;
}

}  // namespace

TMolWtForm::TMolWtForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Atomic Weight"));
    setAccessibleDescription(tr("Choose an element to insert its atomic weight"));
    sheet_ = new QWidget;
    sheet_->setObjectName("Sheet");
    sheet_->setAccessibleName(tr("Periodic table"));
    sheet_->installEventFilter(this);
    auto* grid = new QGridLayout(sheet_);
    grid->setHorizontalSpacing(2);
    grid->setVerticalSpacing(2);

    const QFont heading_font = Scaled(font(), 0.85, false);
    const QFont group_font = Scaled(font(), 0.85, true);
    const auto add_label = [&](const QString& text, int row, int column, int row_span,
                               int column_span, Qt::Alignment alignment, const QFont& label_font) {
        auto* label = new QLabel(text, sheet_);
        label->setFont(label_font);
        label->setAlignment(alignment);
        grid->addWidget(label, row, column, row_span, column_span);
        return label;
    };
    // A block heading carries a dashed rule below it over the block's columns.
    const auto add_block_heading = [&](const QString& text, int row, int first, int last) {
        QLabel* heading =
            add_label(text, row, first, 1, last - first + 1, Qt::AlignCenter, heading_font);
        heading->setWordWrap(true);
        heading->setContentsMargins(0, 0, 0, 4);
        ruled_headings_.push_back(heading);
    };

    add_block_heading(tr("Main-Group Elements"), kBlockHeadingRow, 1, 2);
    add_block_heading(tr("Transition Metals"), kBlockHeadingRow, 3, 12);
    add_block_heading(tr("Main-Group Elements"), kBlockHeadingRow, 13, 18);
    for (const GroupHeading& heading : kGroupHeadings) {
        add_label(tr(heading.text), kGroupHeadingRow, heading.first_group, 1,
                  heading.last_group - heading.first_group + 1, Qt::AlignCenter, group_font);
    }
    for (int period = 1; period <= 7; ++period) {
        add_label(QString::number(period), kFirstPeriodRow + period - 1, 0, 1, 1, Qt::AlignCenter,
                  group_font);
    }

    // Period 1 leaves groups 2 to 17 empty: the information lines sit there.
    auto* info = new QGridLayout;
    info->setVerticalSpacing(0);
    auto* selected = new QLabel(tr("Selected Element:"), sheet_);
    info->addWidget(selected, 0, 0, Qt::AlignTop);
    const QFont info_font = Scaled(font(), 1.0, true);
    HintLabel = new QLabel(QStringLiteral(" "), sheet_);
    Label35 = new QLabel(QStringLiteral(" "), sheet_);
    HintLabel->setObjectName("HintLabel");
    Label35->setObjectName("Label35");
    for (QLabel* line : {HintLabel, Label35}) line->setFont(info_font);
    info->addWidget(HintLabel, 0, 1);
    info->addWidget(Label35, 1, 1);
    info->setColumnStretch(1, 1);
    grid->addLayout(info, kFirstPeriodRow, 2, 1, 16, Qt::AlignVCenter);

    // Periods 2 and 3 leave the transition-metal columns empty: the title and Cancel sit there.
    auto* middle = new QVBoxLayout;
    auto* title = new QLabel(tr("Periodic Table of the Elements"), sheet_);
    title->setFont(Scaled(font(), 1.4, true));
    title->setAlignment(Qt::AlignCenter);
    middle->addWidget(title);
    CancelButton = new QPushButton(tr("&Cancel"), sheet_);
    CancelButton->setObjectName("CancelButton");
    CancelButton->setAutoDefault(false);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    middle->addWidget(CancelButton, 0, Qt::AlignHCenter);
    grid->addLayout(middle, kFirstPeriodRow + 1, 3, 2, 10);

    add_block_heading(tr("Inner-Transition Metals"), kFBlockHeadingRow, kFBlockFirstColumn + 1,
                      kFBlockFirstColumn + 14);
    add_label(tr("*Lanthanides"), kFBlockFirstRow, 0, 1, kFBlockFirstColumn + 1,
              Qt::AlignLeft | Qt::AlignVCenter, font());
    add_label(tr("**Actinides"), kFBlockFirstRow + 1, 0, 1, kFBlockFirstColumn + 1,
              Qt::AlignLeft | Qt::AlignVCenter, font());

    static const QStringList all_captions = AllCaptions();
    const QFont button_font = Scaled(font(), 1.0, true);
    for (const ElementButton& element : ElementButtons()) {
        const QString symbol = FromView(ElementSymbol(element.index));
        const QString name = ElementName(element);
        const QString weight = FromView(element.weight);
        auto* button = new AtomButton(FromView(element.caption), &all_captions, sheet_);
        button->setObjectName(button->text());
        button->setProperty("Tag", element.index);
        button->setToolTip(name);
        button->setAccessibleName(tr("%1, %2, %3").arg(name, symbol, weight));
        button->setAccessibleDescription(tr("Atomic number %1").arg(element.atomic_number));
        button->setFont(button_font);
        button->setMouseTracking(true);
        button->installEventFilter(this);
        connect(button, &QPushButton::clicked, this, [this, button] { AtmButtonClick(button); });
        const GridCell cell = CellOf(element);
        const int row = cell.row < 7 ? kFirstPeriodRow + cell.row : kFBlockFirstRow + cell.row - 7;
        grid->addWidget(button, row, cell.column + 1);
        buttons_.push_back(button);
    }

    QWidget* previous = nullptr;
    for (int index : ElementTabOrder()) {
        QWidget* next = buttons_[static_cast<std::size_t>(index)];
        if (previous != nullptr) setTabOrder(previous, next);
        previous = next;
    }
    setTabOrder(previous, CancelButton);

    scroll_ = new QScrollArea(this);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setFocusPolicy(Qt::NoFocus);
    scroll_->setWidgetResizable(true);
    scroll_->setWidget(sheet_);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll_);

    FitInfoLines();
    // Sized now, or a first show() would cap the window at two thirds of the screen.
    resize(sizeHint());
    QEvent palette_change(QEvent::PaletteChange);
    changeEvent(&palette_change);
    typing_clock_.start();
}

QPushButton* TMolWtForm::AtmButton(int index) const {
    return buttons_.at(static_cast<std::size_t>(index));
}

std::optional<QString> TMolWtForm::Run() {
    chosen_.reset();
    // Each showing starts on the element focused last (hydrogen at first), whose data the
    // information lines then show.
    if (std::find(buttons_.begin(), buttons_.end(), focusWidget()) == buttons_.end()) {
        buttons_.front()->setFocus(Qt::OtherFocusReason);
    }
    resize(sizeHint());
    if (const QScreen* desktop = screen()) {
        const QRect free = desktop->availableGeometry();
        const QPoint centred = free.center() - rect().center();
        move(std::max(centred.x(), free.left()), std::max(centred.y(), free.top()));
    }
    if (exec() != QDialog::Accepted) return std::nullopt;
    return chosen_;
}

void TMolWtForm::AtmButtonClick(QPushButton* button) {
    const int tag = button->property("Tag").toInt();
    const std::string_view weight = ElementButtons()[static_cast<std::size_t>(tag)].weight;
    chosen_ = FromView(weight);
    accept();
}

void TMolWtForm::AtmButtonEnter(QPushButton* button) { ShowElementLines(button); }

void TMolWtForm::AtmButtonMouseMove(QPushButton* button) {
    ShowElementLines(button);
    // The focus follows the mouse, so the highlighted button is the one the lines describe.
    button->setFocus(Qt::MouseFocusReason);
}

void TMolWtForm::ShowElementLines(QPushButton* button) {
    const ElementButton& element =
        ElementButtons()[static_cast<std::size_t>(button->property("Tag").toInt())];
    const auto [name_line, number_line] = ElementLines(element);
    HintLabel->setText(name_line);
    Label35->setText(number_line);
}

std::pair<QString, QString> TMolWtForm::ElementLines(const ElementButton& element) {
    return {tr("%1  Atomic Weight: %2 g/mol").arg(ElementName(element), FromView(element.weight)),
            tr("Atomic Number: %1").arg(element.atomic_number)};
}

// The lines are as wide as the longest element's lines need, so the window keeps its size
// whichever element they show.
void TMolWtForm::FitInfoLines() {
    const QFontMetrics metrics(HintLabel->font());
    int widest = 0;
    for (const ElementButton& element : ElementButtons()) {
        const auto [name_line, number_line] = ElementLines(element);
        widest = std::max(
            {widest, metrics.horizontalAdvance(name_line), metrics.horizontalAdvance(number_line)});
    }
    for (QLabel* line : {HintLabel, Label35}) {
        line->setMinimumWidth(widest + 2 * line->margin() + line->contentsMargins().left() +
                              line->contentsMargins().right());
        line->setMinimumHeight(metrics.height());
    }
}

bool TMolWtForm::MoveByKey(QPushButton* button, const QKeyEvent& key) {
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    const int from = button->property("Tag").toInt();
    std::optional<int> to;
    if (modifiers == Qt::NoModifier) {
        switch (key.key()) {
            case Qt::Key_Up:
                to = GridMove(from, GridKey::kUp);
                break;
            case Qt::Key_Down:
                to = GridMove(from, GridKey::kDown);
                break;
            case Qt::Key_Left:
                to = GridMove(from, GridKey::kLeft);
                break;
            case Qt::Key_Right:
                to = GridMove(from, GridKey::kRight);
                break;
            case Qt::Key_Home:
                to = GridMove(from, GridKey::kHome);
                break;
            case Qt::Key_End:
                to = GridMove(from, GridKey::kEnd);
                break;
            default:
                break;
        }
    }
    const QString text = key.text();
    const bool letter = text.size() == 1 && text[0].isLetter() && text[0].unicode() < 128;
    if (!to && letter &&
        !(modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        to = type_ahead_.Type(text[0].toLatin1(), typing_clock_.elapsed());
        if (!to) return true;
    }
    if (!to) return false;
    AtmButton(*to)->setFocus(Qt::OtherFocusReason);
    return true;
}

bool TMolWtForm::eventFilter(QObject* watched, QEvent* event) {
    auto* button = qobject_cast<QPushButton*>(watched);
    if (button != nullptr && button->property("Tag").isValid()) {
        if (event->type() == QEvent::MouseMove) {
            AtmButtonMouseMove(button);
        } else if (event->type() == QEvent::FocusIn) {
            AtmButtonEnter(button);
            scroll_->ensureWidgetVisible(button);
        } else if (event->type() == QEvent::KeyPress &&
                   MoveByKey(button, *static_cast<QKeyEvent*>(event))) {
            return true;
        }
    }
    if (watched == sheet_ && event->type() == QEvent::Paint) DrawRules();
    return QDialog::eventFilter(watched, event);
}

void TMolWtForm::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    // Scroll bars only for a side that the window cuts: left to itself, the scroll area keeps
    // them after growing to the table's full size.
    const QSize table = sheet_->sizeHint();
    const QSize room = event->size();  // the scroll area fills the window
    scroll_->setHorizontalScrollBarPolicy(room.width() >= table.width() ? Qt::ScrollBarAlwaysOff
                                                                        : Qt::ScrollBarAsNeeded);
    scroll_->setVerticalScrollBarPolicy(room.height() >= table.height() ? Qt::ScrollBarAlwaysOff
                                                                        : Qt::ScrollBarAsNeeded);
}

QSize TMolWtForm::sizeHint() const {
    QSize frame = frameGeometry().size() - geometry().size();
    if (frame.isNull()) {
        // Not shown yet, so the window manager's frame is unknown: a title bar and a border.
        const int border = 4;
        frame = QSize(2 * border,
                      style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this) + 2 * border);
    }
    QSize wanted = sheet_->sizeHint();
    if (const QScreen* desktop = screen()) {
        const QSize free = desktop->availableGeometry().size() - frame;
        // Room for the scroll bar that a cut side brings.
        const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
        if (wanted.width() > free.width()) wanted.rheight() += bar;
        if (wanted.height() > free.height()) wanted.rwidth() += bar;
        wanted = wanted.boundedTo(free);
    }
    return wanted;
}

void TMolWtForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange && HintLabel != nullptr) {
        // The lines stand out in the palette's link colour where it reads well on the window,
        // else in its text colour: some dark themes keep a dark link colour.
        const QColor window = palette().color(QPalette::Window);
        const QColor link = palette().color(QPalette::Link);
        QColor colour =
            ContrastRatio(link, window) >= 4.5 ? link : palette().color(QPalette::WindowText);
        for (QLabel* line : {HintLabel, Label35}) {
            QPalette line_palette = line->palette();
            line_palette.setColor(QPalette::WindowText, colour);
            line->setPalette(line_palette);
        }
    } else if (event->type() == QEvent::FontChange && HintLabel != nullptr) {
        FitInfoLines();
    }
    QDialog::changeEvent(event);
}

// The dashed rules under the block headings, in the palette's mid tone.
void TMolWtForm::DrawRules() {
    QPainter painter(sheet_);
    painter.setPen(QPen(palette().color(QPalette::Mid), 1, Qt::DashLine));
    for (const QLabel* heading : ruled_headings_) {
        const QRect place = heading->geometry();
        painter.drawLine(place.left(), place.bottom(), place.right(), place.bottom());
    }
}

}  // namespace brisalto
