// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Quiz.h"
#include "app/QuizPanel.h"
#include "app/RandomSource.h"
#include "support/TestWindow.h"
#include "table/TableController.h"
#include "temperature/PropertyTables.h"

#include <QLineEdit>
#include <QTest>

#include <set>

class TestQuiz : public QObject
{
    Q_OBJECT

private slots:
    void rounds_data();
    void rounds();
    void classAnswersThroughTheWindow_data();
    void classAnswersThroughTheWindow();
};

void TestQuiz::rounds_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("elements");
    QTest::newRow("where is") << int(quiz::Kind::WhereIs) << 118;
    QTest::newRow("state of") << int(quiz::Kind::StateOf) << 109;
    QTest::newRow("which element") << int(quiz::Kind::WhichElement) << 109;
}

// Seeded rounds of every kind: ten different elements, every question answerable as asked, and
// the score counting right answers.
void TestQuiz::rounds()
{
    QFETCH(int, kind);
    QFETCH(int, elements);
    PropertyTables tables;
    setTemperature(tables);
    for (quint64 seed = 1; seed <= 20; ++seed) {
        RandomSource random;
        random.seed(seed);
        quiz::Round round(quiz::Kind(kind), random, tables, elements);
        std::set<int> asked;
        while (!round.finished()) {
            const quiz::Question q = round.question();
            QVERIFY(q.z >= 1 && q.z <= elements);
            QVERIFY2(asked.insert(q.z).second, "an element asked twice in one round");
            int right = q.z;
            if (kind == int(quiz::Kind::StateOf)) {
                QVERIFY(q.kelvin >= 0 && q.kelvin <= 6000);
                const auto z = std::size_t(q.z);
                QCOMPARE(stateAt(celsiusFromReading(q.kelvin, true), tables.meltingPoints[z],
                                 tables.boilingPoints[z]),
                         q.state);
                right = q.state;
            } else if (kind == int(quiz::Kind::WhichElement)) {
                const std::set<int> options(q.options.begin(), q.options.end());
                QCOMPARE(int(options.size()), 4);
                QCOMPARE(q.options[std::size_t(q.answer)], q.z);
                QVERIFY(maps::value(q.property, q.z, tables).has_value());
                right = q.answer;
            }
            // Every other question answered wrongly.
            const bool answerRight = round.asked() % 2 == 0;
            QCOMPARE(round.answer(answerRight ? right : right + 1000), answerRight);
        }
        QCOMPARE(round.right(), quiz::Round::Length / 2);
    }
}

void TestQuiz::classAnswersThroughTheWindow_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("where is, by a click or the keyboard") << int(quiz::Kind::WhereIs);
    QTest::newRow("state of, by keys 1 to 3") << int(quiz::Kind::StateOf);
    QTest::newRow("which element, by keys 1 to 4") << int(quiz::Kind::WhichElement);
}

void TestQuiz::classAnswersThroughTheWindow()
{
    QFETCH(int, kind);
    TestWindow w("Elements = 118");
    QTest::keyClick(w.window.get(), Qt::Key_F9);
    const QString reading = w.text(QStringLiteral("txtT"));
    std::vector<ButtonLook> before;
    for (int i = 0; i < ElementGrid::ButtonCount; ++i)
        before.push_back(w.element(i)->look());

    QTest::keyClick(w.window.get(), Qt::Key_K, Qt::ControlModifier);
    QuizPanel *quiz = w.window->lessons().openQuiz();
    QVERIFY(quiz && w.find(QStringLiteral("picElement"))->isHidden());
    quiz->startRound(quiz::Kind(kind));
    const auto answer = [&](bool right) {
        const quiz::Question &q = quiz->round()->question();
        if (kind == int(quiz::Kind::WhereIs) && right) {
            // The keys of the other kinds mean nothing here.
            QTest::keyClick(w.window.get(), Qt::Key_1);
            QTest::mouseClick(w.element(q.z), Qt::LeftButton);
            return;
        }
        if (kind == int(quiz::Kind::WhereIs)) {
            // Enter takes the focused button.
            w.window->table().focusElement(q.z % 118 + 1);
            QTest::keyClick(w.window.get(), Qt::Key_Return);
            return;
        }
        int key = q.answer + 1;
        if (kind == int(quiz::Kind::StateOf))
            key = q.state == StateCode::Solid ? 1 : q.state == StateCode::Liquid ? 2 : 3;
        const int keys = kind == int(quiz::Kind::StateOf) ? 3 : 4;
        QTest::keyClick(w.window.get(), Qt::Key(Qt::Key_0 + (right ? key : key % keys + 1)));
    };
    if (kind == int(quiz::Kind::StateOf)) {
        // While the question stands the table tells no state: one colour, no letters.
        const int marked = quiz->round()->question().z;
        for (int i = 0; i < ElementGrid::ButtonCount; ++i) {
            QCOMPARE(w.element(i)->backgroundColour(), StateColours().unknown);
            QVERIFY(w.element(i)->look().letter.isEmpty());
            QCOMPARE(w.element(i)->look().marked, i == marked);
        }
    }
    if (kind == int(quiz::Kind::WhichElement))
        QVERIFY(w.element(quiz->round()->question().z)->look().captionHidden);
    answer(true);
    QCOMPARE(w.text(QStringLiteral("quizScore")), QStringLiteral("1 / 1"));
    // Answers while the right one is shown count for nothing.
    answer(false);
    QCOMPARE(w.text(QStringLiteral("quizScore")), QStringLiteral("1 / 1"));
    for (int i = 0; i < QuizPanel::RevealMilliseconds / QuizPanel::FlashMilliseconds; ++i)
        quiz->revealTick();
    answer(false);
    QCOMPARE(w.text(QStringLiteral("quizScore")), QStringLiteral("1 / 2"));

    // Esc ends it and gives the table, the tile and the thermometer back as they were.
    QTest::keyClick(w.window.get(), Qt::Key_Escape);
    QVERIFY(!w.window->lessons().openQuiz());
    QVERIFY(!w.find(QStringLiteral("picElement"))->isHidden());
    QCOMPARE(w.text(QStringLiteral("txtT")), reading);
    // The keyboard focus may have moved on with the class's answers.
    for (int i = 0; i < ElementGrid::ButtonCount; ++i) {
        ButtonLook look = w.element(i)->look();
        look.focusRing = before[std::size_t(i)].focusRing;
        QVERIFY2(look == before[std::size_t(i)], qPrintable(QString::number(i)));
    }
}

QTEST_MAIN(TestQuiz)
#include "tst_quiz.moc"
