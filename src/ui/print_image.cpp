#include "ui/print_image.h"

#include <QImageReader>
#include <QPainter>
#include <QPrinter>
#include <algorithm>

namespace sw {

namespace {
constexpr double kMetresPerInch = 0.0254;
constexpr double kDefaultDpi = 96.0;
}

QRectF PrintedImageRect(QSizeF pixels, double dpiX, double dpiY, const QRectF& page, double deviceDpi)
{
    if (pixels.isEmpty() || page.isEmpty() || deviceDpi <= 0)
        return {};
    if (dpiX <= 0)
        dpiX = kDefaultDpi;
    if (dpiY <= 0)
        dpiY = kDefaultDpi;
    QSizeF size(pixels.width() / dpiX * deviceDpi, pixels.height() / dpiY * deviceDpi);
    const double shrink = std::min({1.0, page.width() / size.width(), page.height() / size.height()});
    size *= shrink;
    return QRectF(page.topLeft(), size);
}

bool PrintImageFile(const QString& imagePath, QPrinter& printer)
{
    QImageReader reader(imagePath);
    // The print image is the full-resolution board; allow what a large
    // background needs.
    reader.setAllocationLimit(1024);
    const QImage image = reader.read();
    if (image.isNull())
        return false;
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    const QRectF target = PrintedImageRect(image.size(), image.dotsPerMeterX() * kMetresPerInch,
                                           image.dotsPerMeterY() * kMetresPerInch,
                                           QRectF(QPointF(0, 0), page.size()), printer.resolution());
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, image);
    return painter.end();
}

} // namespace sw
