#include "app/mouse_pad.h"

#include <QFile>
#include <QFrame>
#include <QIcon>
#include <QToolButton>
#include <QWidget>
#include <initializer_list>

namespace brisalto {
namespace {

constexpr char kTagProperty[] = "Tag";

// Key sizes and group origins, in pixels of the 469 x 240 panel.
constexpr int kFrameMargin = 3;
constexpr int kCaretKeyWidth = 31;
constexpr int kCaretKeyHeight = 24;
constexpr int kKeyWidth = 30;
constexpr int kKeyHeight = 30;
constexpr int kVariableKeyWidth = 28;
constexpr int kVariableKeyHeight = 32;
constexpr int kFunctionKeyWidth = 75;
constexpr int kFunctionKeyHeight = 22;
constexpr int kFunctionColumns = 3;

// Keypad Tags, row by row, of each group.
using TagRows = std::initializer_list<std::initializer_list<int>>;
constexpr TagRows kDigitRows = {{10, 11, 12}, {7, 8, 9}, {4, 5, 6}, {13, 0, 3}};
constexpr TagRows kOperatorRows = {{19, 14}, {18, 15}, {16, 17}, {21, 20}};
constexpr TagRows kZeroRows = {{1}, {2}};
constexpr TagRows kBracketRows = {{22, 23, 24, 25}, {28, 29, 26, 27}};
constexpr TagRows kVariableRows = {{30, 31}, {32, 33}, {34, 35}, {36, 37}, {38, 39}, {40, 41}};

QFrame* MakeBevel(QWidget* panel, int x, int y, int width, int height) {
    auto* bevel = new QFrame(panel);
    bevel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bevel->setGeometry(x, y, width, height);
    return bevel;
}

QToolButton* MakeKey(QWidget* parent, const QString& picture, const QString& fallback_text, int x,
                     int y, int width, int height) {
    auto* key = new QToolButton(parent);
    key->setAutoRaise(true);
    key->setFocusPolicy(Qt::NoFocus);
    key->setGeometry(x, y, width, height);
    if (QFile::exists(picture)) {
        key->setIcon(QIcon(picture));
        key->setIconSize(QSize(width - 2, height - 2));
    } else {
        key->setText(fallback_text);
    }
    return key;
}

void PlaceKeypadRows(MousePadKeys& keys, QWidget* bevel, TagRows rows, int key_width,
                     int key_height, const QStringList& texts, int first_row = 0) {
    int row = first_row;
    for (const auto& tags : rows) {
        int column = 0;
        for (int tag : tags) {
            QToolButton* key = MakeKey(bevel, QStringLiteral(":/pad/keypad_%1.svg").arg(tag),
                                       texts.value(tag), kFrameMargin + column * key_width,
                                       kFrameMargin + row * key_height, key_width, key_height);
            key->setProperty(kTagProperty, tag);
            keys.keypad[static_cast<std::size_t>(tag)] = key;
            ++column;
        }
        ++row;
    }
}

int GroupWidth(int columns, int key_width) { return 2 * kFrameMargin + columns * key_width; }
int GroupHeight(int rows, int key_height) { return 2 * kFrameMargin + rows * key_height; }

}  // namespace

int PadKeyTag(const QToolButton* key) {
    const QVariant tag = key->property(kTagProperty);
    return tag.isValid() ? tag.toInt() : -1;
}

MousePadKeys BuildMousePad(QWidget* panel, const QStringList& keypad_texts,
                           const QStringList& function_names, const QStringList& function_hints) {
    MousePadKeys keys;
    keys.keypad.assign(kKeypadKeyCount, nullptr);
    keys.functions.assign(kFunctionKeyCount, nullptr);

    // Left column of groups: caret row on top, digits and operators, then zeros and brackets.
    const int left_x = 2;
    const int caret_y = 2;
    QFrame* caret = MakeBevel(panel, left_x, caret_y, GroupWidth(5, kCaretKeyWidth),
                              GroupHeight(1, kCaretKeyHeight));
    struct CaretKey {
        QToolButton** slot;
        const char* picture;
        const char* text;
    };
    const CaretKey caret_keys[] = {{&keys.first, ":/pad/first.svg", "|<"},
                                   {&keys.left, ":/pad/left.svg", "<"},
                                   {&keys.right, ":/pad/right.svg", ">"},
                                   {&keys.last, ":/pad/last.svg", ">|"},
                                   {&keys.del, ":/pad/delete.svg", "Del"}};
    int column = 0;
    for (const CaretKey& k : caret_keys) {
        *k.slot = MakeKey(caret, QString::fromLatin1(k.picture), QString::fromLatin1(k.text),
                          kFrameMargin + column * kCaretKeyWidth, kFrameMargin, kCaretKeyWidth,
                          kCaretKeyHeight);
        ++column;
    }

    const int digits_y = caret_y + caret->height() + 4;
    QFrame* digits =
        MakeBevel(panel, left_x, digits_y, GroupWidth(3, kKeyWidth), GroupHeight(4, kKeyHeight));
    PlaceKeypadRows(keys, digits, kDigitRows, kKeyWidth, kKeyHeight, keypad_texts);
    QFrame* operators = MakeBevel(panel, left_x + digits->width() + 2, digits_y,
                                  GroupWidth(2, kKeyWidth), GroupHeight(4, kKeyHeight));
    PlaceKeypadRows(keys, operators, kOperatorRows, kKeyWidth, kKeyHeight, keypad_texts);

    const int lower_y = digits_y + digits->height() + 4;
    QFrame* zeros =
        MakeBevel(panel, left_x, lower_y, GroupWidth(1, kKeyWidth), GroupHeight(2, kKeyHeight));
    PlaceKeypadRows(keys, zeros, kZeroRows, kKeyWidth, kKeyHeight, keypad_texts);
    QFrame* brackets = MakeBevel(panel, left_x + zeros->width() + 2, lower_y,
                                 GroupWidth(4, kKeyWidth), GroupHeight(2, kKeyHeight));
    PlaceKeypadRows(keys, brackets, kBracketRows, kKeyWidth, kKeyHeight, keypad_texts);

    // Variables: the wide answer key on top of six rows of two.
    const int variables_x = operators->x() + operators->width() + 4;
    QFrame* variables = MakeBevel(panel, variables_x, 2, GroupWidth(2, kVariableKeyWidth),
                                  GroupHeight(7, kVariableKeyHeight));
    keys.answer = MakeKey(variables, QStringLiteral(":/pad/answer.svg"), QStringLiteral("A"),
                          kFrameMargin, kFrameMargin, 2 * kVariableKeyWidth, kVariableKeyHeight);
    PlaceKeypadRows(keys, variables, kVariableRows, kVariableKeyWidth, kVariableKeyHeight,
                    keypad_texts, 1);

    // Functions fill the right half, three to a row.
    const int functions_x = variables_x + variables->width() + 4;
    const int function_rows = (kFunctionKeyCount + kFunctionColumns - 1) / kFunctionColumns;
    QFrame* functions =
        MakeBevel(panel, functions_x, 3, GroupWidth(kFunctionColumns, kFunctionKeyWidth),
                  GroupHeight(function_rows, kFunctionKeyHeight));
    for (int tag = 0; tag < kFunctionKeyCount; ++tag) {
        const int row = tag / kFunctionColumns;
        const int col = tag % kFunctionColumns;
        QToolButton* key =
            MakeKey(functions, QStringLiteral(":/pad/func_%1.svg").arg(tag),
                    function_names.value(tag), kFrameMargin + col * kFunctionKeyWidth,
                    kFrameMargin + row * kFunctionKeyHeight, kFunctionKeyWidth, kFunctionKeyHeight);
        key->setProperty(kTagProperty, tag);
        key->setToolTip(function_hints.value(tag));
        keys.functions[static_cast<std::size_t>(tag)] = key;
    }
    return keys;
}

}  // namespace brisalto
