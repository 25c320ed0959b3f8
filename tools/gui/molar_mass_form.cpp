// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "tools/gui/molar_mass_form.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <array>
#include <string_view>

#include "tools/gui/message_text.h"
#include "tools/gui/palette_colors.h"
#include "tools/molar_mass.h"

namespace brisalto {
namespace {

constexpr int kTableColumns = 4;

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QTableWidgetItem* Cell(const std::string& text, Qt::Alignment alignment) {
    auto* item = new QTableWidgetItem(QString::fromStdString(text));
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    return item;
}

}  // namespace

TMolarMassForm::TMolarMassForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Molar Mass"));

    auto* formula_label = new QLabel(tr("&Formula"), this);
    FormulaEdit = new QLineEdit(this);
    FormulaEdit->setObjectName("FormulaEdit");
    FormulaEdit->setPlaceholderText(tr("e.g. H2SO4, Ca(OH)2, CuSO4·5H2O"));
    MakePlaceholderReadable(FormulaEdit);
    // Room for the hint and a long formula.
    FormulaEdit->setMinimumWidth(FormulaEdit->fontMetrics().horizontalAdvance(
        FormulaEdit->placeholderText() + QStringLiteral("MM")));
    formula_label->setBuddy(FormulaEdit);

    auto* mass_label = new QLabel(tr("Molar mass"), this);
    MolarMassEdit = new QLineEdit(this);
    MolarMassEdit->setObjectName("MolarMassEdit");
    MolarMassEdit->setReadOnly(true);
    MolarMassEdit->setFocusPolicy(Qt::ClickFocus);
    mass_label->setBuddy(MolarMassEdit);

    // The fault of a bad formula stands here while the user types on; no box interrupts them.
    // Two lines are kept for it, so that it never moves the table.
    MessageLabel = new QLabel(this);
    MessageLabel->setObjectName("MessageLabel");
    MessageLabel->setWordWrap(true);
    MessageLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    MessageLabel->setMinimumHeight(2 * MessageLabel->fontMetrics().lineSpacing());
    QSizePolicy message_policy = MessageLabel->sizePolicy();
    message_policy.setHorizontalPolicy(QSizePolicy::Ignored);
    MessageLabel->setSizePolicy(message_policy);
    QPalette message_palette = MessageLabel->palette();
    message_palette.setColor(QPalette::WindowText, ErrorTextColor(message_palette));
    MessageLabel->setPalette(message_palette);

    CompositionTable = new QTableWidget(0, kTableColumns, this);
    CompositionTable->setObjectName("CompositionTable");
    CompositionTable->setAccessibleName(tr("Composition of the formula"));
    CompositionTable->setHorizontalHeaderLabels(
        {QCoreApplication::translate("MolarMass", kElementColumnTitle.data()),
         QCoreApplication::translate("MolarMass", kCountColumnTitle.data()),
         QCoreApplication::translate("MolarMass", kMassColumnTitle.data()),
         QCoreApplication::translate("MolarMass", kPercentColumnTitle.data())});
    CompositionTable->verticalHeader()->hide();
    CompositionTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    CompositionTable->horizontalHeader()->setStretchLastSection(true);
    CompositionTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    CompositionTable->setSelectionMode(QAbstractItemView::NoSelection);
    CompositionTable->setFocusPolicy(Qt::NoFocus);
    // Seven rows show without scrolling, at any font.
    CompositionTable->setMinimumHeight(
        CompositionTable->horizontalHeader()->sizeHint().height() +
        7 * CompositionTable->verticalHeader()->defaultSectionSize() +
        2 * CompositionTable->frameWidth());

    InsertButton = new QPushButton(tr("Insert Value"), this);
    InsertButton->setObjectName("InsertButton");
    InsertButton->setDefault(true);
    connect(InsertButton, &QPushButton::clicked, this, &QDialog::accept);

    CancelButton = new QPushButton(tr("Cancel"), this);
    CancelButton->setObjectName("CancelButton");
    CancelButton->setAutoDefault(false);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto* fields = new QGridLayout;
    fields->addWidget(formula_label, 0, 0);
    fields->addWidget(FormulaEdit, 0, 1);
    fields->addWidget(mass_label, 1, 0);
    fields->addWidget(MolarMassEdit, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(InsertButton);
    buttons->addWidget(CancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(MessageLabel);
    layout->addWidget(CompositionTable, 1);
    layout->addLayout(buttons);

    connect(FormulaEdit, &QLineEdit::textChanged, this, [this] { FormulaEditChange(); });
    FormulaEditChange();
}

void TMolarMassForm::FormulaEditChange() {
    molar_mass_.clear();
    MolarMassEdit->clear();
    MessageLabel->clear();
    CompositionTable->setRowCount(0);
    const QString formula = FormulaEdit->text();
    // An empty field is where the user starts, not a fault.
    if (!formula.trimmed().isEmpty()) {
        try {
            const MolarMass molar_mass = ComputeMolarMass(formula.toStdString());
            molar_mass_ = QString::fromStdString(MolarMassText(molar_mass));
            MolarMassEdit->setText(molar_mass_ + Text(kGramsPerMoleUnit));
            const std::vector<CompositionRow> rows = CompositionRows(molar_mass);
            CompositionTable->setRowCount(static_cast<int>(rows.size()));
            for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
                const CompositionRow& row = rows[static_cast<std::size_t>(r)];
                CompositionTable->setItem(r, 0, Cell(row.symbol, Qt::AlignLeft));
                CompositionTable->setItem(r, 1, Cell(row.count, Qt::AlignRight));
                CompositionTable->setItem(r, 2, Cell(row.mass, Qt::AlignRight));
                CompositionTable->setItem(r, 3, Cell(row.percent, Qt::AlignRight));
            }
        } catch (const FormulaError& error) {
            MessageLabel->setText(TranslatedError(error));
        }
    }
    // Enter on a formula without a molar mass leaves the dialog open on its message.
    InsertButton->setEnabled(!molar_mass_.isEmpty());
}

std::optional<QString> TMolarMassForm::Run() {
    adjustSize();
    if (const QScreen* desktop = screen()) {
        move(desktop->availableGeometry().center() - rect().center());
    }
    if (exec() != QDialog::Accepted || molar_mass_.isEmpty()) return std::nullopt;
    return molar_mass_;
}

void TMolarMassForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The kept formula is selected, so typing replaces it and an arrow key keeps it.
    FormulaEdit->setFocus();
    FormulaEdit->selectAll();
}

}  // namespace brisalto
