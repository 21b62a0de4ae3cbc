// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TestWindow.h"
#include "table/ElementGrid.h"
#include "temperature/StateOfMatter.h"
#include "ui/DesignSurface.h"

#include <QBuffer>
#include <QCheckBox>
#include <QPointer>
#include <QScrollBar>
#include <QStyle>
#include <QTest>

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void buttonGeometry();
    void surfaceScalesWithWindow();
    void startWithoutConfiguration();
    void startInConfiguredLanguage();
    void backgroundGradient();
    void backgroundPicture_data();
    void backgroundPicture();
    void groupLabels_data();
    void groupLabels();
    void fBlockHighlight();
    void exitAndClose();
};

void TestMainWindow::buttonGeometry()
{
    const struct
    {
        int index;
        QRect twips;
    } rows[] = {
        {0, {10050, 30, 500, 550}},    {1, {330, 600, 500, 550}},     {2, {8490, 600, 500, 550}},
        {5, {6090, 1140, 500, 550}},   {21, {1290, 2220, 500, 550}},  {57, {1770, 4755, 500, 550}},
        {71, {8490, 4755, 500, 550}},  {72, {1770, 3300, 500, 550}},  {89, {1770, 5565, 500, 550}},
        {104, {1770, 3840, 500, 550}}, {109, {4170, 3840, 500, 550}}, {110, {4650, 3840, 500, 550}},
        {118, {8490, 3840, 500, 550}}};
    for (const auto &row : rows)
        QCOMPARE(ElementGrid::buttonRect(row.index), row.twips);
    // No two buttons stand on the same spot.
    QSet<QPair<int, int>> spots;
    for (int i = 0; i < ElementGrid::ButtonCount; ++i)
        spots.insert({ElementGrid::buttonRect(i).left(), ElementGrid::buttonRect(i).top()});
    QCOMPARE(spots.size(), ElementGrid::ButtonCount);
}

void TestMainWindow::surfaceScalesWithWindow()
{
    TestWindow w({}, false);
    w.window->resize(1430, 930); // twice the design size at 96 dpi
    w.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
    auto *mt = w.find(QStringLiteral("cmdElement_109"));
    auto *exit = w.find(QStringLiteral("imgIzlaz"));
    auto *bar = w.find<QScrollBar>(QStringLiteral("vsbSvojstva"));
    auto *check = w.find<QCheckBox>(QStringLiteral("chkScroll"));
    QCOMPARE(mt->geometry(), QRect(556, 512, 67, 73));
    QCOMPARE(w.element(118)->geometry(), QRect(1132, 512, 67, 73));
    const int bigFont = mt->font().pixelSize();
    const QSize bigExit = exit->size();
    const int bigArrow = bar->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, bar);
    const int bigBox = check->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, check);

    // Everything on the surface shrinks with it, the drawn parts of the controls included.
    w.window->resize(715, 465);
    QCOMPARE(mt->geometry(), QRect(278, 256, 33, 37));
    QCOMPARE(w.element(118)->geometry(), QRect(566, 256, 33, 37));
    QVERIFY(mt->font().pixelSize() < bigFont);
    QCOMPARE(exit->size() * 2, bigExit);
    QCOMPARE(bar->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, bar) * 2, bigArrow);
    QCOMPARE(check->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, check) * 2, bigBox);
}

void TestMainWindow::startWithoutConfiguration()
{
    TestWindow w;
    QVERIFY(w.seam.messages.isEmpty());
    QCOMPARE(w.state().languageIndex(), 0);
    QCOMPARE(w.window->windowTitle(), QStringLiteral("Quon. - PERIODNI  SUSTAV  ELEMENATA"));
    QVERIFY(w.state().temperature.kelvinScale);
    const int start = w.text(QStringLiteral("txtT")).toInt();
    QVERIFY(start >= 0 && start < 4000);
    const int shown = w.text(QStringLiteral("lblBroj")).toInt();
    QVERIFY(shown >= 1 && shown <= 108);
    // Every button shows its state at the start temperature; from curium on, not known.
    QCOMPARE(w.firstOutOfState(start), -1);
}

void TestMainWindow::startInConfiguredLanguage()
{
    TestWindow w("Language = 2\r\nRGBSkupine (R = 1, G = 2, B = 3)\r\n");
    QCOMPARE(w.state().languageIndex(), 2);
    QCOMPARE(w.text(QStringLiteral("lblImePerioda_0")), QStringLiteral("Lanthaniden"));
    QCOMPARE(w.text(QStringLiteral("lblIme")), w.text(QStringLiteral("lblNjemacki")));
    QVERIFY(!w.text(QStringLiteral("lblIme")).isEmpty());
    QCOMPARE(w.find(QStringLiteral("Perioda_6"))->palette().color(QPalette::WindowText),
             QColor(1, 2, 3));
    QCOMPARE(w.find(QStringLiteral("Grupa_17"))->palette().color(QPalette::WindowText),
             QColor(1, 2, 3));
}

void TestMainWindow::backgroundGradient()
{
    TestWindow w("R_Color = up\r\nG_Color = dn\r\nB_Color = 300\r\n");
    w.window->resize(1024, 512); // two pixels a band
    w.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
    const QImage image = w.window->grab().toImage();
    // "up" rises from 0 at the top edge, "dn" falls from 255, 300 is taken as 255; each band
    // holds over its two pixels.
    QCOMPARE(image.pixelColor(1, 0), QColor(0, 255, 255));
    QCOMPARE(image.pixelColor(1, 1), QColor(0, 255, 255));
    QCOMPARE(image.pixelColor(1, 2), QColor(1, 254, 255));
    QCOMPARE(image.pixelColor(1, 511), QColor(255, 0, 255));
}

void TestMainWindow::backgroundPicture_data()
{
    QTest::addColumn<QByteArray>("setting");
    QTest::addColumn<QByteArray>("fileContent");
    QTest::addColumn<bool>("message");

    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(QColor(10, 200, 30));
    image.save(&buffer, "PNG");

    QTest::newRow("picture in the program folder") << QByteArray("back.png") << png << false;
    QTest::newRow("missing picture is passed over")
        << QByteArray("gone.png") << QByteArray() << false;
    QTest::newRow("unreadable picture is reported")
        << QByteArray("bad.png") << QByteArray("not a picture") << true;
}

void TestMainWindow::backgroundPicture()
{
    QFETCH(QByteArray, setting);
    QFETCH(QByteArray, fileContent);
    QFETCH(bool, message);

    TestWindow w("Background = " + setting + "\r\n", false);
    if (!fileContent.isEmpty())
        QVERIFY(writeAll(w.folder.filePath(QString::fromLatin1(setting)), fileContent));
    w.window->formLoad();
    w.window->resize(715, 465);
    const QImage image = w.window->grab().toImage();
    // A corner no control covers shows the picture, or else the default grey.
    const QColor expected =
        fileContent.startsWith("\x89PNG") ? QColor(10, 200, 30) : QColor(192, 192, 192);
    QCOMPARE(image.pixelColor(2, 462), expected);
    QCOMPARE(w.seam.messages.size(), message ? 1 : 0);
}

void TestMainWindow::groupLabels_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<QStringList>("captions"); // of groups 1, 8, 9, 18
    QTest::addColumn<QString>("tip");
    const QString cas = QStringLiteral(" Chemical Abstract Service (1986. g.) ");
    QTest::newRow("IUPAC, Croatian")
        << 0 << 0 << QStringList{"1", "8", "9", "18"} << " IUPAC preporuka (1985. g.) ";
    QTest::newRow("CAS") << 0 << 1 << QStringList{"IA", "-", "VIIIB", "0"} << cas;
    QTest::newRow("IUPAC again, German")
        << 2 << 2 << QStringList{"1", "8", "9", "18"} << " IUPAC Recommendations (1985. g.) ";
    QTest::newRow("CAS, English") << 1 << 3 << QStringList{"IA", "-", "VIIIB", "0"} << cas;
}

void TestMainWindow::groupLabels()
{
    QFETCH(int, language);
    QFETCH(int, clicks);
    QFETCH(QStringList, captions);
    QFETCH(QString, tip);
    TestWindow w(QByteArray("Language = ") + QByteArray::number(language));
    // Any label switches them all, and a language switch keeps the CAS tooltip.
    for (int i = 0; i < clicks; ++i)
        QTest::mouseClick(w.find(QStringLiteral("Grupa_%1").arg(i * 7 % 18)), Qt::LeftButton);
    w.window->SetLanguage();
    QStringList shown;
    for (int group : {1, 8, 9, 18})
        shown << w.text(QStringLiteral("Grupa_%1").arg(group - 1));
    QCOMPARE(shown, captions);
    for (int i = 0; i < 18; ++i)
        QCOMPARE(w.find(QStringLiteral("Grupa_%1").arg(i))->toolTip(), tip);

    // Each label sits on the topmost button of its column, centred over it.
    const auto *surface = w.window->findChild<DesignSurface *>();
    for (int i = 0; i < 18; ++i) {
        const QRectF label = surface->designRect(w.find(QStringLiteral("Grupa_%1").arg(i)));
        QRect top(0, 99999, 0, 0);
        for (int b = 1; b < ElementGrid::ButtonCount; ++b) {
            const QRect r = ElementGrid::buttonRect(b);
            if (r.left() == 330 + 480 * i && r.top() < top.top())
                top = r;
        }
        QCOMPARE(label.bottom(), qreal(top.top()));
        QVERIFY(qAbs(label.center().x() - QRectF(top).center().x()) <= 1); // a twip of rounding
    }
}

void TestMainWindow::fBlockHighlight()
{
    TestWindow w("RGBLantanoidi (R = 1, G = 2, B = 3)\r\nRGBLegenda (R = 4, G = 5, B = 6)");
    w.window->show();
    QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
    auto *outline = w.find(QStringLiteral("picAktinoidi"));
    auto *name = w.find(QStringLiteral("lblImePerioda_1"));
    QTest::mouseClick(w.find(QStringLiteral("cmdAktinoidi")), Qt::LeftButton);
    QVERIFY(!outline->isHidden());
    QCOMPARE(name->palette().color(QPalette::WindowText), QColor(1, 2, 3));
    QVERIFY(w.find(QStringLiteral("picLantanoidi"))->isHidden());
    QTest::mouseClick(w.find(QStringLiteral("cmdAktinoidi")), Qt::LeftButton);
    QVERIFY(outline->isHidden());
    // Shown again, it goes when the focus goes to an element.
    QTest::mouseClick(w.find(QStringLiteral("cmdAktinoidi")), Qt::LeftButton);
    QTest::mouseClick(w.element(92), Qt::LeftButton);
    QVERIFY(outline->isHidden());
    QCOMPARE(name->palette().color(QPalette::WindowText), QColor(4, 5, 6));
}

void TestMainWindow::exitAndClose()
{
    TestWindow w({}, false);
    QTest::mouseClick(w.find(QStringLiteral("imgIzlaz")), Qt::LeftButton);
    QCOMPARE(w.seam.endRequests, 1);

    // Closing the window ends the program through Qt, without the exit request.
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
