// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The INI profile layer: integer texts, lookups as the profile functions do them, and writes
// that leave every other byte of the file alone.
#include "app/ini_file.h"

#include <QTemporaryDir>
#include <QTest>

using brisalto::IniFile;

namespace {

QByteArray Bytes(const std::string& text) {
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

std::string Std(const QByteArray& bytes) { return std::string(bytes.constData(), bytes.size()); }

}  // namespace

class IniFileTest : public QObject {
    Q_OBJECT

  private slots:
    void ParsesProfileIntegers_data();
    void ParsesProfileIntegers();
    void LooksUpValues_data();
    void LooksUpValues();
    void ReadsWithDefaults_data();
    void ReadsWithDefaults();
    void CutsLongValues();
    void WritesInPlace_data();
    void WritesInPlace();
    void LoadsAndSavesFiles();
};

void IniFileTest::ParsesProfileIntegers_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("value");

    QTest::newRow("0") << QByteArray("0") << true << 0;
    QTest::newRow("10") << QByteArray("10") << true << 10;
    QTest::newRow("-5") << QByteArray("-5") << true << -5;
    QTest::newRow("+7") << QByteArray("+7") << true << 7;
    QTest::newRow("007") << QByteArray("007") << true << 7;
    QTest::newRow("int max") << QByteArray("2147483647") << true << 2147483647;
    QTest::newRow("int min") << QByteArray("-2147483648") << true << (-2147483647 - 1);
    QTest::newRow("system colour") << QByteArray("-2147483643") << true << -2147483643;
    QTest::newRow("0x20") << QByteArray("0x20") << true << 32;
    QTest::newRow("0X1f") << QByteArray("0X1f") << true << 31;
    QTest::newRow("0x80000005") << QByteArray("0x80000005") << true << -2147483643;
    QTest::newRow("0xFFFFFFFF") << QByteArray("0xFFFFFFFF") << true << -1;
    QTest::newRow("0x0000000020") << QByteArray("0x0000000020") << true << 32;

    QTest::newRow("empty") << QByteArray("") << false << 0;
    QTest::newRow("0x alone") << QByteArray("0x") << false << 0;
    QTest::newRow("0x too big") << QByteArray("0x100000000") << false << 0;
    QTest::newRow("0x sign") << QByteArray("0x-1") << false << 0;
    QTest::newRow("0xg") << QByteArray("0xg") << false << 0;
    QTest::newRow("too big") << QByteArray("2147483648") << false << 0;
    QTest::newRow("too small") << QByteArray("-2147483649") << false << 0;
    QTest::newRow("trailing letters") << QByteArray("12abc") << false << 0;
    QTest::newRow("word") << QByteArray("abc") << false << 0;
    QTest::newRow("point") << QByteArray("1.5") << false << 0;
    QTest::newRow("exponent") << QByteArray("1e3") << false << 0;
    QTest::newRow("inner blank") << QByteArray("1 2") << false << 0;
    QTest::newRow("two signs") << QByteArray("+-1") << false << 0;
    QTest::newRow("double minus") << QByteArray("--1") << false << 0;
    QTest::newRow("sign alone") << QByteArray("-") << false << 0;
}

void IniFileTest::ParsesProfileIntegers() {
    QFETCH(QByteArray, text);
    QFETCH(bool, valid);
    QFETCH(int, value);
    const std::optional<std::int32_t> parsed = brisalto::ParseProfileInteger(Std(text));
    QCOMPARE(parsed.has_value(), valid);
    if (valid) QCOMPARE(*parsed, value);
}

void IniFileTest::LooksUpValues_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QByteArray>("value");

    const QByteArray basic = "[View]\r\nLeft=5\r\n[Mode]\r\nMode=1\r\n";
    QTest::newRow("plain") << basic << QByteArray("View") << QByteArray("Left") << true
                           << QByteArray("5");
    QTest::newRow("second section")
        << basic << QByteArray("Mode") << QByteArray("Mode") << true << QByteArray("1");
    QTest::newRow("section case") << basic << QByteArray("VIEW") << QByteArray("Left") << true
                                  << QByteArray("5");
    QTest::newRow("key case") << basic << QByteArray("view") << QByteArray("lEFT") << true
                              << QByteArray("5");
    QTest::newRow("key of another section")
        << basic << QByteArray("View") << QByteArray("Mode") << false << QByteArray();
    QTest::newRow("missing section")
        << basic << QByteArray("Format") << QByteArray("Left") << false << QByteArray();
    QTest::newRow("blanks around =")
        << QByteArray("[View]\n  Left \t=  7  \n") << QByteArray("View") << QByteArray("Left")
        << true << QByteArray("7");
    QTest::newRow("blanks in brackets") << QByteArray(" [ View ] \nLeft=7\n") << QByteArray("View")
                                        << QByteArray("Left") << true << QByteArray("7");
    QTest::newRow("value with =") << QByteArray("[View]\nName=a=b\n") << QByteArray("View")
                                  << QByteArray("Name") << true << QByteArray("a=b");
    QTest::newRow("empty value") << QByteArray("[View]\nName=\n") << QByteArray("View")
                                 << QByteArray("Name") << true << QByteArray("");
    QTest::newRow("first duplicate wins")
        << QByteArray("[View]\nLeft=1\nLeft=2\n") << QByteArray("View") << QByteArray("Left")
        << true << QByteArray("1");
    QTest::newRow("first section wins")
        << QByteArray("[View]\nTop=1\n[View]\nLeft=2\n") << QByteArray("View") << QByteArray("Left")
        << false << QByteArray();
    QTest::newRow("comment is no key") << QByteArray("[View]\n;Left=3\n") << QByteArray("View")
                                       << QByteArray("Left") << false << QByteArray();
    QTest::newRow("key before any section") << QByteArray("Left=3\n[View]\n") << QByteArray("View")
                                            << QByteArray("Left") << false << QByteArray();
    QTest::newRow("byte order mark")
        << QByteArray("\xEF\xBB\xBF[View]\nLeft=4\n") << QByteArray("View") << QByteArray("Left")
        << true << QByteArray("4");
    QTest::newRow("old Mac line ends") << QByteArray("[View]\rLeft=6\r") << QByteArray("View")
                                       << QByteArray("Left") << true << QByteArray("6");
    QTest::newRow("no final line end") << QByteArray("[View]\nLeft=8") << QByteArray("View")
                                       << QByteArray("Left") << true << QByteArray("8");
}

void IniFileTest::LooksUpValues() {
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, section);
    QFETCH(QByteArray, key);
    QFETCH(bool, found);
    QFETCH(QByteArray, value);
    const IniFile ini = IniFile::FromBytes(Std(file));
    const std::optional<std::string> got = ini.Value(Std(section), Std(key));
    QCOMPARE(got.has_value(), found);
    if (found) QCOMPARE(Bytes(*got), value);
}

void IniFileTest::ReadsWithDefaults_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("integer");   // ReadInteger with the default 99
    QTest::addColumn<bool>("boolean");  // ReadBool with the default true

    QTest::newRow("missing") << QByteArray("") << 99 << true;
    QTest::newRow("zero") << QByteArray("K=0") << 0 << false;
    QTest::newRow("one") << QByteArray("K=1") << 1 << true;
    QTest::newRow("other number is true") << QByteArray("K=-3") << -3 << true;
    QTest::newRow("hex") << QByteArray("K=0x10") << 16 << true;
    QTest::newRow("hex zero") << QByteArray("K=0x0") << 0 << false;
    QTest::newRow("garbage") << QByteArray("K=yes") << 99 << true;
    QTest::newRow("empty value") << QByteArray("K=") << 99 << true;
}

void IniFileTest::ReadsWithDefaults() {
    QFETCH(QByteArray, line);
    QFETCH(int, integer);
    QFETCH(bool, boolean);
    const IniFile ini = IniFile::FromBytes(Std("[S]\n" + line + "\n"));
    QCOMPARE(ini.ReadInteger("S", "K", 99), integer);
    QCOMPARE(ini.ReadBool("S", "K", true), boolean);
    QCOMPARE(Bytes(ini.ReadString("S", "Missing", "fallback")), QByteArray("fallback"));
}

void IniFileTest::CutsLongValues() {
    const std::string ascii(3000, 'x');
    const IniFile ini = IniFile::FromBytes("[S]\nK=" + ascii + "\n");
    QCOMPARE(ini.ReadString("S", "K", "").size(), brisalto::kIniValueLimit);

    // The 1024th two-byte character would straddle the limit: the cut keeps whole characters.
    std::string wide;
    for (int i = 0; i < 1100; ++i) wide += "\xC3\xA9";
    const IniFile utf8 = IniFile::FromBytes("[S]\nK=" + wide + "\n");
    QCOMPARE(utf8.ReadString("S", "K", "").size(), std::size_t{2046});
}

void IniFileTest::WritesInPlace_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("empty file") << QByteArray() << QByteArray("View") << QByteArray("Tools")
                                << QByteArray("1") << QByteArray("[View]\nTools=1\n");
    QTest::newRow("replace keeps blanks and CR LF")
        << QByteArray("; mine\r\n\r\n[View]\r\nTools = 1\r\n  Left=5\r\n") << QByteArray("View")
        << QByteArray("Tools") << QByteArray("0")
        << QByteArray("; mine\r\n\r\n[View]\r\nTools = 0\r\n  Left=5\r\n");
    QTest::newRow("replace keeps key spelling")
        << QByteArray("[view]\nTOOLS=1\n") << QByteArray("View") << QByteArray("Tools")
        << QByteArray("0") << QByteArray("[view]\nTOOLS=0\n");
    QTest::newRow("replace first duplicate only")
        << QByteArray("[View]\nLeft=1\nLeft=2\n") << QByteArray("View") << QByteArray("Left")
        << QByteArray("9") << QByteArray("[View]\nLeft=9\nLeft=2\n");
    QTest::newRow("new key after the section's last key")
        << QByteArray("[View]\r\nA=1\r\n\r\n; about mode\r\n[Mode]\r\nM=2\r\n")
        << QByteArray("View") << QByteArray("B") << QByteArray("3")
        << QByteArray("[View]\r\nA=1\r\nB=3\r\n\r\n; about mode\r\n[Mode]\r\nM=2\r\n");
    QTest::newRow("new key in an empty section")
        << QByteArray("[View]\n[Mode]\n") << QByteArray("View") << QByteArray("B")
        << QByteArray("3") << QByteArray("[View]\nB=3\n[Mode]\n");
    QTest::newRow("new section at the end in the file's line ends")
        << QByteArray("[View]\r\nA=1\r\n") << QByteArray("Mode") << QByteArray("M")
        << QByteArray("2") << QByteArray("[View]\r\nA=1\r\n[Mode]\r\nM=2\r\n");
    QTest::newRow("unterminated last line")
        << QByteArray("[View]\nA=1") << QByteArray("View") << QByteArray("B") << QByteArray("2")
        << QByteArray("[View]\nA=1\nB=2\n");
    QTest::newRow("unterminated file gets a new section")
        << QByteArray("; only a comment") << QByteArray("View") << QByteArray("A")
        << QByteArray("1") << QByteArray("; only a comment\n[View]\nA=1\n");
    QTest::newRow("line breaks in the value")
        << QByteArray("[View]\n") << QByteArray("View") << QByteArray("Name")
        << QByteArray("a\r\n[Evil]\nb") << QByteArray("[View]\nName=a  [Evil] b\n");
    QTest::newRow("commented key is not replaced")
        << QByteArray("[View]\n;A=1\n") << QByteArray("View") << QByteArray("A") << QByteArray("2")
        << QByteArray("[View]\nA=2\n;A=1\n");
}

void IniFileTest::WritesInPlace() {
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, section);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, value);
    QFETCH(QByteArray, after);
    IniFile ini = IniFile::FromBytes(Std(before));
    ini.WriteString(Std(section), Std(key), Std(value));
    QCOMPARE(Bytes(ini.ToBytes()), after);
}

void IniFileTest::LoadsAndSavesFiles() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("profile.ini"));

    const std::optional<IniFile> absent = IniFile::Load(path);
    QVERIFY2(absent.has_value(), "an absent file is an empty profile");
    QCOMPARE(Bytes(absent->ToBytes()), QByteArray());
    QVERIFY2(!QFile::exists(path), "loading creates nothing");

    IniFile ini = IniFile::FromBytes("# kept\r\n[S]\r\nK=1\r\n");
    ini.WriteInteger("S", "K", -2147483643);
    QVERIFY(ini.Save(path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("# kept\r\n[S]\r\nK=-2147483643\r\n"));

    const QString folder_as_file = dir.filePath(QStringLiteral("plain"));
    QFile plain(folder_as_file);
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    QVERIFY2(!ini.Save(folder_as_file + QStringLiteral("/profile.ini")), "refused write");
}

QTEST_GUILESS_MAIN(IniFileTest)
#include "ini_file_test.moc"
