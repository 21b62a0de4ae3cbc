// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/TrailingLabel.h"

#include <QEvent>
#include <QFontMetricsF>

#include <cmath>

TrailingLabel::TrailingLabel(QLabel *value)
    : QLabel(value)
    , m_value(value)
{
    value->installEventFilter(this);
}

void TrailingLabel::follow()
{
    const QFontMetricsF valueMetrics(m_value->font());
    const QFontMetricsF own(font());
    const QRect box = m_value->contentsRect();
    // The value's text is drawn from the left and centred from top to bottom.
    const qreal end = box.left() + valueMetrics.horizontalAdvance(m_value->text());
    const qreal baseline =
        box.top() + (box.height() - valueMetrics.height()) / 2 + valueMetrics.ascent();
    const int left = int(std::ceil(end + own.horizontalAdvance(u' ')));
    setGeometry(left, int(std::lround(baseline - own.ascent())),
                int(std::ceil(own.horizontalAdvance(text()))) + 1, int(std::ceil(own.height())));
}

bool TrailingLabel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_value &&
        (event->type() == QEvent::Resize || event->type() == QEvent::FontChange))
        follow();
    return QLabel::eventFilter(watched, event);
}

void TrailingLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        follow();
}
