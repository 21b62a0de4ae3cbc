// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lang/Texts.h"

#include <QPointer>
#include <QWidget>

#include <utility>
#include <vector>

namespace pse::lang {

// The language texts of one panel: each control is bound once to its row, and a language switch
// writes every bound text into its slot (caption, tooltip or window title). The controls are
// built without captions, so the tables are the only place a text lives.
class TextBinder
{
public:
    void bind(TextId id, QWidget *control) { m_bindings.emplace_back(id, control); }
    void apply(int languageIndex) const;

private:
    std::vector<std::pair<TextId, QPointer<QWidget>>> m_bindings;
};

} // namespace pse::lang
