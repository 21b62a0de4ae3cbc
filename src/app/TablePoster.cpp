// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TablePoster.h"

#include "app/ScaleText.h"
#include "lang/Texts.h"
#include "table/ElementGrid.h"
#include "table/PropertyMaps.h"
#include "table/TableController.h"
#include "temperature/TemperatureState.h"

#include <QDate>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QRegularExpression>

#include <algorithm>
#include <limits>
#include <map>
#include <set>

namespace {

using pse::lang::TextId;

// Sizes in twips of the window's design, which the poster is drawn in before it is scaled to the
// paper: a cell is 480 x 540 of them, about 15 mm wide on A4.
constexpr qreal LabelHeight = 240; // the group numbers above the columns
constexpr qreal LabelWidth = 280;  // the period numbers left of the rows
constexpr qreal Gap = 40;
constexpr qreal Line = 10;
constexpr qreal SymbolPixels = 200;
constexpr qreal NumberPixels = 100;
constexpr qreal LabelPixels = 150;
constexpr qreal TitlePixels = 300;
constexpr qreal SubtitlePixels = 175;
constexpr qreal DatePixels = 130;
constexpr qreal KeyPixels = 150;
constexpr qreal BarHeight = 170;

QFont fontOf(qreal pixels, bool bold = false)
{
    QFont font;
    font.setPixelSize(std::max(1, qRound(pixels)));
    font.setBold(bold);
    // Paper has no pixels to snap the letters to; hinting would only skew the measurements.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

qreal advance(const QFont &font, const QString &text)
{
    return QFontMetricsF(font).horizontalAdvance(text);
}

// The font made smaller, if need be, so that `text` fits into `width`.
QFont fitted(QFont font, const QString &text, qreal width)
{
    const qreal needed = advance(font, text);
    if (needed > width)
        font.setPixelSize(std::max(1, int(font.pixelSize() * width / needed)));
    return font;
}

// The date in the words of the poster's language, without the day of the week.
QString dateIn(int language)
{
    static const char *const names[] = {"hr_HR", "en_GB", "de_DE", "fr_FR", "it_IT"};
    const QLocale locale(QString::fromLatin1(names[language >= 1 && language <= 4 ? language : 0]));
    QString format = locale.dateFormat(QLocale::LongFormat);
    format.remove(QRegularExpression(QStringLiteral("d{4}[, ]*")));
    return locale.toString(QDate::currentDate(), format);
}

} // namespace

struct TablePoster::Layout
{
    std::vector<QPoint> columns; // the top left of each group's first cell
    std::vector<int> periods;    // top edges, one per period
    std::vector<int> fRows;      // top edges of the lanthanide and actinide rows
    QSizeF step;                 // from a column to the next, and from a period to the next
    QRectF bounds;               // the cells and the numbers around them
    QRectF heading;              // the gap above the transition metals
};

TablePoster::TablePoster(const ElementGrid &grid, const TableController &table,
                         const TemperatureState &temperature, const QColor &fBlockColour)
    : m_fBlockColour(fBlockColour)
    , m_language(table.inputs().language)
{
    using pse::lang::text;
    const TableInputs &inputs = table.inputs();
    // Button 0 repeats hydrogen beside the window's tools; the table starts at 1. The elements
    // beyond those in use are not in it.
    for (int i = 1; i < ElementGrid::ButtonCount; ++i) {
        const ElementButton *button = grid.button(i);
        if (!button->look().hidden)
            m_cells.push_back({ElementGrid::buttonRect(i), button->look(), button->text(),
                               ElementGrid::atomicNumber(i)});
    }
    QStringList about;
    if (inputs.colouring == TableInputs::StatesColouring) {
        const StateColours &c = inputs.colours;
        m_keys = {{c.solid, text(TextId::LegendSolid, m_language)},
                  {c.liquid, text(TextId::LegendLiquid, m_language)},
                  {c.gas, text(TextId::LegendGas, m_language)},
                  {c.unknown, text(TextId::LegendUnknown, m_language)}};
        const QString reading =
            QString::number(temperature.temperature) +
            (temperature.kelvinScale ? QStringLiteral(" K") : QStringLiteral(" °C"));
        about << text(TextId::PosterStatesAt, m_language).arg(reading);
    } else {
        const auto property = maps::Property(inputs.colouring - 1);
        const maps::Scale &scale = table.looks().scale(property, inputs.elementCount);
        const scaletext::ScaleEnds ends = scaletext::ends(
            scaletext::quantityOf(property), scale.min, scale.max,
            QString::fromUtf8(maps::info(property).unit), inputs.kelvinScale, QLocale::system());
        m_scaleMin = ends.min;
        m_scaleMax = ends.max;
        about << text(maps::info(property).name, m_language);
    }
    if (inputs.year)
        about << text(TextId::TimelineLabel, m_language).arg(*inputs.year);
    m_subtitle = about.join(QStringLiteral(" · "));
    m_title = text(TextId::PosterTitle, m_language);
    m_date = dateIn(m_language);
    m_rowNames = {text(TextId::RowLanthanides, m_language), text(TextId::RowActinides, m_language)};
}

TablePoster::Layout TablePoster::layout() const
{
    // Everything follows from where the window places the buttons, so the poster keeps the
    // table's shape whatever it holds.
    Layout l;
    const int firstLeft = std::min_element(m_cells.begin(), m_cells.end(), [](auto &a, auto &b) {
                              return a.twips.left() < b.twips.left();
                          })->twips.left();
    std::set<int> periods;
    std::set<int> fRows;
    for (const Cell &cell : m_cells) {
        if (cell.twips.left() == firstLeft)
            periods.insert(cell.twips.top());
    }
    std::map<int, int> columnTops;
    QRectF cells;
    for (const Cell &cell : m_cells) {
        const QRect &r = cell.twips;
        if (periods.contains(r.top())) {
            const auto [column, added] = columnTops.try_emplace(r.left(), r.top());
            column->second = std::min(column->second, r.top());
        } else {
            fRows.insert(r.top());
        }
    }
    for (const auto &[left, top] : columnTops)
        l.columns.emplace_back(left, top);
    l.periods.assign(periods.begin(), periods.end());
    l.fRows.assign(fRows.begin(), fRows.end());
    l.step = QSizeF(l.columns[1].x() - l.columns[0].x(), l.periods[1] - l.periods[0]);
    for (const Cell &cell : m_cells)
        cells |= QRectF(cell.twips.topLeft(), l.step);
    l.bounds = cells.adjusted(-LabelWidth, -LabelHeight, 0, 0);
    // From the third group to the twelfth, above their numbers.
    l.heading = QRectF(
        QPointF(l.columns[2].x() + Gap, l.bounds.top()),
        QPointF(l.columns[11].x() + l.step.width() - Gap, l.columns[2].y() - LabelHeight - Gap));
    return l;
}

void TablePoster::paint(QPainter &painter, const QRectF &page) const
{
    const Layout l = layout();
    const qreal scale =
        std::min(page.width() / l.bounds.width(), page.height() / l.bounds.height());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(page.center());
    painter.scale(scale, scale);
    painter.translate(-l.bounds.center());
    for (const Cell &cell : m_cells)
        paintCell(painter, cell, QRectF(cell.twips.topLeft(), l.step));
    paintFrame(painter, l);
    paintHeading(painter, l.heading);
    painter.restore();
}

void TablePoster::paintCell(QPainter &painter, const Cell &cell, const QRectF &face) const
{
    const ButtonLook &look = cell.look;
    // An element the table leaves out (not discovered yet, or not found) stays an empty frame.
    const QColor ink = look.dimmed ? QColor(150, 150, 150) : look.text;
    if (!look.dimmed)
        painter.fillRect(face, look.background);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(look.dimmed ? QColor(170, 170, 170) : QColor(Qt::black), Line));
    painter.drawRect(face);
    painter.setPen(ink);
    // Inside the frame of a search result too.
    const QRectF inside = face.adjusted(4 * Line, 4 * Line, -4 * Line, -4 * Line);
    if (cell.number > 0) {
        painter.setFont(fontOf(NumberPixels));
        painter.drawText(inside, Qt::AlignLeft | Qt::AlignTop, QString::number(cell.number));
    }
    painter.setFont(fitted(fontOf(SymbolPixels, true), cell.symbol, inside.width()));
    painter.drawText(inside.adjusted(0, face.height() / 5, 0, 0), Qt::AlignCenter, cell.symbol);
    if (!look.letter.isEmpty() && !look.dimmed) {
        painter.setFont(fontOf(NumberPixels, true));
        painter.drawText(inside, Qt::AlignRight | Qt::AlignBottom, look.letter);
    }
    if (look.marked) {
        const qreal frame = 2.5 * Line;
        painter.setPen(QPen(Qt::black, frame, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawRect(face.adjusted(frame / 2, frame / 2, -frame / 2, -frame / 2));
    }
}

void TablePoster::paintFrame(QPainter &painter, const Layout &l) const
{
    painter.setPen(Qt::black);
    painter.setFont(fontOf(LabelPixels, true));
    for (std::size_t k = 0; k < l.columns.size(); ++k) {
        const QPoint &top = l.columns[k];
        painter.drawText(QRectF(top.x(), top.y() - LabelHeight, l.step.width(), LabelHeight - Gap),
                         Qt::AlignHCenter | Qt::AlignBottom, QString::number(k + 1));
    }
    for (std::size_t p = 0; p < l.periods.size(); ++p) {
        painter.drawText(QRectF(l.bounds.left(), l.periods[p], LabelWidth - Gap, l.step.height()),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(p + 1));
    }
    // The lanthanides and the actinides stand below the table, each row under its name. Where they
    // belong, under the third group in the last periods, a cell in the colour that highlights
    // them names their atomic numbers.
    const std::size_t rows = std::min(l.fRows.size(), m_rowNames.size());
    for (std::size_t r = 0; r < rows; ++r) {
        int first = std::numeric_limits<int>::max();
        int last = 0;
        int left = std::numeric_limits<int>::max();
        for (const Cell &cell : m_cells) {
            if (cell.twips.top() == l.fRows[r]) {
                first = std::min(first, cell.number);
                last = std::max(last, cell.number);
                left = std::min(left, cell.twips.left());
            }
        }
        ButtonLook look;
        look.background = m_fBlockColour;
        look.text = readableTextOn(m_fBlockColour);
        const QPointF gap(l.columns[2].x(), l.periods[l.periods.size() - rows + r]);
        paintCell(painter, {{}, look, QStringLiteral("%1–%2").arg(first).arg(last), 0},
                  QRectF(gap, l.step));
        painter.setPen(Qt::black);
        painter.setFont(fontOf(LabelPixels, true));
        painter.drawText(
            QRectF(left, l.fRows[r] - LabelHeight, l.step.width() * 8, LabelHeight - Gap),
            Qt::AlignLeft | Qt::AlignBottom, m_rowNames[r]);
    }
}

void TablePoster::paintHeading(QPainter &painter, const QRectF &area) const
{
    qreal y = area.top();
    const auto line = [&](const QFont &base, const QString &text, const QColor &colour) {
        const QFont font = fitted(base, text, area.width());
        const qreal height = QFontMetricsF(font).height();
        painter.setFont(font);
        painter.setPen(colour);
        painter.drawText(QRectF(area.left(), y, area.width(), height), Qt::AlignHCenter, text);
        y += height;
    };
    line(fontOf(TitlePixels, true), m_title, Qt::black);
    y += Gap;
    line(fontOf(SubtitlePixels), m_subtitle, Qt::black);
    line(fontOf(DatePixels), m_date, QColor(80, 80, 80));
    // The legend halfway between the date and the numbers of the groups below.
    const qreal height = m_keys.empty()
                             ? BarHeight + Gap + QFontMetricsF(fontOf(KeyPixels)).height()
                             : KeyPixels * 1.3;
    paintLegend(painter,
                QRectF(area.left(), (y + area.bottom() - height) / 2, area.width(), height));
}

void TablePoster::paintLegend(QPainter &painter, const QRectF &area) const
{
    painter.setPen(Qt::black);
    if (m_keys.empty()) {
        // The colour bar, its ends written under it.
        const QFont font = fontOf(KeyPixels);
        const qreal textHeight = QFontMetricsF(font).height();
        const QRectF bar(area.left(), area.bottom() - textHeight - Gap - BarHeight, area.width(),
                         BarHeight);
        constexpr int Slices = 96;
        for (int i = 0; i < Slices; ++i) {
            // Each slice a little wider than its share, so that no seam shows between them.
            painter.fillRect(QRectF(bar.left() + bar.width() * i / Slices, bar.top(),
                                    bar.width() / Slices + Line, bar.height()),
                             maps::viridis((i + 0.5) / Slices));
        }
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(Qt::black, Line));
        painter.drawRect(bar);
        painter.setFont(font);
        const QRectF under(area.left(), bar.bottom() + Gap, area.width(), textHeight);
        painter.drawText(under, Qt::AlignLeft | Qt::AlignTop, m_scaleMin);
        painter.drawText(under, Qt::AlignRight | Qt::AlignTop, m_scaleMax);
        return;
    }
    // The legend of states in one row, made smaller as a whole if its words need more room.
    QFont font = fontOf(KeyPixels);
    qreal box = KeyPixels * 1.3;
    qreal spacing = KeyPixels * 1.5;
    qreal width = spacing * qreal(m_keys.size() - 1);
    for (const Key &key : m_keys)
        width += box + Gap * 2 + advance(font, key.name);
    const qreal shrink = std::min<qreal>(1, area.width() / width);
    font.setPixelSize(std::max(1, int(font.pixelSize() * shrink)));
    box *= shrink;
    spacing *= shrink;
    qreal x = area.center().x() - width * shrink / 2;
    const qreal top = area.bottom() - box;
    for (const Key &key : m_keys) {
        painter.fillRect(QRectF(x, top, box, box), key.colour);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(Qt::black, Line));
        painter.drawRect(QRectF(x, top, box, box));
        x += box + Gap * 2 * shrink;
        painter.setFont(font);
        const qreal nameWidth = advance(font, key.name);
        painter.drawText(QRectF(x, top, nameWidth, box), Qt::AlignLeft | Qt::AlignVCenter,
                         key.name);
        x += nameWidth + spacing;
    }
}
