// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The window in German, French and Spanish: the language chosen from the environment, menus
// that speak it with unique accelerators and still fit, and a results window, settings file and
// history that stay byte for byte the English ones.
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <map>
#include <memory>

#include "app/bkgrd_form.h"
#include "app/color_value.h"
#include "app/main_form.h"
#include "app/results_lines.h"
#include "app/ui_language.h"
#include "tools/conversion_text.h"
#include "tools/gui/conv_form.h"
#include "tools/gui/molar_mass_form.h"
#include "tools/gui/reaction_form.h"
#include "tools/gui/solution_form.h"

using brisalto::TMainForm;

namespace {

const QStringList& kTranslated = brisalto::kUiLanguages;

// Menu texts that are the same word in the language.
const std::map<QString, QSet<QString>> kSameAsEnglish = {
    {QStringLiteral("de"), {QStringLiteral("Format"), QStringLiteral("Pi")}},
    {QStringLiteral("fr"),
     {QStringLiteral("Format"), QStringLiteral("Mode"), QStringLiteral("Variables"),
      QStringLiteral("Solution..."), QStringLiteral("Pi")}},
    {QStringLiteral("es"), {QStringLiteral("Variables"), QStringLiteral("Pi")}},
};

// Unit and family names spelled as in English in the language.
const std::map<QString, QSet<QString>> kUnitSameAsEnglish = {
    {QStringLiteral("de"), {QStringLiteral("Kelvin")}},
    {QStringLiteral("fr"), {QStringLiteral("Volume")}},
    {QStringLiteral("es"), {}},
};

// What the conversion dialog shows after picking a family and two units by their English names.
QString Converted(brisalto::TConvForm& form, const char* family, const char* from, const char* to,
                  const QString& value) {
    const auto pick = [](QComboBox* list, const char* english) {
        list->setCurrentIndex(list->findData(QString::fromLatin1(english)));
        return list->currentIndex() >= 0;
    };
    if (!pick(form.FamilyComboBox, family)) return QStringLiteral("no family");
    form.FamilyComboBoxSelect();
    if (!pick(form.ConvFromComboBox, from) || !pick(form.ConvToComboBox, to))
        return QStringLiteral("no unit");
    form.ConvValueEdit->setText(value);
    return form.ConvertedValueEdit->text();
}

// The message a chemistry dialog shows once its fields ("FieldName=text", in order) are typed.
QString DialogMessage(const QString& dialog, const QStringList& fields) {
    std::unique_ptr<QDialog> form;
    if (dialog == "molar mass") form = std::make_unique<brisalto::TMolarMassForm>();
    if (dialog == "reaction") form = std::make_unique<brisalto::TReactionForm>();
    if (dialog == "solution") form = std::make_unique<brisalto::TSolutionForm>();
    for (const QString& field : fields) {
        const qsizetype equals = field.indexOf('=');
        form->findChild<QLineEdit*>(field.left(equals))->setText(field.mid(equals + 1));
    }
    return form->findChild<QLabel*>(QStringLiteral("MessageLabel"))->text();
}

// Each menu's title, then its items' texts; separators left out.
QList<QStringList> MenuTexts(TMainForm& form) {
    QList<QStringList> menus;
    for (QAction* title : form.menuBar()->actions()) {
        QStringList texts{title->text()};
        for (QAction* item : title->menu()->actions()) {
            if (!item->isSeparator()) texts.append(item->text());
        }
        menus.append(texts);
    }
    return menus;
}

// The letter after a single '&', lower case; none for a text without one.
QChar Accelerator(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&')) continue;
        if (text[i + 1] != QLatin1Char('&')) return text[i + 1].toLower();
        ++i;
    }
    return QChar();
}

void ExpectUniqueAccelerators(const QString& where, const QStringList& texts) {
    QSet<QChar> seen;
    for (const QString& text : texts) {
        const QChar key = Accelerator(text);
        if (key.isNull()) continue;
        QVERIFY2(!seen.contains(key), qPrintable(where + ": '" + key + "' twice, at " + text));
        seen.insert(key);
    }
}

// The command lines of the golden transcripts, without those that open a window or end the run.
QStringList GoldenLines() {
    QStringList lines;
    const QDir dir(QStringLiteral(BRISALTO_GOLDEN_DIR));
    for (const QString& name : dir.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name)) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly)) continue;
        for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
            if (!line.startsWith(QLatin1String("> "))) continue;
            const QString command = line.mid(2);
            static const QStringList kWindowed = {"about", "help", "print", "save", "exit"};
            if (!kWindowed.contains(command.trimmed().toLower())) lines.append(command);
        }
    }
    return lines;
}

struct Session {
    QString results;
    QByteArray settings;
    QByteArray history;
};

// Runs lines through a window with its own settings and history folders.
Session RunSession(const QStringList& lines) {
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_STATE_HOME", home.filePath(QStringLiteral("state")).toLocal8Bit());
    Session session;
    {
        TMainForm form;
        auto* cmd_edit = form.findChild<QLineEdit*>(QStringLiteral("CmdEdit"));
        auto* go = form.findChild<QToolButton*>(QStringLiteral("GoBtn"));
        for (const QString& line : lines) {
            cmd_edit->setText(line);
            go->click();
        }
        // The exact text, as Save writes it: a long line is shown shortened in the user's language.
        session.results =
            brisalto::ResultsText(*form.findChild<QPlainTextEdit*>(QStringLiteral("ResultsMemo")));
    }
    // Every file the window left, with its name.
    const auto read_all = [](const QString& folder) {
        QByteArray bytes;
        QDirIterator files(folder, QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            QFile file(files.next());
            if (file.open(QIODevice::ReadOnly)) {
                bytes +=
                    QDir(folder).relativeFilePath(file.fileName()).toUtf8() + ':' + file.readAll();
            }
        }
        return bytes;
    };
    session.settings = read_all(home.filePath(QStringLiteral("config")));
    session.history = read_all(home.filePath(QStringLiteral("state")));
    return session;
}

}  // namespace

class TranslationTest : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { brisalto::RemoveTranslators(*QCoreApplication::instance()); }

    void LanguageFromEnvironment_data() {
        QTest::addColumn<QStringList>("environment");  // NAME=value pairs
        QTest::addColumn<QString>("language");
        const auto row = [](const char* name, QStringList env, const char* language) {
            QTest::newRow(name) << env << QString::fromLatin1(language);
        };
        row("nothing set", {}, "");
        row("LANG", {"LANG=de_DE.UTF-8"}, "de");
        row("LANG with modifier", {"LANG=fr_BE.UTF-8@euro"}, "fr");
        row("LC_MESSAGES over LANG", {"LANG=de_DE.UTF-8", "LC_MESSAGES=es_ES.UTF-8"}, "es");
        row("LC_ALL over both", {"LANG=de_DE", "LC_MESSAGES=es_ES", "LC_ALL=fr_FR"}, "fr");
        row("empty LC_ALL is unset", {"LC_ALL=", "LANG=es_MX.UTF-8"}, "es");
        row("LANGUAGE list, first carried", {"LANG=de_DE.UTF-8", "LANGUAGE=fr:de"}, "fr");
        row("LANGUAGE skips uncarried", {"LANG=de_DE.UTF-8", "LANGUAGE=pt_BR:ja:es"}, "es");
        row("LANGUAGE of none carried is English", {"LANG=de_DE.UTF-8", "LANGUAGE=pt:ja"}, "");
        row("LANGUAGE naming English", {"LANG=de_DE.UTF-8", "LANGUAGE=en_GB:de"}, "");
        row("LANGUAGE ignored under C", {"LC_ALL=C", "LANGUAGE=fr:de", "LANG=de_DE"}, "");
        row("LC_ALL=C over LANG", {"LANG=de_DE.UTF-8", "LC_ALL=C"}, "");
        row("POSIX", {"LANG=POSIX", "LANGUAGE=de"}, "");
        row("C.UTF-8 is C", {"LC_ALL=C.UTF-8", "LANGUAGE=es"}, "");
        row("LANGUAGE alone, no locale", {"LANGUAGE=de"}, "");
        row("uncarried locale", {"LANG=it_IT.UTF-8"}, "");
        row("English locale", {"LANG=en_US.UTF-8"}, "");
    }
    void LanguageFromEnvironment() {
        QFETCH(QStringList, environment);
        QFETCH(QString, language);
        const auto reader = [&environment](const char* name) {
            const QString prefix = QString::fromLatin1(name) + QLatin1Char('=');
            for (const QString& pair : environment) {
                if (pair.startsWith(prefix)) return pair.mid(prefix.size());
            }
            return QString();
        };
        QCOMPARE(brisalto::ChooseUiLanguage(reader), language);
    }

    void MenusSpeakTheLanguage_data() {
        QTest::addColumn<QString>("language");
        for (const QString& language : kTranslated) QTest::newRow(qPrintable(language)) << language;
    }
    void MenusSpeakTheLanguage() {
        QFETCH(QString, language);
        QList<QStringList> english;
        {
            TMainForm form;
            english = MenuTexts(form);
        }
        QVERIFY(brisalto::InstallTranslators(*QCoreApplication::instance(), language));
        // Qt's own texts come along (the standard buttons of every message box).
        QVERIFY(QCoreApplication::translate("QPlatformTheme", "Cancel") != "Cancel");
        TMainForm form;
        const QList<QStringList> translated = MenuTexts(form);
        QCOMPARE(translated.size(), english.size());
        QStringList titles;
        for (qsizetype m = 0; m < english.size(); ++m) {
            QCOMPARE(translated[m].size(), english[m].size());
            for (qsizetype i = 0; i < english[m].size(); ++i) {
                const QString& text = translated[m][i];
                QVERIFY2(text != english[m][i] || kSameAsEnglish.at(language).contains(text),
                         qPrintable("untranslated: " + text));
            }
            titles.append(translated[m].first());
            ExpectUniqueAccelerators(translated[m].first(), translated[m].mid(1));
        }
        ExpectUniqueAccelerators(QStringLiteral("menu bar"), titles);
        // All the titles fit the fixed width: none behind the overflow arrow.
        QVERIFY(form.menuBar()->sizeHint().width() <= brisalto::kClientWidth);

        // The mode line's three labels never overlap, whatever the captions' lengths.
        auto* cmd_edit = form.findChild<QLineEdit*>(QStringLiteral("CmdEdit"));
        auto* go = form.findChild<QToolButton*>(QStringLiteral("GoBtn"));
        QList<QLabel*> labels;
        for (const char* name : {"Label1", "ModeLabel", "SciLabel"})
            labels.append(form.findChild<QLabel*>(QString::fromLatin1(name)));
        for (const char* angle : {"rad", "grd", "cyc", "deg"}) {
            for (const char* format : {"sci", "fix", "auto"}) {
                for (const char* word : {angle, format}) {
                    cmd_edit->setText(QString::fromLatin1(word));
                    go->click();
                }
                for (qsizetype i = 1; i < labels.size(); ++i) {
                    QVERIFY2(labels[i - 1]->geometry().right() < labels[i]->x(),
                             qPrintable(labels[i - 1]->text() + " / " + labels[i]->text()));
                }
                QVERIFY(labels.last()->geometry().right() < brisalto::kClientWidth);
            }
        }
    }

    void UnitNamesSpeakTheLanguage_data() { MenusSpeakTheLanguage_data(); }
    void UnitNamesSpeakTheLanguage() {
        QFETCH(QString, language);
        const QStringList conversions = {"Distance|Kilometers|Meters|1.5",
                                         "Temperature|Celsius|Fahrenheit|100",
                                         "Mass|Pounds|Kilograms|2", "Time|Days|JulianDate|3"};
        QStringList english;
        {
            brisalto::TConvForm form;
            for (const QString& row : conversions) {
                const QStringList f = row.split('|');
                english << Converted(form, qPrintable(f[0]), qPrintable(f[1]), qPrintable(f[2]),
                                     f[3]);
            }
        }
        QVERIFY(brisalto::InstallTranslators(*QCoreApplication::instance(), language));
        const QSet<QString>& same = kUnitSameAsEnglish.at(language);
        const brisalto::ConversionRegistry& registry = brisalto::ConversionRegistry::Instance();
        brisalto::TConvForm form;
        QCOMPARE(form.FamilyComboBox->count(), int(brisalto::kConversionFamilyNames.size()));
        // Every family and unit in the lists is shown translated and chosen by its English name.
        for (int f = 0; f < form.FamilyComboBox->count(); ++f) {
            const QString family = form.FamilyComboBox->itemData(f).toString();
            QCOMPARE(family, QString::fromLatin1(brisalto::kConversionFamilyNames[f].data(),
                                                 brisalto::kConversionFamilyNames[f].size()));
            const QString shown = form.FamilyComboBox->itemText(f);
            QVERIFY2(shown != family || same.contains(shown), qPrintable("untranslated: " + shown));
            form.FamilyComboBox->setCurrentIndex(f);
            form.FamilyComboBoxSelect();
            QCOMPARE(form.CurrentFamily, *registry.FindFamilyByName(family.toStdString()));
            QCOMPARE(form.ConvFromComboBox->count(),
                     int(registry.UnitsOfFamily(form.CurrentFamily).size()));
            for (int u = 0; u < form.ConvFromComboBox->count(); ++u) {
                const QString unit = form.ConvToComboBox->itemData(u).toString();
                const QString text = form.ConvToComboBox->itemText(u);
                QVERIFY2(!text.isEmpty() && (text != unit || same.contains(text)),
                         qPrintable("untranslated: " + unit));
                QCOMPARE(form.ConvFromComboBox->itemText(u), text);
            }
        }
        // A few names as the language's textbooks write them.
        const std::map<QString, QStringList> kNames = {
            {"de", {"Länge", "Kilometer", "Grad Celsius", "Atmosphären", "Pfund"}},
            {"fr", {"Longueur", "kilomètres", "degrés Celsius", "atmosphères", "livres"}},
            {"es", {"Longitud", "kilómetros", "grados Celsius", "atmósferas", "libras"}},
        };
        const QStringList sources = {"Distance", "Kilometers", "Celsius", "atmosphere", "Pounds"};
        for (qsizetype i = 0; i < sources.size(); ++i) {
            const char* context = i == 0 ? "UnitFamilies" : "Units";
            QCOMPARE(QCoreApplication::translate(context, qPrintable(sources[i])),
                     kNames.at(language)[i]);
        }
        // Converting gives the English dialog's results.
        for (qsizetype i = 0; i < conversions.size(); ++i) {
            const QStringList f = conversions[i].split('|');
            QCOMPARE(Converted(form, qPrintable(f[0]), qPrintable(f[1]), qPrintable(f[2]), f[3]),
                     english[i]);
        }
    }

    // The colour lists name every colour in the language, as the font dialog's list does.
    void ColourNamesSpeakTheLanguage() {
        for (const QString& language : kTranslated) {
            QVERIFY(brisalto::InstallTranslators(*QCoreApplication::instance(), language));
            brisalto::TBkgrdForm form;
            const std::vector<brisalto::NamedColor> colors = brisalto::ListedColors();
            QCOMPARE(form.CmdColorBox->count(), int(colors.size()));
            int differ = 0;
            for (int i = 0; i < form.CmdColorBox->count(); ++i) {
                const QString shown = form.CmdColorBox->itemText(i);
                QCOMPARE(shown, QCoreApplication::translate("Colors", colors[i].name));
                differ += shown != QString::fromLatin1(colors[i].name);
            }
            QVERIFY2(differ > form.CmdColorBox->count() / 2, qPrintable(language));
            brisalto::RemoveTranslators(*QCoreApplication::instance());
        }
    }

    // The chemistry dialogs' messages come from the Qt-free tools, whose English brisalto-calc
    // writes: the dialogs show them in the language, the user's text and the place kept.
    void ChemistryMessagesSpeakTheLanguage() {
        struct Case {
            QString dialog;
            QStringList fields;
            QString english;  // as brisalto-calc writes it
            QString kept;     // the user's text or a number the message must still hold
        };
        const QList<Case> cases = {
            {"molar mass", {"FormulaEdit=H2(SO4"}, "( is not closed (at character 3)", "("},
            {"molar mass", {"FormulaEdit=Xx2O"}, "Xx is not an element (at character 1)", "Xx"},
            {"reaction",
             {"ReactionEdit=C + O2 = CO + CO2"},
             "the reaction has more than one independent balance; it is made of: 2 C + O2 = 2 "
             "CO; C + O2 = CO2",
             "2 C + O2 = 2 CO; C + O2 = CO2"},
            {"reaction",
             {"ReactionEdit=H2 + O2 = 3 H2O"},
             "H does not balance: 2 on the left, 6 on the right",
             "6"},
            {"reaction",
             {"ReactionEdit=Fe^3+ + 2 e^- = Fe"},
             "the charge does not balance: +1 on the left, 0 on the right",
             "+1"},
            {"reaction",
             {"ReactionEdit=H2 + O2 = H2O", "GivenEdit=H2=10 gg"},
             "gg is not a unit of mass, amount, volume or concentration (at character 7)",
             "gg"},
            // A user's "%1" stays as typed.
            {"reaction",
             {"ReactionEdit=H2 + O2 = H2O", "GivenEdit=H2%1"},
             "H2%1 needs a species and an amount: 'H2O=10 g'",
             "H2%1"},
            {"solution",
             {"FormulaEdit=NaCl", "VolumeEdit=5 g"},
             "5 g is not a volume (at character 1)",
             "5 g"},
            {"solution",
             {"C1Edit=1 M", "V1Edit=1 L", "C2Edit=2 M"},
             "C2 is above C1: a dilution only lowers the concentration",
             "C2"},
        };
        for (const Case& c : cases) QCOMPARE(DialogMessage(c.dialog, c.fields), c.english);
        // A textbook line in each language.
        const std::map<QString, QString> kNotClosed = {
            {"de", "( wird nicht geschlossen (bei Zeichen 3)"},
            {"fr", "( n’est pas fermée (au caractère 3)"},
            {"es", "( no se cierra (en el carácter 3)"}};
        for (const QString& language : kTranslated) {
            QVERIFY(brisalto::InstallTranslators(*QCoreApplication::instance(), language));
            const QString at = QCoreApplication::translate("Chemistry", "%1 (at character %2)");
            for (const Case& c : cases) {
                const QString shown = DialogMessage(c.dialog, c.fields);
                const QString where = language + ": " + shown;
                QVERIFY2(shown != c.english && shown.contains(c.kept), qPrintable(where));
                const qsizetype place = c.english.indexOf(" (at character ");
                if (place >= 0) {
                    const QString number = c.english.mid(place + 15).chopped(1);
                    QVERIFY2(shown.endsWith(at.mid(at.indexOf("%1") + 2).replace("%2", number)),
                             qPrintable(where));
                }
            }
            QCOMPARE(DialogMessage("molar mass", {"FormulaEdit=H2(SO4"}), kNotClosed.at(language));
            brisalto::RemoveTranslators(*QCoreApplication::instance());
        }
    }

    void TranscriptStaysEnglish() {
        const QStringList lines = GoldenLines();
        QVERIFY(lines.size() > 100);
        const Session english = RunSession(lines);
        QVERIFY(english.results.count(QLatin1Char('\n')) > 100);
        QVERIFY(!english.settings.isEmpty() && !english.history.isEmpty());
        for (const QString& language : kTranslated) {
            QVERIFY(brisalto::InstallTranslators(*QCoreApplication::instance(), language));
            const Session session = RunSession(lines);
            QVERIFY2(session.results == english.results, qPrintable(language));
            QVERIFY2(session.settings == english.settings, qPrintable(language));
            QVERIFY2(session.history == english.history, qPrintable(language));
        }
    }
};

QTEST_MAIN(TranslationTest)
#include "translation_test.moc"
