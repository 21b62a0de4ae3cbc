// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

class DesignSurface;
class InfoPanel;
class NarrationLine;
class QuizPanel;
class SweepPanel;
class TableController;
class ThermometerPanel;
class ViewPanel;
struct ProgramState;
struct StateColours;

// The tools of a lesson beyond the table's colouring: the discovery timeline, the narration line
// and the quiz. They switch on and off as a teacher asks and hand what they change to the panels
// that own it: the table's controller, the thermometer, the element panel.
class LessonTools : public QObject
{
    Q_OBJECT

public:
    struct Panels
    {
        TableController &table;
        ViewPanel &views;
        SweepPanel &sweep;
        ThermometerPanel &thermometer;
        InfoPanel &info;
    };

    LessonTools(DesignSurface *surface, ProgramState &state, const Panels &panels,
                QObject *parent = nullptr);

    // Opening the timeline stops the sweep, as a property map does.
    void toggleTimeline();
    // The line that tells what melts and boils, on or off for this session; Save keeps it.
    void toggleNarration();
    // The quiz takes the place of the element tile and its data and gives them back, with the
    // thermometer's reading of before; it stops the sweep.
    void toggleQuiz();
    // The quiz while it is open, else null.
    QuizPanel *openQuiz() const;

    // After the start-up, whose random temperature is no change to narrate.
    void start();
    void applySettings(const StateColours &colours, const QColor &captions);
    void applyLanguage(int languageIndex);
    void unitSwitched();

signals:
    // The quiz needs the place of the calculator too: the element data are to be shown first.
    void elementDataWanted();

private:
    // The narration runs when it is switched on, after the start-up, and never under a quiz,
    // whose state questions it would answer.
    void narrateOrNot();

    DesignSurface *m_surface;
    ProgramState &m_state;
    Panels m_panels;
    NarrationLine *m_narration;
    // Built on first use.
    QuizPanel *m_quiz = nullptr;
    QString m_readingBeforeQuiz;
    bool m_started = false;
};
