// SPDX-License-Identifier: GPL-3.0-or-later
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
    // texts: several texts separated by "|", expected: their results in the general format (a
    // message as it stands), in the same order. Every text is also checked against the
    // word-for-word rules; "=" asks for that check alone.
    QTest::addColumn<QByteArray>("texts");
    QTest::addColumn<int>("angleUnit");
    QTest::addColumn<QByteArray>("expected");
    const auto row = [](int unit, const char *name, const char *texts, const char *expected) {
        QTest::newRow(name) << QByteArray(texts) << unit << QByteArray(expected);
    };
    row(0, "empty", "", "");
    row(0, "priorities", "1+2*3|2^3^2|-2^2|2^-1|(2+3)*4|((1))|8*2/4|3*1/3|2+15%200|5+-3|-2^3|0^0",
        "7|64|4|0.5|20|1|4|1|32|2|-8|1");
    row(0, "texts run together", "1(2)|:sin(0+0)|10^20+1|(1/3)*3|1,000+1", "12|0|1E+20|1|1001");
    row(0, "brackets", "2*(3|2)|)(|((1+1)|1/0)|(1/0))(",
        "Missing right bracket ')' !|Missing left bracket '(' !|Missing right bracket ')' !|"
        "Missing right bracket ')' !|Missing left bracket '(' !|Cannot divide by zero!");
    row(0, "operands", "1/0|5*|(*5)|2*()|???+5",
        "Cannot divide by zero!|Syntax error!|Syntax error!|Syntax error!|Type mismatch");
    row(0, "range", "1E+300*1E+300|1E+400+1|1.7976931348623157E+308*1|-8^0.5|0^-1|0^0.5",
        "Overflow|Overflow|Overflow|Invalid procedure call or argument|"
        "Invalid procedure call or argument|0");
    row(0, "first message ends", ":sqrt-4+:ln0|:ln0*:sqrt-4|:ln0*",
        "Error - negative number!|Logarithm of a zero!|Logarithm of a zero!");
    row(0, "factorials", "5!|171!|170!|0!|0.5!|3.7!|-3!",
        "120|Result is too large!|7.257415615308E+306|1|1|6|Error - negative number!");
    row(1, "factorials deg", "0.5!|:sin5!", "1|120");
    row(1, "sin deg", ":sin30|:sin180|:sin90|:sin-90|:sin270|:sin100000",
        "0.5|0|1|-1|-1|-0.9848077530122");
    row(1, "cos deg", ":cos90|:cos180|:cos0", "0|-1|1");
    row(1, "tan deg", ":tan45|:tan-45|:tg135|:tan90|:tan180", "1|-1|-1|<Infinite number>|0");
    row(1, "cot deg", ":cot0|:ctg90|:cot45", "<Infinite number>|0|1");
    row(1, "inverse deg", ":asin1|:arccos0|:acos-1|:atan1|:asin2",
        "90|90|180|45|Argument must be from -1 to 1");
    row(2, "grad", ":sin100|:cos200|:tan50|:arcsin1", "1|-1|1|100");
    row(0, "trigonometry",
        ":sin0|:sin1E-13|:sin1|:cos1|:asin2|:acos2|:asin0.5|:acos1|:actg0|:atg1|:sin200000|"
        ":sin100000",
        "0|1E-13|0.8414709848079|0.5403023058681|Argument must be from -1 to 1|"
        "Argument must be from -1 to 1|0.5235987755983|0|1.570796326795|0.7853981633974|Overflow|"
        "Overflow");
    row(0, "logarithms", ":ln0|:ln-1|:log-1|:log1000|:ln2.71828182845905",
        "Logarithm of a zero!|Log of a negative number!|Log of a negative number!|3|1");
    row(0, "powers", ":sqrt-4|:sqr16|:exp1|:aln2|:exp1000|:alog3",
        "Error - negative number!|4|2.718281828459|7.389056098931|Overflow|1000");
    row(0, "others", ":abs-2.5|:int-2.5|:sgn-7|:sgn0|:ppm5|:ran10|:foo1|:pi|:sin",
        "2.5|-3|-1|0|5E-06|5|Syntax error!|Syntax error!|Type mismatch");
    row(0, "chains", ":sin:sqrt4|:sin:sqrt-4|:sqrt:abs-16|:sin5:cos0|(:sqrt9)*2",
        "0.9092974268257|Error - negative number!|4|0.6702291758434|6");
    // Texts where the bracket results run together with their surroundings.
    const char *joins = "(1E)+5|2E(+5)|2*(3(4+1)2)|:sqrt(8+8):abs(0+-2)|(2+1)!*2|(:sin0+1)^2|"
                        "1+2^3/4*5%6+7^(8/9)*:ln10+(1/3)*3|2*(1E)|(+)";
    row(0, "joins", joins, "=");
    row(1, "joins deg", joins, "=");
    row(2, "joins grad", joins, "=");
}

void TestEvaluator::evaluate()
{
    QFETCH(QByteArray, texts);
    QFETCH(int, angleUnit);
    QFETCH(QByteArray, expected);
    const short unit = static_cast<short>(angleUnit);
    QByteArrayList results;
    for (const QByteArray &text : texts.split('|')) {
        const QByteArray result = run(text.toStdString(), unit);
        const std::string rules = referenceEvaluate(text.toStdString(), {unit, '.', &half});
        QCOMPARE(result, QByteArray::fromStdString(rules));
        const std::optional<double> value = pse::parseNumber(result.toStdString());
        results << (value ? QByteArray::fromStdString(pse::formatGeneral(*value)) : result);
    }
    if (expected != "=")
        QCOMPARE(results.join('|'), expected);
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
