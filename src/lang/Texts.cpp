#include "lang/Texts.h"

#include <QStringList>

namespace pse::lang {

namespace {

using enum TextId;
using enum Target;
using enum Slot;

// Rows whose last three texts are null exist in Croatian and English only.
#define HR_EN(hr, en)                                                                              \
    {                                                                                              \
        hr, en, nullptr, nullptr, nullptr                                                          \
    }

// The texts are the program's own, letter for letter, blanks included.
constexpr TextRow Rows[] = {
    {MainTitle,
     MainWindow,
     "frmPeriodni",
     WindowTitle,
     {u8"Quon. - PERIODNI  SUSTAV  ELEMENATA", u8"Quon. - PERIODIC TABLE OF ELEMENTS",
      u8"Quon. - PERIODENSYSTEM DER ELEMENTE", u8"Quon. - TABLEAU PÉRIODIQUE DES ÉLÉMENTS",
      u8"Quon. - TAVOLA PERIODICA DEGLI ELEMENTI"}},
    {LegendSolid,
     MainWindow,
     "lblStanje_0",
     Caption,
     {u8"Kruto", u8"Solid", u8"Fest", u8"Solide", u8"Solido"}},
    {LegendLiquid,
     MainWindow,
     "lblStanje_1",
     Caption,
     {u8"Tekuće", u8"Liquid", u8"Flüssig", u8"Liquide", u8"Liquido"}},
    {LegendGas,
     MainWindow,
     "lblStanje_2",
     Caption,
     {u8"Plinovito", u8"Gas", u8"Gasförmig", u8"Gaz", u8"Gas"}},
    {LegendUnknown,
     MainWindow,
     "lblStanje_3",
     Caption,
     {u8"Nepoznato", u8"Unknown", u8"Unbekannt", u8"Surtout", u8"Ignoto"}},
    {RowLanthanides,
     MainWindow,
     "lblImePerioda_0",
     Caption,
     {u8"Lantanoidi", u8"Lanthanide", u8"Lanthaniden", u8"Lanthanides", u8"Lantanidi"}},
    {RowActinides,
     MainWindow,
     "lblImePerioda_1",
     Caption,
     {u8"Aktinoidi", u8"Actinide", u8"Actiniden", u8"Actinides", u8"Attinidi"}},
    {CaptionConfiguration,
     MainWindow,
     "imeElektron",
     Caption,
     {u8"Elektronska konfiguracija", u8"Electronic configuration", u8"Elektronenkonfiguration",
      u8"Configuration électronique", u8"Configurazione elettronica"}},
    {CaptionDiscovery,
     MainWindow,
     "imeOtkrice",
     Caption,
     {u8"Godina otkrića", u8"Discovery date", u8"Endeckung - Jahr", u8"Découverte en",
      u8"Anno di scoperta"}},
    {CaptionMelting,
     MainWindow,
     "imeTaliste",
     Caption,
     {u8"Talište", u8"Melting point", u8"Schmelzpunkt", u8"Point de fusion", u8"Temp. di fusione"}},
    {CaptionBoiling,
     MainWindow,
     "imeVreliste",
     Caption,
     {u8"Vrelište", u8"Boiling point", u8"Siedepunkt", u8"Point d'ébullition",
      u8"Temp. di ebollizione"}},
    {CaptionHeatOfFusion,
     MainWindow,
     "imeTopTaljenja",
     Caption,
     {u8"Toplina taljenja", u8"Heat of fusion", u8"Bildungsenergie", u8"Chaleur de fusion",
      u8"Calore di fusione"}},
    {CaptionHeatOfVaporisation,
     MainWindow,
     "imeTopVrenja",
     Caption,
     {u8"Toplina isparavanja", u8"Heat of vaporization", u8"Verdampfungsenergie",
      u8"Chaleur de vapor.", u8"Calore di vaporizz."}},
    {CaptionOxidation,
     MainWindow,
     "imeOxid",
     Caption,
     {u8"Oksidacijski broj", u8"Oxidation number", u8"Oxidationszustände", u8"Nombre d'oxydation",
      u8"Numeri di ossidazione"}},
    {CaptionElectronegativity,
     MainWindow,
     "imeElNegativ",
     Caption,
     {u8"Elektronegativnost", u8"Electronegativities", u8"Elekronegativität", u8"Électronégativité",
      u8"Elettronegatività"}},
    {CaptionRadius,
     MainWindow,
     "imeRadijus",
     Caption,
     {u8"Radijus atoma", u8"Atomic radius", u8"Atomradius", u8"Rayon atomique",
      u8"Raggio atomico"}},
    {CaptionThermalConductivity,
     MainWindow,
     "imeTopVodljiv",
     Caption,
     {u8"Toplinska vodljivost", u8"Thermal conductivity", u8"Wärmeleitfähigkeit",
      u8"Conduct. thermique", u8"Conducibilità termica"}},
    {CaptionElectricalConductivity,
     MainWindow,
     "imeElVodljiv",
     Caption,
     {u8"Električna vodljivost", u8"Electrical conductivity", u8"Elektrische Leitfähig.",
      u8"Conduct. électrique", u8"Conducibilità elettrica"}},
    {CaptionMolarVolume,
     MainWindow,
     "imeMolVolumen",
     Caption,
     {u8"Molni volumen", u8"Molar volume", u8"Atomvolumen", u8"Volume molaire",
      u8"Volume atomico"}},
    {CaptionDensity,
     MainWindow,
     "imeGustoca",
     Caption,
     {u8"Gustoća", u8"Density", u8"Dichte", u8"Densité", u8"Densità"}},
    {TipLanthanides,
     MainWindow,
     "cmdLantanoidi",
     ToolTip,
     {u8"Lantanoidi", u8"Lanthanide", u8"Lanthaniden", u8"Lanthanides", u8"Lantanidi"}},
    {TipActinides,
     MainWindow,
     "cmdAktinoidi",
     ToolTip,
     {u8"Aktinoidi", u8"Actinide", u8"Actiniden", u8"Actinides", u8"Attinidi"}},
    {TipAtomicNumber,
     MainWindow,
     "lblBroj",
     ToolTip,
     {u8"Atomski broj", u8"Atomic number", u8"Ordnungszahl", u8"Numéro atomique",
      u8"Numero atomico"}},
    {TipAtomicMass,
     MainWindow,
     "lblAtomMas",
     ToolTip,
     {u8"Relativna atomska masa", u8"Relative atomic mass", u8"Relative Atommasse",
      u8"Masse atomique", u8"Massa atomica relativa"}},
    {TipSymbol,
     MainWindow,
     "lblSimbol",
     ToolTip,
     {u8"Simbol elementa", u8"Element symbol", u8"Elementsymbol", u8"Symbole", u8"Simbolo"}},
    {TipName,
     MainWindow,
     "lblIme",
     ToolTip,
     {u8"Ime elementa", u8"Name", u8"Name des Elementes", u8"Nom", u8"Nome"}},
    {TipExit,
     MainWindow,
     "imgIzlaz",
     ToolTip,
     {u8"Izlaz", u8"Exit", u8"Ende", u8"Sortie", u8"Fine"}},

    {DialogLanguageFrame, Dialog, "fraJezik", Caption, HR_EN(u8" Jezik ", u8" Language ")},
    {NumberFrameTitle, MainWindow, "lblNumber", Caption,
     HR_EN(u8"Mijenjanje načina prikazivanja brojeva", u8"Changing the way of displaying numbers")},
    {HelpTitle, MainWindow, "lblHelp", Caption,
     HR_EN(u8"Upotreba periodnog sustava", u8"Use of Periodic Table")},
    {SweepTitle, MainWindow, "lblAuto", Caption,
     HR_EN(u8"Automatska promjena temperature", u8"Automatic temperature change")},
    {NumberAutomatic, MainWindow, "optNumber_0", Caption, HR_EN(u8"Automatski", u8"Automatic")},
    {NumberScientific, MainWindow, "optNumber_1", Caption, HR_EN(u8"Znanstveni", u8"Scientific")},
    {NumberFixed, MainWindow, "optNumber_2", Caption, HR_EN(u8"Zaokruženo", u8"Fixed")},
    {NumberDecimals, MainWindow, "lblDecimala", Caption,
     HR_EN(u8"Decimalnih mjesta", u8"Decimal places")},
    {NumberThousands, MainWindow, "chkTisuca", Caption,
     HR_EN(u8"    Odvajanje tisućica", u8"Thousand separator")},
    {SweepTempStart, MainWindow, "lblTempStart", Caption,
     HR_EN(u8"Početna temperatura (K)", u8"Initial temperature (K)")},
    {SweepTempEnd, MainWindow, "lblTempEnd", Caption,
     HR_EN(u8"Konačna temperatura (K)", u8"Final temperature (K)")},
    {SweepStepTemp, MainWindow, "lblStepTemp", Caption,
     HR_EN(u8"Brzina promjene temperature (K/s)", u8"Speed of temperature change (K/s)")},
    {SweepStepAtom, MainWindow, "lblStepAtom", Caption,
     HR_EN(u8"Vrijeme zadržavanja elemenata (s)", u8"Time of holding up of an element (s)")},
    {SweepPaging, MainWindow, "chkScroll", Caption,
     HR_EN(u8"Automatsko listanje podataka", u8"Automatic data paging")},
    {TipCalculator, MainWindow, "cmdIzbornik_0", ToolTip,
     HR_EN(u8" Racunanje molarne mase (F2) ", u8" Calculating mole mass of compound (F2) ")},
    {TipElementData, MainWindow, "cmdIzbornik_1", ToolTip,
     HR_EN(u8" Opci podaci o elementu (F2) ", u8" General information of chemical elements (F2) ")},
    {TipSettings, MainWindow, "cmdIzbornik_2", ToolTip,
     HR_EN(u8" Podesavanje Periodnog sustava (F3) ", u8" Adjusting of Periodic Table (F3) ")},
    {TipHelp, MainWindow, "cmdIzbornik_3", ToolTip, HR_EN(u8" Pomoc (F1) ", u8" Help (F1) ")},
    // The maker is this project; it has no postal address, and none is made up.
    {MakerName, MainWindow, "lblImeOrm", Caption,
     HR_EN(u8"Projekt quon-pse", u8"The quon-pse project")},
    {MakerLine, MainWindow, "lblTelOrm", Caption,
     HR_EN(u8"Periodni sustav za nastavu", u8"A periodic table for the classroom")},
    {TipWebPage, MainWindow, "lblURL", ToolTip,
     HR_EN(u8" WWW Periodni sustav elemenata ", u8" WWW Periodic Table of Elements ")},
    {TipSweep, MainWindow, "cmdAuto", ToolTip,
     HR_EN(u8" Automatska promjena temperature ", u8" Automatic temperature change ")},
    {TipSweepSettings, MainWindow, "cmdSetTemp", ToolTip,
     HR_EN(u8" Podesavanje automatske promjene temperature ",
           u8" Adjusting of automatic temperature change ")},
    {TipThermometerUnit, MainWindow, "lblTermometar", ToolTip,
     HR_EN(u8" Temperatura u °C/K ", u8" Temperature in °C/K ")},
    {TipInformation, MainWindow, "imgInfoPSE", ToolTip,
     HR_EN(u8" Info - Quon. Periodni sustav elemenata ",
           u8" Info - Quon. Periodic Table of Elements ")},
    // Applied by the group labels themselves, and only while they show the IUPAC numbering.
    {TipGroupIupac, MainWindow, "Grupa_0", ToolTip,
     HR_EN(u8" IUPAC preporuka (1985. g.) ", u8" IUPAC Recommendations (1985. g.) ")},
    {DialogTitle, Dialog, "frmConfig", WindowTitle,
     HR_EN(u8"Konfiguracija Periodnog sustava", u8"Adjusting of Periodic Table")},
    {PreviewGroups, Dialog, "lblPreview_0", Caption, HR_EN(u8"Skupine - Tekst", u8"Groups - Text")},
    {PreviewLegend, Dialog, "lblPreview_1", Caption, HR_EN(u8"Legenda - Tekst", u8"Key - Text")},
    {SlotBackground, Dialog, "optSetBoja_0", Caption, HR_EN(u8"Pozadina", u8"Background")},
    {SlotGroups, Dialog, "optSetBoja_1", Caption, HR_EN(u8"Skupine", u8"Groups")},
    {SlotLegend, Dialog, "optSetBoja_2", Caption, HR_EN(u8"Legenda", u8"Key")},
    {SlotGas, Dialog, "optSetBoja_3", Caption, HR_EN(u8"1 - Plinovito", u8"1 - Gaseous")},
    {SlotLiquid, Dialog, "optSetBoja_4", Caption, HR_EN(u8"2 - Tekuce", u8"2 - Liquid")},
    {SlotSolid, Dialog, "optSetBoja_5", Caption, HR_EN(u8"3 - Kruto", u8"3 - Solid")},
    {SlotUnknown, Dialog, "optSetBoja_6", Caption, HR_EN(u8"4 - Nepoznato", u8"4 - Not known")},
    {SlotLanthanides, Dialog, "optSetBoja_7", Caption,
     HR_EN(u8"5 - Lantanidi", u8"5 - Lanthanide")},
    {FrameRed, Dialog, "fraRed", Caption, HR_EN(u8" Crvena ", u8" Red ")},
    {FrameGreen, Dialog, "fraGreen", Caption, HR_EN(u8" Zelena ", u8" Green ")},
    {FrameBlue, Dialog, "fraBlue", Caption, HR_EN(u8" Plava ", u8" Blue ")},
    {DialogBackground, Dialog, "lblBackground", Caption,
     HR_EN(u8"Pozadinska slika", u8"Background picture")},
    {DialogTempStart, Dialog, "lblTempStart", Caption,
     HR_EN(u8"Početna temperatura (K)", u8"Initial temperature (K)")},
    {DialogTempEnd, Dialog, "lblTempEnd", Caption,
     HR_EN(u8"Konačna temperatura (K)", u8"Final temperature (K)")},
    {DialogStepTemp, Dialog, "lblStepTemp", Caption,
     HR_EN(u8"Brzina promjene temperature (K/s)", u8"Speed of temperature change (K/s)")},
    {DialogStepAtom, Dialog, "lblStepAtom", Caption,
     HR_EN(u8"Vrijeme zadržavanja elemenata (s)", u8"Time of holding up of an element (s)")},
    {DialogAutoStart, Dialog, "chkStart", Caption,
     HR_EN(u8"Automatsko pokretanje promjene temperature",
           u8"Automatic starting of temperature change")},
    {DialogAutoClose, Dialog, "chkClose", Caption,
     HR_EN(u8"Automatsko zatvaranje programa", u8"Automatic closing of programme")},
    {DialogPaging, Dialog, "chkScroll", Caption,
     HR_EN(u8"Automatsko listanje podataka", u8"Automatic data paging")},
    {DialogFullTable, Dialog, "fullTableCheck", Caption,
     HR_EN(u8"Svih 118 elemenata", u8"All 118 elements")},
    {DialogNarration, Dialog, "narrationCheck", Caption,
     HR_EN(u8"Opis promjena stanja (Shift+F9)", u8"Narration (Shift+F9)")},
    {NoFileTitle, Dialog, "lblNemaSlike", Caption,
     HR_EN(u8"Datoteka nije pronađena !", u8"File not found !")},
    {NoFileAdvice, Dialog, "lblOpisNoFile", Caption,
     HR_EN(u8"Ako se slika ne nalazi u direktoriju gdje je Periodni sustav, potrebno je upisati "
           u8"cijelu stazu do slike (npr. c:\\slike\\slika.jpg).",
           u8"If the picture is not in the same directory where the Periodic Table is, it is "
           u8"necessary to enter the whole path up to the picture (e.g. c:\\picture\\back.jpg).")},

    {HelpMissing, Message, "", Text,
     HR_EN(u8"Datoteka pomoci nije pronadjena!", u8"Help file has not been found!")},
    {HelpFileName, Message, "", Text, HR_EN(u8"Pomoc.txt", u8"Help.txt")},
    {ProgramName, Message, "", Text,
     HR_EN(u8"Quon. Periodni sustav elemenata", u8"Quon. Periodic Table of Elements")},

    // The legend's initials for solid, liquid, gas and not known, blank-separated, for the state
    // letters of the buttons; where two initials would be the same, a second letter tells them
    // apart.
    {StateLetters,
     Message,
     "",
     Text,
     {u8"K T P N", u8"S L G ?", u8"F Fl G ?", u8"S L G ?", u8"S L G ?"}},
    // The table coloured by a property, the history of discovery, the search, the percentage
    // composition and the picture of the table.
    {ViewStates,
     Message,
     "",
     Text,
     {u8"Agregacijsko stanje", u8"State of matter", u8"Aggregatzustand", u8"État physique",
      u8"Stato di aggregazione"}},
    {TipView,
     MainWindow,
     "cboBoje",
     ToolTip,
     {u8" Bojenje tablice (F10) ", u8" Colouring of the table (F10) ",
      u8" Färbung der Tabelle (F10) ", u8" Coloration du tableau (F10) ",
      u8" Colorazione della tavola (F10) "}},
    {TimelineLabel,
     Message,
     "",
     Text,
     {u8"Otkriveni do %1.", u8"Discovered by %1", u8"Entdeckt bis %1", u8"Découverts en %1",
      u8"Scoperti entro il %1"}},
    {TipTimeline,
     MainWindow,
     "cmdPovijest",
     ToolTip,
     {u8" Povijest otkrića (F12) ", u8" History of discovery (F12) ",
      u8" Geschichte der Entdeckungen (F12) ", u8" Histoire des découvertes (F12) ",
      u8" Storia delle scoperte (F12) "}},
    {SearchLabel,
     Message,
     "",
     Text,
     {u8"Traženje: %1", u8"Search: %1", u8"Suche: %1", u8"Recherche : %1", u8"Ricerca: %1"}},
    {CompositionTitle,
     MainWindow,
     "lblSastav",
     Caption,
     {u8"Maseni udjeli elemenata", u8"Percentage composition", u8"Prozentuale Zusammensetzung",
      u8"Composition centésimale", u8"Composizione percentuale"}},
    {CompositionHeaders,
     Message,
     "",
     Text,
     {u8"Simbol\tIme\tBroj atoma\tMasa\tMaseni udio (%)",
      u8"Symbol\tName\tAtoms\tMass\tMass per cent (%)",
      u8"Symbol\tName\tAtome\tMasse\tMassenanteil (%)",
      u8"Symbole\tNom\tAtomes\tMasse\tPourcentage massique (%)",
      u8"Simbolo\tNome\tAtomi\tMassa\tPercentuale in massa (%)"}},
    {NoFormula,
     Message,
     "",
     Text,
     {u8"To nije kemijska formula.", u8"This is not a chemical formula.",
      u8"Das ist keine chemische Formel.", u8"Ce n'est pas une formule chimique.",
      u8"Questa non è una formula chimica."}},
    {TipComposition,
     MainWindow,
     "cmdSastav",
     ToolTip,
     {u8" Maseni udjeli elemenata (Ctrl+P) ", u8" Percentage composition (Ctrl+P) ",
      u8" Prozentuale Zusammensetzung (Strg+P) ", u8" Composition centésimale (Ctrl+P) ",
      u8" Composizione percentuale (Ctrl+P) "}},
    {ExportTitle,
     Message,
     "",
     Text,
     {u8"Spremi tablicu kao sliku", u8"Save the table as a picture", u8"Tabelle als Bild speichern",
      u8"Enregistrer le tableau comme image", u8"Salva la tavola come immagine"}},
    // After an electron configuration that has been calculated, not measured.
    {PredictedNote,
     Message,
     "",
     Text,
     {u8"(predviđeno)", u8"(predicted)", u8"(vorhergesagt)", u8"(prédite)", u8"(prevista)"}},
    // What the temperature did to an element, in the order melts, boils, condenses, freezes,
    // sublimes and deposits; %1 is the element's name, %2 the point it crossed. French and
    // Italian name the change, since their names would need articles.
    {NarrationChanges,
     Message,
     "",
     Text,
     {u8"%1 se tali (%2)|%1 vrije (%2)|%1 se kondenzira (%2)|%1 se skrućuje (%2)|"
      u8"%1 sublimira (%2)|%1 resublimira (%2)",
      u8"%1 melts (%2)|%1 boils (%2)|%1 condenses (%2)|%1 freezes (%2)|%1 sublimes (%2)|"
      u8"%1 deposits (%2)",
      u8"%1 schmilzt (%2)|%1 siedet (%2)|%1 kondensiert (%2)|%1 erstarrt (%2)|"
      u8"%1 sublimiert (%2)|%1 resublimiert (%2)",
      u8"%1 : fusion (%2)|%1 : ébullition (%2)|%1 : condensation (%2)|%1 : solidification (%2)|"
      u8"%1 : sublimation (%2)|%1 : condensation solide (%2)",
      u8"%1: fusione (%2)|%1: ebollizione (%2)|%1: condensazione (%2)|%1: solidificazione (%2)|"
      u8"%1: sublimazione (%2)|%1: brinamento (%2)"}},
};

#undef HR_EN

constexpr bool rowsInIdOrder()
{
    int i = 0;
    for (const TextRow &row : Rows) {
        if (int(row.id) != i++)
            return false;
    }
    return i == int(TextId::Count);
}
static_assert(rowsInIdOrder(), "one row per text identifier, in identifier order");

QString fromUtf8(const char8_t *text)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(text));
}

} // namespace

std::span<const TextRow> textRows()
{
    return Rows;
}

const TextRow &textRow(TextId id)
{
    return Rows[int(id)];
}

QString text(TextId id, int languageIndex)
{
    const TextRow &row = textRow(id);
    int column = 0;
    if (row.fiveLanguages())
        column = languageIndex >= 1 && languageIndex <= 4 ? languageIndex : 0;
    else
        column = languageIndex == 0 ? 0 : 1;
    return fromUtf8(row.texts[column]);
}

QString casGroupTip()
{
    return QStringLiteral(" Chemical Abstract Service (1986. g.) ");
}

QString infoText(int languageIndex, const QString &version, const QString &webPage)
{
    const bool croatian = languageIndex == 0;
    const QStringList lines = {
        text(TextId::ProgramName, languageIndex) + u' ' + version,
        QString(),
        croatian ? QStringLiteral("Projekt quon-pse") : QStringLiteral("The quon-pse project"),
        croatian ? QStringLiteral("Interaktivni periodni sustav elemenata")
                 : QStringLiteral("An interactive periodic table of the elements"),
        croatian ? QStringLiteral("za nastavu i samostalan prikaz na zaslonu")
                 : QStringLiteral("for the classroom and for a screen left running"),
        // Where the package installs the README with the sources of the element data.
        croatian ? QStringLiteral("Izvori podataka: README.md u /usr/share/doc/quon-pse/")
                 : QStringLiteral("Data sources: README.md in /usr/share/doc/quon-pse/"),
        QString(),
        webPage,
        croatian ? QStringLiteral("Upute: tipka F1") : QStringLiteral("Help: press F1"),
        QString(43, u'_'),
        QString(),
        QStringLiteral("quon-pse ") + version,
        QStringLiteral("Qt ") + QString::fromLatin1(qVersion()),
        croatian ? QStringLiteral("Licencija: GNU GPL, inačica 3 ili novija")
                 : QStringLiteral("Licence: GNU GPL, version 3 or later"),
    };
    return lines.join(QStringLiteral("\r\n"));
}

} // namespace pse::lang
