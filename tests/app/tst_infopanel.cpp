#include "app/ElementGrid.h"
#include "app/FrmPeriodni.h"
#include "app/InfoPanel.h"
#include "support/FakeDesktopSeam.h"
#include "ui/DesignSurface.h"
#include "ui/ElementButton.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

#include <memory>

namespace {

// A main window with its tables filled, as after start-up, in a folder of its own.
struct Window
{
    Window()
    {
        window = std::make_unique<FrmPeriodni>(seam, folder.path() + u'/');
        setTemperature(window->tables);
    }

    QString text(const QString &control) const
    {
        if (auto *edit = window->findChild<QLineEdit *>(control))
            return edit->text();
        auto *label = window->findChild<QLabel *>(control);
        return label ? label->text() : QStringLiteral("<no control %1>").arg(control);
    }

    QScrollBar *scrollBar() const
    {
        return window->findChild<QScrollBar *>(QStringLiteral("vsbSvojstva"));
    }

    // Top of the panel frame in twips, as the design surface places it.
    qreal frameTop() const
    {
        auto *frame = window->findChild<QFrame *>(QStringLiteral("fraSvojstva"));
        return window->surface()->designRect(frame).top();
    }

    QTemporaryDir folder;
    FakeDesktopSeam seam;
    std::unique_ptr<FrmPeriodni> window;
};

} // namespace

class TestInfoPanel : public QObject
{
    Q_OBJECT

private slots:
    void panelTexts_data();
    void panelTexts();
    void paging_data();
    void paging();
    void wheelTurnsWholePages_data();
    void wheelTurnsWholePages();
    void rightButtonPagesWithoutShowing();
    void calculatorModeInsertsSymbol_data();
    void calculatorModeInsertsSymbol();
    void calculatorModeRightButtonOpensInsertMenu();
    void tileTakesButtonColour_data();
    void tileTakesButtonColour();
    void scrollPositionKeptAcrossElements();
    void everyElementFillsEveryRow();
};

void TestInfoPanel::panelTexts_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("kelvin");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("expected");

    const auto row = [](const char *tag, int index, int language, bool kelvin, const char *sep,
                        const char *control, const QString &expected) {
        QTest::newRow(tag) << index << language << kelvin << QString::fromLatin1(sep)
                           << QString::fromLatin1(control) << expected;
    };
    const auto u = [](const char *text) { return QString::fromUtf8(text); };

    // Hydrogen: temperatures with decimals take 273.16 and two decimals at most.
    row("H melting K", 1, 0, true, ".", "lblTempTaljenja", u("14.02 K"));
    row("H boiling K", 1, 0, true, ".", "lblTempVrenja", u("20.26 K"));
    row("H melting K comma", 1, 0, true, ",", "lblTempTaljenja", u("14,02 K"));
    row("H melting C", 1, 0, false, ".", "lblTempTaljenja", u("-259.14 °C"));
    row("H melting C comma", 1, 0, false, ",", "lblTempTaljenja", u("-259,14 °C"));
    row("H el. conductivity", 1, 0, true, ".", "lblElVodljiv", u("?"));
    row("H heat of fusion", 1, 0, true, ".", "lblTopTaljenja", u("0.12"));
    row("H heat of fusion comma", 1, 0, true, ",", "lblTopTaljenja", u("0,12"));
    row("H heat of vaporisation", 1, 0, true, ".", "lblTopVrenja", u("0.46"));
    row("H electronegativity", 1, 0, true, ".", "lblElektroNeg", u("2.2"));
    row("H radius comma", 1, 0, true, ",", "lblRadijus", u("37,3"));
    row("H thermal conductivity", 1, 0, true, ".", "lblTopVodljiv", u("0.183"));
    row("H molar volume", 1, 0, true, ".", "lblMolVolumen", u("22.956"));
    row("H density kept as stored", 1, 0, true, ",", "lblGustoca", u("0.08988"));
    row("H oxidation", 1, 0, true, ".", "lblOxidBroj", u("-1 +1"));
    row("H configuration", 1, 0, true, ".", "lblElConfig", u("1s1 "));
    row("H year", 1, 0, true, ".", "lblGodOtkrice", u("1766."));
    row("H atomic mass", 1, 0, true, ".", "lblAtomMas", u("1.0079"));
    row("H atomic mass comma", 1, 0, true, ",", "lblAtomMas", u("1,0079"));
    row("H number", 1, 0, true, ".", "lblBroj", u("1"));
    row("H symbol", 1, 0, true, ".", "lblSimbol", u("H"));
    row("H name HR", 1, 0, true, ".", "lblIme", u("Vodik"));
    row("H name IT", 1, 4, true, ".", "lblIme", u("Idrogeno"));
    row("extra button number", 0, 0, true, ".", "lblBroj", u("1"));
    row("extra button symbol", 0, 0, true, ".", "lblSimbol", u("H"));
    row("extra button melting", 0, 0, true, ".", "lblTempTaljenja", u("14.02 K"));
    row("extra button name EN", 0, 1, true, ".", "lblIme", u("Hydrogen"));

    // Iron: whole temperatures add 273 without a pattern.
    row("Fe melting K", 26, 0, true, ".", "lblTempTaljenja", u("1808 K"));
    row("Fe boiling K", 26, 0, true, ",", "lblTempVrenja", u("3023 K"));
    row("Fe melting C", 26, 0, false, ".", "lblTempTaljenja", u("1535 °C"));
    row("Fe el. conductivity", 26, 0, true, ".", "lblElVodljiv", u("1.03 E+07"));
    row("Fe el. conductivity comma", 26, 0, true, ",", "lblElVodljiv", u("1,03 E+07"));
    row("Fe year", 26, 0, true, ".", "lblGodOtkrice", u("~ 2500. BC"));
    row("Fe no discoverers", 26, 0, true, ".", "txtOtkrio", QString());
    row("Fe density", 26, 0, true, ".", "lblGustoca", u("7.874"));
    row("Fe name HR", 26, 0, true, ".", "lblIme", u("Željezo"));
    row("Fe hidden HR", 26, 2, true, ".", "lblHrvatski", u("Željezo"));
    row("Fe hidden DE", 26, 0, true, ".", "lblNjemacki", u("Eisen"));
    row("Fe hidden EN", 26, 0, true, ".", "lblEngleski", u("Iron"));
    row("Fe hidden FR", 26, 0, true, ".", "lblFrancuski", u("Fer"));
    row("Fe hidden IT", 26, 0, true, ".", "lblTalijanski", u("Ferro"));

    // Mercury: liquid at room temperature, decimals in both points.
    row("Hg melting C", 80, 0, false, ".", "lblTempTaljenja", u("-38.87 °C"));
    row("Hg boiling C", 80, 0, false, ".", "lblTempVrenja", u("356.58 °C"));
    row("Hg melting C comma", 80, 0, false, ",", "lblTempTaljenja", u("-38,87 °C"));
    row("Hg boiling C comma", 80, 0, false, ",", "lblTempVrenja", u("356,58 °C"));
    row("Hg melting K", 80, 0, true, ".", "lblTempTaljenja", u("234.29 K"));
    row("Hg boiling K comma", 80, 0, true, ",", "lblTempVrenja", u("629,74 K"));
    row("Hg el. conductivity", 80, 0, true, ".", "lblElVodljiv", u("1.04 E+06"));
    row("Hg heat of fusion", 80, 0, true, ".", "lblTopTaljenja", u("2.331"));
    row("Hg electronegativity whole", 80, 0, true, ".", "lblElektroNeg", u("2"));
    row("Hg year", 80, 0, true, ".", "lblGodOtkrice", u("~ 1500. BC"));
    row("Hg name DE", 80, 2, true, ".", "lblIme", u("Quecksilber"));
    row("Hg name FR", 80, 3, true, ".", "lblIme", u("Mercure"));
    row("Hg name out of range is HR", 80, 7, true, ".", "lblIme", u("Živa"));

    // Boron: a conductivity with a negative exponent.
    row("B el. conductivity", 5, 0, true, ".", "lblElVodljiv", u("5.56 E-05"));
    row("B el. conductivity comma", 5, 0, true, ",", "lblElVodljiv", u("5,56 E-05"));

    // Curium: no temperatures in the data, in either unit.
    row("Cm melting K", 96, 0, true, ".", "lblTempTaljenja", u("?"));
    row("Cm boiling K", 96, 0, true, ".", "lblTempVrenja", u("?"));
    row("Cm melting C", 96, 0, false, ".", "lblTempTaljenja", u("?"));
    row("Cm boiling C", 96, 0, false, ",", "lblTempVrenja", u("?"));
    row("Cm heat of fusion", 96, 0, true, ".", "lblTopTaljenja", u("?"));
    row("Cm el. conductivity", 96, 0, true, ".", "lblElVodljiv", u("?"));
    row("Cm atomic mass", 96, 0, true, ".", "lblAtomMas", u("247"));

    // Meitnerium: nearly nothing known.
    row("Mt number", 109, 0, true, ".", "lblBroj", u("109"));
    row("Mt melting", 109, 0, false, ".", "lblTempTaljenja", u("?"));
    row("Mt oxidation", 109, 0, true, ".", "lblOxidBroj", u("?"));
    row("Mt density", 109, 0, true, ".", "lblGustoca", u("?"));
    row("Mt electronegativity", 109, 0, true, ".", "lblElektroNeg", u("?"));
    row("Mt radius", 109, 0, true, ".", "lblRadijus", u("?"));
    row("Mt thermal conductivity", 109, 0, true, ".", "lblTopVodljiv", u("?"));
    row("Mt molar volume", 109, 0, true, ".", "lblMolVolumen", u("?"));
    row("Mt heat of vaporisation", 109, 0, true, ".", "lblTopVrenja", u("?"));
    row("Mt configuration", 109, 0, true, ".", "lblElConfig", u("[Rn] 5f14 6d7 7s2"));
    row("Mt year", 109, 0, true, ".", "lblGodOtkrice", u("1982."));
    row("Mt name", 109, 0, true, ".", "lblIme", u("Meitnerij"));
}

void TestInfoPanel::panelTexts()
{
    QFETCH(int, index);
    QFETCH(int, language);
    QFETCH(bool, kelvin);
    QFETCH(QString, separator);
    QFETCH(QString, control);
    QFETCH(QString, expected);

    Window w;
    // Another element first, so a row that is not rewritten would show through.
    w.window->cmdElement_Click(8);
    w.window->LanguageIndex = qint16(language);
    w.window->temperatureState.kelvinScale = kelvin;
    w.window->decimalSeparator = separator.at(0);
    w.window->cmdElement_Click(index);
    QCOMPARE(w.text(control), expected);
}

void TestInfoPanel::paging_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::newRow("first to second") << 0 << 1400;
    QTest::newRow("between pages") << 700 << 1400;
    QTest::newRow("just before a page") << 1399 << 1400;
    QTest::newRow("third to fourth") << 2800 << 4200;
    QTest::newRow("fourth to last") << 4200 << 5600;
    QTest::newRow("past the fourth") << 4201 << 0;
    QTest::newRow("last to first") << 5600 << 0;
}

void TestInfoPanel::paging()
{
    QFETCH(int, from);
    QFETCH(int, to);
    Window w;
    w.window->show();
    QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
    QScrollBar *bar = w.scrollBar();
    QCOMPARE(bar->minimum(), 0);
    QCOMPARE(bar->maximum(), InfoPanel::LastPage);
    QCOMPARE(bar->pageStep(), InfoPanel::PageHeight);

    bar->setValue(from);
    QCOMPARE(w.frameTop(), -from);
    w.window->infoPanel()->cmdPageDn_Click();
    QCOMPARE(bar->value(), to);
    QCOMPARE(w.frameTop(), -to);
    QVERIFY(bar->hasFocus());

    // The button below the scroll bar does the same.
    bar->setValue(from);
    QTest::mouseClick(w.window->findChild<ElementButton *>(QStringLiteral("cmdPageDn")),
                      Qt::LeftButton);
    QCOMPARE(bar->value(), to);
}

void TestInfoPanel::wheelTurnsWholePages_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<QList<int>>("deltas");
    QTest::addColumn<int>("to");
    QTest::newRow("down a page") << 0 << QList<int>{-120} << 1400;
    QTest::newRow("down from between pages") << 700 << QList<int>{-120} << 1400;
    QTest::newRow("down two notches at once") << 0 << QList<int>{-240} << 2800;
    QTest::newRow("down stops at the last page") << 5600 << QList<int>{-120} << 5600;
    QTest::newRow("up a page") << 2800 << QList<int>{120} << 1400;
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
    Window w;
    auto *viewport = w.window->findChild<QFrame *>(QStringLiteral("picSvojstva"));
    w.scrollBar()->setValue(from);
    for (int delta : deltas) {
        QWheelEvent wheel(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(viewport, &wheel);
    }
    QCOMPARE(w.scrollBar()->value(), to);
    QCOMPARE(w.frameTop(), -to);
}

void TestInfoPanel::rightButtonPagesWithoutShowing()
{
    Window w;
    w.window->cmdElement_Click(26);
    QScrollBar *bar = w.scrollBar();
    bar->setValue(700);

    QTest::mouseClick(w.window->grid()->button(80), Qt::RightButton);
    QCOMPARE(bar->value(), 1400);
    QCOMPARE(w.text(QStringLiteral("lblSimbol")), QStringLiteral("Fe"));

    // Only the right button pages.
    w.window->cmdElement_MouseUp(80, Qt::MiddleButton, Qt::NoModifier, QPoint());
    QCOMPARE(bar->value(), 1400);

    // And a left click shows the element without paging.
    QTest::mouseClick(w.window->grid()->button(80), Qt::LeftButton);
    QCOMPARE(w.text(QStringLiteral("lblSimbol")), QStringLiteral("Hg"));
    QCOMPARE(bar->value(), 1400);
}

void TestInfoPanel::calculatorModeInsertsSymbol_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("caret");
    QTest::addColumn<int>("selectionStart");
    QTest::addColumn<int>("selectionLength");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("caretAfter");

    QTest::newRow("at the caret") << "2*+3" << 2 << -1 << 0 << 26 << "2*Fe+3" << 4;
    QTest::newRow("at the end") << "NaCl+" << 5 << -1 << 0 << 80 << "NaCl+Hg" << 7;
    QTest::newRow("into an empty input") << "" << 0 << -1 << 0 << 109 << "Mt" << 2;
    QTest::newRow("replaces the selection") << "H2O" << 0 << 0 << 1 << 11 << "Na2O" << 2;
    QTest::newRow("extra button is H") << "2O" << 0 << -1 << 0 << 0 << "H2O" << 1;
}

void TestInfoPanel::calculatorModeInsertsSymbol()
{
    QFETCH(QString, before);
    QFETCH(int, caret);
    QFETCH(int, selectionStart);
    QFETCH(int, selectionLength);
    QFETCH(int, index);
    QFETCH(QString, after);
    QFETCH(int, caretAfter);

    Window w;
    auto *input = new QLineEdit(w.window->surface());
    input->setObjectName(QStringLiteral("txtUnosFormule"));
    w.window->show();
    QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
    w.window->cmdElement_Click(6);
    w.scrollBar()->setFocus();

    input->setText(before);
    input->setCursorPosition(caret);
    if (selectionStart >= 0)
        input->setSelection(selectionStart, selectionLength);
    w.window->calculatorMode = true;
    w.window->cmdElement_Click(index);

    QCOMPARE(input->text(), after);
    QCOMPARE(input->cursorPosition(), caretAfter);
    QVERIFY(input->hasFocus());
    // The panel still shows carbon.
    QCOMPARE(w.text(QStringLiteral("lblSimbol")), QStringLiteral("C"));
    QCOMPARE(w.text(QStringLiteral("lblBroj")), QStringLiteral("6"));
    QCOMPARE(w.text(QStringLiteral("lblElConfig")), QStringLiteral("[He] 2s2 2p2"));
}

void TestInfoPanel::calculatorModeRightButtonOpensInsertMenu()
{
    Window w;
    auto *menu = new QMenu(w.window.get());
    menu->setObjectName(QStringLiteral("mnuInsert"));
    menu->addAction(QStringLiteral("Cl-"));
    w.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
    w.window->calculatorMode = true;

    w.window->cmdElement_MouseUp(26, Qt::RightButton, Qt::NoModifier, QPoint(50, 50));
    QVERIFY(menu->isVisible());
    QCOMPARE(w.scrollBar()->value(), 0);
    menu->hide();
}

void TestInfoPanel::tileTakesButtonColour_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("extra H") << 0 << QColor(10, 20, 30);
    QTest::newRow("Fe") << 26 << QColor(200, 100, 50);
    QTest::newRow("Mt") << 109 << QColor(0, 255, 128);
}

void TestInfoPanel::tileTakesButtonColour()
{
    QFETCH(int, index);
    QFETCH(QColor, colour);
    Window w;
    w.window->grid()->button(index)->setBackgroundColour(colour);
    w.window->cmdElement_Click(index);
    auto *tile = w.window->findChild<QFrame *>(QStringLiteral("picElement"));
    QCOMPARE(tile->palette().color(QPalette::Window), colour);
    QVERIFY(tile->autoFillBackground());
}

void TestInfoPanel::scrollPositionKeptAcrossElements()
{
    Window w;
    w.window->cmdElement_Click(1);
    w.scrollBar()->setValue(2800);
    w.window->cmdElement_Click(80);
    QCOMPARE(w.scrollBar()->value(), 2800);
    QCOMPARE(w.frameTop(), -2800);
    // A change of unit shows the element again, also without scrolling.
    w.window->temperatureState.kelvinScale = false;
    w.window->cmdElement_Click(80);
    QCOMPARE(w.scrollBar()->value(), 2800);
    QCOMPARE(w.text(QStringLiteral("lblTempTaljenja")), QStringLiteral("-38.87 °C"));
}

void TestInfoPanel::everyElementFillsEveryRow()
{
    // Every value row is rewritten for every element: none stays empty except the discovery
    // texts, which the data leave empty on purpose.
    const char *rows[] = {"lblSimbol",     "lblIme",          "lblBroj",       "lblAtomMas",
                          "lblElConfig",   "lblTempTaljenja", "lblTempVrenja", "lblTopTaljenja",
                          "lblTopVrenja",  "lblOxidBroj",     "lblElektroNeg", "lblRadijus",
                          "lblTopVodljiv", "lblElVodljiv",    "lblMolVolumen", "lblGustoca"};
    Window w;
    for (int index = 0; index < ElementGrid::ButtonCount; ++index) {
        w.window->cmdElement_Click(index);
        for (const char *row : rows)
            QVERIFY2(!w.text(QString::fromLatin1(row)).isEmpty(),
                     qPrintable(QStringLiteral("%1 empty for %2").arg(row).arg(index)));
        QCOMPARE(w.text(QStringLiteral("lblBroj")).toInt(), index == 0 ? 1 : index);
        QCOMPARE(w.window->infoPanel()->shownAtomicNumber(), index == 0 ? 1 : index);
    }
}

QTEST_MAIN(TestInfoPanel)
#include "tst_infopanel.moc"
