#include "cli/Commands.h"

#include <QTest>

#include <sstream>
#include <string>
#include <vector>

namespace {

struct Run
{
    int status = 0;
    QByteArray out;
    QByteArray err;
};

Run run(const QByteArrayList &arguments, const std::string &input = {})
{
    std::vector<std::string> storage;
    for (const QByteArray &a : arguments)
        storage.push_back(a.toStdString());
    const std::vector<std::string_view> args(storage.begin(), storage.end());
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    Run result;
    result.status = runCalcCommand(args, in, out, err);
    result.out = QByteArray::fromStdString(out.str());
    result.err = QByteArray::fromStdString(err.str());
    return result;
}

} // namespace

class TestCalcCommand : public QObject
{
    Q_OBJECT

private slots:
    void expressions_data();
    void expressions();
    void linesFromInput();
    void badOptions_data();
    void badOptions();
};

void TestCalcCommand::expressions_data()
{
    QTest::addColumn<QByteArrayList>("arguments");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("molar mass") << QByteArrayList{"Ca(OH)2"} << QByteArray("74.093\n");
    QTest::newRow("one state for all")
        << QByteArrayList{"10", "+5", "ans*2"} << QByteArray("10\n15\n30\n");
    QTest::newRow("degrees") << QByteArrayList{"--angle", "deg", "sin30", "tan90"}
                             << QByteArray("0.5\n<Infinite number>\n");
    QTest::newRow("grads with equals")
        << QByteArrayList{"--angle=grad", "sin100"} << QByteArray("1\n");
    QTest::newRow("scientific") << QByteArrayList{"--mode", "scientific", "H2O"}
                                << QByteArray("1.80 E+01\n");
    QTest::newRow("fixed decimals")
        << QByteArrayList{"--mode", "fixed", "--decimals", "3", "2/3"} << QByteArray("0.667\n");
    QTest::newRow("fixed thousands")
        << QByteArrayList{"--mode", "fixed", "--thousands", "--decimals", "5", "1234.5"}
        << QByteArray("1,234.50\n");
    QTest::newRow("comma") << QByteArrayList{"--separator", ",", "nacl"} << QByteArray("58,4425\n");
    QTest::newRow("unknown symbol")
        << QByteArrayList{"Qq"} << QByteArray("Qq isn't element symbol!\n");
    QTest::newRow("unknown symbol in Croatian")
        << QByteArrayList{"--lang", "hr", "Qq"} << QByteArray("Qq nije simbol elementa!\n");
    QTest::newRow("expression after --") << QByteArrayList{"--", "--5"} << QByteArray("5\n");
    QTest::newRow("leading minus is an expression") << QByteArrayList{"-2^2"} << QByteArray("4\n");
}

void TestCalcCommand::expressions()
{
    QFETCH(QByteArrayList, arguments);
    QFETCH(QByteArray, expected);
    const Run result = run(arguments);
    QCOMPARE(result.status, 0);
    QCOMPARE(result.out, expected);
    QVERIFY(result.err.isEmpty());
}

void TestCalcCommand::linesFromInput()
{
    const Run result = run({}, "nacl\r\n+1\nQq\n\n2*(3\n");
    QCOMPARE(result.status, 0);
    const QByteArrayList lines = result.out.split('\n');
    QCOMPARE(lines.size(), 6); // five lines and the empty rest after the last newline
    QCOMPARE(lines[0], QByteArray("NaCl\t22.98977+35.4527\t58.4425\t58.4425"));
    QCOMPARE(lines[1], QByteArray("58.4425+1\t58.4425+1\t59.4425\t59.4425"));
    QCOMPARE(lines[2], QByteArray("Qq\t\tQq isn't element symbol!\tQq isn't element symbol!"));
    QCOMPARE(lines[3], QByteArray("\t\t\t"));
    QCOMPARE(lines[4], QByteArray("2*(3\t2*(3\tMissing right bracket ')' !\t"
                                  "Missing right bracket ')' !"));
}

void TestCalcCommand::badOptions_data()
{
    QTest::addColumn<QByteArrayList>("arguments");
    QTest::newRow("unknown option") << QByteArrayList{"--colour", "red"};
    QTest::newRow("bad angle") << QByteArrayList{"--angle", "turns"};
    QTest::newRow("bad mode") << QByteArrayList{"--mode", "rounded"};
    QTest::newRow("decimals too many") << QByteArrayList{"--decimals", "13"};
    QTest::newRow("decimals not a number") << QByteArrayList{"--decimals", "two"};
    QTest::newRow("bad separator") << QByteArrayList{"--separator", ";"};
    QTest::newRow("bad language") << QByteArrayList{"--lang", "de"};
    QTest::newRow("missing value") << QByteArrayList{"--angle"};
}

void TestCalcCommand::badOptions()
{
    QFETCH(QByteArrayList, arguments);
    const Run result = run(arguments + QByteArrayList{"1+1"});
    // "--angle" without its value takes "1+1" as the value, which is bad too.
    QCOMPARE(result.status, 2);
    QVERIFY(result.out.isEmpty());
    QVERIFY(result.err.contains("usage: quon-pse-cli calc"));
}

QTEST_APPLESS_MAIN(TestCalcCommand)
#include "tst_calccommand.moc"
