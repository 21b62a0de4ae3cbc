// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/FrmConfig.h"
#include "lang/Texts.h"
#include "support/TestWindow.h"
#include "ui/DesignSurface.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QPointer>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

using pse::FrmConfig;

namespace {

// The main window in a program folder of its own, with its settings dialog open.
struct Dialog : TestWindow
{
    // A `language` of 0 or more replaces the one read, as a hand-edited file could.
    explicit Dialog(const QByteArray &config = {}, int language = -1)
        : TestWindow(config)
    {
        if (language >= 0)
            state().settings.Language = qint16(language);
        window->cmdIzbornik_Click(2);
        dialog = window->findChild<FrmConfig *>(QStringLiteral("frmConfig"));
    }

    template <typename T = QWidget> T *get(const QString &name) const
    {
        T *control = dialog->findChild<T *>(name);
        if (!control)
            qFatal("no control %s", qPrintable(name));
        return control;
    }
    // "name" clicks a control (an option or a check box on its mark, not beside a short caption);
    // "name=text" types into a box or moves a scroll bar to that position; "close" and
    // "closeWindow" close the dialog's window or the main window.
    void run(const QStringList &steps) const
    {
        for (const QString &step : steps) {
            if (step == u"close" || step == u"closeWindow") {
                (step == u"close" ? static_cast<QWidget *>(dialog) : window.get())->close();
                continue;
            }
            QWidget *control = get(step.section(u'=', 0, 0));
            const QString input = step.section(u'=', 1);
            if (auto *bar = qobject_cast<QScrollBar *>(control)) {
                bar->setValue(input.toInt());
            } else if (auto *box = qobject_cast<QLineEdit *>(control)) {
                box->selectAll();
                QTest::keyClicks(box, input);
            } else {
                const int h = control->height() / 2;
                const bool mark =
                    qobject_cast<QRadioButton *>(control) || qobject_cast<QCheckBox *>(control);
                QTest::mouseClick(control, Qt::LeftButton, {}, mark ? QPoint(h, h) : QPoint());
            }
        }
    }
    bool closed() const
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return dialog.isNull();
    }
    QByteArray file() const { return readAll(folder.filePath(QStringLiteral("quon_pse.cfg"))); }
    QColor backgroundAt(int y) const
    {
        const QImage image = get<DesignSurface>({})->grab().toImage();
        return image.pixelColor(0, y < 0 ? image.height() + y : y);
    }

    QPointer<FrmConfig> dialog;
};

const QByteArray gradientFile = "R_Color = dn\r\nG_Color = up\r\nB_Color = 7\r\n"
                                "RGBLegenda (R = 1, G = 2, B = 3)\r\n";

} // namespace

class TestFrmConfig : public QObject
{
    Q_OBJECT

private slots:
    void slotSelection_data();
    void slotSelection();
    void backgroundPreview();
    void workingCopy_data();
    void workingCopy();
    void defaultThenSave();
    void picture_data();
    void picture();
    void failedSave();
    void texts_data();
    void texts();
};

void TestFrmConfig::slotSelection_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("gradients");
    QTest::addColumn<QList<int>>("options");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<int>("mode");

    const QList<int> fixed{2, 2, 2};
    QTest::newRow("loaded") << QStringList{} << true << QList<int>{0, 1, 2}
                            << QStringList{"", "", "7"} << 0;
    QTest::newRow("gas") << QStringList{"optSetBoja_3"} << false << fixed
                         << QStringList{"143", "188", "143"} << 1;
    QTest::newRow("legend by its sample")
        << QStringList{"lblPreview_1"} << false << fixed << QStringList{"1", "2", "3"} << 1;
    QTest::newRow("lanthanides by their sample")
        << QStringList{"cmdNewElement_4"} << false << fixed << QStringList{"255", "255", "0"} << 1;
    QTest::newRow("background again") << QStringList{"optSetBoja_5", "imgPozadina"} << true
                                      << QList<int>{0, 1, 2} << QStringList{"128", "176", "7"} << 0;
}

void TestFrmConfig::slotSelection()
{
    QFETCH(QStringList, steps);
    QFETCH(bool, gradients);
    QFETCH(QList<int>, options);
    QFETCH(QStringList, boxes);
    QFETCH(int, mode);

    Dialog d(gradientFile);
    d.run(steps);
    for (int c = 0; c < 3; ++c) {
        for (int option = 0; option < 3; ++option) {
            auto *button = d.get<QRadioButton>(
                QStringLiteral("opt%1_%2").arg(QLatin1Char("RGB"[c])).arg(option));
            QCOMPARE(button->isChecked(), option == options[c]);
            QCOMPARE(button->isEnabled(), option == 2 || gradients);
        }
        QCOMPARE(d.get<QLineEdit>(QStringLiteral("txtBoja_%1").arg(c))->text(), boxes[c]);
        QCOMPARE(d.get<QScrollBar>(QStringLiteral("vsbBoja_%1").arg(c))->value(),
                 255 - boxes[c].toInt());
    }
    QCOMPARE(d.state().colourEditMode, qint16(mode));
}

void TestFrmConfig::backgroundPreview()
{
    Dialog d(gradientFile);
    QCOMPARE(d.backgroundAt(0), QColor(255, 0, 7));
    QCOMPARE(d.backgroundAt(-1), QColor(0, 255, 7));
    d.run({"optR_1", "txtBoja_2=300"});
    QCOMPARE(d.backgroundAt(0), QColor(0, 0, 255));
    // A colour slot shows its own colour; the background keeps what it had.
    d.run({"optSetBoja_3", "txtBoja_2=9"});
    QCOMPARE(d.get<ElementButton>("cmdNewElement_0")->backgroundColour(), QColor(143, 188, 9));
    QCOMPARE(d.backgroundAt(0), QColor(0, 0, 255));
}

void TestFrmConfig::workingCopy_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("steps");
    // Lines the saved file holds; none when nothing may be saved or changed.
    QTest::addColumn<QByteArrayList>("lines");

    using Lines = QByteArrayList;
    const QStringList edits{"optSetBoja_5", "txtBoja_0=99", "optJezik_1", "txtStepAtom=9",
                            "fullTableCheck"};
    QTest::newRow("Cancel") << -1 << edits + QStringList{"cmdCancel"} << Lines{};
    QTest::newRow("closing the dialog") << -1 << edits + QStringList{"close"} << Lines{};
    QTest::newRow("closing the main window") << -1 << edits + QStringList{"closeWindow"} << Lines{};
    QTest::newRow("300 is 255") << -1 << QStringList{"optSetBoja_3", "txtBoja_0=300"}
                                << Lines{"RGBPlinovito (R = 255, G = 188, B = 143)",
                                         "R_Color = 192"};
    QTest::newRow("-20 is 20") << -1 << QStringList{"optSetBoja_4", "txtBoja_1=-20"}
                               << Lines{"RGBTekuce (R = 255, G = 20, B = 0)"};
    QTest::newRow("letters are 0") << -1 << QStringList{"optSetBoja_1", "txtBoja_2=ab"}
                                   << Lines{"RGBSkupine (R = 255, G = 255, B = 0)"};
    QTest::newRow("halves to even") << -1 << QStringList{"optSetBoja_2", "txtBoja_0=2.5"}
                                    << Lines{"RGBLegenda (R = 2, G = 0, B = 0)"};
    QTest::newRow("filling the boxes stores nothing")
        << -1 << QStringList{"optSetBoja_3", "optSetBoja_4", "optSetBoja_1"}
        << Lines{"RGBPlinovito (R = 143, G = 188, B = 143)", "RGBTekuce (R = 255, G = 126, B = 0)"};
    QTest::newRow("bar at the top is 255") << -1 << QStringList{"optSetBoja_6", "vsbBoja_2=0"}
                                           << Lines{"RGBNepoznato (R = 192, G = 192, B = 255)"};
    QTest::newRow("bar of the background")
        << -1 << QStringList{"vsbBoja_1=55"} << Lines{"G_Color = 200"};
    QTest::newRow("red falls") << -1 << QStringList{"optR_0"} << Lines{"R_Color = dn"};
    QTest::newRow("red rises, after a colour slot")
        << -1 << QStringList{"optR_1", "optSetBoja_7", "optSetBoja_0"}
        << Lines{"R_Color = up", "G_Color = 192"};
    QTest::newRow("background number not clamped")
        << -1 << QStringList{"txtBoja_0=300"} << Lines{"R_Color = 300"};
    QTest::newRow("path without a dot")
        << -1 << QStringList{"txtBackground=0"} << Lines{"Background = "};
    QTest::newRow("sweep value as typed") << -1 << QStringList{"chkClose", "txtTempEnd=-3000 K"}
                                          << Lines{"TempEnd = -3000 K", "AutoClose = 1"};
    QTest::newRow("full table, narration") << -1 << QStringList{"fullTableCheck", "narrationCheck"}
                                           << Lines{"Elements = 118", "Narration = 1"};
    QTest::newRow("English") << -1 << QStringList{"optJezik_1"}
                             << Lines{"Language = 1", "# Configuration file"};
    QTest::newRow("language outside 0..4 kept") << 7 << QStringList{} << Lines{"Language = 7"};
    QTest::newRow("language outside 0..4 chosen anew")
        << 7 << QStringList{"optJezik_0"} << Lines{"Language = 0", "# Konfiguracijska datoteka"};
}

void TestFrmConfig::workingCopy()
{
    QFETCH(int, language);
    QFETCH(QStringList, steps);
    QFETCH(QByteArrayList, lines);

    Dialog d({}, language);
    const pse::Settings before = d.state().settings;
    d.run(steps);
    // A colour box keeps what was typed; only the value it stands for is clamped.
    for (const QString &step : steps) {
        if (step.startsWith(u"txtBoja"))
            QCOMPARE(d.get<QLineEdit>(step.section(u'=', 0, 0))->text(), step.section(u'=', 1));
    }
    if (!lines.isEmpty())
        d.run({"cmdSave"});
    QVERIFY(d.closed());
    if (lines.isEmpty()) {
        QCOMPARE(d.state().settings, before);
        QVERIFY(d.file().isEmpty());
    }
    for (const QByteArray &line : lines)
        QVERIFY2(d.file().contains("\r\n" + line + "\r\n"), line.constData());
}

void TestFrmConfig::defaultThenSave()
{
    Dialog d("Language = 1\r\nTempEnd = 30\r\nR_Color = up\r\nBackground = x.png\r\n"
             "AutoStart = 1\r\nRGBKruto (R = 1, G = 2, B = 3)\r\nElements = 118\r\nNarration = 1");
    QVERIFY(d.get<QCheckBox>("fullTableCheck")->isChecked() &&
            d.get<QCheckBox>("narrationCheck")->isChecked());
    d.run({"optSetBoja_5", "cmdDefault"});
    QCOMPARE(d.state().colourEditMode, qint16(0));
    d.run({"cmdSave"});
    QVERIFY(d.closed());
    const QByteArray expected = readAll(QStringLiteral(PSE_CONFIG_TEST_DATA "/default-hr.cfg"));
    QVERIFY(!expected.isEmpty());
    const QByteArray file = d.file();
    QCOMPARE(file.mid(file.indexOf("\r\n")), expected.mid(expected.indexOf("\r\n")));
    QCOMPARE(d.state().settings, pse::Settings{});
    QCOMPARE(d.window->windowTitle(), pse::lang::text(pse::lang::TextId::MainTitle, 0));
}

void TestFrmConfig::picture_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("viaOpen");
    // "panel" (the not-found panel), "message", "shown" or "nothing".
    QTest::addColumn<QString>("outcome");

    QTest::newRow("missing") << "missing.jpg" << false << "panel";
    QTest::newRow("missing, Croatian letters") << "žuta ćelija.png" << false << "panel";
    QTest::newRow("10,000 characters") << QString(10000, u'x') + ".png" << false << "panel";
    QTest::newRow("a folder") << "folder.png" << false << "message";
    QTest::newRow("not a picture") << "notes.jpg" << false << "message";
    QTest::newRow("a picture, by its relative name") << "sky.png" << false << "shown";
    QTest::newRow("a picture from the file dialog") << "sky.png" << true << "shown";
    QTest::newRow("file dialog cancelled") << "" << true << "nothing";
}

void TestFrmConfig::picture()
{
    QFETCH(QString, name);
    QFETCH(bool, viaOpen);
    QFETCH(QString, outcome);

    Dialog d;
    QVERIFY(QDir(d.folder.path()).mkpath("folder.png"));
    QVERIFY(writeAll(d.folder.filePath("notes.jpg"), "not a picture"));
    QImage sky(16, 16, QImage::Format_RGB32);
    sky.fill(Qt::blue);
    QVERIFY(sky.save(d.folder.filePath("sky.png")));
    const QString path = name.isEmpty() ? QString() : d.folder.filePath(name);

    auto *box = d.get<QLineEdit>("txtBackground");
    if (viaOpen) {
        d.seam.fileToChoose = path;
        d.run({"cmdOpen"});
        QCOMPARE(d.seam.lastFilter,
                 QStringLiteral("All Files (*.*);;Bitmaps (*.bmp);;GIF Images (*.gif);;JPEG "
                                "Images (*.jpg);;Metafiles (*.wmf)|Bitmaps (*.bmp)"));
        QCOMPARE(box->text(), QDir::toNativeSeparators(path));
    } else {
        box->setText(outcome == u"shown" ? name : path);
        QTest::keyClick(box, Qt::Key_Return);
    }
    // A picture takes the place of the gradient, whose colour frames wait meanwhile.
    QCOMPARE(d.get("fraRed")->isEnabled(), box->text().trimmed().isEmpty());
    auto *fraNoFile = d.get("fraNoFile");
    QCOMPARE(fraNoFile->isVisibleTo(d.dialog), outcome == u"panel");
    QCOMPARE(d.seam.messages.size(), outcome == u"message" ? 1 : 0);
    QCOMPARE(!d.get<DesignSurface>({})->backgroundPicture().isNull(), outcome == u"shown");
    if (outcome == u"panel") {
        QCOMPARE(d.get<QLabel>("lblNoFile")->text(), path);
        d.run({"cmdClose"});
        QVERIFY(!fraNoFile->isVisibleTo(d.dialog));
        QCOMPARE(d.dialog->focusWidget(), static_cast<QWidget *>(box));
    }
}

void TestFrmConfig::failedSave()
{
    Dialog d;
    const pse::Settings before = d.state().settings;
    // The program folder turns out to be a file, so the save fails whoever runs the test.
    const QString folder = d.folder.path();
    const QByteArray old = "not a folder";
    QVERIFY(QDir(folder).removeRecursively() && writeAll(folder, old));
    d.run({"txtTempStart=77 K", "optJezik_1", "cmdSave"});
    const QByteArray left = readAll(folder);
    QFile::remove(folder);

    QCOMPARE(d.seam.messages.size(), 1);
    QVERIFY(!d.closed() && d.dialog->isVisible());
    QCOMPARE(d.get<QLineEdit>("txtTempStart")->text(), QStringLiteral("77 K"));
    QVERIFY(d.get<QRadioButton>("optJezik_1")->isChecked());
    QCOMPARE(d.state().settings, before);
    QCOMPARE(left, old);
}

void TestFrmConfig::texts_data()
{
    QTest::addColumn<int>("opened");
    QTest::addColumn<int>("switchedTo");
    QTest::addColumn<int>("shown");
    QTest::newRow("Croatian") << 0 << -1 << 0;
    QTest::newRow("English") << 1 << -1 << 1;
    QTest::newRow("German gets English") << 2 << -1 << 1;
    QTest::newRow("switched to English while open") << 0 << 1 << 1;
    QTest::newRow("switched to Croatian while open") << 3 << 0 << 0;
}

void TestFrmConfig::texts()
{
    QFETCH(int, opened);
    QFETCH(int, switchedTo);
    QFETCH(int, shown);

    Dialog d({}, opened);
    if (switchedTo == 0)
        d.window->findChild<ToolPanel *>()->imgHR_Click();
    else if (switchedTo == 1)
        d.window->findChild<ToolPanel *>()->imgEN_Click();
    int rows = 0;
    for (const pse::lang::TextRow &row : pse::lang::textRows()) {
        if (row.target != pse::lang::Target::Dialog)
            continue;
        ++rows;
        const QString name = QString::fromLatin1(row.control);
        const QWidget *control = name == u"frmConfig" ? d.dialog.data() : d.get(name);
        const char *property = row.slot == pse::lang::Slot::WindowTitle   ? "windowTitle"
                               : qobject_cast<const QGroupBox *>(control) ? "title"
                                                                          : "text";
        QCOMPARE(control->property(property).toString(), pse::lang::text(row.id, shown));
    }
    QVERIFY(rows > 0);
    // The switches between Default and Save have room for their captions.
    for (const char *name : {"fullTableCheck", "narrationCheck"})
        QVERIFY2(d.get(name)->sizeHint().width() <= d.get(name)->width(), name);
}

QTEST_MAIN(TestFrmConfig)
#include "tst_frmconfig.moc"
