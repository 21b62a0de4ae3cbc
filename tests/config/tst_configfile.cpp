// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/ConfigFile.h"
#include "config/SettingsKeys.h"
#include "support/TestFiles.h"
#include "ui/NumberRule.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <clocale>

using namespace pse;

namespace {

const QString folder = QStringLiteral("/prog/");

// Every field as text by key, so that one table row can name the field it is about and the test
// can check that all the others kept their defaults.
QMap<QString, QString> fields(const Settings &s)
{
    QMap<QString, QString> all;
    for (const SettingsKey &key : settingsKeys()) {
        QString value;
        if (key.whole)
            value = QString::number(s.*key.whole);
        else if (key.text)
            value = s.*key.text;
        else
            value = QStringLiteral("%1,%2,%3")
                        .arg((s.*key.colour).r)
                        .arg((s.*key.colour).g)
                        .arg((s.*key.colour).b);
        all.insert(QString::fromLatin1(key.name.data(), qsizetype(key.name.size())), value);
    }
    return all;
}

// Every field different from its default, with a background path that needs no program folder.
Settings unusualSettings()
{
    Settings s;
    s.AutoStart = 1;
    s.AutoClose = -1;
    s.AutoScroll = 1;
    s.TempStart = "1234";
    s.TempEnd = "-6000";
    s.StepTemp = "15";
    s.StepAtom = "0";
    s.Language = 4;
    s.R_Color = "up";
    s.G_Color = "dn";
    s.B_Color = "17";
    s.Background = "/srv/slike/pozadina.jpg";
    s.RGBPlinovito = {1, 2, 3};
    s.RGBTekuce = {4, 5, 6};
    s.RGBKruto = {7, 8, 9};
    s.RGBNepoznato = {10, 11, 12};
    s.RGBLantanoidi = {13, 14, 15};
    s.RGBSkupine = {-32768, 32767, 0};
    s.RGBLegenda = {255, 0, 255};
    s.Elements = 118;
    s.Narration = 1;
    return s;
}

} // namespace

class TestConfigFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    // The number rule reads every number a person types: the configuration file, the
    // temperature box and the sweep boxes. It must read "." as the decimal point whatever the
    // system's locale, so the whole file runs under a Croatian locale, where the C library's own
    // reading takes "," instead.
    void leadingNumber_data();
    void leadingNumber();
    void reader_data();
    void reader();
    void defaultFile_data();
    void defaultFile();
    void roundTrip_data();
    void roundTrip();
    void hostileInput_data();
    void hostileInput();
    void fileOnDisk_data();
    void fileOnDisk();
    void otherLetterCase();
};

void TestConfigFile::initTestCase()
{
    // A comma locale where the machine has one; CI also runs the whole suite under one.
    if (!std::setlocale(LC_ALL, "hr_HR.UTF-8"))
        qInfo("hr_HR.UTF-8 is not installed; the locale of the environment is used");
}

void TestConfigFile::leadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    // Only right where the decimal point is "." whatever the locale.
    QTest::newRow("decimal point") << "20.6" << 20.6;
    QTest::newRow("fraction only") << ".6" << 0.6;
    QTest::newRow("exponent with fraction") << "2.5E2" << 250.0;
    QTest::newRow("comma is no decimal point") << "3,7" << 3.0;
    // Blanks, signs and what follows the number.
    QTest::newRow("blanks inside") << " 1 2\t3 " << 123.0;
    QTest::newRow("sign apart from digits") << "\t- 16" << -16.0;
    QTest::newRow("plus sign") << "+4" << 4.0;
    QTest::newRow("unit after number") << "300 K" << 300.0;
    QTest::newRow("dangling exponent") << "7e" << 7.0;
    QTest::newRow("exponent sign only") << "7e-" << 7.0;
    QTest::newRow("trailing point") << "5." << 5.0;
    QTest::newRow("no number") << "abc" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("sign only") << "-" << 0.0;
    QTest::newRow("point only") << "." << 0.0;
    QTest::newRow("letter first") << "x5" << 0.0;
    QTest::newRow("non-ASCII ends it") << QString::fromUtf8("12\u00b05") << 12.0;
    QTest::newRow("too large") << "-1e400" << -1.7976931348623157e308;
    QTest::newRow("too small") << "1e-400" << 0.0;
}

void TestConfigFile::leadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(pse::leadingNumber(text), value);
}

void TestConfigFile::reader_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("complete");
    const auto row = [](const char *tag, const QByteArray &file, const char *key,
                        const QString &expected, bool complete = true) {
        QTest::newRow(tag) << file << QString::fromLatin1(key) << expected << complete;
    };

    row("empty file", "", "Language", "0");
    row("lower-case key", "language = 2", "Language", "0");
    row("leading blank", " Language = 2", "Language", "0");
    row("key is a prefix", "AutoScrolling = 1", "AutoScroll", "1");
    row("last one wins", "Language = 2\r\nLanguage = 3", "Language", "3");
    row("no equals sign", "Language 2", "Language", "0");
    row("first equals sign", "Language = 2 = 3", "Language", "2");
    row("byte-order mark", "\xEF\xBB\xBFLanguage = 2", "Language", "2");
    row("half to even", "AutoClose = 2.5", "AutoClose", "2");
    row("rounds past the top", "AutoStart = 32767.5", "AutoStart", "0", false);
    row("out of range undoes earlier keys", "Language = 3\r\nAutoStart = -32769", "Language", "0",
        false);
    row("sweep value with unit", "TempStart = 300 K", "TempStart", "300");
    row("sweep value not a number", "TempStart = abc", "TempStart", "0");
    row("sweep value with exponent", "StepTemp = 1e3", "StepTemp", "1000");
    row("sweep value fraction", "StepAtom = 2.50", "StepAtom", "2.5");
    row("sweep value minus zero", "TempEnd = -0", "TempEnd", "0");
    row("sweep value needs no range", "TempEnd = 99999", "TempEnd", "99999");
    row("gradient 12up", "R_Color = 12up", "R_Color", "up");
    row("gradient dn in key", "R_Colordn", "R_Color", "dn");
    row("gradient dn beats up", "G_Color = up dn", "G_Color", "dn");
    row("gradient number", "B_Color = 300", "B_Color", "300");
    row("gradient case-sensitive", "B_Color = Up", "B_Color", "0");
    row("background relative", "Background =   back.jpg  ", "Background", "/prog/back.jpg");
    row("background drive", "Background = C:\\Slike\\back.jpg", "Background",
        "C:\\Slike\\back.jpg");
    row("background rooted", "Background = /srv/back.jpg", "Background", "/srv/back.jpg");
    row("background zero", "Background = 0", "Background", "0");
    row("background three letters", "Background = abc", "Background", "abc");
    row("background four letters", "Background = abcd", "Background", "/prog/abcd");
    row("background non-ASCII", "Background = \xC5\xBDuta.png", "Background",
        QString::fromUtf8("/prog/\u017Duta.png"));
    row("colour with brackets", "RGBKruto (R = 10, G = 20, B = 30)", "RGBKruto", "10,20,30");
    row("colour without brackets", "RGBKruto R =10 G =20 B =30", "RGBKruto", "10,20,30");
    row("colour without markers", "RGBKruto = 10, 20, 30", "RGBKruto", "0,0,0");
    row("colour missing marker", "RGBTekuce (G = 5)", "RGBTekuce", "0,5,0");
    row("colour unchecked range", "RGBLegenda (R = -5, G = 300, B = 1)", "RGBLegenda", "-5,300,1");
    row("colour out of range", "RGBLegenda (R = 1, G = 40000, B = 1)", "RGBLegenda", "0,0,0",
        false);
    // The keys beyond the original ones: one value besides the default, anything else is the
    // default, and nothing in them abandons the rest of the file.
    row("full table", "Elements = 118", "Elements", "118");
    row("another table size", "Elements = 117", "Elements", "109");
    row("table size out of range", "Elements = 99999", "Elements", "109");
    row("narration on", "Narration = 1", "Narration", "1");
    row("narration other number", "Narration = 2", "Narration", "0");
}

void TestConfigFile::reader()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    QFETCH(bool, complete);

    Settings settings = unusualSettings();
    QCOMPARE(parseConfig(file, folder, settings), complete);

    auto expectedFields = fields(Settings{});
    expectedFields[key] = expected;
    QCOMPARE(fields(settings), expectedFields);
}

void TestConfigFile::defaultFile_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("expectedFile");
    QTest::newRow("Croatian") << int(ConfigLanguage::Croatian) << "default-hr.cfg";
    QTest::newRow("English") << int(ConfigLanguage::English) << "default-en.cfg";
}

void TestConfigFile::defaultFile()
{
    QFETCH(int, language);
    QFETCH(QString, expectedFile);
    const QByteArray expected = readAll(QStringLiteral(PSE_CONFIG_TEST_DATA "/") + expectedFile);
    QVERIFY(!expected.isEmpty());

    const QDateTime now(QDate(2024, 3, 5), QTime(14, 7, 9));
    const QByteArray text = configFileText(Settings{}, ConfigLanguage(language), now, QLocale::c());

    // The first line is the date in a locale's format, which belongs to Qt; everything after it is
    // ours to the byte.
    const qsizetype firstEnd = text.indexOf("\r\n");
    const QByteArray firstLine = text.left(firstEnd);
    QVERIFY2(firstLine.startsWith("# ") && firstLine.contains("2024") &&
                 firstLine.contains("14:07"),
             firstLine.constData());
    QCOMPARE(text.mid(firstEnd), expected.mid(expected.indexOf("\r\n")));
}

void TestConfigFile::roundTrip_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("background");
    QTest::addColumn<QString>("backgroundRead");
    // How the lines end once the file has been through another editor.
    QTest::addColumn<QByteArray>("lineEnd");
    QTest::newRow("Croatian") << int(ConfigLanguage::Croatian) << "/srv/back.jpg"
                              << "/srv/back.jpg" << QByteArray("\r\n");
    QTest::newRow("English, LF") << int(ConfigLanguage::English) << "C:\\Slike\\back.jpg"
                                 << "C:\\Slike\\back.jpg" << QByteArray("\n");
    QTest::newRow("relative picture, CR") << int(ConfigLanguage::Croatian) << "back.jpg"
                                          << "/prog/back.jpg" << QByteArray("\r");
    QTest::newRow("non-ASCII picture, CR CR LF")
        << int(ConfigLanguage::English) << QString::fromUtf8("/slike/Žuta ćuk.png")
        << QString::fromUtf8("/slike/Žuta ćuk.png") << QByteArray("\r\r\n");
}

void TestConfigFile::roundTrip()
{
    QFETCH(int, language);
    QFETCH(QString, background);
    QFETCH(QString, backgroundRead);
    QFETCH(QByteArray, lineEnd);

    Settings written = unusualSettings();
    written.Background = background;
    QByteArray text =
        configFileText(written, ConfigLanguage(language), QDateTime::currentDateTime());
    text.replace("\r\n", lineEnd);
    // The last line without any line end must still count.
    text.chop(lineEnd.size());

    Settings read;
    QVERIFY(parseConfig(text, folder, read));
    written.Background = backgroundRead;
    QCOMPARE(fields(read), fields(written));
}

void TestConfigFile::hostileInput_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    QByteArray binary(1 << 20, Qt::Uninitialized);
    QRandomGenerator random(20240305);
    random.fillRange(reinterpret_cast<quint32 *>(binary.data()), binary.size() / 4);
    // Random bytes hold no key at the start of a line for this seed, so nothing may change.
    QTest::newRow("binary") << binary << "Language"
                            << "0";

    QTest::newRow("NUL ends the number") << QByteArray("TempStart = 1\0"
                                                       "5\r\n",
                                                       17)
                                         << "TempStart"
                                         << "1";
    QTest::newRow("invalid UTF-8 in the path")
        << QByteArray("Background = \xFF\xFE.jpg") << "Background"
        << QStringView(u"/prog/\uFFFD\uFFFD.jpg").toString();
    QTest::newRow("invalid UTF-8 before a number")
        << QByteArray("Language = \xC3\x28 3") << "Language"
        << "0";

    const QByteArray tenMegabytes(10 << 20, 'x');
    QTest::newRow("10 MB comment line")
        << QByteArray("# " + tenMegabytes + "\nLanguage = 2") << "Language"
        << "2";
    QTest::newRow("10 MB picture path")
        << QByteArray("Background = C:" + tenMegabytes) << "Background"
        << QString("C:" + QString::fromLatin1(tenMegabytes));
    QTest::newRow("10 MB of digits")
        << QByteArray("TempEnd = " + QByteArray(10 << 20, '9')) << "TempEnd"
        << "1.79769313486232E+308";
    QTest::newRow("colour markers repeated")
        << QByteArray("RGBKruto " + QByteArray("R =").repeated(1 << 20)) << "RGBKruto"
        << "0,0,0";
    QTest::newRow("millions of empty lines")
        << QByteArray(QByteArray(5 << 20, '\r') + "Language = 1") << "Language"
        << "1";
    // The reader stops at 1 MiB, but the parser itself must stay linear on whatever it is given.
    QByteArray manyKeys;
    for (int i = 0; i < 200000; ++i)
        manyKeys += "RGBKruto (R = " + QByteArray::number(i % 256) + ", G = 1, B = 2)\n";
    QTest::newRow("7 MB of keys") << manyKeys << "RGBKruto"
                                  << "63,1,2";
}

void TestConfigFile::hostileInput()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, key);
    QFETCH(QString, expected);

    Settings read;
    QVERIFY(parseConfig(file, folder, read));
    QCOMPARE(fields(read).value(key), expected);
}

void TestConfigFile::fileOnDisk_data()
{
    QTest::addColumn<qint64>("size");
    QTest::addColumn<bool>("abandoned");
    QTest::newRow("at the size limit") << maxConfigFileBytes << false;
    QTest::newRow("one byte over") << maxConfigFileBytes + 1 << true;
    QTest::newRow("50 MB") << qint64(50) * 1024 * 1024 << true;
}

void TestConfigFile::fileOnDisk()
{
    QFETCH(qint64, size);
    QFETCH(bool, abandoned);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile file(dir.filePath(configFileName));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.write("Language = 2\n") > 0);
    // Growing the file leaves a sparse tail of NUL bytes, so a huge file costs no disk space.
    QVERIFY(file.resize(size));
    file.close();

    const ReadResult result = readConfigFile(dir.path() + '/');
    QCOMPARE(result.abandoned, abandoned);
    QCOMPARE(result.settings.Language, qint16(abandoned ? 0 : 2));
}

void TestConfigFile::otherLetterCase()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString folderPath = dir.path() + '/';
    QVERIFY(readConfigFile(folderPath).abandoned);

    QVERIFY(QDir(folderPath).mkdir(QString::fromLatin1(configFileName)));
    QVERIFY2(readConfigFile(folderPath).abandoned, "a folder is no configuration file");
    QVERIFY(QDir(folderPath).rmdir(QString::fromLatin1(configFileName)));

    QVERIFY(writeAll(folderPath + "Quon_PSE.cfg", "Language = 3\r\n"));
    ReadResult result = readConfigFile(folderPath);
    QVERIFY(!result.abandoned);
    QCOMPARE(result.settings.Language, qint16(3));

    QVERIFY(writeAll(configFilePath(folderPath), "Language = 1\r\n"));
    if (QDir(folderPath).entryList(QDir::Files).size() < 2)
        QSKIP("This file system does not tell the two names apart");
    result = readConfigFile(folderPath);
    QCOMPARE(result.settings.Language, qint16(1));
}

QTEST_GUILESS_MAIN(TestConfigFile)
#include "tst_configfile.moc"
