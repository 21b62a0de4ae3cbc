// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PictureMenu.h"

#include "lang/Texts.h"
#include "ui/DesignSurface.h"

#include <QAbstractButton>

PictureMenu::PictureMenu(QAbstractButton *button, const DesignSurface *surface)
    : QMenu(button)
    , m_surface(surface)
    , m_save(addAction(QString(), this, &PictureMenu::saveChosen))
    , m_print(addAction(QString(), this, &PictureMenu::printChosen))
{
    setObjectName(QStringLiteral("mnuSlika"));
    m_save->setObjectName(QStringLiteral("mnuSlikaSpremi"));
    m_print->setObjectName(QStringLiteral("mnuSlikaIspis"));
    connect(button, &QAbstractButton::clicked, this, [this, button] { popUpUnder(button); });
}

void PictureMenu::applyLanguage(int languageIndex)
{
    using pse::lang::TextId;
    m_save->setText(pse::lang::text(TextId::MenuSavePicture, languageIndex));
    m_print->setText(pse::lang::text(TextId::MenuPrint, languageIndex));
}

void PictureMenu::popUpUnder(const QAbstractButton *button)
{
    // A menu is a window of its own: its type grows with the window's only by being told. One
    // point is 20 twips.
    QFont type = font();
    type.setPixelSize(std::max(1, qRound(9.75 * 20 * m_surface->pixelsPerTwip())));
    setFont(type);
    popup(button->mapToGlobal(QPoint(0, button->height())));
}
