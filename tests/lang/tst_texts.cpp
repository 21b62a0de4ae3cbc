// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/QtTranslations.h"
#include "lang/Texts.h"
#include "support/TestWindow.h"

#include <QFileInfo>
#include <QMenu>
#include <QTest>

using namespace pse::lang;

class TestTexts : public QObject
{
    Q_OBJECT

private slots:
    void columns_data();
    void columns();
    void everyMainWindowTextReachesItsControl_data();
    void everyMainWindowTextReachesItsControl();
};

// Five-language rows fall back to Croatian; two-language rows are Croatian for 0 only.
void TestTexts::columns_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("legend");
    QTest::addColumn<QString>("calculatorTip");
    QTest::newRow("Croatian") << 0 << "Nepoznato"
                              << " Racunanje molarne mase (F2) ";
    QTest::newRow("out of range") << 9 << "Nepoznato"
                                  << " Calculating mole mass of compound (F2) ";
    QTest::newRow("negative") << -1 << "Nepoznato"
                              << " Calculating mole mass of compound (F2) ";
}

void TestTexts::columns()
{
    QFETCH(int, language);
    QFETCH(QString, legend);
    QFETCH(QString, calculatorTip);
    QCOMPARE(text(TextId::LegendUnknown, language), legend);
    QCOMPARE(text(TextId::TipCalculator, language), calculatorTip);
}

void TestTexts::everyMainWindowTextReachesItsControl_data()
{
    QTest::addColumn<int>("language");
    for (int language = 0; language < 5; ++language)
        QTest::addRow("language %d", language) << language;
}

void TestTexts::everyMainWindowTextReachesItsControl()
{
    QFETCH(int, language);
    TestWindow w;
    // Built on first use, and then with the texts of the moment.
    w.window->calculator();
    w.window->cmdIzbornik_Click(3);
    w.window->cmdElement_Click(80);
    // From another language, so that every text is a real change.
    if (language == 1)
        w.window->findChild<ToolPanel *>()->imgDE_Click();
    else
        w.window->findChild<ToolPanel *>()->imgEN_Click();
    w.state().settings.Language = qint16(language);
    w.window->SetLanguage();

    for (const TextRow &row : textRows()) {
        if (row.target != Target::MainWindow)
            continue;
        const QString name = QString::fromLatin1(row.control);
        const QWidget *control = name == u"frmPeriodni" ? w.window.get() : w.find(name);
        QVERIFY2(control, row.control);
        const char *property = row.slot == Slot::WindowTitle ? "windowTitle"
                               : row.slot == Slot::ToolTip   ? "toolTip"
                                                             : "text";
        QCOMPARE(control->property(property).toString(), text(row.id, language));
    }
    // The element on show takes its name in the language.
    const char *names[] = {"Živa", "Mercury", "Quecksilber", "Mercure", "Mercurio"};
    QCOMPARE(w.text(QStringLiteral("lblIme")), QString::fromUtf8(names[language]));

    // Qt's own texts follow, as in a text box's context menu.
    if (!QFileInfo::exists(qtTranslationsFolder() + QStringLiteral("/qtbase_hr.qm")))
        QSKIP("Qt's own translations (Debian package qt6-translations-l10n) are not installed");
    const char *undo[] = {"&Poništi", "&Undo", "&Rückgängig", "&Annuler", "Ann&ulla"};
    const std::unique_ptr<QMenu> menu(
        w.find<QLineEdit>(QStringLiteral("txtT"))->createStandardContextMenu());
    QCOMPARE(menu->actions().first()->text().section(u'\t', 0, 0),
             QString::fromUtf8(undo[language]));
}

QTEST_MAIN(TestTexts)
#include "tst_texts.moc"
