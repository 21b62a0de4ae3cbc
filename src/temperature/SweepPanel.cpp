// SPDX-License-Identifier: GPL-3.0-or-later
#include "temperature/SweepPanel.h"

#include "config/Settings.h"
#include "temperature/SweepRules.h"
#include "temperature/TemperatureState.h"
#include "temperature/ThermometerPanel.h"
#include "temperature/ThermometerScale.h"
#include "ui/ClickableLabel.h"
#include "ui/DesignSurface.h"
#include "ui/DrawnButton.h"
#include "ui/Glyphs.h"
#include "ui/NumberRule.h"
#include "ui/Overlay.h"
#include "ui/SelectingLineEdit.h"

#include <QCheckBox>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {

using pse::lang::TextId;

enum Field { TempStart, TempEnd, StepTemp, StepAtom };

struct FieldNames
{
    const char *label;
    const char *box;
    TextId caption;
};

const std::array<FieldNames, 4> Fields = {{
    {"lblTempStart", "txtTempStart", TextId::SweepTempStart},
    {"lblTempEnd", "txtTempEnd", TextId::SweepTempEnd},
    {"lblStepTemp", "txtStepTemp", TextId::SweepStepTemp},
    {"lblStepAtom", "txtStepAtom", TextId::SweepStepAtom},
}};

QString startCaption()
{
    return QStringLiteral("START");
}

QString stopCaption()
{
    return QStringLiteral("STOP");
}

} // namespace

SweepPanel::SweepPanel(DesignSurface *surface, TemperatureState &state,
                       const pse::Settings &settings, ThermometerPanel &thermometer,
                       QObject *parent)
    : QObject(parent)
    , m_state(state)
    , m_settings(settings)
    , m_thermometer(thermometer)
    , m_TimerTemp(new QTimer(this))
    , m_TimerAtom(new QTimer(this))
    , m_cmdAuto(new QPushButton(startCaption(), surface))
    , m_cmdSetTemp(new DrawnButton(glyph::sliders, DrawnButton::Face::Raised, surface))
{
    m_TimerTemp->setObjectName(QStringLiteral("TimerTemp"));
    m_TimerTemp->setInterval(100);
    m_TimerAtom->setObjectName(QStringLiteral("TimerAtom"));
    m_TimerAtom->setInterval(200);
    connect(m_TimerTemp, &QTimer::timeout, this, &SweepPanel::TimerTemp_Timer);
    connect(m_TimerAtom, &QTimer::timeout, this, &SweepPanel::TimerAtom_Timer);

    m_cmdAuto->setObjectName(QStringLiteral("cmdAuto"));
    m_cmdAuto->setFocusPolicy(Qt::NoFocus);
    QFont bold = m_cmdAuto->font();
    bold.setBold(true);
    m_cmdAuto->setFont(bold);
    surface->place(m_cmdAuto, QRectF(9150, 5850, 800, 400), 8.25);
    connect(m_cmdAuto, &QPushButton::clicked, this, &SweepPanel::cmdAuto_Click);
    m_texts.bind(TextId::TipSweep, m_cmdAuto);

    m_cmdSetTemp->setObjectName(QStringLiteral("cmdSetTemp"));
    surface->place(m_cmdSetTemp, QRectF(10010, 5850, 460, 400), 0);
    connect(m_cmdSetTemp, &QAbstractButton::clicked, this, &SweepPanel::cmdSetTemp_Click);
    m_texts.bind(TextId::TipSweepSettings, m_cmdSetTemp);

    buildFrame(surface);
    applySettings();

    connect(&m_thermometer, &ThermometerPanel::bulbPressed, this, [this] {
        m_TimerTemp->start();
        m_cmdAuto->setText(stopCaption());
    });
    connect(&m_thermometer, &ThermometerPanel::bulbReleased, this, [this] {
        m_TimerTemp->stop();
        m_cmdAuto->setText(startCaption());
    });
}

void SweepPanel::buildFrame(DesignSurface *surface)
{
    // Laid over the middle of the table while it is open.
    const auto [frame, lblAuto] =
        overlay::build(surface, surface, QStringLiteral("fraAuto"), QStringLiteral("lblAuto"),
                       QRectF(3300, 1300, 5400, 3000), 330, 9.75);
    m_fraAuto = frame;
    connect(lblAuto, &ClickableLabel::clicked, m_fraAuto, &QWidget::hide);
    m_texts.bind(TextId::SweepTitle, lblAuto);

    for (int i = 0; i < 4; ++i) {
        const double top = 540 + 420 * i;
        auto *label = new ClickableLabel(m_fraAuto);
        label->setObjectName(QString::fromLatin1(Fields[i].label));
        surface->place(label, QRectF(180, top, 3600, 315), 8.25);
        m_texts.bind(Fields[i].caption, label);

        auto *box = new SelectingLineEdit(m_fraAuto);
        box->setObjectName(QString::fromLatin1(Fields[i].box));
        box->setAlignment(Qt::AlignRight);
        surface->place(box, QRectF(3840, top, 1320, 315), 8.25);
        m_fieldBoxes[i] = box;
        label->selectsAllOf(box);
    }

    m_chkScroll = new QCheckBox(m_fraAuto);
    m_chkScroll->setObjectName(QStringLiteral("chkScroll"));
    surface->place(m_chkScroll, QRectF(180, 2220, 4800, 285), 8.25);
    m_texts.bind(TextId::SweepPaging, m_chkScroll);

    auto *ok = new QPushButton(QStringLiteral("OK"), m_fraAuto);
    ok->setObjectName(QStringLiteral("cmdAutoOK"));
    surface->place(ok, QRectF(2700, 2550, 1200, 360), 8.25);
    connect(ok, &QPushButton::clicked, this, &SweepPanel::cmdAutoOK_Click);

    auto *cancel = new QPushButton(QStringLiteral("Cancel"), m_fraAuto);
    cancel->setObjectName(QStringLiteral("cmdAutoCancel"));
    surface->place(cancel, QRectF(3990, 2550, 1200, 360), 8.25);
    connect(cancel, &QPushButton::clicked, this, &SweepPanel::cmdAutoCancel_Click);

    m_fraAuto->hide();
}

void SweepPanel::applySettings()
{
    m_chkScroll->setChecked(m_settings.AutoScroll != 0);
    m_fieldBoxes[StepTemp]->setText(m_settings.StepTemp);
    m_fieldBoxes[StepAtom]->setText(m_settings.StepAtom);
    m_fieldBoxes[TempStart]->setText(m_settings.TempStart);
    m_fieldBoxes[TempEnd]->setText(m_settings.TempEnd);
}

void SweepPanel::showStepTemp(const QString &text)
{
    m_fieldBoxes[StepTemp]->setText(text);
}

bool SweepPanel::isRunning() const
{
    return m_TimerTemp->isActive();
}

void SweepPanel::stopSweep()
{
    m_TimerTemp->stop();
    m_TimerAtom->stop();
    m_cmdAuto->setText(startCaption());
}

void SweepPanel::resetCounters()
{
    m_state.atomTicks = 0;
    m_state.pageTicks = 0;
    m_state.sweepStep = thermometer::sweepStep(pse::leadingNumber(m_settings.StepTemp));
}

void SweepPanel::startSweep()
{
    resetCounters();
    m_TimerTemp->start();
    m_TimerAtom->start();
    m_cmdAuto->setText(stopCaption());
}

void SweepPanel::cmdAuto_Click()
{
    // The sweep goes on from the current reading; it does not jump back to TempStart.
    if (isRunning()) {
        resetCounters();
        stopSweep();
    } else {
        startSweep();
    }
}

void SweepPanel::TimerTemp_Timer()
{
    const sweep::TemperatureTick tick = sweep::temperatureTick(
        m_state.temperature, m_state.sweepStep, pse::leadingNumber(m_settings.TempStart),
        pse::leadingNumber(m_settings.TempEnd), m_settings.AutoClose != 0, m_state.thermometerIdle);
    if (tick.endProgram) {
        emit endOfSweep();
        return;
    }
    m_state.sweepStep = tick.sweepStep;
    m_thermometer.setTemperatureText(QString::number(tick.temperature));
}

void SweepPanel::TimerAtom_Timer()
{
    const sweep::AtomTick tick =
        sweep::atomTick(m_state.atomTicks, m_state.pageTicks,
                        pse::leadingNumber(m_settings.StepAtom), m_settings.AutoScroll != 0);
    m_state.atomTicks = tick.atomTicks;
    m_state.pageTicks = tick.pageTicks;
    if (tick.showNewElement)
        emit elementDue();
    if (tick.pageDown)
        emit pageDue();
}

void SweepPanel::cmdSetTemp_Click()
{
    stopSweep();
    // The frame's own flag, not whether it can be seen: the window may be minimised.
    if (!m_fraAuto->isHidden()) {
        m_fraAuto->hide();
    } else {
        m_fraAuto->show();
        m_fraAuto->raise();
    }
}

void SweepPanel::cmdAutoOK_Click()
{
    emit valuesAccepted({m_fieldBoxes[TempStart]->text(), m_fieldBoxes[TempEnd]->text(),
                         m_fieldBoxes[StepTemp]->text(), m_fieldBoxes[StepAtom]->text(),
                         m_chkScroll->isChecked()});
    startSweep();
    m_fraAuto->hide();
}

void SweepPanel::cmdAutoCancel_Click()
{
    m_fraAuto->hide();
}

void SweepValues::storeIn(pse::Settings &settings) const
{
    settings.TempStart = tempStart;
    settings.TempEnd = tempEnd;
    settings.StepTemp = stepTemp;
    settings.StepAtom = stepAtom;
    settings.AutoScroll = autoScroll ? 1 : 0;
}
