// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TablePicture.h"

#include "app/TablePoster.h"
#include "lang/Texts.h"
#include "ui/DesktopSeam.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QWidget>

namespace picture {

namespace {

using pse::lang::TextId;

QPageLayout landscape(QPageSize::PageSizeId paper)
{
    return QPageLayout(QPageSize(paper), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10),
                       QPageLayout::Millimeter);
}

bool paintOn(QPagedPaintDevice &device, const TablePoster &poster)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    poster.paint(painter, QRectF(0, 0, device.width(), device.height()));
    return painter.end();
}

// An error text, or nothing.
QString writePicture(const Target &target, QWidget *surface)
{
    const QSize size = target.pixels;
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    const qreal scale =
        std::min(qreal(size.width()) / surface->width(), qreal(size.height()) / surface->height());
    QPainter painter(&image);
    painter.translate((size.width() - surface->width() * scale) / 2,
                      (size.height() - surface->height() * scale) / 2);
    painter.scale(scale, scale);
    surface->render(&painter);
    painter.end();
    QImageWriter writer(target.path, "png");
    return writer.write(image) ? QString() : writer.errorString();
}

QString writePoster(const Target &target, const TablePoster &poster)
{
    // Written whole or not at all: a full disk leaves no broken PDF behind.
    QSaveFile file(target.path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    QPdfWriter writer(&file);
    writer.setPageLayout(landscape(target.paper));
    writer.setTitle(poster.title());
    writer.setCreator(QStringLiteral("quon-pse"));
    if (!paintOn(writer, poster) || !file.commit())
        return file.errorString();
    return {};
}

} // namespace

QString typeFilters(int languageIndex)
{
    const QString pdf =
        pse::lang::text(TextId::PdfType, languageIndex) + QStringLiteral(" (*.pdf)");
    return QStringList{QStringLiteral("PNG 1920 × 1080 (*.png)"),
                       QStringLiteral("PNG 1280 × 720 (*.png)"),
                       QStringLiteral("PNG 3840 × 2160 (*.png)"), pdf.arg(u"A4"), pdf.arg(u"A3")}
        .join(u";;");
}

Target targetOf(const QString &path, const QString &filter)
{
    const QString ending = QFileInfo(path).suffix().toLower();
    const bool pdfChosen = filter.contains(u"*.pdf");
    Target target;
    target.format = ending == u"pdf" || (ending != u"png" && pdfChosen) ? Format::Pdf : Format::Png;
    const bool pdf = target.format == Format::Pdf;
    target.path = ending == u"pdf" || ending == u"png"
                      ? path
                      : path + (pdf ? QStringLiteral(".pdf") : QStringLiteral(".png"));
    if (pdfChosen != pdf)
        return target;
    if (pdf)
        target.paper = filter.contains(u"A3") ? QPageSize::A3 : QPageSize::A4;
    const QRegularExpressionMatch size =
        QRegularExpression(QStringLiteral("(\\d+) × (\\d+)")).match(filter);
    if (size.hasMatch())
        target.pixels = {size.captured(1).toInt(), size.captured(2).toInt()};
    return target;
}

void save(QWidget *surface, const TablePoster &poster, DesktopSeam &seam, const QString &folder)
{
    QString chosen;
    // Without an ending, so that the type chosen in the list gives it one.
    const QString name = QStringLiteral("quon-pse-") + QDate::currentDate().toString(Qt::ISODate);
    const QString path = seam.chooseSaveFile(
        surface->window(), pse::lang::text(TextId::ExportTitle, poster.language()),
        QDir(folder).filePath(name), typeFilters(poster.language()), &chosen);
    if (path.isEmpty())
        return;
    const Target target = targetOf(path, chosen);
    // The dialog asked about the name as typed, not about the one given an ending here: without
    // this question an earlier poster would be replaced without a word.
    const QString replace = QCoreApplication::translate(
        "QFileDialog", "%1 already exists.\nDo you want to replace it?");
    if (target.path != path && QFileInfo::exists(target.path) &&
        !seam.confirm(surface->window(), replace.arg(QFileInfo(target.path).fileName())))
        return;
    const QString error =
        target.format == Format::Pdf ? writePoster(target, poster) : writePicture(target, surface);
    if (!error.isEmpty())
        seam.showMessage(surface->window(), error);
}

void print(QWidget *parent, const TablePoster &poster, DesktopSeam &seam)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(landscape(QPageSize::A4));
    printer.setDocName(poster.title());
    printer.setCreator(QStringLiteral("quon-pse"));
    if (!seam.choosePrinter(parent, printer))
        return;
    if (!paintOn(printer, poster))
        seam.showMessage(parent, pse::lang::text(TextId::PrintFailed, poster.language()));
}

} // namespace picture
