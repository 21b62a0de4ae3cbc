// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "config/ConfigFile.h"
#include "config/Settings.h"

#include <QColor>
#include <QString>
#include <QtGlobal>

#include <array>

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
    // are kept with `decimalSeparator`, the one the system shows numbers with. The file is read
    // from `folder` when given (a school-wide one), which also holds its relative pictures.
    void ReadConfig(QChar decimalSeparator, const QString &folder = {});

    // Save the Settings as they are, with Croatian or English comments. On failure the
    // platform's message is shown, the old file is left as it was, and the window is not
    // re-applied.
    bool WriteConfigHR();
    bool WriteConfigEN();

    // Save from the configuration dialog: `candidate` is written first, and only once the file is
    // complete on disk does it become the Settings, with every button repainted and the window
    // re-applied. A failed write shows the platform's reason and changes nothing, so the dialog
    // can stay open with what the user typed and the next try starts from the same Settings.
    bool save(const Settings &candidate, ConfigLanguage language);

    // The folder as used for paths, always ending in "/".
    QString programFolder() const { return m_programFolder; }

    // Where a background picture named `name` is looked for: the same place the reader would
    // take it from, so a picture shown in the dialog is the one the window shows after saving.
    QString backgroundPath(const QString &name) const;

private:
    Settings &m_settings;
    qint16 &m_colourEditMode;
    ConfigHost &m_host;
    QString m_programFolder;
};

// The 256 bands of the background gradient from top to bottom, one component each from "dn"
// (255 down to 0), "up" (0 up to 255) or a number. A number outside 0..255, possible in a
// hand-edited file or a dialog box, is painted as the nearer end of the range.
std::array<QColor, 256> gradientBands(const QString &red, const QString &green,
                                      const QString &blue);

} // namespace pse
