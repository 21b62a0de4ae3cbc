#include "ReferenceEvaluator.h"
#include "calc/engine/ExpressionEvaluator.h"
#include "calc/engine/NumberFormat.h"

#include <QTest>

#include <functional>
#include <random>

namespace {

const std::function<double()> half = [] { return 0.5; };

QByteArray run(std::string_view text, short angleUnit = 0, char separator = '.')
{
    pse::ExpressionEvaluator evaluator;
    return QByteArray::fromStdString(evaluator.evaluate(text, {angleUnit, separator, &half}));
}

} // namespace

class TestEvaluator : public QObject
{
    Q_OBJECT

private slots:
    void evaluate_data();
    void evaluate();
    void resultPattern();
    void randomTextsSameAsTextRewriting();
};

void TestEvaluator::evaluate_data()
{
    // expected is the result in the general format (a message as it stands); "=" only asks that
    // the one-pass evaluator agree with the word-for-word rules, which every row also checks.
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("angleUnit");
    QTest::addColumn<QByteArray>("expected");
    const auto row = [](const char *text, const char *expected, int unit = 0) {
        const char *units[] = {"", " deg", " grad"};
        QTest::newRow(qPrintable(QString(text) + units[unit]))
            << QByteArray(text) << unit << QByteArray(expected);
    };
    row("", "");
    row("1+2*3", "7");
    row("2^3^2", "64");
    row("-2^2", "4");
    row("2^-1", "0.5");
    row("(2+3)*4", "20");
    row("((1))", "1");
    row("8*2/4", "4");
    row("3*1/3", "1");
    row("2+15%200", "32");
    row("5+-3", "2");
    row("1(2)", "12");
    row(":sin(0+0)", "0");
    row("10^20+1", "1E+20");
    row("(1/3)*3", "1");
    row("2*(3", "Missing right bracket ')' !");
    row("2)", "Missing left bracket '(' !");
    row(")(", "Missing right bracket ')' !");
    row("((1+1)", "Missing right bracket ')' !");
    row("1/0)", "Missing left bracket '(' !");
    row("(1/0))(", "Cannot divide by zero!");
    row("1/0", "Cannot divide by zero!");
    row("5*", "Syntax error!");
    row("(*5)", "Syntax error!");
    row("2*()", "Syntax error!");
    row("???+5", "Type mismatch");
    row("1E+300*1E+300", "Overflow");
    row("1E+400+1", "Overflow");
    row("1.7976931348623157E+308*1", "Overflow");
    row("-8^0.5", "Invalid procedure call or argument");
    row("0^-1", "Invalid procedure call or argument");
    row("-2^3", "-8");
    row("0^0", "1");
    row("1,000+1", "1001");
    row(":sqrt-4+:ln0", "Error - negative number!");
    row(":ln0*:sqrt-4", "Logarithm of a zero!");
    row(":ln0*", "Logarithm of a zero!");
    row("5!", "120");
    row("171!", "Result is too large!");
    row("170!", "7.257415615308E+306");
    row("0!", "1");
    row("0.5!", "1");
    row("0.5!", "1", 1);
    row("3.7!", "6");
    row("-3!", "Error - negative number!");
    row(":sin5!", "120", 1);
    row(":sin30", "0.5", 1);
    row(":sin180", "0", 1);
    row(":sin90", "1", 1);
    row(":sin-90", "-1", 1);
    row(":sin270", "-1", 1);
    row(":cos90", "0", 1);
    row(":cos180", "-1", 1);
    row(":cos0", "1", 1);
    row(":tan45", "1", 1);
    row(":tan-45", "-1", 1);
    row(":tg135", "-1", 1);
    row(":tan90", "<Infinite number>", 1);
    row(":tan180", "0", 1);
    row(":cot0", "<Infinite number>", 1);
    row(":ctg90", "0", 1);
    row(":cot45", "1", 1);
    row(":asin1", "90", 1);
    row(":arccos0", "90", 1);
    row(":acos-1", "180", 1);
    row(":atan1", "45", 1);
    row(":sin100000", "-0.9848077530122", 1);
    row(":sin100", "1", 2);
    row(":cos200", "-1", 2);
    row(":tan50", "1", 2);
    row(":arcsin1", "100", 2);
    row(":sin0", "0");
    row(":sin1", "0.8414709848079");
    row(":cos1", "0.5403023058681");
    row(":asin2", "Argument must be from -1 to 1");
    row(":asin2", "Argument must be from -1 to 1", 1);
    row(":acos2", "Argument must be from -1 to 1");
    row(":asin0.5", "0.5235987755983");
    row(":acos1", "0");
    row(":actg0", "1.570796326795");
    row(":atg1", "0.7853981633974");
    row(":sin200000", "Overflow");
    row(":ln0", "Logarithm of a zero!");
    row(":ln-1", "Log of a negative number!");
    row(":log-1", "Log of a negative number!");
    row(":log1000", "3");
    row(":ln2.71828182845905", "1");
    row(":sqrt-4", "Error - negative number!");
    row(":sqr16", "4");
    row(":exp1", "2.718281828459");
    row(":aln2", "7.389056098931");
    row(":exp1000", "Overflow");
    row(":alog3", "1000");
    row(":abs-2.5", "2.5");
    row(":int-2.5", "-3");
    row(":sgn-7", "-1");
    row(":ppm5", "5E-06");
    row(":ran10", "5");
    row(":foo1", "Syntax error!");
    row(":pi", "Syntax error!");
    row(":sin", "Type mismatch");
    row(":sin:sqrt4", "0.9092974268257");
    row(":sin:sqrt-4", "Error - negative number!");
    row(":sqrt:abs-16", "4");
    row(":sin5:cos0", "0.6702291758434");
    row("(:sqrt9)*2", "6");
    // Texts where the bracket results run together with their surroundings.
    for (const char *text : {"(1E)+5", "2E(+5)", "2*(3(4+1)2)", ":sqrt(8+8):abs(0+-2)", "(2+1)!*2",
                             "(:sin0+1)^2", "1+2^3/4*5%6+7^(8/9)*:ln10+(1/3)*3", "2*(1E)", "(+)"})
        for (int unit = 0; unit < 3; ++unit)
            row(text, "=", unit);
}

void TestEvaluator::evaluate()
{
    QFETCH(QByteArray, text);
    QFETCH(int, angleUnit);
    QFETCH(QByteArray, expected);
    const short unit = static_cast<short>(angleUnit);
    const QByteArray result = run(text.toStdString(), unit);
    QCOMPARE(result,
             QByteArray::fromStdString(referenceEvaluate(text.toStdString(), {unit, '.', &half})));
    if (expected == "=")
        return;
    const std::optional<double> value = pse::parseNumber(result.toStdString());
    QCOMPARE(value ? QByteArray::fromStdString(pse::formatGeneral(*value)) : result, expected);
}

void TestEvaluator::resultPattern()
{
    QCOMPARE(run("7"), QByteArray("7.000000000000e000"));
    QCOMPARE(run("2/3"), QByteArray("6.666666666667e-001"));
    QCOMPARE(run("10^20"), QByteArray("1.000000000000e020"));
    QCOMPARE(run("0+-2,5", 0, ','), QByteArray("-2,500000000000e000"));
    QCOMPARE(run("1,00794*2+15,9994", 0, ','), QByteArray("1,801528000000e001"));
}

void TestEvaluator::randomTextsSameAsTextRewriting()
{
    // Short texts over the evaluator's alphabet, compared with the word-for-word rules.
    const std::string_view alphabet = "0123456789.E+-*/^%()!:sinqrtlogabE1(2)";
    std::mt19937 generator(20240501);
    std::uniform_int_distribution<std::size_t> length(1, 14);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    const pse::EvaluationSettings settings{1, '.', &half};
    pse::ExpressionEvaluator evaluator;
    for (int round = 0; round < 20000; ++round) {
        std::string text;
        for (std::size_t k = length(generator); k > 0; --k)
            text.push_back(alphabet[pick(generator)]);
        const std::string fast = evaluator.evaluate(text, settings);
        const std::string reference = referenceEvaluate(text, settings);
        if (fast != reference)
            QFAIL(qPrintable(
                QString::fromStdString(text + " gives " + fast + ", rules give " + reference)));
    }
}

QTEST_APPLESS_MAIN(TestEvaluator)
#include "tst_evaluator.moc"
