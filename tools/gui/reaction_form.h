// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The reaction dialog: a reaction typed in is balanced on every keystroke and shown with sub- and
// superscripts; with amounts given, the table of every species, and "Insert Value" returns the
// number of the selected cell.
#pragma once

#include <QDialog>
#include <QString>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace brisalto {

class TReactionForm : public QDialog {
    Q_OBJECT

  public:
    explicit TReactionForm(QWidget* parent = nullptr);

    // Shows the dialog modally: the selected number on "Insert Value" or Enter, nothing on
    // Cancel, Esc or the close box. What was typed is kept between showings.
    std::optional<QString> Run();

    // Every change of the reaction or the amounts.
    void Update();
    // The number "Insert Value" returns; empty when no cell holds one.
    QString SelectedValue() const;

    QLineEdit* ReactionEdit = nullptr;
    QLabel* EquationLabel = nullptr;
    QLineEdit* GivenEdit = nullptr;
    QLineEdit* YieldEdit = nullptr;
    QLabel* MessageLabel = nullptr;
    QTableWidget* AmountsTable = nullptr;
    QLabel* SummaryLabel = nullptr;
    QPushButton* InsertButton = nullptr;
    QPushButton* CancelButton = nullptr;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void ShowMessage(const QString& text);
    void FillTable(const std::vector<QStringList>& rows, int default_column);
};

}  // namespace brisalto
