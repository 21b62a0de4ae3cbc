#include "app/FrmPeriodni.h"

#include "app/ElementGrid.h"
#include "app/InfoPanel.h"
#include "app/KeyHandler.h"
#include "app/ProgramFolders.h"
#include "app/PropertyMaps.h"
#include "app/TableLabels.h"
#include "app/ToolPanel.h"
#include "app/ViewPanel.h"
#include "calc/CalculatorPanel.h"
#include "config/ConfigStore.h"
#include "config/FrmConfig.h"
#include "config/NumberRule.h"
#include "elements/ElementDatabase.h"
#include "lang/QtTranslations.h"
#include "temperature/SweepPanel.h"
#include "temperature/ThermometerPanel.h"
#include "ui/DesignSurface.h"
#include "ui/DesktopSeam.h"
#include "ui/DrawnButton.h"
#include "ui/ElementButton.h"
#include "ui/FullScreen.h"
#include "ui/Glyphs.h"
#include "version/Version.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QRegularExpression>

FrmPeriodni::FrmPeriodni(DesktopSeam &seam, const QString &programFolder, QWidget *parent)
    : QMainWindow(parent)
    , m_seam(seam)
    , m_surface(new DesignSurface(this))
{
    m_state.programFolder = programFolder;
    m_state.configFolder = folders::configuration(programFolder);
    setObjectName(QStringLiteral("frmPeriodni"));
    setCentralWidget(m_surface);
    // Most of the screen, so that the table reads across a classroom from the start.
    const QSize size = DesignSurface::openingSize(screen(), 0.9);
    resize(size);
    m_surface->resizeBeforeShow(size);

    m_grid = new ElementGrid(m_surface, this);
    m_tableLabels = new TableLabels(m_surface, this);
    m_info = new InfoPanel(m_surface, this);
    m_thermometer = new ThermometerPanel(m_surface, m_state.temperature, m_state.settings, this);
    m_sweep =
        new SweepPanel(m_surface, m_state.temperature, m_state.settings, *m_thermometer, this);
    m_tools = new ToolPanel(m_surface, m_seam, this);
    m_views = new ViewPanel(m_surface, this);
    m_keys = new KeyHandler(*this);

    m_imgIzlaz = new DrawnButton(glyph::exit, DrawnButton::Face::Plain, m_surface);
    m_imgIzlaz->setObjectName(QStringLiteral("imgIzlaz"));
    m_surface->place(m_imgIzlaz, QRect(10230, 6450, 360, 360), 0);

    pse::ConfigHost &host = *this;
    m_configStore = std::make_unique<pse::ConfigStore>(m_state.settings, m_state.colourEditMode,
                                                       host, m_state.configFolder);
    connectPanels();
}

FrmPeriodni::~FrmPeriodni()
{
    // The dialog works on the state and the store, which go before the window's children do.
    delete m_config;
}

void FrmPeriodni::closeEvent(QCloseEvent *event)
{
    if (m_config)
        m_config->close();
    QMainWindow::closeEvent(event);
}

void FrmPeriodni::connectPanels()
{
    connect(m_imgIzlaz, &QAbstractButton::clicked, this, &FrmPeriodni::imgIzlaz_Click);
    connect(m_grid, &ElementGrid::elementClicked, this, &FrmPeriodni::cmdElement_Click);
    connect(m_grid, &ElementGrid::elementRightClicked, this, [this](int index, const QPoint &at) {
        cmdElement_MouseUp(index, Qt::RightButton, at);
    });

    connect(m_thermometer, &ThermometerPanel::temperatureChanged, this,
            &FrmPeriodni::refreshStateColours);
    // The element is shown again in the new unit, also while the calculator is open.
    connect(m_thermometer, &ThermometerPanel::unitSwitched, this,
            [this] { showInPanel(m_info->shownIndex()); });
    // Someone has taken the thermometer in hand: the sweep must not end the program behind them.
    connect(m_thermometer, &ThermometerPanel::bulbReleased, this,
            [this] { m_state.settings.AutoClose = 0; });

    connect(m_sweep, &SweepPanel::elementDue, this,
            [this] { cmdElement_Click(m_state.random.below(109)); });
    connect(m_sweep, &SweepPanel::pageDue, m_info, &InfoPanel::cmdPageDn_Click);
    connect(m_sweep, &SweepPanel::endOfSweep, this, &FrmPeriodni::imgIzlaz_Click);
    connect(m_sweep, &SweepPanel::valuesAccepted, this, &FrmPeriodni::storeSweepValues);

    connect(m_tools, &ToolPanel::toolClicked, this, &FrmPeriodni::cmdIzbornik_Click);
    connect(m_views, &ViewPanel::viewChosen, this, &FrmPeriodni::setView);
    connect(m_views, &ViewPanel::timelineToggled, this, &FrmPeriodni::toggleTimeline);
    connect(m_views, &ViewPanel::yearChanged, this, &FrmPeriodni::applyDimming);
    connect(m_views, &ViewPanel::exportWanted, this, &FrmPeriodni::exportPicture);
    // The flags are imgHR_Click .. imgIT_Click.
    connect(m_tools, &ToolPanel::languageChosen, this, &FrmPeriodni::setLanguageIndex);
    connect(m_tools, &ToolPanel::webPageClicked, this,
            [this] { m_tools->lblURL_Click(helpFolders()); });
}

CalculatorPanel &FrmPeriodni::calculator()
{
    if (!m_calculator) {
        m_calculator = new CalculatorPanel(
            m_surface, m_seam, m_state.decimalSeparator, [this] { return m_state.random.next(); },
            [this](int z) {
                return QString::fromStdString(
                    allElements()[std::size_t(z - 1)].name(m_state.languageIndex()));
            },
            this);
        m_calculator->applyLanguage(m_state.languageIndex());
    }
    return *m_calculator;
}

QStringList FrmPeriodni::helpFolders() const
{
    return folders::data(m_state.programFolder);
}

void FrmPeriodni::cmdIzbornik_Click(int index)
{
    m_sweep->stopSweep();
    switch (index) {
    case 0:
        m_state.calculatorMode = true;
        m_info->setShown(false);
        calculator().setOpen(true);
        m_tools->showCalculatorButton(false);
        break;
    case 1:
        m_state.calculatorMode = false;
        if (m_calculator)
            m_calculator->setOpen(false);
        m_info->setShown(true);
        m_tools->showCalculatorButton(true);
        break;
    case 2:
        showSettings();
        break;
    default:
        m_tools->toggleHelp(m_state.languageIndex(), helpFolders());
        break;
    }
}

void FrmPeriodni::showSettings()
{
    if (!m_config) {
        m_config = new pse::FrmConfig(m_state.settings, m_state.colourEditMode, *m_configStore,
                                      m_seam, this);
        m_config->applyLanguage(m_state.languageIndex());
    }
    if (m_config->isVisible()) {
        m_config->setWindowState(m_config->windowState() & ~Qt::WindowMinimized);
        m_config->raise();
        m_config->activateWindow();
    }
    m_config->show();
}

void FrmPeriodni::toggleFullScreen()
{
    FullScreen::of(this).toggle();
}

void FrmPeriodni::toggleStateLetters()
{
    m_state.stateLetters = !m_state.stateLetters;
    applyStateLetters();
}

void FrmPeriodni::applyStateLetters()
{
    std::array<QString, 4> letters;
    if (m_state.stateLetters) {
        const QStringList initials =
            pse::lang::text(pse::lang::TextId::StateLetters, m_state.languageIndex()).split(u' ');
        for (std::size_t i = 0; i < letters.size(); ++i)
            letters[i] = initials.value(qsizetype(i));
    }
    m_grid->setStateLetters(
        letters, std::span(m_state.statePainter.buttonStates).first(StatePainter::PaintedButtons));
}

int FrmPeriodni::focusedElement() const
{
    const QWidget *focus = focusWidget();
    for (int i = 0; i < ElementGrid::ButtonCount; ++i) {
        if (focus == m_grid->button(i))
            return i;
    }
    return -1;
}

bool FrmPeriodni::moveElementFocus(Qt::Key arrow)
{
    const int from = focusedElement();
    if (from < 0)
        return false;
    m_grid->button(ElementGrid::neighbour(from, arrow))->setFocus(Qt::TabFocusReason);
    return true;
}

bool FrmPeriodni::showFocusedElement()
{
    const int index = focusedElement();
    if (index < 0)
        return false;
    cmdElement_Click(index);
    return true;
}

void FrmPeriodni::setView(int view)
{
    m_views->setView(view);
    applyView();
}

void FrmPeriodni::stepView(bool forward)
{
    const int count = ViewPanel::ViewCount;
    setView((m_views->view() + (forward ? 1 : count - 1)) % count);
}

void FrmPeriodni::applyView()
{
    const int view = m_views->view();
    m_grid->setLegendShown(view == 0);
    if (view == 0) {
        m_views->hideScale();
        m_state.repaintAllStates = true;
        refreshStateColours();
        return;
    }
    const auto property = maps::Property(view - 1);
    const maps::Scale scale = maps::scaleFor(property, m_state.tables);
    const QColor none = m_state.settings.RGBNepoznato.colour();
    for (int i = 0; i < ElementGrid::ButtonCount; ++i) {
        const auto value = maps::value(property, ElementGrid::atomicNumber(i), m_state.tables);
        m_grid->button(i)->setBackgroundColour(value ? maps::viridis(maps::position(scale, *value))
                                                     : none);
    }
    m_info->setTileColour(m_grid->button(m_info->shownIndex())->backgroundColour());
    m_views->showScale(scale, QString::fromUtf8(maps::info(property).unit));
}

void FrmPeriodni::toggleTimeline()
{
    m_views->setTimelineShown(!m_views->timelineShown());
    applyDimming();
}

void FrmPeriodni::applyDimming()
{
    // Letters are compared without case and without accents: "zeljezo" finds "Željezo".
    const auto plain = [](const QString &text) {
        QString decomposed = text.normalized(QString::NormalizationForm_D).toCaseFolded();
        decomposed.removeIf([](QChar c) { return c.category() == QChar::Mark_NonSpacing; });
        return decomposed;
    };
    const bool searching = !m_state.search.isEmpty();
    const QString wanted = plain(m_state.search);
    const bool timeline = m_views->timelineShown();
    const int year = m_views->year();
    for (int i = 0; i < ElementGrid::ButtonCount; ++i) {
        const ElementRecord &record = allElements()[std::size_t(ElementGrid::atomicNumber(i) - 1)];
        const bool known = !timeline || maps::discoveryYear(record) <= year;
        const bool hit =
            !searching || plain(QString::fromStdString(record.symbol)).contains(wanted) ||
            plain(QString::fromStdString(record.name(m_state.languageIndex()))).contains(wanted);
        m_grid->button(i)->setDimmed(!known || !hit);
        m_grid->button(i)->setMarked(searching && known && hit);
    }
}

bool FrmPeriodni::searchKey(const QString &typed)
{
    if (typed == u"\b") {
        if (m_state.search.isEmpty())
            return false;
        m_state.search.chop(1);
    } else if (typed.size() == 1 && typed.at(0).isLetter()) {
        m_state.search += typed;
    } else {
        return false;
    }
    m_views->showSearch(m_state.search);
    applyDimming();
    return true;
}

void FrmPeriodni::clearSearch()
{
    if (m_state.search.isEmpty())
        return;
    m_state.search.clear();
    m_views->showSearch({});
    applyDimming();
}

bool FrmPeriodni::showFirstFound()
{
    if (m_state.search.isEmpty())
        return false;
    for (int i = 1; i < ElementGrid::ButtonCount; ++i) {
        if (!m_grid->button(i)->isDimmed()) {
            cmdElement_Click(i);
            return true;
        }
    }
    return true;
}

void FrmPeriodni::exportPicture()
{
    const QString filter =
        QStringLiteral("PNG 1920 × 1080 (*.png);;PNG 1280 × 720 (*.png);;PNG 3840 × 2160 (*.png)");
    QString chosen;
    const QString path = m_seam.chooseSaveFile(
        this, pse::lang::text(pse::lang::TextId::ExportTitle, m_state.languageIndex()),
        QDir(m_state.configFolder).filePath(QStringLiteral("quon-pse.png")), filter, &chosen);
    if (path.isEmpty())
        return;
    QSize size(1920, 1080);
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("(\\d+) × (\\d+)")).match(chosen);
    if (match.hasMatch())
        size = QSize(match.captured(1).toInt(), match.captured(2).toInt());

    // The window drawn again at the picture's size rather than enlarged from the screen, so that
    // text and lines stay sharp at 4K.
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    const qreal scale = std::min(qreal(size.width()) / m_surface->width(),
                                 qreal(size.height()) / m_surface->height());
    QPainter painter(&image);
    painter.translate((size.width() - m_surface->width() * scale) / 2,
                      (size.height() - m_surface->height() * scale) / 2);
    painter.scale(scale, scale);
    m_surface->render(&painter);
    painter.end();
    QImageWriter writer(path, "png");
    if (!writer.write(image))
        m_seam.showMessage(this, writer.errorString());
}

void FrmPeriodni::pageInfo(bool forward)
{
    if (forward)
        m_info->cmdPageDn_Click();
    else
        m_info->pageUp();
}

void FrmPeriodni::formLoad()
{
    m_state.settings.Language = 0;
    m_state.temperature.thermometerIdle = true;
    // Read before the configuration, which keeps the sweep values in the system's number format.
    m_state.decimalSeparator = pse::systemDecimalSeparator();
    m_configStore->ReadConfig(m_state.decimalSeparator);
    m_state.temperature.kelvinScale = true;
    setTemperature(m_state.tables);
    ApplyConfig();
    if (m_state.settings.Language != 0)
        SetLanguage();
    m_state.temperature.statesArmed = true;
    cmdElement_Click(m_state.random.below(109));
    refreshStateColours();
    if (m_state.settings.AutoStart != 0)
        m_sweep->cmdAuto_Click();
    else
        m_thermometer->setTemperatureText(QString::number(m_state.random.below(4000)));
}

void FrmPeriodni::setTemperatureText(const QString &text)
{
    m_thermometer->setTemperatureText(text);
}

void FrmPeriodni::setStepTempText(const QString &text)
{
    m_sweep->showStepTemp(text);
}

void FrmPeriodni::showError(const QString &message)
{
    m_seam.showMessage(this, message);
}

StateColours FrmPeriodni::stateColours() const
{
    const pse::Settings &s = m_state.settings;
    return {s.RGBKruto.colour(), s.RGBTekuce.colour(), s.RGBPlinovito.colour(),
            s.RGBNepoznato.colour()};
}

void FrmPeriodni::ApplyConfig()
{
    const pse::Settings &s = m_state.settings;
    m_grid->applyColours(stateColours(), s.RGBLegenda.colour());
    m_tableLabels->applySettings(s);
    m_info->setPageButtonColour(s.RGBLantanoidi.colour());
    m_sweep->applySettings();
    m_tools->applySettings(s);
    SetNoviConfig();
    if (m_views->view() != 0)
        applyView();

    m_surface->setGradient(pse::gradientBands(s.R_Color, s.G_Color, s.B_Color));
    applyBackgroundPicture();
}

void FrmPeriodni::applyBackgroundPicture()
{
    const QString &path = m_state.settings.Background;
    QImage picture;
    if (path.contains(u'.') && QFileInfo::exists(path)) {
        QImageReader reader(path);
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
    switch (m_state.settings.Language) {
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

void FrmPeriodni::setLanguageIndex(int languageIndex)
{
    m_state.settings.Language = qint16(languageIndex);
    SetLanguage();
}

void FrmPeriodni::imgHR_Click()
{
    setLanguageIndex(0);
}

void FrmPeriodni::imgEN_Click()
{
    setLanguageIndex(1);
}

void FrmPeriodni::imgDE_Click()
{
    setLanguageIndex(2);
}

void FrmPeriodni::imgFR_Click()
{
    setLanguageIndex(3);
}

void FrmPeriodni::imgIT_Click()
{
    setLanguageIndex(4);
}

void FrmPeriodni::SetLanguage()
{
    const int language = m_state.languageIndex();
    m_tools->hideHelp();
    pse::lang::useQtTranslations(language);
    setWindowTitle(pse::lang::text(pse::lang::TextId::MainTitle, language));
    m_imgIzlaz->setToolTip(pse::lang::text(pse::lang::TextId::TipExit, language));
    m_grid->applyLanguage(language);
    m_tableLabels->applyLanguage(language);
    m_info->applyLanguage(language);
    m_thermometer->applyLanguage(language);
    m_sweep->applyLanguage(language);
    m_tools->applyLanguage(language, QString::fromLatin1(pse::versionText));
    m_views->applyLanguage(language);
    if (!m_state.search.isEmpty()) {
        m_views->showSearch(m_state.search);
        applyDimming();
    }
    if (m_state.stateLetters)
        applyStateLetters();
    if (m_calculator)
        m_calculator->applyLanguage(language);
    if (m_config)
        m_config->applyLanguage(language);
}

void FrmPeriodni::refreshStateColours()
{
    TemperatureState &t = m_state.temperature;
    if (!t.statesArmed) {
        t.statesArmed = true;
        return;
    }
    // In a property view the thermometer goes on, but the buttons keep the property's colours.
    if (m_views->view() != 0)
        return;
    const int celsius = celsiusFromReading(t.temperature, t.kelvinScale);
    const StateColours colours = stateColours();
    m_state.statePainter.refresh(celsius, m_state.repaintAllStates, m_state.tables,
                                 [&](int index, qint16 state) {
                                     m_grid->paintState(index, state, colours.forState(state));
                                 });
    m_state.repaintAllStates = false;
    m_info->setTileColour(m_grid->button(m_info->shownIndex())->backgroundColour());
}

void FrmPeriodni::cmdElement_Click(int index)
{
    m_tools->hideHelp();
    // While the calculator is open an element click types its symbol instead of showing it.
    if (m_state.calculatorMode)
        calculator().insertSymbol(m_grid->button(index)->text());
    else
        showInPanel(index);
}

void FrmPeriodni::showInPanel(int index)
{
    const ElementButton *button = m_grid->button(index);
    m_info->showElement(index, button->text(),
                        {m_state.tables, m_state.settings.Language, m_state.temperature.kelvinScale,
                         m_state.decimalSeparator},
                        button->backgroundColour());
}

void FrmPeriodni::cmdElement_MouseUp(int, Qt::MouseButton button, const QPoint &globalPosition)
{
    if (button != Qt::RightButton)
        return;
    if (m_state.calculatorMode)
        calculator().showInsertMenu(globalPosition);
    else
        m_info->cmdPageDn_Click();
}

void FrmPeriodni::storeSweepValues(const SweepValues &values)
{
    pse::Settings &s = m_state.settings;
    s.TempStart = values.tempStart;
    s.TempEnd = values.tempEnd;
    s.StepTemp = values.stepTemp;
    s.StepAtom = values.stepAtom;
    s.AutoScroll = values.autoScroll ? 1 : 0;
}

void FrmPeriodni::imgIzlaz_Click()
{
    m_seam.endProgram();
}
