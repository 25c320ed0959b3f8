// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "tools/gui/molar_mass_form.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <array>
#include <string_view>

#include "tools/molar_mass.h"

namespace brisalto {
namespace {

constexpr char kCaption[] = "Molar Mass";
constexpr char kFormulaLabelText[] = "&Formula";
constexpr char kMolarMassLabelText[] = "Molar mass";
constexpr char kFormulaHint[] = "e.g. H2SO4, Ca(OH)2, CuSO4·5H2O";
constexpr char kInsertValueText[] = "Insert Value";
constexpr char kCancelText[] = "Cancel";
constexpr int kClientWidth = 342;
constexpr int kClientHeight = 300;
constexpr int kTableColumns = 4;
const QColor kMessageColor(Qt::red);

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
    setWindowTitle(kCaption);
    setFixedSize(kClientWidth, kClientHeight);

    auto* formula_label = new QLabel(kFormulaLabelText, this);
    formula_label->setGeometry(6, 8, 76, 24);
    FormulaEdit = new QLineEdit(this);
    FormulaEdit->setObjectName("FormulaEdit");
    FormulaEdit->setGeometry(84, 8, 252, 24);
    FormulaEdit->setPlaceholderText(kFormulaHint);
    formula_label->setBuddy(FormulaEdit);

    auto* mass_label = new QLabel(kMolarMassLabelText, this);
    mass_label->setGeometry(6, 38, 76, 24);
    MolarMassEdit = new QLineEdit(this);
    MolarMassEdit->setObjectName("MolarMassEdit");
    MolarMassEdit->setGeometry(84, 38, 252, 24);
    MolarMassEdit->setReadOnly(true);
    MolarMassEdit->setFocusPolicy(Qt::ClickFocus);
    mass_label->setBuddy(MolarMassEdit);

    // The fault of a bad formula stands here while the user types on; no box interrupts them.
    MessageLabel = new QLabel(this);
    MessageLabel->setObjectName("MessageLabel");
    MessageLabel->setGeometry(6, 66, 330, 32);
    MessageLabel->setWordWrap(true);
    MessageLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette message_palette = MessageLabel->palette();
    message_palette.setColor(QPalette::WindowText, kMessageColor);
    MessageLabel->setPalette(message_palette);

    CompositionTable = new QTableWidget(0, kTableColumns, this);
    CompositionTable->setObjectName("CompositionTable");
    CompositionTable->setGeometry(6, 100, 330, 160);
    CompositionTable->setHorizontalHeaderLabels({Text(kElementColumnTitle), Text(kCountColumnTitle),
                                                 Text(kMassColumnTitle),
                                                 Text(kPercentColumnTitle)});
    CompositionTable->verticalHeader()->hide();
    CompositionTable->verticalHeader()->setDefaultSectionSize(20);
    CompositionTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    CompositionTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    CompositionTable->setSelectionMode(QAbstractItemView::NoSelection);
    CompositionTable->setFocusPolicy(Qt::NoFocus);

    InsertButton = new QPushButton(kInsertValueText, this);
    InsertButton->setObjectName("InsertButton");
    InsertButton->setGeometry(179, 268, 84, 25);
    InsertButton->setDefault(true);
    connect(InsertButton, &QPushButton::clicked, this, &QDialog::accept);

    CancelButton = new QPushButton(kCancelText, this);
    CancelButton->setObjectName("CancelButton");
    CancelButton->setGeometry(269, 268, 69, 25);
    CancelButton->setAutoDefault(false);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);

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
            MessageLabel->setText(QString::fromUtf8(error.what()));
        }
    }
    // Enter on a formula without a molar mass leaves the dialog open on its message.
    InsertButton->setEnabled(!molar_mass_.isEmpty());
}

std::optional<QString> TMolarMassForm::Run() {
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
