#pragma once

#include <array>
#include <span>

class QWidget;

// The main window's texts in the five languages, as data: one row per control property, one column
// per language, applied by one function. Controls are found by their object names.
namespace pse::lang {

enum class Slot { WindowTitle, Caption, ToolTip };

struct TextRow
{
    const char *control;
    Slot slot;
    std::array<const char8_t *, 5> texts;
};

std::span<const TextRow> mainWindowTexts();

// The column of the main-window table for a language index: any value outside 1..4 is Croatian.
int mainWindowColumn(int languageIndex);

void applyTexts(QWidget &window, std::span<const TextRow> rows, int column);

// Every main-window text of the language, and the shown element's name in it.
void applyMainWindowTexts(QWidget &window, int languageIndex);

void SetTextsHR(QWidget &window);
void SetTextsEN(QWidget &window);
void SetTextsDE(QWidget &window);
void SetTextsFR(QWidget &window);
void SetTextsIT(QWidget &window);

} // namespace pse::lang
