#include "app/FrmPeriodni.h"
#include "lang/MainWindowTexts.h"
#include "support/FakeDesktopSeam.h"
#include "support/TestFiles.h"

#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

class TestMainWindowTexts : public QObject
{
    Q_OBJECT

private slots:
    void everyRowNamesAControl();
    void languageTexts_data();
    void languageTexts();
    void startsInConfiguredLanguage();
};

void TestMainWindowTexts::everyRowNamesAControl()
{
    // A misspelt control name would silently leave that text in Croatian.
    FakeDesktopSeam seam;
    FrmPeriodni window(seam, QStringLiteral("/nonexistent/"));
    for (const pse::lang::TextRow &row : pse::lang::mainWindowTexts()) {
        if (row.slot == pse::lang::Slot::WindowTitle)
            continue;
        QVERIFY2(window.findChild<QWidget *>(QString::fromLatin1(row.control)), row.control);
    }
}

void TestMainWindowTexts::languageTexts_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("unknownState");
    QTest::addColumn<QString>("boilingCaption");
    QTest::addColumn<QString>("name");

    QTest::newRow("Croatian") << 0 << "Quon. - PERIODNI  SUSTAV  ELEMENATA"
                              << "Nepoznato"
                              << "Vrelište"
                              << "Živa";
    QTest::newRow("English") << 1 << "Quon. - PERIODIC TABLE OF ELEMENTS"
                             << "Unknown"
                             << "Boiling point"
                             << "Mercury";
    QTest::newRow("German") << 2 << "Quon. - PERIODENSYSTEM DER ELEMENTE"
                            << "Unbekannt"
                            << "Siedepunkt"
                            << "Quecksilber";
    QTest::newRow("French") << 3 << "Quon. - TABLEAU PÉRIODIQUE DES ÉLÉMENTS"
                            << "Surtout"
                            << "Point d'ébullition"
                            << "Mercure";
    QTest::newRow("Italian") << 4 << "Quon. - TAVOLA PERIODICA DEGLI ELEMENTI"
                             << "Ignoto"
                             << "Temp. di ebollizione"
                             << "Mercurio";
    QTest::newRow("out of range is Croatian") << 7 << "Quon. - PERIODNI  SUSTAV  ELEMENATA"
                                              << "Nepoznato"
                                              << "Vrelište"
                                              << "Živa";
}

void TestMainWindowTexts::languageTexts()
{
    QFETCH(int, language);
    QFETCH(QString, title);
    QFETCH(QString, unknownState);
    QFETCH(QString, boilingCaption);
    QFETCH(QString, name);

    FakeDesktopSeam seam;
    FrmPeriodni window(seam, QStringLiteral("/nonexistent/"));
    setTemperature(window.tables);
    window.cmdElement_Click(80);
    // Switch away first, so that every row is a real change.
    window.imgEN_Click();
    window.LanguageIndex = qint16(language);
    window.SetLanguage();

    QCOMPARE(window.windowTitle(), title);
    QCOMPARE(window.findChild<QLabel *>(QStringLiteral("lblStanje_3"))->text(), unknownState);
    QCOMPARE(window.findChild<QLabel *>(QStringLiteral("imeVreliste"))->text(), boilingCaption);
    QCOMPARE(window.findChild<QLabel *>(QStringLiteral("lblIme"))->text(), name);
    QCOMPARE(window.findChild<QWidget *>(QStringLiteral("imgIzlaz"))->toolTip().isEmpty(), false);
}

void TestMainWindowTexts::startsInConfiguredLanguage()
{
    QTemporaryDir folder;
    QVERIFY(writeAll(folder.filePath(QStringLiteral("quon_pse.cfg")), "Language = 2\r\n"));

    FakeDesktopSeam seam;
    FrmPeriodni window(seam, folder.path() + u'/');
    window.formLoad();
    QCOMPARE(window.LanguageIndex, qint16(2));
    QCOMPARE(window.settings.Language, qint16(2));
    QCOMPARE(window.findChild<QLabel *>(QStringLiteral("lblImePerioda_0"))->text(),
             QStringLiteral("Lanthaniden"));
    QCOMPARE(window.findChild<QAbstractButton *>(QStringLiteral("cmdLantanoidi"))->toolTip(),
             QStringLiteral("Lanthaniden"));
    // The element on show carries its German name.
    const auto *german = window.findChild<QLabel *>(QStringLiteral("lblNjemacki"));
    QCOMPARE(window.findChild<QLabel *>(QStringLiteral("lblIme"))->text(), german->text());
    QVERIFY(!german->text().isEmpty());
    QVERIFY(seam.messages.isEmpty());
}

QTEST_MAIN(TestMainWindowTexts)
#include "tst_mainwindowtexts.moc"
