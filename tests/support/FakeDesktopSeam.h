#pragma once

#include "ui/DesktopSeam.h"

#include <QStringList>

// Records what the program asks of the desktop instead of doing it, so no test blocks on a modal
// window or ends the test process.
class FakeDesktopSeam : public DesktopSeam
{
public:
    void showMessage(QWidget *, const QString &text, Icon) override { messages << text; }
    QString chooseOpenFile(QWidget *, const QString &, const QString &, const QString &) override
    {
        return fileToChoose;
    }
    QString clipboardText() override { return clipboard; }
    void setClipboardText(const QString &text) override { clipboard = text; }
    void openUrl(const QUrl &) override { ++urlsOpened; }
    void endProgram() override { ++endRequests; }

    QStringList messages;
    QString fileToChoose;
    QString clipboard;
    int urlsOpened = 0;
    int endRequests = 0;
};
