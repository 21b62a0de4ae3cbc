// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/ConfigStore.h"

#include "config/ConfigHost.h"
#include "ui/NumberRule.h"

#include <QDateTime>

#include <algorithm>

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

void ConfigStore::ReadConfig(QChar decimalSeparator, const QString &folder)
{
    SetDefaultConfig();
    const ReadResult result =
        readConfigFile(folder.isEmpty() ? m_programFolder : folder, decimalSeparator);
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
    return save(m_settings, ConfigLanguage::Croatian);
}

bool ConfigStore::WriteConfigEN()
{
    return save(m_settings, ConfigLanguage::English);
}

bool ConfigStore::save(const Settings &candidate, ConfigLanguage language)
{
    const QByteArray text = configFileText(candidate, language, QDateTime::currentDateTime());
    if (const auto error = writeConfigFile(configFilePath(m_programFolder), text)) {
        m_host.showError(*error);
        return false;
    }
    m_settings = candidate;
    m_host.setRepaintAllStates();
    m_host.applyConfig();
    return true;
}

QString ConfigStore::backgroundPath(const QString &name) const
{
    return pse::backgroundPath(name, m_programFolder);
}

namespace {

int gradientComponent(const QString &setting, int band)
{
    if (setting == u"dn")
        return 255 - band;
    if (setting == u"up")
        return band;
    return std::clamp<int>(clampToWhole16(leadingNumber(setting)), 0, 255);
}

} // namespace

std::array<QColor, 256> gradientBands(const QString &red, const QString &green, const QString &blue)
{
    std::array<QColor, 256> bands;
    for (int i = 0; i < 256; ++i)
        bands[std::size_t(i)] = QColor(gradientComponent(red, i), gradientComponent(green, i),
                                       gradientComponent(blue, i));
    return bands;
}

} // namespace pse
