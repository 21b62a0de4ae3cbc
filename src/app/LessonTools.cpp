// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/LessonTools.h"

#include "app/InfoPanel.h"
#include "app/NarrationLine.h"
#include "app/ProgramState.h"
#include "app/QuizPanel.h"
#include "app/ViewPanel.h"
#include "table/TableController.h"
#include "temperature/SweepPanel.h"
#include "temperature/ThermometerPanel.h"

#include <QLineEdit>

LessonTools::LessonTools(DesignSurface *surface, ProgramState &state, const Panels &panels,
                         QObject *parent)
    : QObject(parent)
    , m_surface(surface)
    , m_state(state)
    , m_panels(panels)
    , m_narration(new NarrationLine(surface, this))
{
    connect(&panels.table, &TableController::crossed, this, [this](const auto &crossings) {
        m_narration->show(narration::text(crossings, m_state.languageIndex(),
                                          m_state.temperature.kelvinScale,
                                          m_state.decimalSeparator));
    });
    connect(&panels.views, &ViewPanel::timelineToggled, this, &LessonTools::toggleTimeline);
    connect(&panels.views, &ViewPanel::quizToggled, this, &LessonTools::toggleQuiz);
    connect(&panels.views, &ViewPanel::yearChanged, &panels.table,
            [this](int year) { m_panels.table.setYear(year); });
}

void LessonTools::start()
{
    m_started = true;
    narrateOrNot();
}

void LessonTools::narrateOrNot()
{
    const bool on = m_started && m_state.settings.Narration != 0 && !openQuiz();
    m_panels.table.setNarrating(on);
    if (!on)
        m_narration->clear();
}

void LessonTools::applySettings(const StateColours &colours, const QColor &captions)
{
    narrateOrNot();
    m_narration->setTextColour(captions);
    if (m_quiz)
        m_quiz->setStateColours(colours);
}

void LessonTools::applyLanguage(int languageIndex)
{
    if (m_quiz)
        m_quiz->applyLanguage(languageIndex);
}

void LessonTools::unitSwitched()
{
    if (m_quiz)
        m_quiz->setKelvinScale(m_state.temperature.kelvinScale);
}

void LessonTools::toggleTimeline()
{
    ViewPanel &views = m_panels.views;
    const bool open = !views.timelineShown();
    if (open)
        m_panels.sweep.stopSweep();
    views.setTimelineShown(open);
    m_panels.table.setYear(open ? std::optional(views.year()) : std::nullopt);
}

void LessonTools::toggleNarration()
{
    m_state.settings.Narration = m_state.settings.Narration ? 0 : 1;
    narrateOrNot();
}

QuizPanel *LessonTools::openQuiz() const
{
    return m_quiz && m_quiz->isOpen() ? m_quiz : nullptr;
}

void LessonTools::toggleQuiz()
{
    ThermometerPanel &thermometer = m_panels.thermometer;
    if (openQuiz()) {
        m_quiz->close();
        m_panels.info.setShown(true);
        thermometer.setTemperatureText(m_readingBeforeQuiz);
        narrateOrNot();
        return;
    }
    if (!m_quiz) {
        m_quiz = new QuizPanel(m_surface, m_state.random, m_state.tables, this);
        m_quiz->applyLanguage(m_state.languageIndex());
        m_quiz->setStateColours(m_panels.table.inputs().colours);
        connect(m_quiz, &QuizPanel::marksChanged, &m_panels.table, &TableController::setQuiz);
        connect(m_quiz, &QuizPanel::readingWanted, this, [this](int kelvin) {
            const bool kelvinScale = m_state.temperature.kelvinScale;
            m_panels.thermometer.setTemperatureText(
                QString::number(kelvinScale ? kelvin : kelvin - 273));
        });
    }
    m_panels.sweep.stopSweep();
    // The element data would give the answers away.
    emit elementDataWanted();
    m_panels.info.setShown(false);
    m_readingBeforeQuiz = thermometer.temperatureBox()->text();
    m_quiz->setKelvinScale(m_state.temperature.kelvinScale);
    m_quiz->open(m_state.settings.Elements);
    narrateOrNot();
}
