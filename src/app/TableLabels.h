// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lang/TextBinder.h"

#include <QObject>

#include <array>

class ClickableLabel;
class DesignSurface;
class ElementButton;
class QFrame;
class QLabel;

namespace pse {
struct Settings;
}

// The labels that name the table's structure: the group labels above the columns (IUPAC or CAS
// numbering, switched by a click), the period labels, the names of the lanthanide and actinide
// rows, and the two buttons in the table's gaps that highlight those rows while they have the
// focus.
class TableLabels : public QObject
{
    Q_OBJECT

public:
    explicit TableLabels(DesignSurface *surface, QObject *parent = nullptr);

    void applySettings(const pse::Settings &settings);
    void applyLanguage(int languageIndex);

    // Every label switches the whole row of group labels; which one was clicked does not matter.
    void Grupa_Click(int index);
    // row 0 the lanthanides, 1 the actinides.
    void fBlock_Click(int row);
    void fBlock_LostFocus(int row);

private:
    bool showsIupac() const;
    void setRowHighlight(int row, bool on);

    std::array<ClickableLabel *, 18> m_groups{};
    std::array<QLabel *, 7> m_periods{};
    std::array<QLabel *, 2> m_rowNames{};
    std::array<ElementButton *, 2> m_fBlockButtons{};
    std::array<QFrame *, 2> m_outlines{};
    QColor m_legendColour{0, 0, 0};
    QColor m_highlightColour{255, 255, 0};
    int m_languageIndex = 0;
    pse::lang::TextBinder m_texts;
};
