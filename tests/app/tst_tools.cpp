// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TestWindow.h"
#include "version/Version.h"

#include <QDir>
#include <QMouseEvent>
#include <QTest>

class TestTools : public QObject
{
    Q_OBJECT

private slots:
    void help_data();
    void help();
    void informationAndWebPage();
};

void TestTools::help_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("missing");
    QTest::newRow("Croatian") << 0 << "Pomoc.txt"
                              << "Datoteka pomoci nije pronadjena!";
    QTest::newRow("Italian reads the English file") << 4 << "Help.txt"
                                                    << "Help file has not been found!";
}

void TestTools::help()
{
    QFETCH(int, language);
    QFETCH(QString, file);
    QFETCH(QString, missing);
    TestWindow w(QByteArray("Language = ") + QByteArray::number(language));
    // The help files are read from the current folder.
    const QString previous = QDir::currentPath();
    QDir::setCurrent(w.folder.path());
    QTest::keyClick(w.window.get(), Qt::Key_F1);
    QCOMPARE(w.seam.messages, QStringList{missing});
    auto *frame = w.find(QStringLiteral("fraHelp"));
    QVERIFY(frame->isHidden());

    QVERIFY(writeAll(w.folder.filePath(file), "\xEF\xBB\xBFU\xC5\xA1tedi \xC4\x8D\xC4\x87"));
    QTest::keyClick(w.window.get(), Qt::Key_F1);
    QVERIFY(!frame->isHidden());
    auto *text = w.find<QPlainTextEdit>(QStringLiteral("txtHlpMM"));
    QCOMPARE(text->toPlainText(), QString::fromUtf8("Uštedi čć"));
    // Read anew at every press, also the one that hides the panel.
    QVERIFY(writeAll(w.folder.filePath(file), "changed"));
    QTest::keyClick(w.window.get(), Qt::Key_F1);
    QVERIFY(frame->isHidden());
    QCOMPARE(text->toPlainText(), QStringLiteral("changed"));
    // An element click and a language switch close it too.
    QTest::mouseClick(w.find(QStringLiteral("cmdIzbornik_3")), Qt::LeftButton);
    QVERIFY(!frame->isHidden());
    w.window->cmdElement_Click(3);
    QVERIFY(frame->isHidden());
    QTest::keyClick(w.window.get(), Qt::Key_F1);
    w.window->findChild<ToolPanel *>()->imgEN_Click();
    QVERIFY(frame->isHidden());
    QDir::setCurrent(previous);
    QCOMPARE(w.seam.messages.size(), 1);
}

void TestTools::informationAndWebPage()
{
    TestWindow w("Language = 1\r\nRGBLegenda (R = 10, G = 20, B = 30)\r\n");
    QTest::mouseClick(w.find(QStringLiteral("imgInfoPSE")), Qt::LeftButton);
    QCOMPARE(w.seam.lastIcon, DesktopSeam::Icon::Information);
    QCOMPARE(w.seam.lastTitle, QStringLiteral("Quon. - PERIODIC TABLE OF ELEMENTS"));
    QVERIFY(
        w.seam.messages.value(0).startsWith(QStringLiteral("Quon. Periodic Table of Elements ") +
                                            QString::fromLatin1(pse::versionText)));
    w.window->findChild<ToolPanel *>()->imgHR_Click();
    QTest::mouseClick(w.find(QStringLiteral("imgInfoPSE")), Qt::LeftButton);
    QVERIFY(w.seam.messages.value(1).startsWith(u"Quon. Periodni sustav elemenata"));

    // The page beside the program opens with the desktop's handler; without it nothing happens.
    QTest::mouseClick(w.find(QStringLiteral("lblURL")), Qt::LeftButton);
    QVERIFY(w.seam.urls.isEmpty());
    QVERIFY(writeAll(w.folder.filePath(QStringLiteral("quon-pse.html")), "<html></html>"));
    QTest::mouseClick(w.find(QStringLiteral("lblMyWeb")), Qt::LeftButton);
    QCOMPARE(w.seam.urls.value(0),
             QUrl::fromLocalFile(w.folder.filePath(QStringLiteral("quon-pse.html"))));
    QCOMPARE(w.seam.messages.size(), 2);

    // The link lights up in the inverse of the legend colour while the mouse is over it.
    auto *link = w.find(QStringLiteral("lblURL"));
    QCOMPARE(link->palette().color(QPalette::WindowText), QColor(10, 20, 30));
    QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), QPointF(2, 2), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(link, &move);
    QCOMPARE(link->palette().color(QPalette::WindowText), QColor(245, 235, 225));
    QCoreApplication::sendEvent(w.find(QStringLiteral("imgInfoPSE")), &move);
    QCOMPARE(link->palette().color(QPalette::WindowText), QColor(10, 20, 30));
}

QTEST_MAIN(TestTools)
#include "tst_tools.moc"
