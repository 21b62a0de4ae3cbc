// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class DesignSurface;
class FittingLabel;
class QTimer;

// The line under the table that tells the class which elements melt, boil, condense or freeze
// while the temperature moves. A line stays until the next one or a few seconds, long enough to
// be read aloud; it is a label, so a screen reader reads it too.
class NarrationLine : public QObject
{
    Q_OBJECT

public:
    static constexpr int ShownMilliseconds = 4000;

    explicit NarrationLine(DesignSurface *surface, QObject *parent = nullptr);

    void show(const QString &text);
    void clear();
    void setTextColour(const QColor &colour);

private:
    FittingLabel *m_label;
    QTimer *m_timer;
};
