// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TestWindow.h"
#include "ui/DesignSurface.h"
#include "ui/FittingLabel.h"

#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

namespace {

QScrollBar *scrollBar(const TestWindow &w)
{
    return w.find<QScrollBar>(QStringLiteral("vsbSvojstva"));
}

// Top of the panel's frame in twips, as the design surface places it.
qreal frameTop(const TestWindow &w)
{
    return w.find<DesignSurface>(QString())
        ->designRect(w.find(QStringLiteral("fraSvojstva")))
        .top();
}

} // namespace

class TestInfoPanel : public QObject
{
    Q_OBJECT

private slots:
    void panelTexts_data();
    void panelTexts();
    void everyElementFillsEveryRowAndFits();
    void paging_data();
    void paging();
    void wheelTurnsWholePages_data();
    void wheelTurnsWholePages();
    void rightButtonPagesWithoutShowing();
};

void TestInfoPanel::panelTexts_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("kelvin");
    QTest::addColumn<QString>("separator");
    // "control=text" for every control the row is about.
    QTest::addColumn<QStringList>("expected");

    const auto u = [](const char *text) { return QString::fromUtf8(text); };
    QTest::newRow("H in kelvin") << 1 << 0 << true << "."
                                 << QStringList{u("lblTempTaljenja=14.02 K"),
                                                u("lblTempVrenja=20.26 K"),
                                                u("lblElVodljiv=?"),
                                                u("lblTopTaljenja=0.12"),
                                                u("lblRadijus=37.3"),
                                                u("lblGustoca=0.08988"),
                                                u("densityUnit=g/L (20 °C)"),
                                                u("lblOxidBroj=-1 +1"),
                                                u("lblElConfig=1s1 "),
                                                u("lblGodOtkrice=1766."),
                                                u("lblAtomMas=1.0079"),
                                                u("lblBroj=1"),
                                                u("lblSimbol=H"),
                                                u("lblIme=Vodik")};
    QTest::newRow("H with a comma, in Celsius, Italian")
        << 1 << 4 << false << ","
        << QStringList{u("lblTempTaljenja=-259,14 °C"), u("lblTopTaljenja=0,12"),
                       u("lblAtomMas=1,0079"), u("lblGustoca=0.08988"), u("lblIme=Idrogeno")};
    QTest::newRow("Fe: whole temperatures add 273")
        << 26 << 0 << true << ","
        << QStringList{u("lblTempTaljenja=1808 K"),   u("lblTempVrenja=3023 K"),
                       u("lblElVodljiv=1,03 E+07"),   u("electricalConductivityUnit=S/m"),
                       u("densityUnit=g/cm³"),        u("thermalConductivityUnit=W/(m·K)"),
                       u("molarVolumeUnit=cm³/mol"),  u("radiusUnit=pm"),
                       u("lblGodOtkrice=~ 2500. BC"), u("txtOtkrio="),
                       u("lblIme=Željezo"),           u("lblHrvatski=Željezo"),
                       u("lblEngleski=Iron"),         u("lblNjemacki=Eisen"),
                       u("lblFrancuski=Fer"),         u("lblTalijanski=Ferro")};
    QTest::newRow("Hg in Celsius, French")
        << 80 << 3 << false << "."
        << QStringList{u("lblTempTaljenja=-38.87 °C"), u("lblTempVrenja=356.58 °C"),
                       u("lblElektroNeg=2"), u("lblIme=Mercure")};
    QTest::newRow("Hg in kelvin, out-of-range language is Croatian")
        << 80 << 7 << true << ","
        << QStringList{u("lblTempTaljenja=234,29 K"), u("lblTempVrenja=629,74 K"),
                       u("lblIme=Živa")};
    QTest::newRow("Cm: no temperatures")
        << 96 << 0 << false << "."
        << QStringList{u("lblTempTaljenja=?"), u("lblTempVrenja=?"), u("lblTopTaljenja=?"),
                       u("lblAtomMas=247")};
    QTest::newRow("Mt: nearly nothing known")
        << 109 << 0 << true << "."
        << QStringList{u("lblBroj=109"),     u("lblOxidBroj=?"),
                       u("lblGustoca=?"),    u("lblElektroNeg=?"),
                       u("lblMolVolumen=?"), u("lblTopVrenja=?"),
                       u("lblTopVodljiv=?"), u("lblElConfig=[Rn] 5f14 6d7 7s2")};
}

void TestInfoPanel::panelTexts()
{
    QFETCH(int, index);
    QFETCH(int, language);
    QFETCH(bool, kelvin);
    QFETCH(QString, separator);
    QFETCH(QStringList, expected);

    TestWindow w;
    // Another element first, so that a row that is not rewritten would show through.
    w.window->cmdElement_Click(8);
    w.state().settings.Language = qint16(language);
    w.state().temperature.kelvinScale = kelvin;
    w.state().decimalSeparator = separator.at(0);
    w.window->cmdElement_Click(index);
    for (const QString &pair : expected) {
        const QString control = pair.section(u'=', 0, 0);
        QCOMPARE(control + u'=' + w.text(control), pair);
    }
}

void TestInfoPanel::everyElementFillsEveryRowAndFits()
{
    const char *rows[] = {"lblSimbol",     "lblIme",          "lblBroj",       "lblAtomMas",
                          "lblElConfig",   "lblTempTaljenja", "lblTempVrenja", "lblTopTaljenja",
                          "lblTopVrenja",  "lblOxidBroj",     "lblElektroNeg", "lblRadijus",
                          "lblTopVodljiv", "lblElVodljiv",    "lblMolVolumen", "lblGustoca"};
    TestWindow w;
    w.window->resize(715, 465);
    auto *name = w.find<FittingLabel>(QStringLiteral("lblIme"));
    int gases = 0;
    for (int index = 0; index < 110; ++index) {
        w.window->cmdElement_Click(index);
        for (const char *row : rows)
            QVERIFY2(!w.text(QString::fromLatin1(row)).isEmpty(),
                     qPrintable(QStringLiteral("%1 empty for %2").arg(row).arg(index)));
        // Gas densities are grams per litre.
        gases += w.find(QStringLiteral("lblGustoca"))->toolTip().contains(u"g / L") ? 1 : 0;
        // The name is shown whole in every language, smaller where it must be.
        for (int language = 0; language < 5; ++language) {
            w.window->findChild<ToolPanel *>()->imgHR_Click();
            w.state().settings.Language = qint16(language);
            w.window->SetLanguage();
            QFont font = name->font();
            font.setPixelSize(name->fittedPixelSize());
            QVERIFY2(QFontMetrics(font).horizontalAdvance(name->text()) < name->width(),
                     qPrintable(name->text()));
        }
    }
    QCOMPARE(gases, 12); // eleven gases, hydrogen twice
    w.window->findChild<ToolPanel *>()->imgEN_Click();
    w.window->cmdElement_Click(59);
    QCOMPARE(name->text(), QStringLiteral("Praseodymium"));
    QVERIFY(name->fittedPixelSize() < name->font().pixelSize());
}

void TestInfoPanel::paging_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::newRow("first to second") << 0 << 1400;
    QTest::newRow("between pages") << 700 << 1400;
    QTest::newRow("just before a page") << 1399 << 1400;
    QTest::newRow("fourth to last") << 4200 << 5600;
    QTest::newRow("past the fourth") << 4201 << 0;
    QTest::newRow("last to first") << 5600 << 0;
}

void TestInfoPanel::paging()
{
    QFETCH(int, from);
    QFETCH(int, to);
    TestWindow w;
    w.window->show();
    QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
    QScrollBar *bar = scrollBar(w);
    QCOMPARE(bar->maximum(), 5600);
    QCOMPARE(bar->pageStep(), 1400);
    bar->setValue(from);
    QCOMPARE(frameTop(w), -from);
    QTest::mouseClick(w.find(QStringLiteral("cmdPageDn")), Qt::LeftButton);
    QCOMPARE(bar->value(), to);
    QCOMPARE(frameTop(w), -to);
    QVERIFY(bar->hasFocus());
}

void TestInfoPanel::wheelTurnsWholePages_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<QList<int>>("deltas");
    QTest::addColumn<int>("to");
    QTest::newRow("down from between pages") << 700 << QList<int>{-120} << 1400;
    QTest::newRow("down two notches at once") << 0 << QList<int>{-240} << 2800;
    QTest::newRow("down stops at the last page") << 5600 << QList<int>{-120} << 5600;
    QTest::newRow("up from between pages") << 2100 << QList<int>{120} << 1400;
    QTest::newRow("up stops at the first page") << 0 << QList<int>{120} << 0;
    QTest::newRow("half notches add up") << 0 << QList<int>{-60, -60} << 1400;
    QTest::newRow("half a notch does nothing") << 1400 << QList<int>{-60} << 1400;
}

void TestInfoPanel::wheelTurnsWholePages()
{
    QFETCH(int, from);
    QFETCH(QList<int>, deltas);
    QFETCH(int, to);
    TestWindow w;
    scrollBar(w)->setValue(from);
    for (int delta : deltas) {
        QWheelEvent wheel(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(w.find(QStringLiteral("picSvojstva")), &wheel);
    }
    QCOMPARE(scrollBar(w)->value(), to);
}

void TestInfoPanel::rightButtonPagesWithoutShowing()
{
    TestWindow w;
    w.window->cmdElement_Click(26);
    scrollBar(w)->setValue(700);
    auto *mercury = w.find(QStringLiteral("cmdElement_80"));
    QTest::mouseClick(mercury, Qt::RightButton);
    QCOMPARE(scrollBar(w)->value(), 1400);
    QCOMPARE(w.text(QStringLiteral("lblSimbol")), QStringLiteral("Fe"));
    // A left click shows the element, paints the tile in its colour and keeps the page.
    QTest::mouseClick(mercury, Qt::LeftButton);
    QCOMPARE(w.text(QStringLiteral("lblSimbol")), QStringLiteral("Hg"));
    QCOMPARE(scrollBar(w)->value(), 1400);
    QCOMPARE(w.find(QStringLiteral("picElement"))->palette().color(QPalette::Window),
             w.find<ElementButton>(QStringLiteral("cmdElement_80"))->backgroundColour());
}

QTEST_MAIN(TestInfoPanel)
#include "tst_infopanel.moc"
