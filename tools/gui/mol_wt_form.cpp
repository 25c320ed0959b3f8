// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "tools/gui/mol_wt_form.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

#include "tools/element_table.h"

namespace brisalto {
namespace {

constexpr char kCaption[] = "Atomic Weight";
constexpr char kTitleText[] = "Periodic Table of the Elements";
constexpr char kSelectedElementText[] = "Selected Element:";
constexpr char kMainGroupText[] = "Main-Group Elements";
constexpr char kTransitionText[] = "Transition Metals";
constexpr char kInnerTransitionText[] = "Inner-Transition Metals";
constexpr char kLanthanidesText[] = "*Lanthanides";
constexpr char kActinidesText[] = "**Actinides";
constexpr char kCancelText[] = "&Cancel";
constexpr char kEmptyLine[] = " ";

// Headings over groups 1 to 18; "VIIIB" stands over groups 8 to 10.
struct GroupHeading {
    const char* text;
    int first_group;
    int last_group;
};
constexpr GroupHeading kGroupHeadings[] = {
    {"IA", 1, 1},   {"IIA", 2, 2},   {"IIIB", 3, 3},   {"IVB", 4, 4},
    {"VB", 5, 5},   {"VIB", 6, 6},   {"VIIB", 7, 7},   {"VIIIB", 8, 10},
    {"IB", 11, 11}, {"IIB", 12, 12}, {"IIIA", 13, 13}, {"IVA", 14, 14},
    {"VA", 15, 15}, {"VIA", 16, 16}, {"VIIA", 17, 17}, {"VIIIA", 18, 18},
};

constexpr int kClientWidth = 658;
constexpr int kClientHeight = 407;
constexpr int kButtonSize = 33;
constexpr int kPitch = 35;
constexpr int kTableLeft = 24;
constexpr int kTableTop = 47;
constexpr int kFBlockTop = 314;
constexpr int kFBlockFirstGroup = 4;  // the f-block rows start under group 4
constexpr Qt::GlobalColor kInfoColor = Qt::blue;

constexpr int ColumnX(int group) { return kTableLeft + (group - 1) * kPitch; }
constexpr int ColumnsWidth(int first, int last) { return (last - first) * kPitch + kButtonSize; }
constexpr int RowY(int period) { return kTableTop + (period - 1) * kPitch; }

QPoint ButtonPlace(const ElementButton& element) {
    switch (element.row) {
        case ElementRow::kMainTable:
            return {ColumnX(element.group), RowY(element.period)};
        case ElementRow::kLanthanides:
            return {ColumnX(kFBlockFirstGroup + element.place - 1), kFBlockTop};
        case ElementRow::kActinides:
            return {ColumnX(kFBlockFirstGroup + element.place - 1), kFBlockTop + kPitch};
    }
    return {};
}

QLabel* AddLabel(QWidget* parent, const QString& text, const QRect& place,
                 Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(place);
    label->setAlignment(alignment);
    return label;
}

QFont SmallFont(const QWidget* widget, bool bold) {
    QFont font = widget->font();
    font.setPixelSize(11);
    font.setBold(bold);
    return font;
}

// A block heading with the dashed rule below it that brackets the block's columns.
void AddBlockHeading(QWidget* parent, const char* text, int first_group, int last_group, int top) {
    const int left = ColumnX(first_group);
    const int width = ColumnsWidth(first_group, last_group);
    QLabel* heading = AddLabel(parent, text, QRect(left, top, width, 26), Qt::AlignCenter);
    heading->setWordWrap(true);
    heading->setFont(SmallFont(parent, false));
    auto* rule = new QLabel(parent);
    rule->setGeometry(left, top + 27, width, 1);
    rule->setStyleSheet("border-top: 1px dashed gray;");
}

}  // namespace

TMolWtForm::TMolWtForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(kCaption);
    setFixedSize(kClientWidth, kClientHeight);

    AddBlockHeading(this, kMainGroupText, 1, 2, 1);
    AddBlockHeading(this, kTransitionText, 3, 12, 1);
    AddBlockHeading(this, kMainGroupText, 13, 18, 1);
    for (const GroupHeading& heading : kGroupHeadings) {
        QLabel* label = AddLabel(this, heading.text,
                                 QRect(ColumnX(heading.first_group), 30,
                                       ColumnsWidth(heading.first_group, heading.last_group), 16),
                                 Qt::AlignCenter);
        label->setFont(SmallFont(this, true));
    }
    for (int period = 1; period <= 7; ++period) {
        QLabel* label =
            AddLabel(this, QString::number(period),
                     QRect(2, RowY(period), kTableLeft - 6, kButtonSize), Qt::AlignCenter);
        label->setFont(SmallFont(this, true));
    }

    // Period 1 leaves groups 2 to 17 empty: the information lines sit there.
    AddLabel(this, kSelectedElementText, QRect(ColumnX(2) + 4, RowY(1), 110, 16));
    QFont info_font = font();
    info_font.setBold(true);
    QPalette info_palette = palette();
    info_palette.setColor(QPalette::WindowText, kInfoColor);
    HintLabel = AddLabel(this, kEmptyLine, QRect(ColumnX(2) + 118, RowY(1), 440, 16));
    Label35 = AddLabel(this, kEmptyLine, QRect(ColumnX(2) + 118, RowY(1) + 17, 440, 16));
    for (QLabel* line : {HintLabel, Label35}) {
        line->setFont(info_font);
        line->setPalette(info_palette);
    }
    HintLabel->setObjectName("HintLabel");
    Label35->setObjectName("Label35");

    // Periods 2 and 3 leave the transition-metal columns empty: the title and Cancel sit there.
    const QRect gap(ColumnX(3), RowY(2), ColumnsWidth(3, 12), 2 * kPitch - 2);
    QLabel* title = AddLabel(this, kTitleText, QRect(gap.left(), gap.top() + 8, gap.width(), 24),
                             Qt::AlignCenter);
    QFont title_font = font();
    title_font.setBold(true);
    title_font.setPointSizeF(title_font.pointSizeF() * 1.4);
    title->setFont(title_font);

    CancelButton = new QPushButton(kCancelText, this);
    CancelButton->setObjectName("CancelButton");
    CancelButton->setAutoDefault(false);
    CancelButton->setGeometry(gap.center().x() - 40, gap.bottom() - 30, 80, 25);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);

    AddBlockHeading(this, kInnerTransitionText, kFBlockFirstGroup, kFBlockFirstGroup + 13,
                    kFBlockTop - 30);
    AddLabel(this, kLanthanidesText,
             QRect(4, kFBlockTop, ColumnX(kFBlockFirstGroup) - 8, kButtonSize));
    AddLabel(this, kActinidesText,
             QRect(4, kFBlockTop + kPitch, ColumnX(kFBlockFirstGroup) - 8, kButtonSize));

    const QFont button_font = SmallFont(this, true);
    for (const ElementButton& element : ElementButtons()) {
        auto* button = new QPushButton(
            QString::fromUtf8(element.caption.data(), static_cast<int>(element.caption.size())),
            this);
        button->setObjectName(button->text());
        button->setProperty("Tag", element.index);
        button->setToolTip(
            QString::fromUtf8(element.hint.data(), static_cast<int>(element.hint.size())));
        button->setFont(button_font);
        button->setGeometry(QRect(ButtonPlace(element), QSize(kButtonSize, kButtonSize)));
        button->setMouseTracking(true);
        button->installEventFilter(this);
        connect(button, &QPushButton::clicked, this, [this, button] { AtmButtonClick(button); });
        buttons_.push_back(button);
    }

    QWidget* previous = nullptr;
    for (int index : ElementTabOrder()) {
        QWidget* next = buttons_[static_cast<std::size_t>(index)];
        if (previous != nullptr) setTabOrder(previous, next);
        previous = next;
    }
    setTabOrder(previous, CancelButton);
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
    if (const QScreen* desktop = screen())
        move(desktop->availableGeometry().center() - rect().center());
    if (exec() != QDialog::Accepted) return std::nullopt;
    return chosen_;
}

void TMolWtForm::AtmButtonClick(QPushButton* button) {
    const int tag = button->property("Tag").toInt();
    const std::string_view weight = ElementButtons()[static_cast<std::size_t>(tag)].weight;
    chosen_ = QString::fromUtf8(weight.data(), static_cast<int>(weight.size()));
    accept();
}

void TMolWtForm::AtmButtonEnter(QPushButton* button) { ShowElementLines(button); }

void TMolWtForm::AtmButtonMouseMove(QPushButton* button) {
    ShowElementLines(button);
    // The focus follows the mouse, so the highlighted button is the one the lines describe.
    button->setFocus(Qt::MouseFocusReason);
}

void TMolWtForm::ShowElementLines(QPushButton* button) {
    const int tag = button->property("Tag").toInt();
    HintLabel->setText(QString::fromStdString(HintLabelText(tag)));
    Label35->setText(QString::fromStdString(Label35Text(tag)));
}

bool TMolWtForm::eventFilter(QObject* watched, QEvent* event) {
    auto* button = qobject_cast<QPushButton*>(watched);
    if (button != nullptr && button->property("Tag").isValid()) {
        if (event->type() == QEvent::MouseMove) {
            AtmButtonMouseMove(button);
        } else if (event->type() == QEvent::FocusIn) {
            AtmButtonEnter(button);
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace brisalto
