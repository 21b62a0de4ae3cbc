#include "temperature/ThermometerPanel.h"

#include "app/DesignSurface.h"
#include "config/NumberRule.h"
#include "temperature/TemperatureState.h"
#include "temperature/ThermometerHost.h"

#include <QLineEdit>

ThermometerPanel::ThermometerPanel(DesignSurface *surface, TemperatureState &state,
                                   ThermometerHost &host, QObject *parent)
    : QObject(parent)
    , m_surface(surface)
    , m_state(state)
    , m_host(host)
    , m_txtT(new QLineEdit(QStringLiteral("0"), surface))
{
    m_txtT->setObjectName(QStringLiteral("txtT"));
    m_txtT->setAlignment(Qt::AlignCenter);
    surface->place(m_txtT, QRect(9240, 5160, 700, 300), 9.75);
    connect(m_txtT, &QLineEdit::textChanged, this, &ThermometerPanel::txtT_Change);
}

void ThermometerPanel::setTemperatureText(const QString &text)
{
    m_txtT->setText(text);
}

void ThermometerPanel::txtT_Change()
{
    // A typed number beyond the 16-bit range is pinned to its end rather than wrapped around.
    m_state.temperature = pse::clampToWhole16(pse::leadingNumber(m_txtT->text()));
    m_host.refreshStateColours();
}
