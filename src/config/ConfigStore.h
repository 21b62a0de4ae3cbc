#pragma once

#include "config/ConfigFile.h"
#include "config/Settings.h"

#include <QString>
#include <QtGlobal>

namespace pse {

class ConfigHost;

// The configuration procedures of the main window: reading the file at start-up, restoring the
// defaults, and the two writers that the configuration dialog's Save calls. The Settings record and
// colourEditMode belong to the main window; this class works on them in place.
class ConfigStore
{
public:
    // colourEditMode value that marks an abandoned read until SetDefaultConfig has re-applied the
    // defaults; 0..2 belong to the configuration dialog.
    static constexpr qint16 abandonedReadMode = 3;

    // `programFolder` is the folder of the executable.
    ConfigStore(Settings &settings, qint16 &colourEditMode, ConfigHost &host,
                const QString &programFolder);

    // Every field back to its default. After an abandoned read it also re-applies the settings, so
    // the window never keeps a half-read file's colours.
    void SetDefaultConfig();

    // Start-up: fills the Settings from the file, then hands the start temperature and the sweep
    // step to the window. A missing or broken file gives the defaults silently. The sweep values
    // are kept with `decimalSeparator`, the one the system shows numbers with.
    void ReadConfig(QChar decimalSeparator);

    // Save with Croatian or English comments. The dialog stores its values into the Settings
    // before calling and closes itself only when this returns true. On failure the platform's
    // message is shown, the old file is left as it was, and the window is not re-applied.
    bool WriteConfigHR();
    bool WriteConfigEN();

    // The folder as used for paths, always ending in "/".
    QString programFolder() const { return m_programFolder; }

private:
    bool write(ConfigLanguage language);

    Settings &m_settings;
    qint16 &m_colourEditMode;
    ConfigHost &m_host;
    QString m_programFolder;
};

} // namespace pse
