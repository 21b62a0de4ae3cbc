#include "lang/MainWindowTexts.h"

#include <QAbstractButton>
#include <QLabel>
#include <QWidget>

namespace pse::lang {

namespace {

// Croatian, English, German, French, Italian. The texts are the program's own, blanks included.
constexpr TextRow MainWindowRows[] = {
    {"frmPeriodni",
     Slot::WindowTitle,
     {u8"Quon. - PERIODNI  SUSTAV  ELEMENATA", u8"Quon. - PERIODIC TABLE OF ELEMENTS",
      u8"Quon. - PERIODENSYSTEM DER ELEMENTE", u8"Quon. - TABLEAU PÉRIODIQUE DES ÉLÉMENTS",
      u8"Quon. - TAVOLA PERIODICA DEGLI ELEMENTI"}},
    {"lblStanje_0", Slot::Caption, {u8"Kruto", u8"Solid", u8"Fest", u8"Solide", u8"Solido"}},
    {"lblStanje_1", Slot::Caption, {u8"Tekuće", u8"Liquid", u8"Flüssig", u8"Liquide", u8"Liquido"}},
    {"lblStanje_2", Slot::Caption, {u8"Plinovito", u8"Gas", u8"Gasförmig", u8"Gaz", u8"Gas"}},
    {"lblStanje_3",
     Slot::Caption,
     {u8"Nepoznato", u8"Unknown", u8"Unbekannt", u8"Surtout", u8"Ignoto"}},
    {"lblImePerioda_0",
     Slot::Caption,
     {u8"Lantanoidi", u8"Lanthanide", u8"Lanthaniden", u8"Lanthanides", u8"Lantanidi"}},
    {"lblImePerioda_1",
     Slot::Caption,
     {u8"Aktinoidi", u8"Actinide", u8"Actiniden", u8"Actinides", u8"Attinidi"}},
    {"imeElektron",
     Slot::Caption,
     {u8"Elektronska konfiguracija", u8"Electronic configuration", u8"Elektronenkonfiguration",
      u8"Configuration électronique", u8"Configurazione elettronica"}},
    {"imeOtkrice",
     Slot::Caption,
     {u8"Godina otkrića", u8"Discovery date", u8"Endeckung - Jahr", u8"Découverte en",
      u8"Anno di scoperta"}},
    {"imeTaliste",
     Slot::Caption,
     {u8"Talište", u8"Melting point", u8"Schmelzpunkt", u8"Point de fusion", u8"Temp. di fusione"}},
    {"imeVreliste",
     Slot::Caption,
     {u8"Vrelište", u8"Boiling point", u8"Siedepunkt", u8"Point d'ébullition",
      u8"Temp. di ebollizione"}},
    {"imeTopTaljenja",
     Slot::Caption,
     {u8"Toplina taljenja", u8"Heat of fusion", u8"Bildungsenergie", u8"Chaleur de fusion",
      u8"Calore di fusione"}},
    {"imeTopVrenja",
     Slot::Caption,
     {u8"Toplina isparavanja", u8"Heat of vaporization", u8"Verdampfungsenergie",
      u8"Chaleur de vapor.", u8"Calore di vaporizz."}},
    {"imeOxid",
     Slot::Caption,
     {u8"Oksidacijski broj", u8"Oxidation number", u8"Oxidationszustände", u8"Nombre d'oxydation",
      u8"Numeri di ossidazione"}},
    {"imeElNegativ",
     Slot::Caption,
     {u8"Elektronegativnost", u8"Electronegativities", u8"Elekronegativität", u8"Électronégativité",
      u8"Elettronegatività"}},
    {"imeRadijus",
     Slot::Caption,
     {u8"Radijus atoma", u8"Atomic radius", u8"Atomradius", u8"Rayon atomique",
      u8"Raggio atomico"}},
    {"imeTopVodljiv",
     Slot::Caption,
     {u8"Toplinska vodljivost", u8"Thermal conductivity", u8"Wärmeleitfähigkeit",
      u8"Conduct. thermique", u8"Conducibilità termica"}},
    {"imeElVodljiv",
     Slot::Caption,
     {u8"Električna vodljivost", u8"Electrical conductivity", u8"Elektrische Leitfähig.",
      u8"Conduct. électrique", u8"Conducibilità elettrica"}},
    {"imeMolVolumen",
     Slot::Caption,
     {u8"Molni volumen", u8"Molar volume", u8"Atomvolumen", u8"Volume molaire",
      u8"Volume atomico"}},
    {"imeGustoca", Slot::Caption, {u8"Gustoća", u8"Density", u8"Dichte", u8"Densité", u8"Densità"}},
    {"cmdLantanoidi",
     Slot::ToolTip,
     {u8"Lantanoidi", u8"Lanthanide", u8"Lanthaniden", u8"Lanthanides", u8"Lantanidi"}},
    {"cmdAktinoidi",
     Slot::ToolTip,
     {u8"Aktinoidi", u8"Actinide", u8"Actiniden", u8"Actinides", u8"Attinidi"}},
    {"lblBroj",
     Slot::ToolTip,
     {u8"Atomski broj", u8"Atomic number", u8"Ordnungszahl", u8"Numéro atomique",
      u8"Numero atomico"}},
    {"lblAtomMas",
     Slot::ToolTip,
     {u8"Relativna atomska masa", u8"Relative atomic mass", u8"Relative Atommasse",
      u8"Masse atomique", u8"Massa atomica relativa"}},
    {"lblSimbol",
     Slot::ToolTip,
     {u8"Simbol elementa", u8"Element symbol", u8"Elementsymbol", u8"Symbole", u8"Simbolo"}},
    {"lblIme",
     Slot::ToolTip,
     {u8"Ime elementa", u8"Name", u8"Name des Elementes", u8"Nom", u8"Nome"}},
    {"imgIzlaz", Slot::ToolTip, {u8"Izlaz", u8"Exit", u8"Ende", u8"Sortie", u8"Fine"}},
};

// The hidden labels that hold the shown element's name in each language.
constexpr const char *NameLabels[] = {"lblHrvatski", "lblEngleski", "lblNjemacki", "lblFrancuski",
                                      "lblTalijanski"};

QString text(const char8_t *utf8)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(utf8));
}

void setCaption(QWidget *control, const QString &caption)
{
    if (auto *label = qobject_cast<QLabel *>(control))
        label->setText(caption);
    else if (auto *button = qobject_cast<QAbstractButton *>(control))
        button->setText(caption);
}

} // namespace

std::span<const TextRow> mainWindowTexts()
{
    return MainWindowRows;
}

int mainWindowColumn(int languageIndex)
{
    return languageIndex >= 1 && languageIndex <= 4 ? languageIndex : 0;
}

void applyTexts(QWidget &window, std::span<const TextRow> rows, int column)
{
    for (const TextRow &row : rows) {
        const QString value = text(row.texts[column]);
        if (row.slot == Slot::WindowTitle) {
            window.setWindowTitle(value);
            continue;
        }
        auto *control = window.findChild<QWidget *>(QString::fromLatin1(row.control));
        if (!control)
            continue;
        if (row.slot == Slot::Caption)
            setCaption(control, value);
        else
            control->setToolTip(value);
    }
}

void applyMainWindowTexts(QWidget &window, int languageIndex)
{
    const int column = mainWindowColumn(languageIndex);
    // The element on show takes its name in the new language at once, from the hidden label the
    // information panel filled when it was shown.
    auto *name = window.findChild<QLabel *>(QStringLiteral("lblIme"));
    auto *hidden = window.findChild<QLabel *>(QString::fromLatin1(NameLabels[column]));
    if (name && hidden)
        name->setText(hidden->text());
    applyTexts(window, mainWindowTexts(), column);
}

void SetTextsHR(QWidget &window)
{
    applyMainWindowTexts(window, 0);
}
void SetTextsEN(QWidget &window)
{
    applyMainWindowTexts(window, 1);
}
void SetTextsDE(QWidget &window)
{
    applyMainWindowTexts(window, 2);
}
void SetTextsFR(QWidget &window)
{
    applyMainWindowTexts(window, 3);
}
void SetTextsIT(QWidget &window)
{
    applyMainWindowTexts(window, 4);
}

} // namespace pse::lang
