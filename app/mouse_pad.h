// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The mouse button pad (ToolsPanel): keypad, function, caret, delete and answer keys in their
// framed groups. It edits nothing itself: each key emits what it means, and the main window
// applies that to the command line. Keyboard users reach it with Tab (one stop for the whole
// pad), move between keys with the arrow keys, and press a key with Space or Enter.
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <vector>

class QToolButton;

namespace brisalto {

inline constexpr int kKeypadKeyCount = 42;
inline constexpr int kFunctionKeyCount = 30;
inline constexpr int kToolsPanelWidth = 469;
inline constexpr int kToolsPanelHeight = 240;

enum class CaretMove { kFirst, kLeft, kRight, kLast };

class MousePad : public QWidget {
    Q_OBJECT

  public:
    // Drawn at scale times the design's pixel sizes. keypad_texts (42) and function_names (30 or
    // more) give what the keys insert; the hints are the function keys' tool tips. The key faces
    // come from the ":/pad/" pictures; a missing picture falls back to the key's text so that the
    // pad stays usable.
    MousePad(const QStringList& keypad_texts, const QStringList& function_names,
             const QStringList& function_hints, QWidget* parent = nullptr, double scale = 1.0);

    // Index = Tag into KeypadTexts and FunctionButtonNames.
    const std::vector<QToolButton*>& KeypadKeys() const { return keypad_; }
    const std::vector<QToolButton*>& FunctionKeys() const { return functions_; }
    // Every key, in reading order of the groups.
    const std::vector<QToolButton*>& AllKeys() const { return all_; }

  signals:
    // A keypad key: its text, to insert with the answer prefix.
    void textKey(const QString& text);
    // A function key: the function's name, to insert with its brackets.
    void functionKey(const QString& name);
    void caretKey(brisalto::CaretMove move);
    void deleteKey();
    void answerKey();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // A length of the design, drawn at the pad's scale.
    int Px(int design_pixels) const { return qRound(design_pixels * scale_); }
    QSize Px(QSize design) const { return QSize(Px(design.width()), Px(design.height())); }

    QToolButton* AddKey(QWidget* group, const QString& picture, const QString& face, QRect place,
                        const QString& name, const QString& description);
    void PlaceKeypadRows(QWidget* group, std::initializer_list<std::initializer_list<int>> rows,
                         QSize key, const QStringList& texts, int first_row = 0);
    // The nearest key from `from` in the direction of an arrow key, or nullptr.
    QToolButton* Neighbour(const QToolButton* from, int arrow) const;
    // Makes key the pad's one Tab stop and gives it the focus.
    void MoveFocusTo(QToolButton* key);

    std::vector<QToolButton*> keypad_;
    std::vector<QToolButton*> functions_;
    std::vector<QToolButton*> all_;
    double scale_ = 1.0;
};

// The spoken name and the description of each key, as assistive technology reads them.
QString KeypadKeyName(const QString& text);
QString KeypadKeyDescription(const QString& text);
QString FunctionKeyName(const QString& name, const QString& hint);
QString FunctionKeyDescription(const QString& name, const QString& hint);

}  // namespace brisalto
