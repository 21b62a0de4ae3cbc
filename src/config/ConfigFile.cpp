#include "config/ConfigFile.h"

#include "config/NumberRule.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringView>

#include <algorithm>

namespace pse {

namespace {

enum class KeyKind { Whole, SweepNumber, Background, Colour, Gradient };

struct KeyRule
{
    QByteArrayView name;
    KeyKind kind;
    qint16 Settings::*whole = nullptr;
    QString Settings::*text = nullptr;
    ColourTriple Settings::*colour = nullptr;
};

// Every line is tried against every key in this order. No key is the beginning of another, so at
// most one of them matches a line, but the order is kept as documented for anyone who adds a key.
const KeyRule keyRules[] = {
    {"AutoStart", KeyKind::Whole, &Settings::AutoStart},
    {"AutoClose", KeyKind::Whole, &Settings::AutoClose},
    {"TempStart", KeyKind::SweepNumber, nullptr, &Settings::TempStart},
    {"TempEnd", KeyKind::SweepNumber, nullptr, &Settings::TempEnd},
    {"StepTemp", KeyKind::SweepNumber, nullptr, &Settings::StepTemp},
    {"StepAtom", KeyKind::SweepNumber, nullptr, &Settings::StepAtom},
    {"Language", KeyKind::Whole, &Settings::Language},
    {"AutoScroll", KeyKind::Whole, &Settings::AutoScroll},
    {"Background", KeyKind::Background, nullptr, &Settings::Background},
    {"RGBSkupine", KeyKind::Colour, nullptr, nullptr, &Settings::RGBSkupine},
    {"RGBLegenda", KeyKind::Colour, nullptr, nullptr, &Settings::RGBLegenda},
    {"RGBPlinovito", KeyKind::Colour, nullptr, nullptr, &Settings::RGBPlinovito},
    {"RGBTekuce", KeyKind::Colour, nullptr, nullptr, &Settings::RGBTekuce},
    {"RGBKruto", KeyKind::Colour, nullptr, nullptr, &Settings::RGBKruto},
    {"RGBNepoznato", KeyKind::Colour, nullptr, nullptr, &Settings::RGBNepoznato},
    {"RGBLantanoidi", KeyKind::Colour, nullptr, nullptr, &Settings::RGBLantanoidi},
    {"R_Color", KeyKind::Gradient, nullptr, &Settings::R_Color},
    {"G_Color", KeyKind::Gradient, nullptr, &Settings::G_Color},
    {"B_Color", KeyKind::Gradient, nullptr, &Settings::B_Color},
};

// A number read from the file, written back the way the user's system shows numbers: up to 15
// significant digits, no grouping, the local decimal separator. Whole numbers stay as they were
// typed ("300" gives "300").
QString numberText(double value, const QString &decimalSeparator)
{
    // Adding 0.0 turns -0 into 0 before formatting, whatever the Qt version does with a signed
    // zero.
    QString text = QString::number(value + 0.0, 'g', 15);
    text.replace(u'e', u'E');
    text.replace(u'.', decimalSeparator);
    return text;
}

// The text after the first "=", or the whole line when there is none (whose number is then 0,
// since every line that gets here begins with its key's letters).
QStringView valueOf(QStringView line)
{
    const qsizetype equals = line.indexOf(u'=');
    return equals < 0 ? line : line.mid(equals + 1);
}

// The whole number that follows `marker` in `line`; 0 when the marker is missing.
std::optional<qint16> componentAfter(QStringView line, QStringView marker)
{
    const qsizetype at = line.indexOf(marker);
    if (at < 0)
        return qint16(0);
    return toWhole16(leadingNumber(line.mid(at + marker.size())));
}

// A relative picture name is taken to live beside the program. "C:\..." is already complete, and
// so is a path that starts at the root of a file system ("/home/...", "\\server\..."): putting the
// program folder in front of those would break every absolute path on systems without drive
// letters, including the full path the writers store after a picture was read.
QString backgroundPath(QStringView value, const QString &programFolder)
{
    QString name = value.trimmed().toString();
    const bool rooted = name.startsWith(u'/') || name.startsWith(u'\\');
    if (!name.contains(u':') && name.size() > 3 && !rooted)
        return programFolder + name;
    return name;
}

// Applies one line that begins with `rule.name`; false when a whole number is out of range.
bool applyLine(const KeyRule &rule, QStringView line, const QString &programFolder,
               const QString &decimalSeparator, Settings &out)
{
    const QStringView value = valueOf(line);
    switch (rule.kind) {
    case KeyKind::Whole: {
        const auto whole = toWhole16(leadingNumber(value));
        if (!whole)
            return false;
        out.*rule.whole = *whole;
        return true;
    }
    case KeyKind::SweepNumber:
        out.*rule.text = numberText(leadingNumber(value), decimalSeparator);
        return true;
    case KeyKind::Background:
        out.*rule.text = backgroundPath(value, programFolder);
        return true;
    case KeyKind::Colour: {
        const auto r = componentAfter(line, u"R =");
        const auto g = componentAfter(line, u"G =");
        const auto b = componentAfter(line, u"B =");
        if (!r || !g || !b)
            return false;
        out.*rule.colour = ColourTriple{*r, *g, *b};
        return true;
    }
    case KeyKind::Gradient:
        // Anywhere in the line, key included: "R_Colordn" asks for the downward gradient too.
        if (line.contains(u"dn"))
            out.*rule.text = QStringLiteral("dn");
        else if (line.contains(u"up"))
            out.*rule.text = QStringLiteral("up");
        else
            out.*rule.text = numberText(leadingNumber(value), decimalSeparator);
        return true;
    }
    return true;
}

// The comment paragraphs of the file, one set per language. Lines within a paragraph are separated
// by "\n" here and end in CR LF on disk. The texts are kept letter for letter, stray parenthesis
// and double blanks included, so that files saved by any release differ only in their values.
// "\xC3\x97" is the multiplication sign in UTF-8, spelt out so that no compiler's
// idea of the source encoding can change it.
struct CommentTexts
{
    const char *heading;
    const char *autoStart;
    const char *autoClose;
    const char *autoScroll;
    const char *tempStart;
    const char *tempEnd;
    const char *stepTemp;
    const char *stepAtom;
    const char *language;
    const char *gradient;
    const char *background;
    const char *buttonColours;
    const char *gas;
    const char *liquid;
    const char *solid;
    const char *unknown;
    const char *lanthanides;
    const char *groups;
    const char *legend;
    const char *closing;
};

const CommentTexts croatianComments = {
    "# Quon. Periodni sustav elemenata\n"
    "# Konfiguracijska datoteka\n"
    "______________________________",
    "# Automatsko pokretanje promjene temperature s programom.\n"
    "# Vrijednosti mogu biti: 1 - ukljuceno ili 0 - iskljuceno).",
    "# Automatski izlaz iz programa kad temperatura dosegne 'TempEnd'.\n"
    "# Vrijednosti mogu biti: 1 - ukljuceno ili 0 - iskljuceno).",
    "# Automatska listanje prozora s podacima o elementu.\n"
    "# Vrijednosti mogu biti: 1 - ukljuceno ili 0 - iskljuceno).",
    "# Pocetna vrijednost temperature kod automatske promjene temperature.\n"
    "# Vrijednost moze biti od 1 do 6000 K.",
    "# Krajnja vrijednost temperature na kojoj se izlazi iz programa.\n"
    "# Vrijednosti se krecu od 1 do 6000 K i od 0 do -6000 K.",
    "# Brzina promjene temperature kod automatske promjene temperature.\n"
    "# Vrijednost koraka moze biti od 0 do 6000 K.",
    "# Vrijeme zadrzavanja elemenata kod automatske izmjene elemenata.\n"
    "# Odredjeni element moze biti na ekranu od 0 do 1000 sekundi.",
    "# Odabir jezika za Periodni sustav elemenata.\n"
    "# 0 - Hrvatski, 1 - Engleski, 2 - Njemacki, 3 - Francuski, 4 - Talijanski",
    "# Boja pozadine Periodnog sustava elemenata. Definiraju se\n"
    "# R = crvena, G = zelena i B = plava komponenta boje.\n"
    "# Prijelaz boje pozadine dobiva se upisivanjem vrijednosti:\n"
    "# up - za uzlazni niz, dn - za silazni niz ili broj od 0 do 255.",
    "# Periodni sustav elemenata moze imati i sliku kao pozadinu.\n"
    "# Minimalna velicina pozadinske slike je 715\xC3\x97"
    "465 piksela.\n"
    "# Ako se slika ne nalazi u istom direktoriju gdje je i Periodni sustav\n"
    "# potrebno je upisati cijelu stazu do slike (npr. C:\\Slike\\back.jpg)\n"
    "# Nista (ili False ili 0) iza znaka jednakosti znaci pozadinu bez slike.",
    "# Boja botuna je ovisna o agregatnom stanju elementa i moze se\n"
    "# definirati posebna boja za svako agregatno stanje.\n"
    "# Vrijednosti R, G i B mogu biti od 0 do 255 gdje su\n"
    "# R = crvena, G = zelena, B = plava komponenta boje.",
    "# Plinovito agregatno stanje",
    "# Tekuce agregatno stanje",
    "# Kruto agregatno stanje",
    "# Nepoznato - podaci nisu poznati",
    "# Boja botuna i okvira za lantanoide i aktinoide",
    "# Boja znakova kojom su napisane skupine i periode",
    "# Boja znakova kojom je napisana legenda",
    "______________________________\n"
    "# Vrijednosti mozete mijenjati i rucno u ovoj datoteci.\n"
    "# Preporuka je da se drzite unutar zadanih granica.",
};

const CommentTexts englishComments = {
    "# Quon. Periodic Table of Elements\n"
    "# Configuration file\n"
    "______________________________",
    "# Automatic starting of temperature change with programme starting\n"
    "# The values can be: 1 - switched on or 0 - switched off",
    "# Automatic exit from the programme when the temperature reaches its extreme\n"
    "# The values can be: 1 - switched on or 0 - switched off",
    "# Automatic data paging in the window with the information about the element\n"
    "# The values can be: 1 - switched on or 0 - switched off",
    "# The initial value of temperature with the automatic temperature change\n"
    "# The values can range from 1 - 1000 K",
    "# The final value of temperature when leaving the programme\n"
    "# The values can range from 1 to 6000 K or from 0 to -6000 K",
    "# The speed of temperature change with the automatic temperature change\n"
    "# The values can range from 1 - 6000 K",
    "# The time of holding up of an element in the screen with the automatic temperature change\n"
    "# The element concerned can be in the screen from 0 to 1000 seconds",
    "# The choice of language for the Periodic table\n"
    "# 0 - Croatian, 1 - English, 2 - German, 3 - French, 4 - Italian",
    "# The colour of the background of Periodic Table of Elements\n"
    "# The values R (red), G (green) and B (blue) can be from 0 to 255,\n"
    "# and 'up' for the upward range\n"
    "# (the value of colour is 0 at the bottom of the screen and 255 at the top),\n"
    "# 'dn' for the downward range or a number from 0  to 255",
    "# The Periodic Table of Elements can also have a picture as the background.\n"
    "# The minimal size of the background picture is 715\xC3\x97"
    "465 pixels\n"
    "# If the picture is not in the same directory where the Periodic Table is,\n"
    "# it is necessary to enter the whole path up to the picture (e.g. c:\\picture\\back.jpg).\n"
    "# Nothing (or False or 0) after the sign of equality, means the background without picture",
    "# The colour of the button depends on the physical state of element\n"
    "# The values R, G and B can be from 0 to 255, where the colour components are:\n"
    "#  R = red, G = green, B = blue",
    "# Gaseous",
    "# Liquid",
    "# Solid",
    "# Not-Known - data are not known",
    "# The colour of button and frame for lanthanides and actinides",
    "# The colour of signs in which groups and periods are written",
    "# The colour of signs in which the key is written",
    "______________________________\n"
    "# Values can be changed manually in this file.\n"
    "# You are recommended to stay within the given limits.",
};

// Collects paragraphs: every line ends in CR LF, and one empty line goes between two paragraphs but
// none after the last.
class ParagraphWriter
{
public:
    void paragraph(QByteArrayView lines)
    {
        if (!m_text.isEmpty())
            m_text += "\r\n";
        for (QByteArrayView rest = lines;;) {
            const qsizetype newline = rest.indexOf('\n');
            m_text += rest.first(newline < 0 ? rest.size() : newline);
            m_text += "\r\n";
            if (newline < 0)
                break;
            rest = rest.sliced(newline + 1);
        }
    }
    QByteArray text() const { return m_text; }

private:
    QByteArray m_text;
};

QByteArray keyLine(const char *key, qint16 value)
{
    return key + QByteArrayLiteral(" = ") + QByteArray::number(value);
}

QByteArray keyLine(const char *key, const QString &text)
{
    return key + QByteArrayLiteral(" = ") + text.toUtf8();
}

QByteArray colourLine(const char *key, const ColourTriple &colour)
{
    return key + QByteArrayLiteral(" (R = ") + QByteArray::number(colour.r) +
           QByteArrayLiteral(", G = ") + QByteArray::number(colour.g) +
           QByteArrayLiteral(", B = ") + QByteArray::number(colour.b) + ')';
}

bool isLineEnd(char c)
{
    return c == '\n' || c == '\r';
}

} // namespace

bool parseConfig(QByteArrayView bytes, const QString &programFolder, Settings &out,
                 const QString &decimalSeparator)
{
    out = Settings{};
    // Windows Notepad likes to start a UTF-8 file with a byte-order mark; without dropping it a
    // key on the first line would not start in the first column.
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);

    // A line ends at CR LF, at a lone LF (the file edited on Linux or macOS) and at a lone CR (old
    // Mac editors). Taking a lone CR as a line end as well means no value ever carries a stray CR
    // into a picture path or hides the next key behind it. Empty lines in between are harmless:
    // they match no key.
    const char *const end = bytes.data() + bytes.size();
    const char *lineStart = bytes.data();
    while (lineStart < end) {
        const char *lineEnd = std::find_if(lineStart, end, isLineEnd);
        const QByteArrayView raw(lineStart, lineEnd - lineStart);
        lineStart = lineEnd;
        if (lineStart < end) {
            const bool crLf = *lineStart == '\r' && lineStart + 1 < end && lineStart[1] == '\n';
            lineStart += crLf ? 2 : 1;
        }

        // The keys are ASCII, so they can be matched on the raw bytes. Only matched lines are
        // decoded, which keeps comments and junk cheap however long they are.
        for (const KeyRule &rule : keyRules) {
            if (!raw.startsWith(rule.name))
                continue;
            // Invalid UTF-8 becomes replacement characters; it cannot make a key or a number.
            const QString line = QString::fromUtf8(raw);
            if (!applyLine(rule, line, programFolder, decimalSeparator, out)) {
                out = Settings{};
                return false;
            }
        }
    }
    return true;
}

QByteArray configFileText(const Settings &settings, ConfigLanguage language, const QDateTime &now,
                          const QLocale &locale)
{
    const CommentTexts &c =
        language == ConfigLanguage::Croatian ? croatianComments : englishComments;
    const Settings &s = settings;
    ParagraphWriter out;
    out.paragraph("# " + locale.toString(now, QLocale::ShortFormat).toUtf8() + '\n' + c.heading);
    out.paragraph(c.autoStart);
    out.paragraph(keyLine("AutoStart", s.AutoStart));
    out.paragraph(c.autoClose);
    out.paragraph(keyLine("AutoClose", s.AutoClose));
    out.paragraph(c.autoScroll);
    out.paragraph(keyLine("AutoScroll", s.AutoScroll));
    out.paragraph(c.tempStart);
    out.paragraph(keyLine("TempStart", s.TempStart));
    out.paragraph(c.tempEnd);
    out.paragraph(keyLine("TempEnd", s.TempEnd));
    out.paragraph(c.stepTemp);
    out.paragraph(keyLine("StepTemp", s.StepTemp));
    out.paragraph(c.stepAtom);
    out.paragraph(keyLine("StepAtom", s.StepAtom));
    out.paragraph(c.language);
    out.paragraph(keyLine("Language", s.Language));
    out.paragraph(c.gradient);
    out.paragraph(keyLine("R_Color", s.R_Color) + '\n' + keyLine("G_Color", s.G_Color) + '\n' +
                  keyLine("B_Color", s.B_Color));
    out.paragraph(c.background);
    out.paragraph(keyLine("Background", s.Background));
    out.paragraph(c.buttonColours);
    out.paragraph(c.gas);
    out.paragraph(colourLine("RGBPlinovito", s.RGBPlinovito));
    out.paragraph(c.liquid);
    out.paragraph(colourLine("RGBTekuce", s.RGBTekuce));
    out.paragraph(c.solid);
    out.paragraph(colourLine("RGBKruto", s.RGBKruto));
    out.paragraph(c.unknown);
    out.paragraph(colourLine("RGBNepoznato", s.RGBNepoznato));
    out.paragraph(c.lanthanides);
    out.paragraph(colourLine("RGBLantanoidi", s.RGBLantanoidi));
    out.paragraph(c.groups);
    out.paragraph(colourLine("RGBSkupine", s.RGBSkupine));
    out.paragraph(c.legend);
    out.paragraph(colourLine("RGBLegenda", s.RGBLegenda));
    out.paragraph(c.closing);
    return out.text();
}

QString configFilePath(const QString &programFolder)
{
    return QDir(programFolder).filePath(QString::fromLatin1(configFileName));
}

QString findConfigFile(const QString &programFolder)
{
    QString exact = configFilePath(programFolder);
    if (QFileInfo(exact).isFile())
        return exact;
    // Name filters ignore letter case unless told otherwise. Only regular files are listed, so a
    // directory or a pipe of that name is never opened.
    const QDir folder(programFolder);
    const QStringList others = folder.entryList({QString::fromLatin1(configFileName)},
                                                QDir::Files | QDir::Hidden, QDir::Name);
    return others.isEmpty() ? QString() : folder.filePath(others.first());
}

ReadResult readConfigFile(const QString &programFolder, const QString &decimalSeparator)
{
    ReadResult result;
    const QString path = findConfigFile(programFolder);
    if (path.isEmpty())
        return result;
    QFile file(path);
    if (file.size() > maxConfigFileBytes || !file.open(QIODevice::ReadOnly))
        return result;
    // Read one byte past the limit so that a file that grew after the size check, or one whose
    // size the system does not report, is still caught.
    const QByteArray bytes = file.read(maxConfigFileBytes + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > maxConfigFileBytes)
        return result;
    result.abandoned = !parseConfig(bytes, programFolder, result.settings, decimalSeparator);
    return result;
}

std::optional<QString> writeConfigFile(const QString &path, const QByteArray &bytes)
{
    // QSaveFile writes beside the target and renames over it only when everything was written, so
    // a full disk or a lost permission leaves the previous file exactly as it was. Unbuffered,
    // because a buffered flush that the disk cuts short is not reported, and the truncated file
    // would then be committed.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    // A short write sets no error; writing the rest again brings out the system's reason.
    for (qsizetype written = 0; written < bytes.size();) {
        const qint64 chunk = file.write(bytes.constData() + written, bytes.size() - written);
        if (chunk <= 0) {
            const QString error = file.errorString();
            file.cancelWriting();
            return error;
        }
        written += chunk;
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

QString systemDecimalSeparator()
{
    return QLocale::system().decimalPoint();
}

} // namespace pse
