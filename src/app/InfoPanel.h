// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "elements/ElementRecord.h"
#include "lang/TextBinder.h"

#include <QColor>
#include <QObject>

#include <array>
#include <vector>

class DesignSurface;
class ElementButton;
class FittingLabel;
class FittingTextBox;
class QFrame;
class QLabel;
class QScrollBar;
class TrailingLabel;
struct PropertyTables;

// The element tile (symbol, name, atomic number, relative atomic mass) and, beside it, the paged
// information panel: a 7000-twip frame of caption and value rows seen through a 1450-twip
// viewport, five pages of 1400 twips each.
class InfoPanel : public QObject
{
    Q_OBJECT

public:
    static constexpr int PageHeight = 1400;
    static constexpr int LastPage = 5600;
    static constexpr int FrameHeight = 7000;
    static constexpr int ViewportHeight = 1450;

    // What showing an element reads from the window's shared state.
    struct Context
    {
        const PropertyTables &tables;
        qint16 languageIndex = 0;
        bool kelvinScale = true;
        QChar decimalSeparator = u'.';
    };

    explicit InfoPanel(DesignSurface *surface, QObject *parent = nullptr);

    // The button index on show (0..109; 0 is the extra hydrogen button), kept from the last
    // showElement so that nothing has to read it back from a caption.
    int shownIndex() const { return m_shownIndex; }
    void setTileColour(const QColor &colour);
    // The tile and the panel make room for the calculator, and come back; shown, the scroll bar
    // takes the focus.
    void setShown(bool shown);
    void setPageButtonColour(const QColor &colour);
    // The captions and tooltips of the language, and the shown element's name in it.
    void applyLanguage(int languageIndex);

    // Shows the element of button `index` (0..109; 0 repeats hydrogen) whose caption is `symbol`:
    // looks it up, fills the tile and every row, and paints the tile in `tileColour`. The scroll
    // position stays where it is. A change of temperature unit calls this again to redo the rows.
    void showElement(int index, const QString &symbol, const Context &context,
                     const QColor &tileColour);

    // Next page; after the last one back to the first. The scroll bar takes the focus.
    void cmdPageDn_Click();
    // The next page, or the one before (the last one from the first), the focus staying where it
    // is: the keyboard's and the clicker's paging.
    void turnPage(bool forward);
    void vsbSvojstva_Change();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // A caption and its value below it; with a unit, the value's tooltip and, right after its
    // text, the unit in a label of its own named unitName.
    template <typename Label = QLabel>
    Label *valueLabel(const char *name, const char *captionName, pse::lang::TextId caption, int top,
                      const QString &tip = {}, const char *unit = nullptr,
                      const char *unitName = nullptr);
    void createTile(DesignSurface *surface);
    void createPanel(DesignSurface *surface);
    void createNameLabels(DesignSurface *surface);

    DesignSurface *m_surface;
    ElementRecord m_record;
    int m_shownIndex = 1;
    int m_wheelDelta = 0;
    pse::lang::TextBinder m_texts;

    QFrame *m_picElement = nullptr;
    QLabel *m_lblSimbol = nullptr;
    FittingLabel *m_lblIme = nullptr;
    QLabel *m_lblBroj = nullptr;
    QLabel *m_lblAtomMas = nullptr;
    // Croatian, English, German, French, Italian, in language-index order.
    std::array<QLabel *, 5> m_nameLabels{};

    QFrame *m_viewport = nullptr;
    QFrame *m_fraSvojstva = nullptr;
    QScrollBar *m_vsbSvojstva = nullptr;
    ElementButton *m_cmdPageDn = nullptr;

    QLabel *m_lblElConfig = nullptr;
    QLabel *m_lblGodOtkrice = nullptr;
    FittingTextBox *m_txtOtkrio = nullptr;
    QLabel *m_lblTempTaljenja = nullptr;
    QLabel *m_lblTempVrenja = nullptr;
    QLabel *m_lblTopTaljenja = nullptr;
    QLabel *m_lblTopVrenja = nullptr;
    QLabel *m_lblOxidBroj = nullptr;
    QLabel *m_lblElektroNeg = nullptr;
    QLabel *m_lblRadijus = nullptr;
    QLabel *m_lblTopVodljiv = nullptr;
    QLabel *m_lblElVodljiv = nullptr;
    QLabel *m_lblMolVolumen = nullptr;
    QLabel *m_lblGustoca = nullptr;
    TrailingLabel *m_densityUnit = nullptr;
    std::vector<TrailingLabel *> m_units;
};
