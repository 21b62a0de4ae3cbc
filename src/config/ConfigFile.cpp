// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/ConfigFile.h"

#include "config/SettingsKeys.h"
#include "ui/NumberRule.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringView>

#include <algorithm>

namespace pse {

namespace {

// A number read from the file, written back the way the user's system shows numbers: up to 15
// significant digits, no grouping, the local decimal separator. Whole numbers stay as they were
// typed ("300" gives "300").
QString numberText(double value, QChar decimalSeparator)
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

// Applies one line that begins with `rule.name`; false when a whole number is out of range.
bool applyLine(const SettingsKey &rule, QStringView line, const QString &programFolder,
               QChar decimalSeparator, Settings &out)
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
    case KeyKind::Choice: {
        // Not one of the original keys, so a value the program cannot use costs this key alone,
        // never the rest of the file.
        const auto whole = toWhole16(leadingNumber(value));
        out.*rule.whole = whole == rule.choice ? rule.choice : Settings{}.*rule.whole;
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

// Collects paragraphs: every line ends in CR LF, and one empty line goes between two paragraphs but
// none after the last.
class ParagraphWriter
{
public:
    void paragraph(QByteArrayView lines)
    {
        if (!m_text.isEmpty())
            m_text += "\r\n";
        line(lines);
    }
    // Lines that continue the paragraph before them.
    void line(QByteArrayView lines)
    {
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

QByteArray keyLine(const SettingsKey &key, const Settings &settings)
{
    const QByteArray name(key.name.data(), qsizetype(key.name.size()));
    switch (key.kind) {
    case KeyKind::Whole:
    case KeyKind::Choice:
        return name + " = " + QByteArray::number(settings.*key.whole);
    case KeyKind::Colour: {
        const ColourTriple &c = settings.*key.colour;
        return name + " (R = " + QByteArray::number(c.r) + ", G = " + QByteArray::number(c.g) +
               ", B = " + QByteArray::number(c.b) + ')';
    }
    case KeyKind::SweepNumber:
    case KeyKind::Background:
    case KeyKind::Gradient:
        break;
    }
    return name + " = " + (settings.*key.text).toUtf8();
}

// Each comment of the key list is one or more paragraphs separated by an empty line.
void commentParagraphs(ParagraphWriter &out, QByteArrayView comment)
{
    for (QByteArrayView rest = comment;;) {
        const qsizetype gap = rest.indexOf("\n\n");
        out.paragraph(rest.first(gap < 0 ? rest.size() : gap));
        if (gap < 0)
            break;
        rest = rest.sliced(gap + 2);
    }
}

bool isLineEnd(char c)
{
    return c == '\n' || c == '\r';
}

} // namespace

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

bool parseConfig(QByteArrayView bytes, const QString &programFolder, Settings &out,
                 QChar decimalSeparator)
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
        for (const SettingsKey &rule : settingsKeys()) {
            if (!raw.startsWith(QByteArrayView(rule.name.data(), qsizetype(rule.name.size()))))
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
    const bool croatian = language == ConfigLanguage::Croatian;
    ParagraphWriter out;
    out.paragraph("# " + locale.toString(now, QLocale::ShortFormat).toUtf8() + '\n' +
                  (croatian ? "# Quon. Periodni sustav elemenata\n# Konfiguracijska datoteka\n"
                            : "# Quon. Periodic Table of Elements\n# Configuration file\n") +
                  "______________________________");
    for (const SettingsKey &key : settingsKeys()) {
        if (key.extra)
            continue;
        const char *comment = croatian ? key.commentHR : key.commentEN;
        if (comment) {
            commentParagraphs(out, comment);
            out.paragraph(keyLine(key, settings));
        } else {
            out.line(keyLine(key, settings));
        }
    }
    out.paragraph(croatian ? "______________________________\n"
                             "# Vrijednosti mozete mijenjati i rucno u ovoj datoteci.\n"
                             "# Preporuka je da se drzite unutar zadanih granica."
                           : "______________________________\n"
                             "# Values can be changed manually in this file.\n"
                             "# You are recommended to stay within the given limits.");
    for (const SettingsKey &key : settingsKeys()) {
        if (key.extra) {
            out.paragraph(croatian ? key.commentHR : key.commentEN);
            out.line(keyLine(key, settings));
        }
    }
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

ReadResult readConfigFile(const QString &programFolder, QChar decimalSeparator)
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

} // namespace pse
