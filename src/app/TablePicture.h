#pragma once

#include <QSize>
#include <QString>

class DesktopSeam;
class QWidget;

// The table as shown, saved as a picture for worksheets.
namespace picture {

// The sizes offered, as the save dialog's list of file types.
QString sizeFilters();

// The size a chosen entry of that list names; 1920 x 1080 for anything else.
QSize sizeOf(const QString &filter);

// Asks where to save (starting in `folder`), then draws `surface` anew at the chosen size, so
// that text and lines stay sharp at 4K, and writes it. A failure is told through the seam.
void save(QWidget *surface, DesktopSeam &seam, const QString &title, const QString &folder);

} // namespace picture
