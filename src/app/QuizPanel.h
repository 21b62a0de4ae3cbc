// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/Quiz.h"
#include "table/TableLook.h"

#include <QObject>

#include <array>
#include <memory>
#include <optional>

class DesignSurface;
class ElementButton;
class FittingLabel;
class FittingTextBox;
class QFrame;
class QLabel;
class QPushButton;
class QTimer;
class RandomSource;
struct PropertyTables;

// The quiz for the class, where the element tile and its data stand: the choice of the kind of
// question, the question, the score in large type and the answers. The table itself is the
// answer sheet of "Where is …?"; what the table shows for a question (the marked element, its
// hidden symbol, the hidden states, the flash of the right answer) goes to the table's owner as
// its quiz input, never painted here.
class QuizPanel : public QObject
{
    Q_OBJECT

public:
    // The right answer flashes this long before the next question.
    static constexpr int RevealMilliseconds = 2000;
    static constexpr int FlashMilliseconds = 250;

    QuizPanel(DesignSurface *surface, RandomSource &random, const PropertyTables &tables,
              QObject *parent = nullptr);
    ~QuizPanel() override;

    bool isOpen() const;
    // Opening starts a round of "Where is …?" among the first `elementCount` elements.
    void open(int elementCount);
    void close();
    void applyLanguage(int languageIndex);
    // The state colours of the settings, for the answer buttons and the flash of a state.
    void setStateColours(const StateColours &colours);
    // The thermometer's unit, in which a state question names its reading.
    void setKelvinScale(bool kelvin) { m_kelvinScale = kelvin; }

    void startRound(quiz::Kind kind);
    // An element chosen on the table (a click, or Enter on the focused button): the answer to
    // "Where is …?", and nothing while another kind of question stands.
    void elementChosen(int index);
    // Keys 1 to 4: the answer of that number; after a round, a new one.
    void answerKey(int number);
    // Enter, or the clicker's PageDown/PageUp, while no element is to be chosen: the answer
    // button with the focus, or a new round.
    bool confirm();
    bool moveAnswerFocus(bool forward);
    const quiz::Round *round() const { return m_round.get(); }

    // The flash's next step; the last one moves on to the next question.
    void revealTick();

signals:
    void marksChanged(const QuizMarks &marks);
    // A state question sets the thermometer to its reading.
    void readingWanted(int kelvin);

private:
    void build(DesignSurface *surface);
    void answer(int choice);
    void showQuestion();
    void showEnd();
    void setMarks(const QuizMarks &marks);
    QString elementName(int z, bool inSentence) const;

    RandomSource &m_random;
    const PropertyTables &m_tables;
    int m_languageIndex = 0;
    int m_elementCount = 109;
    bool m_kelvinScale = true;
    StateColours m_colours;
    std::unique_ptr<quiz::Round> m_round;
    // The question being revealed, and whether it was answered right.
    std::optional<quiz::Question> m_revealing;
    bool m_wasRight = false;
    int m_flashSteps = 0;
    QuizMarks m_marks;

    QFrame *m_frame = nullptr;
    std::array<QPushButton *, quiz::KindCount> m_kinds{};
    FittingTextBox *m_question = nullptr;
    FittingLabel *m_score = nullptr;
    std::array<ElementButton *, 4> m_answers{};
    QLabel *m_hint = nullptr;
    QPushButton *m_newRound = nullptr;
    QTimer *m_flash = nullptr;
};
