// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The settings file: its location, the first-run file line by line, round trips, hand-edited
// files and writes that are refused or cut short.
#include "app/settings_file.h"

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <map>
#include <memory>

#include "app/ini_file.h"

using brisalto::CalculatorSettings;

namespace {

constexpr char kUnset[] = "<unset>";

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

void SetOrUnset(const char* name, const QByteArray& value) {
    if (value == kUnset) {
        qunsetenv(name);
    } else {
        qputenv(name, value);
    }
}

// Restores XDG_CONFIG_HOME and HOME when a test ends.
class EnvironmentGuard {
  public:
    EnvironmentGuard() : xdg_(Get("XDG_CONFIG_HOME")), home_(Get("HOME")) {}
    ~EnvironmentGuard() {
        SetOrUnset("XDG_CONFIG_HOME", xdg_);
        SetOrUnset("HOME", home_);
    }

  private:
    static QByteArray Get(const char* name) {
        return qEnvironmentVariableIsSet(name) ? qgetenv(name) : QByteArray(kUnset);
    }
    QByteArray xdg_;
    QByteArray home_;
};

CalculatorSettings Changed() {
    CalculatorSettings s;
    s.mouse_tools_checked = false;
    s.tools_panel_visible = false;
    s.left = 394;
    s.top = -20;
    s.word_wrap = false;
    s.cmd_bkgrd_color = 0x00FFFF00;                                  // Aqua
    s.results_bkgrd_color = static_cast<std::int32_t>(0x80000018u);  // Info Background
    s.precision = 20;
    s.results_font_name = QStringLiteral("DejaVu Sans Mono \u00e9");
    s.results_font_bold = true;
    s.results_font_italic = true;
    s.results_font_underline = true;
    s.results_font_strike_out = true;
    s.results_font_color = 0x000000FF;  // Red
    s.results_font_size = 14;
    s.scientific = true;
    s.automatic = false;
    s.mode = 0;
    return s;
}

}  // namespace

class SettingsFileTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void FindsTheFile_data();
    void FindsTheFile();
    void FirstRunWritesTheTwentyLines();
    void ReadingCreatesNothing();
    void RoundTrips();
    void ReadsHandEditedFile();
    void ReadsOddValues_data();
    void ReadsOddValues();
    void KeepsEveryOtherLine();
    void RefusedWriteNamesThePath();
    void ReadOnlyFolderIsRefused();
    void CutShortWriteLeavesTheOldFile();
    void NoHomeMeansNoReadAndNoWrite();
    void OnlyASaneRegularFileIsReadOrReplaced_data();
    void OnlyASaneRegularFileIsReadOrReplaced();

  private:
    std::unique_ptr<QTemporaryDir> dir_;
    QString path_;
};

void SettingsFileTest::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    path_ = dir_->filePath(QStringLiteral("Brisalto/Calculator.ini"));
}

void SettingsFileTest::FindsTheFile_data() {
    QTest::addColumn<QByteArray>("xdg");
    QTest::addColumn<QByteArray>("home");
    QTest::addColumn<QString>("expected");  // empty: no path

    QTest::newRow("XDG set") << QByteArray("/x/conf") << QByteArray("/home/u")
                             << QStringLiteral("/x/conf/Brisalto/Calculator.ini");
    QTest::newRow("XDG with slash") << QByteArray("/x/conf/") << QByteArray("/home/u")
                                    << QStringLiteral("/x/conf/Brisalto/Calculator.ini");
    QTest::newRow("XDG empty") << QByteArray("") << QByteArray("/home/u")
                               << QStringLiteral("/home/u/.config/Brisalto/Calculator.ini");
    QTest::newRow("XDG unset") << QByteArray(kUnset) << QByteArray("/home/u")
                               << QStringLiteral("/home/u/.config/Brisalto/Calculator.ini");
    QTest::newRow("XDG relative") << QByteArray("conf") << QByteArray("/home/u")
                                  << QStringLiteral("/home/u/.config/Brisalto/Calculator.ini");
    QTest::newRow("XDG without HOME")
        << QByteArray("/x") << QByteArray(kUnset) << QStringLiteral("/x/Brisalto/Calculator.ini");
    QTest::newRow("no HOME") << QByteArray(kUnset) << QByteArray(kUnset) << QString();
    QTest::newRow("empty HOME") << QByteArray("") << QByteArray("") << QString();
}

void SettingsFileTest::FindsTheFile() {
    QFETCH(QByteArray, xdg);
    QFETCH(QByteArray, home);
    QFETCH(QString, expected);
    EnvironmentGuard guard;
    SetOrUnset("XDG_CONFIG_HOME", xdg);
    SetOrUnset("HOME", home);
    const std::optional<QString> path = brisalto::SettingsFilePath();
    QCOMPARE(path.value_or(QString()), expected);
}

void SettingsFileTest::FirstRunWritesTheTwentyLines() {
    EnvironmentGuard guard;
    qputenv("XDG_CONFIG_HOME", dir_->path().toUtf8());
    QVERIFY(!brisalto::WriteSettings(CalculatorSettings()).has_value());

    const QList<QByteArray> lines = ReadAll(path_).split('\n');
    const QList<QByteArray> expected = {
        "[View]",
        "Tools=1",
        "Left=0",
        "Right=0",
        "CmdBkgrdColor=-2147483643",
        "ResultsBkgrdColor=-2147483643",
        "ResultsFontName=Arial",
        "ResultsFontStyleBold=0",
        "ResultsFontStyleItalic=0",
        "ResultsFontStyleUnderline=0",
        "ResultsFontStyleStrikeOut=0",
        "ResultsFontColor=-2147483640",
        "ResultsFontSize=10",
        "[Format]",
        "WordWrap=1",
        "Precision=10",
        "[Mode]",
        "Scientific=0",
        "Automatic=1",
        "Mode=2",
        "",  // after the last line end
    };
    QCOMPARE(lines.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QVERIFY2(
            lines[i] == expected[i],
            qPrintable(QStringLiteral("line %1: %2").arg(i + 1).arg(QString::fromUtf8(lines[i]))));
    }
}

void SettingsFileTest::ReadingCreatesNothing() {
    EnvironmentGuard guard;
    qputenv("XDG_CONFIG_HOME", dir_->path().toUtf8());
    const std::optional<CalculatorSettings> read = brisalto::ReadSettings();
    QVERIFY(read.has_value());
    QVERIFY(*read == CalculatorSettings());
    QVERIFY2(!QFileInfo::exists(dir_->filePath(QStringLiteral("Brisalto"))),
             "the folder is made when the settings are written, not when read");
}

void SettingsFileTest::RoundTrips() {
    const CalculatorSettings changed = Changed();
    QVERIFY(!brisalto::WriteSettingsTo(path_, changed).has_value());
    QVERIFY(brisalto::ReadSettingsFrom(path_) == changed);

    const QByteArray bytes = ReadAll(path_);
    QVERIFY2(bytes.contains("ResultsBkgrdColor=-2147483624\n"), "system colour in signed decimal");
    QVERIFY2(bytes.contains("CmdBkgrdColor=16776960\n"), "RGB colour in decimal");

    // Writing the same settings again changes no byte.
    QVERIFY(!brisalto::WriteSettingsTo(path_, changed).has_value());
    QCOMPARE(ReadAll(path_), bytes);

    QVERIFY(!brisalto::WriteSettingsTo(path_, CalculatorSettings()).has_value());
    QVERIFY(brisalto::ReadSettingsFrom(path_) == CalculatorSettings());
}

void SettingsFileTest::ReadsHandEditedFile() {
    WriteAll(path_,
             "; edited by hand\r\n"
             "[view]\r\n"
             "left = 0x20\r\n"
             "RIGHT=-15\r\n"
             "Tools=0\r\n"
             "ResultsFontName =  Liberation Serif  \r\n"
             "ResultsFontStyleItalic=2\r\n"
             "ResultsFontColor=0x000080\r\n"
             "ResultsFontSize=abc\r\n"
             "\r\n"
             "[Format]\r\n"
             "Precision=seven\r\n"
             "WordWrap=0\r\n"
             "[Mode]\r\n"
             "Scientific=1\r\n"
             "Automatic=1\r\n"
             "Mode=7\r\n");
    const CalculatorSettings s = brisalto::ReadSettingsFrom(path_);
    QCOMPARE(s.left, 32);
    QCOMPARE(s.top, -15);
    QCOMPARE(s.mouse_tools_checked, false);
    QCOMPARE(s.tools_panel_visible, false);
    QCOMPARE(s.word_wrap, false);
    QCOMPARE(s.results_font_name, QStringLiteral("Liberation Serif"));
    QCOMPARE(s.results_font_bold, false);
    QCOMPARE(s.results_font_italic, true);
    QCOMPARE(s.results_font_color, 0x000080);
    QCOMPARE(s.results_font_size, 10);
    QCOMPARE(s.precision, 10);
    QCOMPARE(s.scientific, true);
    QCOMPARE(s.automatic, false);
    QCOMPARE(s.mode, 2);
    QCOMPARE(s.cmd_bkgrd_color, brisalto::kSystemWindowColor);
}

void SettingsFileTest::ReadsOddValues_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<int>("expected");

    QTest::newRow("Mode=3") << QByteArray("[Mode]\nMode=3\n") << QByteArray("mode") << 3;
    QTest::newRow("Mode=-1") << QByteArray("[Mode]\nMode=-1\n") << QByteArray("mode") << 2;
    QTest::newRow("Mode=0x1") << QByteArray("[Mode]\nMode=0x1\n") << QByteArray("mode") << 1;
    QTest::newRow("Precision=0") << QByteArray("[Format]\nPrecision=0\n") << QByteArray("precision")
                                 << 0;
    QTest::newRow("Precision=21") << QByteArray("[Format]\nPrecision=21\n")
                                  << QByteArray("precision") << 20;
    QTest::newRow("Precision=25") << QByteArray("[Format]\nPrecision=25\n")
                                  << QByteArray("precision") << 20;
    QTest::newRow("Precision=-5") << QByteArray("[Format]\nPrecision=-5\n")
                                  << QByteArray("precision") << 0;
    QTest::newRow("Precision=0x7FFFFFFF")
        << QByteArray("[Format]\nPrecision=0x7FFFFFFF\n") << QByteArray("precision") << 20;
    QTest::newRow("Precision=1.5")
        << QByteArray("[Format]\nPrecision=1.5\n") << QByteArray("precision") << 10;
    QTest::newRow("ResultsFontSize=0")
        << QByteArray("[View]\nResultsFontSize=0\n") << QByteArray("size") << 10;
    QTest::newRow("ResultsFontSize=72")
        << QByteArray("[View]\nResultsFontSize=72\n") << QByteArray("size") << 72;
    QTest::newRow("ResultsFontSize=1")
        << QByteArray("[View]\nResultsFontSize=1\n") << QByteArray("size") << 1;
    QTest::newRow("ResultsFontSize=200")
        << QByteArray("[View]\nResultsFontSize=200\n") << QByteArray("size") << 200;
    QTest::newRow("ResultsFontSize=201")
        << QByteArray("[View]\nResultsFontSize=201\n") << QByteArray("size") << 10;
    QTest::newRow("ResultsFontSize=100000")
        << QByteArray("[View]\nResultsFontSize=100000\n") << QByteArray("size") << 10;
    QTest::newRow("ResultsFontSize=-3")
        << QByteArray("[View]\nResultsFontSize=-3\n") << QByteArray("size") << 10;
    QTest::newRow("Left huge") << QByteArray("[View]\nLeft=99999999999\n") << QByteArray("left")
                               << 0;
    QTest::newRow("Left negative")
        << QByteArray("[View]\nLeft=-100\n") << QByteArray("left") << -100;
    QTest::newRow("Left in Format section")
        << QByteArray("[Format]\nLeft=50\n") << QByteArray("left") << 0;
    QTest::newRow("only Automatic=0 gives Fixed")
        << QByteArray("[Mode]\nAutomatic=0\n") << QByteArray("automatic") << 0;
    QTest::newRow("missing colour takes the font's colour")
        << QByteArray("[View]\n") << QByteArray("font colour") << 0x123456;
    QTest::newRow("garbage colour takes the font's colour")
        << QByteArray("[View]\nResultsFontColor=red\n") << QByteArray("font colour") << 0x123456;
    QTest::newRow("empty font name")
        << QByteArray("[View]\nResultsFontName=\n") << QByteArray("font name is Arial") << 1;
}

void SettingsFileTest::ReadsOddValues() {
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, field);
    QFETCH(int, expected);
    WriteAll(path_, file);
    const CalculatorSettings s = brisalto::ReadSettingsFrom(path_, 0x123456);
    const std::map<QByteArray, int> fields = {
        {"mode", s.mode},
        {"precision", s.precision},
        {"size", s.results_font_size},
        {"left", s.left},
        {"automatic", s.automatic ? 1 : 0},
        {"font colour", s.results_font_color},
        {"font name is Arial", s.results_font_name == QStringLiteral("Arial") ? 1 : 0},
    };
    QCOMPARE(fields.at(field), expected);
}

void SettingsFileTest::KeepsEveryOtherLine() {
    const QByteArray before =
        "; Brisalto settings, edited by hand\r\n"
        "\r\n"
        "[View]\r\n"
        "Tools = 1\r\n"
        "Theme=dark\r\n"
        "\r\n"
        "; printer notes\r\n"
        "[Printer]\r\n"
        "Name=Office  laser\r\n"
        "[Mode]\r\n"
        "Mode=1\r\n"
        "\r\n";
    WriteAll(path_, before);
    QVERIFY(!brisalto::WriteSettingsTo(path_, Changed()).has_value());
    const QByteArray after =
        "; Brisalto settings, edited by hand\r\n"
        "\r\n"
        "[View]\r\n"
        "Tools = 0\r\n"
        "Theme=dark\r\n"
        "Left=394\r\n"
        "Right=-20\r\n"
        "CmdBkgrdColor=16776960\r\n"
        "ResultsBkgrdColor=-2147483624\r\n"
        "ResultsFontName=DejaVu Sans Mono \xC3\xA9\r\n"
        "ResultsFontStyleBold=1\r\n"
        "ResultsFontStyleItalic=1\r\n"
        "ResultsFontStyleUnderline=1\r\n"
        "ResultsFontStyleStrikeOut=1\r\n"
        "ResultsFontColor=255\r\n"
        "ResultsFontSize=14\r\n"
        "\r\n"
        "; printer notes\r\n"
        "[Printer]\r\n"
        "Name=Office  laser\r\n"
        "[Mode]\r\n"
        "Mode=0\r\n"
        "Scientific=1\r\n"
        "Automatic=0\r\n"
        "\r\n"
        "[Format]\r\n"
        "WordWrap=0\r\n"
        "Precision=20\r\n";
    QCOMPARE(ReadAll(path_), after);
}

void SettingsFileTest::RefusedWriteNamesThePath() {
    // A plain file where the folder should be: refused even for root.
    const QString blocker = dir_->filePath(QStringLiteral("blocked"));
    WriteAll(blocker, "not a folder");
    const QString path = blocker + QStringLiteral("/Calculator.ini");
    const std::optional<QString> error = brisalto::WriteSettingsTo(path, CalculatorSettings());
    QCOMPARE(error.value_or(QString()),
             QStringLiteral("Unable to write to ") + path + QStringLiteral(": Not a directory"));
    QCOMPARE(ReadAll(blocker), QByteArray("not a folder"));

    // The settings file's name taken by a folder.
    const QString taken = dir_->filePath(QStringLiteral("taken/Calculator.ini"));
    QVERIFY(QDir().mkpath(taken));
    QCOMPARE(
        brisalto::WriteSettingsTo(taken, CalculatorSettings()).value_or(QString()),
        QStringLiteral("Unable to write to ") + taken + QStringLiteral(": not a regular file"));
}

void SettingsFileTest::ReadOnlyFolderIsRefused() {
    if (geteuid() == 0) QSKIP("root writes into read-only folders");
    WriteAll(path_, "[View]\nTools=0\n");
    const QString folder = QFileInfo(path_).absolutePath();
    QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    const std::optional<QString> error = brisalto::WriteSettingsTo(path_, Changed());
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(error.value_or(QString()).startsWith(QStringLiteral("Unable to write to ") + path_));
    QCOMPARE(ReadAll(path_), QByteArray("[View]\nTools=0\n"));
}

void SettingsFileTest::CutShortWriteLeavesTheOldFile() {
    const QByteArray old_file = "[View]\nTools=0\n";
    WriteAll(path_, old_file);

    // A file size limit makes the system refuse the write half-way, as a full disk would.
    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const sighandler_t old_handler = signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 64;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::optional<QString> error = brisalto::WriteSettingsTo(path_, Changed());
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, old_handler);

    QCOMPARE(error.value_or(QString()),
             QStringLiteral("Unable to write to ") + path_ + QStringLiteral(": File too large"));
    QCOMPARE(ReadAll(path_), old_file);
    const QStringList left_over =
        QDir(QFileInfo(path_).absolutePath()).entryList(QDir::Files | QDir::Hidden);
    QCOMPARE(left_over, QStringList{QStringLiteral("Calculator.ini")});
}

void SettingsFileTest::NoHomeMeansNoReadAndNoWrite() {
    EnvironmentGuard guard;
    qunsetenv("XDG_CONFIG_HOME");
    qunsetenv("HOME");
    QVERIFY(!brisalto::ReadSettings().has_value());
    QVERIFY2(!brisalto::WriteSettings(Changed()).has_value(), "nothing to write is no error");
}

void SettingsFileTest::OnlyASaneRegularFileIsReadOrReplaced_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("refused");
    // Why a write is refused: what the user can act on.
    QTest::addColumn<QString>("reason");
    QTest::newRow("FIFO") << "fifo" << true << "not a regular file";
    QTest::newRow("link to a FIFO") << "link to fifo" << true << "not a regular file";
    QTest::newRow("link to /dev/zero") << "link to /dev/zero" << true << "not a regular file";
    QTest::newRow("folder") << "folder" << true << "not a regular file";
    QTest::newRow("past the limit") << "too large" << true << "larger than 1088 KiB";
    // The user's 1 MiB less a few bytes: the keys the program adds are read back next time.
    QTest::newRow("1 MiB less a few bytes") << "1 MiB" << false << "";
    // Read, but the keys would take it past the limit: the message says what to do.
    QTest::newRow("at the limit") << "at the limit" << false << "remove the lines";
    QTest::newRow("link to a regular file") << "link to file" << false << "";
}

void SettingsFileTest::OnlyASaneRegularFileIsReadOrReplaced() {
    QFETCH(QString, kind);
    QFETCH(bool, refused);
    QFETCH(QString, reason);
    const QString target = dir_->filePath(QStringLiteral("target"));
    QVERIFY(QDir().mkpath(QFileInfo(path_).absolutePath()));
    // A file whose only key is Mode=1 and whose padding is a comment, so its size is chosen.
    const auto padded = [](qint64 size) {
        QByteArray bytes = "[Mode]\nMode=1\n;";
        bytes += QByteArray(size - bytes.size() - 1, 'x');
        return bytes + '\n';
    };
    if (kind == "fifo") {
        QCOMPARE(mkfifo(QFile::encodeName(path_).constData(), 0600), 0);
    } else if (kind == "link to fifo") {
        QCOMPARE(mkfifo(QFile::encodeName(target).constData(), 0600), 0);
        QVERIFY(QFile::link(target, path_));
    } else if (kind == "link to /dev/zero") {
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path_));
    } else if (kind == "folder") {
        QVERIFY(QDir().mkpath(path_));
    } else if (kind == "too large") {
        WriteAll(path_, padded(brisalto::kIniFileLimit + 1));
    } else if (kind == "1 MiB") {
        WriteAll(path_, padded(1'048'400));
    } else if (kind == "at the limit") {
        WriteAll(path_, padded(brisalto::kIniFileLimit));
    } else {
        WriteAll(target, padded(100));
        QVERIFY(QFile::link(target, path_));
    }
    const QFileInfo before(path_);

    QString problem;
    const CalculatorSettings read = brisalto::ReadSettingsFrom(path_, 0, &problem);
    QCOMPARE(problem.isEmpty(), !refused);
    QCOMPARE(read.mode, refused ? 2 : 1);

    const std::optional<QString> error = brisalto::WriteSettingsTo(path_, Changed());
    QCOMPARE(error.has_value(), !reason.isEmpty());
    if (error) {
        QVERIFY2(error->startsWith(QStringLiteral("Unable to write to ") + path_ + ": "),
                 qPrintable(*error));
        QVERIFY2(error->contains(reason), qPrintable(*error));
    } else {
        // What was written is read back, every start after.
        problem.clear();
        QCOMPARE(brisalto::ReadSettingsFrom(path_, 0, &problem), Changed());
        QCOMPARE(problem, QString());
    }
    const QFileInfo after(path_);
    if (error) {
        QCOMPARE(after.isSymLink(), before.isSymLink());
        QCOMPARE(after.isFile(), before.isFile());
        QCOMPARE(after.size(), before.size());
    }
}

QTEST_GUILESS_MAIN(SettingsFileTest)
#include "settings_file_test.moc"
