// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/engine/CalculatorEngine.h"
#include "lang/TextBinder.h"

#include <QObject>

#include <array>
#include <functional>

class ClickableLabel;
class DesignSurface;
class DesktopSeam;
class QButtonGroup;
class QCheckBox;
class QFrame;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QLabel;
class QScrollBar;
class QTableWidget;

// The calculator where the element tile and panel stand: the input line, the key pad, the result
// and the number-format frame. It owns the engine and its state; the main window opens and closes
// it and hands it the keys of its keyboard handler.
class CalculatorPanel : public QObject
{
    Q_OBJECT

public:
    // The longest input the engine is known to finish quickly on.
    static constexpr int MaxInputLength = 32767;

    // decimalSeparator is the system's; random is the program's one generator.
    CalculatorPanel(DesignSurface *surface, DesktopSeam &seam, QChar decimalSeparator,
                    std::function<double()> random, QObject *parent = nullptr);

    void setOpen(bool open);
    bool isOpen() const;
    void applyLanguage(int languageIndex);

    const pse::CalculatorEngine &engine() const { return m_engine; }

    // The elements whose symbols formulas know, 109 or 118, as the settings choose; the next
    // evaluation uses it.
    void setElementCount(std::size_t count) { m_engine.elementCount = count; }

    // An element button's symbol, typed at the caret.
    void insertSymbol(const QString &symbol);
    void showInsertMenu(const QPoint &globalPosition);

    // The evaluation driver, run by Enter and by "=".
    void convertChem2Text();

    // The calculator's keys of the main window's keyboard handler.
    void resultIntoInput();
    void nextNumberMode();
    void storeMemory();
    void recallMemory();
    void nextAngleUnit();
    void clearInput();
    void powerKey(int digit);
    void rootKey(int digit);
    // Evaluates the line and shows the percentage composition of its formula, or says that it
    // is none.
    void showComposition();
    // The composition shown, as tab-separated lines that paste into a spreadsheet.
    QString compositionText() const;

    void cmdNum_Click(int index);
    void mnuIoni_Click(int index);
    void cmdClear_Click();
    void cmdCopy_Click();
    void cmdPaste_Click();
    void cmdHide_Click();
    void optNumber_Click(int index);
    void optRadDeg_Click(int index);
    void txtDecimala_Change();
    void chkTisuca_Click();

private:
    void buildPad(DesignSurface *surface);
    void buildNumberFrame(DesignSurface *surface);
    void buildCompositionFrame(DesignSurface *surface);
    // The selection replaced by text (inserted at the caret without one), focus back to the line.
    void replaceSelection(const QString &text);
    void refreshDisplay();
    // The selection for a power or root key, bracketed when it holds an operator.
    QString powerBase() const;

    pse::CalculatorEngine m_engine;
    DesktopSeam &m_seam;
    int m_languageIndex = 0;
    // The caret of the input line, kept at each evaluation and put back when the number-format
    // frame closes.
    int m_formulaCaret = 0;
    bool m_settingDecimals = false;

    QFrame *m_container = nullptr;
    QLineEdit *m_txtUnosFormule = nullptr;
    ClickableLabel *m_lblRezultat = nullptr;
    QMenu *m_mnuInsert = nullptr;
    QFrame *m_fraNumber = nullptr;
    QButtonGroup *m_optNumber = nullptr;
    QButtonGroup *m_optRadDeg = nullptr;
    QLineEdit *m_txtDecimala = nullptr;
    QScrollBar *m_vsbDecimala = nullptr;
    QCheckBox *m_chkTisuca = nullptr;
    std::array<QWidget *, 3> m_decimalsControls{};
    QFrame *m_fraSastav = nullptr;
    QTableWidget *m_tblSastav = nullptr;
    QLabel *m_lblNoFormula = nullptr;
    pse::lang::TextBinder m_texts;
};
