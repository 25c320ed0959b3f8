// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "tools/gui/solution_form.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "engine/number_text.h"
#include "tools/gui/insert_buttons.h"
#include "tools/gui/message_text.h"
#include "tools/gui/palette_colors.h"
#include "tools/molar_mass.h"
#include "tools/solution.h"

namespace brisalto {
namespace {

QString Utf8(const std::string& text) { return QString::fromStdString(text); }

QLineEdit* Edit(QWidget* parent, const char* name, const QString& hint) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setPlaceholderText(hint);
    MakePlaceholderReadable(edit);
    // The hint is what says how to use the field: it is never cut, in any language.
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(hint + QStringLiteral("MM")));
    return edit;
}

QLineEdit* ResultEdit(QWidget* parent, const char* name) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::ClickFocus);
    return edit;
}

std::optional<Quantity> Optional(const QLineEdit* edit, Quantity (*parse)(std::string_view)) {
    const QString text = edit->text().trimmed();
    if (text.isEmpty() || text == QLatin1String("?")) return std::nullopt;
    return parse(text.toStdString());
}

}  // namespace

TSolutionForm::TSolutionForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Solution"));

    FormulaEdit = Edit(this, "FormulaEdit", tr("e.g. CuSO4·5H2O"));
    FormulaEdit->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('M')) * 24);
    ConcentrationEdit = Edit(this, "ConcentrationEdit", tr("e.g. 0.1 M, 5 g/L, 2 % w/v"));
    MassEdit = Edit(this, "MassEdit", tr("or the mass weighed, e.g. 6.24 g"));
    VolumeEdit = Edit(this, "VolumeEdit", tr("e.g. 250 mL"));
    SolutionResultEdit = ResultEdit(this, "SolutionResultEdit");
    RecipeLabel = new QLabel(this);
    RecipeLabel->setObjectName("RecipeLabel");
    RecipeLabel->setWordWrap(true);
    RecipeLabel->setTextFormat(Qt::PlainText);
    RecipeLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    RecipeLabel->setAccessibleName(tr("Recipe"));
    // Room kept for two lines: the dialog is sized once, before any text comes.
    RecipeLabel->setMinimumHeight(fontMetrics().lineSpacing() * 2);

    auto* solution_box = new QGroupBox(tr("Solution to prepare"), this);
    auto* solution_form = new QFormLayout(solution_box);
    solution_form->addRow(tr("&Formula"), FormulaEdit);
    solution_form->addRow(tr("&Concentration"), ConcentrationEdit);
    solution_form->addRow(tr("M&ass"), MassEdit);
    solution_form->addRow(tr("&Volume"), VolumeEdit);
    solution_form->addRow(tr("Result"), SolutionResultEdit);
    solution_form->addRow(RecipeLabel);

    C1Edit = Edit(this, "C1Edit", tr("e.g. 1 M"));
    V1Edit = Edit(this, "V1Edit", tr("empty to find it"));
    C2Edit = Edit(this, "C2Edit", tr("e.g. 0.1 M"));
    V2Edit = Edit(this, "V2Edit", tr("e.g. 100 mL"));
    DilutionResultEdit = ResultEdit(this, "DilutionResultEdit");
    SolventLabel = new QLabel(this);
    SolventLabel->setObjectName("SolventLabel");
    SolventLabel->setWordWrap(true);
    SolventLabel->setTextFormat(Qt::PlainText);
    SolventLabel->setAccessibleName(tr("Solvent to add"));
    SolventLabel->setMinimumHeight(fontMetrics().lineSpacing() * 2);

    auto* dilution_box = new QGroupBox(tr("Dilution: C1·V1 = C2·V2, one left empty"), this);
    auto* dilution_form = new QFormLayout(dilution_box);
    dilution_form->addRow(tr("Stock concentration C&1"), C1Edit);
    dilution_form->addRow(tr("Stock volume V1"), V1Edit);
    dilution_form->addRow(tr("Final concentration C&2"), C2Edit);
    dilution_form->addRow(tr("Final volume V2"), V2Edit);
    dilution_form->addRow(tr("Found"), DilutionResultEdit);
    dilution_form->addRow(SolventLabel);

    MessageLabel = new QLabel(this);
    MessageLabel->setObjectName("MessageLabel");
    MessageLabel->setWordWrap(true);
    MessageLabel->setTextFormat(Qt::PlainText);
    MessageLabel->setAccessibleName(tr("Message"));
    MessageLabel->setMinimumHeight(fontMetrics().lineSpacing() * 2);

    const InsertButtons buttons =
        MakeInsertButtons(this, tr("Insert or cancel"), tr("Insert Value"), tr("Cancel"));
    InsertButton = buttons.insert;
    CancelButton = buttons.cancel;

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(solution_box);
    layout->addWidget(dilution_box);
    layout->addWidget(MessageLabel);
    layout->addWidget(buttons.box);

    for (QLineEdit* edit : {FormulaEdit, ConcentrationEdit, MassEdit, VolumeEdit}) {
        connect(edit, &QLineEdit::textEdited, this, [this] { dilution_last_ = false; });
        connect(edit, &QLineEdit::textChanged, this, [this] { Update(); });
    }
    for (QLineEdit* edit : {C1Edit, V1Edit, C2Edit, V2Edit}) {
        connect(edit, &QLineEdit::textEdited, this, [this] { dilution_last_ = true; });
        connect(edit, &QLineEdit::textChanged, this, [this] { Update(); });
    }
    Update();
}

void TSolutionForm::UpdateSolution(QStringList& messages) {
    const QString formula = FormulaEdit->text().trimmed();
    if (formula.isEmpty()) return;
    try {
        const CalcValue molar_mass = ComputeMolarMass(formula.toStdString()).value;
        const std::optional<Quantity> volume = Optional(VolumeEdit, ParseVolume);
        const std::optional<Quantity> concentration =
            Optional(ConcentrationEdit, ParseConcentration);
        const std::optional<Quantity> mass = Optional(MassEdit, ParseMass);
        if (!volume) return;
        if (concentration && mass) {
            messages << tr("Leave the concentration or the mass empty: it is what is found.");
        } else if (concentration) {
            const CalcValue grams = MassToWeigh(molar_mass, *concentration, *volume);
            solution_value_ = Utf8(ValueToText(grams));
            SolutionResultEdit->setText(tr("%1 g to weigh").arg(solution_value_));
            RecipeLabel->setText(
                TranslatedText(SolutionRecipe(formula.toStdString(), grams, *volume)));
        } else if (mass) {
            const Concentrations found = ConcentrationOf(molar_mass, *mass, *volume);
            solution_value_ = Utf8(ValueToText(found.molarity));
            SolutionResultEdit->setText(
                tr("%1 M (%2 g/L)").arg(solution_value_, Utf8(ValueToText(found.grams_per_litre))));
        }
    } catch (const FormulaError& error) {
        messages << TranslatedError(error);
    } catch (const QuantityError& error) {
        messages << TranslatedError(error);
    }
}

void TSolutionForm::UpdateDilution(QStringList& messages) {
    const QLineEdit* edits[] = {C1Edit, V1Edit, C2Edit, V2Edit};
    int filled = 0;
    for (const QLineEdit* edit : edits) {
        const QString text = edit->text().trimmed();
        if (!text.isEmpty() && text != QLatin1String("?")) ++filled;
    }
    if (filled < 3) return;
    try {
        const Dilution d =
            Dilute(Optional(C1Edit, ParseConcentration), Optional(V1Edit, ParseVolume),
                   Optional(C2Edit, ParseConcentration), Optional(V2Edit, ParseVolume));
        const Quantity* all[] = {&d.c1, &d.v1, &d.c2, &d.v2};
        const Quantity& found = *all[d.computed];
        dilution_value_ = Utf8(ValueToText(InUnit(found.value, found)));
        const QString names[] = {QStringLiteral("C1"), QStringLiteral("V1"), QStringLiteral("C2"),
                                 QStringLiteral("V2")};
        DilutionResultEdit->setText(
            QStringLiteral("%1 = %2 %3").arg(names[d.computed], dilution_value_, Utf8(found.unit)));
        SolventLabel->setText(tr("Add %1 of solvent to %2 of the stock.")
                                  .arg(Utf8(VolumeText(d.solvent)), Utf8(VolumeText(d.v1.value))));
    } catch (const QuantityError& error) {
        messages << TranslatedError(error);
    }
}

void TSolutionForm::Update() {
    solution_value_.clear();
    dilution_value_.clear();
    for (QLineEdit* edit : {SolutionResultEdit, DilutionResultEdit}) edit->clear();
    RecipeLabel->clear();
    SolventLabel->clear();
    QStringList messages;
    UpdateSolution(messages);
    UpdateDilution(messages);
    MessageLabel->setText(messages.join('\n'));
    InsertButton->setEnabled(!SelectedValue().isEmpty());
}

QString TSolutionForm::SelectedValue() const {
    // The part the user typed in last, or else the one that has a number.
    if (dilution_last_ && !dilution_value_.isEmpty()) return dilution_value_;
    if (!solution_value_.isEmpty()) return solution_value_;
    return dilution_value_;
}

std::optional<QString> TSolutionForm::Run() {
    if (const QScreen* desktop = screen()) {
        adjustSize();
        move(desktop->availableGeometry().center() - rect().center());
    }
    if (exec() != QDialog::Accepted) return std::nullopt;
    const QString value = SelectedValue();
    if (value.isEmpty()) return std::nullopt;
    return value;
}

void TSolutionForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    QLineEdit* start = dilution_last_ ? C1Edit : FormulaEdit;
    start->setFocus();
    start->selectAll();
}

}  // namespace brisalto
