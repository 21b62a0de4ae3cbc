// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/CalculatorPanel.h"

#include "calc/engine/EngineMessages.h"
#include "calc/engine/NumberFormat.h"
#include "calc/engine/PercentComposition.h"
#include "elements/ElementDatabase.h"
#include "ui/ClickableLabel.h"
#include "ui/Colours.h"
#include "ui/DesignSurface.h"
#include "ui/DesktopSeam.h"
#include "ui/NumberRule.h"
#include "ui/Overlay.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>

namespace {

using pse::lang::TextId;

// Where the element tile and the information panel stand, and the empty part of the table below
// them: the calculator takes their place while it is open.
const QRect Area(1290, 150, 4785, 1800);
// The number-format frame covers everything below the input line. The composition reaches further
// down, over the table, so that a formula's elements and the columns' words all show whole.
const QRect FrameArea(0, 420, Area.width(), 1380);
const QRect CompositionArea = QRect(0, 420, Area.width(), 2450).translated(Area.topLeft());

// The key pad, by cmdNum index: the digits, then + - * / . ( ) and "(...)".
constexpr const char *KeyTexts[18] = {"0", "1", "2", "3", "4", "5", "6", "7", "8",
                                      "9", "+", "-", "*", "/", ".", "(", ")", "(...)"};
// Column and row of each key on the pad's 8 x 3 grid.
constexpr int KeyPlaces[18][2] = {{3, 2}, {0, 2}, {1, 2}, {2, 2}, {0, 1}, {1, 1},
                                  {2, 1}, {0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0},
                                  {3, 1}, {4, 1}, {6, 1}, {5, 0}, {6, 0}, {5, 1}};
constexpr int PadTop = 880;
constexpr int KeyWidth = 598;
constexpr int KeyHeight = 300;

// Common groups of atoms; empty entries are separators.
constexpr const char *InsertItems[16] = {"H2O", "OH",  "CN", "CH2", "CO3", "",    "NO2",  "NO3",
                                         "NH3", "NH4", "",   "SO3", "SO4", "PO4", "CrO4", "Cr2O7"};

// A column's words on two lines, broken at the blank nearest the middle, so that the columns
// of numbers stay narrow: "Maseni\nudio (%)".
QString inTwoLines(QString header)
{
    qsizetype best = -1;
    for (qsizetype i = header.indexOf(u' '); i >= 0; i = header.indexOf(u' ', i + 1)) {
        if (best < 0 || std::abs(2 * i - header.size()) < std::abs(2 * best - header.size()))
            best = i;
    }
    if (best >= 0)
        header[best] = u'\n';
    return header;
}

QRect keyRect(int column, int row, int columns = 1)
{
    return {column * KeyWidth, PadTop + row * (KeyHeight + 10), KeyWidth * columns, KeyHeight};
}

// A key-pad button that reports its right-button release as well, for the insert menu.
class PadButton : public QPushButton
{
public:
    using QPushButton::QPushButton;
    std::function<void(const QPoint &)> onRightClick;

protected:
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::RightButton && onRightClick)
            onRightClick(event->globalPosition().toPoint());
        else
            QPushButton::mouseReleaseEvent(event);
    }
};

} // namespace

CalculatorPanel::CalculatorPanel(DesignSurface *surface, DesktopSeam &seam, QChar decimalSeparator,
                                 std::function<double()> random, QObject *parent)
    : QObject(parent)
    , m_seam(seam)
{
    m_engine.decimalSeparator = char(decimalSeparator.toLatin1());
    m_engine.setRandomSource(std::move(random));

    m_container = new QFrame(surface);
    m_container->setObjectName(QStringLiteral("fraCalculator"));
    surface->place(m_container, Area, 0);

    m_txtUnosFormule = new QLineEdit(m_container);
    m_txtUnosFormule->setObjectName(QStringLiteral("txtUnosFormule"));
    m_txtUnosFormule->setMaxLength(MaxInputLength);
    surface->place(m_txtUnosFormule, QRect(0, 0, Area.width(), 360), 11);
    connect(m_txtUnosFormule, &QLineEdit::returnPressed, this, &CalculatorPanel::convertChem2Text);

    auto *picRezultat = new ClickableLabel(m_container);
    picRezultat->setObjectName(QStringLiteral("picRezultat"));
    picRezultat->setFrameShape(QFrame::Box);
    picRezultat->setAutoFillBackground(true);
    colours::setFill(picRezultat, QColor(255, 255, 240));
    surface->place(picRezultat, QRect(0, 420, Area.width(), 400), 0);
    m_lblRezultat = new ClickableLabel(picRezultat);
    m_lblRezultat->setObjectName(QStringLiteral("lblRezultat"));
    m_lblRezultat->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_lblRezultat->setTextInteractionFlags(Qt::NoTextInteraction);
    QFont bold = m_lblRezultat->font();
    bold.setBold(true);
    m_lblRezultat->setFont(bold);
    surface->place(m_lblRezultat, QRect(60, 15, Area.width() - 120, 370), 12);
    for (ClickableLabel *result : {picRezultat, m_lblRezultat})
        connect(result, &ClickableLabel::clicked, this, [this] {
            m_fraNumber->show();
            m_fraNumber->raise();
        });

    buildPad(surface);
    buildNumberFrame(surface);
    buildCompositionFrame(surface);
    m_container->hide();
}

void CalculatorPanel::buildPad(DesignSurface *surface)
{
    const auto addButton = [&](const QString &caption, const char *name, const QRect &twips,
                               qreal points = 9.75) {
        auto *button = new PadButton(caption, m_container);
        button->setObjectName(QString::fromLatin1(name));
        button->setFocusPolicy(Qt::NoFocus);
        surface->place(button, twips, points);
        button->onRightClick = [this](const QPoint &at) { showInsertMenu(at); };
        return button;
    };
    for (int i = 0; i < 18; ++i) {
        auto *key = addButton(QString::fromLatin1(KeyTexts[i]),
                              QStringLiteral("cmdNum_%1").arg(i).toLatin1(),
                              keyRect(KeyPlaces[i][0], KeyPlaces[i][1]));
        connect(key, &QPushButton::clicked, this, [this, i] { cmdNum_Click(i); });
    }
    auto *enter = addButton(QStringLiteral("="), "cmdEnter", keyRect(4, 2, 2));
    QFont bold = enter->font();
    bold.setBold(true);
    enter->setFont(bold);
    connect(enter, &QPushButton::clicked, this, &CalculatorPanel::convertChem2Text);
    auto *composition = addButton(QStringLiteral("%"), "cmdSastav", keyRect(6, 2));
    composition->setFont(bold);
    connect(composition, &QPushButton::clicked, this, &CalculatorPanel::showComposition);
    m_texts.bind(TextId::TipComposition, composition);
    connect(addButton(QStringLiteral("&Delete"), "cmdClear", keyRect(7, 0), 8.25),
            &QPushButton::clicked, this, &CalculatorPanel::cmdClear_Click);
    connect(addButton(QStringLiteral("&Copy"), "cmdCopy", keyRect(7, 1), 8.25),
            &QPushButton::clicked, this, &CalculatorPanel::cmdCopy_Click);
    connect(addButton(QStringLiteral("&Paste"), "cmdPaste", keyRect(7, 2), 8.25),
            &QPushButton::clicked, this, &CalculatorPanel::cmdPaste_Click);
}

void CalculatorPanel::buildNumberFrame(DesignSurface *surface)
{
    const auto [frame, title] = overlay::build(surface, m_container, QStringLiteral("fraNumber"),
                                               QStringLiteral("lblNumber"), FrameArea, 270, 8.25);
    m_fraNumber = frame;
    connect(title, &ClickableLabel::clicked, m_fraNumber, &QWidget::hide);
    m_texts.bind(TextId::NumberFrameTitle, title);

    const TextId modes[] = {TextId::NumberAutomatic, TextId::NumberScientific, TextId::NumberFixed};
    const char *angles[] = {"&Rad", "&Deg", "&Grad"};
    m_optNumber = new QButtonGroup(this);
    m_optRadDeg = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        auto *mode = new QRadioButton(m_fraNumber);
        mode->setObjectName(QStringLiteral("optNumber_%1").arg(i));
        surface->place(mode, QRect(120, 380 + 300 * i, 1330, 270), 8.25);
        m_optNumber->addButton(mode, i);
        m_texts.bind(modes[i], mode);

        auto *angle = new QRadioButton(QString::fromLatin1(angles[i]), m_fraNumber);
        angle->setObjectName(QStringLiteral("optRadDeg_%1").arg(i));
        surface->place(angle, QRect(1480, 380 + 300 * i, 760, 270), 8.25);
        m_optRadDeg->addButton(angle, i);
    }
    m_optNumber->button(0)->setChecked(true);
    m_optRadDeg->button(0)->setChecked(true);
    connect(m_optNumber, &QButtonGroup::idClicked, this, &CalculatorPanel::optNumber_Click);
    connect(m_optRadDeg, &QButtonGroup::idClicked, this, &CalculatorPanel::optRadDeg_Click);

    auto *lblDecimala = new QLabel(m_fraNumber);
    lblDecimala->setObjectName(QStringLiteral("lblDecimala"));
    surface->place(lblDecimala, QRect(3000, 380, 1700, 270), 8.25);
    m_texts.bind(TextId::NumberDecimals, lblDecimala);
    m_txtDecimala = new QLineEdit(QStringLiteral("2"), m_fraNumber);
    m_txtDecimala->setObjectName(QStringLiteral("txtDecimala"));
    m_txtDecimala->setMaxLength(2);
    m_txtDecimala->setAlignment(Qt::AlignRight);
    surface->place(m_txtDecimala, QRect(3000, 680, 560, 300), 8.25);
    connect(m_txtDecimala, &QLineEdit::textChanged, this, &CalculatorPanel::txtDecimala_Change);
    m_vsbDecimala = new QScrollBar(Qt::Vertical, m_fraNumber);
    m_vsbDecimala->setObjectName(QStringLiteral("vsbDecimala"));
    m_vsbDecimala->setRange(0, 12);
    m_vsbDecimala->setValue(2);
    surface->place(m_vsbDecimala, QRect(3580, 650, 240, 360), 0);
    connect(m_vsbDecimala, &QScrollBar::valueChanged, this,
            [this](int value) { m_txtDecimala->setText(QString::number(value)); });
    m_chkTisuca = new QCheckBox(m_fraNumber);
    m_chkTisuca->setObjectName(QStringLiteral("chkTisuca"));
    surface->place(m_chkTisuca, QRect(2330, 1030, 2410, 270), 8.25);
    connect(m_chkTisuca, &QCheckBox::clicked, this, &CalculatorPanel::chkTisuca_Click);
    m_texts.bind(TextId::NumberThousands, m_chkTisuca);
    m_decimalsControls = {lblDecimala, m_txtDecimala, m_vsbDecimala};

    auto *hide = new QPushButton(QStringLiteral("OK"), m_fraNumber);
    hide->setObjectName(QStringLiteral("cmdHide"));
    surface->place(hide, QRect(3950, 680, 750, 300), 8.25);
    connect(hide, &QPushButton::clicked, this, &CalculatorPanel::cmdHide_Click);

    // Automatic at start: nothing to set.
    for (QWidget *control : m_decimalsControls)
        control->setEnabled(false);
    m_chkTisuca->setEnabled(false);
    m_fraNumber->hide();
}

void CalculatorPanel::buildCompositionFrame(DesignSurface *surface)
{
    const auto [frame, title] =
        overlay::build(surface, surface, QStringLiteral("fraSastav"), QStringLiteral("lblSastav"),
                       CompositionArea, 270, 8.25);
    m_fraSastav = frame;
    const int width = CompositionArea.width();
    const int height = CompositionArea.height();
    connect(title, &ClickableLabel::clicked, m_fraSastav, &QWidget::hide);
    m_texts.bind(TextId::CompositionTitle, title);

    m_tblSastav = new QTableWidget(0, 5, m_fraSastav);
    m_tblSastav->setObjectName(QStringLiteral("tblSastav"));
    m_tblSastav->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tblSastav->verticalHeader()->hide();
    m_tblSastav->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // Every number whole: the columns take the width of their contents, the names the rest.
    m_tblSastav->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_tblSastav->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    // The whole width for the columns; the buttons stand below.
    const QRect tableRect(45, 345, width - 90, height - 345 - 450);
    surface->place(m_tblSastav, tableRect, 7.5);
    // A desktop may give headers a type of their own, which would not grow with the window.
    surface->scaleFont(m_tblSastav->horizontalHeader(), 7.5);
    m_lblNoFormula = new QLabel(m_fraSastav);
    m_lblNoFormula->setObjectName(QStringLiteral("lblNijeFormula"));
    m_lblNoFormula->setAlignment(Qt::AlignCenter);
    m_lblNoFormula->setWordWrap(true);
    surface->place(m_lblNoFormula, tableRect, 9.75);

    auto *copy = new QPushButton(QStringLiteral("&Copy"), m_fraSastav);
    copy->setObjectName(QStringLiteral("cmdSastavCopy"));
    surface->place(copy, QRect(width - 1740, height - 405, 825, 330), 8.25);
    connect(copy, &QPushButton::clicked, this,
            [this] { m_seam.setClipboardText(compositionText()); });
    auto *close = new QPushButton(QStringLiteral("OK"), m_fraSastav);
    close->setObjectName(QStringLiteral("cmdSastavHide"));
    surface->place(close, QRect(width - 870, height - 405, 825, 330), 8.25);
    connect(close, &QPushButton::clicked, this, [this] {
        m_fraSastav->hide();
        m_txtUnosFormule->setFocus();
    });
    m_fraSastav->hide();
}

void CalculatorPanel::showComposition()
{
    // A line already evaluated stands in its tidy form, which reads back as arithmetic
    // ("(CuSO4)+5*(H2O)"): the composition is that of what was typed, still in the engine.
    if (m_txtUnosFormule->text() != QString::fromStdString(m_engine.normalisedText))
        convertChem2Text();
    const pse::Composition composition = pse::percentComposition(m_engine);
    QStringList headers = pse::lang::text(TextId::CompositionHeaders, m_languageIndex).split(u'\t');
    for (QString &header : headers)
        header = inTwoLines(header);
    m_tblSastav->setHorizontalHeaderLabels(headers);
    m_tblSastav->setRowCount(int(composition.rows.size()));
    int row = 0;
    for (const pse::CompositionRow &element : composition.rows) {
        const auto cells = pse::compositionCells(
            element, m_engine.decimalSeparator,
            allElements(fullElementCount)[std::size_t(element.atomicNumber - 1)].name(
                m_languageIndex));
        for (int column = 0; column < 5; ++column)
            m_tblSastav->setItem(
                row, column,
                new QTableWidgetItem(QString::fromStdString(cells[std::size_t(column)])));
        ++row;
    }
    m_tblSastav->setVisible(composition.isFormula);
    m_lblNoFormula->setText(pse::lang::text(TextId::NoFormula, m_languageIndex));
    m_lblNoFormula->setVisible(!composition.isFormula);
    m_fraSastav->show();
    m_fraSastav->raise();
}

QString CalculatorPanel::compositionText() const
{
    if (m_tblSastav->isHidden())
        return m_lblNoFormula->text();
    QStringList lines = {pse::lang::text(TextId::CompositionHeaders, m_languageIndex)};
    for (int row = 0; row < m_tblSastav->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < m_tblSastav->columnCount(); ++column)
            cells << m_tblSastav->item(row, column)->text();
        lines << cells.join(u'\t');
    }
    return lines.join(u'\n') + u'\n';
}

void CalculatorPanel::setOpen(bool open)
{
    m_container->setVisible(open);
    if (open) {
        m_container->raise();
        m_txtUnosFormule->setFocus();
    } else {
        // The composition stands on the window itself, not in the calculator's area.
        m_fraSastav->hide();
    }
}

bool CalculatorPanel::isOpen() const
{
    return !m_container->isHidden();
}

void CalculatorPanel::applyLanguage(int languageIndex)
{
    m_languageIndex = languageIndex;
    m_texts.apply(languageIndex);
}

void CalculatorPanel::replaceSelection(const QString &text)
{
    m_txtUnosFormule->insert(text);
    m_txtUnosFormule->setFocus();
}

void CalculatorPanel::insertSymbol(const QString &symbol)
{
    replaceSelection(symbol);
}

void CalculatorPanel::showInsertMenu(const QPoint &globalPosition)
{
    // Built on first use: start-up never shows it.
    if (!m_mnuInsert) {
        m_mnuInsert = new QMenu(QStringLiteral("&Insert"), m_container);
        m_mnuInsert->setObjectName(QStringLiteral("mnuInsert"));
        for (int i = 0; i < 16; ++i) {
            if (*InsertItems[i] == '\0') {
                m_mnuInsert->addSeparator();
                continue;
            }
            QAction *item = m_mnuInsert->addAction(QString::fromLatin1(InsertItems[i]));
            item->setObjectName(QStringLiteral("mnuIoni_%1").arg(i));
            connect(item, &QAction::triggered, this, [this, i] { mnuIoni_Click(i); });
        }
        // A menu is a window of its own: its type grows with the window only by being told.
        DesignSurface::of(m_container)->scaleFont(m_mnuInsert, 9.75);
    }
    m_mnuInsert->popup(globalPosition);
}

void CalculatorPanel::convertChem2Text()
{
    m_formulaCaret = m_txtUnosFormule->cursorPosition();
    const QString input = m_txtUnosFormule->text();
    const bool symbolError = m_engine.evaluateLine(
        input.toStdString(), m_languageIndex == 0 ? pse::messages::notElementSymbolHr
                                                  : pse::messages::notElementSymbolEn);
    refreshDisplay();
    const QString normalised = QString::fromStdString(m_engine.normalisedText);
    if (m_formulaCaret == input.size())
        m_formulaCaret = int(normalised.size());
    m_txtUnosFormule->setText(normalised);
    m_txtUnosFormule->setToolTip(u' ' + QString::fromStdString(m_engine.expandedText) + u' ');
    if (symbolError) {
        // The unknown symbol is selected, ready to be typed over.
        const QString symbol = QString::fromStdString(m_engine.lastSymbol);
        const qsizetype at = normalised.indexOf(symbol);
        if (at >= 0)
            m_txtUnosFormule->setSelection(int(at), int(symbol.size()));
    }
    m_txtUnosFormule->setFocus();
}

void CalculatorPanel::refreshDisplay()
{
    m_lblRezultat->setText(QString::fromStdString(m_engine.displayText()));
}

void CalculatorPanel::cmdNum_Click(int index)
{
    if (index < 17) {
        replaceSelection(QString::fromLatin1(KeyTexts[index]));
        return;
    }
    if (m_txtUnosFormule->hasSelectedText()) {
        replaceSelection(u'(' + m_txtUnosFormule->selectedText() + u')');
        return;
    }
    m_txtUnosFormule->setText(u'(' + m_txtUnosFormule->text() + u')');
    m_txtUnosFormule->end(false);
    m_txtUnosFormule->setFocus();
}

void CalculatorPanel::mnuIoni_Click(int index)
{
    replaceSelection(u'(' + QString::fromLatin1(InsertItems[index]) + u')');
}

void CalculatorPanel::cmdClear_Click()
{
    if (m_txtUnosFormule->hasSelectedText())
        m_txtUnosFormule->del();
    else
        m_txtUnosFormule->clear();
    m_txtUnosFormule->setToolTip(QString());
    m_lblRezultat->clear();
    m_txtUnosFormule->setFocus();
}

void CalculatorPanel::cmdCopy_Click()
{
    m_seam.setClipboardText(m_txtUnosFormule->hasSelectedText() ? m_txtUnosFormule->selectedText()
                                                                : m_lblRezultat->text());
    m_txtUnosFormule->setFocus();
}

void CalculatorPanel::cmdPaste_Click()
{
    // A paste is typed text: line breaks and other control characters mean nothing in one line.
    QString text = m_seam.clipboardText();
    text.removeIf([](QChar c) { return c.category() == QChar::Other_Control; });
    replaceSelection(text.left(MaxInputLength));
}

void CalculatorPanel::cmdHide_Click()
{
    m_fraNumber->hide();
    m_txtUnosFormule->setCursorPosition(m_formulaCaret);
    m_txtUnosFormule->setFocus();
}

void CalculatorPanel::optNumber_Click(int index)
{
    m_engine.setNumberMode(short(index));
    m_optNumber->button(index)->setChecked(true);
    for (QWidget *control : m_decimalsControls)
        control->setEnabled(index != 0);
    m_chkTisuca->setEnabled(index == 2);
    if (index == 2 && m_chkTisuca->isChecked())
        m_txtDecimala->setText(QStringLiteral("2"));
    refreshDisplay();
}

void CalculatorPanel::optRadDeg_Click(int index)
{
    m_engine.angleUnit = short(index);
    m_optRadDeg->button(index)->setChecked(true);
}

void CalculatorPanel::txtDecimala_Change()
{
    if (m_settingDecimals)
        return;
    // Whatever is typed, the decimals stay within 0..12; the box shows the number in force.
    const int typed =
        std::clamp<int>(pse::clampToWhole16(pse::leadingNumber(m_txtDecimala->text())), 0, 12);
    const int n = m_engine.setDecimals(typed);
    m_settingDecimals = true;
    m_vsbDecimala->setValue(n);
    if (!m_txtDecimala->text().isEmpty() || n != 0)
        m_txtDecimala->setText(QString::number(n));
    m_settingDecimals = false;
    refreshDisplay();
}

void CalculatorPanel::chkTisuca_Click()
{
    m_engine.setThousandsSeparator(m_chkTisuca->isChecked());
    if (m_chkTisuca->isChecked())
        m_txtDecimala->setText(QStringLiteral("2"));
    refreshDisplay();
}

void CalculatorPanel::resultIntoInput()
{
    replaceSelection(m_lblRezultat->text());
}

void CalculatorPanel::nextNumberMode()
{
    optNumber_Click((m_optNumber->checkedId() + 1) % 3);
}

void CalculatorPanel::storeMemory()
{
    if (m_engine.resultText.empty()) {
        m_engine.memoryValue = 0;
        return;
    }
    if (const auto value = pse::parseNumber(m_engine.resultText, m_engine.decimalSeparator, true))
        m_engine.memoryValue = *value;
}

void CalculatorPanel::recallMemory()
{
    if (m_engine.memoryValue != 0)
        replaceSelection(QString::fromStdString(
            pse::formatGeneral(m_engine.memoryValue, m_engine.decimalSeparator)));
}

void CalculatorPanel::nextAngleUnit()
{
    optRadDeg_Click((m_optRadDeg->checkedId() + 1) % 3);
}

void CalculatorPanel::clearInput()
{
    m_txtUnosFormule->clear();
}

QString CalculatorPanel::powerBase() const
{
    const QString selected = m_txtUnosFormule->selectedText();
    const bool holdsOperator = std::any_of(selected.begin(), selected.end(), [](QChar c) {
        return QStringView(u":+*%/^").contains(c);
    });
    return holdsOperator ? u'(' + selected + u')' : selected;
}

void CalculatorPanel::powerKey(int digit)
{
    replaceSelection(powerBase() + u'^' + QString::number(digit));
}

void CalculatorPanel::rootKey(int digit)
{
    replaceSelection(powerBase() + QStringLiteral("^(1/") + QString::number(digit) + u')');
}
