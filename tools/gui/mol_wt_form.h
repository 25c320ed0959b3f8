// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The periodic table picker: one button per element of the element table, laid out as the
// table is drawn, that shows the element's name, weight and atomic number on hover or focus
// and returns its weight text when pressed; arrows, Home, End and typed symbols move on it.
#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

#include "tools/element_grid.h"

class QLabel;
class QPushButton;
class QScrollArea;

namespace brisalto {

class TMolWtForm : public QDialog {
    Q_OBJECT

  public:
    explicit TMolWtForm(QWidget* parent = nullptr);

    // Shows the table modally: the weight text of the pressed element, nothing on Esc or the
    // close box.
    std::optional<QString> Run();

    // The element button of an element-table index (its Tag).
    QPushButton* AtmButton(int index) const;

    void AtmButtonClick(QPushButton* button);
    void AtmButtonEnter(QPushButton* button);
    void AtmButtonMouseMove(QPushButton* button);

    QLabel* HintLabel = nullptr;
    QLabel* Label35 = nullptr;
    QPushButton* CancelButton = nullptr;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  public:
    // The table's own size, or the screen's free area when that is smaller: the table then
    // scrolls, and the focused element is always scrolled into view.
    QSize sizeHint() const override;

  private:
    void ShowElementLines(QPushButton* button);
    // The two information lines of an element: its name and weight, its atomic number.
    static std::pair<QString, QString> ElementLines(const ElementButton& element);
    bool MoveByKey(QPushButton* button, const QKeyEvent& key);
    void FitInfoLines();
    void DrawRules();

    QScrollArea* scroll_ = nullptr;
    QWidget* sheet_ = nullptr;
    std::vector<QPushButton*> buttons_;
    std::vector<QLabel*> ruled_headings_;
    std::optional<QString> chosen_;
    SymbolTypeAhead type_ahead_;
    QElapsedTimer typing_clock_;
};

}  // namespace brisalto
