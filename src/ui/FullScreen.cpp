// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FullScreen.h"

#include <QScreen>
#include <QWidget>

FullScreen &FullScreen::of(QWidget *window)
{
    if (auto *helper = window->findChild<FullScreen *>(QString(), Qt::FindDirectChildrenOnly))
        return *helper;
    return *new FullScreen(window);
}

FullScreen::FullScreen(QWidget *window)
    : QObject(window)
    , m_window(window)
{
    m_wait.setSingleShot(true);
    m_wait.setInterval(AnswerMilliseconds);
    connect(&m_wait, &QTimer::timeout, this, [this] { settle(fillsScreen(m_window)); });
}

bool FullScreen::fillsScreen(const QWidget *window)
{
    return window->screen() && window->geometry().contains(window->screen()->geometry());
}

void FullScreen::toggle()
{
    m_wait.stop();
    if (m_covering) {
        restore();
        return;
    }
    const Qt::WindowStates states = m_window->windowState();
    if (states & Qt::WindowFullScreen) {
        m_window->setWindowState(states & ~Qt::WindowFullScreen);
        return;
    }
    m_geometry = m_window->geometry();
    m_flags = m_window->windowFlags();
    m_states = states;
    m_window->setWindowState(states | Qt::WindowFullScreen);
    m_wait.start();
}

void FullScreen::settle(bool honoured)
{
    m_wait.stop();
    // F11 may have come again while the window manager was being waited for.
    if (honoured || m_covering || !(m_window->windowState() & Qt::WindowFullScreen))
        return;
    cover();
}

void FullScreen::cover()
{
    m_covering = true;
    // The request that nobody answered is withdrawn, so that the window's state says what it is.
    m_window->setWindowState(m_states & ~Qt::WindowFullScreen);
    // Changing the flags hides a window; it is shown again in its new place.
    m_window->setWindowFlags(m_flags | Qt::FramelessWindowHint);
    if (const QScreen *screen = m_window->screen())
        m_window->setGeometry(screen->geometry());
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

void FullScreen::restore()
{
    m_covering = false;
    m_window->setWindowFlags(m_flags);
    m_window->setGeometry(m_geometry);
    m_window->setWindowState(m_states);
    m_window->show();
    m_window->activateWindow();
}
