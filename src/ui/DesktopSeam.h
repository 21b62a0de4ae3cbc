#pragma once

#include <QString>

class QUrl;
class QWidget;

// Everything the program does to the desktop beyond its own window: message boxes, the file-open
// dialog, the clipboard, opening a web page, ending the program. Tests install a recording fake so
// that no test blocks on a modal window or ends the test process.
class DesktopSeam
{
public:
    enum class Icon { None, Information, Exclamation };

    virtual ~DesktopSeam() = default;

    virtual void showMessage(QWidget *parent, const QString &text, Icon icon = Icon::None);
    virtual QString chooseOpenFile(QWidget *parent, const QString &title, const QString &folder,
                                   const QString &filter);
    virtual QString clipboardText();
    virtual void setClipboardText(const QString &text);
    virtual void openUrl(const QUrl &url);
    // Ends the program at once: nothing is saved and no window is asked.
    virtual void endProgram();

    // The program's title, used for every message box.
    static QString programTitle();
};
