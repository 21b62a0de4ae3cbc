// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What Qt itself writes in the window (the file dialogs, the text boxes' context menu, the
// buttons of a message box) in the language of the program's own texts, from the translations Qt
// ships (Debian's qt6-translations-l10n). English needs none: it is what Qt writes anyway.
namespace pse::lang {

// The folder Qt's own translations are installed in.
QString qtTranslationsFolder();

// Switches Qt's own texts to the language (0 Croatian, 1 English, 2 German, 3 French, 4 Italian;
// any other value is Croatian, as for the main window's texts). Returns whether a translation is
// in force afterwards: false for English and where the translation is not installed, in which case
// Qt writes English.
bool useQtTranslations(int languageIndex);

} // namespace pse::lang
