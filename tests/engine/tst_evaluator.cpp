#include "ReferenceEvaluator.h"
#include "calc/engine/ExpressionEvaluator.h"
#include "calc/engine/NumberFormat.h"

#include <QTest>

#include <functional>
#include <random>

namespace {

// The result pattern shown the way a person reads it: a message as it stands, a number in the
// general format.
QByteArray readable(const std::string &result)
{
    const std::optional<double> value = pse::parseNumber(result);
    return QByteArray::fromStdString(value ? pse::formatGeneral(*value) : result);
}

std::string evaluate(std::string_view text, short angleUnit = 0, char separator = '.')
{
    static const std::function<double()> half = [] { return 0.5; };
    pse::ExpressionEvaluator evaluator;
    return evaluator.evaluate(text, {angleUnit, separator, &half});
}

} // namespace

class TestEvaluator : public QObject
{
    Q_OBJECT

private slots:
    void arithmetic_data();
    void arithmetic();
    void functions_data();
    void functions();
    void resultPattern_data();
    void resultPattern();
    void sameAsTextRewriting_data();
    void sameAsTextRewriting();
    void randomTextsSameAsTextRewriting();
};

void TestEvaluator::arithmetic_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("expected");

    const auto row = [](const char *name, const QByteArray &text, const QByteArray &expected) {
        QTest::newRow(name) << text << expected;
    };
    row("empty", "", "");
    row("priority", "1+2*3", "7");
    row("power from the left", "2^3^2", "64");
    row("sign binds tighter", "-2^2", "4");
    row("negative exponent", "2^-1", "0.5");
    row("brackets", "(2+3)*4", "20");
    row("double brackets", "((1))", "1");
    row("division before product", "8*2/4", "4");
    row("division before product rounds", "3*1/3", "1");
    row("percent before plus", "2+15%200", "32");
    row("percent", "15%200", "30");
    row("subtraction as sum", "5+-3", "2");
    row("sum of formulas", "2*(1.00794*2+15.9994)+(22.98977+35.4527)", "94.47303");
    row("brackets side by side", "(3)+(4)", "7");
    row("bracket result joins digits", "1(2)", "12");
    row("bracket result joins function", ":sin(0+0)", "0");
    row("plus after E is part of a number", "10^20+1", "1E+20");
    row("exponent read back", "1E+20/1E+19", "10");
    row("intermediate rounded to 15 digits", "(1/3)*3", "1");
    row("missing right bracket", "2*(3", "Missing right bracket ')' !");
    row("missing left bracket", "2)", "Missing left bracket '(' !");
    row("wrong order", ")(", "Missing right bracket ')' !");
    row("unclosed after a pair", "((1+1)", "Missing right bracket ')' !");
    row("bracket check before evaluation", "1/0)", "Missing left bracket '(' !");
    row("inner evaluated before a later bracket fault", "(1/0))(", "Cannot divide by zero!");
    row("divide by zero", "1/0", "Cannot divide by zero!");
    row("zero by zero", "0/0", "Cannot divide by zero!");
    row("operator without right operand", "5*", "Syntax error!");
    row("operator without left operand", "(*5)", "Syntax error!");
    row("empty brackets then operator", "2*()", "Syntax error!");
    row("not a number", "???+5", "Type mismatch");
    row("lone letter", "x+1", "Type mismatch");
    row("overflow", "1E+300*1E+300", "Overflow");
    row("overflow in power", "10^400", "Overflow");
    row("overflow when read", "1E+400+1", "Overflow");
    row("result rounds past the range", "1.7976931348623157E+308*1", "Overflow");
    row("negative base, fractional exponent", "-8^0.5", "Invalid procedure call or argument");
    row("zero to a negative power", "0^-1", "Invalid procedure call or argument");
    row("negative base, whole exponent", "-2^3", "-8");
    row("zero to the zero", "0^0", "1");
    row("thousands marks read", "1,000+1", "1001");
    row("function message ends", ":sqrt-4+:ln0", "Error - negative number!");
    row("left function first", ":ln0*:sqrt-4", "Logarithm of a zero!");
    row("function before empty check", ":ln0*", "Logarithm of a zero!");
}

void TestEvaluator::arithmetic()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, expected);
    QCOMPARE(readable(evaluate(text.toStdString())), expected);
}

void TestEvaluator::functions_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("angleUnit");
    QTest::addColumn<QByteArray>("expected");

    const auto row = [](const char *name, const QByteArray &text, int unit,
                        const QByteArray &expected) {
        QTest::newRow(name) << text << unit << expected;
    };
    // Factorials, in every angle unit alike.
    row("5!", "5!", 0, "120");
    row("171!", "171!", 0, "Result is too large!");
    row("170!", "170!", 0, "7.257415615308E+306");
    row("0!", "0!", 0, "1");
    row("0.5! radians", "0.5!", 0, "1");
    row("0.5! degrees", "0.5!", 1, "1");
    row("0.5! grads", "0.5!", 2, "1");
    row("3.7!", "3.7!", 0, "6");
    row("negative factorial", "-3!", 0, "Error - negative number!");
    row("sin5! drops the name", ":sin5!", 1, "120");

    // Degrees.
    row("sin 30 deg", ":sin30", 1, "0.5");
    row("sin 180 deg", ":sin180", 1, "0");
    row("sin 90 deg", ":sin90", 1, "1");
    row("sin -90 deg", ":sin-90", 1, "-1");
    row("sin 270 deg", ":sin270", 1, "-1");
    row("cos 90 deg", ":cos90", 1, "0");
    row("cos 180 deg", ":cos180", 1, "-1");
    row("cos 0 deg", ":cos0", 1, "1");
    row("cos 60 deg", ":cos60", 1, "0.5");
    row("tan 45 deg", ":tan45", 1, "1");
    row("tan -45 deg", ":tan-45", 1, "-1");
    row("tan 135 deg", ":tg135", 1, "-1");
    row("tan 90 deg", ":tan90", 1, "<Infinite number>");
    row("tan 180 deg", ":tan180", 1, "0");
    row("cot 0 deg", ":cot0", 1, "<Infinite number>");
    row("cot 90 deg", ":ctg90", 1, "0");
    row("cot 45 deg", ":cot45", 1, "1");
    row("asin 1 deg", ":asin1", 1, "90");
    row("acos 0 deg", ":arccos0", 1, "90");
    row("acos -1 deg", ":acos-1", 1, "180");
    row("atan 1 deg", ":atan1", 1, "45");
    row("acot 1 deg", ":acot1", 1, "45");
    row("sin 100000 deg", ":sin100000", 1, "-0.9848077530122");

    // Grads.
    row("sin 100 grad", ":sin100", 2, "1");
    row("cos 200 grad", ":cos200", 2, "-1");
    row("tan 50 grad", ":tan50", 2, "1");
    row("asin 1 grad", ":arcsin1", 2, "100");
    row("atan 1 grad", ":arctan1", 2, "50");

    // Radians and the domains.
    row("sin 0", ":sin0", 0, "0");
    row("sin 1", ":sin1", 0, "0.8414709848079");
    row("cos 1", ":cos1", 0, "0.5403023058681");
    row("asin 2 rad", ":asin2", 0, "Argument must be from -1 to 1");
    row("asin 2 deg", ":asin2", 1, "Argument must be from -1 to 1");
    row("asin 2 grad", ":asin2", 2, "Argument must be from -1 to 1");
    row("acos 2", ":acos2", 0, "Argument must be from -1 to 1");
    row("asin 0.5", ":asin0.5", 0, "0.5235987755983");
    row("acos 1", ":acos1", 0, "0");
    row("acot 0", ":actg0", 0, "1.570796326795");
    row("atg", ":atg1", 0, "0.7853981633974");
    row("period count beyond 16 bits", ":sin200000", 0, "Overflow");
    row("ln 0", ":ln0", 0, "Logarithm of a zero!");
    row("ln -1", ":ln-1", 0, "Log of a negative number!");
    row("log -1", ":log-1", 0, "Log of a negative number!");
    row("log 1000", ":log1000", 0, "3");
    row("ln e", ":ln2.71828182845905", 0, "1");
    row("sqrt -4", ":sqrt-4", 0, "Error - negative number!");
    row("sqr", ":sqr16", 0, "4");
    row("exp", ":exp1", 0, "2.718281828459");
    row("aln", ":aln2", 0, "7.389056098931");
    row("exp overflow", ":exp1000", 0, "Overflow");
    row("alog", ":alog3", 0, "1000");
    row("abs", ":abs-2.5", 0, "2.5");
    row("int of a negative", ":int-2.5", 0, "-3");
    row("sgn", ":sgn-7", 0, "-1");
    row("ppm", ":ppm5", 0, "5E-06");
    row("ran with a fixed source", ":ran10", 0, "5");
    row("unknown name", ":foo1", 0, "Syntax error!");
    row("constant left over", ":pi", 0, "Syntax error!");
    row("no argument", ":sin", 0, "Type mismatch");
    row("chain from the right", ":sin:sqrt4", 0, "0.9092974268257");
    row("first message ends a chain", ":sin:sqrt-4", 0, "Error - negative number!");
    row("chain result joins text", ":sqrt:abs-16", 0, "4");
    row("digits before the next token join", ":sin5:cos0", 0, "0.6702291758434");
    row("function in brackets", "(:sqrt9)*2", 0, "6");
}

void TestEvaluator::functions()
{
    QFETCH(QByteArray, text);
    QFETCH(int, angleUnit);
    QFETCH(QByteArray, expected);
    QCOMPARE(readable(evaluate(text.toStdString(), static_cast<short>(angleUnit))), expected);
}

void TestEvaluator::resultPattern_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<char>("separator");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("seven") << QByteArray("7") << '.' << QByteArray("7.000000000000e000");
    QTest::newRow("two thirds") << QByteArray("2/3") << '.' << QByteArray("6.666666666667e-001");
    QTest::newRow("large") << QByteArray("10^20") << '.' << QByteArray("1.000000000000e020");
    QTest::newRow("negative") << QByteArray("0+-2,5") << ',' << QByteArray("-2,500000000000e000");
    QTest::newRow("comma masses") << QByteArray("1,00794*2+15,9994") << ','
                                  << QByteArray("1,801528000000e001");
}

void TestEvaluator::resultPattern()
{
    QFETCH(QByteArray, text);
    QFETCH(char, separator);
    QFETCH(QByteArray, expected);
    QCOMPARE(QByteArray::fromStdString(evaluate(text.toStdString(), 0, separator)), expected);
}

void TestEvaluator::sameAsTextRewriting_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("bracket result before E") << QByteArray("(1E)+5");
    QTest::newRow("bracket result after E") << QByteArray("2E(+5)");
    QTest::newRow("nested joins") << QByteArray("2*(3(4+1)2)");
    QTest::newRow("function spans a bracket") << QByteArray(":sqrt(8+8):abs(0+-2)");
    QTest::newRow("factorial after a bracket") << QByteArray("(2+1)!*2");
    QTest::newRow("colon start inside") << QByteArray("(:sin0+1)^2");
    QTest::newRow("long mixed") << QByteArray("1+2^3/4*5%6+7^(8/9)*:ln10+(1/3)*3");
    QTest::newRow("trailing E") << QByteArray("2*(1E)");
    QTest::newRow("empty operands") << QByteArray("(+)");
}

void TestEvaluator::sameAsTextRewriting()
{
    QFETCH(QByteArray, text);
    const std::function<double()> half = [] { return 0.5; };
    for (short unit = 0; unit < 3; ++unit) {
        const pse::EvaluationSettings settings{unit, '.', &half};
        pse::ExpressionEvaluator evaluator;
        QCOMPARE(QByteArray::fromStdString(evaluator.evaluate(text.toStdString(), settings)),
                 QByteArray::fromStdString(referenceEvaluate(text.toStdString(), settings)));
    }
}

void TestEvaluator::randomTextsSameAsTextRewriting()
{
    // Short texts over the evaluator's alphabet, compared with the word-for-word rules.
    const std::string_view alphabet = "0123456789.E+-*/^%()!:sinqrtlogabE1(2)";
    std::mt19937 generator(20240501);
    std::uniform_int_distribution<std::size_t> length(1, 14);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    const std::function<double()> half = [] { return 0.5; };
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
