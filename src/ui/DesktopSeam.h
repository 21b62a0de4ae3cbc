// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <memory>

class QMessageBox;
class QPrinter;
class QUrl;
class QWidget;

// Everything the program does to the desktop beyond its own windows: message boxes, the file
// dialogs, the print dialog, the clipboard, opening a web page, ending the program. Tests install a
// recording fake so that no test blocks on a modal window or ends the test process.
class DesktopSeam
{
public:
    enum class Icon { None, Information, Exclamation };

    virtual ~DesktopSeam() = default;

    // A message with an OK button; the title is the program's unless one is given.
    virtual void showMessage(QWidget *parent, const QString &text, Icon icon = Icon::None,
                             const QString &title = {});
    // A question with Yes and No, No the default; true for Yes.
    virtual bool confirm(QWidget *parent, const QString &text);
    // The platform's file dialogs; an empty path when the user cancels. filter is in Qt's form
    // ("Pictures (*.png *.jpg);;All files (*)"), selectedFilter one of its entries.
    virtual QString chooseOpenFile(QWidget *parent, const QString &title, const QString &folder,
                                   const QString &filter, const QString &selectedFilter = {});
    // selectedFilter, when given, receives the filter entry the user chose.
    virtual QString chooseSaveFile(QWidget *parent, const QString &title, const QString &path,
                                   const QString &filter, QString *selectedFilter = nullptr);
    // The system's print dialog for `printer`, which it sets up; false when the user cancels.
    virtual bool choosePrinter(QWidget *parent, QPrinter &printer);
    virtual QString clipboardText();
    virtual void setClipboardText(const QString &text);
    // Opens a page with the desktop's own handler; a failure is passed over.
    virtual void openUrl(const QUrl &url);
    // Ends the program at once: nothing is saved and no window is asked.
    virtual void endProgram();

    // The program's title, used for every message box.
    static QString programTitle();
    // The box showMessage shows, in the type of the window it belongs to, so that it is as
    // readable on a projector as the window behind it.
    static std::unique_ptr<QMessageBox> messageBox(QWidget *parent, const QString &text, Icon icon,
                                                   const QString &title);
};
