// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/QuizPanel.h"
#include "calc/CalculatorPanel.h"
#include "support/TestWindow.h"
#include "table/ElementGrid.h"
#include "table/TableController.h"
#include "ui/FittingComboBox.h"
#include "ui/FittingLabel.h"
#include "ui/TrailingLabel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTableWidget>
#include <QTest>
#include <QTextDocument>
#include <QToolTip>

namespace {

// Whether a line of text at its type is no wider and no taller than its room.
bool fits(QFont font, int pixelSize, const QString &text, const QRectF &room)
{
    font.setPixelSize(pixelSize);
    const QSizeF needs = QFontMetricsF(font).size(Qt::TextShowMnemonic, text);
    return needs.width() <= room.width() + 0.5 && needs.height() <= room.height() + 1;
}

// Whether a label, check box, button, list or box shows all of its text.
bool showsWhole(const QWidget *widget)
{
    const QFont font = widget->font();
    const QStyle *style = widget->style();
    if (auto *label = qobject_cast<const QLabel *>(widget)) {
        // What of the label its parent does not cut away.
        const QRect shown = label->rect() & label->parentWidget()->rect().translated(-label->pos());
        const QRect room = label->contentsRect() & shown;
        const auto *fitting = qobject_cast<const FittingLabel *>(label);
        // A unit stands right after its value's text, and only beside a value.
        const auto *value = qobject_cast<const QLabel *>(label->parentWidget());
        if (qobject_cast<const TrailingLabel *>(label) &&
            (value->text() == u"?" ||
             label->x() < QFontMetricsF(value->font()).horizontalAdvance(value->text())))
            return false;
        if (label->wordWrap())
            return label->heightForWidth(label->width()) <= label->height();
        return fits(font, fitting ? fitting->fittedPixelSize() : font.pixelSize(), label->text(),
                    room);
    }
    if (auto *button = qobject_cast<const QAbstractButton *>(widget)) {
        const QStyle::SubElement contents =
            qobject_cast<const QCheckBox *>(button)      ? QStyle::SE_CheckBoxContents
            : qobject_cast<const QRadioButton *>(button) ? QStyle::SE_RadioButtonContents
                                                         : QStyle::SE_PushButtonContents;
        // The element buttons draw their own bold captions over the whole face.
        const bool drawn =
            !qobject_cast<const QPushButton *>(button) && contents == QStyle::SE_PushButtonContents;
        QStyleOptionButton option;
        option.initFrom(button);
        QFont caption = font;
        caption.setBold(drawn || font.bold());
        return fits(caption, font.pixelSize(), button->text(),
                    drawn ? button->rect() : style->subElementRect(contents, &option, button));
    }
    if (auto *combo = qobject_cast<const QComboBox *>(widget)) {
        // Every entry on the closed face; the open list is at least as wide.
        QStyleOptionComboBox face;
        face.initFrom(combo);
        const QRect room =
            style->subControlRect(QStyle::CC_ComboBox, &face, QStyle::SC_ComboBoxEditField, combo);
        const auto *fitting = qobject_cast<const FittingComboBox *>(combo);
        for (int i = 0; i < combo->count(); ++i) {
            const QString text = combo->itemText(i);
            if (!fits(font, fitting ? fitting->fittedPixelSize(text) : font.pixelSize(), text,
                      room))
                return false;
        }
        return true;
    }
    if (auto *table = qobject_cast<const QTableWidget *>(widget)) {
        // Every cell and header whole, and every cell in view.
        const auto *view = static_cast<const QAbstractItemView *>(table);
        int high = 0;
        for (int column = 0; column < table->columnCount(); ++column) {
            if (std::max(view->sizeHintForColumn(column),
                         table->horizontalHeader()->sectionSizeHint(column)) >
                table->columnWidth(column))
                return false;
        }
        for (int row = 0; row < table->rowCount(); ++row)
            high += view->sizeHintForRow(row);
        return table->horizontalHeader()->length() <= table->viewport()->width() &&
               high <= table->viewport()->height();
    }
    // A box that only shows a text must show all of it; one typed into scrolls.
    if (auto *box = qobject_cast<const QTextEdit *>(widget))
        return box->document()->size().height() <= box->viewport()->height();
    if (auto *edit = qobject_cast<const QLineEdit *>(widget); edit && edit->isReadOnly())
        return QFontMetricsF(font).horizontalAdvance(edit->text()) <= edit->contentsRect().width();
    return true;
}

// The names of the controls in `part` of the window that do not show all of their text.
QSet<QString> cutOff(const QWidget *window, const QWidget *part)
{
    QSet<QString> cut;
    for (const QWidget *widget : part->findChildren<QWidget *>()) {
        if (widget->isVisibleTo(window) && !widget->isWindow() && !showsWhole(widget))
            cut << widget->objectName();
    }
    return cut;
}

} // namespace

class TestReadability : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { m_window.window->show(); }
    void nothingCutOff_data();
    void nothingCutOff();

private:
    // The full table of 118 elements, the longest names and lists of discoverers among them.
    TestWindow m_window{"Elements = 118"};
};

void TestReadability::nothingCutOff_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("language");
    for (const QSize size :
         {QSize(800, 520), QSize(1494, 972), QSize(1920, 1080), QSize(3840, 2160)}) {
        for (int language = 0; language < 5; ++language)
            QTest::addRow("%dx%d, language %d", size.width(), size.height(), language)
                << size << language;
    }
}

void TestReadability::nothingCutOff()
{
    QFETCH(QSize, size);
    QFETCH(int, language);
    TestWindow &w = m_window;
    FrmPeriodni &window = *w.window;
    window.resize(size);
    w.state().settings.Language = qint16(language);
    window.SetLanguage();
    window.cmdIzbornik_Click(1);
    w.find(QStringLiteral("fraAuto"))->show();
    if (!w.find(QStringLiteral("fraPovijest")))
        window.lessons().toggleTimeline();
    window.table().setColouring(9);
    // The sweep's settings, the timeline and a colour bar with the rest of the window.
    QSet<QString> cut = cutOff(&window, &window);
    // The tile and the panel with every element's data.
    for (int index = 0; index < ElementGrid::ButtonCount; ++index) {
        window.cmdElement_Click(index);
        for (const char *part : {"picElement", "picSvojstva"})
            cut += cutOff(&window, w.find(QString::fromLatin1(part)));
    }
    // The calculator's number formats and a composition of five elements.
    window.cmdIzbornik_Click(0);
    window.calculator().optNumber_Click(2);
    w.find<QLineEdit>(QStringLiteral("txtUnosFormule"))->setText(QStringLiteral("KAl(SO4)2+12H2O"));
    window.calculator().showComposition();
    w.find(QStringLiteral("fraNumber"))->show();
    cut += cutOff(&window, &window);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.values().join(u' ')));
    // Menus, message boxes and tooltips are windows of their own, and headers may have a type of
    // the desktop's: they grow with the window all the same, to about the captions' size.
    window.calculator().showInsertMenu(window.geometry().center());
    QWidget *percent = w.find(QStringLiteral("cmdSastav"));
    QHelpEvent tip(QEvent::ToolTip, QPoint(2, 2), percent->mapToGlobal(QPoint(2, 2)));
    QCoreApplication::sendEvent(percent, &tip);
    const int caption = w.find(QStringLiteral("imeOxid"))->font().pixelSize();
    for (const QFont &font :
         {w.find(QStringLiteral("mnuInsert"))->font(),
          DesktopSeam::messageBox(&window, {}, {}, {})->font(), QToolTip::font(),
          w.find<QTableWidget>(QStringLiteral("tblSastav"))->horizontalHeader()->font()})
        QVERIFY2(std::abs(font.pixelSize() - caption) <= caption / 4 + 1,
                 qPrintable(QStringLiteral("%1 px beside %2").arg(font.pixelSize()).arg(caption)));
    // A question of each kind of the quiz.
    window.lessons().toggleQuiz();
    for (int kind = 0; kind < quiz::KindCount; ++kind) {
        window.lessons().openQuiz()->startRound(quiz::Kind(kind));
        cut += cutOff(&window, w.find(QStringLiteral("fraKviz")));
    }
    window.lessons().toggleQuiz();
    QVERIFY2(cut.isEmpty(), qPrintable(cut.values().join(u' ')));
}

QTEST_MAIN(TestReadability)
#include "tst_readability.moc"
