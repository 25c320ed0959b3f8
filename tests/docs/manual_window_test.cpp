// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// What the manual and brisalto-calculator(1) show as typed in the window, typed key by key into
// the window's command line: the worked examples, the "X is N" values, what a typed operator turns
// the line into, and the man page's example lines beside brisalto-calc's transcript of them.
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <memory>

#include "app/main_form.h"

using brisalto::TMainForm;

namespace {

QString ReadText(const char* path) {
    QFile file(QString::fromUtf8(path));
    if (!file.open(QIODevice::ReadOnly)) qFatal("cannot read %s", path);
    return QString::fromUtf8(file.readAll());
}

QString Unescape(QString text) {
    return text.replace("&lt;", "<")
        .replace("&gt;", ">")
        .replace("&quot;", "\"")
        .replace("&amp;", "&");
}

// Every match's captured groups, unescaped.
QList<QStringList> Matches(const QString& text, const QString& pattern) {
    QList<QStringList> found;
    const QRegularExpression re(pattern, QRegularExpression::DotMatchesEverythingOption);
    for (auto it = re.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        QStringList groups;
        for (int i = 1; i <= re.captureCount(); ++i) groups << Unescape(m.captured(i));
        found << groups;
    }
    return found;
}

// The lines run by the example lines of a man page's EXAMPLES section.
QStringList ManExampleLines(const QString& page) {
    const qsizetype from = page.indexOf(".SH EXAMPLES");
    const qsizetype begin = page.indexOf(".EX\n", from) + 4;
    const qsizetype end = page.indexOf(".EE", begin);
    QStringList lines = page.mid(begin, end - begin).replace("\\-", "-").split('\n');
    lines.removeAll(QString());
    return lines;
}

}  // namespace

class ManualWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> config_;
    std::unique_ptr<TMainForm> form_;
    QString manual_ = ReadText(BRISALTO_MANUAL);

    // A first run's window: no settings, so the standard start state the manual assumes.
    void Start() {
        form_.reset();
        config_ = std::make_unique<QTemporaryDir>();
        QVERIFY(config_->isValid());
        qputenv("XDG_CONFIG_HOME", config_->path().toLocal8Bit());
        form_ = std::make_unique<TMainForm>();
        form_->show();
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
        CmdEdit()->setFocus();
    }
    QLineEdit* CmdEdit() const { return form_->findChild<QLineEdit*>("CmdEdit"); }
    // The results window without the three banner lines and a last empty line.
    QStringList Results() const {
        QStringList lines;
        const auto* memo = form_->findChild<QPlainTextEdit*>("ResultsMemo");
        for (QTextBlock b = memo->document()->begin(); b.isValid(); b = b.next()) lines << b.text();
        if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
        return lines.mid(3);
    }
    void Type(const QString& line) {
        QTest::keyClicks(CmdEdit(), line);
        QTest::keyClick(CmdEdit(), Qt::Key_Return);
    }
    void TypeAll(const QStringList& lines) {
        Start();
        for (const QString& line : lines) Type(line);
    }

  private slots:
    void initTestCase() { QVERIFY(QFile::exists(BRISALTO_CALC)); }
    void cleanup() { form_.reset(); }

    void WorkedExamplesTypedInTheWindow() {
        const auto blocks = Matches(manual_, R"(<pre class="example">\n(.*?)\n</pre>)");
        QVERIFY(blocks.size() >= 10);
        for (const QStringList& block : blocks) {
            const QStringList expected = block[0].split('\n');
            QStringList typed;
            for (const QString& line : expected) {
                if (line.startsWith("> ")) typed << line.mid(2);
            }
            TypeAll(typed);
            QCOMPARE(Results(), expected);
        }
    }

    // Each claim typed after an answer that is not 0, so that a line which would run on the
    // answer cannot pass by chance.
    void ClaimsTypedInTheWindow() {
        const auto claims = Matches(
            manual_, R"(<code>([^<]+)</code>\s+is\s+(?:exactly\s+)?(-?[0-9][0-9.]*[0-9]|-?[0-9]))");
        QVERIFY(claims.size() >= 20);
        const QRegularExpression value(R"(= (\S+)(?:\s+\((\S+)\))?$)");
        Start();
        for (const QStringList& claim : claims) {
            Type("A=12.5");
            Type(claim[0]);
            const QStringList lines = Results();
            const qsizetype echo = lines.lastIndexOf(QRegularExpression("> .*"));
            QCOMPARE(lines.value(echo), "> " + claim[0]);
            // The value stands last before the closing separator, after any "Counter" lines.
            const QString answer = lines.value(lines.size() - 2);
            const QRegularExpressionMatch m = value.match(answer);
            QVERIFY2(m.hasMatch(), qPrintable(claim[0] + " gives " + answer));
            const QString shown = (m.hasCaptured(2) ? m.captured(2) : m.captured(1)).remove(',');
            // The 15 significant digits the calculator keeps, as brisalto-calc -q prints them.
            QCOMPARE(QString::number(shown.toDouble(), 'g', 15),
                     QString::number(claim[1].toDouble(), 'g', 15));
        }
    }

    void TypedOperatorsBecomeTheLine() {
        auto keys =
            Matches(manual_, R"(<kbd>([^<]+)</kbd>\s+becomes\s+the\s+line\s+<code>([^<]+)</code>)");
        keys += Matches(ReadText(BRISALTO_WINDOW_MAN).replace("\\-", "-"),
                        R"(typing\n\.B (\S+)\ngives the line\n\.BR (\S+) \.)");
        QVERIFY(keys.size() >= 4);
        for (const QStringList& key : keys) {
            Start();
            QTest::keyClicks(CmdEdit(), key[0]);
            QCOMPARE(CmdEdit()->text(), key[1]);
        }
    }

    // Pasted lines run as they stand; a last line without a line break stays to be finished.
    void PastedLinesRunAsTheyStand() {
        Start();
        QApplication::clipboard()->setText("-2^2\n5*");
        QTest::keySequence(CmdEdit(), QKeySequence::Paste);
        QCOMPARE(Results().value(1), QStringLiteral("> -2^2"));
        QVERIFY(Results().value(3).startsWith(QStringLiteral("Answer(A) = 4.0")));
        QCOMPARE(CmdEdit()->text(), QStringLiteral("5*"));
    }

    void ManPageExamplesTypedInTheWindow() {
        const QStringList lines = ManExampleLines(ReadText(BRISALTO_WINDOW_MAN));
        QVERIFY(lines.size() >= 3);
        QTemporaryDir config;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", config.path());
        QProcess calc;
        calc.setProcessEnvironment(env);
        calc.start(BRISALTO_CALC, {});
        QVERIFY(calc.waitForStarted());
        calc.write((lines.join('\n') + '\n').toUtf8());
        calc.closeWriteChannel();
        QVERIFY(calc.waitForFinished(30000));
        QStringList terminal = QString::fromUtf8(calc.readAllStandardOutput()).split('\n').mid(3);
        if (!terminal.isEmpty() && terminal.last().isEmpty()) terminal.removeLast();
        TypeAll(lines);
        QCOMPARE(Results(), terminal);
    }
};

QTEST_MAIN(ManualWindowTest)
#include "manual_window_test.moc"
