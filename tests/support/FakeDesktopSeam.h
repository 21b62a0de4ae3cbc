// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/DesktopSeam.h"

#include <QPrinter>
#include <QStringList>
#include <QUrl>

// Records what the program asks of the desktop instead of doing it, so no test blocks on a modal
// window or ends the test process.
class FakeDesktopSeam : public DesktopSeam
{
public:
    void showMessage(QWidget *, const QString &text, Icon icon, const QString &title) override
    {
        messages << text;
        lastIcon = icon;
        lastTitle = title;
    }
    bool confirm(QWidget *, const QString &text) override
    {
        questions << text;
        return answerYes;
    }
    QString chooseOpenFile(QWidget *, const QString &, const QString &, const QString &filter,
                           const QString &selected) override
    {
        lastFilter = filter + u'|' + selected;
        return fileToChoose;
    }
    QString chooseSaveFile(QWidget *, const QString &, const QString &, const QString &filter,
                           QString *selected) override
    {
        lastFilter = filter;
        if (selected)
            *selected = filterToChoose;
        return fileToChoose;
    }
    // With printToFile set the "printer" is a PDF file there; without, the user cancels.
    bool choosePrinter(QWidget *, QPrinter &printer) override
    {
        ++printRequests;
        if (printToFile.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printToFile);
        return true;
    }
    QString clipboardText() override { return clipboard; }
    void setClipboardText(const QString &text) override { clipboard = text; }
    void openUrl(const QUrl &url) override { urls << url; }
    void endProgram() override { ++endRequests; }

    QStringList messages;
    QStringList questions;
    bool answerYes = false;
    Icon lastIcon = Icon::None;
    QString lastTitle;
    QString lastFilter;
    QString fileToChoose;
    QString filterToChoose;
    QString clipboard;
    QString printToFile;
    int printRequests = 0;
    QList<QUrl> urls;
    int endRequests = 0;
};
