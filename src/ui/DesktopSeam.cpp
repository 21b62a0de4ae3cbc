#include "ui/DesktopSeam.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QUrl>

void DesktopSeam::showMessage(QWidget *parent, const QString &text, Icon icon, const QString &title)
{
    QMessageBox box(parent);
    box.setWindowTitle(title.isEmpty() ? programTitle() : title);
    box.setText(text);
    box.setStandardButtons(QMessageBox::Ok);
    box.setIcon(icon == Icon::Information   ? QMessageBox::Information
                : icon == Icon::Exclamation ? QMessageBox::Warning
                                            : QMessageBox::NoIcon);
    box.exec();
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

bool DesktopSeam::choosePrinter(QWidget *parent, QPrinter &printer)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
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
