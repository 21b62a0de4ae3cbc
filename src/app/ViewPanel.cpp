// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ViewPanel.h"

#include "app/PictureMenu.h"
#include "app/ScaleText.h"
#include "table/TableController.h"
#include "ui/DesignSurface.h"
#include "ui/DrawnButton.h"
#include "ui/FittingComboBox.h"
#include "ui/Glyphs.h"
#include "ui/GradientBar.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLocale>
#include <QSlider>
#include <QTimer>

namespace {

using pse::lang::TextId;

// The first year the timeline shows; everything known before it is there from the start.
constexpr int FirstYear = 1650;
// The whole history plays in about a minute.
constexpr int PlayMilliseconds = 60000;

} // namespace

ViewPanel::ViewPanel(DesignSurface *surface, QObject *parent)
    : QObject(parent)
    , m_surface(surface)
    , m_cboBoje(new FittingComboBox(surface))
{
    m_cboBoje->setObjectName(QStringLiteral("cboBoje"));
    m_cboBoje->setFocusPolicy(Qt::StrongFocus);
    for (int i = 0; i < TableInputs::ColouringCount; ++i)
        m_cboBoje->addItem(QString());
    m_cboBoje->setMaxVisibleItems(TableInputs::ColouringCount);
    // Left of the legend, under the f-block buttons' column.
    surface->place(m_cboBoje, QRect(120, 6330, 1560, 330), 7.5);
    connect(m_cboBoje, &QComboBox::activated, this, &ViewPanel::viewChosen);
    m_texts.bind(TextId::TipView, m_cboBoje);

    auto *history = new DrawnButton(glyph::clock, DrawnButton::Face::Raised, surface);
    history->setObjectName(QStringLiteral("cmdPovijest"));
    surface->place(history, QRect(150, 5700, 440, 440), 0);
    connect(history, &QAbstractButton::clicked, this, &ViewPanel::timelineToggled);
    m_texts.bind(TextId::TipTimeline, history);
    auto *picture = new DrawnButton(glyph::picture, DrawnButton::Face::Raised, surface);
    picture->setObjectName(QStringLiteral("cmdSlika"));
    surface->place(picture, QRect(640, 5700, 440, 440), 0);
    m_texts.bind(TextId::TipPicture, picture);
    m_pictureMenu = new PictureMenu(picture, surface);
    connect(m_pictureMenu, &PictureMenu::saveChosen, this, &ViewPanel::exportWanted);
    connect(m_pictureMenu, &PictureMenu::printChosen, this, &ViewPanel::printWanted);
    auto *quiz = new DrawnButton(glyph::quiz, DrawnButton::Face::Raised, surface);
    quiz->setObjectName(QStringLiteral("cmdKviz"));
    surface->place(quiz, QRect(1130, 5700, 440, 440), 0);
    connect(quiz, &QAbstractButton::clicked, this, &ViewPanel::quizToggled);
    m_texts.bind(TextId::TipQuiz, quiz);

    m_lblTrazi = new QLabel(surface);
    m_lblTrazi->setObjectName(QStringLiteral("lblTrazi"));
    m_lblTrazi->setWordWrap(true);
    surface->place(m_lblTrazi, QRect(120, 4600, 1560, 900), 9.75);
    m_lblTrazi->hide();
}

void ViewPanel::buildScale()
{
    // The colour bar stands where the legend of states stands.
    m_lblMin = new QLabel(m_surface);
    m_lblMin->setObjectName(QStringLiteral("lblBojeMin"));
    m_lblMin->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_surface->place(m_lblMin, QRect(1770, 6330, 1500, 330), 9.75);
    auto *bar = new GradientBar(maps::viridis, m_surface);
    bar->setObjectName(QStringLiteral("picBoje"));
    m_surface->place(bar, QRect(3360, 6370, 3900, 250), 0);
    m_lblMax = new QLabel(m_surface);
    m_lblMax->setObjectName(QStringLiteral("lblBojeMax"));
    m_surface->place(m_lblMax, QRect(7350, 6330, 1600, 330), 9.75);
    m_scaleParts = {m_lblMin, bar, m_lblMax};
}

void ViewPanel::buildTimeline()
{
    DesignSurface *surface = m_surface;
    // Under the element tile and the information panel, above the group labels.
    m_fraTimeline = new QFrame(surface);
    m_fraTimeline->setObjectName(QStringLiteral("fraPovijest"));
    surface->place(m_fraTimeline, QRect(1310, 1620, 4765, 330), 0);
    m_cmdPlay = new DrawnButton(glyph::play, DrawnButton::Face::Raised, m_fraTimeline);
    m_cmdPlay->setObjectName(QStringLiteral("cmdPlay"));
    surface->place(m_cmdPlay, QRect(0, 0, 330, 330), 0);
    m_sldGodina = new QSlider(Qt::Horizontal, m_fraTimeline);
    m_sldGodina->setObjectName(QStringLiteral("sldGodina"));
    m_sldGodina->setRange(FirstYear, m_lastYear);
    m_sldGodina->setPageStep(10);
    m_sldGodina->setValue(m_sldGodina->maximum());
    surface->place(m_sldGodina, QRect(400, 0, 2300, 330), 0);
    m_lblGodina = new QLabel(m_fraTimeline);
    m_lblGodina->setObjectName(QStringLiteral("lblGodina"));
    surface->place(m_lblGodina, QRect(2760, 0, 2005, 330), 8.25);
    m_playTimer = new QTimer(this);
    connect(m_playTimer, &QTimer::timeout, this, &ViewPanel::playStep);
    connect(m_cmdPlay, &QAbstractButton::clicked, this, [this] { setPlaying(!playing()); });
    connect(m_sldGodina, &QSlider::valueChanged, this, [this](int year) {
        showYear();
        emit yearChanged(year);
    });
    applyTimelineLanguage();
}

void ViewPanel::showYear()
{
    m_lblGodina->setText(
        pse::lang::text(TextId::TimelineLabel, m_languageIndex).arg(m_sldGodina->value()));
}

void ViewPanel::applyTimelineLanguage()
{
    showYear();
    m_cmdPlay->setToolTip(pse::lang::text(TextId::TipTimeline, m_languageIndex));
}

void ViewPanel::applyLanguage(int languageIndex)
{
    m_languageIndex = languageIndex;
    m_texts.apply(languageIndex);
    m_pictureMenu->applyLanguage(languageIndex);
    m_cboBoje->setItemText(0, pse::lang::text(TextId::ViewStates, languageIndex));
    for (int i = 1; i < TableInputs::ColouringCount; ++i) {
        const maps::PropertyInfo &property = maps::info(maps::Property(i - 1));
        m_cboBoje->setItemText(i, pse::lang::text(property.name, languageIndex));
    }
    if (m_fraTimeline)
        applyTimelineLanguage();
    showSearch(m_search);
}

void ViewPanel::setView(int view)
{
    m_cboBoje->setCurrentIndex(view);
}

void ViewPanel::follow(const TableController &table)
{
    connect(&table, &TableController::searchChanged, this, &ViewPanel::showSearch);
    connect(&table, &TableController::legendChanged, this, [this, &table] {
        const TableInputs &inputs = table.inputs();
        setView(inputs.colouring);
        if (inputs.colouring == TableInputs::StatesColouring) {
            hideScale();
            return;
        }
        const auto property = maps::Property(inputs.colouring - 1);
        showScale(property, table.looks().scale(property, inputs.elementCount), inputs.kelvinScale);
    });
}

void ViewPanel::showScale(maps::Property property, const maps::Scale &scale, bool kelvin)
{
    if (!m_lblMin)
        buildScale();
    const scaletext::ScaleEnds ends =
        scaletext::ends(scaletext::quantityOf(property), scale.min, scale.max,
                        QString::fromUtf8(maps::info(property).unit), kelvin, QLocale::system());
    m_lblMin->setText(ends.min);
    m_lblMax->setText(ends.max);
    // The bar itself is only colours; a screen reader reads its ends and unit in one line.
    m_scaleParts[1]->setAccessibleName(ends.spoken);
    for (QWidget *part : m_scaleParts)
        part->show();
}

void ViewPanel::hideScale()
{
    for (QWidget *part : m_scaleParts) {
        if (part)
            part->hide();
    }
}

bool ViewPanel::timelineShown() const
{
    return m_fraTimeline && !m_fraTimeline->isHidden();
}

void ViewPanel::setTimelineShown(bool shown)
{
    // Built on first use: the window at start does not show it.
    if (!m_fraTimeline) {
        if (!shown)
            return;
        buildTimeline();
    }
    m_fraTimeline->setVisible(shown);
    if (shown)
        m_fraTimeline->raise();
    else
        setPlaying(false);
}

void ViewPanel::setLastYear(int year)
{
    m_lastYear = year;
    if (!m_sldGodina)
        return;
    // A timeline that stood at the end stays at the end.
    const bool atEnd = m_sldGodina->value() == m_sldGodina->maximum();
    m_sldGodina->setMaximum(year);
    if (atEnd)
        m_sldGodina->setValue(year);
}

int ViewPanel::year() const
{
    return m_sldGodina ? m_sldGodina->value() : m_lastYear;
}

void ViewPanel::setYear(int year)
{
    setTimelineShown(true);
    m_sldGodina->setValue(year);
}

bool ViewPanel::playing() const
{
    return m_playTimer && m_playTimer->isActive();
}

void ViewPanel::setPlaying(bool on)
{
    if (!m_fraTimeline)
        return;
    if (on) {
        // From the beginning when the end has been reached.
        if (m_sldGodina->value() == m_sldGodina->maximum())
            m_sldGodina->setValue(m_sldGodina->minimum());
        m_playTimer->setInterval(PlayMilliseconds / (m_sldGodina->maximum() - FirstYear));
        m_playTimer->start();
    } else {
        m_playTimer->stop();
    }
    m_cmdPlay->setGlyph(on ? glyph::pause : glyph::play);
}

void ViewPanel::playStep()
{
    if (m_sldGodina->value() >= m_sldGodina->maximum()) {
        setPlaying(false);
        return;
    }
    m_sldGodina->setValue(m_sldGodina->value() + 1);
}

void ViewPanel::showSearch(const QString &text)
{
    m_search = text;
    m_lblTrazi->setText(pse::lang::text(TextId::SearchLabel, m_languageIndex).arg(text));
    m_lblTrazi->setVisible(!text.isEmpty());
}
