// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ScaleText.h"
#include "app/TablePicture.h"
#include "elements/ElementDatabase.h"
#include "support/TestWindow.h"
#include "table/PropertyMaps.h"
#include "table/TableController.h"
#include "temperature/PropertyTables.h"

#include <QComboBox>
#include <QImageReader>
#include <QMenu>
#include <QProcess>
#include <QRegularExpression>
#include <QSlider>
#include <QStandardPaths>
#include <QTest>

namespace {

// The buttons, by atomic number, that a search or the timeline leaves standing.
QList<int> standing(const TestWindow &w)
{
    QList<int> all;
    for (int i = 1; i < 110; ++i) {
        if (!w.element(i)->look().dimmed)
            all << i;
    }
    return all;
}

// The width and height of a PDF's pages in points (A4 landscape is 842 x 595), or none.
QSizeF pageOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !file.peek(5).startsWith("%PDF-"))
        return {};
    const auto box = QRegularExpression(QStringLiteral("/MediaBox \\[0 0 ([\\d.]+) ([\\d.]+)\\]"))
                         .match(QString::fromLatin1(file.readAll()));
    return QSizeF(qRound(box.captured(1).toDouble()), qRound(box.captured(2).toDouble()));
}

} // namespace

class TestViews : public QObject
{
    Q_OBJECT

private slots:
    void scales_data();
    void scales();
    void scaleTexts_data();
    void scaleTexts();
    void propertyView();
    void timeline_data();
    void timeline();
    void search_data();
    void search();
    void exportedPictureSize();
    void fileType_data();
    void fileType();
    void poster_data();
    void poster();
    void existingPoster_data();
    void existingPoster();
    void print();
};

void TestViews::scales_data()
{
    QTest::addColumn<int>("property");
    QTest::addColumn<double>("min");
    QTest::addColumn<double>("max");
    QTest::addColumn<bool>("logarithmic");
    QTest::addColumn<int>("without"); // an element that has no value
    QTest::newRow("electronegativity")
        << int(maps::Property::Electronegativity) << 0.7 << 3.98 << false << 2;
    QTest::newRow("electrical conductivity")
        << int(maps::Property::ElectricalConductivity) << 5e-16 << 6.3e7 << true << 1;
    QTest::newRow("density, gases in g/cm3 too")
        << int(maps::Property::Density) << 8.988e-5 << 22.57 << true << 85;
}

void TestViews::scales()
{
    QFETCH(int, property);
    QFETCH(double, min);
    QFETCH(double, max);
    QFETCH(bool, logarithmic);
    QFETCH(int, without);
    PropertyTables tables;
    setTemperature(tables);
    const auto p = maps::Property(property);
    const maps::Scale scale = maps::scaleFor(p, tables, elementCount);
    QCOMPARE(float(scale.min), float(min));
    QCOMPARE(float(scale.max), float(max));
    QCOMPARE(scale.logarithmic, logarithmic);
    QCOMPARE(maps::position(scale, scale.min), 0.0);
    QCOMPARE(maps::position(scale, scale.max), 1.0);
    // Halfway is the middle of the values, or of their powers of ten.
    const double middle = logarithmic ? std::sqrt(min * max) : (min + max) / 2;
    QCOMPARE(float(maps::position(scale, middle)), 0.5f);
    QVERIFY(!maps::value(p, without, tables).has_value());
}

void TestViews::scaleTexts_data()
{
    using scaletext::Quantity;
    QTest::addColumn<Quantity>("quantity");
    QTest::addColumn<double>("min");
    QTest::addColumn<double>("max");
    QTest::addColumn<bool>("kelvin");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("spoken"); // both ends as the bar shows them, in unit "u"
    const auto temperature = Quantity::Temperature, plain = Quantity::Plain;
    QTest::newRow("kelvin") << temperature << -272.2 << 3550.0 << true << "hr"
                            << "0,96 – 3823 K";
    QTest::newRow("scientific") << plain << 5e-16 << 6.3e7 << true << "de"
                                << "5,0 E-16 – 6,3 E+07 u";
    QTest::newRow("from 0.01 to 10000") << plain << 0.01 << 10000.0 << false << "en"
                                        << "0.01 – 1.0 E+04 u";
    QTest::newRow("under 0.01 and 10000") << plain << 0.00999 << 9876.5 << false << "en"
                                          << "9.99 E-03 – 9877 u";
}

void TestViews::scaleTexts()
{
    QFETCH(scaletext::Quantity, quantity);
    QFETCH(double, min);
    QFETCH(double, max);
    QFETCH(bool, kelvin);
    QFETCH(QString, locale);
    QFETCH(QString, spoken);
    const auto texts =
        scaletext::ends(quantity, min, max, QStringLiteral("u"), kelvin, QLocale(locale));
    QCOMPARE(texts.min + QStringLiteral(" – ") + texts.max, spoken);
}

void TestViews::propertyView()
{
    TestWindow w("RGBNepoznato (R = 1, G = 2, B = 3)");
    QCOMPARE(maps::viridis(0), QColor(68, 1, 84));
    QCOMPARE(maps::viridis(1), QColor(253, 231, 37));
    auto *box = w.find<QLineEdit>(QStringLiteral("txtT"));
    box->setText(QStringLiteral("300"));
    QTest::keyClick(w.window.get(), Qt::Key_F10);
    QCOMPARE(w.find<QComboBox>(QStringLiteral("cboBoje"))->currentIndex(), 1);
    QCOMPARE(w.element(9)->backgroundColour(), maps::viridis(1));  // fluorine, the highest
    QCOMPARE(w.element(87)->backgroundColour(), maps::viridis(0)); // francium, the lowest
    QCOMPARE(w.element(2)->backgroundColour(), QColor(1, 2, 3));   // helium has none
    QVERIFY(w.find(QStringLiteral("lblStanje_0"))->isHidden());
    QCOMPARE(w.text(QStringLiteral("lblBojeMax")),
             QLocale::system().toString(3.98, 'g', 3) + QStringLiteral(" Pauling"));
    // The colour bar runs from the scale's one end to the other.
    const QImage bar = w.find(QStringLiteral("picBoje"))->grab().toImage();
    const auto near = [](const QColor &a, const QColor &b) {
        return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                   std::abs(a.blue() - b.blue()) <
               12;
    };
    QVERIFY(near(bar.pixelColor(2, bar.height() / 2), maps::viridis(0)));
    QVERIFY(near(bar.pixelColor(bar.width() - 3, bar.height() / 2), maps::viridis(1)));
    // The thermometer goes on, the colours ignore it.
    box->setText(QStringLiteral("6000"));
    QCOMPARE(w.element(9)->backgroundColour(), maps::viridis(1));
    // Whole years; temperatures in the thermometer's unit, which the bar follows; a screen reader
    // reads the bar's ends and unit.
    w.window->table().setColouring(1 + int(maps::Property::DiscoveryYear));
    QCOMPARE(w.text(QStringLiteral("lblBojeMin")) + w.text(QStringLiteral("lblBojeMax")),
             QStringLiteral("16501984"));
    w.window->table().setColouring(1 + int(maps::Property::BoilingPoint));
    QVERIFY(w.text(QStringLiteral("lblBojeMax")).endsWith(u" K"));
    QTest::mouseClick(w.find(QStringLiteral("lblTermometar")), Qt::LeftButton);
    QVERIFY(w.text(QStringLiteral("lblBojeMax")).endsWith(u" °C"));
    QCOMPARE(w.find(QStringLiteral("picBoje"))->accessibleName(),
             w.text(QStringLiteral("lblBojeMin")) + QStringLiteral(" – ") +
                 w.text(QStringLiteral("lblBojeMax")));
}

void TestViews::timeline_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<QList<int>>("known");   // some of the elements standing
    QTest::addColumn<QList<int>>("unknown"); // some of those dimmed
    QTest::newRow("the start: antiquity and the alchemists")
        << 1650 << QList<int>{6, 16, 26, 33, 79} << QList<int>{1, 8, 15, 109};
    QTest::newRow("oxygen's year") << 1774 << QList<int>{8, 15} << QList<int>{1 + 1, 9, 109};
    QTest::newRow("the last") << 1984 << QList<int>{2, 108, 109} << QList<int>{};
}

void TestViews::timeline()
{
    QFETCH(int, year);
    QFETCH(QList<int>, known);
    QFETCH(QList<int>, unknown);
    TestWindow w;
    QTest::keyClick(w.window.get(), Qt::Key_F12);
    w.find<QSlider>(QStringLiteral("sldGodina"))->setValue(year);
    const QList<int> shown = standing(w);
    for (int z : known)
        QVERIFY2(shown.contains(z), qPrintable(QString::number(z)));
    for (int z : unknown)
        QVERIFY2(!shown.contains(z), qPrintable(QString::number(z)));
    // Closed, the timeline leaves every element standing.
    QTest::keyClick(w.window.get(), Qt::Key_F12);
    QCOMPARE(standing(w).size(), 109);
}

void TestViews::search_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QList<int>>("found");
    QTest::newRow("Croatian, without accents") << 0 << "zelj" << QList<int>{26};
    QTest::newRow("Croatian symbol or name") << 0 << "Ne" << QList<int>{10, 12, 43, 60, 93, 109};
    QTest::newRow("English") << 1 << "iron" << QList<int>{26};
    QTest::newRow("German") << 2 << "stoff" << QList<int>{1, 6, 7, 8};
}

void TestViews::search()
{
    QFETCH(int, language);
    QFETCH(QString, typed);
    QFETCH(QList<int>, found);
    TestWindow w(QByteArray("Language = ") + QByteArray::number(language));
    w.window->show();
    QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
    QTest::mouseClick(w.element(3), Qt::LeftButton);
    QTest::keyClicks(w.element(3), typed + u'x');
    QTest::keyClick(w.element(3), Qt::Key_Backspace);
    QCOMPARE(standing(w), found);
    QCOMPARE(w.text(QStringLiteral("lblTrazi")).endsWith(typed), true);
    QVERIFY(w.element(found.first())->look().marked);
    QTest::keyClick(w.element(3), Qt::Key_Escape);
    QCOMPARE(standing(w).size(), 109);
    QVERIFY(!w.element(found.first())->look().marked);
}

void TestViews::exportedPictureSize()
{
    TestWindow w;
    w.window->resize(1000, 650);
    w.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
    w.seam.fileToChoose = w.folder.filePath(QStringLiteral("table.png"));
    w.seam.filterToChoose = QStringLiteral("PNG 1280 × 720 (*.png)");
    QTest::keyClick(w.window.get(), Qt::Key_S, Qt::ControlModifier);
    QVERIFY(w.seam.lastFilter.contains(u"3840 × 2160"));
    QImageReader reader(w.seam.fileToChoose);
    QCOMPARE(reader.size(), QSize(1280, 720));
    const QImage image = reader.read();
    // The table is drawn into it: the middle of hydrogen's button has its colour.
    const QColor hydrogen = w.element(1)->backgroundColour();
    const qreal scale = std::min(1280.0 / w.window->centralWidget()->width(),
                                 720.0 / w.window->centralWidget()->height());
    const QPoint centre = w.element(1)->geometry().center() * scale +
                          QPoint(qRound((1280 - w.window->centralWidget()->width() * scale) / 2),
                                 qRound((720 - w.window->centralWidget()->height() * scale) / 2));
    QCOMPARE(image.pixelColor(centre.x() - 10, centre.y() - 10), hydrogen);
    QVERIFY(w.seam.messages.isEmpty());
}

void TestViews::fileType_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("entry"); // of the list of types, -1 none
    QTest::addColumn<QString>("written");
    QTest::addColumn<QVariant>("size"); // of the picture, or the paper of the poster
    const QVariant a4 = QPageSize::A4, a3 = QPageSize::A3, hd = QSize(1920, 1080);
    QTest::newRow(".pdf whatever the list shows") << "d/t.pdf" << 1 << "d/t.pdf" << a4;
    QTest::newRow(".PNG whatever the list shows") << "d/t.PNG" << 4 << "d/t.PNG" << hd;
    QTest::newRow("no ending, PDF A3") << "d/t" << 4 << "d/t.pdf" << a3;
    QTest::newRow("no ending, PNG 4K") << "d/t" << 2 << "d/t.png" << QVariant(QSize(3840, 2160));
    QTest::newRow("a dot in the name is no ending") << "d.x/7.b" << 3 << "d.x/7.b.pdf" << a4;
    QTest::newRow("no type told") << "d/t" << -1 << "d/t.png" << hd;
}

void TestViews::fileType()
{
    QFETCH(QString, path);
    QFETCH(int, entry);
    QFETCH(QString, written);
    QFETCH(QVariant, size);
    const QStringList types = picture::typeFilters(0).split(QStringLiteral(";;"));
    QCOMPARE(types.size(), 5);
    const picture::Target target = picture::targetOf(path, entry < 0 ? QString() : types[entry]);
    QCOMPARE(target.path, written);
    QCOMPARE(target.format, written.endsWith(u"pdf") ? picture::Format::Pdf : picture::Format::Png);
    if (target.format == picture::Format::Pdf)
        QCOMPARE(QVariant(target.paper), size);
    else
        QCOMPARE(QVariant(target.pixels), size);
}

void TestViews::poster_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("elements");
    QTest::addColumn<int>("colouring");
    QTest::addColumn<QStringList>("words"); // besides every symbol in use
    QTest::newRow("Croatian, states at 300 K")
        << 0 << 109 << 0
        << QStringList{"Periodni", "elemenata", "Agregacijsko", "300", "Plinovito"};
    QTest::newRow("English, year of discovery, 118 elements")
        << 1 << 118 << 1 + int(maps::Property::DiscoveryYear)
        << QStringList{"Periodic", "Discovery", "date", "Lanthanide"};
}

// The poster written through the window, as a teacher saves it: a name without an ending and
// the A3 entry of the list.
void TestViews::poster()
{
    QFETCH(int, language);
    QFETCH(int, elements);
    QFETCH(int, colouring);
    QFETCH(QStringList, words);
    TestWindow w("Language = " + QByteArray::number(language) +
                 "\nElements = " + QByteArray::number(elements));
    w.window->resize(1000, 650);
    w.find<QLineEdit>(QStringLiteral("txtT"))->setText(QStringLiteral("300"));
    w.window->table().setColouring(colouring);
    w.seam.fileToChoose = w.folder.filePath(QStringLiteral("poster"));
    w.seam.filterToChoose = picture::typeFilters(language).split(QStringLiteral(";;")).last();
    QTest::keyClick(w.window.get(), Qt::Key_S, Qt::ControlModifier);
    QVERIFY(w.seam.messages.isEmpty());
    const QString pdf = w.seam.fileToChoose + QStringLiteral(".pdf");
    QCOMPARE(pageOf(pdf), QSizeF(1191, 842));
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (Debian's poppler-utils) is not installed: the PDF's text is not read");
    QProcess reader;
    reader.start(QStringLiteral("pdftotext"),
                 {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
    QVERIFY(reader.waitForFinished());
    QCOMPARE(reader.exitCode(), 0);
    const QRegularExpression blanks(QStringLiteral("\\s+"));
    const QStringList found = QString::fromUtf8(reader.readAllStandardOutput()).split(blanks);
    // The colour bar's ends as the window writes them.
    if (colouring != 0)
        words << (w.text(QStringLiteral("lblBojeMin")) + u' ' +
                  w.text(QStringLiteral("lblBojeMax")))
                     .split(blanks);
    for (const ElementRecord &element : allElements(std::size_t(elements)))
        words << QString::fromStdString(element.symbol);
    for (const QString &word : words)
        QVERIFY2(found.contains(word), qPrintable(word));
    // The elements beyond those in use stay off the paper as off the screen.
    QCOMPARE(found.contains(QStringLiteral("Og")), elements == 118);
}

void TestViews::existingPoster_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("replaced");
    QTest::newRow("ending added, kept") << "poster" << false << true << false;
    QTest::newRow("ending added, replaced") << "poster" << true << true << true;
    QTest::newRow("ending typed: the dialog has asked") << "poster.pdf" << false << false << true;
}

// A name the PDF type gives its ending must not replace an earlier poster unasked.
void TestViews::existingPoster()
{
    QFETCH(QString, typed);
    QFETCH(bool, yes);
    QFETCH(bool, asked);
    QFETCH(bool, replaced);
    TestWindow w;
    QFile earlier(w.folder.filePath(QStringLiteral("poster.pdf")));
    QVERIFY(earlier.open(QIODevice::WriteOnly));
    earlier.write("earlier");
    earlier.close();
    w.seam.fileToChoose = w.folder.filePath(typed);
    w.seam.filterToChoose = picture::typeFilters(0).split(QStringLiteral(";;")).last();
    w.seam.answerYes = yes;
    QTest::keyClick(w.window.get(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(w.seam.questions.size(), asked ? 1 : 0);
    // In the window's language, as the dialog's own question is.
    if (asked)
        QVERIFY2(w.seam.questions[0].contains(u"poster.pdf već postoji"),
                 qPrintable(w.seam.questions[0]));
    QVERIFY(earlier.open(QIODevice::ReadOnly));
    QCOMPARE(earlier.readAll().startsWith("%PDF"), replaced);
}

void TestViews::print()
{
    TestWindow w;
    auto *menu = w.find<QMenu>(QStringLiteral("mnuSlika"));
    QTest::mouseClick(w.find(QStringLiteral("cmdSlika")), Qt::LeftButton);
    QVERIFY(menu->isVisible());
    QCOMPARE(menu->actions().size(), 2);
    // Cancelled: nothing printed, nothing said.
    menu->actions()[1]->trigger();
    QCOMPARE(w.seam.printRequests, 1);
    w.seam.printToFile = w.folder.filePath(QStringLiteral("printed.pdf"));
    menu->actions()[1]->trigger();
    QCOMPARE(w.seam.printRequests, 2);
    QCOMPARE(pageOf(w.seam.printToFile), QSizeF(842, 595));
    QVERIFY(w.seam.messages.isEmpty());
    // The other entry is the save dialog, as Ctrl+S.
    menu->actions()[0]->trigger();
    QVERIFY(w.seam.lastFilter.contains(u"(*.pdf)"));
}

QTEST_MAIN(TestViews)
#include "tst_views.moc"
