// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/TextBinder.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>

namespace pse::lang {

void TextBinder::apply(int languageIndex) const
{
    for (const auto &[id, control] : m_bindings) {
        if (!control)
            continue;
        const QString value = text(id, languageIndex);
        switch (textRow(id).slot) {
        case Slot::WindowTitle:
            control->setWindowTitle(value);
            break;
        case Slot::ToolTip:
            control->setToolTip(value);
            break;
        case Slot::Caption:
        case Slot::Text:
            if (auto *label = qobject_cast<QLabel *>(control))
                label->setText(value);
            else if (auto *button = qobject_cast<QAbstractButton *>(control))
                button->setText(value);
            else if (auto *group = qobject_cast<QGroupBox *>(control))
                group->setTitle(value);
            break;
        }
    }
}

} // namespace pse::lang
