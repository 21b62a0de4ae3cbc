#include "config/ConfigStore.h"

#include "config/ConfigHost.h"

#include <QDateTime>

namespace pse {

ConfigStore::ConfigStore(Settings &settings, qint16 &colourEditMode, ConfigHost &host,
                         const QString &programFolder)
    : m_settings(settings)
    , m_colourEditMode(colourEditMode)
    , m_host(host)
    , m_programFolder(programFolder)
{
    // A relative background picture name is joined to the folder by plain concatenation.
    if (!m_programFolder.isEmpty() && !m_programFolder.endsWith(u'/') &&
        !m_programFolder.endsWith(u'\\'))
        m_programFolder += u'/';
}

void ConfigStore::SetDefaultConfig()
{
    m_settings = Settings{};
    if (m_colourEditMode == abandonedReadMode) {
        m_colourEditMode = 0;
        m_host.applyConfig();
    }
}

void ConfigStore::ReadConfig(QChar decimalSeparator)
{
    SetDefaultConfig();
    const ReadResult result = readConfigFile(m_programFolder, decimalSeparator);
    if (result.abandoned) {
        m_colourEditMode = abandonedReadMode;
        SetDefaultConfig();
        return;
    }
    m_settings = result.settings;
    m_host.setTemperatureText(m_settings.TempStart);
    m_host.setStepTempText(m_settings.StepTemp);
}

bool ConfigStore::WriteConfigHR()
{
    return write(ConfigLanguage::Croatian);
}

bool ConfigStore::WriteConfigEN()
{
    return write(ConfigLanguage::English);
}

bool ConfigStore::write(ConfigLanguage language)
{
    const QByteArray text = configFileText(m_settings, language, QDateTime::currentDateTime());
    if (const auto error = writeConfigFile(configFilePath(m_programFolder), text)) {
        m_host.showError(*error);
        return false;
    }
    m_host.setRepaintAllStates();
    m_host.applyConfig();
    return true;
}

} // namespace pse
