// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The unit conversion dialog: a family, a value and two units, with the converted value shown
// on every keystroke and pick and returned by "Insert Value".
#pragma once

#include <QDialog>
#include <QString>
#include <optional>

#include "tools/conversion_registry.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace brisalto {

class TConvForm : public QDialog {
    Q_OBJECT

  public:
    // Runs FormCreate, which registers the program's unit families once per process.
    explicit TConvForm(QWidget* parent = nullptr);

    // Shows the dialog modally: the result field's text on "Insert Value" (or Enter), nothing on
    // Cancel, Esc or the close box. The family and the value are kept between showings.
    std::optional<QString> Run();

    void FormCreate();
    void FormShow();
    void FamilyComboBoxSelect();
    void ConvValueEditChange();

    QComboBox* FamilyComboBox = nullptr;
    QLineEdit* ConvValueEdit = nullptr;
    QComboBox* ConvFromComboBox = nullptr;
    QLineEdit* ConvertedValueEdit = nullptr;
    QComboBox* ConvToComboBox = nullptr;
    QPushButton* InsertButton = nullptr;
    QPushButton* CancelButton = nullptr;
    // An error of ConvValueEditChange other than an overflow, shown in red under the fields; a
    // message box would take the keys the user goes on typing. Hidden while the value converts.
    QLabel* ErrorLabel = nullptr;

    // The family last selected and the units last looked up from the two unit lists.
    TConvFamily CurrentFamily = 0;
    TConvType FromUnit = 0;
    TConvType ToUnit = 0;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void ShowError(const QString& message);
};

}  // namespace brisalto
