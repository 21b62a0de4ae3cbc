// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/CalculatorPanel.h"
#include "support/TestWindow.h"
#include "ui/FittingComboBox.h"
#include "ui/FittingLabel.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTableWidget>
#include <QTest>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolTip>

namespace {

// Controls by name, each with the first text found cut off in it.
using Cuts = QMap<QString, QString>;

void note(Cuts &cut, const QWidget *widget, const QString &text, const QSizeF &needs,
          const QSize &has)
{
    if (!cut.contains(widget->objectName()))
        cut.insert(widget->objectName(), QStringLiteral("\"%1\" needs %2 x %3 px, has %4 x %5")
                                             .arg(text)
                                             .arg(needs.width(), 0, 'f', 1)
                                             .arg(needs.height(), 0, 'f', 1)
                                             .arg(has.width())
                                             .arg(has.height()));
}

// Whether one line of text, drawn in `room` with the alignment, stays inside it from side to side
// and keeps its ink inside `clip` from top to bottom: a symbol may fill its tile to the edges,
// since only accents and descenders use the line's full height.
bool lineFits(const QFontMetricsF &metrics, const QString &text, const QRectF &room,
              Qt::Alignment alignment, const QRectF &clip, QSizeF *needs)
{
    const qreal wide = metrics.horizontalAdvance(text);
    const QRectF ink = metrics.tightBoundingRect(text);
    qreal lineTop = room.top() + (room.height() - metrics.height()) / 2;
    if (alignment & Qt::AlignTop)
        lineTop = room.top();
    else if (alignment & Qt::AlignBottom)
        lineTop = room.bottom() - metrics.height();
    const qreal baseline = lineTop + metrics.ascent();
    *needs = QSizeF(wide, ink.height());
    return wide <= room.width() + 0.5 && baseline + ink.top() >= clip.top() - 1 &&
           baseline + ink.bottom() <= clip.bottom() + 1;
}

void checkLabel(const QLabel *label, Cuts &cut)
{
    if (label->text().isEmpty())
        return;
    QFont font = label->font();
    if (auto *fitting = qobject_cast<const FittingLabel *>(label))
        font.setPixelSize(fitting->fittedPixelSize());
    const QFontMetricsF metrics(font);
    // What of the label its parent does not cut away.
    const QRect shown = label->rect() & label->parentWidget()->rect().translated(-label->pos());
    const QRect room = label->contentsRect().adjusted(label->margin(), label->margin(),
                                                      -label->margin(), -label->margin()) &
                       shown;
    QSizeF needs;
    bool fits = true;
    if (label->wordWrap()) {
        needs = metrics.boundingRect(QRectF(room), Qt::TextWordWrap, label->text()).size();
        fits = needs.width() <= room.width() + 0.5 && needs.height() <= room.height() + 0.5;
    } else {
        fits = lineFits(metrics, label->text(), room, label->alignment(), shown, &needs);
    }
    if (!fits)
        note(cut, label, label->text(), needs, room.size());
}

void checkButton(const QAbstractButton *button, Cuts &cut)
{
    if (button->text().isEmpty())
        return;
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QCheckBox *>(button))
        contents = QStyle::SE_CheckBoxContents;
    else if (qobject_cast<const QRadioButton *>(button))
        contents = QStyle::SE_RadioButtonContents;
    QRect room = button->rect();
    QFont font = button->font();
    if (qobject_cast<const QPushButton *>(button) || qobject_cast<const QCheckBox *>(button) ||
        qobject_cast<const QRadioButton *>(button))
        room = button->style()->subElementRect(contents, &option, button);
    else
        font.setBold(true); // the element buttons draw their captions bold
    QString text = button->text();
    text.replace(QRegularExpression(QStringLiteral("&(.)")), QStringLiteral("\\1"));
    QSizeF needs;
    if (!lineFits(QFontMetricsF(font), text, room, Qt::AlignVCenter, button->rect(), &needs))
        note(cut, button, text, needs, room.size());
}

// Each entry on the closed face, and in the open list.
void checkCombo(QComboBox *combo, Cuts &cut)
{
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.frame = combo->hasFrame();
    const QRect room = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                      QStyle::SC_ComboBoxEditField, combo);
    const auto *fitting = qobject_cast<const FittingComboBox *>(combo);
    combo->showPopup();
    for (int i = 0; i < combo->count(); ++i) {
        const QString text = combo->itemText(i);
        QFont font = combo->font();
        if (fitting)
            font.setPixelSize(fitting->fittedPixelSize(text));
        QSizeF needs;
        if (!lineFits(QFontMetricsF(font), text, room, Qt::AlignVCenter, combo->rect(), &needs))
            note(cut, combo, text, needs, room.size());
        const QAbstractItemView *list = combo->view();
        const int listed = list->visualRect(list->model()->index(i, 0)).width();
        if (list->sizeHintForIndex(list->model()->index(i, 0)).width() > listed)
            note(cut, combo, text + QStringLiteral(" (list)"),
                 list->sizeHintForIndex(list->model()->index(i, 0)), QSize(listed, 0));
    }
    combo->hidePopup();
}

void checkTable(const QTableWidget *table, Cuts &cut)
{
    const QHeaderView *header = table->horizontalHeader();
    const auto *view = static_cast<const QAbstractItemView *>(table);
    int total = 0;
    for (int column = 0; column < table->columnCount(); ++column) {
        const int has = table->columnWidth(column);
        total += has;
        const int needs =
            std::max(view->sizeHintForColumn(column), header->sectionSizeHint(column));
        if (needs > has)
            note(cut, table, table->horizontalHeaderItem(column)->text(), QSizeF(needs, 0),
                 QSize(has, 0));
    }
    int high = 0;
    for (int row = 0; row < table->rowCount(); ++row) {
        high += table->rowHeight(row);
        if (view->sizeHintForRow(row) > table->rowHeight(row))
            note(cut, table, table->item(row, 1)->text(), QSizeF(0, view->sizeHintForRow(row)),
                 QSize(0, table->rowHeight(row)));
    }
    if (total > table->viewport()->width() || high > table->viewport()->height())
        note(cut, table, QStringLiteral("(all cells)"), QSizeF(total, high),
             table->viewport()->size());
}

void checkTextBox(const QTextEdit *box, Cuts &cut)
{
    const QSizeF needs = box->document()->size();
    if (needs.height() > box->viewport()->height() + 0.5)
        note(cut, box, box->toPlainText(), needs, box->viewport()->size());
}

// Every text shown in `part` of the window that its control cannot show whole.
void findCutTexts(const QWidget *window, const QWidget *part, Cuts &cut)
{
    for (QWidget *widget : part->findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(window))
            continue;
        if (auto *label = qobject_cast<const QLabel *>(widget))
            checkLabel(label, cut);
        else if (auto *button = qobject_cast<const QAbstractButton *>(widget))
            checkButton(button, cut);
        else if (auto *combo = qobject_cast<QComboBox *>(widget))
            checkCombo(combo, cut);
        else if (auto *table = qobject_cast<const QTableWidget *>(widget))
            checkTable(table, cut);
        else if (auto *box = qobject_cast<const QTextEdit *>(widget))
            checkTextBox(box, cut);
    }
}

} // namespace

class TestReadability : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase() { m_window.reset(); }
    void nothingCutOff_data();
    void nothingCutOff();
    void windowsOfTheirOwnGrow_data();
    void windowsOfTheirOwnGrow();

private:
    std::unique_ptr<TestWindow> m_window;
};

void TestReadability::initTestCase()
{
    // Opening a drop-down list on the offscreen platform says what the platform cannot do.
    static QtMessageHandler logger = nullptr;
    logger = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext &context, const QString &text) {
            if (!text.startsWith(u"This plugin does not support"))
                logger(type, context, text);
        });
    m_window = std::make_unique<TestWindow>();
    m_window->window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window->window.get()));
}

void TestReadability::nothingCutOff_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("language");
    const QSize sizes[] = {{800, 520}, {1494, 972}, {1920, 1080}, {3840, 2160}};
    const char *languages[] = {"hr", "en", "de", "fr", "it"};
    for (const QSize &size : sizes) {
        for (int language = 0; language < 5; ++language)
            QTest::addRow("%dx%d %s", size.width(), size.height(), languages[language])
                << size << language;
    }
}

void TestReadability::nothingCutOff()
{
    QFETCH(QSize, size);
    QFETCH(int, language);
    TestWindow &w = *m_window;
    FrmPeriodni &window = *w.window;
    window.resize(size);
    w.state().settings.Language = qint16(language);
    window.SetLanguage();
    window.cmdIzbornik_Click(1);
    const QWidget *timeline = w.find(QStringLiteral("fraPovijest"));
    if (!timeline || timeline->isHidden())
        window.toggleTimeline();
    window.setView(9);
    Cuts cut;
    findCutTexts(&window, &window, cut);
    // The tile and the panel with every element's data.
    for (int index = 0; index < 110; ++index) {
        window.cmdElement_Click(index);
        for (const char *part : {"picElement", "picSvojstva"})
            findCutTexts(&window, w.find(QString::fromLatin1(part)), cut);
    }
    // The sweep's settings, the calculator with its number formats and a composition of five
    // elements.
    w.find(QStringLiteral("fraAuto"))->show();
    window.cmdIzbornik_Click(0);
    window.calculator().optNumber_Click(2);
    w.find<QLineEdit>(QStringLiteral("txtUnosFormule"))->setText(QStringLiteral("KAl(SO4)2+12H2O"));
    window.calculator().showComposition();
    w.find(QStringLiteral("fraNumber"))->show();
    findCutTexts(&window, &window, cut);
    window.cmdIzbornik_Click(1);
    w.find(QStringLiteral("fraAuto"))->hide();
    for (auto it = cut.cbegin(); it != cut.cend(); ++it)
        qWarning("%s %s", qPrintable(it.key()), qPrintable(it.value()));
    QVERIFY2(cut.isEmpty(), qPrintable(cut.keys().join(u' ')));
}

enum class Popup { InsertMenu, MessageBox, ToolTip, CompositionHeader };

void TestReadability::windowsOfTheirOwnGrow_data()
{
    QTest::addColumn<int>("popup");
    QTest::newRow("the calculator's insert menu") << int(Popup::InsertMenu);
    QTest::newRow("a message box") << int(Popup::MessageBox);
    QTest::newRow("a tooltip") << int(Popup::ToolTip);
    QTest::newRow("the composition's column headers") << int(Popup::CompositionHeader);
}

// Menus, message boxes and tooltips are windows of their own, and a table's header may carry a
// type of the desktop's: each takes the window's scale all the same.
void TestReadability::windowsOfTheirOwnGrow()
{
    QFETCH(int, popup);
    TestWindow &w = *m_window;
    FrmPeriodni &window = *w.window;
    // A desktop that gives these their own type, as some do.
    for (const char *kind : {"QMenu", "QMessageBox", "QTipLabel", "QHeaderView"})
        QApplication::setFont(QFont(QApplication::font().family(), 9), kind);
    window.cmdIzbornik_Click(0);
    window.calculator().showComposition();
    QList<int> pixels;
    for (const QSize size : {QSize(800, 520), QSize(1920, 1080)}) {
        window.resize(size);
        switch (Popup(popup)) {
        case Popup::InsertMenu:
            window.calculator().showInsertMenu(window.geometry().center());
            pixels << w.find<QMenu>(QStringLiteral("mnuInsert"))->font().pixelSize();
            w.find<QMenu>(QStringLiteral("mnuInsert"))->hide();
            break;
        case Popup::MessageBox:
            pixels << DesktopSeam::messageBox(&window, QStringLiteral("?"),
                                              DesktopSeam::Icon::Information, {})
                          ->font()
                          .pixelSize();
            break;
        case Popup::ToolTip: {
            QWidget *number = w.find(QStringLiteral("cmdSastav"));
            QHelpEvent event(QEvent::ToolTip, QPoint(2, 2), number->mapToGlobal(QPoint(2, 2)));
            QCoreApplication::sendEvent(number, &event);
            pixels << QToolTip::font().pixelSize();
            QToolTip::hideText();
            break;
        }
        case Popup::CompositionHeader:
            pixels << w.find<QTableWidget>(QStringLiteral("tblSastav"))
                          ->horizontalHeader()
                          ->font()
                          .pixelSize();
            break;
        }
    }
    window.cmdIzbornik_Click(1);
    // The design grows 2.16 times from the one size to the other.
    QVERIFY2(pixels[0] > 0 && pixels[1] >= 2 * pixels[0],
             qPrintable(QStringLiteral("%1 px, then %2 px").arg(pixels[0]).arg(pixels[1])));
}

QTEST_MAIN(TestReadability)
#include "tst_readability.moc"
