// SPDX-License-Identifier: GPL-3.0-or-later
#include "temperature/ThermometerPanel.h"

#include "config/Settings.h"
#include "temperature/TemperatureState.h"
#include "temperature/ThermometerPart.h"
#include "temperature/ThermometerScale.h"
#include "ui/ClickableLabel.h"
#include "ui/DesignSurface.h"
#include "ui/NumberRule.h"

#include <QLineEdit>

namespace {

// The tube's place on the window; everything else of the thermometer is laid out from it.
constexpr double TubeLeft = 9330;
constexpr double TubeTop = 1000;
constexpr double TubeWidth = 240;
constexpr double TubeHeight = 3900;
constexpr double ColumnLeft = 75;
constexpr double ColumnWidth = 90;

const std::array<const char *, 7> MarkCaptions = {"- 0 ",    "- 1000",  "- 2000", "- 3000 ",
                                                  "- 4000 ", "- 5000 ", "- 6000 "};

QString unitCaption(bool kelvin)
{
    return kelvin ? QStringLiteral("K") : QStringLiteral("°C");
}

} // namespace

ThermometerPanel::ThermometerPanel(DesignSurface *surface, TemperatureState &state,
                                   const pse::Settings &settings, QObject *parent)
    : QObject(parent)
    , m_surface(surface)
    , m_state(state)
    , m_settings(settings)
    , m_txtT(new QLineEdit(QStringLiteral("0"), surface))
    , m_picIznadNiti(new ThermometerPart(ThermometerPart::Kind::Tube, surface, surface))
    , m_NitTermometra(new ThermometerPart(ThermometerPart::Kind::Column, surface, m_picIznadNiti))
    , m_imgRezervoar(new ThermometerPart(ThermometerPart::Kind::Bulb, surface, surface))
    , m_lblTermometar(new ClickableLabel(surface))
{
    m_picIznadNiti->setObjectName(QStringLiteral("picIznadNiti"));
    surface->place(m_picIznadNiti, QRectF(TubeLeft, TubeTop, TubeWidth, TubeHeight), 0);
    m_NitTermometra->setObjectName(QStringLiteral("NitTermometra"));
    surface->place(m_NitTermometra,
                   QRectF(ColumnLeft, 0, ColumnWidth, thermometer::ColumnHeightTwips), 0);
    // The bulb is laid over the foot of the tube.
    m_imgRezervoar->setObjectName(QStringLiteral("imgRezervoar"));
    surface->place(m_imgRezervoar, QRectF(TubeLeft - 150, TubeTop + TubeHeight - 140, 540, 540), 0);

    for (int i = 0; i < thermometer::MarkCount; ++i) {
        auto *mark = new ClickableLabel(surface);
        mark->setText(QString::fromLatin1(MarkCaptions[i]));
        mark->setObjectName(QStringLiteral("lblSkalaBroj_%1").arg(i));
        mark->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        connect(mark, &ClickableLabel::clicked, this, [this, i] { lblSkalaBroj_Click(i); });
        const double markY = TubeTop + thermometer::columnTop(thermometer::temperatureFromMark(i));
        surface->place(mark, QRectF(TubeLeft + TubeWidth + 20, markY - 120, 900, 240), 8.25);
        m_lblSkalaBroj[i] = mark;
    }

    m_txtT->setObjectName(QStringLiteral("txtT"));
    m_txtT->setAlignment(Qt::AlignCenter);
    surface->place(m_txtT, QRectF(9150, 5430, 800, 330), 9.75);

    m_lblTermometar->setObjectName(QStringLiteral("lblTermometar"));
    m_lblTermometar->setText(unitCaption(true));
    m_lblTermometar->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QFont unitFont = m_lblTermometar->font();
    unitFont.setBold(true);
    m_lblTermometar->setFont(unitFont);
    connect(m_lblTermometar, &ClickableLabel::clicked, this,
            &ThermometerPanel::lblTermometar_Click);
    m_texts.bind(pse::lang::TextId::TipThermometerUnit, m_lblTermometar);
    surface->place(m_lblTermometar, QRectF(10010, 5430, 560, 330), 12);

    connect(m_txtT, &QLineEdit::textChanged, this, &ThermometerPanel::txtT_Change);
    // The tube and the column take any mouse button.
    connect(m_picIznadNiti, &ThermometerPart::pressed, this,
            [this](Qt::MouseButton, QPointF at) { picIznadNiti_MouseDown(at.y()); });
    connect(m_NitTermometra, &ThermometerPart::pressed, this,
            [this](Qt::MouseButton, QPointF at) { NitTermometra_MouseDown(at.y()); });
    connect(m_imgRezervoar, &ThermometerPart::pressed, this,
            [this](Qt::MouseButton button) { imgRezervoar_MouseDown(button); });
    connect(m_imgRezervoar, &ThermometerPart::released, this,
            &ThermometerPanel::imgRezervoar_MouseUp);

    placeColumn();
}

void ThermometerPanel::setTemperatureText(const QString &text)
{
    m_txtT->setText(text);
}

void ThermometerPanel::placeColumn()
{
    m_columnTop = thermometer::columnTop(m_state.temperature);
    m_surface->moveTo(m_NitTermometra, QPointF(ColumnLeft, m_columnTop));
}

void ThermometerPanel::txtT_Change()
{
    // A typed number beyond the 16-bit range is pinned to its end rather than wrapped around.
    m_state.temperature = pse::clampToWhole16(pse::leadingNumber(m_txtT->text()));
    placeColumn();
    emit temperatureChanged();
}

void ThermometerPanel::picIznadNiti_MouseDown(double y)
{
    setTemperatureText(QString::number(thermometer::temperatureFromTube(y)));
}

void ThermometerPanel::NitTermometra_MouseDown(double y)
{
    setTemperatureText(QString::number(thermometer::temperatureFromColumn(m_columnTop, y)));
}

void ThermometerPanel::lblSkalaBroj_Click(int index)
{
    setTemperatureText(QString::number(thermometer::temperatureFromMark(index)));
}

void ThermometerPanel::lblTermometar_Click()
{
    // The physical temperature stays the same, so the rewrite below must not recolour the table.
    m_state.statesArmed = false;
    const int reading = pse::clampToWhole16(pse::leadingNumber(m_txtT->text()));
    const bool toKelvin = !m_state.kelvinScale;
    m_lblTermometar->setText(unitCaption(toKelvin));
    m_state.kelvinScale = toKelvin;
    setTemperatureText(QString::number(pse::clampToWhole16(reading + (toKelvin ? 273 : -273))));
    // The rewrite normally re-arms the colouring itself; at the end of the range the text may not
    // change at all, and the next real change must still recolour.
    m_state.statesArmed = true;
    emit unitSwitched();
}

void ThermometerPanel::imgRezervoar_MouseDown(Qt::MouseButton button)
{
    m_state.atomTicks = 0;
    const double stepTemp = pse::leadingNumber(m_settings.StepTemp);
    m_state.thermometerIdle = false;
    m_state.sweepStep = thermometer::bulbStep(stepTemp, button == Qt::RightButton);
    emit bulbPressed();
}

void ThermometerPanel::imgRezervoar_MouseUp()
{
    m_state.atomTicks = 0;
    m_state.thermometerIdle = true;
    emit bulbReleased();
}
