#include "app/TablePicture.h"

#include "ui/DesktopSeam.h"

#include <QDir>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QRegularExpression>
#include <QWidget>

namespace picture {

QString sizeFilters()
{
    return QStringLiteral(
        "PNG 1920 × 1080 (*.png);;PNG 1280 × 720 (*.png);;PNG 3840 × 2160 (*.png)");
}

QSize sizeOf(const QString &filter)
{
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("(\\d+) × (\\d+)")).match(filter);
    if (!match.hasMatch())
        return {1920, 1080};
    return {match.captured(1).toInt(), match.captured(2).toInt()};
}

void save(QWidget *surface, DesktopSeam &seam, const QString &title, const QString &folder)
{
    QString chosen;
    const QString path = seam.chooseSaveFile(surface->window(), title,
                                             QDir(folder).filePath(QStringLiteral("quon-pse.png")),
                                             sizeFilters(), &chosen);
    if (path.isEmpty())
        return;
    const QSize size = sizeOf(chosen);
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
    QImageWriter writer(path, "png");
    if (!writer.write(image))
        seam.showMessage(surface->window(), writer.errorString());
}

} // namespace picture
