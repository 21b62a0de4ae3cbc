#include "app/FrmPeriodni.h"

#include "app/DesktopSeam.h"
#include "app/ElementGrid.h"
#include "app/InfoPanel.h"
#include "config/ConfigStore.h"
#include "config/NumberRule.h"
#include "lang/MainWindowTexts.h"
#include "temperature/SweepPanel.h"
#include "temperature/ThermometerPanel.h"
#include "ui/DesignSurface.h"
#include "ui/ElementButton.h"

#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QToolButton>

#include <stdexcept>

namespace {

QColor toColour(const pse::ColourTriple &c)
{
    return QColor(std::clamp<int>(c.r, 0, 255), std::clamp<int>(c.g, 0, 255),
                  std::clamp<int>(c.b, 0, 255));
}

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

void setFillColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
}

// One component of the background gradient at band i: rising, falling or fixed.
int gradientComponent(const QString &setting, int band)
{
    if (setting == u"dn")
        return 255 - band;
    if (setting == u"up")
        return band;
    const auto whole = pse::toWhole16(pse::leadingNumber(setting));
    return std::clamp<int>(whole.value_or(0), 0, 255);
}

QIcon exitIcon()
{
    QPixmap pixmap(64, 64);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(200, 30, 30));
    painter.setPen(QPen(Qt::black, 3));
    painter.drawEllipse(4, 4, 56, 56);
    painter.setPen(QPen(Qt::white, 8, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(22, 22, 42, 42);
    painter.drawLine(42, 22, 22, 42);
    return QIcon(pixmap);
}

} // namespace

FrmPeriodni::FrmPeriodni(DesktopSeam &seam, const QString &folder, QWidget *parent)
    : QMainWindow(parent)
    , programFolder(folder)
    , m_seam(seam)
    , m_surface(new DesignSurface(this))
{
    setObjectName(QStringLiteral("frmPeriodni"));
    setWindowTitle(QStringLiteral("Quon. - PERIODNI  SUSTAV  ELEMENATA"));
    setCentralWidget(m_surface);
    m_grid = new ElementGrid(m_surface, this);
    m_info = new InfoPanel(m_surface, this);
    m_thermometer = new ThermometerPanel(m_surface, temperatureState, *this, this);
    m_sweep = new SweepPanel(m_surface, temperatureState, *this, *m_thermometer, this);

    m_imgIzlaz = new QToolButton(m_surface);
    m_imgIzlaz->setObjectName(QStringLiteral("imgIzlaz"));
    m_imgIzlaz->setIcon(exitIcon());
    m_imgIzlaz->setAutoRaise(true);
    m_imgIzlaz->setFocusPolicy(Qt::NoFocus);
    m_surface->place(m_imgIzlaz, QRect(10200, 6420, 420, 420), 0);
    connect(m_imgIzlaz, &QToolButton::clicked, this, &FrmPeriodni::imgIzlaz_Click);

    connect(m_grid, &ElementGrid::elementClicked, this, &FrmPeriodni::cmdElement_Click);

    m_configStore =
        std::make_unique<pse::ConfigStore>(settings, colourEditMode, *this, programFolder);
    connect(m_grid, &ElementGrid::elementRightClicked, this,
            [this](int index, const QPoint &globalPosition) {
                cmdElement_MouseUp(index, Qt::RightButton, QGuiApplication::keyboardModifiers(),
                                   globalPosition);
            });

    // The design is 715 x 465 pixels at 96 dpi, small on today's screens: open it at most of the
    // screen's size in the design's proportions, so it reads across a classroom from the start.
    const QSize design(DesignSurface::DesignWidth / 15, DesignSurface::DesignHeight / 15);
    QSize size = design * 1.5;
    if (const QScreen *screen = this->screen()) {
        const QSize available = screen->availableSize() * 0.9;
        size = design.scaled(available, Qt::KeepAspectRatio).expandedTo(design);
    }
    resize(size);
}

FrmPeriodni::~FrmPeriodni() = default;

QChar FrmPeriodni::detectDecimalSeparator()
{
    return QLocale::system().toString(0.5f).contains(u'.') ? u'.' : u',';
}

void FrmPeriodni::formLoad()
{
    try {
        LanguageIndex = 0;
        temperatureState.thermometerIdle = true;
        decimalsFormat = QStringLiteral("00");
        readConfig();
        temperatureState.kelvinScale = true;
        setTemperature(tables);
        decimalSeparator = detectDecimalSeparator();
        ApplyConfig();
        if (LanguageIndex != 0)
            SetLanguage();
        temperatureState.statesArmed = true;
        cmdElement_Click(random.below(109));
        refreshStateColours();
        if (settings.AutoStart != 0)
            m_sweep->cmdAuto_Click();
        else
            m_thermometer->setTemperatureText(QString::number(random.below(4000)));
    } catch (const std::exception &error) {
        m_seam.showMessage(this, QString::fromLocal8Bit(error.what()));
    }
}

void FrmPeriodni::readConfig()
{
    m_configStore->ReadConfig();
}

void FrmPeriodni::setTemperatureText(const QString &text)
{
    m_thermometer->setTemperatureText(text);
}

void FrmPeriodni::setStepTempText(const QString &text)
{
    if (auto *box = findChild<QLineEdit *>(QStringLiteral("txtStepTemp")))
        box->setText(text);
}

void FrmPeriodni::showError(const QString &message)
{
    m_seam.showMessage(this, message);
}

StateColours FrmPeriodni::stateColours() const
{
    return {toColour(settings.RGBKruto), toColour(settings.RGBTekuce),
            toColour(settings.RGBPlinovito), toColour(settings.RGBNepoznato)};
}

void FrmPeriodni::ApplyConfig()
{
    const QColor legendColour = toColour(settings.RGBLegenda);
    const StateColours colours = stateColours();
    for (int i = 0; i < 4; ++i) {
        setTextColour(m_grid->legendLabel(i), legendColour);
        setFillColour(m_grid->legendSample(i), colours.forState(i == 0   ? StateCode::Solid
                                                                : i == 1 ? StateCode::Liquid
                                                                : i == 2 ? StateCode::Gas
                                                                         : StateCode::NotPainted));
    }
    const QColor labelColour = toColour(settings.RGBSkupine);
    for (int i = 0; i < 7; ++i)
        setTextColour(findChild<QLabel *>(QStringLiteral("Perioda_%1").arg(i)), labelColour);
    for (int i = 0; i < 2; ++i)
        setTextColour(findChild<QLabel *>(QStringLiteral("lblImePerioda_%1").arg(i)), legendColour);

    for (int i = 95; i < ElementGrid::ButtonCount; ++i)
        m_grid->button(i)->setBackgroundColour(colours.unknown);

    const QColor fBlock = toColour(settings.RGBLantanoidi);
    for (const char *name : {"cmdLantanoidi", "cmdAktinoidi"})
        findChild<ElementButton *>(QString::fromLatin1(name))->setBackgroundColour(fBlock);
    for (const char *name : {"picLantanoidi", "picAktinoidi"})
        setFillColour(findChild<QFrame *>(QString::fromLatin1(name)), fBlock);
    m_info->pageDownButton()->setBackgroundColour(fBlock);

    m_sweep->applySettings(settings);

    SetNoviConfig();
    applyGradient();
    applyBackgroundPicture();
}

void FrmPeriodni::applyGradient()
{
    std::array<QColor, 256> bands;
    for (int i = 0; i < 256; ++i)
        bands[i] =
            QColor(gradientComponent(settings.R_Color, i), gradientComponent(settings.G_Color, i),
                   gradientComponent(settings.B_Color, i));
    m_surface->setGradient(bands);
}

void FrmPeriodni::applyBackgroundPicture()
{
    QImage picture;
    if (settings.Background.contains(u'.') && QFileInfo::exists(settings.Background)) {
        QImageReader reader(settings.Background);
        picture = reader.read();
        // A picture that is not there is passed over silently (the gradient shows instead); one
        // that is there but cannot be read is worth telling the teacher about.
        if (picture.isNull())
            m_seam.showMessage(this, reader.errorString());
    }
    m_surface->setBackgroundPicture(picture);
}

void FrmPeriodni::SetNoviConfig()
{
    switch (LanguageIndex) {
    case 1:
        imgEN_Click();
        break;
    case 2:
        imgDE_Click();
        break;
    case 3:
        imgFR_Click();
        break;
    case 4:
        imgIT_Click();
        break;
    default:
        imgHR_Click();
        break;
    }
    refreshStateColours();
}

void FrmPeriodni::imgHR_Click()
{
    LanguageIndex = 0;
    SetLanguage();
}

void FrmPeriodni::imgEN_Click()
{
    LanguageIndex = 1;
    SetLanguage();
}

void FrmPeriodni::imgDE_Click()
{
    LanguageIndex = 2;
    SetLanguage();
}

void FrmPeriodni::imgFR_Click()
{
    LanguageIndex = 3;
    SetLanguage();
}

void FrmPeriodni::imgIT_Click()
{
    LanguageIndex = 4;
    SetLanguage();
}

void FrmPeriodni::SetLanguage()
{
    pse::lang::applyMainWindowTexts(*this, LanguageIndex);
}

void FrmPeriodni::refreshStateColours()
{
    TemperatureState &s = temperatureState;
    if (!s.statesArmed) {
        s.statesArmed = true;
        return;
    }
    const int celsius = celsiusFromReading(s.temperature, s.kelvinScale);
    statePainter.refresh(celsius, repaintAllStates, tables, stateColours(),
                         [this](int index, const QColor &colour) {
                             m_grid->button(index)->setBackgroundColour(colour);
                         });
    repaintAllStates = false;
    const int shown = std::clamp(m_info->shownAtomicNumber(), 0, ElementGrid::ButtonCount - 1);
    m_info->setTileColour(m_grid->button(shown)->backgroundColour());
}

void FrmPeriodni::cmdElement_Click(int index)
{
    const ElementButton *button = m_grid->button(index);
    if (calculatorMode) {
        // While the calculator is open an element click types its symbol instead of showing it.
        if (auto *input = findChild<QLineEdit *>(QStringLiteral("txtUnosFormule"))) {
            input->insert(button->text());
            input->setFocus();
        }
        return;
    }
    m_info->showElement(index, button->text(),
                        {tables, LanguageIndex, temperatureState.kelvinScale, decimalSeparator},
                        button->backgroundColour());
}

void FrmPeriodni::cmdElement_MouseUp(int, Qt::MouseButton button, Qt::KeyboardModifiers,
                                     const QPoint &globalPosition)
{
    if (button != Qt::RightButton)
        return;
    if (calculatorMode) {
        if (auto *menu = findChild<QMenu *>(QStringLiteral("mnuInsert")))
            menu->popup(globalPosition);
        return;
    }
    m_info->cmdPageDn_Click();
}

void FrmPeriodni::showElementAgain()
{
    // Bypasses cmdElement_Click: with the calculator open that would type the symbol instead.
    const int index = std::clamp(m_info->shownAtomicNumber(), 0, ElementGrid::ButtonCount - 1);
    const ElementButton *button = m_grid->button(index);
    m_info->showElement(index, button->text(),
                        {tables, LanguageIndex, temperatureState.kelvinScale, decimalSeparator},
                        button->backgroundColour());
}

void FrmPeriodni::pageDown()
{
    m_info->cmdPageDn_Click();
}

void FrmPeriodni::endProgram()
{
    m_seam.endProgram();
}

void FrmPeriodni::imgIzlaz_Click()
{
    m_seam.endProgram();
}
