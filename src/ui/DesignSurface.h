// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QPointer>
#include <QRectF>
#include <QWidget>

#include <array>

class QProxyStyle;
class QScreen;

// The window's controls are placed in twips (1440 per inch, 15 per pixel at 96 dpi), the units the
// table was designed in. This surface turns those design coordinates into pixels for whatever
// size the window has, fonts included, so a maximised window on a projector shows the same layout
// larger instead of the same small layout with empty space around it.
class DesignSurface : public QWidget
{
    Q_OBJECT

public:
    static constexpr int DesignWidth = 10725;
    static constexpr int DesignHeight = 6975;
    static constexpr qreal DefaultFontPoints = 8.25;

    explicit DesignSurface(QWidget *parent = nullptr);
    ~DesignSurface() override;

    // Places a widget at a rectangle in twips relative to its parent, which is this surface or any
    // widget below it that is itself placed. fontPoints is the design font size; 0 leaves the font.
    void place(QWidget *widget, const QRectF &twips, qreal fontPoints = DefaultFontPoints);
    void moveTo(QWidget *widget, const QPointF &twips);
    QRectF designRect(const QWidget *widget) const;
    // Scales only the font of a widget the surface does not place: a pop-up menu, a table's
    // header, a label that places itself beside another.
    void scaleFont(QWidget *widget, qreal fontPoints = DefaultFontPoints);
    // base at the pixel size of a design font of `points` at the surface's present scale.
    QFont designFont(QFont base, qreal points = DefaultFontPoints) const;
    // The surface that lays out the window of `widget`, or null.
    static DesignSurface *of(const QWidget *widget);

    // A window's opening size: the design grown to `share` of the screen's free area in its
    // proportions, never below the design's own size.
    static QSize openingSize(const QScreen *screen, qreal share);

    // Sizes the surface and its scale at once instead of when it is first shown. Called before the
    // controls are placed, it spares every font and text layout being made twice at start-up:
    // once at the design's size and again at the window's.
    void resizeBeforeShow(const QSize &size);

    qreal pixelsPerTwip() const { return m_scale; }
    // Twips to pixels and back within a placed widget (no offset).
    qreal toPixels(qreal twips) const { return twips * m_scale; }
    qreal toTwips(qreal pixels) const { return m_scale > 0 ? pixels / m_scale : 0; }

    // The background: 256 bands of colour from top to bottom, then an optional picture on top.
    void setGradient(const std::array<QColor, 256> &bands);
    void setBackgroundPicture(const QImage &picture);
    // The picture at `path`, or a null image with the platform's reason in `error`.
    static QImage readPicture(const QString &path, QString &error);
    const QImage &backgroundPicture() const { return m_picture; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    // Tooltips and context menus are windows of their own and would keep the desktop's small
    // type; each is given the surface's type just before it shows.
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    struct Placement
    {
        QPointer<QWidget> widget;
        QRectF twips;
        qreal fontPoints = 0;
        bool fontOnly = false;
    };

    void remember(const Placement &placement);
    void applyPlacement(const Placement &placement);
    void relayout();

    // Check marks, option circles and scroll-bar arrows are drawn by the style in fixed pixel
    // sizes; this style scales them with the surface like everything else on it.
    QProxyStyle *m_style;
    QHash<const QWidget *, Placement> m_placements;
    qreal m_scale = 1.0 / 15.0;
    QPointF m_offset;
    std::array<QColor, 256> m_bands;
    QImage m_picture;
    // The picture at the window's size, made once per size rather than on every repaint.
    QPixmap m_scaledPicture;
    QPixmap m_bandStrip;
};
