#include "cli/Commands.h"
#include "elements/ElementDatabase.h"

#include <QStringList>
#include <QTest>

#include <charconv>
#include <locale>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

const QString header = QStringLiteral(
    "symbol\tnameHR\tnameEN\tnameDE\tnameFR\tnameIT\telectronConfig\tdiscoveryYear\tdiscoverers\t"
    "heatOfFusion\theatOfVaporisation\toxidationStates\telectronegativity\tatomicRadius\t"
    "thermalConductivity\telectricalConductivity\tmolarVolume\tdensity");

// Column indexes of the numeric fields in a printed row, in record order.
const int numericColumns[] = {9, 10, 12, 13, 14, 15, 16};

struct Run
{
    int status = 0;
    QString out;
    QStringList lines; // stdout without its final newline, split into lines
    QString err;
};

Run run(const QStringList &arguments, const std::locale &locale = std::locale::classic())
{
    std::vector<std::string> storage;
    for (const QString &argument : arguments)
        storage.push_back(argument.toStdString());
    const std::vector<std::string_view> args(storage.begin(), storage.end());

    std::ostringstream out;
    std::ostringstream err;
    out.imbue(locale);
    Run result;
    result.status = runElementsCommand(args, out, err);
    result.out = QString::fromStdString(out.str());
    if (result.out.endsWith('\n'))
        result.lines = result.out.chopped(1).split('\n');
    result.err = QString::fromStdString(err.str());
    return result;
}

// Number of significant digits in a decimal text such as "0.0138", "1.04e+06" or "72700".
int significantDigits(const QString &text)
{
    QString mantissa = text.section('e', 0, 0);
    mantissa.remove('.');
    while (mantissa.startsWith('0'))
        mantissa.remove(0, 1);
    if (!text.contains('.'))
        while (mantissa.endsWith('0'))
            mantissa.chop(1);
    return int(mantissa.size());
}

float numericField(const ElementRecord &e, int column)
{
    switch (column) {
    case 9:
        return e.heatOfFusion;
    case 10:
        return e.heatOfVaporisation;
    case 12:
        return e.electronegativity;
    case 13:
        return e.atomicRadius;
    case 14:
        return e.thermalConductivity;
    case 15:
        return e.electricalConductivity;
    default:
        return e.molarVolume;
    }
}

// A locale that writes "," as decimal point and groups thousands, as many classroom machines do.
struct CommaDecimal : std::numpunct<char>
{
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

} // namespace

class ElementsCommandTest : public QObject
{
    Q_OBJECT

private slots:
    void withoutArgumentsPrintsEveryElement();
    void printsTheNamedRowsInOrder_data();
    void printsTheNamedRowsInOrder();
    void rowText_data();
    void rowText();
    void numbersAreShortestAndReadBack();
    void unknownSymbolFails_data();
    void unknownSymbolFails();
};

void ElementsCommandTest::withoutArgumentsPrintsEveryElement()
{
    const Run result = run({});
    QCOMPARE(result.status, 0);
    QVERIFY(result.err.isEmpty());
    QVERIFY(result.out.endsWith('\n'));
    QCOMPARE(result.lines.size(), qsizetype(elementCount + 1));
    QCOMPARE(result.lines[0], header);
    const auto elements = allElements();
    for (std::size_t i = 0; i < elements.size(); ++i) {
        const QStringList fields = result.lines[qsizetype(i + 1)].split('\t');
        QCOMPARE(fields.size(), 18);
        QCOMPARE(fields[0], QString::fromStdString(elements[i].symbol));
        QCOMPARE(fields[1], QString::fromStdString(elements[i].nameHR));
        QCOMPARE(fields[6], QString::fromStdString(elements[i].electronConfig));
        QCOMPARE(fields[8], QString::fromStdString(elements[i].discoverers));
        QCOMPARE(fields[11], QString::fromStdString(elements[i].oxidationStates));
        QCOMPARE(fields[17], QString::fromStdString(elements[i].density));
    }
}

void ElementsCommandTest::printsTheNamedRowsInOrder_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("one") << QStringList{"Fe"};
    QTest::newRow("given order, not atomic number") << QStringList{"Mt", "H", "Hg"};
    QTest::newRow("duplicates kept") << QStringList{"He", "He"};
}

void ElementsCommandTest::printsTheNamedRowsInOrder()
{
    QFETCH(QStringList, arguments);
    const Run result = run(arguments);
    QCOMPARE(result.status, 0);
    QVERIFY(result.err.isEmpty());
    QCOMPARE(result.lines.size(), arguments.size() + 1);
    QCOMPARE(result.lines[0], header);
    for (qsizetype i = 0; i < arguments.size(); ++i)
        QCOMPARE(result.lines[i + 1].section('\t', 0, 0), arguments[i]);
}

void ElementsCommandTest::rowText_data()
{
    QTest::addColumn<QString>("symbol");
    QTest::addColumn<QString>("fragment");

    QTest::newRow("mercury, whole row")
        << "Hg"
        << QStringLiteral("Hg\tŽiva\tMercury\tQuecksilber\tMercure\tMercurio\t"
                          "[Xe] 4f14 5d10 6s2\t~ 1500. BC\t\t2.331\t59.11\t+1 +2\t2\t"
                          "150.3\t8.34\t1040000\t14.152\t13.546");
    // Mt: no heats, oxidation states, numbers or density, but every column is still there.
    QTest::newRow("empty fields keep their tabs")
        << "Mt" << QStringLiteral("(D)\t0\t0\t\t0\t0\t0\t0\t0\t");
    QTest::newRow("hydrogen's trailing blank") << "H" << QStringLiteral("\t1s1 \t1766.\t");
    QTest::newRow("small conductivity") << "B" << QStringLiteral("\t5.56e-05\t");
    QTest::newRow("smallest conductivity") << "S" << QStringLiteral("\t5e-16\t");
    QTest::newRow("shortest of plain and exponent form")
        << "C" << QStringLiteral("\t72700\t4.58\t");
    QTest::newRow("range density") << "Se" << QStringLiteral("\t4.79 - 4.28");
    QTest::newRow("UTF-8 sign") << "N" << QStringLiteral("\t±3 ±2 ±1 +4 +5\t");
}

void ElementsCommandTest::rowText()
{
    QFETCH(QString, symbol);
    QFETCH(QString, fragment);
    const Run result = run({symbol});
    QCOMPARE(result.status, 0);
    QCOMPARE(result.lines.size(), 2);
    const QString &line = result.lines[1];
    if (fragment.startsWith(symbol + '\t'))
        QCOMPARE(line, fragment);
    else
        QVERIFY2(line.contains(fragment), qPrintable(line));
}

void ElementsCommandTest::numbersAreShortestAndReadBack()
{
    // A comma locale on the stream must not leak into the numbers.
    const std::locale comma(std::locale::classic(), new CommaDecimal);
    const Run result = run({}, comma);
    QCOMPARE(result.status, 0);
    const auto elements = allElements();
    for (std::size_t i = 0; i < elements.size(); ++i) {
        const QStringList fields = result.lines[qsizetype(i + 1)].split('\t');
        for (int column : numericColumns) {
            const QByteArray text = fields[column].toLatin1();
            const float value = numericField(elements[i], column);
            QVERIFY2(!text.contains(',') && !text.contains(' '), text.constData());
            float parsed = -1;
            const auto [end, ec] = std::from_chars(text.begin(), text.end(), parsed);
            QVERIFY2(ec == std::errc() && end == text.end(), text.constData());
            QCOMPARE(parsed, value);

            // Shortest: with one significant digit fewer the text would read back differently.
            const int digits = significantDigits(fields[column]);
            if (digits > 1) {
                char shorter[32];
                const auto written = std::to_chars(shorter, shorter + sizeof shorter, value,
                                                   std::chars_format::general, digits - 1);
                float reread = 0;
                std::from_chars(shorter, written.ptr, reread);
                QVERIFY2(reread != value, text.constData());
            }
        }
    }
}

void ElementsCommandTest::unknownSymbolFails_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("culprit");
    QTest::newRow("unknown") << QStringList{"Xx"} << "\"Xx\"";
    QTest::newRow("lower case") << QStringList{"fe"} << "\"fe\"";
    QTest::newRow("after a good one") << QStringList{"Fe", "Hg", "Q"} << "\"Q\"";
    QTest::newRow("empty argument") << QStringList{"H", ""} << "\"\"";
}

void ElementsCommandTest::unknownSymbolFails()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, culprit);
    const Run result = run(arguments);
    QCOMPARE(result.status, 1);
    // Nothing half-printed on stdout for a script to pick up.
    QVERIFY(result.lines.isEmpty());
    QVERIFY2(result.err.contains(culprit), qPrintable(result.err));
    QVERIFY(result.err.contains(QStringLiteral("unknown element symbol")));
}

QTEST_APPLESS_MAIN(ElementsCommandTest)
#include "tst_elementscommand.moc"
