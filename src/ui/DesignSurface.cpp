// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DesignSurface.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QImageReader>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QRadioButton>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollBar>
#include <QSlider>
#include <QStyleOptionFrame>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace {

// The platform style with the sizes of its small drawn parts multiplied by the surface's scale
// relative to the design (15 twips a pixel), so that a check box or a scroll-bar arrow grows with
// the window instead of staying a few pixels on a projector.
class ScaledStyle : public QProxyStyle
{
public:
    qreal factor = 1.0;

    int pixelMetric(PixelMetric metric, const QStyleOption *option,
                    const QWidget *widget) const override
    {
        const int base = QProxyStyle::pixelMetric(metric, option, widget);
        switch (metric) {
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
        case PM_CheckBoxLabelSpacing:
        case PM_RadioButtonLabelSpacing:
        case PM_ScrollBarExtent:
        case PM_ScrollBarSliderMin:
        case PM_SliderThickness:
        case PM_SliderLength:
        case PM_SliderControlThickness:
            return std::max(1, int(std::lround(base * factor)));
        default:
            return base;
        }
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        // A text box's frame: a plain rectangle, as thick as the scale makes it. The platform's
        // rounded, shaded one is drawn anew on every sweep tick that rewrites the temperature box,
        // at more cost than the rest of the tick together.
        const auto *frame = qstyleoption_cast<const QStyleOptionFrame *>(option);
        if (element != PE_PanelLineEdit || !frame) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        const QRect &r = option->rect;
        painter->fillRect(r, option->palette.brush(QPalette::Base));
        if (frame->lineWidth <= 0)
            return;
        const bool focused = option->state & State_HasFocus;
        const QColor edge = option->palette.color(focused ? QPalette::Highlight : QPalette::Dark);
        const int w = std::max(1, int(std::lround(factor * (focused ? 2 : 1))));
        painter->fillRect(r.left(), r.top(), r.width(), w, edge);
        painter->fillRect(r.left(), r.bottom() - w + 1, r.width(), w, edge);
        painter->fillRect(r.left(), r.top(), w, r.height(), edge);
        painter->fillRect(r.right() - w + 1, r.top(), w, r.height(), edge);
    }
};

bool drawsScaledParts(const QWidget *widget)
{
    return qobject_cast<const QCheckBox *>(widget) || qobject_cast<const QRadioButton *>(widget) ||
           qobject_cast<const QScrollBar *>(widget) || qobject_cast<const QSlider *>(widget) ||
           qobject_cast<const QLineEdit *>(widget);
}

} // namespace

DesignSurface::DesignSurface(QWidget *parent)
    : QWidget(parent)
    , m_style(new ScaledStyle)
{
    m_bands.fill(QColor(192, 192, 192));
    // The bands cover every pixel, so nothing behind the surface needs painting first: on a sweep
    // tick that would be the window's whole background behind the thermometer again.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

DesignSurface::~DesignSurface()
{
    // The controls use the style to the end of their lives, so they go first.
    qDeleteAll(findChildren<QWidget *>(Qt::FindDirectChildrenOnly));
    delete m_style;
}

void DesignSurface::place(QWidget *widget, const QRectF &twips, qreal fontPoints)
{
    if (drawsScaledParts(widget))
        widget->setStyle(m_style);
    remember({widget, twips, fontPoints});
}

void DesignSurface::scaleFont(QWidget *widget, qreal fontPoints)
{
    remember({widget, {}, fontPoints, true});
}

void DesignSurface::remember(const Placement &placement)
{
    m_placements.insert(placement.widget, placement);
    placement.widget->installEventFilter(this);
    applyPlacement(placement);
}

bool DesignSurface::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ToolTip)
        QToolTip::setFont(designFont(QApplication::font("QTipLabel")));
    // A text box builds its context menu anew each time, with the menus' type of the moment.
    else if (event->type() == QEvent::ContextMenu)
        QApplication::setFont(designFont(QApplication::font("QMenu"), 9.75), "QMenu");
    return QWidget::eventFilter(watched, event);
}

QFont DesignSurface::designFont(QFont base, qreal points) const
{
    // One point is 20 twips whatever the screen's dpi.
    base.setPixelSize(std::max(1, int(std::lround(points * 20 * m_scale))));
    return base;
}

DesignSurface *DesignSurface::of(const QWidget *widget)
{
    if (!widget)
        return nullptr;
    QWidget *window = widget->window();
    if (auto *surface = qobject_cast<DesignSurface *>(window))
        return surface;
    return window->findChild<DesignSurface *>(QString(), Qt::FindDirectChildrenOnly);
}

void DesignSurface::moveTo(QWidget *widget, const QPointF &twips)
{
    auto it = m_placements.find(widget);
    if (it == m_placements.end())
        return;
    it->twips.moveTopLeft(twips);
    applyPlacement(*it);
}

QRectF DesignSurface::designRect(const QWidget *widget) const
{
    return m_placements.value(widget).twips;
}

void DesignSurface::setGradient(const std::array<QColor, 256> &bands)
{
    m_bands = bands;
    m_bandStrip = QPixmap();
    update();
}

void DesignSurface::setBackgroundPicture(const QImage &picture)
{
    m_picture = picture;
    m_scaledPicture = QPixmap();
    update();
}

QImage DesignSurface::readPicture(const QString &path, QString &error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return {};
    }
    QImageReader reader(&file);
    QImage picture = reader.read();
    if (picture.isNull())
        error = reader.errorString();
    return picture;
}

QSize DesignSurface::openingSize(const QScreen *screen, qreal share)
{
    // 715 x 465 pixels at 96 dpi, small on today's screens.
    const QSize design(DesignWidth / 15, DesignHeight / 15);
    if (!screen)
        return design * 1.5;
    return design.scaled(screen->availableSize() * share, Qt::KeepAspectRatio).expandedTo(design);
}

void DesignSurface::resizeBeforeShow(const QSize &size)
{
    resize(size);
    relayout();
}

void DesignSurface::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    relayout();
}

void DesignSurface::relayout()
{
    const qreal sx = qreal(width()) / DesignWidth;
    const qreal sy = qreal(height()) / DesignHeight;
    m_scale = std::max<qreal>(std::min(sx, sy), 0.01);
    static_cast<ScaledStyle *>(m_style)->factor = m_scale * 15;
    // Keep the proportions and centre the design; the background still fills the whole window.
    m_offset =
        QPointF((width() - DesignWidth * m_scale) / 2, (height() - DesignHeight * m_scale) / 2);
    // Widgets deleted since the last layout leave an empty QPointer behind; drop them here.
    m_placements.removeIf([](const auto &entry) { return entry.value().widget.isNull(); });
    for (const Placement &placement : std::as_const(m_placements))
        applyPlacement(placement);
    update();
}

void DesignSurface::applyPlacement(const Placement &placement)
{
    QWidget *widget = placement.widget;
    if (!widget)
        return;
    if (placement.fontOnly) {
        widget->setFont(designFont(widget->font(), placement.fontPoints));
        return;
    }
    const QPointF offset = widget->parentWidget() == this ? m_offset : QPointF();
    const QRectF &r = placement.twips;
    // Edges are rounded, not sizes, so that neighbours designed to touch still touch.
    const int left = int(std::lround(offset.x() + r.left() * m_scale));
    const int top = int(std::lround(offset.y() + r.top() * m_scale));
    const int right = int(std::lround(offset.x() + r.right() * m_scale));
    const int bottom = int(std::lround(offset.y() + r.bottom() * m_scale));
    widget->setGeometry(left, top, std::max(1, right - left), std::max(1, bottom - top));
    if (widget->style() == m_style) {
        // The metrics changed with the scale; sizes the widget cached from them are stale.
        widget->updateGeometry();
        widget->update();
    }
    if (placement.fontPoints > 0)
        widget->setFont(designFont(widget->font(), placement.fontPoints));
}

void DesignSurface::paintEvent(QPaintEvent *event)
{
    const qreal ratio = devicePixelRatioF();
    if (m_bandStrip.height() != qRound(height() * ratio) || m_bandStrip.devicePixelRatio() != ratio)
        m_bandStrip = QPixmap();
    if (m_bandStrip.isNull()) {
        // One narrow strip of the bands, tiled across whatever needs painting: a sweep tick
        // repaints the thermometer's column and its box, and one tiled fill each is far cheaper
        // than a fill for every band they cross.
        m_bandStrip = QPixmap(QSize(16, height()) * ratio);
        m_bandStrip.setDevicePixelRatio(ratio);
        QPainter strip(&m_bandStrip);
        const qreal bandHeight = qreal(height()) / m_bands.size();
        for (std::size_t i = 0; i < m_bands.size(); ++i) {
            const int top = int(std::floor(double(i) * bandHeight));
            const int bottom = int(std::ceil(double(i + 1) * bandHeight));
            strip.fillRect(0, top, 16, bottom - top, m_bands[i]);
        }
    }
    if (!m_picture.isNull() && m_scaledPicture.size() != size())
        m_scaledPicture = QPixmap::fromImage(
            m_picture.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    QPainter painter(this);
    for (const QRect &dirty : event->region()) {
        painter.drawTiledPixmap(dirty, m_bandStrip, QPoint(0, dirty.top()));
        if (!m_scaledPicture.isNull())
            painter.drawPixmap(dirty, m_scaledPicture, dirty);
    }
}
