// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QRect>
#include <QTimer>

class QWidget;

// F11's full screen. Full screen is a request to the window manager, and where none runs (a
// screen left running in an X session started with xinit) nobody answers it. The window manager
// is given a moment; if the window does not fill the screen by then, the window covers the screen
// itself, without a frame, and gives back its old place and frame when F11 comes again.
class FullScreen : public QObject
{
    Q_OBJECT

public:
    static constexpr int AnswerMilliseconds = 500;

    // The helper of a top-level window, made on its first use as the window's child.
    static FullScreen &of(QWidget *window);

    explicit FullScreen(QWidget *window);

    // Full screen, or back to the window as it was.
    void toggle();
    // The window covers the screen by itself, because no window manager did it.
    bool covering() const { return m_covering; }
    bool waiting() const { return m_wait.isActive(); }
    // The end of the wait: `honoured` is whether the window manager made the window full screen.
    void settle(bool honoured);

    static bool fillsScreen(const QWidget *window);

private:
    void cover();
    void restore();

    QWidget *m_window;
    QTimer m_wait;
    QRect m_geometry;
    Qt::WindowFlags m_flags;
    Qt::WindowStates m_states;
    bool m_covering = false;
};
