// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FrmPeriodni.h"
#include "ui/DesktopSeam.h"
#include "version/Version.h"

#include <QApplication>
#include <QDir>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // The name picks the user's configuration and data folders of an installed program.
    QCoreApplication::setApplicationName(QStringLiteral("quon-pse"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(pse::versionText));
    DesktopSeam seam;
    const QString folder = QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + u'/');
    FrmPeriodni window(seam, folder);
    window.formLoad();
    window.show();
    return app.exec();
}
