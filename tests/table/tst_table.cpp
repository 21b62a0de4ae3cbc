// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TestWindow.h"
#include "table/ElementGrid.h"
#include "table/Narration.h"
#include "table/TableController.h"
#include "temperature/PropertyTables.h"
#include "temperature/SweepPanel.h"
#include "ui/DesignSurface.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QSlider>
#include <QTest>

#include <random>

namespace {

const StateColours Defaults;

// The table's widgets and its controller, without the rest of the window.
struct Table
{
    Table()
    {
        setTemperature(tables);
        surface.resize(1000, 650);
        surface.show();
    }

    PropertyTables tables;
    DesignSurface surface;
    ElementGrid grid{&surface};
    TableController controller{grid, tables};
};

} // namespace

class TestTable : public QObject
{
    Q_OBJECT

private slots:
    void everyButtonFollowsTheInputs();
    void onlyChangedButtonsRepaint();
    void statesComeBackAfterAMap();
    void searchEnds_data();
    void searchEnds();
    void clickerPagesAndMovesInAnyOrder();
    void mapsAndTimelineStopTheSweep();
    void fullTable_data();
    void fullTable();
    void narration_data();
    void narration();
    void narrationInTheWindow();
};

// Random sequences of everything that changes the table, each step checked against the look
// computed afresh from a model of the inputs that the test keeps itself.
void TestTable::everyButtonFollowsTheInputs()
{
    Table t;
    QVERIFY(QTest::qWaitForWindowActive(&t.surface));
    const TableLook fresh(t.tables);
    TableInputs model = t.controller.inputs();
    int chosen = -1;
    connect(&t.controller, &TableController::elementChosen, this,
            [&chosen](int index) { chosen = index; });
    const QString letters = QStringLiteral("aeinorsuclbgkz");
    const Qt::Key arrows[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down};
    std::mt19937 random(20261207);
    const auto pick = [&random](int count) {
        return int(std::uniform_int_distribution<int>(0, count - 1)(random));
    };
    const auto firstFound = [&] {
        for (int i = 1; i < ElementGrid::ButtonCount; ++i) {
            if (fresh.found(i, model) && fresh.known(i, model))
                return i;
        }
        return -1;
    };

    for (int sequence = 0; sequence < 1000; ++sequence) {
        QString steps;
        for (int step = 0; step < 20; ++step) {
            const int operation = pick(15);
            steps += QString::number(operation) + u' ';
            chosen = -1;
            int expectChosen = -1;
            switch (operation) {
            case 0:
                model.celsius = pick(6300) - 273;
                t.controller.setTemperature(model.celsius);
                break;
            case 1:
                model.colouring = 1 + pick(TableInputs::ColouringCount - 1);
                t.controller.setColouring(model.colouring);
                break;
            case 2:
                model.colouring = TableInputs::StatesColouring;
                t.controller.setColouring(model.colouring);
                break;
            case 3: {
                const bool back = pick(4) == 0;
                const QString typed = back ? QStringLiteral("\b") : QString(letters[pick(14)]);
                QCOMPARE(t.controller.typeSearch(typed), !back || !model.search.isEmpty());
                if (back)
                    model.search.chop(1);
                else
                    model.search += typed;
                break;
            }
            case 4: {
                const bool searching = !model.search.isEmpty();
                expectChosen = searching ? firstFound() : model.focused;
                QCOMPARE(t.controller.chooseWithKeyboard(), searching || model.focused >= 0);
                model.search.clear();
                break;
            }
            case 5:
                t.controller.clearSearch();
                model.search.clear();
                break;
            case 6:
                expectChosen = pick(model.elementCount + 1);
                QTest::mouseClick(t.grid.button(expectChosen), Qt::LeftButton);
                model.focused = expectChosen;
                model.search.clear();
                break;
            case 7:
                model.year = pick(3) ? std::optional(1650 + pick(340)) : std::nullopt;
                t.controller.setYear(model.year);
                break;
            case 8:
                model.letters = !model.letters;
                t.controller.toggleLetters();
                break;
            case 9: {
                const Qt::Key arrow = arrows[pick(4)];
                QCOMPARE(t.controller.moveFocus(arrow), model.focused >= 0);
                if (model.focused >= 0)
                    model.focused =
                        ElementGrid::neighbour(model.focused, arrow, model.elementCount);
                break;
            }
            case 10:
                model.language = pick(5);
                t.controller.setLanguage(model.language);
                break;
            case 11:
                model.colours.liquid = QColor::fromRgb(quint32(random()) & 0xffffff);
                model.colours.unknown = QColor::fromRgb(quint32(random()) & 0xffffff);
                t.controller.setStateColours(model.colours);
                break;
            case 12:
                model.kelvinScale = !model.kelvinScale;
                t.controller.setKelvinScale(model.kelvinScale);
                break;
            case 13: {
                QuizMarks &quiz = model.quiz;
                quiz.active = pick(3) != 0;
                quiz.hideStates = quiz.active && pick(2);
                quiz.marked = quiz.active ? pick(ElementGrid::ButtonCount) : -1;
                quiz.symbolHidden = pick(2);
                quiz.flashing = quiz.active && pick(2) ? pick(ElementGrid::ButtonCount) : -1;
                quiz.flashColour = QColor::fromRgb(quint32(random()) & 0xffffff);
                t.controller.setQuiz(quiz);
                break;
            }
            default:
                model.elementCount = model.elementCount == 109 ? 118 : 109;
                t.controller.setElementCount(model.elementCount);
                // A hidden button gives the focus on; Qt alone knows to which widget.
                model.focused = -1;
                for (int i = 0; i < ElementGrid::ButtonCount; ++i) {
                    if (t.grid.button(i)->hasFocus())
                        model.focused = i;
                }
                break;
            }
            int wrong = -1;
            for (int i = 0; i < ElementGrid::ButtonCount && wrong < 0; ++i) {
                if (t.grid.button(i)->look() != fresh.look(i, model))
                    wrong = i;
            }
            if (wrong >= 0 || !(t.controller.inputs() == model) || chosen != expectChosen ||
                t.grid.legendShown() != (model.colouring == 0))
                QFAIL(qPrintable(QStringLiteral("sequence %1, operations %2: button %3")
                                     .arg(sequence)
                                     .arg(steps)
                                     .arg(wrong)));
        }
    }
}

void TestTable::onlyChangedButtonsRepaint()
{
    Table t;
    t.controller.setTemperature(27);
    t.controller.setTemperature(27);
    QCOMPARE(t.controller.lastRepaintCount(), 0);
    t.controller.setTemperature(29); // caesium (28.4 °C) and francium (27 °C) melt
    QCOMPARE(t.controller.lastRepaintCount(), 2);
    t.controller.setTemperature(30); // gallium (29.78 °C)
    QCOMPARE(t.controller.lastRepaintCount(), 1);
    // A new liquid colour reaches the five liquids and nothing else.
    StateColours colours;
    colours.liquid = QColor(1, 2, 3);
    t.controller.setStateColours(colours);
    QCOMPARE(t.controller.lastRepaintCount(), 5);
    // Everything boils but the twelve buttons that were gases at 30 °C already; curium and the
    // buttons after it have no state to change.
    t.controller.setTemperature(6000);
    QCOMPARE(t.controller.lastRepaintCount(), 96 - 12);
}

void TestTable::statesComeBackAfterAMap()
{
    TestWindow w("RGBNepoznato (R = 1, G = 2, B = 3)");
    auto *box = w.find<QLineEdit>(QStringLiteral("txtT"));
    box->setText(QStringLiteral("1000"));
    StateColours colours;
    colours.unknown = QColor(1, 2, 3);
    // Forward to each map with F10 and back through the ones before it with Shift+F10.
    for (int map = 1; map < TableInputs::ColouringCount; ++map) {
        for (int i = 0; i < map; ++i)
            QTest::keyClick(w.window.get(), Qt::Key_F10);
        QVERIFY(w.find(QStringLiteral("lblStanje_0"))->isHidden());
        for (int i = 0; i < map; ++i)
            QTest::keyClick(w.window.get(), Qt::Key_F10, Qt::ShiftModifier);
        QCOMPARE(w.firstOutOfState(1000, colours), -1);
        QVERIFY(!w.find(QStringLiteral("lblStanje_0"))->isHidden());
        QVERIFY(w.find(QStringLiteral("lblBojeMax"))->isHidden());
    }
    box->setText(QStringLiteral("300"));
    QCOMPARE(w.firstOutOfState(300, colours), -1);
}

void TestTable::searchEnds_data()
{
    QTest::addColumn<bool>("byClick");
    QTest::newRow("Enter shows gold, then a click") << false;
    QTest::newRow("a click on copper") << true;
}

void TestTable::searchEnds()
{
    QFETCH(bool, byClick);
    TestWindow w;
    w.window->show();
    QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
    const auto anyDimmed = [&w] {
        const auto all = w.window->findChildren<ElementButton *>();
        return std::any_of(all.begin(), all.end(), [](auto *b) { return b->look().dimmed; });
    };
    QTest::mouseClick(w.element(3), Qt::LeftButton);
    QTest::keyClicks(w.element(3), QStringLiteral("au"));
    QVERIFY(anyDimmed());
    if (!byClick) {
        QTest::keyClick(w.element(3), Qt::Key_Return);
        QCOMPARE(w.text(QStringLiteral("lblBroj")), QStringLiteral("79"));
        QVERIFY(!anyDimmed());
        QVERIFY(w.find(QStringLiteral("lblTrazi"))->isHidden());
    }
    QTest::mouseClick(w.element(29), Qt::LeftButton);
    QVERIFY(!anyDimmed());
    QCOMPARE(w.text(QStringLiteral("lblBroj")), QStringLiteral("29"));
    QCOMPARE(w.find(QStringLiteral("picElement"))->palette().color(QPalette::Window),
             w.element(29)->backgroundColour());
    QTest::keyClick(w.element(29), Qt::Key_F10);
    QVERIFY(!anyDimmed());
}

void TestTable::clickerPagesAndMovesInAnyOrder()
{
    TestWindow w;
    w.window->show();
    QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
    auto *bar = w.find<QScrollBar>(QStringLiteral("vsbSvojstva"));
    bar->setValue(0);
    QTest::mouseClick(w.element(26), Qt::LeftButton);
    QTest::keyClick(w.element(26), Qt::Key_PageDown);
    QCOMPARE(bar->value(), 1400);
    QVERIFY(w.element(26)->hasFocus());
    QTest::keyClick(w.element(26), Qt::Key_Right);
    QTest::keyClick(w.element(27), Qt::Key_Return);
    QCOMPARE(w.text(QStringLiteral("lblSimbol")), QStringLiteral("Co"));
    QTest::keyClick(w.element(27), Qt::Key_PageUp);
    QTest::keyClick(w.element(27), Qt::Key_PageUp);
    QCOMPARE(bar->value(), 5600);
    QTest::keyClick(w.element(27), Qt::Key_Down);
    QVERIFY(w.element(45)->look().focusRing);
    QVERIFY(!w.element(27)->look().focusRing);
    QTest::keyClick(w.element(45), Qt::Key_Space);
    QCOMPARE(w.text(QStringLiteral("lblSimbol")), QStringLiteral("Rh"));
}

void TestTable::mapsAndTimelineStopTheSweep()
{
    TestWindow w;
    auto *sweep = w.window->findChild<SweepPanel *>();
    sweep->cmdAuto_Click();
    QTest::keyClick(w.window.get(), Qt::Key_F10);
    QVERIFY(!sweep->isRunning());
    sweep->cmdAuto_Click();
    QTest::keyClick(w.window.get(), Qt::Key_F12);
    QVERIFY(!sweep->isRunning());
    // Closing the timeline or going back to the states lets a sweep run on.
    sweep->cmdAuto_Click();
    QTest::keyClick(w.window.get(), Qt::Key_F12);
    QTest::keyClick(w.window.get(), Qt::Key_F10, Qt::ShiftModifier);
    QVERIFY(sweep->isRunning());
}

void TestTable::fullTable_data()
{
    QTest::addColumn<QByteArray>("config");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("lastYear");
    QTest::newRow("without the key") << QByteArray() << 109 << 1984;
    QTest::newRow("any other value") << QByteArray("Elements = 117") << 109 << 1984;
    QTest::newRow("the full table") << QByteArray("Elements = 118") << 118 << 2010;
}

void TestTable::fullTable()
{
    QFETCH(QByteArray, config);
    QFETCH(int, count);
    QFETCH(int, lastYear);
    TestWindow w(config);
    for (int i = 110; i <= 118; ++i)
        QCOMPARE(w.element(i)->isHidden(), count == 109);
    QTest::keyClick(w.window.get(), Qt::Key_F12);
    QCOMPARE(w.find<QSlider>(QStringLiteral("sldGodina"))->maximum(), lastYear);
    auto *line = w.find<QLineEdit>(QStringLiteral("txtUnosFormule"));
    if (count == 109) {
        QVERIFY(line == nullptr);
        return;
    }
    QCOMPARE(w.element(118)->backgroundColour(), Defaults.unknown);
    w.window->cmdElement_Click(118);
    QCOMPARE(w.text(QStringLiteral("lblAtomMas")), QStringLiteral("[294]"));
    QCOMPARE(w.text(QStringLiteral("lblIme")), QStringLiteral("Oganeson"));
    QVERIFY(w.text(QStringLiteral("lblElConfig")).endsWith(QStringLiteral(" (predviđena)")));
    // The calculator built afterwards knows the full table's symbols.
    QTest::keyClick(w.window.get(), Qt::Key_F2);
    w.find<QLineEdit>(QStringLiteral("txtUnosFormule"))->setText(QStringLiteral("Og"));
    QTest::keyClick(w.find(QStringLiteral("txtUnosFormule")), Qt::Key_Return);
    QCOMPARE(w.text(QStringLiteral("lblRezultat")),
             QStringLiteral("294") + w.state().decimalSeparator);
}

void TestTable::narration_data()
{
    QTest::addColumn<int>("from"); // °C
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("kelvin");
    QTest::addColumn<QString>("line");
    QTest::newRow("iron melts at its melting point")
        << 1535 << 1536 << 0 << true << "Željezo se tali (1808 K)";
    QTest::newRow("and freezes, in °C") << 1536 << 1535 << 1 << false << "Iron freezes (1535 °C)";
    QTest::newRow("mercury boils") << 356 << 357 << 2 << true << "Quecksilber siedet (629.74 K)";
    QTest::newRow("three melt in the order met")
        << 27 << 30 << 1 << true
        << "Francium melts (300 K), Caesium melts (301.56 K), Gallium melts (302.94 K)";
    QTest::newRow("one step past both points, down")
        << -268 << -273 << 4 << true
        << "Elio: condensazione (4.26 K), Elio: solidificazione (0.96 K)";
    QTest::newRow("two at one point, by atomic number")
        << 3139 << 3140 << 1 << true << "Palladium boils (3413 K), Protactinium boils (3413 K)";
    QTest::newRow("arsenic skips the liquid")
        << 817 << 818 << 3 << true << "Arsenic : sublimation (1090 K)";
    QTest::newRow("beyond three, how many more")
        << -273 << -200 << 1 << true
        << "Helium melts (0.96 K), Helium boils (4.26 K), Hydrogen melts (14.02 K) … (+6)";
}

void TestTable::narration()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, language);
    QFETCH(bool, kelvin);
    QFETCH(QString, line);
    PropertyTables tables;
    setTemperature(tables);
    const auto crossings = narration::crossings(from, to, tables, 109);
    QCOMPARE(narration::text(crossings, language, kelvin, u'.'), line);
}

void TestTable::narrationInTheWindow()
{
    TestWindow w("Narration = 1");
    auto *box = w.find<QLineEdit>(QStringLiteral("txtT"));
    auto *line = w.find<QLabel>(QStringLiteral("narrationLabel"));
    box->setText(QStringLiteral("1808"));
    box->setText(QStringLiteral("1809"));
    QCOMPARE(line->text(), QStringLiteral("Željezo se tali (1808 K)"));
    QVERIFY(!line->isHidden());
    // It would answer a quiz's state questions, so it keeps quiet under a quiz.
    QTest::keyClick(w.window.get(), Qt::Key_K, Qt::ControlModifier);
    QVERIFY(line->isHidden());
    box->setText(QStringLiteral("1808"));
    QVERIFY(line->isHidden());
    QTest::keyClick(w.window.get(), Qt::Key_Escape);
    // Shift+F9 turns it off for the session, and the next save writes the choice.
    QTest::keyClick(w.window.get(), Qt::Key_F9, Qt::ShiftModifier);
    QVERIFY(line->isHidden());
    box->setText(QStringLiteral("1808"));
    QVERIFY(line->isHidden());
    QCOMPARE(w.state().settings.Narration, qint16(0));
}

QTEST_MAIN(TestTable)
#include "tst_table.moc"
