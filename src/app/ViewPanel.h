// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lang/TextBinder.h"
#include "table/PropertyMaps.h"

#include <QObject>

#include <array>

class DesignSurface;
class DrawnButton;
class GradientBar;
class PictureMenu;
class QComboBox;
class QLabel;
class QSlider;
class QTimer;
class TableController;

// The controls of the views beyond the state of matter: the choice of what colours the table (with
// the colour bar that then stands in for the legend), the discovery timeline with its play button,
// the line that shows a search, and the button that saves or prints the table. They report
// what the teacher chose; the table controller decides what the table shows. At start only the two
// buttons and the choice, set to the state of matter, are shown.
class ViewPanel : public QObject
{
    Q_OBJECT

public:
    ViewPanel(DesignSurface *surface, QObject *parent = nullptr);

    void applyLanguage(int languageIndex);

    // The choice shown: 0 the state of matter, 1 + a maps::Property for a property.
    void setView(int view);
    // The choice, the legend's colour bar and the search line follow what the table shows.
    void follow(const TableController &table);
    // The colour bar for a property's scale, its ends written as the window writes numbers:
    // years whole, temperatures in the thermometer's unit (kelvin or not).
    void showScale(maps::Property property, const maps::Scale &scale, bool kelvin);
    void hideScale();

    // The timeline's last year: that of the latest discovery among the elements in use.
    void setLastYear(int year);
    bool timelineShown() const;
    void setTimelineShown(bool shown);
    int year() const;
    void setYear(int year);
    void setPlaying(bool playing);
    bool playing() const;

public slots:
    // The letters of a search, or none.
    void showSearch(const QString &text);

signals:
    void viewChosen(int view);
    void timelineToggled();
    void quizToggled();
    void yearChanged(int year);
    void exportWanted();
    void printWanted();

private:
    // The colour bar and the timeline are built on first use.
    void buildScale();
    void buildTimeline();
    void showYear();
    void applyTimelineLanguage();
    void playStep();

    DesignSurface *m_surface;
    QComboBox *m_cboBoje;
    std::array<QWidget *, 3> m_scaleParts{};
    QLabel *m_lblMin = nullptr;
    QLabel *m_lblMax = nullptr;
    QWidget *m_fraTimeline = nullptr;
    QSlider *m_sldGodina = nullptr;
    QLabel *m_lblGodina = nullptr;
    DrawnButton *m_cmdPlay = nullptr;
    QTimer *m_playTimer = nullptr;
    QLabel *m_lblTrazi = nullptr;
    PictureMenu *m_pictureMenu;
    QString m_search;
    int m_languageIndex = 0;
    int m_lastYear = 1984;
    pse::lang::TextBinder m_texts;
};
