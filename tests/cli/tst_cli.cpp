// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Commands.h"
#include "elements/ElementDatabase.h"

#include <QRegularExpression>
#include <QTest>

#include <charconv>
#include <clocale>
#include <locale>
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

Run run(const QByteArrayList &arguments, const QByteArray &input = {},
        const std::locale &locale = std::locale::classic())
{
    std::vector<std::string> storage;
    for (const QByteArray &a : arguments)
        storage.push_back(a.toStdString());
    const std::vector<std::string_view> args(storage.begin(), storage.end());
    std::istringstream in(input.toStdString());
    std::ostringstream out;
    std::ostringstream err;
    out.imbue(locale);
    Run result;
    result.status = runCli(args, in, out, err);
    result.out = QByteArray::fromStdString(out.str());
    result.err = QByteArray::fromStdString(err.str());
    return result;
}

// A locale that writes "," as decimal point and groups thousands, as many classroom machines do.
struct CommaDecimal : std::numpunct<char>
{
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

const QByteArray compositionHeader = "symbol\tname\tcount\tmass\tpercent\n";

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void commands_data();
    void commands();
    void everyElementRow();
};

void TestCli::initTestCase()
{
    // The environment's locale, as the window has it: a run under hr_HR.UTF-8 then shows any
    // number read or written through the C library's locale.
    std::setlocale(LC_ALL, "");
}

void TestCli::commands_data()
{
    // out is the whole standard output when exact, otherwise a pattern it must match; err is a
    // text that standard error must contain, or empty when nothing may be written there.
    QTest::addColumn<QByteArrayList>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("exact");
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<QByteArray>("err");
    const auto row = [](const char *name, const QByteArrayList &arguments, int status,
                        const QByteArray &out, const char *err = "", bool exact = true,
                        const char *input = "") {
        QTest::newRow(name) << arguments << QByteArray(input) << status << exact << out
                            << QByteArray(err);
    };
    const auto usage = [&](const char *name, const QByteArrayList &arguments, const char *err) {
        row(name, arguments, 2, "", err);
    };

    row("one state for all", {"calc", "Ca(OH)2", "10", "+5", "ans*2"}, 0, "74.093\n10\n15\n30\n");
    row("degrees, scientific", {"calc", "--angle", "deg", "--mode", "scientific", "sin30", "tan90"},
        0, "5.00 E-01\n<Infinite number>\n");
    row("grads, fixed, comma",
        {"calc", "--angle=grad", "--mode=fixed", "--decimals", "3", "--separator", ",", "sin100"},
        0, "1,000\n");
    row("no decimals", {"calc", "--mode=fixed", "--decimals", "0", "2/3"}, 0, "1.\n");
    row("thousands", {"calc", "--mode=fixed", "--thousands", "--decimals", "5", "1234.5"}, 0,
        "1,234.50\n");
    row("unknown symbol", {"calc", "--lang", "it", "Qq"}, 0, "Qq isn't element symbol!\n");
    row("Croatian message", {"calc", "--lang", "hr", "Qq"}, 0, "Qq nije simbol elementa!\n");
    row("leading minus, expressions after --", {"calc", "-2^2", "--", "--5"}, 0, "4\n5\n");
    row("standard input", {"calc"}, 0,
        "NaCl\t22.98977+35.4527\t58.4425\t58.4425\n58.4425+1\t58.4425+1\t59.4425\t59.4425\n"
        "Qq\t\tQq isn't element symbol!\tQq isn't element symbol!\n\t\t\t\n"
        "2*(3\t2*(3\tMissing right bracket ')' !\tMissing right bracket ')' !\n",
        "", true, "nacl\r\n+1\nQq\n\n2*(3\n");

    row("composition", {"calc", "--composition", "CuSO4·5H2O"}, 0,
        compositionHeader + "Cu\tCopper\t1\t63.546\t25.45\nS\tSulfur\t1\t32.066\t12.84\n"
                            "O\tOxygen\t9\t143.9946\t57.67\nH\tHydrogen\t10\t10.0794\t4.04\n"
                            "total\t\t21\t249.686\t100.00\n");
    const char *names[][2] = {
        {"hr", "Vodik"}, {"en", "Hydrogen"}, {"de", "Wasserstoff"}, {"fr", "Hydrogène"}};
    for (const auto &[language, name] : names)
        row(language, {"calc", "--lang", language, "--composition", "h"}, 0,
            QByteArray("\nH\t") + name + "\t1\t1.00794\t100.00\n", "", false);
    row("composition it, comma",
        {"calc", "--lang", "it", "--separator", ",", "--composition", "2H2O"}, 0,
        compositionHeader + "H\tIdrogeno\t4\t4,03176\t11,19\nO\tOssigeno\t2\t31,9988\t88,81\n"
                            "total\t\t6\t36,0306\t100,00\n");
    row("no formula", {"calc", "--composition", "5+3"}, 1, "",
        "\"5+3\" is no chemical formula (result: 8)");
    row("no formula, unknown symbol", {"calc", "--composition", "Qq"}, 1, "",
        "(result: Qq isn't element symbol!)");
    usage("composition and expressions", {"calc", "--composition", "H2O", "NaCl"},
          "usage: quon-pse-cli calc");

    usage("unknown option", {"calc", "--colour", "red", "1"}, "calc: unknown option --colour");
    usage("bad angle", {"calc", "--angle", "turns", "1"}, "bad value 'turns' for --angle");
    usage("bad mode", {"calc", "--mode", "rounded", "1"}, "bad value 'rounded' for --mode");
    usage("decimals too many", {"calc", "--decimals", "13", "1"}, "for --decimals");
    usage("decimals not a number", {"calc", "--decimals", "2x", "1"}, "for --decimals");
    usage("bad separator", {"calc", "--separator", ";", "1"}, "for --separator");
    usage("bad language", {"calc", "--lang", "es", "1"}, "usage: quon-pse-cli calc");
    usage("missing value", {"calc", "--angle"}, "--angle needs a value");
    usage("no command", {}, "usage: quon-pse-cli elements");
    usage("unknown command", {"colour"}, "usage: quon-pse-cli calc");

    row("help", {"--help"}, 0, "^usage: quon-pse-cli elements.*calc.*--version", "", false);
    row("calc help", {"calc", "--help"}, 0, "^usage: quon-pse-cli calc .*--composition", "", false);
    row("elements help", {"elements", "--help"}, 0, "^usage: quon-pse-cli elements ", "", false);
    row("version", {"--version"}, 0, "^quon-pse-cli " PSE_EXPECTED_VERSION "\n.*GPLv3", "", false);

    row("given order, duplicates kept", {"elements", "Mt", "H", "He", "He"}, 0,
        "^symbol[^\n]*\nMt\t[^\n]*\nH\t[^\n]*\nHe\t[^\n]*\nHe\t[^\n]*\n$", "", false);
    row("small numbers", {"elements", "B", "S"}, 0, "\t5\\.56e-05\t.*\t5e-16\t", "", false);
    row("shortest form", {"elements", "C"}, 0, "\t72700\t4\\.58\t", "", false);
    row("unknown element", {"elements", "Xx"}, 1, "", "unknown element symbol \"Xx\"");
    row("lower case", {"elements", "fe"}, 1, "", "symbol \"fe\"");
    row("after good ones", {"elements", "Fe", "Hg", "Q"}, 1, "", "symbol \"Q\"");
    row("empty symbol", {"elements", "H", ""}, 1, "", "symbol \"\"");

    // The full table, chosen anywhere among the arguments; without the option the default table.
    row("all 118", {"elements", "--elements", "118"}, 0,
        "^symbol[^\n]*\nH\t([^\n]*\n){116}Ts\t[^\n]*\nOg\tOganeson\t[^\n]*\n$", "", false);
    row("symbols of the full table", {"elements", "Nh", "--elements=118", "Fe"}, 0,
        "^symbol[^\n]*\nNh\tNihonij\t[^\n]*\tRIKEN Wako \\(J\\)\t[^\n]*\nFe\t[^\n]*\n$", "", false);
    usage("elements, bad count", {"elements", "--elements", "117", "H"},
          "elements: bad value '117' for --elements");
    row("calc, full table", {"calc", "--elements", "118", "Og", "Nh", "nh3"}, 0,
        "294.\n286.\n17.03056\n");
    row("calc, 109 chosen", {"calc", "--elements=109", "Og"}, 0, "G isn't element symbol!\n");
    row("composition, full table",
        {"calc", "--elements=118", "--lang", "fr", "--composition", "FlF2"}, 0,
        compositionHeader + "Fl\tFlérovium\t1\t289\t88.38\nF\tFluor\t2\t37.9968064\t11.62\n"
                            "total\t\t3\t327\t100.00\n");
    usage("calc, bad count", {"calc", "--elements", "0", "1"}, "bad value '0' for --elements");
}

void TestCli::commands()
{
    QFETCH(QByteArrayList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(int, status);
    QFETCH(bool, exact);
    QFETCH(QByteArray, out);
    QFETCH(QByteArray, err);

    const Run result = run(arguments, input);
    QCOMPARE(result.status, status);
    if (exact) {
        QCOMPARE(result.out, out);
    } else {
        const QRegularExpression pattern(QString::fromUtf8(out),
                                         QRegularExpression::DotMatchesEverythingOption);
        QVERIFY2(pattern.match(QString::fromUtf8(result.out)).hasMatch(), result.out.constData());
    }
    if (err.isEmpty())
        QCOMPARE(result.err, QByteArray());
    else
        QVERIFY2(result.err.contains(err), result.err.constData());
}

void TestCli::everyElementRow()
{
    // Every field in its column; a comma locale on the stream must not leak into the numbers,
    // which are the shortest texts that read back as the same float.
    const Run result = run({"elements"}, {}, std::locale(std::locale::classic(), new CommaDecimal));
    const QByteArrayList lines = result.out.split('\n');
    QCOMPARE(lines.size(), qsizetype(elementCount + 2)); // header, rows, the rest after the last
    for (std::size_t i = 0; i < elementCount; ++i) {
        const ElementRecord &e = allElements()[i];
        const QByteArrayList fields = lines[qsizetype(i + 1)].split('\t');
        QCOMPARE(fields.size(), 18);
        const std::string texts[] = {e.symbol,         e.nameHR,        e.nameEN,
                                     e.nameDE,         e.nameFR,        e.nameIT,
                                     e.electronConfig, e.discoveryYear, e.discoverers};
        for (int k = 0; k < 9; ++k)
            QCOMPARE(fields[k], QByteArray::fromStdString(texts[k]));
        QCOMPARE(fields[11], QByteArray::fromStdString(e.oxidationStates));
        QCOMPARE(fields[17], QByteArray::fromStdString(e.density));
        const float numbers[] = {
            e.heatOfFusion,           e.heatOfVaporisation, 0,
            e.electronegativity,      e.atomicRadius,       e.thermalConductivity,
            e.electricalConductivity, e.molarVolume};
        for (int k = 9; k < 17; ++k) {
            if (k == 11)
                continue;
            const QByteArray &text = fields[k];
            float parsed = -1;
            const auto [end, ec] = std::from_chars(text.begin(), text.end(), parsed);
            QVERIFY2(ec == std::errc() && end == text.end() && parsed == numbers[k - 9],
                     text.constData());
            // Shortest: with one significant digit fewer the text would read back differently.
            QByteArray digits = text.split('e').first().replace(".", "");
            while (digits.startsWith('0'))
                digits.remove(0, 1);
            while (!text.contains('.') && digits.endsWith('0'))
                digits.chop(1);
            char shorter[32];
            const auto written = std::to_chars(shorter, shorter + sizeof shorter, parsed,
                                               std::chars_format::general, int(digits.size()) - 1);
            float reread = 0;
            std::from_chars(shorter, written.ptr, reread);
            QVERIFY2(digits.size() <= 1 || reread != parsed, text.constData());
        }
    }
}

QTEST_APPLESS_MAIN(TestCli)
#include "tst_cli.moc"
