// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The main window for people who do not use a mouse or do not see the screen: accessible names
// and descriptions over the accessibility tree, Tab order, the pad driven from the keyboard, and
// the mode line's contrast on a light and a dark palette.
#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <cmath>
#include <functional>
#include <memory>

#include "app/about_form.h"
#include "app/bkgrd_form.h"
#include "app/main_form.h"
#include "app/mouse_pad.h"
#include "app/precision_form.h"
#include "command/calculator.h"
#include "command/cmd_edit_model.h"
#include "tools/gui/conv_form.h"
#include "tools/gui/molar_mass_form.h"

using brisalto::MousePad;
using brisalto::TMainForm;

namespace {

// WCAG 2 relative luminance and contrast ratio, written out from the definition.
double Linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(QRgb rgb) {
    return 0.2126 * Linear(qRed(rgb)) + 0.7152 * Linear(qGreen(rgb)) + 0.0722 * Linear(qBlue(rgb));
}

double Contrast(QRgb a, QRgb b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QPalette DarkPalette() {
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x2b, 0x2b, 0x2b));
    dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
    dark.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::ButtonText, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Highlight, QColor(0x3d, 0xae, 0xe9));
    return dark;
}

// Roles a user acts on; each needs a name a screen reader can say.
bool IsInteractive(const QAccessibleInterface* item) {
    switch (item->role()) {
        case QAccessible::PushButton:
        case QAccessible::ButtonMenu:
        case QAccessible::CheckBox:
        case QAccessible::RadioButton:
        case QAccessible::ComboBox:
        case QAccessible::SpinBox:
        case QAccessible::EditableText:
        case QAccessible::Slider:
            return true;
        default:
            return item->state().focusable;
    }
}

void Walk(QAccessibleInterface* item, const std::function<void(QAccessibleInterface*)>& visit) {
    if (item == nullptr || item->state().invisible) return;
    visit(item);
    for (int i = 0; i < item->childCount(); ++i) Walk(item->child(i), visit);
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<QTemporaryDir> config_;
    std::unique_ptr<TMainForm> form_;

    void Start() {
        form_ = std::make_unique<TMainForm>();
        form_->show();
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    }

    template <typename T>
    T* Find(const char* name) const {
        T* found = form_->findChild<T*>(QString::fromLatin1(name));
        if (found == nullptr) qFatal("no %s in the window", name);
        return found;
    }
    QLineEdit* CmdEdit() const { return Find<QLineEdit>("CmdEdit"); }
    MousePad* Pad() const { return Find<MousePad>("ToolsPanel"); }

    QToolButton* FocusedKey() const {
        return qobject_cast<QToolButton*>(QApplication::focusWidget());
    }

    // Tab from the command line until the focus reaches a pad key.
    QToolButton* TabIntoThePad() {
        CmdEdit()->setFocus();
        for (int i = 0; i < 3; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QToolButton* key = FocusedKey();
        return key != nullptr && Pad()->isAncestorOf(key) ? key : nullptr;
    }

  private slots:
    void init() {
        config_ = std::make_unique<QTemporaryDir>();
        QVERIFY(config_->isValid());
        qputenv("XDG_CONFIG_HOME", config_->path().toLocal8Bit());
        Start();
    }

    void cleanup() { form_.reset(); }

    void EveryInteractiveElementHasAName() {
        QStringList unnamed;
        int interactive = 0;
        Walk(QAccessible::queryAccessibleInterface(form_.get()), [&](QAccessibleInterface* item) {
            if (!IsInteractive(item)) return;
            ++interactive;
            if (item->text(QAccessible::Name).trimmed().isEmpty()) {
                const QObject* object = item->object();
                unnamed << QStringLiteral("%1 (role %2)")
                               .arg(object != nullptr ? object->objectName() : QString())
                               .arg(int(item->role()));
            }
        });
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(", ")));
        // The pad's 78 keys, Go, the command line and the results window at least.
        QVERIFY2(interactive >= 81, qPrintable(QString::number(interactive)));
    }

    void NamesAndDescriptions_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        struct Row {
            const char* key;
            const char* name;
            const char* description;
        };
        // Keys by Tag: "k" for the keypad, "f" for the functions; others by object name.
        const Row rows[] = {
            {"k10", "seven", "inserts 7"},
            {"k0", "zero", "inserts 0"},
            {"k2", "triple zero", "inserts 000"},
            {"k3", "decimal point", "inserts ."},
            {"k13", "exponent E", "inserts E"},
            {"k14", "plus", "inserts +"},
            {"k15", "minus", "inserts -"},
            {"k16", "times", "inserts *"},
            {"k20", "remainder", "inserts %"},
            {"k22", "opening bracket", "inserts ("},
            {"k29", "closing square bracket", "inserts ]"},
            {"k41", "variable N", "inserts N"},
            {"f0", "cosine", "cosine, inserts cos()"},
            {"f18", "arc hyperbolic cosine", "arc hyperbolic cosine, inserts xcosh()"},
            {"f25", "ten to the power x", "ten to the power x, inserts xlog()"},
            {"f29", "absolute value", "absolute value, inserts abs()"},
            {"Button29", "answer A", "inserts A, the last answer"},
            {"Button2", "delete", "deletes the selection or the character before the caret"},
            {"FirstButton", "caret to the start", "moves the command line's caret to its start"},
            {"GoBtn", "Go", "runs the command line"},
            {"CmdEdit", "command line", "an expression or a command; Enter runs it"},
            {"ResultsMemo", "results", "every command line run, with its answer or error"},
        };
        for (const Row& row : rows) {
            QTest::newRow(row.key) << row.key << row.name << row.description;
        }
    }

    void NamesAndDescriptions() {
        QFETCH(QString, key);
        QFETCH(QString, name);
        QFETCH(QString, description);
        QWidget* widget = nullptr;
        bool numbered = false;
        const int tag = key.mid(1).toInt(&numbered);
        if (numbered && key.startsWith('k')) {
            widget = Pad()->KeypadKeys().at(tag);
        } else if (numbered && key.startsWith('f')) {
            widget = Pad()->FunctionKeys().at(tag);
        } else {
            widget = form_->findChild<QWidget*>(key);
        }
        QVERIFY(widget != nullptr);
        QAccessibleInterface* item = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(item != nullptr);
        QCOMPARE(item->text(QAccessible::Name), name);
        QCOMPARE(item->text(QAccessible::Description), description);
    }

    void NamesAreUniqueWithinThePad() {
        QSet<QString> names;
        int keys = 0;
        Walk(QAccessible::queryAccessibleInterface(Pad()), [&](QAccessibleInterface* item) {
            if (item->role() != QAccessible::Button) {
                return;
            }
            ++keys;
            const QString name = item->text(QAccessible::Name);
            QVERIFY2(!names.contains(name), qPrintable(name));
            names.insert(name);
        });
        QCOMPARE(keys, 78);
    }

    void TabGoesLineGoResultsPadAndBack() {
        CmdEdit()->setFocus();
        QStringList order;
        for (int i = 0; i < 5; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* focus = QApplication::focusWidget();
            order << (Pad()->isAncestorOf(focus) ? QStringLiteral("pad") : focus->objectName());
        }
        QCOMPARE(order, QStringList({"GoBtn", "ResultsMemo", "pad", "CmdEdit", "GoBtn"}));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QVERIFY(Pad()->isAncestorOf(QApplication::focusWidget()));
    }

    void EveryKeyIsReachedWithTheArrowKeys() {
        QToolButton* start = TabIntoThePad();
        QVERIFY(start != nullptr);
        // Breadth first over the arrow keys from the pad's Tab stop.
        QSet<QToolButton*> seen{start};
        QList<QToolButton*> queue{start};
        while (!queue.isEmpty()) {
            QToolButton* key = queue.takeFirst();
            for (Qt::Key arrow : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down}) {
                key->setFocus();
                QTest::keyClick(key, arrow);
                QToolButton* next = FocusedKey();
                QVERIFY(next != nullptr && Pad()->isAncestorOf(next));
                if (!seen.contains(next)) {
                    seen.insert(next);
                    queue << next;
                }
            }
        }
        QStringList missed;
        for (QToolButton* key : Pad()->AllKeys()) {
            if (!seen.contains(key)) missed << key->accessibleName();
        }
        QVERIFY2(missed.isEmpty(), qPrintable(missed.join(", ")));
    }

    void ArrowsMoveToTheKeyBesideAndTheTabStopFollows() {
        QToolButton* start = TabIntoThePad();
        QVERIFY(start != nullptr);
        QCOMPARE(start->accessibleName(), QStringLiteral("caret to the start"));
        const struct {
            Qt::Key arrow;
            const char* name;
        } steps[] = {
            {Qt::Key_Down, "seven"},      {Qt::Key_Right, "eight"},  {Qt::Key_Right, "nine"},
            {Qt::Key_Right, "factorial"}, {Qt::Key_Right, "plus"},   {Qt::Key_Down, "minus"},
            {Qt::Key_Left, "power"},      {Qt::Key_Up, "factorial"},
        };
        for (const auto& step : steps) {
            QTest::keyClick(QApplication::focusWidget(), step.arrow);
            QCOMPARE(FocusedKey()->accessibleName(), QString::fromLatin1(step.name));
        }
        // Leaving and coming back lands on the key left last: one Tab stop for the pad.
        CmdEdit()->setFocus();
        QCOMPARE(TabIntoThePad()->accessibleName(), QStringLiteral("factorial"));
        int stops = 0;
        for (QToolButton* key : Pad()->AllKeys())
            stops += (key->focusPolicy() & Qt::TabFocus) ? 1 : 0;
        QCOMPARE(stops, 1);
    }

    void SpaceAndEnterPressTheFocusedKey_data() {
        QTest::addColumn<int>("press");
        QTest::newRow("Space") << int(Qt::Key_Space);
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    }

    // Every keypad and function key, pressed from the keyboard, edits the line as its click does
    // and keeps the focus on the pad; Enter there never runs the line.
    void SpaceAndEnterPressTheFocusedKey() {
        QFETCH(int, press);
        const int lines = form_->LineCount();
        const std::vector<std::string>& texts = brisalto::KeypadTexts();
        for (int tag = 0; tag < brisalto::kKeypadKeyCount; ++tag) {
            CmdEdit()->setText(QStringLiteral("1"));
            QToolButton* key = Pad()->KeypadKeys()[tag];
            key->setFocus();
            QTest::keyClick(key, Qt::Key(press));
            QCOMPARE(CmdEdit()->text(), "1" + QString::fromStdString(texts[tag]));
            QCOMPARE(QApplication::focusWidget(), key);
        }
        const std::vector<std::string>& names = brisalto::FunctionButtonNames();
        for (int tag = 0; tag < brisalto::kFunctionKeyCount; ++tag) {
            CmdEdit()->setText(QStringLiteral("2*"));
            QToolButton* key = Pad()->FunctionKeys()[tag];
            key->setFocus();
            QTest::keyClick(key, Qt::Key(press));
            const QString expected = "2*" + QString::fromStdString(names[tag]) + "()";
            QCOMPARE(CmdEdit()->text(), expected);
            QCOMPARE(CmdEdit()->cursorPosition(), expected.size() - 1);
        }
        QCOMPARE(form_->LineCount(), lines);
    }

    void ModeLineReadsOnLightAndDarkPalettes_data() {
        QTest::addColumn<QPalette>("palette");
        QTest::newRow("light") << QPalette(Qt::white, QColor(0xf0, 0xf0, 0xf0));
        QTest::newRow("dark") << DarkPalette();
    }

    void ModeLineReadsOnLightAndDarkPalettes() {
        QFETCH(QPalette, palette);
        const QPalette desktop = QApplication::palette();
        form_.reset();
        QApplication::setPalette(palette);
        Start();
        QApplication::setPalette(desktop);
        // What is drawn: the panel's colour beside the labels, and each label's strongest pixel.
        QWidget* mode_panel = Find<QWidget>("ModPanel");
        const QImage shot = mode_panel->grab().toImage();
        const QRgb panel = shot.pixel(shot.width() - 5, shot.height() / 2);
        for (const char* name : {"Label1", "ModeLabel", "SciLabel"}) {
            const QRect place = Find<QLabel>(name)->geometry() & shot.rect();
            double best = 1;
            for (int y = place.top(); y <= place.bottom(); ++y) {
                for (int x = place.left(); x <= place.right(); ++x) {
                    best = std::max(best, Contrast(shot.pixel(x, y), panel));
                }
            }
            QVERIFY2(best >= 4.5, qPrintable(QStringLiteral("%1: %2:1").arg(name).arg(best)));
        }
    }

    // Each window as a screen reader lists it: every interactive element and every grouping has
    // a name, no two siblings share role and name, nothing hidden is listed, and the names a
    // person would look for are there.
    void EveryWindowIsNamedAsAPersonSaysIt_data() {
        QTest::addColumn<int>("window");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("main") << 0 << QStringList{"digits",    "operators",    "variables",
                                                  "functions", "editing keys", "zeros",
                                                  "brackets",  "command line"};
        QTest::newRow("background colours")
            << 1 << QStringList{"Command line colour", "Results window colour", "Reset"};
        QTest::newRow("unit conversions")
            << 2
            << QStringList{"Unit family", "Convert from unit", "Convert to unit",
                           "Value to convert", "Converted value"};
        QTest::newRow("molar mass")
            << 3 << QStringList{"Formula", "Molar mass", "Composition of the formula"};
        QTest::newRow("precision") << 4 << QStringList{"Set precision", "OK", "Cancel"};
        QTest::newRow("about") << 5 << QStringList{"Web site", "E-mail address", "OK"};
    }

    void EveryWindowIsNamedAsAPersonSaysIt() {
        QFETCH(int, window);
        QFETCH(QStringList, names);
        brisalto::Calculator calculator;
        std::unique_ptr<QWidget> dialog;
        switch (window) {
            case 1:
                dialog = std::make_unique<brisalto::TBkgrdForm>();
                break;
            case 2:
                dialog = std::make_unique<brisalto::TConvForm>();
                break;
            case 3:
                dialog = std::make_unique<brisalto::TMolarMassForm>();
                break;
            case 4:
                dialog = std::make_unique<brisalto::TPrecisionForm>(calculator);
                break;
            case 5:
                dialog = std::make_unique<brisalto::TAboutForm>();
                break;
            default:
                break;
        }
        QWidget* shown = dialog ? dialog.get() : form_.get();
        shown->show();
        QVERIFY(QTest::qWaitForWindowExposed(shown));
        QStringList faults;
        QStringList found;
        const std::function<void(QAccessibleInterface*)> visit = [&](QAccessibleInterface* item) {
            QSet<QPair<int, QString>> siblings;
            for (int i = 0; i < item->childCount(); ++i) {
                QAccessibleInterface* child = item->child(i);
                if (child == nullptr || child->state().invisible) continue;
                const QString name = child->text(QAccessible::Name).trimmed();
                found << name;
                const bool grouping = child->role() == QAccessible::Grouping;
                if ((IsInteractive(child) || grouping) && name.isEmpty())
                    faults << QStringLiteral("unnamed role %1").arg(int(child->role()));
                if (!name.isEmpty() && (IsInteractive(child) || grouping)) {
                    const QPair<int, QString> key{int(child->role()), name};
                    if (siblings.contains(key)) faults << QStringLiteral("two \"%1\"").arg(name);
                    siblings.insert(key);
                }
                if (const auto* widget = qobject_cast<const QWidget*>(child->object());
                    widget != nullptr && !widget->isVisible())
                    faults << QStringLiteral("hidden \"%1\" listed").arg(name);
                visit(child);
            }
        };
        visit(QAccessible::queryAccessibleInterface(shown));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(", ")));
        for (const QString& name : names)
            QVERIFY2(found.contains(name), qPrintable(name + " not in " + found.join("|")));
        QVERIFY(!found.contains(QStringLiteral("Enter")));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
