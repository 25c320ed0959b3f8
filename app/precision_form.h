// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The precision dialog of the Format menu: a spin field for 0 to 20 decimals with a live
// example of the resulting number pattern.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QSpinBox;

namespace brisalto {

class Calculator;

class TPrecisionForm : public QDialog {
    Q_OBJECT

  public:
    // The dialog of this calculator, which must outlive it.
    explicit TPrecisionForm(Calculator& calculator, QWidget* parent = nullptr);

    // Opens on the calculator's precision; OK hands the chosen one to SetPrecision. True on OK.
    bool Run();

    // The spin field's value as the dialog reads it: a whole number brought into 0..20,
    // any other text 0.
    int PrecisionValue() const;

    // Shows the example number formatted with the pattern of the spin field's value.
    void PrecisionCSpinEditChange();

    QSpinBox* PrecisionCSpinEdit = nullptr;
    QLabel* ExampleLabel = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* CancelButton = nullptr;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void FormCreate();

    Calculator& calculator_;
};

}  // namespace brisalto
