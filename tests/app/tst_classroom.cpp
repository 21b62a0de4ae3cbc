// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ProgramFolders.h"
#include "config/ConfigStore.h"
#include "support/TestWindow.h"
#include "table/ElementGrid.h"
#include "ui/FullScreen.h"

#include <QDir>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTest>

class TestClassroom : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void neighbours_data();
    void neighbours();
    void textBoxesKeepTheirKeys();
    void stateLetters_data();
    void stateLetters();
    void configurationFolder_data();
    void configurationFolder();
};

void TestClassroom::initTestCase()
{
    // The user's and two system configuration folders; the second holds a school-wide file.
    static QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.filePath(QStringLiteral("home"))));
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(config.path() + QStringLiteral("/etc:") +
                                                 config.path() + QStringLiteral("/site")));
    const QString school = config.filePath(QStringLiteral("site/") + qApp->applicationName());
    QVERIFY(QDir().mkpath(school) && writeAll(school + "/quon_pse.cfg", "Language = 2"));
}

void TestClassroom::neighbours_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("count"); // the elements in use
    const int left = Qt::Key_Left, right = Qt::Key_Right, up = Qt::Key_Up, down = Qt::Key_Down;
    QTest::newRow("H to He over the gap") << 1 << right << 2 << 109;
    QTest::newRow("Be to B over the gap") << 4 << right << 5 << 109;
    QTest::newRow("Ba to Hf over the f-block gap") << 56 << right << 72 << 109;
    QTest::newRow("nothing left of Cs") << 55 << left << 55 << 109;
    QTest::newRow("Fe down to Ru") << 26 << down << 44 << 109;
    QTest::newRow("Sc up to the nearest of period 3") << 21 << up << 12 << 109;
    QTest::newRow("He up to the extra H") << 2 << up << 0 << 109;
    QTest::newRow("extra H down to He") << 0 << down << 2 << 109;
    QTest::newRow("Rf down into the lanthanides") << 104 << down << 57 << 109;
    QTest::newRow("Ra down to the nearest lanthanide") << 88 << down << 57 << 109;
    QTest::newRow("Rn down to Lu below its column") << 86 << down << 71 << 109;
    QTest::newRow("La up out of the f-block") << 57 << up << 104 << 109;
    QTest::newRow("Lu up to Rn") << 71 << up << 86 << 109;
    QTest::newRow("nothing below Lr") << 103 << down << 103 << 109;
    QTest::newRow("Mt ends period 7 of the shorter table") << 109 << right << 109 << 109;
    QTest::newRow("Mt to Ds in the full table") << 109 << right << 110 << 118;
    QTest::newRow("Pt down to Ds") << 78 << down << 110 << 118;
    QTest::newRow("Og up to Rn") << 118 << up << 86 << 118;
    QTest::newRow("Lu up to Og") << 71 << up << 118 << 118;
}

void TestClassroom::neighbours()
{
    QFETCH(int, from);
    QFETCH(int, key);
    QFETCH(int, to);
    QFETCH(int, count);
    QCOMPARE(ElementGrid::neighbour(from, Qt::Key(key), count), to);
}

void TestClassroom::textBoxesKeepTheirKeys()
{
    TestWindow w;
    w.window->show();
    QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
    auto *bar = w.find<QScrollBar>(QStringLiteral("vsbSvojstva"));
    bar->setValue(5600);
    // In a text box the table's keys edit the text.
    auto *box = w.find<QLineEdit>(QStringLiteral("txtT"));
    box->setFocus();
    box->setCursorPosition(0);
    QTest::keyClick(box, Qt::Key_Right);
    QTest::keyClick(box, Qt::Key_PageDown);
    QCOMPARE(box->cursorPosition(), 1);
    QVERIFY(box->hasFocus());
    QCOMPARE(bar->value(), 5600);

    // F11 makes the window fill the screen and back; Esc does not leave it.
    QTest::keyClick(box, Qt::Key_F11);
    QVERIFY(w.window->windowState() & Qt::WindowFullScreen);
    QTest::keyClick(box, Qt::Key_Escape);
    QVERIFY(w.window->windowState() & Qt::WindowFullScreen);
    QTest::keyClick(box, Qt::Key_F11);
    QVERIFY(!(w.window->windowState() & Qt::WindowFullScreen));
    // Where no window manager answers in the time given, the window covers the screen itself.
    const QRect before = w.window->geometry();
    QTest::keyClick(box, Qt::Key_F11);
    FullScreen::of(w.window.get()).settle(false);
    QVERIFY(w.window->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(w.window->geometry(), w.window->screen()->geometry());
    QTest::keyClick(box, Qt::Key_F11);
    QVERIFY(!(w.window->windowFlags() & Qt::FramelessWindowHint));
    QCOMPARE(w.window->geometry(), before);
}

void TestClassroom::stateLetters_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("kelvin");
    QTest::addColumn<QString>("letters"); // of H, Fe, Hg, Cm
    QTest::newRow("Croatian at 300 K") << 0 << "300"
                                       << "P K T N";
    QTest::newRow("Croatian at 10 K") << 0 << "10"
                                      << "K K K N";
    QTest::newRow("German at 300 K") << 2 << "300"
                                     << "G F Fl ?";
    QTest::newRow("English at 3000 K") << 1 << "3000"
                                       << "G L G ?";
}

void TestClassroom::stateLetters()
{
    QFETCH(int, language);
    QFETCH(QString, kelvin);
    QFETCH(QString, letters);
    TestWindow w(QByteArray("Language = ") + QByteArray::number(language));
    const auto shown = [&w] {
        QStringList all;
        for (int index : {1, 26, 80, 96})
            all << w.element(index)->look().letter;
        return all.join(u' ');
    };
    QCOMPARE(shown(), QStringLiteral("   "));
    QTest::keyClick(w.window.get(), Qt::Key_F9);
    // The letters follow the temperature as the colours do.
    w.find<QLineEdit>(QStringLiteral("txtT"))->setText(kelvin);
    QCOMPARE(shown(), letters);
    QTest::keyClick(w.window.get(), Qt::Key_F9);
    QCOMPARE(shown(), QStringLiteral("   "));
}

void TestClassroom::configurationFolder_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<bool>("portable");
    QTest::newRow("portable copy") << "bin/" << true;
    // A folder under a file: no one, root included, can write there.
    QTest::newRow("read-only folder") << "file/" << false;
    // Writable or not (root may write anywhere), an installation keeps its files apart.
    QTest::newRow("installation") << "usr/bin/" << false;
}

void TestClassroom::configurationFolder()
{
    QFETCH(QString, layout);
    QFETCH(bool, portable);
    QTemporaryDir dir;
    QVERIFY(writeAll(dir.filePath(QStringLiteral("file")), "x"));
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("bin")));
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("usr/bin")));
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("usr/share/quon-pse")));
    const QString program = dir.filePath(layout);
    const QString user = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + u'/';
    const QString chosen = folders::configuration(program);
    QCOMPARE(chosen, portable ? program : user);
    // An installation's help files are found in its data folder.
    QCOMPARE(folders::data(program).contains(dir.filePath(QStringLiteral("usr/share/quon-pse"))),
             layout == u"usr/bin/");

    // Without a file of its own an installation reads the school's; a portable copy never does.
    FakeDesktopSeam seam;
    FrmPeriodni school(seam, program);
    school.formLoad();
    QCOMPARE(school.state().languageIndex(), portable ? 0 : 2);

    // A save lands there, and the next start reads it from there, before the school's.
    pse::Settings settings;
    settings.Language = 3;
    qint16 mode = 0;
    struct : pse::ConfigHost
    {
        void setTemperatureText(const QString &) override {}
        void setStepTempText(const QString &) override {}
        void applyConfig() override {}
        void setRepaintAllStates() override {}
        void showError(const QString &) override {}
    } host;
    QVERIFY(pse::ConfigStore(settings, mode, host, chosen).WriteConfigEN());
    FrmPeriodni window(seam, program);
    window.formLoad();
    QCOMPARE(window.state().languageIndex(), 3);
    QFile::remove(chosen + QStringLiteral("quon_pse.cfg"));
}

QTEST_MAIN(TestClassroom)
#include "tst_classroom.moc"
