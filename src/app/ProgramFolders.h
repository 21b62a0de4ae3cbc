// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// Where the program keeps and finds its files. A portable copy keeps everything in its own folder,
// as it always has; an installed program, whose folder the user may not write, keeps the
// configuration in the user's configuration folder and finds its help files in the installed
// data folder.
namespace folders {

// Whether a file can be created in `folder`: tried, not guessed from permission bits.
bool isWritable(const QString &folder);

// Whether the program is installed: <prefix>/bin with <prefix>/share/quon-pse beside it.
bool isInstalled(const QString &programFolder);

// The folder of the configuration file and of relative background pictures, ending in "/": the
// program's own for a portable copy (a writable folder that is no installation), otherwise the
// user's configuration folder for this program (created when missing). Root running an installed
// program so keeps its settings in its home too, not among the system's programs.
QString configuration(const QString &programFolder);

// The folder whose configuration file start-up reads, ending in "/". A portable copy reads only
// its own (`configFolder` is then `programFolder`). An installed program reads the user's own file
// when there is one, otherwise the first school-wide quon-pse/quon_pse.cfg in the system's
// configuration folders (/etc/xdg, or those XDG_CONFIG_DIRS names), otherwise none. Save always
// writes `configFolder`, so a user's own file wins from then on.
QString configurationToRead(const QString &programFolder, const QString &configFolder);

// Where the help files and the web page are looked for, in order: the current folder, the
// program's folder, then the installed data folders.
QStringList data(const QString &programFolder);

} // namespace folders
