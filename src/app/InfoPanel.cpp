// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/InfoPanel.h"

#include "calc/engine/NumberFormat.h"
#include "elements/ElementDatabase.h"
#include "lang/Units.h"
#include "table/ElementGrid.h"
#include "temperature/PropertyTables.h"
#include "temperature/StateOfMatter.h"
#include "ui/Colours.h"
#include "ui/DesignSurface.h"
#include "ui/ElementButton.h"
#include "ui/FittingLabel.h"
#include "ui/FittingTextBox.h"
#include "ui/Overlay.h"
#include "ui/TrailingLabel.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <charconv>
#include <cstdlib>

namespace {

using pse::lang::TextId;

// The panel's frame is as wide as its viewport; rows are inset so that no text touches the edge.
constexpr int ViewportLeft = 2730;
constexpr int ViewportTop = 150;
constexpr int ViewportWidth = 3090;
constexpr int ScrollBarWidth = 255;
constexpr int CaptionLeft = 105;
constexpr int ValueLeft = 225;
constexpr int RightMargin = 75;
// Each a line's full height, accents and descenders included.
constexpr int CaptionHeight = 190;
constexpr int ValueHeight = 260;
constexpr qreal CaptionPoints = 8;
constexpr qreal ValuePoints = 11;
const QColor CaptionColour(0, 0, 128);

// The viewport is 50 twips taller than a page, so every page keeps its first 50 twips empty and the
// next page's first caption never peeks in at the bottom.
constexpr int rowTop(int page, int offset)
{
    return page * InfoPanel::PageHeight + offset;
}

QString missing()
{
    return QStringLiteral("?");
}

// The shortest decimal text that reads back as the same single-precision value, written the way
// the system writes numbers. Fixed notation: the panel's values are far from needing exponents.
QString singleText(float value, QChar decimalSeparator)
{
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    QString text = QString::fromLatin1(buffer, result.ptr - buffer);
    text.replace(u'.', decimalSeparator);
    return text;
}

QString optionalSingle(float value, QChar decimalSeparator)
{
    return value == 0 ? missing() : singleText(value, decimalSeparator);
}

QString optionalText(const std::string &text)
{
    return text.empty() ? missing() : QString::fromStdString(text);
}

QString patternText(double value, const char *pattern, QChar decimalSeparator)
{
    return QString::fromStdString(
        pse::formatWithPattern(value, pattern, char(decimalSeparator.toLatin1())));
}

} // namespace

InfoPanel::InfoPanel(DesignSurface *surface, QObject *parent)
    : QObject(parent)
    , m_surface(surface)
{
    createTile(surface);
    createPanel(surface);
    createNameLabels(surface);
}

void InfoPanel::createTile(DesignSurface *surface)
{
    m_picElement = new QFrame(surface);
    m_picElement->setObjectName(QStringLiteral("picElement"));
    m_picElement->setFrameShape(QFrame::Box);
    m_picElement->setAutoFillBackground(true);
    surface->place(m_picElement, QRect(1290, 150, 1380, 1380), 0);

    const auto tileLabel = [&](QLabel *label, const char *name, const QRect &twips, qreal points,
                               Qt::Alignment alignment, TextId tip) {
        label->setObjectName(QString::fromLatin1(name));
        label->setAlignment(alignment);
        surface->place(label, twips, points);
        m_texts.bind(tip, label);
        return label;
    };
    m_lblBroj = tileLabel(new QLabel(m_picElement), "lblBroj", QRect(75, 30, 1230, 300), 12,
                          Qt::AlignLeft | Qt::AlignVCenter, TextId::TipAtomicNumber);
    // Every symbol on one baseline, low enough that the tail of a "g" stays on the tile.
    m_lblSimbol = tileLabel(new QLabel(m_picElement), "lblSimbol", QRect(30, 300, 1320, 700), 30,
                            Qt::AlignHCenter | Qt::AlignBottom, TextId::TipSymbol);
    QFont bold = m_lblSimbol->font();
    bold.setBold(true);
    m_lblSimbol->setFont(bold);
    m_lblIme = new FittingLabel(m_picElement);
    tileLabel(m_lblIme, "lblIme", QRect(30, 950, 1320, 250), 9.75, Qt::AlignCenter,
              TextId::TipName);
    m_lblAtomMas = tileLabel(new QLabel(m_picElement), "lblAtomMas", QRect(30, 1148, 1320, 230),
                             9.75, Qt::AlignCenter, TextId::TipAtomicMass);
}

template <typename Label>
Label *InfoPanel::valueLabel(const char *name, const char *captionName, TextId caption, int top,
                             const QString &tip, const char *unit, const char *unitName)
{
    const int width = ViewportWidth;
    auto *captionLabel = new QLabel(m_fraSvojstva);
    captionLabel->setObjectName(QString::fromLatin1(captionName));
    captionLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    colours::setText(captionLabel, CaptionColour);
    m_texts.bind(caption, captionLabel);
    m_surface->place(captionLabel,
                     QRect(CaptionLeft, top, width - CaptionLeft - RightMargin, CaptionHeight),
                     CaptionPoints);

    auto *value = new Label(m_fraSvojstva);
    value->setObjectName(QString::fromLatin1(name));
    value->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    value->setToolTip(tip);
    QFont bold = value->font();
    bold.setBold(true);
    value->setFont(bold);
    m_surface->place(
        value, QRect(ValueLeft, top + CaptionHeight, width - ValueLeft - RightMargin, ValueHeight),
        ValuePoints);
    if (unit) {
        // Smaller and in the caption's colour, so the number stays what the eye finds first.
        auto *unitLabel = new TrailingLabel(value);
        unitLabel->setObjectName(QString::fromLatin1(unitName));
        QFont plain = unitLabel->font();
        plain.setBold(false);
        unitLabel->setFont(plain);
        colours::setText(unitLabel, CaptionColour);
        unitLabel->setText(QString::fromUtf8(unit));
        unitLabel->setAccessibleName(unitLabel->text());
        m_surface->scaleFont(unitLabel, CaptionPoints);
        m_units.push_back(unitLabel);
    }
    return value;
}

void InfoPanel::createPanel(DesignSurface *surface)
{
    m_viewport = overlay::paper(surface, QStringLiteral("picSvojstva"),
                                QRect(ViewportLeft, ViewportTop, ViewportWidth, ViewportHeight));
    m_viewport->installEventFilter(this);

    // Transparent, so the viewport's paper and outline show around the rows.
    m_fraSvojstva = new QFrame(m_viewport);
    m_fraSvojstva->setObjectName(QStringLiteral("fraSvojstva"));
    surface->place(m_fraSvojstva, QRect(0, 0, ViewportWidth, FrameHeight), 0);

    // Page 1: the atom and its history. The longest configurations are shown in smaller type
    // rather than cut; the discoverers, up to five names, take the rest of the page, wrapped.
    m_lblElConfig = valueLabel<FittingLabel>("lblElConfig", "imeElektron",
                                             TextId::CaptionConfiguration, rowTop(0, 50));
    m_lblGodOtkrice =
        valueLabel("lblGodOtkrice", "imeOtkrice", TextId::CaptionDiscovery, rowTop(0, 500));
    m_txtOtkrio = new FittingTextBox(m_fraSvojstva);
    m_txtOtkrio->setObjectName(QStringLiteral("txtOtkrio"));
    m_txtOtkrio->setFocusPolicy(Qt::ClickFocus);
    QPalette clear = m_txtOtkrio->palette();
    clear.setColor(QPalette::Base, Qt::transparent);
    m_txtOtkrio->setPalette(clear);
    const int discoverersTop = rowTop(0, 500) + CaptionHeight + ValueHeight + 15;
    surface->place(m_txtOtkrio,
                   QRect(ValueLeft, discoverersTop, ViewportWidth - ValueLeft - RightMargin,
                         rowTop(1, -10) - discoverersTop),
                   9);

    // Page 2: the two temperatures the thermometer is compared with, with room to read them.
    m_lblTempTaljenja =
        valueLabel("lblTempTaljenja", "imeTaliste", TextId::CaptionMelting, rowTop(1, 200));
    m_lblTempVrenja =
        valueLabel("lblTempVrenja", "imeVreliste", TextId::CaptionBoiling, rowTop(1, 830));

    // Page 3: heat.
    m_lblTopTaljenja =
        valueLabel("lblTopTaljenja", "imeTopTaljenja", TextId::CaptionHeatOfFusion, rowTop(2, 50),
                   QStringLiteral("kJ / mol"), units::heat, "heatOfFusionUnit");
    m_lblTopVrenja = valueLabel("lblTopVrenja", "imeTopVrenja", TextId::CaptionHeatOfVaporisation,
                                rowTop(2, 500), QStringLiteral("kJ /mol"), units::heat,
                                "heatOfVaporisationUnit");
    m_lblTopVodljiv = valueLabel(
        "lblTopVodljiv", "imeTopVodljiv", TextId::CaptionThermalConductivity, rowTop(2, 950),
        QStringLiteral("W / m K"), units::thermalConductivity, "thermalConductivityUnit");

    // Page 4: chemistry.
    m_lblOxidBroj = valueLabel("lblOxidBroj", "imeOxid", TextId::CaptionOxidation, rowTop(3, 50));
    m_lblElektroNeg = valueLabel("lblElektroNeg", "imeElNegativ", TextId::CaptionElectronegativity,
                                 rowTop(3, 500), QStringLiteral("Pauling"),
                                 units::electronegativity, "electronegativityUnit");
    m_lblRadijus = valueLabel("lblRadijus", "imeRadijus", TextId::CaptionRadius, rowTop(3, 950),
                              QStringLiteral("pm"), units::radius, "radiusUnit");

    // Page 5: the element in bulk.
    m_lblElVodljiv = valueLabel(
        "lblElVodljiv", "imeElVodljiv", TextId::CaptionElectricalConductivity, rowTop(4, 50),
        QStringLiteral("S / m"), units::electricalConductivity, "electricalConductivityUnit");
    m_lblMolVolumen =
        valueLabel("lblMolVolumen", "imeMolVolumen", TextId::CaptionMolarVolume, rowTop(4, 500),
                   QStringLiteral("cm3 / mol"), units::molarVolume, "molarVolumeUnit");
    m_lblGustoca = valueLabel("lblGustoca", "imeGustoca", TextId::CaptionDensity, rowTop(4, 950),
                              QStringLiteral("g / cm3 (20°C)"), units::density, "densityUnit");
    m_densityUnit = m_units.back();

    m_vsbSvojstva = new QScrollBar(Qt::Vertical, surface);
    m_vsbSvojstva->setObjectName(QStringLiteral("vsbSvojstva"));
    m_vsbSvojstva->setRange(0, LastPage);
    m_vsbSvojstva->setPageStep(PageHeight);
    m_vsbSvojstva->setSingleStep(PageHeight / 10);
    m_vsbSvojstva->setFocusPolicy(Qt::StrongFocus);
    surface->place(m_vsbSvojstva,
                   QRect(ViewportLeft + ViewportWidth, ViewportTop, ScrollBarWidth,
                         ViewportHeight - ScrollBarWidth - 15),
                   0);
    connect(m_vsbSvojstva, &QScrollBar::valueChanged, this, &InfoPanel::vsbSvojstva_Change);

    m_cmdPageDn = new ElementButton(QStringLiteral("▼"), surface);
    m_cmdPageDn->setObjectName(QStringLiteral("cmdPageDn"));
    surface->place(m_cmdPageDn,
                   QRect(ViewportLeft + ViewportWidth,
                         ViewportTop + ViewportHeight - ScrollBarWidth, ScrollBarWidth,
                         ScrollBarWidth),
                   7);
    connect(m_cmdPageDn, &QAbstractButton::clicked, this, &InfoPanel::cmdPageDn_Click);
}

void InfoPanel::createNameLabels(DesignSurface *surface)
{
    const char *names[] = {"lblHrvatski", "lblEngleski", "lblNjemacki", "lblFrancuski",
                           "lblTalijanski"};
    for (std::size_t i = 0; i < m_nameLabels.size(); ++i) {
        auto *label = new QLabel(surface);
        label->setObjectName(QString::fromLatin1(names[i]));
        label->hide();
        m_nameLabels[i] = label;
    }
}

void InfoPanel::setTileColour(const QColor &colour)
{
    // Every sweep tick sets the tile's colour; an unchanged one costs no repaint.
    colours::setFill(m_picElement, colour);
}

void InfoPanel::setShown(bool shown)
{
    for (QWidget *part :
         {static_cast<QWidget *>(m_picElement), static_cast<QWidget *>(m_viewport),
          static_cast<QWidget *>(m_vsbSvojstva), static_cast<QWidget *>(m_cmdPageDn)})
        part->setVisible(shown);
    if (shown)
        m_vsbSvojstva->setFocus();
}

void InfoPanel::setPageButtonColour(const QColor &colour)
{
    m_cmdPageDn->setBackgroundColour(colour);
}

void InfoPanel::applyLanguage(int languageIndex)
{
    m_texts.apply(languageIndex);
    // The element on show takes its name in the new language from the hidden label that holds it.
    const int column = languageIndex >= 1 && languageIndex <= 4 ? languageIndex : 0;
    m_lblIme->setText(m_nameLabels[std::size_t(column)]->text());
}

void InfoPanel::showElement(int index, const QString &symbol, const Context &context,
                            const QColor &tileColour)
{
    m_shownIndex = index;
    m_record.symbol = symbol.toStdString();
    lookupElement(m_record, fullElementCount);
    const ElementRecord &r = m_record;
    const QChar separator = context.decimalSeparator;

    m_lblIme->setText(QString::fromStdString(r.name(context.languageIndex)));
    m_lblBroj->setText(QString::number(ElementGrid::atomicNumber(index)));
    m_lblSimbol->setText(symbol);
    for (std::size_t i = 0; i < m_nameLabels.size(); ++i)
        m_nameLabels[i]->setText(QString::fromStdString(r.name(int(i))));

    const double melting = context.tables.meltingPoints[index];
    const double boiling = context.tables.boilingPoints[index];
    if (melting == 0) {
        m_lblTempTaljenja->setText(missing());
        m_lblTempVrenja->setText(missing());
    } else {
        const bool kelvin = context.kelvinScale;
        m_lblTempTaljenja->setText(
            PropertyTables::temperatureText(melting, kelvin, context.decimalSeparator));
        m_lblTempVrenja->setText(
            PropertyTables::temperatureText(boiling, kelvin, context.decimalSeparator));
    }

    const QString mass = PropertyTables::valueText(context.tables.atomicMasses[index], separator);
    // The full table's last elements are known by the mass number of their longest-lived
    // isotope, which is written in brackets.
    m_lblAtomMas->setText(index > int(elementCount) ? u'[' + mass + u']' : mass);

    m_lblElConfig->setText(r.electronConfigPredicted
                               ? QString::fromStdString(r.electronConfig) + u' ' +
                                     pse::lang::text(TextId::PredictedNote, context.languageIndex)
                               : QString::fromStdString(r.electronConfig));
    m_lblGodOtkrice->setText(QString::fromStdString(r.discoveryYear));
    m_txtOtkrio->setText(QString::fromStdString(r.discoverers));

    m_lblTopTaljenja->setText(optionalSingle(r.heatOfFusion, separator));
    m_lblTopVrenja->setText(optionalSingle(r.heatOfVaporisation, separator));
    m_lblElektroNeg->setText(optionalSingle(r.electronegativity, separator));
    m_lblRadijus->setText(optionalSingle(r.atomicRadius, separator));
    m_lblTopVodljiv->setText(optionalSingle(r.thermalConductivity, separator));
    m_lblMolVolumen->setText(optionalSingle(r.molarVolume, separator));
    m_lblElVodljiv->setText(r.electricalConductivity == 0
                                ? missing()
                                : patternText(r.electricalConductivity, "0.0# E+00", separator));

    m_lblOxidBroj->setText(optionalText(r.oxidationStates));
    m_lblGustoca->setText(optionalText(r.density));
    const bool gas = gasAt20Celsius(context.tables, index);
    m_lblGustoca->setToolTip(gas ? QStringLiteral("g / L (20°C)")
                                 : QStringLiteral("g / cm3 (20°C)"));
    m_densityUnit->setText(QString::fromUtf8(gas ? units::gasDensity : units::density));
    m_densityUnit->setAccessibleName(m_densityUnit->text());
    for (TrailingLabel *unit : m_units) {
        unit->setVisible(static_cast<QLabel *>(unit->parentWidget())->text() != missing());
        unit->follow();
    }

    setTileColour(tileColour);
}

void InfoPanel::cmdPageDn_Click()
{
    turnPage(true);
    m_vsbSvojstva->setFocus();
}

void InfoPanel::turnPage(bool forward)
{
    const int value = m_vsbSvojstva->value();
    if (forward)
        m_vsbSvojstva->setValue(
            value > LastPage - PageHeight ? 0 : (value / PageHeight + 1) * PageHeight);
    else
        m_vsbSvojstva->setValue(value == 0 ? LastPage
                                           : (value + PageHeight - 1) / PageHeight * PageHeight -
                                                 PageHeight);
}

void InfoPanel::vsbSvojstva_Change()
{
    m_surface->moveTo(m_fraSvojstva, QPointF(0, -m_vsbSvojstva->value()));
}

bool InfoPanel::eventFilter(QObject *watched, QEvent *event)
{
    // The wheel over the rows turns whole pages, so the rows never stop half in view. Small
    // touchpad steps add up to one notch first.
    if (watched == m_viewport && event->type() == QEvent::Wheel) {
        m_wheelDelta += static_cast<QWheelEvent *>(event)->angleDelta().y();
        const int notch = QWheelEvent::DefaultDeltasPerStep;
        while (std::abs(m_wheelDelta) >= notch) {
            const int value = m_vsbSvojstva->value();
            const int page = m_wheelDelta < 0 ? value / PageHeight + 1
                                              : (value + PageHeight - 1) / PageHeight - 1;
            m_vsbSvojstva->setValue(std::clamp(page * PageHeight, 0, LastPage));
            m_wheelDelta -= m_wheelDelta < 0 ? -notch : notch;
        }
        return true;
    }
    return QObject::eventFilter(watched, event);
}
