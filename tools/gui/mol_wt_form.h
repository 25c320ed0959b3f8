// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The periodic table picker: 115 element buttons that show an element's name, weight and
// atomic number on hover or focus and return its weight text when pressed.
#pragma once

#include <QDialog>
#include <QString>
#include <optional>
#include <vector>

class QLabel;
class QPushButton;

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

  private:
    void ShowElementLines(QPushButton* button);

    std::vector<QPushButton*> buttons_;
    std::optional<QString> chosen_;
};

}  // namespace brisalto
