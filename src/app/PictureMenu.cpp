// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PictureMenu.h"

#include "lang/Texts.h"
#include "ui/DesignSurface.h"

#include <QAbstractButton>

PictureMenu::PictureMenu(QAbstractButton *button, DesignSurface *surface)
    : QMenu(button)
    , m_save(addAction(QString(), this, &PictureMenu::saveChosen))
    , m_print(addAction(QString(), this, &PictureMenu::printChosen))
{
    setObjectName(QStringLiteral("mnuSlika"));
    m_save->setObjectName(QStringLiteral("mnuSlikaSpremi"));
    m_print->setObjectName(QStringLiteral("mnuSlikaIspis"));
    // A menu is a window of its own: its type grows with the window's only by being told.
    surface->scaleFont(this, 9.75);
    connect(button, &QAbstractButton::clicked, this,
            [this, button] { popup(button->mapToGlobal(QPoint(0, button->height()))); });
}

void PictureMenu::applyLanguage(int languageIndex)
{
    using pse::lang::TextId;
    m_save->setText(pse::lang::text(TextId::MenuSavePicture, languageIndex));
    m_print->setText(pse::lang::text(TextId::MenuPrint, languageIndex));
}
