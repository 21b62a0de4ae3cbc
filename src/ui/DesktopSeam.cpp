#include "ui/DesktopSeam.h"

#include "ui/DesignSurface.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

void DesktopSeam::showMessage(QWidget *parent, const QString &text, Icon icon, const QString &title)
{
    messageBox(parent, text, icon, title)->exec();
}

std::unique_ptr<QMessageBox> DesktopSeam::messageBox(QWidget *parent, const QString &text,
                                                     Icon icon, const QString &title)
{
    auto box = std::make_unique<QMessageBox>(parent);
    if (const DesignSurface *surface = DesignSurface::of(parent))
        box->setFont(surface->designFont(box->font(), 9.75));
    box->setWindowTitle(title.isEmpty() ? programTitle() : title);
    box->setText(text);
    box->setStandardButtons(QMessageBox::Ok);
    box->setIcon(icon == Icon::Information   ? QMessageBox::Information
                 : icon == Icon::Exclamation ? QMessageBox::Warning
                                             : QMessageBox::NoIcon);
    return box;
}

QString DesktopSeam::chooseOpenFile(QWidget *parent, const QString &title, const QString &folder,
                                    const QString &filter, const QString &selectedFilter)
{
    QString selected = selectedFilter;
    return QFileDialog::getOpenFileName(parent, title, folder, filter, &selected);
}

QString DesktopSeam::chooseSaveFile(QWidget *parent, const QString &title, const QString &path,
                                    const QString &filter, QString *selectedFilter)
{
    return QFileDialog::getSaveFileName(parent, title, path, filter, selectedFilter);
}

QString DesktopSeam::clipboardText()
{
    return QGuiApplication::clipboard()->text();
}

void DesktopSeam::setClipboardText(const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
}

void DesktopSeam::openUrl(const QUrl &url)
{
    QDesktopServices::openUrl(url);
}

void DesktopSeam::endProgram()
{
    QCoreApplication::exit(0);
}

QString DesktopSeam::programTitle()
{
    return QStringLiteral("quon-pse");
}
