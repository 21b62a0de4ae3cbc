// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/ConfigHost.h"
#include "config/ConfigStore.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

using namespace pse;

namespace {

// Records what the configuration procedures asked of the window, in order.
class RecordingHost : public ConfigHost
{
public:
    QStringList calls;

    void setTemperatureText(const QString &text) override { calls << "txtT=" + text; }
    void setStepTempText(const QString &text) override { calls << "txtStepTemp=" + text; }
    void applyConfig() override { calls << "ApplyConfig"; }
    void setRepaintAllStates() override { calls << "repaintAllStates"; }
    void showError(const QString &message) override
    {
        calls << (message.isEmpty() ? "error without text" : "error");
    }
};

Settings savedSettings()
{
    Settings s;
    s.AutoStart = 1;
    s.AutoScroll = 1;
    s.TempStart = "300";
    s.TempEnd = "-6000";
    s.StepTemp = "25";
    s.StepAtom = "7";
    s.Language = 3;
    s.R_Color = "dn";
    s.B_Color = "0";
    s.Background = "back.jpg";
    s.RGBKruto = {10, 20, 30};
    s.RGBLegenda = {255, 255, 255};
    return s;
}

} // namespace

class TestConfigStore : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void readConfig_data();
    void readConfig();
    void writeThenRead_data();
    void writeThenRead();
    void failedSave_data();
    void failedSave();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    Settings m_settings;
    qint16 m_colourEditMode = 0;
    RecordingHost m_host;
};

void TestConfigStore::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_settings = savedSettings();
    m_colourEditMode = 0;
    m_host.calls.clear();
}

void TestConfigStore::readConfig_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("calls");

    const QStringList abandoned{"ApplyConfig"};
    QTest::newRow("no file") << QByteArray() << 0 << abandoned;
    QTest::newRow("only Language")
        << QByteArray("Language = 2\n") << 2 << QStringList{"txtT=0", "txtStepTemp=100"};
    QTest::newRow("sweep values") << QByteArray(
                                         "TempStart = 300 K\r\nStepTemp = 2.5\r\nLanguage = 1\r\n")
                                  << 1 << QStringList{"txtT=300", "txtStepTemp=2,5"};
    QTest::newRow("out of range") << QByteArray(
                                         "TempStart = 300\r\nLanguage = 1\r\nAutoStart = 40000\r\n")
                                  << 0 << abandoned;
}

void TestConfigStore::readConfig()
{
    QFETCH(QByteArray, file);
    QFETCH(int, language);
    QFETCH(QStringList, calls);

    if (!file.isNull())
        QVERIFY(writeAll(m_dir->filePath("quon_pse.cfg"), file));
    ConfigStore store(m_settings, m_colourEditMode, m_host, m_dir->path());
    store.ReadConfig(u',');

    QCOMPARE(m_settings.Language, qint16(language));
    QCOMPARE(m_colourEditMode, qint16(0));
    QCOMPARE(m_host.calls, calls);
}

void TestConfigStore::writeThenRead_data()
{
    QTest::addColumn<bool>("croatian");
    QTest::addColumn<QByteArray>("commentLine");
    QTest::newRow("Croatian") << true << QByteArray("\r\n# Konfiguracijska datoteka\r\n");
    QTest::newRow("English") << false << QByteArray("\r\n# Configuration file\r\n");
}

void TestConfigStore::writeThenRead()
{
    QFETCH(bool, croatian);
    QFETCH(QByteArray, commentLine);

    // A longer file before: the save replaces it whole and leaves nothing else behind.
    QVERIFY(writeAll(m_dir->filePath("quon_pse.cfg"), QByteArray(10000, '#')));
    {
        ConfigStore store(m_settings, m_colourEditMode, m_host, m_dir->path());
        QVERIFY(croatian ? store.WriteConfigHR() : store.WriteConfigEN());
    }
    QCOMPARE(m_host.calls, (QStringList{"repaintAllStates", "ApplyConfig"}));
    // Both writers use the name the reader looks for, whatever the file system does with case.
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{"quon_pse.cfg"});
    const QByteArray text = readAll(m_dir->filePath("quon_pse.cfg"));
    QVERIFY(text.contains(commentLine));
    QVERIFY(!text.contains("##"));

    Settings read;
    qint16 mode = 1;
    RecordingHost readHost;
    ConfigStore(read, mode, readHost, m_dir->path()).ReadConfig(u'.');

    Settings expected = savedSettings();
    expected.Background = m_dir->path() + "/back.jpg";
    QCOMPARE(read, expected);
    QCOMPARE(mode, qint16(1));
    QCOMPARE(readHost.calls, (QStringList{"txtT=300", "txtStepTemp=25"}));
}

void TestConfigStore::failedSave_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("read-only folder") << "read-only";
    // Root ignores a read-only folder; these two fail for every user.
    QTest::newRow("folder is a file") << "file";
    QTest::newRow("disk full halfway") << "full";
}

void TestConfigStore::failedSave()
{
    QFETCH(QString, how);
    const QString path = m_dir->filePath("quon_pse.cfg");
    const QByteArray old = "Language = 2\r\n";
    QVERIFY(writeAll(path, old));

    bool saved = true;
    if (how == u"file") {
        saved = ConfigStore(m_settings, m_colourEditMode, m_host, path).WriteConfigEN();
    } else if (how == u"read-only") {
        QFile::setPermissions(m_dir->path(), QFile::ReadOwner | QFile::ExeOwner);
        const bool permissionsBite = !writeAll(m_dir->filePath("probe"), "x");
        if (permissionsBite)
            saved =
                ConfigStore(m_settings, m_colourEditMode, m_host, m_dir->path()).WriteConfigHR();
        QFile::setPermissions(m_dir->path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (!permissionsBite)
            QSKIP("Running with rights that ignore a read-only folder");
    } else {
#ifdef Q_OS_UNIX
        // Files may grow to a little more than the old one: the new one is cut off halfway.
        rlimit previous{};
        getrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{rlim_t(old.size() + 100), previous.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
        saved = ConfigStore(m_settings, m_colourEditMode, m_host, m_dir->path()).WriteConfigHR();
        setrlimit(RLIMIT_FSIZE, &previous);
#else
        QSKIP("No file-size limit to simulate a full disk with");
#endif
    }
    QVERIFY(!saved);
    QCOMPARE(m_host.calls, QStringList{"error"});
    QCOMPARE(readAll(path), old);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{"quon_pse.cfg"});
    QCOMPARE(m_settings, savedSettings());
}

QTEST_GUILESS_MAIN(TestConfigStore)
#include "tst_configstore.moc"
