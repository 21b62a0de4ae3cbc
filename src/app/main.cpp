#include "app/FrmPeriodni.h"
#include "ui/DesktopSeam.h"

#include <QApplication>
#include <QDir>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    DesktopSeam seam;
    const QString folder = QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + u'/');
    FrmPeriodni window(seam, folder);
    window.formLoad();
    window.show();
    return app.exec();
}
