// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TableLabels.h"

#include "config/Settings.h"
#include "ui/ClickableLabel.h"
#include "ui/Colours.h"
#include "ui/DesignSurface.h"
#include "ui/ElementButton.h"

#include <QFrame>
#include <QLabel>

namespace {

using pse::lang::TextId;

// Chemical Abstracts Service labels of 1986 by column. Groups 8, 9 and 10 share "VIIIB", shown
// over the middle one.
constexpr const char *CasCaptions[18] = {"IA",   "IIA", "IIIB",  "IVB", "VB",   "VIB",
                                         "VIIB", "-",   "VIIIB", "-",   "IB",   "IIB",
                                         "IIIA", "IVA", "VA",    "VIA", "VIIA", "0"};

// Top of each group label: 240 twips above the first element of its column.
int groupTop(int group)
{
    if (group == 1 || group == 18)
        return 360;
    if (group == 2 || group >= 13)
        return 900;
    return 1980;
}

int groupWidth(int group)
{
    if (group == 9)
        return 480;
    return group <= 12 ? 375 : 500;
}

} // namespace

TableLabels::TableLabels(DesignSurface *surface, QObject *parent)
    : QObject(parent)
{
    for (int i = 0; i < 18; ++i) {
        const int group = i + 1;
        auto *label = new ClickableLabel(surface);
        label->setObjectName(QStringLiteral("Grupa_%1").arg(i));
        label->setText(QString::number(group));
        label->setAlignment(Qt::AlignCenter);
        // Centred over its column of 500-twip buttons.
        const int left = 330 + 480 * i + (500 - groupWidth(group)) / 2;
        surface->place(label, QRect(left, groupTop(group), groupWidth(group), 240), 8.25);
        connect(label, &ClickableLabel::clicked, this, [this, i] { Grupa_Click(i); });
        m_groups[std::size_t(i)] = label;
    }

    for (int i = 0; i < 7; ++i) {
        auto *label = new QLabel(QString::number(i + 1), surface);
        label->setObjectName(QStringLiteral("Perioda_%1").arg(i));
        label->setAlignment(Qt::AlignCenter);
        surface->place(label, QRect(i == 5 ? 60 : 75, 780 + 540 * i, 240, 255), 9.75);
        m_periods[std::size_t(i)] = label;
    }

    const struct
    {
        TextId name;
        int nameTop;
        const char *button;
        const char *caption;
        TextId tip;
        int buttonTop;
        const char *outline;
        int outlineTop;
    } rows[] = {{TextId::RowLanthanides, 4545, "cmdLantanoidi", "La-Lu", TextId::TipLanthanides,
                 3300, "picLantanoidi", 4725},
                {TextId::RowActinides, 5355, "cmdAktinoidi", "Ac-Lr", TextId::TipActinides, 3840,
                 "picAktinoidi", 5530}};
    for (int row = 0; row < 2; ++row) {
        const auto &r = rows[row];
        auto *name = new QLabel(surface);
        name->setObjectName(QStringLiteral("lblImePerioda_%1").arg(row));
        surface->place(name, QRect(1770, r.nameTop, 2400, 210), 8.25);
        m_texts.bind(r.name, name);
        m_rowNames[std::size_t(row)] = name;

        auto *outline = new QFrame(surface);
        outline->setObjectName(QString::fromLatin1(r.outline));
        outline->setAutoFillBackground(true);
        outline->hide();
        surface->place(outline, QRect(1740, r.outlineTop, 7290, 625), 0);
        outline->lower();
        m_outlines[std::size_t(row)] = outline;

        auto *button = new ElementButton(QString::fromLatin1(r.caption), surface);
        button->setObjectName(QString::fromLatin1(r.button));
        button->setFocusPolicy(Qt::StrongFocus);
        // A little under the elements' type: "La-Lu" is two symbols wide.
        surface->place(button, QRect(1290, r.buttonTop, 500, 550), 7.5);
        m_texts.bind(r.tip, button);
        connect(button, &QAbstractButton::clicked, this, [this, row] { fBlock_Click(row); });
        connect(button, &ElementButton::focusChanged, this, [this, row](bool has) {
            if (!has)
                fBlock_LostFocus(row);
        });
        m_fBlockButtons[std::size_t(row)] = button;
    }
}

void TableLabels::applySettings(const pse::Settings &settings)
{
    const QColor labelColour = settings.RGBSkupine.colour();
    for (QLabel *label : m_groups)
        colours::setText(label, labelColour);
    for (QLabel *label : m_periods)
        colours::setText(label, labelColour);
    m_legendColour = settings.RGBLegenda.colour();
    m_highlightColour = settings.RGBLantanoidi.colour();
    for (int row = 0; row < 2; ++row) {
        colours::setText(m_rowNames[std::size_t(row)], m_legendColour);
        m_fBlockButtons[std::size_t(row)]->setBackgroundColour(m_highlightColour);
        colours::setFill(m_outlines[std::size_t(row)], m_highlightColour);
    }
}

void TableLabels::applyLanguage(int languageIndex)
{
    m_languageIndex = languageIndex;
    m_texts.apply(languageIndex);
    // The CAS tooltip is the same in every language, so only the IUPAC one follows a switch.
    if (showsIupac()) {
        for (QLabel *label : m_groups)
            label->setToolTip(pse::lang::text(TextId::TipGroupIupac, languageIndex));
    }
}

bool TableLabels::showsIupac() const
{
    return m_groups.back()->text() == u"18";
}

void TableLabels::Grupa_Click(int)
{
    const bool toCas = showsIupac();
    const QString tip =
        toCas ? pse::lang::casGroupTip() : pse::lang::text(TextId::TipGroupIupac, m_languageIndex);
    for (std::size_t i = 0; i < m_groups.size(); ++i) {
        m_groups[i]->setText(toCas ? QString::fromLatin1(CasCaptions[i]) : QString::number(i + 1));
        m_groups[i]->setToolTip(tip);
    }
}

void TableLabels::setRowHighlight(int row, bool on)
{
    m_outlines[std::size_t(row)]->setVisible(on);
    colours::setText(m_rowNames[std::size_t(row)], on ? m_highlightColour : m_legendColour);
}

void TableLabels::fBlock_Click(int row)
{
    setRowHighlight(row, m_outlines[std::size_t(row)]->isHidden());
}

void TableLabels::fBlock_LostFocus(int row)
{
    setRowHighlight(row, false);
}
