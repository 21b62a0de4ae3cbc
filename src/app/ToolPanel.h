// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lang/TextBinder.h"

#include <QObject>
#include <QStringList>

#include <array>

class ClickableLabel;
class DesignSurface;
class DesktopSeam;
class DrawnButton;
class QFrame;
class QPlainTextEdit;

namespace pse {
struct Settings;
}

// The four tool buttons (calculator, element data, settings, help), the help panel, the
// information image with the project's lines and the link to the program's web page.
class ToolPanel : public QObject
{
    Q_OBJECT

public:
    // The program's web page: a page of its own that ships beside it, since the project has no
    // address on the web that it could honestly name.
    static constexpr char WebPageFile[] = "quon-pse.html";

    ToolPanel(DesignSurface *surface, DesktopSeam &seam, QObject *parent = nullptr);

    void applySettings(const pse::Settings &settings);
    void applyLanguage(int languageIndex, const QString &version);

    // The calculator's button lies over the element-data button; hiding it uncovers the other.
    void showCalculatorButton(bool shown);

    // Reads the help file of the language anew, then shows the panel if it was hidden and hides it
    // if it was shown. helpFolders are searched in order for the file.
    void toggleHelp(int languageIndex, const QStringList &helpFolders);
    void hideHelp();
    bool helpShown() const;

    void imgInfoPSE_Click();
    // The language flags, each asking for its language.
    void imgHR_Click() { emit languageChosen(0); }
    void imgEN_Click() { emit languageChosen(1); }
    void imgDE_Click() { emit languageChosen(2); }
    void imgFR_Click() { emit languageChosen(3); }
    void imgIT_Click() { emit languageChosen(4); }
    // As a click on the flag of a language index as the configuration holds it; Croatian's for any
    // other index.
    void clickFlag(int languageIndex);
    // pageFolders are searched in order for the web page.
    void lblURL_Click(const QStringList &pageFolders);

signals:
    void toolClicked(int index);
    // A flag: 0 Croatian, 1 English, 2 German, 3 French, 4 Italian.
    void languageChosen(int languageIndex);
    // A click on the web page's link or on the labels beside it.
    void webPageClicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildHelp();
    void buildMakerLines(DesignSurface *surface);
    void buildFlags(DesignSurface *surface);
    void setLinkHighlighted(bool on);

    DesktopSeam &m_seam;
    DesignSurface *m_surface;
    std::array<DrawnButton *, 4> m_cmdIzbornik{};
    QFrame *m_fraHelp = nullptr;
    QPlainTextEdit *m_txtHlpMM = nullptr;
    DrawnButton *m_imgInfoPSE = nullptr;
    ClickableLabel *m_lblURL = nullptr;
    ClickableLabel *m_lblMyWeb = nullptr;
    QWidget *m_imgBojaLinka = nullptr;
    std::array<QWidget *, 5> m_captions{};
    QColor m_legendColour{0, 0, 0};
    QString m_infoText;
    int m_languageIndex = 0;
    pse::lang::TextBinder m_texts;
};
