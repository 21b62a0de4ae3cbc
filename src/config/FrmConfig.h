// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "config/ColourTriple.h"
#include "config/Settings.h"
#include "lang/TextBinder.h"

#include <QString>
#include <QWidget>
#include <QtGlobal>

#include <array>

class ClickableLabel;
class DesignSurface;
class DesktopSeam;
class ElementButton;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QScrollBar;

namespace pse {

class ConfigStore;

// frmConfig, the settings window: the seven colours of the table, the background (a gradient or a
// picture), the four sweep values, three switches, the language, and two switches beyond the
// original ones (the full table of 118 elements, the narration of the sweep). It works on a copy
// held in its own controls and fields, previews it on its own surface, and leaves the Settings
// alone until Save. Save, Cancel and closing the window destroy it; the next opening builds it anew
// from the Settings.
class FrmConfig : public QWidget
{
    Q_OBJECT

public:
    // The colour slots, in the order of their option buttons optSetBoja.
    enum Slot { Background, Groups, Legend, Gas, Liquid, Solid, Unknown, Lanthanides, SlotCount };

    // `colourEditMode` is the program-wide value the dialog shares with the configuration reader:
    // 1 while the dialog loads or resets and while a slot 1..7 is edited, 2 while the program
    // fills the colour boxes, 0 while the background is edited and may be drawn. `store` saves
    // and applies; `settings` are read when the dialog is built and never written here.
    FrmConfig(const Settings &settings, qint16 &colourEditMode, ConfigStore &store,
              DesktopSeam &seam, QWidget *parent = nullptr);
    ~FrmConfig() override;

    void applyLanguage(int languageIndex) { m_texts.apply(languageIndex); }

    // The Settings the dialog's values make, as Save would store them.
    Settings StoreDialogSettings() const;
    // Paints the sample buttons and texts and the background gradient from the working copy;
    // does nothing unless the background slot is being edited (colourEditMode 0).
    void DrawBackgroundPreview();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildColours();
    void buildComponentFrame(int component);
    void buildBackground();
    void buildNoFilePanel();
    void buildSweep();
    void buildLanguage();
    void buildCommands();

    void Form_Load();
    // Fills the working copy and the controls from s; the colour boxes follow the slot chosen.
    void showValues(const Settings &s);
    void optSetBoja_Click(int slot);
    void txtBoja_Change(int component);
    void vsbBoja_Change(int component);
    void txtBackground_Change();
    void txtBackground_Enter();
    void cmdOpen_Click();
    void cmdFind_Click();
    void cmdClose_Click();
    void cmdDefault_Click();
    void cmdSave_Click();
    void cmdCancel_Click() { close(); }

    // Checks the slot's option button and runs its click.
    void selectSlot(int slot);
    // Selects the option of a background component that its working text stands for.
    void showGradientChoice(int component);
    void paintSlotPreview(int slot);
    void setComponentFramesEnabled(bool enabled);
    // Shows the picture named `name` on the dialog's surface; with `report` a missing one opens
    // the not-found panel and an unreadable one is told in a message.
    void showPicture(const QString &name, bool report);

    const Settings &m_settings;
    qint16 &m_colourEditMode;
    ConfigStore &m_store;
    DesktopSeam &m_seam;
    DesignSurface *m_surface;

    std::array<QRadioButton *, SlotCount> m_optSetBoja{};
    std::array<ElementButton *, 5> m_cmdNewElement{};
    std::array<ClickableLabel *, 2> m_lblPreview{};
    // Red, green, blue: the frames, their options (falling, rising, fixed), boxes and bars.
    std::array<QGroupBox *, 3> m_fraComponent{};
    std::array<std::array<QRadioButton *, 3>, 3> m_optComponent{};
    std::array<QLineEdit *, 3> m_txtBoja{};
    std::array<QScrollBar *, 3> m_vsbBoja{};
    QLineEdit *m_txtBackground = nullptr;
    QGroupBox *m_fraNoFile = nullptr;
    QLabel *m_lblNoFile = nullptr;
    // TempStart, TempEnd, StepTemp, StepAtom.
    std::array<QLineEdit *, 4> m_sweepBoxes{};
    QCheckBox *m_chkStart = nullptr;
    QCheckBox *m_chkClose = nullptr;
    QCheckBox *m_chkScroll = nullptr;
    // Beyond the original dialog: the full table of 118 elements and the sweep's narration.
    QCheckBox *m_fullTableCheck = nullptr;
    QCheckBox *m_narrationCheck = nullptr;
    std::array<QRadioButton *, 5> m_optJezik{};

    // The working copy beyond what the controls hold: the colours of slots 1..7 (slot 0 unused),
    // the background components as "dn", "up" or a number, the slot being edited and the
    // language, which stays as loaded (even outside 0..4) until an option is chosen.
    std::array<ColourTriple, SlotCount> m_triples{};
    std::array<QString, 3> m_gradient;
    int m_slot = Background;
    qint16 m_language = 0;

    lang::TextBinder m_texts;
};

} // namespace pse
