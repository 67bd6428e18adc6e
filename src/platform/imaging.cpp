// Bitmaps: loading, creating, cloning, pixels, turning and saving.
#include "platform/imaging.h"

#include <QFileInfo>
#include <QImageIOHandler>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>

#include <algorithm>
#include <atomic>
#include <cmath>

namespace sw {

namespace {

constexpr double kMetresPerInch = 0.0254;
constexpr double kDefaultDpi = 96.0;

// A board photograph may be large (print backgrounds of 8000 x 6000 and
// more), so the limit sits far above Qt's 128 MB default, yet a corrupt header
// claiming a gigantic canvas is still refused instead of exhausting memory.
std::atomic<int> g_allocationLimitMB{1024};

int ExifFromTransformation(QImageIOHandler::Transformations t)
{
    switch (int(t)) {
    case QImageIOHandler::TransformationMirror: return 2;
    case QImageIOHandler::TransformationRotate180: return 3;
    case QImageIOHandler::TransformationFlip: return 4;
    case QImageIOHandler::TransformationFlipAndRotate90: return 5;
    case QImageIOHandler::TransformationRotate90: return 6;
    case QImageIOHandler::TransformationMirrorAndRotate90: return 7;
    case QImageIOHandler::TransformationRotate270: return 8;
    default: return 1;
    }
}

QByteArray QtFormatForMime(const QString& mime)
{
    if (mime == QLatin1String(kMimeJpeg)) return "jpeg";
    if (mime == QLatin1String(kMimePng)) return "png";
    if (mime == QLatin1String(kMimeGif)) return "gif";
    if (mime == QLatin1String(kMimeTiff)) return "tiff";
    if (mime == QLatin1String(kMimeBmp)) return "bmp";
    return {};
}

bool IsPaintableFormat(QImage::Format f)
{
    switch (f) {
    case QImage::Format_Invalid:
    case QImage::Format_Mono:
    case QImage::Format_MonoLSB:
    case QImage::Format_Indexed8:
    case QImage::Format_Alpha8:
    case QImage::Format_Grayscale8:
    case QImage::Format_Grayscale16:
        return false;
    default: return true;
    }
}

bool FitsAllocationLimit(qint64 width, qint64 height)
{
    const qint64 bytes = width * height * 4;
    return bytes <= qint64(g_allocationLimitMB.load()) * 1024 * 1024;
}

} // namespace

RectF RectF::Union(const RectF& a, const RectF& b)
{
    if (a.IsEmpty()) return b;
    if (b.IsEmpty()) return a;
    const float left = std::min(a.X, b.X);
    const float top = std::min(a.Y, b.Y);
    const float right = std::max(a.Right(), b.Right());
    const float bottom = std::max(a.Bottom(), b.Bottom());
    return RectF{left, top, right - left, bottom - top};
}

Bitmap::Bitmap() : status_(Status::InvalidParameter) { }

Bitmap::Bitmap(int width, int height)
{
    if (width <= 0 || height <= 0) {
        status_ = Status::InvalidParameter;
        return;
    }
    if (!FitsAllocationLimit(width, height)) {
        status_ = Status::OutOfMemory;
        return;
    }
    image_ = QImage(width, height, QImage::Format_ARGB32);
    if (image_.isNull()) {
        status_ = Status::OutOfMemory;
        return;
    }
    image_.fill(0);
    SetResolution(kDefaultDpi, kDefaultDpi);
}

Bitmap::Bitmap(QImage image) : image_(std::move(image))
{
    status_ = image_.isNull() ? Status::InvalidParameter : Status::Ok;
}

Bitmap Bitmap::FromFile(const QString& path)
{
    Bitmap result;
    if (!QFileInfo(path).isFile()) {
        result.status_ = Status::FileNotFound;
        return result;
    }
    QImageReader reader(path);
    reader.setAutoTransform(false);
    reader.setAllocationLimit(g_allocationLimitMB.load());
    const int orientation = ExifFromTransformation(reader.transformation());
    QImage image;
    if (!reader.read(&image) || image.isNull()) {
        result.status_ = reader.error() == QImageReader::UnsupportedFormatError ? Status::UnknownImageFormat
                                                                                 : Status::GenericError;
        return result;
    }
    result.image_ = std::move(image);
    result.status_ = Status::Ok;
    result.exifOrientation_ = orientation;
    return result;
}

void Bitmap::SetAllocationLimitMB(int megabytes) { g_allocationLimitMB = std::max(1, megabytes); }
int Bitmap::AllocationLimitMB() { return g_allocationLimitMB.load(); }

namespace {
// QImage keeps the density as whole dots per metre, so 300 dpi comes back as
// 299.9994 and would truncate to 299 where the board's text sizing divides by
// the truncated value. Qt's JPEG reader truncates dpi to dots per metre (96
// dpi becomes 3779, 95.987 dpi), so the error is under one dot per metre,
// 0.0254 dpi: a value that close to a whole number is that number.
double DpiFromDotsPerMetre(int dpm)
{
    if (dpm <= 0) return kDefaultDpi;
    const double dpi = dpm * kMetresPerInch;
    const double whole = std::round(dpi);
    return std::abs(dpi - whole) < 0.0255 ? whole : dpi;
}
} // namespace

double Bitmap::HorizontalResolution() const
{
    return image_.isNull() ? 0.0 : DpiFromDotsPerMetre(image_.dotsPerMeterX());
}

double Bitmap::VerticalResolution() const
{
    return image_.isNull() ? 0.0 : DpiFromDotsPerMetre(image_.dotsPerMeterY());
}

void Bitmap::SetResolution(double dpiX, double dpiY)
{
    if (image_.isNull() || dpiX <= 0.0 || dpiY <= 0.0) return;
    image_.setDotsPerMeterX(int(std::lround(dpiX / kMetresPerInch)));
    image_.setDotsPerMeterY(int(std::lround(dpiY / kMetresPerInch)));
}

bool Bitmap::IsIndexed() const { return !image_.isNull() && !IsPaintableFormat(image_.format()); }

Bitmap Bitmap::Clone(const RectF& rect) const
{
    Bitmap result;
    if (image_.isNull()) {
        result.status_ = Status::InvalidParameter;
        return result;
    }
    const QRect area(int(rect.X), int(rect.Y), int(rect.Width), int(rect.Height));
    if (area.width() <= 0 || area.height() <= 0 || !FitsAllocationLimit(area.width(), area.height())) {
        result.status_ = area.width() <= 0 || area.height() <= 0 ? Status::InvalidParameter : Status::OutOfMemory;
        return result;
    }
    // QImage::copy zero-fills what lies outside, as the crop of a picture whose
    // percentages reach past its edge expects.
    result.image_ = image_.copy(area);
    result.status_ = result.image_.isNull() ? Status::OutOfMemory : Status::Ok;
    return result;
}

QRgb Bitmap::GetPixel(int x, int y) const
{
    if (!image_.valid(x, y)) return 0;
    return image_.pixel(x, y);
}

Status Bitmap::SetPixel(int x, int y, QRgb argb)
{
    if (!image_.valid(x, y)) return Status::InvalidParameter;
    if (image_.format() != QImage::Format_ARGB32 && image_.format() != QImage::Format_RGB32
        && image_.format() != QImage::Format_ARGB32_Premultiplied)
        image_.convertTo(QImage::Format_ARGB32);
    image_.setPixel(x, y, argb);
    return Status::Ok;
}

QRgb* Bitmap::ScanLine(int y)
{
    if (image_.isNull() || y < 0 || y >= image_.height()) return nullptr;
    if (image_.format() != QImage::Format_ARGB32 && image_.format() != QImage::Format_RGB32)
        image_.convertTo(QImage::Format_ARGB32);
    return reinterpret_cast<QRgb*>(image_.scanLine(y));
}

const QRgb* Bitmap::ConstScanLine(int y) const
{
    if (image_.isNull() || y < 0 || y >= image_.height()) return nullptr;
    if (image_.format() != QImage::Format_ARGB32 && image_.format() != QImage::Format_RGB32) return nullptr;
    return reinterpret_cast<const QRgb*>(image_.constScanLine(y));
}

Status Bitmap::RotateFlip(RotateFlipType type)
{
    if (image_.isNull()) return Status::InvalidParameter;
    const int turn = int(type) & 3;
    const bool flipX = (int(type) & 4) != 0;
    const int dpmX = image_.dotsPerMeterX();
    const int dpmY = image_.dotsPerMeterY();
    if (turn != 0) image_ = image_.transformed(QTransform().rotate(90.0 * turn));
    if (flipX) image_ = image_.mirrored(true, false);
    // A turn must not lose the density a save writes back.
    image_.setDotsPerMeterX(dpmX);
    image_.setDotsPerMeterY(dpmY);
    return image_.isNull() ? Status::OutOfMemory : Status::Ok;
}

bool Bitmap::HasEncoder(const QString& mimeType)
{
    const QByteArray format = QtFormatForMime(mimeType);
    return !format.isEmpty() && QImageWriter::supportedImageFormats().contains(format);
}

Status Bitmap::Save(const QString& path, const QString& mimeType, std::optional<int> quality) const
{
    if (image_.isNull()) return Status::InvalidParameter;
    if (!HasEncoder(mimeType)) return Status::EncoderNotFound;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return Status::WriteFailed;
    QImageWriter writer(&file, QtFormatForMime(mimeType));
    if (quality) writer.setQuality(std::clamp(*quality, 0, 100));
    if (!writer.write(image_)) {
        file.cancelWriting();
        return Status::WriteFailed;
    }
    return file.commit() ? Status::Ok : Status::WriteFailed;
}

} // namespace sw
