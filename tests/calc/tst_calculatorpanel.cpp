// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/CalculatorPanel.h"
#include "support/TestWindow.h"

#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

// An action on the calculator, written as in the tables below: "num:N" a key-pad button,
// "menu:N" an item of the insert menu, "key:..." a key typed into the window (with "ctrl+",
// "alt+", "shift+" in front), "element:N" an element button, "=" or "enter", "delete", "copy",
// "paste", "result" a click on the result.
void act(TestWindow &w, const QString &action)
{
    QWidget *input = w.find(QStringLiteral("txtUnosFormule"));
    const QString what = action.section(u':', 0, 0);
    const QString arg = action.section(u':', 1);
    if (what == u"num") {
        QTest::mouseClick(w.find(QStringLiteral("cmdNum_") + arg), Qt::LeftButton);
    } else if (what == u"menu") {
        w.window->calculator().mnuIoni_Click(arg.toInt());
    } else if (what == u"element") {
        QTest::mouseClick(w.find(QStringLiteral("cmdElement_") + arg), Qt::LeftButton);
    } else if (what == u"key") {
        Qt::KeyboardModifiers modifiers;
        QString key = arg;
        for (const auto &[name, modifier] :
             {std::pair{"ctrl+", Qt::ControlModifier}, std::pair{"alt+", Qt::AltModifier},
              std::pair{"shift+", Qt::ShiftModifier}}) {
            if (key.contains(QLatin1String(name))) {
                modifiers |= modifier;
                key.remove(QLatin1String(name));
            }
        }
        const QKeySequence sequence(key);
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : input,
                        Qt::Key(sequence[0].key()), modifiers);
    } else if (what == u"enter") {
        QTest::keyClick(input, Qt::Key_Return);
    } else {
        const char *buttons[][2] = {{"=", "cmdEnter"},         {"delete", "cmdClear"},
                                    {"copy", "cmdCopy"},       {"paste", "cmdPaste"},
                                    {"result", "lblRezultat"}, {"hide", "cmdHide"}};
        for (const auto &button : buttons) {
            if (what == QLatin1String(button[0]))
                QTest::mouseClick(w.find(QString::fromLatin1(button[1])), Qt::LeftButton);
        }
    }
}

// A window with the calculator open on `text`, with `selection` ("start,length") selected or
// the caret at "caret".
void prepare(TestWindow &w, const QString &text, const QString &selection)
{
    // The calculator takes the separator when it is built; the texts below are written with ".".
    w.state().decimalSeparator = u'.';
    w.window->show();
    QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
    QTest::keyClick(w.window.get(), Qt::Key_F2);
    auto *input = w.find<QLineEdit>(QStringLiteral("txtUnosFormule"));
    QVERIFY(input && input->hasFocus());
    input->setText(text);
    const QStringList parts = selection.split(u',');
    if (parts.size() == 2)
        input->setSelection(parts[0].toInt(), parts[1].toInt());
    else
        input->setCursorPosition(parts[0].toInt());
}

} // namespace

class TestCalculatorPanel : public QObject
{
    Q_OBJECT

private slots:
    void editing_data();
    void editing();
    void evaluation_data();
    void evaluation();
    void numberFormat();
    void memory();
    void composition();
    void keysReachTheWindowFromAnyControl();
};

void TestCalculatorPanel::editing_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("selection");
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QString>("after");
    // The line, the selection ("start,length" or the caret), what is done, the line after it.
    const auto row = [](const char *name, const char *text, const char *selection,
                        const QStringList &actions, const char *after) {
        QTest::newRow(name) << QString(text) << QString(selection) << actions << QString(after);
    };
    row("key at the caret", "2*+3", "2", {"num:9"}, "2*9+3");
    row("key over a selection", "H2O", "1,1", {"num:13"}, "H/O");
    row("(...) around a selection", "2+3*4", "0,3", {"num:17"}, "(2+3)*4");
    row("(...) around the line, caret to the end", "2+3", "1", {"num:17", "num:12"}, "(2+3)*");
    row("insert menu", "Na2", "2", {"menu:12"}, "Na(SO4)2");
    row("element symbol at the caret", "2O", "0", {"element:0"}, "H2O");
    row("power of a bracketed selection", "3+4", "0,3", {"key:ctrl+2"}, "(3+4)^2");
    row("power of a plain selection", "x8", "1,1", {"key:ctrl+2"}, "x8^2");
    row("root at the caret", "8", "1", {"key:alt+3"}, "8^(1/3)");
    row("root with ctrl and shift", "2*2", "0,3", {"key:ctrl+shift+2"}, "(2*2)^(1/2)");
    row("root with ctrl and alt", "", "0", {"key:ctrl+alt+4"}, "^(1/4)");
    row("shift and a digit is only typed", "1", "1", {"key:shift+2"}, "12");
    row("Esc empties", "NaCl", "2", {"key:Esc"}, "");
    row("delete a selection", "NaCl", "0,2", {"delete"}, "Cl");
    row("delete without a selection", "NaCl", "2", {"delete"}, "");
    row("paste over a selection, control characters dropped", "2*x", "2,1", {"paste"}, "2*Ca(OH)2");
    row("F4 puts the result in", "1+1", "3", {"enter", "key:F4"}, "1+12");
}

void TestCalculatorPanel::editing()
{
    QFETCH(QString, text);
    QFETCH(QString, selection);
    QFETCH(QStringList, actions);
    QFETCH(QString, after);
    TestWindow w;
    w.seam.clipboard = QStringLiteral("Ca(OH)\n2\t");
    prepare(w, text, selection);
    for (const QString &action : actions)
        act(w, action);
    QCOMPARE(w.text(QStringLiteral("txtUnosFormule")), after);
    QVERIFY(w.find(QStringLiteral("txtUnosFormule"))->hasFocus());
    // The element panel behind stays as it was.
    QVERIFY(w.find(QStringLiteral("picElement"))->isHidden());
}

void TestCalculatorPanel::evaluation_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("tooltip");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("selected");
    QTest::newRow("formula") << 0 << "nacl"
                             << "NaCl"
                             << " 22.98977+35.4527 "
                             << "58.4425"
                             << "";
    QTest::newRow("unknown symbol, English") << 2 << "Qq"
                                             << "Qq"
                                             << "  "
                                             << "Qq isn't element symbol!"
                                             << "Qq";
    QTest::newRow("unknown symbol in a sum, Croatian") << 0 << "h2o+qq"
                                                       << "(H2O)+(Qq)"
                                                       << "  "
                                                       << "Qq nije simbol elementa!"
                                                       << "Qq";
    QTest::newRow("a message as it comes") << 1 << "1/0"
                                           << "1/0"
                                           << " 1/0 "
                                           << "Cannot divide by zero!"
                                           << "";
}

void TestCalculatorPanel::evaluation()
{
    QFETCH(int, language);
    QFETCH(QString, typed);
    QFETCH(QString, line);
    QFETCH(QString, tooltip);
    QFETCH(QString, result);
    QFETCH(QString, selected);
    TestWindow w(QByteArray("Language = ") + QByteArray::number(language));
    prepare(w, {}, QStringLiteral("0"));
    QTest::keyClicks(w.find(QStringLiteral("txtUnosFormule")), typed);
    act(w, selected.isEmpty() ? QStringLiteral("enter") : QStringLiteral("="));
    auto *input = w.find<QLineEdit>(QStringLiteral("txtUnosFormule"));
    QCOMPARE(input->text(), line);
    QCOMPARE(input->toolTip(), tooltip);
    QCOMPARE(w.text(QStringLiteral("lblRezultat")), result);
    QCOMPARE(input->selectedText(), selected);
}

void TestCalculatorPanel::numberFormat()
{
    TestWindow w;
    prepare(w, QStringLiteral("2000/3"), QStringLiteral("3"));
    act(w, QStringLiteral("enter"));
    QCOMPARE(w.text(QStringLiteral("lblRezultat")), QStringLiteral("666.6666666667"));
    act(w, QStringLiteral("result"));
    QVERIFY(w.find(QStringLiteral("fraNumber"))->isVisible());
    auto *decimals = w.find<QLineEdit>(QStringLiteral("txtDecimala"));
    QVERIFY(!decimals->isEnabled());

    const struct
    {
        const char *action;
        const char *shown;
    } steps[] = {{"key:F5", "6.67 E+02"},   {"key:F5", "666.67"},
                 {"decimals:3", "666.667"}, {"decimals:20", "666.666666666700"},
                 {"thousands", "666.67"},   {"key:F5", "666.6666666667"},
                 {"key:F5", "6.67 E+02"},   {"decimals:-1", "7. E+02"}};
    for (const auto &step : steps) {
        const QString action = QString::fromLatin1(step.action);
        if (action.startsWith(u"decimals:"))
            decimals->setText(action.section(u':', 1));
        else if (action == u"thousands")
            QTest::mouseClick(w.find(QStringLiteral("chkTisuca")), Qt::LeftButton);
        else
            act(w, action);
        QCOMPARE(w.text(QStringLiteral("lblRezultat")), QString::fromLatin1(step.shown));
    }
    QCOMPARE(decimals->text(), QStringLiteral("0"));
    // The angle unit changes what the next line gives, not the result shown.
    act(w, QStringLiteral("key:F8"));
    QVERIFY(w.find<QRadioButton>(QStringLiteral("optRadDeg_1"))->isChecked());
    w.find<QLineEdit>(QStringLiteral("txtUnosFormule"))->setText(QStringLiteral("cos60"));
    act(w, QStringLiteral("hide"));
    QVERIFY(w.find(QStringLiteral("fraNumber"))->isHidden());
    act(w, QStringLiteral("enter"));
    QCOMPARE(w.find<CalculatorPanel>(QString())->engine().resultText, std::string("0.5"));
}

void TestCalculatorPanel::memory()
{
    TestWindow w;
    prepare(w, QStringLiteral("2.5*2"), QStringLiteral("5"));
    act(w, QStringLiteral("key:F7")); // an empty memory inserts nothing
    act(w, QStringLiteral("enter"));
    act(w, QStringLiteral("key:F6"));
    w.find<QLineEdit>(QStringLiteral("txtUnosFormule"))->setText(QStringLiteral("1/0"));
    act(w, QStringLiteral("enter"));
    act(w, QStringLiteral("key:F6")); // a message keeps the memory
    act(w, QStringLiteral("key:Esc"));
    act(w, QStringLiteral("key:F7"));
    QCOMPARE(w.text(QStringLiteral("txtUnosFormule")), QStringLiteral("5"));
    act(w, QStringLiteral("copy"));
    QCOMPARE(w.seam.clipboard, QStringLiteral("Cannot divide by zero!"));

    // A paste longer than the line takes is cut to its length and still evaluates.
    w.seam.clipboard = QString(40000, u'9');
    act(w, QStringLiteral("key:Esc"));
    act(w, QStringLiteral("paste"));
    QCOMPARE(w.text(QStringLiteral("txtUnosFormule")).size(), CalculatorPanel::MaxInputLength);
    act(w, QStringLiteral("enter"));
    QCOMPARE(w.text(QStringLiteral("lblRezultat")), QStringLiteral("Overflow"));
}

void TestCalculatorPanel::keysReachTheWindowFromAnyControl()
{
    TestWindow w;
    w.window->show();
    QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
    auto *temperature = w.find<QLineEdit>(QStringLiteral("txtT"));
    temperature->setFocus();
    temperature->selectAll();
    QTest::keyClicks(temperature, QStringLiteral("300"));
    QCOMPARE(temperature->text(), QStringLiteral("300"));
    // A power key typed in the temperature box goes to the calculator, which is not even open.
    QTest::keyClick(temperature, Qt::Key_3, Qt::ControlModifier);
    QCOMPARE(temperature->text(), QStringLiteral("300"));
    QCOMPARE(w.text(QStringLiteral("txtUnosFormule")), QStringLiteral("^3"));
    // So is one typed while an element button has the focus.
    w.element(26)->setFocus();
    QTest::keyClick(w.element(26), Qt::Key_2, Qt::ControlModifier);
    QCOMPARE(w.text(QStringLiteral("txtUnosFormule")), QStringLiteral("^3^2"));

    // F2 from the temperature box opens the calculator and stops a running sweep; again, back.
    QTest::mouseClick(w.find(QStringLiteral("cmdAuto")), Qt::LeftButton);
    QTest::keyClick(temperature, Qt::Key_F2);
    QVERIFY(w.state().calculatorMode);
    QCOMPARE(w.text(QStringLiteral("cmdAuto")), QStringLiteral("START"));
    QVERIFY(w.find(QStringLiteral("cmdIzbornik_0"))->isHidden());
    QTest::keyClick(w.find(QStringLiteral("txtUnosFormule")), Qt::Key_F2);
    QVERIFY(!w.state().calculatorMode);
    QVERIFY(w.find(QStringLiteral("vsbSvojstva"))->hasFocus());
    QVERIFY(w.find(QStringLiteral("fraCalculator"))->isHidden());
    QVERIFY(!w.find(QStringLiteral("cmdIzbornik_0"))->isHidden());
}

void TestCalculatorPanel::composition()
{
    TestWindow w("Language = 2");
    prepare(w, QStringLiteral("K4(Fe(CN)6)"), QStringLiteral("0"));
    QTest::keyClick(w.find(QStringLiteral("txtUnosFormule")), Qt::Key_P, Qt::ControlModifier);
    QVERIFY(w.find(QStringLiteral("fraSastav"))->isVisible());
    // Names in the window's language; by hand, 6 C of 12.0107 are 72.0642 of 368.34284, 19.56 %.
    QTest::mouseClick(w.find(QStringLiteral("cmdSastavCopy")), Qt::LeftButton);
    QCOMPARE(w.seam.clipboard, QStringLiteral("Symbol\tName\tAtome\tMasse\tMassenanteil (%)\n"
                                              "K\tKalium\t4\t156.3932\t42.46\n"
                                              "Fe\tEisen\t1\t55.845\t15.16\n"
                                              "C\tKohlenstoff\t6\t72.0642\t19.56\n"
                                              "N\tStickstoff\t6\t84.04044\t22.82\n"));
    // After Enter the line stands in its tidy form, "(CuSO4)+5*(H2O)"; % still takes the formula.
    auto *line = w.find<QLineEdit>(QStringLiteral("txtUnosFormule"));
    line->setText(QStringLiteral("CuSO4+5H2O"));
    QTest::keyClick(line, Qt::Key_Return);
    QTest::mouseClick(w.find(QStringLiteral("cmdSastav")), Qt::LeftButton);
    QVERIFY(!w.find(QStringLiteral("tblSastav"))->isHidden());
    // A line that is no formula says so instead.
    line->setText(QStringLiteral("2*3"));
    QTest::mouseClick(w.find(QStringLiteral("cmdSastav")), Qt::LeftButton);
    QVERIFY(w.find(QStringLiteral("tblSastav"))->isHidden());
    QCOMPARE(w.text(QStringLiteral("lblNijeFormula")),
             QStringLiteral("Das ist keine chemische Formel."));
}

QTEST_MAIN(TestCalculatorPanel)
#include "tst_calculatorpanel.moc"
