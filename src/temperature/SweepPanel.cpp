#include "temperature/SweepPanel.h"

#include "config/NumberRule.h"
#include "config/Settings.h"
#include "temperature/SweepRules.h"
#include "temperature/TemperatureState.h"
#include "temperature/ThermometerHost.h"
#include "temperature/ThermometerPanel.h"
#include "temperature/ThermometerScale.h"
#include "ui/DesignSurface.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

namespace {

enum Field { TempStart, TempEnd, StepTemp, StepAtom };

struct FieldNames
{
    const char *label;
    const char *box;
    const char *caption;
};

// Croatian captions until the language switch writes its own.
const std::array<FieldNames, 4> Fields = {{
    {"lblTempStart", "txtTempStart", "Početna temperatura (K)"},
    {"lblTempEnd", "txtTempEnd", "Konačna temperatura (K)"},
    {"lblStepTemp", "txtStepTemp", "Brzina promjene temperature (K/s)"},
    {"lblStepAtom", "txtStepAtom", "Vrijeme zadržavanja elemenata (s)"},
}};

QString startCaption()
{
    return QStringLiteral("START");
}

QString stopCaption()
{
    return QStringLiteral("STOP");
}

// Three sliders: the button opens the sweep's settings.
QIcon settingsIcon()
{
    QPixmap pixmap(48, 48);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const std::array<int, 3> knobs = {30, 14, 24};
    for (int i = 0; i < 3; ++i) {
        const int y = 10 + 14 * i;
        painter.setPen(QPen(QColor(40, 40, 40), 3, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(6, y, 42, y);
        painter.setPen(QPen(QColor(40, 40, 40), 2));
        painter.setBrush(QColor(230, 70, 40));
        painter.drawEllipse(QPointF(knobs[i], y), 5, 5);
    }
    return QIcon(pixmap);
}

} // namespace

SweepPanel::SweepPanel(DesignSurface *surface, TemperatureState &state, ThermometerHost &host,
                       ThermometerPanel &thermometer, QObject *parent)
    : QObject(parent)
    , m_state(state)
    , m_host(host)
    , m_thermometer(thermometer)
    , m_TimerTemp(new QTimer(this))
    , m_TimerAtom(new QTimer(this))
    , m_cmdAuto(new QPushButton(startCaption(), surface))
    , m_cmdSetTemp(new QToolButton(surface))
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

    m_cmdSetTemp->setObjectName(QStringLiteral("cmdSetTemp"));
    m_cmdSetTemp->setIcon(settingsIcon());
    m_cmdSetTemp->setFocusPolicy(Qt::NoFocus);
    surface->place(m_cmdSetTemp, QRectF(10010, 5850, 460, 400), 0);
    // The icon follows the button's size, which follows the window's.
    m_cmdSetTemp->installEventFilter(this);
    connect(m_cmdSetTemp, &QToolButton::clicked, this, &SweepPanel::cmdSetTemp_Click);

    buildFrame(surface);
    applySettings(m_host.settingsRecord());

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
    m_fraAuto = new QFrame(surface);
    m_fraAuto->setObjectName(QStringLiteral("fraAuto"));
    m_fraAuto->setFrameShape(QFrame::Panel);
    m_fraAuto->setFrameShadow(QFrame::Raised);
    m_fraAuto->setAutoFillBackground(true);
    surface->place(m_fraAuto, QRectF(3300, 1300, 5400, 3000), 0);

    m_lblAuto = new QLabel(QStringLiteral("Automatska promjena temperature"), m_fraAuto);
    m_lblAuto->setObjectName(QStringLiteral("lblAuto"));
    m_lblAuto->setAlignment(Qt::AlignCenter);
    m_lblAuto->setAutoFillBackground(true);
    QPalette title = m_lblAuto->palette();
    title.setColor(QPalette::Window, QColor(0, 0, 128));
    title.setColor(QPalette::WindowText, Qt::white);
    m_lblAuto->setPalette(title);
    QFont bold = m_lblAuto->font();
    bold.setBold(true);
    m_lblAuto->setFont(bold);
    m_lblAuto->setCursor(Qt::PointingHandCursor);
    m_lblAuto->installEventFilter(this);
    surface->place(m_lblAuto, QRectF(45, 45, 5310, 330), 9.75);

    for (int i = 0; i < 4; ++i) {
        const double top = 540 + 420 * i;
        auto *label = new QLabel(QString::fromUtf8(Fields[i].caption), m_fraAuto);
        label->setObjectName(QString::fromLatin1(Fields[i].label));
        label->installEventFilter(this);
        surface->place(label, QRectF(180, top, 3600, 315), 8.25);
        m_fieldLabels[i] = label;

        auto *box = new QLineEdit(m_fraAuto);
        box->setObjectName(QString::fromLatin1(Fields[i].box));
        box->setAlignment(Qt::AlignRight);
        box->installEventFilter(this);
        surface->place(box, QRectF(3840, top, 1320, 315), 8.25);
        m_fieldBoxes[i] = box;
    }

    m_chkScroll = new QCheckBox(QStringLiteral("Automatsko listanje podataka"), m_fraAuto);
    m_chkScroll->setObjectName(QStringLiteral("chkScroll"));
    surface->place(m_chkScroll, QRectF(180, 2220, 4800, 285), 8.25);

    m_cmdAutoOK = new QPushButton(QStringLiteral("OK"), m_fraAuto);
    m_cmdAutoOK->setObjectName(QStringLiteral("cmdAutoOK"));
    surface->place(m_cmdAutoOK, QRectF(2700, 2550, 1200, 360), 8.25);
    connect(m_cmdAutoOK, &QPushButton::clicked, this, &SweepPanel::cmdAutoOK_Click);

    m_cmdAutoCancel = new QPushButton(QStringLiteral("Cancel"), m_fraAuto);
    m_cmdAutoCancel->setObjectName(QStringLiteral("cmdAutoCancel"));
    surface->place(m_cmdAutoCancel, QRectF(3990, 2550, 1200, 360), 8.25);
    connect(m_cmdAutoCancel, &QPushButton::clicked, this, &SweepPanel::cmdAutoCancel_Click);

    m_fraAuto->hide();
}

void SweepPanel::applySettings(const pse::Settings &settings)
{
    m_chkScroll->setChecked(settings.AutoScroll != 0);
    m_fieldBoxes[StepTemp]->setText(settings.StepTemp);
    m_fieldBoxes[StepAtom]->setText(settings.StepAtom);
    m_fieldBoxes[TempStart]->setText(settings.TempStart);
    m_fieldBoxes[TempEnd]->setText(settings.TempEnd);
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
    m_state.sweepStep =
        thermometer::sweepStep(pse::leadingNumber(m_host.settingsRecord().StepTemp));
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
    const pse::Settings &settings = m_host.settingsRecord();
    const sweep::TemperatureTick tick = sweep::temperatureTick(
        m_state.temperature, m_state.sweepStep, pse::leadingNumber(settings.TempStart),
        pse::leadingNumber(settings.TempEnd), settings.AutoClose != 0, m_state.thermometerIdle);
    if (tick.endProgram) {
        m_host.endProgram();
        return;
    }
    m_state.sweepStep = tick.sweepStep;
    m_thermometer.setTemperatureText(QString::number(tick.temperature));
}

void SweepPanel::TimerAtom_Timer()
{
    const pse::Settings &settings = m_host.settingsRecord();
    const sweep::AtomTick tick =
        sweep::atomTick(m_state.atomTicks, m_state.pageTicks, pse::leadingNumber(settings.StepAtom),
                        settings.AutoScroll != 0);
    m_state.atomTicks = tick.atomTicks;
    m_state.pageTicks = tick.pageTicks;
    if (tick.showNewElement)
        m_host.showElement(m_host.randomBelow(109));
    if (tick.pageDown)
        m_host.pageDown();
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
    pse::Settings &settings = m_host.settingsRecord();
    settings.StepTemp = m_fieldBoxes[StepTemp]->text();
    settings.StepAtom = m_fieldBoxes[StepAtom]->text();
    settings.TempStart = m_fieldBoxes[TempStart]->text();
    settings.TempEnd = m_fieldBoxes[TempEnd]->text();
    settings.AutoScroll = m_chkScroll->isChecked() ? 1 : 0;
    startSweep();
    m_fraAuto->hide();
}

void SweepPanel::cmdAutoCancel_Click()
{
    m_fraAuto->hide();
}

void SweepPanel::lblAuto_Click()
{
    m_fraAuto->hide();
}

void SweepPanel::fieldLabel_Click(int field)
{
    m_fieldBoxes[field]->selectAll();
    m_fieldBoxes[field]->setFocus(Qt::OtherFocusReason);
}

void SweepPanel::fieldBox_GotFocus(int field)
{
    QLineEdit *box = m_fieldBoxes[field];
    box->selectAll();
    // A mouse press that brought the focus would clear the selection again right after this.
    QTimer::singleShot(0, box, &QLineEdit::selectAll);
}

bool SweepPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_cmdSetTemp && event->type() == QEvent::Resize) {
        m_cmdSetTemp->setIconSize(m_cmdSetTemp->size() * 0.75);
    } else if (event->type() == QEvent::MouseButtonRelease) {
        const auto *label = qobject_cast<QLabel *>(watched);
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (label && label->rect().contains(mouse->position().toPoint())) {
            if (watched == m_lblAuto) {
                lblAuto_Click();
                return true;
            }
            for (int i = 0; i < 4; ++i) {
                if (watched == m_fieldLabels[i]) {
                    fieldLabel_Click(i);
                    return true;
                }
            }
        }
    } else if (event->type() == QEvent::FocusIn) {
        for (int i = 0; i < 4; ++i) {
            if (watched == m_fieldBoxes[i])
                fieldBox_GotFocus(i);
        }
    }
    return QObject::eventFilter(watched, event);
}
