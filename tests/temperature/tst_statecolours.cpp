#include "app/ElementGrid.h"
#include "app/FrmPeriodni.h"
#include "support/FakeDesktopSeam.h"
#include "temperature/ThermometerPanel.h"
#include "ui/DesignSurface.h"
#include "ui/ElementButton.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <vector>

namespace {

const StateColours Defaults;

QColor colourOf(const char *state)
{
    const QByteArray s(state);
    if (s == "solid")
        return Defaults.solid;
    if (s == "liquid")
        return Defaults.liquid;
    if (s == "gas")
        return Defaults.gas;
    return Defaults.unknown;
}

} // namespace

class TestStateColours : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void stateAtTemperature_data();
    void stateAtTemperature();
    void wholeTableAtExtremes_data();
    void wholeTableAtExtremes();
    void onlyChangedButtonsRepaint();
    void repaintAllRepaintsEveryButtonOnce();
    void tileTakesColourOfShownElement();
    void disarmedRefreshOnlyArms();
    void numberRule_data();
    void numberRule();

private:
    // Every button's colour set, counted since the last reset.
    int colourSets() const;
    void resetCounts();
    // Writes a reading into txtT; a text equal to the current one raises no change, so then the
    // change handler runs directly.
    void setText(const QString &text)
    {
        QLineEdit *box = m_window->thermometer()->temperatureBox();
        if (box->text() == text)
            m_window->thermometer()->txtT_Change();
        else
            box->setText(text);
    }

    FakeDesktopSeam m_seam;
    QTemporaryDir m_folder;
    std::unique_ptr<FrmPeriodni> m_window;
    std::vector<std::unique_ptr<QSignalSpy>> m_spies;
};

void TestStateColours::init()
{
    m_window = std::make_unique<FrmPeriodni>(m_seam, m_folder.path() + u'/');
    setTemperature(m_window->tables);
    m_window->ApplyConfig(); // arms the colouring, paints 96..109 as not known
    m_window->temperatureState.statesArmed = true;
    m_spies.clear();
    for (int i = 0; i < ElementGrid::ButtonCount; ++i)
        m_spies.push_back(std::make_unique<QSignalSpy>(m_window->grid()->button(i),
                                                       &ElementButton::backgroundColourSet));
}

void TestStateColours::cleanup()
{
    m_spies.clear();
    m_window.reset();
}

int TestStateColours::colourSets() const
{
    int total = 0;
    for (const auto &spy : m_spies)
        total += int(spy->count());
    return total;
}

void TestStateColours::resetCounts()
{
    for (auto &spy : m_spies)
        spy->clear();
}

void TestStateColours::stateAtTemperature_data()
{
    QTest::addColumn<bool>("kelvin");
    QTest::addColumn<QString>("reading");
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("state");

    QTest::newRow("H solid at 13 K") << true << "13" << 1 << "solid";
    QTest::newRow("H liquid at 14 K") << true << "14" << 1 << "liquid";
    QTest::newRow("H liquid at 20 K") << true << "20" << 1 << "liquid";
    QTest::newRow("H gas at 21 K") << true << "21" << 1 << "gas";
    QTest::newRow("button 0 follows H at 13 K") << true << "13" << 0 << "solid";
    QTest::newRow("button 0 follows H at 21 K") << true << "21" << 0 << "gas";
    QTest::newRow("He solid at 0 K") << true << "0" << 2 << "solid";
    QTest::newRow("He liquid at 1 K") << true << "1" << 2 << "liquid";
    QTest::newRow("He liquid at 4 K") << true << "4" << 2 << "liquid";
    QTest::newRow("He gas at 5 K") << true << "5" << 2 << "gas";
    QTest::newRow("Hg solid at 234 K") << true << "234" << 80 << "solid";
    QTest::newRow("Hg liquid at 235 K") << true << "235" << 80 << "liquid";
    QTest::newRow("Hg liquid at 629 K") << true << "629" << 80 << "liquid";
    QTest::newRow("Hg gas at 630 K") << true << "630" << 80 << "gas";
    QTest::newRow("As solid at its melting point") << false << "817" << 33 << "solid";
    QTest::newRow("As gas just above, never liquid") << false << "818" << 33 << "gas";
    QTest::newRow("As solid below its boiling point") << false << "700" << 33 << "solid";
    QTest::newRow("Ga solid at 29 C") << false << "29" << 31 << "solid";
    QTest::newRow("Ga liquid at 30 C") << false << "30" << 31 << "liquid";
    QTest::newRow("Am gas at 2607 C") << false << "2607" << 95 << "gas";
    QTest::newRow("Cm not known when hot") << false << "3000" << 96 << "unknown";
    QTest::newRow("Mt not known when cold") << true << "0" << 109 << "unknown";
}

void TestStateColours::stateAtTemperature()
{
    QFETCH(bool, kelvin);
    QFETCH(QString, reading);
    QFETCH(int, button);
    QFETCH(QString, state);

    m_window->temperatureState.kelvinScale = kelvin;
    setText(reading);
    QCOMPARE(m_window->grid()->button(button)->backgroundColour(),
             colourOf(state.toLatin1().constData()));
}

void TestStateColours::wholeTableAtExtremes_data()
{
    QTest::addColumn<QString>("kelvin");
    QTest::addColumn<QString>("state");
    QTest::newRow("0 K all solid") << "0"
                                   << "solid";
    QTest::newRow("5933 K all gas") << "5933"
                                    << "gas";
    QTest::newRow("6000 K all gas") << "6000"
                                    << "gas";
}

void TestStateColours::wholeTableAtExtremes()
{
    QFETCH(QString, kelvin);
    QFETCH(QString, state);
    setText(kelvin);
    const QColor expected = colourOf(state.toLatin1().constData());
    for (int i = 0; i < ElementGrid::ButtonCount; ++i) {
        const QColor want = i <= 95 ? expected : Defaults.unknown;
        QVERIFY2(m_window->grid()->button(i)->backgroundColour() == want,
                 qPrintable(QStringLiteral("button %1").arg(i)));
    }
    // At 5932 K tungsten still boils at 5660 C = 5933.16 K: one degree short, still liquid.
    if (kelvin == u"5933") {
        setText(QStringLiteral("5932"));
        QCOMPARE(m_window->grid()->button(74)->backgroundColour(), Defaults.liquid);
    }
}

void TestStateColours::onlyChangedButtonsRepaint()
{
    setText(QStringLiteral("300"));
    QCOMPARE(colourSets(), 96); // the first refresh paints every button 0..95, gases included
    resetCounts();

    m_window->refreshStateColours();
    QCOMPARE(colourSets(), 0);

    // 302 K -> 303 K (29 C -> 30 C): only gallium (29.78 C) melts.
    setText(QStringLiteral("302"));
    QCOMPARE(colourSets(), 2); // caesium (28.4 C) and francium (27 C)
    resetCounts();
    setText(QStringLiteral("303"));
    QCOMPARE(colourSets(), 1);
    QCOMPARE(m_spies[31]->count(), 1);
    resetCounts();

    // Buttons 96..109 are never touched by a refresh.
    setText(QStringLiteral("6000"));
    for (int i = 96; i < ElementGrid::ButtonCount; ++i)
        QCOMPARE(m_spies[i]->count(), 0);
}

void TestStateColours::repaintAllRepaintsEveryButtonOnce()
{
    setText(QStringLiteral("1000"));
    resetCounts();
    m_window->repaintAllStates = true;
    m_window->refreshStateColours();
    QCOMPARE(colourSets(), 96);
    QVERIFY(!m_window->repaintAllStates);
    resetCounts();
    m_window->refreshStateColours();
    QCOMPARE(colourSets(), 0);
}

void TestStateColours::tileTakesColourOfShownElement()
{
    m_window->cmdElement_Click(80);
    setText(QStringLiteral("300"));
    const auto *tile = m_window->findChild<QWidget *>(QStringLiteral("picElement"));
    QVERIFY(tile);
    QCOMPARE(tile->palette().color(QPalette::Window), Defaults.liquid);
    setText(QStringLiteral("700"));
    QCOMPARE(tile->palette().color(QPalette::Window), Defaults.gas);
}

void TestStateColours::disarmedRefreshOnlyArms()
{
    setText(QStringLiteral("300"));
    resetCounts();
    m_window->temperatureState.statesArmed = false;
    setText(QStringLiteral("6000"));
    QCOMPARE(colourSets(), 0);
    QVERIFY(m_window->temperatureState.statesArmed);
    QCOMPARE(m_window->temperatureState.temperature, qint16(6000));
}

void TestStateColours::numberRule_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("temperature");
    QTest::newRow("plain") << "1234" << 1234;
    QTest::newRow("leading blanks") << "   77" << 77;
    QTest::newRow("blanks inside") << "1 2 3" << 123;
    QTest::newRow("tab and sign") << "\t- 16" << -16;
    QTest::newRow("unit after number") << "300 K" << 300;
    QTest::newRow("half to even, down") << "12.5" << 12;
    QTest::newRow("half to even, up") << "13.5" << 14;
    QTest::newRow("negative half") << "-2.5" << -2;
    QTest::newRow("comma is no decimal point") << "3,7" << 3;
    QTest::newRow("fraction only") << ".6" << 1;
    QTest::newRow("exponent") << "2.5e2" << 250;
    QTest::newRow("dangling exponent") << "7e" << 7;
    QTest::newRow("no number") << "abc" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("sign only") << "-" << 0;
    QTest::newRow("clamped high") << "99999" << 32767;
    QTest::newRow("clamped low") << "-40000" << -32768;
    QTest::newRow("huge exponent") << "1e400" << 32767;
}

void TestStateColours::numberRule()
{
    QFETCH(QString, text);
    QFETCH(int, temperature);
    setText(QStringLiteral("42")); // so that every row is a real change of text
    setText(text);
    QCOMPARE(int(m_window->temperatureState.temperature), temperature);
    // The table is coloured for the number read, 0 for a text without one.
    if (text == u"abc")
        QCOMPARE(m_window->grid()->button(1)->backgroundColour(), Defaults.solid);
}

QTEST_MAIN(TestStateColours)
#include "tst_statecolours.moc"
