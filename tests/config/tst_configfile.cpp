#include "config/ConfigFile.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace pse;

namespace {

const QString folder = QStringLiteral("/prog/");

// Every field as text, so that one table row can name the field it is about and the test can check
// that all the others kept their defaults.
QMap<QString, QString> fields(const Settings &s)
{
    const auto triple = [](const ColourTriple &c) {
        return QStringLiteral("%1,%2,%3").arg(c.r).arg(c.g).arg(c.b);
    };
    return {
        {"AutoStart", QString::number(s.AutoStart)},
        {"AutoClose", QString::number(s.AutoClose)},
        {"AutoScroll", QString::number(s.AutoScroll)},
        {"TempStart", s.TempStart},
        {"TempEnd", s.TempEnd},
        {"StepTemp", s.StepTemp},
        {"StepAtom", s.StepAtom},
        {"Language", QString::number(s.Language)},
        {"R_Color", s.R_Color},
        {"G_Color", s.G_Color},
        {"B_Color", s.B_Color},
        {"Background", s.Background},
        {"RGBPlinovito", triple(s.RGBPlinovito)},
        {"RGBTekuce", triple(s.RGBTekuce)},
        {"RGBKruto", triple(s.RGBKruto)},
        {"RGBNepoznato", triple(s.RGBNepoznato)},
        {"RGBLantanoidi", triple(s.RGBLantanoidi)},
        {"RGBSkupine", triple(s.RGBSkupine)},
        {"RGBLegenda", triple(s.RGBLegenda)},
    };
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
    return s;
}

} // namespace

class TestConfigFile : public QObject
{
    Q_OBJECT

private slots:
    void reader_data();
    void reader();
    void lineEnds_data();
    void lineEnds();
    void decimalSeparator();
    void defaultFile_data();
    void defaultFile();
    void roundTrip_data();
    void roundTrip();
    void hostileInput_data();
    void hostileInput();
    void fileOnDisk_data();
    void fileOnDisk();
    void otherLetterCase();
    void saveReplacesWhole();
    void saveIntoReadOnlyFolder();
};

void TestConfigFile::reader_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("complete");

    QTest::newRow("empty file") << QByteArray() << "Language"
                                << "0" << true;
    QTest::newRow("only Language") << QByteArray("Language = 2") << "Language"
                                   << "2" << true;
    QTest::newRow("lower-case key") << QByteArray("language = 2") << "Language"
                                    << "0" << true;
    QTest::newRow("leading blank") << QByteArray(" Language = 2") << "Language"
                                   << "0" << true;
    QTest::newRow("key is a prefix") << QByteArray("AutoScrolling = 1") << "AutoScroll"
                                     << "1" << true;
    QTest::newRow("last one wins")
        << QByteArray("Language = 1\r\n# Language = 2\r\nLanguage = 3\r\n") << "Language"
        << "3" << true;
    QTest::newRow("no equals sign") << QByteArray("Language 2") << "Language"
                                    << "0" << true;
    QTest::newRow("first equals sign") << QByteArray("Language = 2 = 3") << "Language"
                                       << "2" << true;
    QTest::newRow("blanks and tabs inside") << QByteArray("Language\t=\t 1 2 junk") << "Language"
                                            << "12" << true;
    QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBFLanguage = 2") << "Language"
                                     << "2" << true;

    QTest::newRow("half to even down") << QByteArray("AutoClose = 2.5") << "AutoClose"
                                       << "2" << true;
    QTest::newRow("half to even up") << QByteArray("AutoClose = 3.5") << "AutoClose"
                                     << "4" << true;
    QTest::newRow("smallest whole") << QByteArray("AutoStart = -32768") << "AutoStart"
                                    << "-32768" << true;
    QTest::newRow("largest whole") << QByteArray("AutoStart = 32766.5") << "AutoStart"
                                   << "32766" << true;
    QTest::newRow("rounds past the top") << QByteArray("AutoStart = 32767.5") << "AutoStart"
                                         << "0" << false;
    QTest::newRow("below the range") << QByteArray("AutoStart = -32769") << "AutoStart"
                                     << "0" << false;
    QTest::newRow("out of range undoes earlier keys")
        << QByteArray("AutoStart = 1\r\nTempEnd = 50\r\nLanguage = 99999\r\nAutoClose = 1\r\n")
        << "AutoStart"
        << "0" << false;

    QTest::newRow("sweep value with unit") << QByteArray("TempStart = 300 K") << "TempStart"
                                           << "300" << true;
    QTest::newRow("sweep value not a number") << QByteArray("TempStart = abc") << "TempStart"
                                              << "0" << true;
    QTest::newRow("sweep value with exponent") << QByteArray("StepTemp = 1e3") << "StepTemp"
                                               << "1000" << true;
    QTest::newRow("sweep value fraction") << QByteArray("StepAtom = 2.50") << "StepAtom"
                                          << "2.5" << true;
    QTest::newRow("sweep value negative") << QByteArray("TempEnd =-6000") << "TempEnd"
                                          << "-6000" << true;
    QTest::newRow("sweep value minus zero") << QByteArray("TempEnd = -0") << "TempEnd"
                                            << "0" << true;
    QTest::newRow("sweep value needs no range") << QByteArray("TempEnd = 99999") << "TempEnd"
                                                << "99999" << true;

    QTest::newRow("gradient up") << QByteArray("R_Color = up") << "R_Color"
                                 << "up" << true;
    QTest::newRow("gradient 12up") << QByteArray("R_Color = 12up") << "R_Color"
                                   << "up" << true;
    QTest::newRow("gradient dn in key") << QByteArray("R_Colordn") << "R_Color"
                                        << "dn" << true;
    QTest::newRow("gradient dn beats up") << QByteArray("G_Color = up dn") << "G_Color"
                                          << "dn" << true;
    QTest::newRow("gradient number") << QByteArray("B_Color = 300") << "B_Color"
                                     << "300" << true;
    QTest::newRow("gradient case-sensitive") << QByteArray("B_Color = Up") << "B_Color"
                                             << "0" << true;

    QTest::newRow("background relative") << QByteArray("Background = back.jpg") << "Background"
                                         << "/prog/back.jpg" << true;
    QTest::newRow("background trimmed") << QByteArray("Background =   back.jpg  ") << "Background"
                                        << "/prog/back.jpg" << true;
    QTest::newRow("background drive")
        << QByteArray("Background = C:\\Slike\\back.jpg") << "Background"
        << "C:\\Slike\\back.jpg" << true;
    QTest::newRow("background rooted") << QByteArray("Background = /srv/back.jpg") << "Background"
                                       << "/srv/back.jpg" << true;
    QTest::newRow("background zero") << QByteArray("Background = 0") << "Background"
                                     << "0" << true;
    QTest::newRow("background empty") << QByteArray("Background = ") << "Background"
                                      << "" << true;
    QTest::newRow("background three letters") << QByteArray("Background = abc") << "Background"
                                              << "abc" << true;
    QTest::newRow("background four letters") << QByteArray("Background = abcd") << "Background"
                                             << "/prog/abcd" << true;
    QTest::newRow("background non-ASCII")
        << QByteArray("Background = slike/\xC4\x8D"
                      "a\xC5\xA1"
                      "a.jpg")
        << "Background" << QString::fromUtf8("/prog/slike/čaša.jpg") << true;

    QTest::newRow("colour with brackets")
        << QByteArray("RGBKruto (R = 10, G = 20, B = 30)") << "RGBKruto"
        << "10,20,30" << true;
    QTest::newRow("colour without brackets")
        << QByteArray("RGBKruto R =10 G =20 B =30") << "RGBKruto"
        << "10,20,30" << true;
    QTest::newRow("colour without markers") << QByteArray("RGBKruto = 10, 20, 30") << "RGBKruto"
                                            << "0,0,0" << true;
    QTest::newRow("colour missing marker") << QByteArray("RGBTekuce (G = 5)") << "RGBTekuce"
                                           << "0,5,0" << true;
    QTest::newRow("colour unchecked range")
        << QByteArray("RGBLegenda (R = -1, G = 300, B = 2.5)") << "RGBLegenda"
        << "-1,300,2" << true;
    QTest::newRow("colour out of range")
        << QByteArray("RGBSkupine (R = 1, G = 2, B = 40000)") << "RGBSkupine"
        << "255,255,255" << false;
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

void TestConfigFile::lineEnds_data()
{
    QTest::addColumn<QByteArray>("lineEnd");
    QTest::newRow("LF") << QByteArray("\n");
    QTest::newRow("CR") << QByteArray("\r");
    QTest::newRow("LF CR") << QByteArray("\n\r");
    QTest::newRow("CR CR LF") << QByteArray("\r\r\n");
}

void TestConfigFile::lineEnds()
{
    QFETCH(QByteArray, lineEnd);
    const Settings written = unusualSettings();
    QByteArray text =
        configFileText(written, ConfigLanguage::English, QDateTime::currentDateTime());
    text.replace("\r\n", lineEnd);
    // The last line without any line end must still count.
    text.chop(lineEnd.size());

    Settings read;
    QVERIFY(parseConfig(text, folder, read));
    QCOMPARE(fields(read), fields(written));
}

void TestConfigFile::decimalSeparator()
{
    Settings read;
    QVERIFY(parseConfig("TempStart = 12.5\r\nStepTemp = 300\r\nR_Color = 0.25\r\nAutoStart = 1.5",
                        folder, read, QStringLiteral(",")));
    QCOMPARE(read.TempStart, QStringLiteral("12,5"));
    QCOMPARE(read.StepTemp, QStringLiteral("300"));
    QCOMPARE(read.R_Color, QStringLiteral("0,25"));
    QCOMPARE(read.AutoStart, qint16(2));
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
    QTest::newRow("Croatian") << int(ConfigLanguage::Croatian) << "/srv/back.jpg"
                              << "/srv/back.jpg";
    QTest::newRow("English") << int(ConfigLanguage::English) << "C:\\Slike\\back.jpg"
                             << "C:\\Slike\\back.jpg";
    QTest::newRow("relative picture") << int(ConfigLanguage::Croatian) << "back.jpg"
                                      << "/prog/back.jpg";
    QTest::newRow("non-ASCII picture")
        << int(ConfigLanguage::English) << QString::fromUtf8("/slike/Žuta ćuk.png")
        << QString::fromUtf8("/slike/Žuta ćuk.png");
}

void TestConfigFile::roundTrip()
{
    QFETCH(int, language);
    QFETCH(QString, background);
    QFETCH(QString, backgroundRead);

    Settings written = unusualSettings();
    written.Background = background;
    const QByteArray text =
        configFileText(written, ConfigLanguage(language), QDateTime::currentDateTime());

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
    QTest::newRow("NUL before the key") << QByteArray("\0Language = 2", 13) << "Language"
                                        << "0";
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
    QTest::newRow("10 MB of blanks before a number")
        << QByteArray("Language =" + QByteArray(10 << 20, ' ') + "4") << "Language"
        << "4";
    QTest::newRow("10 MB of digits")
        << QByteArray("TempEnd = " + QByteArray(10 << 20, '9')) << "TempEnd"
        << "1.79769313486232E+308";
    QTest::newRow("10 MB gradient line")
        << QByteArray("G_Color = " + QByteArray(10 << 20, 'u') + "p") << "G_Color"
        << "up";
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

void TestConfigFile::saveReplacesWhole()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = configFilePath(dir.path());
    QVERIFY(writeAll(path, QByteArray(10000, '#')));

    QCOMPARE(writeConfigFile(path, "Language = 1\r\n"), std::nullopt);
    QCOMPARE(readAll(path), QByteArray("Language = 1\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QString::fromLatin1(configFileName)});
}

void TestConfigFile::saveIntoReadOnlyFolder()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = configFilePath(dir.path());
    const QByteArray old = "Language = 3\r\n";
    QVERIFY(writeAll(path, old));

    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    const QString probe = dir.filePath("probe");
    const bool permissionsBite = !writeAll(probe, "x");
    QFile::remove(probe);
    std::optional<QString> readOnly;
    if (permissionsBite)
        readOnly = writeConfigFile(path, "Language = 1\r\n");
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (!permissionsBite)
        QSKIP("Running with rights that ignore a read-only folder");
    QVERIFY(readOnly.has_value());
    QVERIFY(!readOnly->isEmpty());
    QCOMPARE(readAll(path), old);
}

QTEST_GUILESS_MAIN(TestConfigFile)
#include "tst_configfile.moc"
