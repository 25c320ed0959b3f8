// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The background-colours dialog of the Format menu: one colour box for the command line and
// one for the results window, with Reset to aqua and the system window colour.
#pragma once

#include <QDialog>

#include "app/color_value.h"

class QComboBox;
class QPushButton;

namespace brisalto {

class TBkgrdForm : public QDialog {
    Q_OBJECT

  public:
    explicit TBkgrdForm(QWidget* parent = nullptr);

    // Opens with the two colours selected; on OK writes the chosen ones back and returns true.
    // A colour the lists do not hold leaves its box without a selection and is kept on OK.
    bool Run(TColor& cmd_color, TColor& results_color);

    // Reset: aqua for the command line, the system window colour for the results window.
    void Button3Click();

    QComboBox* CmdColorBox = nullptr;
    QComboBox* ResultsColorBox = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QPushButton* Button3 = nullptr;  // "Reset"
};

}  // namespace brisalto
