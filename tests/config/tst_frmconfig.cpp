#include "config/FrmConfig.h"
#include "lang/Texts.h"
#include "support/TestWindow.h"
#include "ui/DesignSurface.h"
#include "ui/ElementButton.h"

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
        window->showSettings();
        dialog = window->findChild<FrmConfig *>(QStringLiteral("frmConfig"));
    }

    template <typename T = QWidget> T *get(const QString &name) const
    {
        T *control = dialog->findChild<T *>(name);
        if (!control)
            qFatal("no control %s", qPrintable(name));
        return control;
    }
    // Option buttons and check boxes take a click on their mark, not beside a short caption.
    void click(const QString &name) const
    {
        QWidget *control = get(name);
        const QPoint mark(control->height() / 2, control->height() / 2);
        const bool option =
            qobject_cast<QRadioButton *>(control) || qobject_cast<QCheckBox *>(control);
        QTest::mouseClick(control, Qt::LeftButton, {}, option ? mark : QPoint());
    }
    void type(const QString &name, const QString &text) const
    {
        auto *box = get<QLineEdit>(name);
        box->selectAll();
        QTest::keyClicks(box, text);
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
    void savedValues_data();
    void savedValues();
    void defaultThenSave();
    void cancel_data();
    void cancel();
    void picture_data();
    void picture();
    void failedSave();
    void texts_data();
    void texts();
};

void TestFrmConfig::slotSelection_data()
{
    QTest::addColumn<QStringList>("clicks");
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
    QFETCH(QStringList, clicks);
    QFETCH(bool, gradients);
    QFETCH(QList<int>, options);
    QFETCH(QStringList, boxes);
    QFETCH(int, mode);

    Dialog d(gradientFile);
    for (const QString &name : clicks)
        d.click(name);
    for (int c = 0; c < 3; ++c) {
        const QChar letter = QLatin1Char("RGB"[c]);
        for (int option = 0; option < 3; ++option) {
            auto *button = d.get<QRadioButton>(QStringLiteral("opt%1_%2").arg(letter).arg(option));
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
    d.click("optR_1");
    d.type("txtBoja_2", "300");
    QCOMPARE(d.backgroundAt(0), QColor(0, 0, 255));
    // A colour slot shows its own colour; the background keeps what it had.
    d.click("optSetBoja_3");
    d.type("txtBoja_2", "9");
    QCOMPARE(d.get<ElementButton>("cmdNewElement_0")->backgroundColour(), QColor(143, 188, 9));
    QCOMPARE(d.backgroundAt(0), QColor(0, 0, 255));
}

void TestFrmConfig::savedValues_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("clicks");
    // A text box and what is typed into it, or a scroll bar and the position it is moved to.
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QByteArrayList>("lines");

    const QStringList none;
    QTest::newRow("300 is 255") << -1 << QStringList{"optSetBoja_3"} << "txtBoja_0"
                                << "300"
                                << QByteArrayList{"RGBPlinovito (R = 255, G = 188, B = 143)",
                                                  "R_Color = 192"};
    QTest::newRow("-20 is 20") << -1 << QStringList{"optSetBoja_4"} << "txtBoja_1"
                               << "-20" << QByteArrayList{"RGBTekuce (R = 255, G = 20, B = 0)"};
    QTest::newRow("letters are 0")
        << -1 << QStringList{"optSetBoja_1"} << "txtBoja_2"
        << "ab" << QByteArrayList{"RGBSkupine (R = 255, G = 255, B = 0)"};
    QTest::newRow("halves to even") << -1 << QStringList{"optSetBoja_2"} << "txtBoja_0"
                                    << "2.5" << QByteArrayList{"RGBLegenda (R = 2, G = 0, B = 0)"};
    QTest::newRow("filling the boxes stores nothing")
        << -1 << QStringList{"optSetBoja_3", "optSetBoja_4", "optSetBoja_1"} << ""
        << ""
        << QByteArrayList{"RGBPlinovito (R = 143, G = 188, B = 143)",
                          "RGBTekuce (R = 255, G = 126, B = 0)"};
    QTest::newRow("bar at the top is 255")
        << -1 << QStringList{"optSetBoja_6"} << "vsbBoja_2"
        << "0" << QByteArrayList{"RGBNepoznato (R = 192, G = 192, B = 255)"};
    QTest::newRow("bar of the background") << -1 << none << "vsbBoja_1"
                                           << "55" << QByteArrayList{"G_Color = 200"};
    QTest::newRow("red falls") << -1 << QStringList{"optR_0"} << ""
                               << "" << QByteArrayList{"R_Color = dn"};
    QTest::newRow("red rises, after a colour slot")
        << -1 << QStringList{"optR_1", "optSetBoja_7", "optSetBoja_0"} << ""
        << "" << QByteArrayList{"R_Color = up", "G_Color = 192"};
    QTest::newRow("background number not clamped") << -1 << none << "txtBoja_0"
                                                   << "300" << QByteArrayList{"R_Color = 300"};
    QTest::newRow("path without a dot") << -1 << none << "txtBackground"
                                        << "0" << QByteArrayList{"Background = "};
    QTest::newRow("sweep value as typed")
        << -1 << QStringList{"chkClose"} << "txtTempEnd"
        << "-3000 K" << QByteArrayList{"TempEnd = -3000 K", "AutoClose = 1"};
    QTest::newRow("English") << -1 << QStringList{"optJezik_1"} << ""
                             << "" << QByteArrayList{"Language = 1", "# Configuration file"};
    QTest::newRow("language outside 0..4 kept") << 7 << none << ""
                                                << "" << QByteArrayList{"Language = 7"};
    QTest::newRow("language outside 0..4 chosen anew")
        << 7 << QStringList{"optJezik_0"} << ""
        << "" << QByteArrayList{"Language = 0", "# Konfiguracijska datoteka"};
}

void TestFrmConfig::savedValues()
{
    QFETCH(int, language);
    QFETCH(QStringList, clicks);
    QFETCH(QString, control);
    QFETCH(QString, input);
    QFETCH(QByteArrayList, lines);

    Dialog d({}, language);
    for (const QString &name : clicks)
        d.click(name);
    if (control.startsWith(u"vsb"))
        d.get<QScrollBar>(control)->setValue(input.toInt());
    else if (!control.isEmpty())
        d.type(control, input);
    if (control.startsWith(u"txtBoja"))
        QCOMPARE(d.get<QLineEdit>(control)->text(), input);
    d.click("cmdSave");

    QVERIFY(d.closed());
    const QByteArray file = d.file();
    for (const QByteArray &line : lines)
        QVERIFY2(file.contains("\r\n" + line + "\r\n"), line.constData());
}

void TestFrmConfig::defaultThenSave()
{
    Dialog d("Language = 1\r\nTempEnd = 30\r\nR_Color = up\r\nBackground = x.png\r\n"
             "AutoStart = 1\r\nRGBKruto (R = 1, G = 2, B = 3)\r\n");
    d.click("optSetBoja_5");
    d.click("cmdDefault");
    QCOMPARE(d.state().colourEditMode, qint16(0));
    d.click("cmdSave");

    QVERIFY(d.closed());
    const QByteArray expected = readAll(QStringLiteral(PSE_CONFIG_TEST_DATA "/default-hr.cfg"));
    const QByteArray file = d.file();
    QVERIFY(!expected.isEmpty());
    QCOMPARE(file.mid(file.indexOf("\r\n")), expected.mid(expected.indexOf("\r\n")));
    QCOMPARE(d.state().settings, pse::Settings{});
    QCOMPARE(d.window->windowTitle(), pse::lang::text(pse::lang::TextId::MainTitle, 0));
}

void TestFrmConfig::cancel_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Cancel") << "cmdCancel";
    QTest::newRow("closing the dialog") << "dialog";
    QTest::newRow("closing the main window") << "window";
}

void TestFrmConfig::cancel()
{
    QFETCH(QString, how);
    Dialog d("Language = 1\r\nRGBKruto (R = 1, G = 2, B = 3)\r\n");
    const pse::Settings before = d.state().settings;
    const QByteArray file = d.file();
    d.click("optSetBoja_5");
    d.type("txtBoja_0", "99");
    d.click("optJezik_0");
    d.type("txtStepAtom", "9");

    if (how == u"cmdCancel")
        d.click(how);
    else
        (how == u"dialog" ? static_cast<QWidget *>(d.dialog) : d.window.get())->close();
    QVERIFY(d.closed());
    QCOMPARE(d.state().settings, before);
    QCOMPARE(d.file(), file);
}

void TestFrmConfig::picture_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("viaOpen");
    QTest::addColumn<bool>("panel");
    QTest::addColumn<bool>("message");
    QTest::addColumn<bool>("shown");

    QTest::newRow("missing") << "missing.jpg" << false << true << false << false;
    QTest::newRow("missing, Croatian letters")
        << QString::fromUtf8("žuta ćelija.png") << false << true << false << false;
    QTest::newRow("10,000 characters")
        << QString(10000, u'x') + ".png" << false << true << false << false;
    QTest::newRow("a folder") << "folder.png" << false << false << true << false;
    QTest::newRow("not a picture") << "notes.jpg" << false << false << true << false;
    QTest::newRow("a picture, by its relative name")
        << "sky.png" << false << false << false << true;
    QTest::newRow("a picture from the file dialog") << "sky.png" << true << false << false << true;
    QTest::newRow("file dialog cancelled") << "" << true << false << false << false;
}

void TestFrmConfig::picture()
{
    QFETCH(QString, name);
    QFETCH(bool, viaOpen);
    QFETCH(bool, panel);
    QFETCH(bool, message);
    QFETCH(bool, shown);

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
        d.click("cmdOpen");
        QCOMPARE(d.seam.lastFilter,
                 QStringLiteral("All Files (*.*);;Bitmaps (*.bmp);;GIF Images (*.gif);;JPEG "
                                "Images (*.jpg);;Metafiles (*.wmf)|Bitmaps (*.bmp)"));
        QCOMPARE(box->text(), QDir::toNativeSeparators(path));
    } else {
        box->setText(shown ? name : path);
        QTest::keyClick(box, Qt::Key_Return);
    }
    auto *fraNoFile = d.get("fraNoFile");
    QCOMPARE(fraNoFile->isVisibleTo(d.dialog), panel);
    QCOMPARE(d.seam.messages.size(), message ? 1 : 0);
    QCOMPARE(!d.get<DesignSurface>({})->backgroundPicture().isNull(), shown);
    if (panel) {
        QCOMPARE(d.get<QLabel>("lblNoFile")->text(), path);
        d.click("cmdClose");
        QVERIFY(!fraNoFile->isVisibleTo(d.dialog));
        QCOMPARE(d.dialog->focusWidget(), static_cast<QWidget *>(box));
    }
}

void TestFrmConfig::failedSave()
{
    // The program folder is really a file, so the save fails whoever runs the test.
    QTemporaryDir dir;
    const QString notAFolder = dir.filePath("program");
    const QByteArray old = "Language = 2\r\n";
    QVERIFY(writeAll(notAFolder, old));
    FakeDesktopSeam seam;
    FrmPeriodni window(seam, notAFolder + u'/');
    window.formLoad();
    const pse::Settings before = window.state().settings;
    window.showSettings();
    QPointer<FrmConfig> dialog = window.findChild<FrmConfig *>("frmConfig");

    auto *tempStart = dialog->findChild<QLineEdit *>("txtTempStart");
    tempStart->setText("77 K");
    dialog->findChild<QRadioButton *>("optJezik_1")->click();
    QTest::mouseClick(dialog->findChild<QWidget *>("cmdSave"), Qt::LeftButton);

    QCOMPARE(seam.messages.size(), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(tempStart->text(), QStringLiteral("77 K"));
    QVERIFY(dialog->findChild<QRadioButton *>("optJezik_1")->isChecked());
    QCOMPARE(window.state().settings, before);
    QCOMPARE(readAll(notAFolder), old);
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

    Dialog d(QByteArray("Language = ") + QByteArray::number(opened) + "\r\n");
    if (switchedTo == 0)
        d.window->imgHR_Click();
    else if (switchedTo == 1)
        d.window->imgEN_Click();
    int rows = 0;
    for (const pse::lang::TextRow &row : pse::lang::textRows()) {
        if (row.target != pse::lang::Target::Dialog)
            continue;
        ++rows;
        const QString name = QString::fromLatin1(row.control);
        QWidget *control = name == u"frmConfig" ? d.dialog.data() : d.get(name);
        QString caption = control->windowTitle();
        if (auto *label = qobject_cast<QLabel *>(control))
            caption = label->text();
        else if (auto *button = qobject_cast<QAbstractButton *>(control))
            caption = button->text();
        else if (auto *frame = qobject_cast<QGroupBox *>(control))
            caption = frame->title();
        QCOMPARE(caption, pse::lang::text(row.id, shown));
    }
    QVERIFY(rows > 0);
}

QTEST_MAIN(TestFrmConfig)
#include "tst_frmconfig.moc"
