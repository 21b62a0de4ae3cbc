// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>
#include <span>

// Every text of the interface that changes with the language, as data: one row per slot (a
// control's caption, tooltip or window title, or a message), with its text in each language. The
// main window's own texts exist in all five languages; the calculator, sweep, tool-button and
// dialog texts and the messages exist in Croatian and English only, and German, French and
// Italian users get them in English.
namespace pse::lang {

enum class Target { MainWindow, Dialog, Message };
enum class Slot { WindowTitle, Caption, ToolTip, Text };

// One identifier per row, in table order.
enum class TextId : int {
    // Five languages.
    MainTitle,
    LegendSolid,
    LegendLiquid,
    LegendGas,
    LegendUnknown,
    RowLanthanides,
    RowActinides,
    CaptionConfiguration,
    CaptionDiscovery,
    CaptionMelting,
    CaptionBoiling,
    CaptionHeatOfFusion,
    CaptionHeatOfVaporisation,
    CaptionOxidation,
    CaptionElectronegativity,
    CaptionRadius,
    CaptionThermalConductivity,
    CaptionElectricalConductivity,
    CaptionMolarVolume,
    CaptionDensity,
    TipLanthanides,
    TipActinides,
    TipAtomicNumber,
    TipAtomicMass,
    TipSymbol,
    TipName,
    TipExit,
    // Croatian and English.
    DialogLanguageFrame,
    NumberFrameTitle,
    HelpTitle,
    SweepTitle,
    NumberAutomatic,
    NumberScientific,
    NumberFixed,
    NumberDecimals,
    NumberThousands,
    SweepTempStart,
    SweepTempEnd,
    SweepStepTemp,
    SweepStepAtom,
    SweepPaging,
    TipCalculator,
    TipElementData,
    TipSettings,
    TipHelp,
    MakerName,
    MakerLine,
    TipWebPage,
    TipSweep,
    TipSweepSettings,
    TipThermometerUnit,
    TipInformation,
    TipGroupIupac,
    DialogTitle,
    PreviewGroups,
    PreviewLegend,
    SlotBackground,
    SlotGroups,
    SlotLegend,
    SlotGas,
    SlotLiquid,
    SlotSolid,
    SlotUnknown,
    SlotLanthanides,
    FrameRed,
    FrameGreen,
    FrameBlue,
    DialogBackground,
    DialogTempStart,
    DialogTempEnd,
    DialogStepTemp,
    DialogStepAtom,
    DialogAutoStart,
    DialogAutoClose,
    DialogPaging,
    DialogFullTable,
    DialogNarration,
    NoFileTitle,
    NoFileAdvice,
    // Messages and file names, Croatian and English.
    HelpMissing,
    HelpFileName,
    ProgramName,
    // Five languages again: what the classroom additions say.
    StateLetters,
    ViewStates,
    TipView,
    TimelineLabel,
    TipTimeline,
    SearchLabel,
    CompositionTitle,
    CompositionHeaders,
    NoFormula,
    TipComposition,
    // Five languages: the picture button's menu and the poster of the table.
    TipPicture,
    MenuSavePicture,
    MenuPrint,
    PdfType,
    PosterTitle,
    PosterStatesAt,
    PrintFailed,
    ExportTitle,
    PredictedNote,
    NarrationChanges,
    TipQuiz,
    QuizKinds,
    QuizWhereIs,
    QuizStateOf,
    QuizWhich,
    QuizRight,
    QuizWrong,
    QuizEnd,
    QuizNewRound,
    QuizHintWhere,
    Count
};

struct TextRow
{
    TextId id;
    Target target;
    // The object name of the control the text belongs to; empty for a message.
    const char *control;
    Slot slot;
    // Croatian, English, German, French, Italian; the last three are null for the rows that
    // exist in Croatian and English only.
    std::array<const char8_t *, 5> texts;

    bool fiveLanguages() const { return texts[2] != nullptr; }
};

std::span<const TextRow> textRows();
const TextRow &textRow(TextId id);

// The text of a row in the language: a five-language row falls back to Croatian for an index
// outside 0..4, a two-language row is Croatian for 0 and English for anything else.
QString text(TextId id, int languageIndex);

// The tooltip of the group labels while they show the CAS numbering, the same in every language.
QString casGroupTip();

// The text of the information box: program name and version, the project's lines, the web page.
QString infoText(int languageIndex, const QString &version, const QString &webPage);

} // namespace pse::lang
