// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPageSize>
#include <QSize>
#include <QString>

class DesktopSeam;
class QWidget;
class TablePoster;

// The table saved for worksheets and for the wall: a picture of the window as shown (PNG), or its
// poster (PDF) on A4 or A3 paper; and the poster handed to a printer.
namespace picture {

enum class Format { Png, Pdf };

// What to write, and where.
struct Target
{
    QString path;
    Format format = Format::Png;
    QSize pixels{1920, 1080};                    // of a picture
    QPageSize::PageSizeId paper = QPageSize::A4; // of a poster, always landscape
};

// The save dialog's list of file types: three picture sizes and two papers, in the language.
QString typeFilters(int languageIndex);

// What a name from the save dialog and the entry chosen in its list ask for. A name ending in .pdf
// or .png has that type whatever the list shows; any other name is given the chosen type's ending
// ("7.b" becomes "7.b.pdf"). The list's size or paper holds where its type is the one written.
Target targetOf(const QString &path, const QString &filter);

// Asks where to save (starting in `folder`), then writes the poster, or draws `surface` anew at
// the chosen size so that text and lines stay sharp at 4K. A failure is told through the seam.
void save(QWidget *surface, const TablePoster &poster, DesktopSeam &seam, const QString &folder);

// Hands the poster to the system's print dialog, set to A4 landscape.
void print(QWidget *parent, const TablePoster &poster, DesktopSeam &seam);

} // namespace picture
