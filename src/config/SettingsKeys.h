// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "config/Settings.h"

#include <QtGlobal>

#include <span>
#include <string_view>

namespace pse {

// How the value of a key is read and written.
enum class KeyKind {
    Whole,       // a whole number in -32768..32767
    SweepNumber, // a number kept as text in the system's format
    Background,  // a picture path, relative ones taken from the program folder
    Colour,      // "R = r, G = g, B = b"
    Gradient,    // "up", "dn" or a number, one background component
    Choice       // a whole number that is either its default or `choice`; anything else, out of
                 // range included, reads as the default
};

// One key of the configuration file: its name, the field of Settings it fills, and the comment
// that the writers put before it. The reader, both writers and the configuration dialog all work
// from this one list, so a key is spelt in one place only.
struct SettingsKey
{
    std::string_view name;
    KeyKind kind;
    qint16 Settings::*whole = nullptr;
    QString Settings::*text = nullptr;
    ColourTriple Settings::*colour = nullptr;
    // The comment paragraphs before the key line, Croatian and English, paragraphs separated by an
    // empty line ("\n\n"); null when the key line follows the one before it in the same paragraph.
    const char *commentHR = nullptr;
    const char *commentEN = nullptr;
    // A setting this program added to the original file: written after the original closing
    // paragraph, one paragraph each of a single comment line and the key line, so that the
    // original part of the file stays as it always was and an older reader never sees them.
    bool extra = false;
    qint16 choice = 0;
};

// Every key, in the order the writers store them.
std::span<const SettingsKey> settingsKeys();

// The key named `name`, or nullptr.
const SettingsKey *findSettingsKey(std::string_view name);

} // namespace pse
