// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ProgramFolders.h"

#include "config/ConfigFile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace folders {

bool isWritable(const QString &folder)
{
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".quon-pse-probe-XXXXXX")));
    return probe.open();
}

bool isInstalled(const QString &programFolder)
{
    return QFileInfo::exists(QDir(programFolder).filePath(QStringLiteral("../share/quon-pse")));
}

QString configuration(const QString &programFolder)
{
    if (isWritable(programFolder) && !isInstalled(programFolder))
        return programFolder;
    const QString user = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    // A folder that cannot be made shows up as a failed save, with the system's reason.
    QDir().mkpath(user);
    return user + u'/';
}

QString configurationToRead(const QString &programFolder, const QString &configFolder)
{
    if (configFolder == programFolder)
        return configFolder;
    // The user's own folder comes first in this list.
    for (const QString &folder :
         QStandardPaths::standardLocations(QStandardPaths::AppConfigLocation)) {
        if (!pse::findConfigFile(folder).isEmpty())
            return folder + u'/';
    }
    return configFolder;
}

QStringList data(const QString &programFolder)
{
    QStringList all = {QDir::currentPath(), programFolder};
    // An installed program: <prefix>/bin beside <prefix>/share/quon-pse, wherever the prefix is.
    all << QDir::cleanPath(
        QDir(programFolder).absoluteFilePath(QStringLiteral("../share/quon-pse")));
    all << QStandardPaths::standardLocations(QStandardPaths::AppDataLocation);
    all.removeDuplicates();
    return all;
}

} // namespace folders
