// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FrmPeriodni.h"

#include "app/InfoPanel.h"
#include "app/KeyHandler.h"
#include "app/LessonTools.h"
#include "app/ProgramFolders.h"
#include "app/QuizPanel.h"
#include "app/TableLabels.h"
#include "app/TablePicture.h"
#include "app/TablePoster.h"
#include "app/ToolPanel.h"
#include "app/ViewPanel.h"
#include "calc/CalculatorPanel.h"
#include "config/ConfigStore.h"
#include "config/FrmConfig.h"
#include "lang/QtTranslations.h"
#include "table/ElementGrid.h"
#include "table/PropertyMaps.h"
#include "table/TableController.h"
#include "temperature/SweepPanel.h"
#include "temperature/ThermometerPanel.h"
#include "ui/DesignSurface.h"
#include "ui/DesktopSeam.h"
#include "ui/DrawnButton.h"
#include "ui/ElementButton.h"
#include "ui/Glyphs.h"
#include "ui/NumberRule.h"
#include "version/Version.h"

#include <QFileInfo>

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
    m_table = new TableController(*m_grid, m_state.tables, this);
    m_tableLabels = new TableLabels(m_surface, this);
    m_info = new InfoPanel(m_surface, this);
    m_thermometer = new ThermometerPanel(m_surface, m_state.temperature, m_state.settings, this);
    m_sweep =
        new SweepPanel(m_surface, m_state.temperature, m_state.settings, *m_thermometer, this);
    m_tools = new ToolPanel(m_surface, m_seam, this);
    m_views = new ViewPanel(m_surface, this);
    m_lessons = new LessonTools(m_surface, m_state,
                                {*m_table, *m_views, *m_sweep, *m_thermometer, *m_info}, this);
    m_keys = new KeyHandler(*this, *m_table, *m_info);

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
    // The controller hears the buttons' focus leave as they are destroyed one by one; it goes
    // first, with the key handler that calls it.
    delete m_keys;
    delete m_table;
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
    // The quiz's "Where is …?" is answered on the table.
    connect(m_table, &TableController::elementChosen, this, [this](int index) {
        if (QuizPanel *quiz = m_lessons->openQuiz())
            quiz->elementChosen(index);
        else
            cmdElement_Click(index);
    });
    connect(m_table, &TableController::repainted, this, &FrmPeriodni::copyTileColour);
    m_views->follow(*m_table);
    // A map on which the temperature changes nothing makes no sense under a running sweep.
    connect(m_table, &TableController::colouringChanged, this, [this](int colouring) {
        if (colouring != TableInputs::StatesColouring)
            m_sweep->stopSweep();
    });
    connect(m_grid, &ElementGrid::elementRightClicked, this, [this](int index, const QPoint &at) {
        cmdElement_MouseUp(index, Qt::RightButton, at);
    });

    connect(m_thermometer, &ThermometerPanel::temperatureChanged, this,
            &FrmPeriodni::refreshStateColours);
    // The element is shown again in the new unit, also while the calculator is open.
    connect(m_thermometer, &ThermometerPanel::unitSwitched, this, [this] {
        m_table->setKelvinScale(m_state.temperature.kelvinScale);
        m_lessons->unitSwitched();
        showInPanel(m_info->shownIndex());
    });
    // Someone has taken the thermometer in hand: the sweep must not end the program behind them.
    connect(m_thermometer, &ThermometerPanel::bulbReleased, this,
            [this] { m_state.settings.AutoClose = 0; });

    connect(m_sweep, &SweepPanel::elementDue, this,
            [this] { cmdElement_Click(m_state.random.below(m_state.settings.Elements)); });
    connect(m_sweep, &SweepPanel::pageDue, m_info, &InfoPanel::cmdPageDn_Click);
    connect(m_sweep, &SweepPanel::endOfSweep, this, &FrmPeriodni::imgIzlaz_Click);
    connect(m_sweep, &SweepPanel::valuesAccepted, this,
            [this](const SweepValues &values) { values.storeIn(m_state.settings); });

    connect(m_tools, &ToolPanel::toolClicked, this, &FrmPeriodni::cmdIzbornik_Click);
    connect(m_views, &ViewPanel::viewChosen, m_table, &TableController::setColouring);
    connect(m_lessons, &LessonTools::elementDataWanted, this, [this] { cmdIzbornik_Click(1); });
    connect(m_views, &ViewPanel::exportWanted, this, &FrmPeriodni::exportPicture);
    connect(m_views, &ViewPanel::printWanted, this,
            [this] { picture::print(this, poster(), m_seam); });
    connect(m_tools, &ToolPanel::languageChosen, this, &FrmPeriodni::setLanguageIndex);
    connect(m_tools, &ToolPanel::webPageClicked, this,
            [this] { m_tools->lblURL_Click(helpFolders()); });
}

CalculatorPanel &FrmPeriodni::calculator()
{
    if (!m_calculator) {
        m_calculator = new CalculatorPanel(
            m_surface, m_seam, m_state.decimalSeparator, [this] { return m_state.random.next(); },
            this);
        m_calculator->applyLanguage(m_state.languageIndex());
        m_calculator->setElementCount(std::size_t(m_state.settings.Elements));
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
        // The calculator takes the quiz's place.
        if (m_lessons->openQuiz())
            m_lessons->toggleQuiz();
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

void FrmPeriodni::copyTileColour()
{
    m_info->setTileColour(m_grid->button(m_info->shownIndex())->backgroundColour());
}

void FrmPeriodni::exportPicture()
{
    picture::save(m_surface, poster(), m_seam, m_state.configFolder);
}

TablePoster FrmPeriodni::poster() const
{
    return {*m_grid, *m_table, m_state.temperature, m_state.settings.RGBLantanoidi.colour()};
}

void FrmPeriodni::formLoad()
{
    m_state.settings.Language = 0;
    m_state.temperature.thermometerIdle = true;
    // Read before the configuration, which keeps the sweep values in the system's number format.
    m_state.decimalSeparator = pse::systemDecimalSeparator();
    m_configStore->ReadConfig(
        m_state.decimalSeparator,
        folders::configurationToRead(m_state.programFolder, m_state.configFolder));
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
    m_lessons->start();
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
    m_table->setStateColours(stateColours());
    m_table->setElementCount(s.Elements);
    m_lessons->applySettings(stateColours(), s.RGBLegenda.colour());
    m_views->setLastYear(maps::latestDiscovery(std::size_t(s.Elements)));
    if (m_calculator)
        m_calculator->setElementCount(std::size_t(s.Elements));
    m_tableLabels->applySettings(s);
    m_info->setPageButtonColour(s.RGBLantanoidi.colour());
    m_sweep->applySettings();
    m_tools->applySettings(s);
    SetNoviConfig();

    m_surface->setGradient(pse::gradientBands(s.R_Color, s.G_Color, s.B_Color));
    applyBackgroundPicture();
}

void FrmPeriodni::applyBackgroundPicture()
{
    const QString &path = m_state.settings.Background;
    QImage picture;
    QString error;
    // A picture that is not there is passed over silently (the gradient shows instead); one that
    // is there but cannot be read is worth telling the teacher about.
    if (path.contains(u'.') && QFileInfo::exists(path) &&
        (picture = DesignSurface::readPicture(path, error)).isNull())
        m_seam.showMessage(this, error);
    m_surface->setBackgroundPicture(picture);
}

void FrmPeriodni::SetNoviConfig()
{
    m_tools->clickFlag(m_state.settings.Language);
    refreshStateColours();
}

void FrmPeriodni::setLanguageIndex(int languageIndex)
{
    m_state.settings.Language = qint16(languageIndex);
    SetLanguage();
}

void FrmPeriodni::SetLanguage()
{
    const int language = m_state.languageIndex();
    m_tools->hideHelp();
    pse::lang::useQtTranslations(language);
    setWindowTitle(pse::lang::text(pse::lang::TextId::MainTitle, language));
    m_imgIzlaz->setToolTip(pse::lang::text(pse::lang::TextId::TipExit, language));
    m_grid->applyLanguage(language);
    m_table->setLanguage(language);
    m_tableLabels->applyLanguage(language);
    m_info->applyLanguage(language);
    m_thermometer->applyLanguage(language);
    m_sweep->applyLanguage(language);
    m_tools->applyLanguage(language, QString::fromLatin1(pse::versionText));
    m_views->applyLanguage(language);
    if (m_calculator)
        m_calculator->applyLanguage(language);
    m_lessons->applyLanguage(language);
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
    // New colours in the settings reach the buttons whose state stays the same only with a full
    // repaint, which a save asks for.
    if (m_state.repaintAllStates)
        m_table->setStateColours(stateColours());
    m_table->setTemperature(celsiusFromReading(t.temperature, t.kelvinScale));
    m_state.repaintAllStates = false;
    copyTileColour();
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

void FrmPeriodni::imgIzlaz_Click()
{
    m_seam.endProgram();
}
