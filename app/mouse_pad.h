// The mouse button pad inside ToolsPanel: keypad, function, caret, delete and answer keys in
// their framed groups. The keys only carry their Tag and picture; TMainForm's handlers edit.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

class QToolButton;
class QWidget;

namespace brisalto {

inline constexpr int kKeypadKeyCount = 42;
inline constexpr int kFunctionKeyCount = 30;
inline constexpr int kToolsPanelWidth = 469;
inline constexpr int kToolsPanelHeight = 240;

struct MousePadKeys {
    std::vector<QToolButton*> keypad;     // index = Tag into KeypadTexts
    std::vector<QToolButton*> functions;  // index = Tag into FunctionButtonNames
    QToolButton* first = nullptr;
    QToolButton* left = nullptr;
    QToolButton* right = nullptr;
    QToolButton* last = nullptr;
    QToolButton* del = nullptr;     // Button2
    QToolButton* answer = nullptr;  // Button29
};

// Builds every key into panel. The key faces come from the ":/pad/" pictures; a missing picture
// falls back to the key's text so that the pad stays usable. Function keys get their hints.
MousePadKeys BuildMousePad(QWidget* panel, const QStringList& keypad_texts,
                           const QStringList& function_names, const QStringList& function_hints);

// The Tag a pad key was built with, -1 for a key without one.
int PadKeyTag(const QToolButton* key);

}  // namespace brisalto
