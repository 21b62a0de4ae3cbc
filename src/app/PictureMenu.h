// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMenu>

class DesignSurface;
class QAbstractButton;

// What the picture button offers: to save the table as a picture or a PDF poster (what Ctrl+S
// opens at once), or to print the poster. A menu on the button rather than a button of its own,
// so that a teacher finds printing where the table is saved, and the corner of the window keeps
// its room.
class PictureMenu : public QMenu
{
    Q_OBJECT

public:
    // The menu opens under `button` when it is clicked, in the type of the window's surface.
    PictureMenu(QAbstractButton *button, DesignSurface *surface);

    void applyLanguage(int languageIndex);

signals:
    void saveChosen();
    void printChosen();

private:
    QAction *m_save;
    QAction *m_print;
};
