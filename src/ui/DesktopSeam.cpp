#include "ui/DesktopSeam.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

void DesktopSeam::showMessage(QWidget *parent, const QString &text, Icon icon)
{
    QMessageBox box(parent);
    box.setWindowTitle(programTitle());
    box.setText(text);
    box.setStandardButtons(QMessageBox::Ok);
    box.setIcon(icon == Icon::Information   ? QMessageBox::Information
                : icon == Icon::Exclamation ? QMessageBox::Warning
                                            : QMessageBox::NoIcon);
    box.exec();
}

QString DesktopSeam::chooseOpenFile(QWidget *parent, const QString &title, const QString &folder,
                                    const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, title, folder, filter);
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
