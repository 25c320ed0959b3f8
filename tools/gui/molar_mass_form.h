// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The molar mass dialog: a formula typed in, its molar mass and composition shown on every
// keystroke, and the molar mass returned by "Insert Value".
#pragma once

#include <QDialog>
#include <QString>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace brisalto {

class TMolarMassForm : public QDialog {
    Q_OBJECT

  public:
    explicit TMolarMassForm(QWidget* parent = nullptr);

    // Shows the dialog modally: the molar mass text ("98.07948") on "Insert Value" or Enter,
    // nothing on Cancel, Esc or the close box. The formula is kept between showings.
    std::optional<QString> Run();

    // Every change of the formula: the molar mass, the composition, or the formula's fault.
    void FormulaEditChange();

    QLineEdit* FormulaEdit = nullptr;
    QLineEdit* MolarMassEdit = nullptr;
    QLabel* MessageLabel = nullptr;
    QTableWidget* CompositionTable = nullptr;
    QPushButton* InsertButton = nullptr;
    QPushButton* CancelButton = nullptr;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QString molar_mass_;  // empty while the formula has none
};

}  // namespace brisalto
