// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "app/mouse_pad.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QFile>
#include <QFrame>
#include <QHash>
#include <QIcon>
#include <QKeyEvent>
#include <QPainter>
#include <QToolButton>
#include <initializer_list>
#include <limits>

namespace brisalto {
namespace {

// Key sizes, in pixels of the 469 x 240 panel.
constexpr int kFrameMargin = 3;
constexpr QSize kCaretKey(31, 24);
constexpr QSize kKey(30, 30);
constexpr QSize kVariableKey(28, 32);
constexpr QSize kFunctionKey(75, 22);
constexpr int kFunctionColumns = 3;

// Keypad Tags, row by row, of each group.
using TagRows = std::initializer_list<std::initializer_list<int>>;
constexpr TagRows kDigitRows = {{10, 11, 12}, {7, 8, 9}, {4, 5, 6}, {13, 0, 3}};
constexpr TagRows kOperatorRows = {{19, 14}, {18, 15}, {16, 17}, {21, 20}};
constexpr TagRows kZeroRows = {{1}, {2}};
constexpr TagRows kBracketRows = {{22, 23, 24, 25}, {28, 29, 26, 27}};
constexpr TagRows kVariableRows = {{30, 31}, {32, 33}, {34, 35}, {36, 37}, {38, 39}, {40, 41}};

// A pad key. Its picture fills it, so the keyboard focus is drawn as a ring over the picture.
class PadKey : public QToolButton {
  public:
    using QToolButton::QToolButton;

  protected:
    void paintEvent(QPaintEvent* event) override {
        QToolButton::paintEvent(event);
        if (!hasFocus()) return;
        QPainter painter(this);
        QPen pen(palette().color(QPalette::Active, QPalette::Highlight), 2);
        painter.setPen(pen);
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
};

// What the keypad keys are called aloud: the text on the key, spelled out.
const QHash<QString, QString>& SpokenKeypadTexts() {
    static const QHash<QString, QString> names = {
        {"0", QT_TRANSLATE_NOOP("brisalto::MousePad", "zero")},
        {"00", QT_TRANSLATE_NOOP("brisalto::MousePad", "double zero")},
        {"000", QT_TRANSLATE_NOOP("brisalto::MousePad", "triple zero")},
        {".", QT_TRANSLATE_NOOP("brisalto::MousePad", "decimal point")},
        {"1", QT_TRANSLATE_NOOP("brisalto::MousePad", "one")},
        {"2", QT_TRANSLATE_NOOP("brisalto::MousePad", "two")},
        {"3", QT_TRANSLATE_NOOP("brisalto::MousePad", "three")},
        {"4", QT_TRANSLATE_NOOP("brisalto::MousePad", "four")},
        {"5", QT_TRANSLATE_NOOP("brisalto::MousePad", "five")},
        {"6", QT_TRANSLATE_NOOP("brisalto::MousePad", "six")},
        {"7", QT_TRANSLATE_NOOP("brisalto::MousePad", "seven")},
        {"8", QT_TRANSLATE_NOOP("brisalto::MousePad", "eight")},
        {"9", QT_TRANSLATE_NOOP("brisalto::MousePad", "nine")},
        {"E", QT_TRANSLATE_NOOP("brisalto::MousePad", "exponent E")},
        {"+", QT_TRANSLATE_NOOP("brisalto::MousePad", "plus")},
        {"-", QT_TRANSLATE_NOOP("brisalto::MousePad", "minus")},
        {"*", QT_TRANSLATE_NOOP("brisalto::MousePad", "times")},
        {"/", QT_TRANSLATE_NOOP("brisalto::MousePad", "divided by")},
        {"^", QT_TRANSLATE_NOOP("brisalto::MousePad", "power")},
        {"!", QT_TRANSLATE_NOOP("brisalto::MousePad", "factorial")},
        {"%", QT_TRANSLATE_NOOP("brisalto::MousePad", "remainder")},
        {"=", QT_TRANSLATE_NOOP("brisalto::MousePad", "equals")},
        {"(", QT_TRANSLATE_NOOP("brisalto::MousePad", "opening bracket")},
        {")", QT_TRANSLATE_NOOP("brisalto::MousePad", "closing bracket")},
        {"{", QT_TRANSLATE_NOOP("brisalto::MousePad", "opening brace")},
        {"}", QT_TRANSLATE_NOOP("brisalto::MousePad", "closing brace")},
        {"<", QT_TRANSLATE_NOOP("brisalto::MousePad", "opening angle bracket")},
        {">", QT_TRANSLATE_NOOP("brisalto::MousePad", "closing angle bracket")},
        {"[", QT_TRANSLATE_NOOP("brisalto::MousePad", "opening square bracket")},
        {"]", QT_TRANSLATE_NOOP("brisalto::MousePad", "closing square bracket")},
    };
    return names;
}

// Hints that read badly aloud.
const QHash<QString, QString>& SpokenFunctionHints() {
    static const QHash<QString, QString> names = {
        {"xlog", QT_TRANSLATE_NOOP("brisalto::MousePad", "ten to the power x")},
        {"logn", QT_TRANSLATE_NOOP("brisalto::MousePad", "logarithm to base n")},
    };
    return names;
}

// A pad group is a named grouping for assistive technology, not an anonymous frame.
constexpr char kPadGroupProperty[] = "brisaltoPadGroup";

QAccessibleInterface* PadGroupAccessible(const QString&, QObject* object) {
    if (object == nullptr || !object->isWidgetType() ||
        !object->property(kPadGroupProperty).toBool())
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Grouping);
}

QFrame* MakeBevel(QWidget* panel, const QString& name, int x, int y, int width, int height) {
    static const bool installed = [] {
        QAccessible::installFactory(PadGroupAccessible);
        return true;
    }();
    Q_UNUSED(installed);
    auto* bevel = new QFrame(panel);
    bevel->setProperty(kPadGroupProperty, true);
    bevel->setAccessibleName(name);
    bevel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bevel->setGeometry(x, y, width, height);
    return bevel;
}

}  // namespace

QString KeypadKeyName(const QString& text) {
    const QString spoken = SpokenKeypadTexts().value(text);
    if (!spoken.isEmpty()) return MousePad::tr(spoken.toUtf8().constData());
    return MousePad::tr("variable %1").arg(text);
}

QString KeypadKeyDescription(const QString& text) { return MousePad::tr("inserts %1").arg(text); }

QString FunctionKeyName(const QString& name, const QString& hint) {
    const QString spoken = SpokenFunctionHints().value(name);
    return spoken.isEmpty() ? hint.toLower() : MousePad::tr(spoken.toUtf8().constData());
}

QString FunctionKeyDescription(const QString& name, const QString& hint) {
    return MousePad::tr("%1, inserts %2()").arg(FunctionKeyName(name, hint), name);
}

QToolButton* MousePad::AddKey(QWidget* group, const QString& picture, const QString& face,
                              QRect place, const QString& name, const QString& description) {
    auto* key = new PadKey(group);
    key->setAutoRaise(true);
    // One key at a time is the pad's Tab stop; a click never takes the focus from the line.
    key->setFocusPolicy(all_.empty() ? Qt::TabFocus : Qt::NoFocus);
    key->setGeometry(place);
    if (QFile::exists(picture)) {
        key->setIcon(QIcon(picture));
        key->setIconSize(place.size() - QSize(2, 2));
    } else {
        key->setText(face);
    }
    key->setAccessibleName(name);
    key->setAccessibleDescription(description);
    key->installEventFilter(this);
    all_.push_back(key);
    return key;
}

void MousePad::PlaceKeypadRows(QWidget* group, TagRows rows, QSize key, const QStringList& texts,
                               int first_row) {
    key = Px(key);
    const int margin = Px(kFrameMargin);
    int row = first_row;
    for (const auto& tags : rows) {
        int column = 0;
        for (int tag : tags) {
            const QString text = texts.value(tag);
            QToolButton* button = AddKey(
                group, QStringLiteral(":/pad/keypad_%1.svg").arg(tag), text,
                QRect(QPoint(margin + column * key.width(), margin + row * key.height()), key),
                KeypadKeyName(text), KeypadKeyDescription(text));
            connect(button, &QToolButton::clicked, this, [this, text] { emit textKey(text); });
            keypad_[static_cast<std::size_t>(tag)] = button;
            ++column;
        }
        ++row;
    }
}

MousePad::MousePad(const QStringList& keypad_texts, const QStringList& function_names,
                   const QStringList& function_hints, QWidget* parent, double scale)
    : QWidget(parent),
      keypad_(kKeypadKeyCount, nullptr),
      functions_(kFunctionKeyCount, nullptr),
      scale_(scale) {
    setFixedHeight(Px(kToolsPanelHeight));
    const int margin = Px(kFrameMargin);
    const auto group_width = [&](int columns, QSize key) {
        return 2 * margin + columns * Px(key).width();
    };
    const auto group_height = [&](int rows, QSize key) {
        return 2 * margin + rows * Px(key).height();
    };

    // Left column of groups: caret row on top, digits and operators, then zeros and brackets.
    const int left_x = Px(2);
    const int caret_y = Px(2);
    QFrame* caret = MakeBevel(this, tr("editing keys"), left_x, caret_y, group_width(5, kCaretKey),
                              group_height(1, kCaretKey));
    struct CaretKey {
        const char* object_name;
        const char* picture;
        const char* face;
        const char* name;
        const char* description;
    };
    const CaretKey caret_keys[] = {
        {"FirstButton", ":/pad/first.svg", "|<", QT_TR_NOOP("caret to the start"),
         QT_TR_NOOP("moves the command line's caret to its start")},
        {"LeftButton", ":/pad/left.svg", "<", QT_TR_NOOP("caret left"),
         QT_TR_NOOP("moves the command line's caret one character left")},
        {"RightButton", ":/pad/right.svg", ">", QT_TR_NOOP("caret right"),
         QT_TR_NOOP("moves the command line's caret one character right")},
        {"LastButton", ":/pad/last.svg", ">|", QT_TR_NOOP("caret to the end"),
         QT_TR_NOOP("moves the command line's caret to its end")},
        {"Button2", ":/pad/delete.svg", "Del", QT_TR_NOOP("delete"),
         QT_TR_NOOP("deletes the selection or the character before the caret")},
    };
    for (int column = 0; column < 5; ++column) {
        const CaretKey& k = caret_keys[column];
        QToolButton* key =
            AddKey(caret, QString::fromLatin1(k.picture), QString::fromLatin1(k.face),
                   QRect(QPoint(margin + column * Px(kCaretKey).width(), margin), Px(kCaretKey)),
                   tr(k.name), tr(k.description));
        key->setObjectName(QString::fromLatin1(k.object_name));
        if (column < 4) {
            const auto move = static_cast<CaretMove>(column);
            connect(key, &QToolButton::clicked, this, [this, move] { emit caretKey(move); });
        } else {
            connect(key, &QToolButton::clicked, this, &MousePad::deleteKey);
        }
    }

    const int digits_y = caret_y + caret->height() + Px(4);
    QFrame* digits = MakeBevel(this, tr("digits"), left_x, digits_y, group_width(3, kKey),
                               group_height(4, kKey));
    PlaceKeypadRows(digits, kDigitRows, kKey, keypad_texts);
    QFrame* operators = MakeBevel(this, tr("operators"), left_x + digits->width() + Px(2), digits_y,
                                  group_width(2, kKey), group_height(4, kKey));
    PlaceKeypadRows(operators, kOperatorRows, kKey, keypad_texts);

    const int lower_y = digits_y + digits->height() + Px(4);
    QFrame* zeros =
        MakeBevel(this, tr("zeros"), left_x, lower_y, group_width(1, kKey), group_height(2, kKey));
    PlaceKeypadRows(zeros, kZeroRows, kKey, keypad_texts);
    QFrame* brackets = MakeBevel(this, tr("brackets"), left_x + zeros->width() + Px(2), lower_y,
                                 group_width(4, kKey), group_height(2, kKey));
    PlaceKeypadRows(brackets, kBracketRows, kKey, keypad_texts);

    // Variables: the wide answer key on top of six rows of two.
    const int variables_x = operators->x() + operators->width() + Px(4);
    QFrame* variables = MakeBevel(this, tr("variables"), variables_x, Px(2),
                                  group_width(2, kVariableKey), group_height(7, kVariableKey));
    QToolButton* answer =
        AddKey(variables, QStringLiteral(":/pad/answer.svg"), QStringLiteral("A"),
               QRect(margin, margin, 2 * Px(kVariableKey).width(), Px(kVariableKey).height()),
               tr("answer A"), tr("inserts A, the last answer"));
    answer->setObjectName(QStringLiteral("Button29"));
    connect(answer, &QToolButton::clicked, this, &MousePad::answerKey);
    PlaceKeypadRows(variables, kVariableRows, kVariableKey, keypad_texts, 1);

    // Functions fill the right half, three to a row.
    const int functions_x = variables_x + variables->width() + Px(4);
    const int function_rows = (kFunctionKeyCount + kFunctionColumns - 1) / kFunctionColumns;
    QFrame* functions = MakeBevel(this, tr("functions"), functions_x, Px(3),
                                  group_width(kFunctionColumns, kFunctionKey),
                                  group_height(function_rows, kFunctionKey));
    for (int tag = 0; tag < kFunctionKeyCount; ++tag) {
        const QString name = function_names.value(tag);
        const QString hint = function_hints.value(tag);
        const QPoint place(margin + (tag % kFunctionColumns) * Px(kFunctionKey).width(),
                           margin + (tag / kFunctionColumns) * Px(kFunctionKey).height());
        QToolButton* key = AddKey(functions, QStringLiteral(":/pad/func_%1.svg").arg(tag), name,
                                  QRect(place, Px(kFunctionKey)), FunctionKeyName(name, hint),
                                  FunctionKeyDescription(name, hint));
        key->setToolTip(hint);
        connect(key, &QToolButton::clicked, this, [this, name] { emit functionKey(name); });
        functions_[static_cast<std::size_t>(tag)] = key;
    }
}

QToolButton* MousePad::Neighbour(const QToolButton* from, int arrow) const {
    const auto centre = [this](const QToolButton* key) {
        return key->mapTo(this, key->rect().center());
    };
    const QPoint start = centre(from);
    QToolButton* best = nullptr;
    int best_score = std::numeric_limits<int>::max();
    for (QToolButton* key : all_) {
        const QPoint d = centre(key) - start;
        int along = 0;
        int across = 0;
        switch (arrow) {
            case Qt::Key_Right:
                along = d.x(), across = d.y();
                break;
            case Qt::Key_Left:
                along = -d.x(), across = d.y();
                break;
            case Qt::Key_Down:
                along = d.y(), across = d.x();
                break;
            case Qt::Key_Up:
                along = -d.y(), across = d.x();
                break;
            default:
                return nullptr;
        }
        if (along <= 0) continue;
        // Staying in the row (or column) counts more than being close.
        const int score = along + 3 * std::abs(across);
        if (score < best_score) {
            best_score = score;
            best = key;
        }
    }
    return best;
}

void MousePad::MoveFocusTo(QToolButton* key) {
    for (QToolButton* other : all_) {
        if (other != key) other->setFocusPolicy(Qt::NoFocus);
    }
    key->setFocusPolicy(Qt::TabFocus);
    key->setFocus(Qt::OtherFocusReason);
}

bool MousePad::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QToolButton*>(watched);
    const auto* press = static_cast<QKeyEvent*>(event);
    if (press->modifiers() & ~Qt::KeypadModifier) return QWidget::eventFilter(watched, event);
    switch (press->key()) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
            if (QToolButton* next = Neighbour(key, press->key())) MoveFocusTo(next);
            return true;
        case Qt::Key_Home:
            MoveFocusTo(all_.front());
            return true;
        case Qt::Key_End:
            MoveFocusTo(all_.back());
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // Enter presses the key here; it must not reach the window's default button.
            key->click();
            return true;
        default:
            return QWidget::eventFilter(watched, event);
    }
}

}  // namespace brisalto
