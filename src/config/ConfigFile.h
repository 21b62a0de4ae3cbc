// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "config/Settings.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QLocale>
#include <QString>

#include <optional>

// The configuration file "quon_pse.cfg" as bytes: turning it into Settings and back, and moving it
// between memory and disk. Nothing here touches a widget, so the tests and the fuzz target use it
// with Qt Core alone.
namespace pse {

enum class ConfigLanguage { Croatian, English };

// Both writers store the file under this one name and the reader looks for it first. On a file
// system that tells letter case apart, a Croatian save under a capitalised name of its own would
// be a second file that the next start never reads.
inline constexpr char configFileName[] = "quon_pse.cfg";

// The real file is about 3 KB. A file larger than this is not one the program or a teacher wrote,
// and is treated like an unreadable one: the read is abandoned and the defaults stay. One MiB still
// leaves room for pages of the teacher's own comments.
inline constexpr qint64 maxConfigFileBytes = 1024 * 1024;

// Fills `out` from the text of a configuration file. Returns false when the read is abandoned
// because a whole-number value lies outside -32768..32767; `out` then holds the defaults.
// `programFolder` (ending in a separator) is put in front of a relative background picture name.
// The sweep values and numeric gradient components are stored in the system's number format, that
// is with `decimalSeparator` in place of the "." the file uses.
bool parseConfig(QByteArrayView bytes, const QString &programFolder, Settings &out,
                 QChar decimalSeparator = u'.');

// The whole file as the writers store it: comments in the chosen language, CR LF after every line,
// UTF-8. The first line carries `now` in the short date-and-time format of `locale`.
QByteArray configFileText(const Settings &settings, ConfigLanguage language, const QDateTime &now,
                          const QLocale &locale = QLocale::system());

struct ReadResult
{
    Settings settings;
    bool abandoned = true;
};

// The picture a Background value names: blanks trimmed, and a relative name (no ":", longer than
// three characters, not starting at a root) taken from `programFolder`, which ends in a separator.
QString backgroundPath(QStringView value, const QString &programFolder);

// Where the writers store the file: configFileName in `programFolder`.
QString configFilePath(const QString &programFolder);

// The file the reader opens: configFileName in `programFolder`, or failing that a regular file
// whose name differs from it only in letter case, as a Croatian save on a case-insensitive system
// leaves behind ("Quon_PSE.cfg") when the folder is copied elsewhere. Empty when there is none.
QString findConfigFile(const QString &programFolder);

// Reads and parses the configuration file of `programFolder`. A missing, unreadable or oversized
// file, or a value out of range, gives the defaults with `abandoned` set.
ReadResult readConfigFile(const QString &programFolder, QChar decimalSeparator = u'.');

// Replaces the file at `path` with `bytes` all at once: either the new content is complete on disk
// or the old file is untouched. Returns the platform's description of the failure, if any.
std::optional<QString> writeConfigFile(const QString &path, const QByteArray &bytes);

} // namespace pse
