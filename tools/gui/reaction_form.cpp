// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "tools/gui/reaction_form.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

#include "engine/number_text.h"
#include "tools/gui/insert_buttons.h"
#include "tools/gui/message_text.h"
#include "tools/gui/palette_colors.h"
#include "tools/reaction.h"
#include "tools/reaction_amounts.h"
#include "tools/solution.h"

namespace brisalto {
namespace {

constexpr int kColumns = 5;
constexpr int kGramsColumn = 4;
constexpr int kCoefficientColumn = 1;

QString Utf8(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

TReactionForm::TReactionForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Reaction"));

    ReactionEdit = new QLineEdit(this);
    ReactionEdit->setObjectName("ReactionEdit");
    ReactionEdit->setPlaceholderText(tr("e.g. C8H18 + O2 = CO2 + H2O"));
    MakePlaceholderReadable(ReactionEdit);
    ReactionEdit->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('M')) * 28);

    EquationLabel = new QLabel(this);
    EquationLabel->setObjectName("EquationLabel");
    EquationLabel->setTextFormat(Qt::RichText);
    EquationLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    EquationLabel->setWordWrap(true);
    EquationLabel->setAccessibleName(tr("Balanced equation"));

    GivenEdit = new QLineEdit(this);
    GivenEdit->setObjectName("GivenEdit");
    GivenEdit->setPlaceholderText(tr("e.g. C8H18=10 g; O2=25 mL 0.1 M"));
    MakePlaceholderReadable(GivenEdit);
    YieldEdit = new QLineEdit(this);
    YieldEdit->setObjectName("YieldEdit");
    YieldEdit->setPlaceholderText(tr("e.g. H2O=12 g"));
    MakePlaceholderReadable(YieldEdit);

    // A fault stands here while the user types on; no box interrupts them.
    MessageLabel = new QLabel(this);
    MessageLabel->setObjectName("MessageLabel");
    MessageLabel->setWordWrap(true);
    MessageLabel->setTextFormat(Qt::PlainText);
    MessageLabel->setAccessibleName(tr("Message"));
    // Room kept for two lines, so a message that comes and goes does not move the table.
    MessageLabel->setMinimumHeight(fontMetrics().lineSpacing() * 2);

    AmountsTable = new QTableWidget(0, kColumns, this);
    AmountsTable->setObjectName("AmountsTable");
    AmountsTable->setAccessibleName(tr("Amounts"));
    QStringList titles;
    for (const char* title : kAmountColumnTitles) {
        titles << QCoreApplication::translate("Reaction", title);
    }
    AmountsTable->setHorizontalHeaderLabels(titles);
    AmountsTable->verticalHeader()->hide();
    // Sized to the contents once a fill: measuring every row on each cell set is quadratic.
    AmountsTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    AmountsTable->horizontalHeader()->setStretchLastSection(true);
    AmountsTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    AmountsTable->setSelectionMode(QAbstractItemView::SingleSelection);
    AmountsTable->setSelectionBehavior(QAbstractItemView::SelectItems);
    // Wide enough for the numbers as the calculator writes them, tall enough for a few species.
    AmountsTable->setMinimumSize(fontMetrics().horizontalAdvance(QLatin1Char('0')) * 80,
                                 fontMetrics().lineSpacing() * 10);

    SummaryLabel = new QLabel(this);
    SummaryLabel->setObjectName("SummaryLabel");
    SummaryLabel->setWordWrap(true);
    SummaryLabel->setTextFormat(Qt::PlainText);
    SummaryLabel->setAccessibleName(tr("Limiting reactant and yield"));
    SummaryLabel->setMinimumHeight(fontMetrics().lineSpacing() * 3);

    const InsertButtons buttons =
        MakeInsertButtons(this, tr("Insert or cancel"), tr("Insert Value"), tr("Cancel"));
    InsertButton = buttons.insert;
    CancelButton = buttons.cancel;

    auto* form = new QFormLayout;
    form->addRow(tr("&Reaction"), ReactionEdit);
    form->addRow(tr("Balanced"), EquationLabel);
    form->addRow(tr("&Given amounts"), GivenEdit);
    form->addRow(tr("Actual &yield"), YieldEdit);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(MessageLabel);
    layout->addWidget(AmountsTable, 1);
    layout->addWidget(SummaryLabel);
    layout->addWidget(buttons.box);

    for (QLineEdit* edit : {ReactionEdit, GivenEdit, YieldEdit}) {
        connect(edit, &QLineEdit::textChanged, this, [this] { Update(); });
    }
    connect(AmountsTable, &QTableWidget::currentCellChanged, this,
            [this] { InsertButton->setEnabled(!SelectedValue().isEmpty()); });
    Update();
}

void TReactionForm::ShowMessage(const QString& text) { MessageLabel->setText(text); }

void TReactionForm::FillTable(const std::vector<QStringList>& rows, int default_column) {
    const int row_was = AmountsTable->currentRow();
    const int column_was = AmountsTable->currentColumn();
    AmountsTable->setUpdatesEnabled(false);
    AmountsTable->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        for (int c = 0; c < kColumns; ++c) {
            auto* item = new QTableWidgetItem(rows[static_cast<std::size_t>(r)].value(c));
            item->setTextAlignment((c == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
            AmountsTable->setItem(r, c, item);
        }
    }
    AmountsTable->resizeColumnsToContents();
    AmountsTable->setUpdatesEnabled(true);
    // The user's cell stays chosen while they type; else the first row's grams or coefficient.
    if (rows.empty()) return;
    const bool kept = row_was >= 0 && row_was < static_cast<int>(rows.size()) && column_was > 0 &&
                      !rows[static_cast<std::size_t>(row_was)].value(column_was).isEmpty();
    if (kept) {
        AmountsTable->setCurrentCell(row_was, column_was);
    } else {
        AmountsTable->setCurrentCell(0, default_column);
    }
}

void TReactionForm::Update() {
    ShowMessage(QString());
    EquationLabel->clear();
    SummaryLabel->clear();
    const QString text = ReactionEdit->text();
    std::vector<QStringList> rows;
    int default_column = kCoefficientColumn;
    if (!text.trimmed().isEmpty()) {
        try {
            const BalancedReaction balanced = BalanceReaction(text.toStdString());
            EquationLabel->setText(
                Utf8(EquationRichText(balanced.reaction, balanced.coefficients)));
            std::vector<GivenAmount> given;
            std::optional<GivenAmount> actual;
            for (const QString& part : GivenEdit->text().split(';', Qt::SkipEmptyParts)) {
                if (!part.trimmed().isEmpty()) {
                    given.push_back(ParseGivenAmount(balanced, part.trimmed().toStdString()));
                }
            }
            if (!YieldEdit->text().trimmed().isEmpty()) {
                actual = ParseGivenAmount(balanced, YieldEdit->text().trimmed().toStdString());
            }
            std::optional<Amounts> amounts;
            if (!given.empty()) amounts = ComputeAmounts(balanced, given, actual);
            for (const std::vector<std::string>& cells :
                 AmountCells(balanced, amounts ? &*amounts : nullptr)) {
                QStringList row;
                for (const std::string& cell : cells) row << Utf8(cell);
                rows.push_back(row);
            }
            if (amounts) {
                default_column = kGramsColumn;
                QStringList summary;
                for (const Message& line : AmountsSummary(balanced, *amounts, ShortNumberText)) {
                    summary << TranslatedText(line);
                }
                SummaryLabel->setText(summary.join('\n'));
            }
        } catch (const ReactionError& error) {
            ShowMessage(TranslatedError(error));
        } catch (const QuantityError& error) {
            ShowMessage(TranslatedError(error));
        }
    }
    FillTable(rows, default_column);
    // Enter without a number to insert leaves the dialog open on its message.
    InsertButton->setEnabled(!SelectedValue().isEmpty());
}

QString TReactionForm::SelectedValue() const {
    const QTableWidgetItem* item = AmountsTable->currentItem();
    if (item == nullptr || item->column() == 0) return {};
    return item->text();
}

std::optional<QString> TReactionForm::Run() {
    if (const QScreen* desktop = screen()) {
        adjustSize();
        move(desktop->availableGeometry().center() - rect().center());
    }
    if (exec() != QDialog::Accepted) return std::nullopt;
    const QString value = SelectedValue();
    if (value.isEmpty()) return std::nullopt;
    return value;
}

void TReactionForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The kept reaction is selected, so typing replaces it and an arrow key keeps it.
    ReactionEdit->setFocus();
    ReactionEdit->selectAll();
}

}  // namespace brisalto
