// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/QuizPanel.h"

#include "elements/ElementDatabase.h"
#include "lang/Texts.h"
#include "table/ElementGrid.h"
#include "temperature/PropertyTables.h"
#include "ui/DesignSurface.h"
#include "ui/ElementButton.h"
#include "ui/FittingLabel.h"
#include "ui/FittingTextBox.h"
#include "ui/Overlay.h"

#include <QFrame>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTimer>

namespace {

using pse::lang::TextId;
using quiz::Kind;

const QColor RightColour(40, 170, 60);
const QColor WrongColour(220, 60, 40);
constexpr std::array<qint16, 3> States = {StateCode::Solid, StateCode::Liquid, StateCode::Gas};
constexpr std::array<TextId, 3> StateNames = {TextId::LegendSolid, TextId::LegendLiquid,
                                              TextId::LegendGas};

} // namespace

QuizPanel::QuizPanel(DesignSurface *surface, RandomSource &random, const PropertyTables &tables,
                     QObject *parent)
    : QObject(parent)
    , m_random(random)
    , m_tables(tables)
{
    build(surface);
}

QuizPanel::~QuizPanel() = default;

void QuizPanel::build(DesignSurface *surface)
{
    // Where the element tile and its data stand: a quiz has no use for them, and the tile would
    // give the answers away.
    m_frame = overlay::paper(surface, QStringLiteral("fraKviz"), QRect(1290, 150, 4785, 1450));
    // The keys of the quiz must not end up in the thermometer's box.
    m_frame->setFocusPolicy(Qt::StrongFocus);
    m_frame->hide();

    for (int i = 0; i < quiz::KindCount; ++i) {
        auto *kind = new QPushButton(m_frame);
        kind->setObjectName(QStringLiteral("quizKind_%1").arg(i));
        kind->setCheckable(true);
        kind->setFocusPolicy(Qt::NoFocus);
        surface->place(kind, QRect(40 + 1580 * i, 30, 1540, 280), 8);
        connect(kind, &QPushButton::clicked, this, [this, i] { startRound(Kind(i)); });
        m_kinds[std::size_t(i)] = kind;
    }
    // Wrapped, and in smaller type where a long question would not fit.
    m_question = new FittingTextBox(m_frame);
    m_question->setObjectName(QStringLiteral("quizQuestion"));
    m_question->setFocusPolicy(Qt::NoFocus);
    QPalette clear = m_question->palette();
    clear.setColor(QPalette::Base, Qt::transparent);
    m_question->setPalette(clear);
    QFont bold = m_question->font();
    bold.setBold(true);
    m_question->setFont(bold);
    surface->place(m_question, QRect(60, 320, 3560, 510), 10.5);
    // The score as large as its place allows: it is read from the back of the room.
    m_score = new FittingLabel(m_frame);
    m_score->setObjectName(QStringLiteral("quizScore"));
    m_score->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_score->setFont(bold);
    surface->place(m_score, QRect(3660, 330, 1085, 490), 20);
    for (int i = 0; i < 4; ++i) {
        // Answers look like the table's buttons, coloured like the states they name, with the
        // same thick ring where the keyboard or a clicker stands.
        auto *answer = new ElementButton(QString(), m_frame);
        answer->setObjectName(QStringLiteral("quizAnswer_%1").arg(i + 1));
        surface->place(answer, QRect(40 + 2370 * (i % 2), 850 + 300 * (i / 2), 2330, 280), 10.5);
        connect(answer, &QPushButton::clicked, this, [this, i] { answerKey(i + 1); });
        m_answers[std::size_t(i)] = answer;
    }
    m_hint = new QLabel(m_frame);
    m_hint->setObjectName(QStringLiteral("quizHint"));
    m_hint->setWordWrap(true);
    surface->place(m_hint, QRect(60, 850, 4660, 580), 10);
    m_newRound = new QPushButton(m_frame);
    m_newRound->setObjectName(QStringLiteral("quizNewRound"));
    m_newRound->setFont(bold);
    surface->place(m_newRound, QRect(40, 850, 4700, 580), 12);
    connect(m_newRound, &QPushButton::clicked, this, [this] { startRound(m_round->kind()); });

    m_flash = new QTimer(this);
    m_flash->setInterval(FlashMilliseconds);
    connect(m_flash, &QTimer::timeout, this, &QuizPanel::revealTick);
}

bool QuizPanel::isOpen() const
{
    return m_round != nullptr;
}

void QuizPanel::open(int elementCount)
{
    m_elementCount = elementCount;
    m_frame->show();
    m_frame->raise();
    m_frame->setFocus();
    startRound(Kind::WhereIs);
}

void QuizPanel::close()
{
    m_flash->stop();
    m_round.reset();
    m_revealing.reset();
    m_frame->hide();
    setMarks({});
}

void QuizPanel::setStateColours(const StateColours &colours)
{
    m_colours = colours;
}

void QuizPanel::applyLanguage(int languageIndex)
{
    m_languageIndex = languageIndex;
    const QStringList kinds = pse::lang::text(TextId::QuizKinds, languageIndex).split(u'|');
    for (std::size_t i = 0; i < m_kinds.size(); ++i)
        m_kinds[i]->setText(kinds.value(qsizetype(i)));
    m_newRound->setText(pse::lang::text(TextId::QuizNewRound, languageIndex));
    if (isOpen() && !m_revealing)
        showQuestion();
}

QString QuizPanel::elementName(int z, bool inSentence) const
{
    QString name = QString::fromStdString(
        allElements(fullElementCount)[std::size_t(z - 1)].name(m_languageIndex));
    // Within a sentence an element's name is a common noun, but in German.
    if (inSentence && m_languageIndex != 2 && !name.isEmpty())
        name[0] = name[0].toLower();
    return name;
}

void QuizPanel::startRound(Kind kind)
{
    m_flash->stop();
    m_revealing.reset();
    m_round = std::make_unique<quiz::Round>(kind, m_random, m_tables, m_elementCount);
    for (std::size_t i = 0; i < m_kinds.size(); ++i)
        m_kinds[i]->setChecked(int(i) == int(kind));
    showQuestion();
}

void QuizPanel::setMarks(const QuizMarks &marks)
{
    m_marks = marks;
    emit marksChanged(marks);
}

void QuizPanel::showQuestion()
{
    m_score->setText(QStringLiteral("%1 / %2").arg(m_round->right()).arg(m_round->asked()));
    if (m_round->finished()) {
        showEnd();
        return;
    }
    m_newRound->hide();
    const quiz::Question &q = m_round->question();
    QuizMarks marks;
    marks.active = true;
    QStringList answers;
    switch (m_round->kind()) {
    case Kind::WhereIs:
        m_question->setText(
            pse::lang::text(TextId::QuizWhereIs, m_languageIndex).arg(elementName(q.z, true)));
        break;
    case Kind::StateOf: {
        marks.hideStates = true;
        marks.marked = q.z;
        emit readingWanted(q.kelvin);
        const QString reading = m_kelvinScale ? QStringLiteral("%1 K").arg(q.kelvin)
                                              : QStringLiteral("%1 °C").arg(q.kelvin - 273);
        m_question->setText(pse::lang::text(TextId::QuizStateOf, m_languageIndex)
                                .arg(elementName(q.z, false), reading));
        for (TextId state : StateNames)
            answers << pse::lang::text(state, m_languageIndex);
        break;
    }
    case Kind::WhichElement: {
        marks.marked = q.z;
        marks.symbolHidden = true;
        const maps::PropertyInfo &info = maps::info(q.property);
        const double value = maps::value(q.property, q.z, m_tables).value_or(0);
        QString shown = q.property == maps::Property::DiscoveryYear
                            ? QString::number(int(value))
                            : QLocale::system().toString(value, 'g', 4);
        if (*info.unit)
            shown += u' ' + QString::fromUtf8(info.unit);
        m_question->setText(
            pse::lang::text(TextId::QuizWhich, m_languageIndex)
                .arg(QString::number(q.z),
                     pse::lang::text(info.name, m_languageIndex).trimmed() + u' ' + shown));
        for (int z : q.options)
            answers << elementName(z, false);
        break;
    }
    }
    // "Where is …?" is answered on the table itself; the others by their buttons or keys.
    m_hint->setText(pse::lang::text(TextId::QuizHintWhere, m_languageIndex));
    m_hint->setVisible(answers.isEmpty());
    for (std::size_t i = 0; i < m_answers.size(); ++i) {
        ElementButton *button = m_answers[i];
        button->setVisible(i < std::size_t(answers.size()));
        button->setText(QStringLiteral("%1  %2").arg(i + 1).arg(answers.value(qsizetype(i))));
        const bool state = m_round->kind() == Kind::StateOf && i < States.size();
        const QColor face = state ? m_colours.forState(States[i]) : QColor(235, 235, 225);
        button->setBackgroundColour(face);
    }
    setMarks(marks);
}

void QuizPanel::showEnd()
{
    for (ElementButton *answer : m_answers)
        answer->hide();
    m_hint->hide();
    m_question->setText(pse::lang::text(TextId::QuizEnd, m_languageIndex)
                            .arg(m_round->right())
                            .arg(m_round->asked()));
    m_newRound->show();
    m_newRound->setFocus();
    QuizMarks marks;
    marks.active = true;
    setMarks(marks);
}

void QuizPanel::elementChosen(int index)
{
    if (m_round && m_round->kind() == Kind::WhereIs)
        answer(ElementGrid::atomicNumber(index));
}

void QuizPanel::answerKey(int number)
{
    if (!m_round || m_round->kind() == Kind::WhereIs)
        return;
    const int options = m_round->kind() == Kind::StateOf ? 3 : 4;
    if (number < 1 || number > options)
        return;
    answer(m_round->kind() == Kind::StateOf ? States[std::size_t(number - 1)] : number - 1);
}

void QuizPanel::answer(int choice)
{
    if (!m_round || m_round->finished() || m_revealing)
        return;
    const quiz::Question q = m_round->question();
    m_wasRight = m_round->answer(choice);
    m_revealing = q;
    m_score->setText(QStringLiteral("%1 / %2").arg(m_round->right()).arg(m_round->asked()));

    QString right =
        elementName(q.z, false) + QStringLiteral(" (") +
        QString::fromStdString(allElements(fullElementCount)[std::size_t(q.z - 1)].symbol) + u')';
    QuizMarks marks = m_marks;
    marks.symbolHidden = false;
    marks.flashing = q.z;
    marks.flashColour = m_wasRight ? RightColour : WrongColour;
    if (m_round->kind() == Kind::StateOf) {
        const auto slot =
            std::size_t(std::find(States.begin(), States.end(), q.state) - States.begin());
        right = pse::lang::text(StateNames[slot], m_languageIndex);
        // A state is shown in the colour that stands for it.
        marks.flashColour = m_colours.forState(q.state);
        m_answers[slot]->setBackgroundColour(RightColour);
    } else if (m_round->kind() == Kind::WhichElement) {
        m_answers[std::size_t(q.answer)]->setBackgroundColour(RightColour);
    }
    m_question->setText(
        pse::lang::text(m_wasRight ? TextId::QuizRight : TextId::QuizWrong, m_languageIndex)
            .arg(right));
    setMarks(marks);
    m_flashSteps = RevealMilliseconds / FlashMilliseconds;
    m_flash->start();
}

void QuizPanel::revealTick()
{
    if (!m_revealing)
        return;
    if (--m_flashSteps > 0) {
        QuizMarks marks = m_marks;
        marks.flashing = marks.flashing < 0 ? m_revealing->z : -1;
        setMarks(marks);
        return;
    }
    m_flash->stop();
    m_revealing.reset();
    showQuestion();
}

bool QuizPanel::confirm()
{
    if (!m_round)
        return false;
    if (m_round->finished()) {
        startRound(m_round->kind());
        return true;
    }
    for (ElementButton *answer : m_answers) {
        if (answer->hasFocus() && answer->isVisible()) {
            answer->click();
            return true;
        }
    }
    return false;
}

bool QuizPanel::moveAnswerFocus(bool forward)
{
    if (!m_round || m_round->kind() == Kind::WhereIs || m_round->finished())
        return false;
    const int count = m_round->kind() == Kind::StateOf ? 3 : 4;
    int at = -1;
    for (int i = 0; i < count; ++i) {
        if (m_answers[std::size_t(i)]->hasFocus())
            at = i;
    }
    const int next = at < 0 ? (forward ? 0 : count - 1) : (at + (forward ? 1 : count - 1)) % count;
    m_answers[std::size_t(next)]->setFocus(Qt::TabFocusReason);
    return true;
}
