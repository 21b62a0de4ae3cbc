#include "app/ElementGrid.h"
#include "app/FrmPeriodni.h"
#include "support/FakeDesktopSeam.h"
#include "support/TestFiles.h"
#include "temperature/ThermometerPanel.h"
#include "ui/DesignSurface.h"
#include "ui/ElementButton.h"

#include <QBuffer>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void buttonGeometry_data();
    void buttonGeometry();
    void everyButtonHasItsSymbolAndName();
    void surfaceScalesWithWindow();
    void startWithoutConfiguration();
    void backgroundGradient();
    void backgroundPicture_data();
    void backgroundPicture();
    void exitImageEndsProgramAtOnce();
    void closingWindowEndsNothingElse();
};

void TestMainWindow::buttonGeometry_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QRect>("twips");
    QTest::newRow("extra H") << 0 << QRect(10050, 30, 500, 550);
    QTest::newRow("H") << 1 << QRect(330, 600, 500, 550);
    QTest::newRow("He") << 2 << QRect(8490, 600, 500, 550);
    QTest::newRow("B") << 5 << QRect(6090, 1140, 500, 550);
    QTest::newRow("Sc") << 21 << QRect(1290, 2220, 500, 550);
    QTest::newRow("La") << 57 << QRect(1770, 4755, 500, 550);
    QTest::newRow("Lu") << 71 << QRect(8490, 4755, 500, 550);
    QTest::newRow("Hf") << 72 << QRect(1770, 3300, 500, 550);
    QTest::newRow("Rn") << 86 << QRect(8490, 3300, 500, 550);
    QTest::newRow("Ac") << 89 << QRect(1770, 5565, 500, 550);
    QTest::newRow("Lr") << 103 << QRect(8490, 5565, 500, 550);
    QTest::newRow("Rf") << 104 << QRect(1770, 3840, 500, 550);
    QTest::newRow("Mt") << 109 << QRect(4170, 3840, 500, 550);
}

void TestMainWindow::buttonGeometry()
{
    QFETCH(int, index);
    QFETCH(QRect, twips);
    FakeDesktopSeam seam;
    FrmPeriodni window(seam, QStringLiteral("/nonexistent/"));
    const ElementButton *button = window.grid()->button(index);
    QCOMPARE(window.surface()->designRect(button), QRectF(twips));
}

void TestMainWindow::everyButtonHasItsSymbolAndName()
{
    FakeDesktopSeam seam;
    FrmPeriodni window(seam, QStringLiteral("/nonexistent/"));
    const char *symbols[] = {"H", "H", "He", "Li"};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(window.grid()->button(i)->text(), QString::fromLatin1(symbols[i]));
    QCOMPARE(window.grid()->button(109)->text(), QStringLiteral("Mt"));
    for (int i = 0; i < ElementGrid::ButtonCount; ++i)
        QCOMPARE(window.findChild<ElementButton *>(QStringLiteral("cmdElement_%1").arg(i)),
                 window.grid()->button(i));
    // No two buttons of the table may stand on the same spot.
    QSet<QPair<int, int>> spots;
    for (int i = 0; i < ElementGrid::ButtonCount; ++i) {
        const QRect r = ElementGrid::buttonRect(i);
        spots.insert({r.left(), r.top()});
    }
    QCOMPARE(spots.size(), ElementGrid::ButtonCount);
}

void TestMainWindow::surfaceScalesWithWindow()
{
    FakeDesktopSeam seam;
    FrmPeriodni window(seam, QStringLiteral("/nonexistent/"));
    window.resize(1430, 930); // twice the design size at 96 dpi
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.surface()->size(), QSize(1430, 930));
    const ElementButton *mt = window.grid()->button(109);
    QCOMPARE(mt->geometry(), QRect(556, 512, 67, 73));
    const int smallFont = mt->font().pixelSize();
    window.resize(715, 465);
    QCOMPARE(mt->geometry(), QRect(278, 256, 33, 37));
    QVERIFY(mt->font().pixelSize() < smallFont);
}

void TestMainWindow::startWithoutConfiguration()
{
    QTemporaryDir folder;
    FakeDesktopSeam seam;
    FrmPeriodni window(seam, folder.path() + u'/');
    window.formLoad();

    QVERIFY(seam.messages.isEmpty());
    QCOMPARE(window.LanguageIndex, qint16(0));
    QVERIFY(window.temperatureState.kelvinScale);
    const int start = window.thermometer()->temperatureBox()->text().toInt();
    QVERIFY(start >= 0 && start < 4000);
    const int shown = window.findChild<QLabel *>(QStringLiteral("lblBroj"))->text().toInt();
    QVERIFY(shown >= 1 && shown <= 108);

    // Every button 0..95 shows the state of its element at the start temperature.
    const StateColours colours;
    const int celsius = start - 273;
    for (int i = 0; i <= 95; ++i) {
        const qint16 state =
            stateAt(celsius, window.tables.meltingPoints[i], window.tables.boilingPoints[i]);
        QCOMPARE(window.grid()->button(i)->backgroundColour(), colours.forState(state));
    }
    for (int i = 96; i < ElementGrid::ButtonCount; ++i)
        QCOMPARE(window.grid()->button(i)->backgroundColour(), colours.unknown);
}

void TestMainWindow::backgroundGradient()
{
    QTemporaryDir folder;
    QVERIFY(writeAll(folder.filePath(QStringLiteral("quon_pse.cfg")),
                     "R_Color = up\r\nG_Color = dn\r\nB_Color = 10\r\n"));
    FakeDesktopSeam seam;
    FrmPeriodni window(seam, folder.path() + u'/');
    window.formLoad();
    window.resize(1024, 512); // two pixels a band
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QImage image = window.surface()->grab().toImage();
    // "up" rises from 0 at the top edge, "dn" falls from 255; the band holds over its two pixels.
    QCOMPARE(image.pixelColor(1, 0), QColor(0, 255, 10));
    QCOMPARE(image.pixelColor(1, 1), QColor(0, 255, 10));
    QCOMPARE(image.pixelColor(1, 2), QColor(1, 254, 10));
    QCOMPARE(image.pixelColor(1, 511), QColor(255, 0, 10));
}

void TestMainWindow::backgroundPicture_data()
{
    QTest::addColumn<QByteArray>("setting");
    QTest::addColumn<QByteArray>("fileContent");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<bool>("message");

    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImage(8, 8, QImage::Format_RGB32).save(&buffer, "PNG");

    QTest::newRow("picture in the program folder")
        << QByteArray("back.png") << png << true << false;
    QTest::newRow("missing picture is passed over")
        << QByteArray("gone.png") << QByteArray() << false << false;
    QTest::newRow("no dot, no picture") << QByteArray("0") << QByteArray() << false << false;
    QTest::newRow("unreadable picture is reported")
        << QByteArray("bad.png") << QByteArray("not a picture") << false << true;
}

void TestMainWindow::backgroundPicture()
{
    QFETCH(QByteArray, setting);
    QFETCH(QByteArray, fileContent);
    QFETCH(bool, shown);
    QFETCH(bool, message);

    QTemporaryDir folder;
    QVERIFY(writeAll(folder.filePath(QStringLiteral("quon_pse.cfg")),
                     "Background = " + setting + "\r\n"));
    if (!fileContent.isEmpty()) {
        QVERIFY(writeAll(folder.filePath(QString::fromLatin1(setting)), fileContent));
    }

    FakeDesktopSeam seam;
    FrmPeriodni window(seam, folder.path() + u'/');
    window.formLoad();
    QCOMPARE(!window.surface()->backgroundPicture().isNull(), shown);
    QCOMPARE(seam.messages.size(), message ? 1 : 0);
}

void TestMainWindow::exitImageEndsProgramAtOnce()
{
    FakeDesktopSeam seam;
    FrmPeriodni window(seam, QStringLiteral("/nonexistent/"));
    auto *exit = window.findChild<QWidget *>(QStringLiteral("imgIzlaz"));
    QVERIFY(exit);
    QTest::mouseClick(exit, Qt::LeftButton);
    QCOMPARE(seam.endRequests, 1);
    QVERIFY(seam.messages.isEmpty());
}

void TestMainWindow::closingWindowEndsNothingElse()
{
    FakeDesktopSeam seam;
    auto *window = new FrmPeriodni(seam, QStringLiteral("/nonexistent/"));
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    QPointer<FrmPeriodni> guard(window);
    QVERIFY(window->close());
    QTRY_VERIFY(guard.isNull());
    QCOMPARE(seam.endRequests, 0);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
