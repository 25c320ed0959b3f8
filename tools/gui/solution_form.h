// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The solution dialog: the mass to weigh for a solution (or its concentration from a mass) with
// the recipe in words, and a dilution by C1·V1 = C2·V2; "Insert Value" returns the number of the
// part last typed in.
#pragma once

#include <QDialog>
#include <QString>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace brisalto {

class TSolutionForm : public QDialog {
    Q_OBJECT

  public:
    explicit TSolutionForm(QWidget* parent = nullptr);

    // Shows the dialog modally: the number on "Insert Value" or Enter, nothing on Cancel, Esc
    // or the close box. What was typed is kept between showings.
    std::optional<QString> Run();

    void Update();
    // The number "Insert Value" returns; empty when the part last typed in has none.
    QString SelectedValue() const;

    QLineEdit* FormulaEdit = nullptr;
    QLineEdit* ConcentrationEdit = nullptr;
    QLineEdit* MassEdit = nullptr;
    QLineEdit* VolumeEdit = nullptr;
    QLineEdit* SolutionResultEdit = nullptr;
    QLabel* RecipeLabel = nullptr;
    QLineEdit* C1Edit = nullptr;
    QLineEdit* V1Edit = nullptr;
    QLineEdit* C2Edit = nullptr;
    QLineEdit* V2Edit = nullptr;
    QLineEdit* DilutionResultEdit = nullptr;
    QLabel* SolventLabel = nullptr;
    QLabel* MessageLabel = nullptr;
    QPushButton* InsertButton = nullptr;
    QPushButton* CancelButton = nullptr;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void UpdateSolution(QStringList& messages);
    void UpdateDilution(QStringList& messages);

    QString solution_value_;
    QString dilution_value_;
    bool dilution_last_ = false;  // the dilution was typed in last
};

}  // namespace brisalto
