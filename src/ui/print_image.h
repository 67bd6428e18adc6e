#pragma once
// Prints an image file the way a photo printing program would with "fit"
// off: at its physical size (pixels at the image's own resolution), shrunk to
// the printable area only when it does not fit.
#include <QRectF>
#include <QSizeF>
#include <QString>

class QPrinter;

namespace sw {

// Where an image of `pixels` at `dpiX` x `dpiY` lands on a page whose
// printable area is `page` (device pixels at `deviceDpi`): physical size,
// shrunk keeping its proportions when larger than the page, at the page's
// top-left corner.
QRectF PrintedImageRect(QSizeF pixels, double dpiX, double dpiY, const QRectF& page, double deviceDpi);

// Draws the image on `printer` (already set up); false when the image cannot
// be read or the printer cannot be painted on.
bool PrintImageFile(const QString& imagePath, QPrinter& printer);

} // namespace sw
