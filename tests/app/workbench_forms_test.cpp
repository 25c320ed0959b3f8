// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The reaction and solution dialogs driven as a user would: results follow each keystroke, a
// fault stands in the dialog with its place, Enter inserts the chosen number at the command
// line's caret, Esc inserts nothing, and every control has a name a screen reader can say.
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "app/main_form.h"
#include "tools/gui/reaction_form.h"
#include "tools/gui/solution_form.h"

using brisalto::TMainForm;
using brisalto::TReactionForm;
using brisalto::TSolutionForm;

namespace {

template <typename Form>
std::optional<QString> RunWith(Form& form, const std::function<void()>& steps) {
    QTimer::singleShot(0, &form, [&form, steps] {
        if (QTest::qWaitForWindowActive(&form)) steps();
        if (form.isVisible()) form.done(QDialog::Rejected);
    });
    return form.Run();
}

QStringList Column(const QTableWidget* table, int column) {
    QStringList cells;
    for (int r = 0; r < table->rowCount(); ++r) cells << table->item(r, column)->text();
    return cells;
}

void Walk(QAccessibleInterface* item, const std::function<void(QAccessibleInterface*)>& visit) {
    if (item == nullptr || item->state().invisible) return;
    visit(item);
    for (int i = 0; i < item->childCount(); ++i) Walk(item->child(i), visit);
}

// Every control a person acts on or reads a result from has a name.
QStringList Unnamed(QWidget& form) {
    QStringList unnamed;
    Walk(QAccessible::queryAccessibleInterface(&form), [&](QAccessibleInterface* item) {
        const auto role = item->role();
        const bool control = role == QAccessible::PushButton || role == QAccessible::EditableText ||
                             role == QAccessible::Table;
        if (control && item->text(QAccessible::Name).trimmed().isEmpty()) {
            unnamed << (item->object() != nullptr ? item->object()->objectName() : QString("?"));
        }
    });
    return unnamed;
}

}  // namespace

class WorkbenchFormsTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<QTemporaryDir> config_;

  private slots:
    void initTestCase() {
        config_ = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", config_->path().toLocal8Bit());
    }

    void ReactionFollowsEveryKeystroke() {
        TReactionForm form;
        QStringList equations;
        QStringList messages;
        QStringList grams;
        QString summary;
        QString unnamed;
        const std::optional<QString> result = RunWith(form, [&] {
            for (const QString key : {"H2 + O", "2", " = H2O"}) {
                QTest::keyClicks(form.ReactionEdit, key);
                equations << form.EquationLabel->text();
                messages << form.MessageLabel->text();
            }
            QTest::keyClicks(form.GivenEdit, "H2=10 g; O2=64 g");
            QTest::keyClicks(form.YieldEdit, "H2O=60 g");
            grams = Column(form.AmountsTable, 4);
            summary = form.SummaryLabel->text();
            unnamed = Unnamed(form).join(' ');
            // The water's grams chosen with the mouse, then Enter in the reaction field.
            const QRect cell = form.AmountsTable->visualItemRect(form.AmountsTable->item(2, 4));
            QTest::mouseClick(form.AmountsTable->viewport(), Qt::LeftButton, {}, cell.center());
            QTest::keyClick(form.ReactionEdit, Qt::Key_Return);
        });
        QCOMPARE(equations[0], QString());
        QCOMPARE(messages[0], QString("a reaction needs = or -> between its two sides"));
        QCOMPARE(equations[1], QString());
        QCOMPARE(equations[2], QString("2 H<sub>2</sub> + O<sub>2</sub> \u2192 2 H<sub>2</sub>O"));
        QCOMPARE(messages[2], QString());
        QCOMPARE(grams, QStringList({"8.06382239333975", "64", "72.0638223933398"}));
        QCOMPARE(summary, QString("Limiting reactant: O2\nLeft over: H2 0.960462729259802 mol, "
                                  "1.93617760666025 g\nPercent yield of H2O: 83.26 %"));
        QCOMPARE(unnamed, QString());
        QCOMPARE(result, std::optional<QString>("72.0638223933398"));
    }

    void FaultsStandInsideWithTheirPlace_data() {
        QTest::addColumn<QString>("reaction");
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("message");
        QTest::newRow("element") << "H2 + Xy = H2O"
                                 << ""
                                 << "Xy is not an element (at character 6)";
        QTest::newRow("ambiguous") << "C + O2 = CO + CO2"
                                   << ""
                                   << "the reaction has more than one independent balance; it is "
                                      "made of: 2 C + O2 = 2 CO; C + O2 = CO2";
        QTest::newRow("unit") << "H2 + O2 = H2O"
                              << "H2=10 gg"
                              << "gg is not a unit of mass, amount, volume or concentration (at "
                                 "character 7)";
    }

    void FaultsStandInsideWithTheirPlace() {
        QFETCH(QString, reaction);
        QFETCH(QString, given);
        QFETCH(QString, message);
        TReactionForm form;
        QString shown;
        bool still_open = false;
        const std::optional<QString> result = RunWith(form, [&] {
            QTest::keyClicks(form.ReactionEdit, reaction);
            QTest::keyClicks(form.GivenEdit, given);
            shown = form.MessageLabel->text();
            QTest::keyClick(form.GivenEdit, Qt::Key_Return);
            still_open = form.isVisible();
        });
        QCOMPARE(shown, message);
        // Without amounts, Enter would insert a coefficient; with a fault, nothing.
        if (given.isEmpty()) {
            QVERIFY(still_open);
            QVERIFY(!result);
        }
    }

    void ReactionKeptBetweenShowingsAndEscInsertsNothing() {
        TReactionForm form;
        const std::optional<QString> first = RunWith(form, [&] {
            QTest::keyClicks(form.ReactionEdit, "C8H18 + O2 = CO2 + H2O");
            QTest::keyClick(form.ReactionEdit, Qt::Key_Escape);
        });
        QVERIFY(!first);
        QString kept;
        QString selected;
        const std::optional<QString> second = RunWith(form, [&] {
            kept = form.ReactionEdit->text();
            selected = form.ReactionEdit->selectedText();
            QTest::keyClick(form.ReactionEdit, Qt::Key_Return);
        });
        QCOMPARE(kept, QString("C8H18 + O2 = CO2 + H2O"));
        QCOMPARE(selected, kept);
        // Without amounts the first coefficient is the number chosen.
        QCOMPARE(second, std::optional<QString>("2"));
    }

    void SolutionRecipeAndReverse() {
        TSolutionForm form;
        QString result;
        QString recipe;
        QString reverse;
        QString message;
        QString unnamed;
        const std::optional<QString> inserted = RunWith(form, [&] {
            QTest::keyClicks(form.FormulaEdit, "CuSO4·5H2O");
            QTest::keyClicks(form.ConcentrationEdit, "0.1 M");
            QTest::keyClicks(form.VolumeEdit, "250");
            message = form.MessageLabel->text();
            QTest::keyClicks(form.VolumeEdit, " mL");
            result = form.SolutionResultEdit->text();
            recipe = form.RecipeLabel->text();
            unnamed = Unnamed(form).join(' ');
            form.ConcentrationEdit->clear();
            QTest::keyClicks(form.MassEdit, "12.4843 g");
            reverse = form.SolutionResultEdit->text();
            QTest::keyClick(form.MassEdit, Qt::Key_Return);
        });
        QCOMPARE(message, QString("250 needs a unit: 10 g, 25 mL, 0.1 M (at character 1)"));
        QCOMPARE(result, QString("6.24215 g to weigh"));
        QCOMPARE(recipe, QString("Dissolve 6.242 g of CuSO4·5H2O in water and make up to 250 mL"));
        QCOMPARE(reverse, QString("0.2 M (49.9372 g/L)"));
        QCOMPARE(unnamed, QString());
        QCOMPARE(inserted, std::optional<QString>("0.2"));
    }

    void DilutionFindsTheEmptyOne() {
        TSolutionForm form;
        QString found;
        QString solvent;
        const std::optional<QString> inserted = RunWith(form, [&] {
            QTest::keyClicks(form.C1Edit, "1 M");
            QTest::keyClicks(form.C2Edit, "0.1 M");
            QTest::keyClicks(form.V2Edit, "100 mL");
            found = form.DilutionResultEdit->text();
            solvent = form.SolventLabel->text();
            QTest::keyClick(form.V2Edit, Qt::Key_Return);
        });
        QCOMPARE(found, QString("V1 = 10 mL"));
        QCOMPARE(solvent, QString("Add 90 mL of solvent to 10 mL of the stock."));
        QCOMPARE(inserted, std::optional<QString>("10"));
    }

    // At a large font every button and one-line label shows its whole text.
    void NothingCutAtALargeFont() {
        const QFont kept = QApplication::font();
        QFont large = kept;
        large.setPointSize(22);
        QApplication::setFont(large);
        QStringList cut;
        const auto check = [&cut](QDialog& form) {
            for (QWidget* widget : form.findChildren<QWidget*>()) {
                const auto* label = qobject_cast<QLabel*>(widget);
                const bool one_line = label != nullptr && !label->wordWrap();
                if ((one_line || qobject_cast<QPushButton*>(widget) != nullptr) &&
                    widget->isVisible() && widget->width() < widget->sizeHint().width()) {
                    cut << widget->objectName() + ":" + widget->property("text").toString();
                }
            }
        };
        TReactionForm reaction;
        RunWith(reaction, [&] {
            QTest::keyClicks(reaction.ReactionEdit, "Cr2O7^2- + Fe^2+ + H^+ = Cr^3+ + Fe^3+ + H2O");
            check(reaction);
        });
        TSolutionForm solution;
        RunWith(solution, [&] { check(solution); });
        QApplication::setFont(kept);
        QCOMPARE(cut.join(' '), QString());
    }

    // The whole road from the main window: the key, the dialog, Enter or Esc, the command line.
    void ToolsInsertAtTheCaretOfTheCommandLine_data() {
        QTest::addColumn<int>("tool");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("line");
        QTest::newRow("reaction mass") << 6 << int(Qt::Key_Return) << "2*72.0638223933398";
        QTest::newRow("reaction Esc") << 6 << int(Qt::Key_Escape) << "2*";
        QTest::newRow("solution mass") << 7 << int(Qt::Key_Return) << "2*6.24215";
        QTest::newRow("solution Esc") << 7 << int(Qt::Key_Escape) << "2*";
    }

    void ToolsInsertAtTheCaretOfTheCommandLine() {
        QFETCH(int, tool);
        QFETCH(int, key);
        QFETCH(QString, line);
        TMainForm main_form;
        auto* reaction = new TReactionForm(&main_form);
        auto* solution = new TSolutionForm(&main_form);
        brisalto::DialogForms dialogs;
        dialogs.reaction = reaction;
        dialogs.solution = solution;
        main_form.SetDialogs(dialogs);
        main_form.show();
        QVERIFY(QTest::qWaitForWindowActive(&main_form));
        auto* cmd_edit = main_form.findChild<QLineEdit*>("CmdEdit");
        cmd_edit->setFocus();
        QTest::keyClicks(cmd_edit, "2*");
        QDialog* form = tool == 6 ? static_cast<QDialog*>(reaction) : solution;
        bool opened = false;
        QTimer::singleShot(0, form, [&] {
            opened = QTest::qWaitForWindowActive(form);
            if (opened && tool == 6) {
                QTest::keyClicks(reaction->ReactionEdit, "H2 + O2 = H2O");
                QTest::keyClicks(reaction->GivenEdit, "H2=10 g; O2=64 g");
                reaction->AmountsTable->setCurrentCell(2, 4);
                QTest::keyClick(reaction->GivenEdit, Qt::Key(key));
            } else if (opened) {
                QTest::keyClicks(solution->FormulaEdit, "CuSO4·5H2O");
                QTest::keyClicks(solution->ConcentrationEdit, "0.1M");
                QTest::keyClicks(solution->VolumeEdit, "250mL");
                QTest::keyClick(solution->VolumeEdit, Qt::Key(key));
            }
            if (form->isVisible()) form->done(QDialog::Rejected);
        });
        QTest::keyClick(cmd_edit, tool == 6 ? Qt::Key_F6 : Qt::Key_F7);
        QVERIFY(opened);
        QCOMPARE(cmd_edit->text(), line);
        QCOMPARE(cmd_edit->cursorPosition(), line.size());
    }
};

QTEST_MAIN(WorkbenchFormsTest)
#include "workbench_forms_test.moc"
