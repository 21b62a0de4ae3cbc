// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DesktopSeam.h"

#include "ui/DesignSurface.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPrintDialog>
#include <QScreen>
#include <QUrl>

void DesktopSeam::showMessage(QWidget *parent, const QString &text, Icon icon, const QString &title)
{
    messageBox(parent, text, icon, title)->exec();
}

bool DesktopSeam::confirm(QWidget *parent, const QString &text)
{
    const auto box = messageBox(parent, text, Icon::Exclamation, {});
    box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box->setDefaultButton(QMessageBox::No);
    return box->exec() == QMessageBox::Yes;
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
    // The box wraps its lines at a width meant for the desktop's small type; in the window's
    // larger type it is as wide as its longest line, as far as the screen allows.
    if (auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"))) {
        const QFontMetricsF metrics(box->font());
        qreal longest = 0;
        for (const QString &line : text.split(u'\n'))
            longest = std::max(longest, metrics.horizontalAdvance(line + QStringLiteral("  ")));
        const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
        label->setMinimumWidth(int(std::min(longest, screen->availableSize().width() * 0.8)));
    }
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
