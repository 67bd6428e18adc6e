#include "render/image_import.h"

#include "platform/files.h"
#include "platform/imaging.h"
#include "platform/version.h"
#include "render/proxies.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <cmath>

namespace sw {
namespace {

const char* const kLowResolution =
    "This %d x %d pixel image is low resolution and may result in the picture not being crisp.";
const char* const kResolutionFormat = "      Resolution: %d x %d at %d PPI (%0.1f in x %0.1f in)";

// Our own texts for pictures the Windows program did not guard against.
const QString kImageUnreadable = QStringLiteral("The image file \"%1\" cannot be read.");
const QString kImageDamaged = QStringLiteral("The image file \"%1\" is damaged or incomplete and cannot be used.");
const QString kImageTooLarge =
    QStringLiteral("The image \"%1\" is %2 x %3 pixels, too large to use (at most %4 million pixels).");
const QString kImageCopyFailed = QStringLiteral("The image \"%1\" could not be copied into the layout.");

const QString kJpg = QStringLiteral(".jpg");

quint16 BigEndian16(const QByteArray& b, qsizetype at)
{
    return quint16((quint8(b[at]) << 8) | quint8(b[at + 1]));
}

// Walks a JPEG's segments and entropy-coded data up to its end marker. A file
// cut short has none, yet decoders fill the missing rows with grey and report
// success.
bool JpegIsComplete(const QByteArray& b)
{
    const qsizetype n = b.size();
    if (n < 4 || quint8(b[0]) != 0xFF || quint8(b[1]) != 0xD8)
        return false;
    qsizetype pos = 2;
    while (pos < n) {
        if (quint8(b[pos]) != 0xFF)
            return false;
        while (pos < n && quint8(b[pos]) == 0xFF)
            ++pos;
        if (pos >= n)
            return false;
        const quint8 marker = quint8(b[pos++]);
        if (marker == 0xD9)
            return true;
        if ((marker >= 0xD0 && marker <= 0xD7) || marker == 0x01)
            continue;
        if (pos + 2 > n)
            return false;
        const qsizetype length = BigEndian16(b, pos);
        if (length < 2 || pos + length > n)
            return false;
        pos += length;
        if (marker != 0xDA)
            continue;
        // Entropy-coded data: 0xFF is followed by 0x00 (a stuffed byte), a
        // restart marker or fill; anything else starts the next segment.
        while (pos + 1 < n) {
            if (quint8(b[pos]) != 0xFF) {
                ++pos;
                continue;
            }
            const quint8 next = quint8(b[pos + 1]);
            if (next == 0x00 || (next >= 0xD0 && next <= 0xD7))
                pos += 2;
            else if (next == 0xFF)
                ++pos;
            else
                break;
        }
        if (pos + 1 >= n)
            return false;
    }
    return false;
}

// Walks a GIF's blocks up to its trailer, for the same reason.
bool GifIsComplete(const QByteArray& b)
{
    const qsizetype n = b.size();
    auto colorTableBytes = [](quint8 flags) { return (flags & 0x80) ? qsizetype(3) << ((flags & 7) + 1) : 0; };
    auto skipSubBlocks = [&](qsizetype pos) -> qsizetype {
        while (pos < n) {
            const quint8 size = quint8(b[pos]);
            pos += 1 + size;
            if (size == 0)
                return pos;
        }
        return -1;
    };
    if (n < 13 || !b.startsWith("GIF"))
        return false;
    qsizetype pos = 13 + colorTableBytes(quint8(b[10]));
    while (pos >= 0 && pos < n) {
        const quint8 block = quint8(b[pos]);
        if (block == 0x3B)
            return true;
        if (block == 0x21) {
            pos = pos + 2 > n ? -1 : skipSubBlocks(pos + 2);
        } else if (block == 0x2C) {
            if (pos + 10 > n)
                return false;
            pos += 10 + colorTableBytes(quint8(b[pos + 9]));
            pos = pos + 1 > n ? -1 : skipSubBlocks(pos + 1);  // after the LZW code size
        } else {
            return false;
        }
    }
    return false;
}

RotateFlipType UprightTurn(int orientation)
{
    switch (orientation) {
    case 2: return RotateFlipType::RotateNoneFlipX;
    case 3: return RotateFlipType::Rotate180FlipNone;
    case 4: return RotateFlipType::Rotate180FlipX;
    case 5: return RotateFlipType::Rotate90FlipX;
    case 6: return RotateFlipType::Rotate90FlipNone;
    case 7: return RotateFlipType::Rotate270FlipX;
    case 8: return RotateFlipType::Rotate270FlipNone;
    default: return RotateFlipType::RotateNoneFlipNone;
    }
}

void Tell(Prompter& prompter, const QString& text)
{
    prompter.message(text, kAppDisplayName, MessageButtons::Ok, MessageIcon::Warning);
}

bool IsSupportedPictureName(const QString& path)
{
    for (const char* ext : {".jpg", ".png", ".gif", ".JPG", ".jpeg", ".JPEG"}) {
        if (path.indexOf(QLatin1String(ext)) > 0)
            return true;
    }
    return false;
}

} // namespace

ImageFileCheck CheckImageFile(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return {false, {}, kImageUnreadable.arg(name)};
    QImageReader reader(&file);
    reader.setAutoTransform(false);
    if (!reader.canRead())
        return {false, {}, kUnsupportedImageFormat};
    const QSize size = reader.size();
    const QByteArray format = reader.format();
    if (!size.isValid() || size.isEmpty())
        return {false, {}, kImageDamaged.arg(name)};
    if (qint64(size.width()) * size.height() > kMaxImportPixels) {
        return {false, size,
                kImageTooLarge.arg(name).arg(size.width()).arg(size.height()).arg(kMaxImportPixels / 1000000)};
    }
    file.seek(0);
    if (format == "jpeg" || format == "gif") {
        const QByteArray bytes = file.readAll();
        if (!(format == "jpeg" ? JpegIsComplete(bytes) : GifIsComplete(bytes)))
            return {false, size, kImageDamaged.arg(name)};
        file.seek(0);
    }
    // Decoding is the only sure test of the rest (a PNG cut short fails here).
    QImageReader decoder(&file);
    decoder.setAutoTransform(false);
    decoder.setAllocationLimit(int(kMaxImportPixels * 4 / (1024 * 1024)) + 1);
    if (decoder.read().isNull())
        return {false, size, kImageDamaged.arg(name)};
    return {true, size, {}};
}

QString UniquePictureDestination(const QString& picturePath, const QString& workFolder)
{
    QString name = QFileInfo(picturePath).fileName();
    // Layout documents separate folders with backslashes, so a backslash that
    // is part of a Linux file name would cut the name when the layout is read
    // back and lose the picture.
    name.replace(QLatin1Char('\\'), QLatin1Char('_'));
    if (name.contains(QLatin1String(".JPG")))
        name.replace(QLatin1String(".JPG"), kJpg);
    else if (name.contains(QLatin1String(".jpeg")))
        name.replace(QLatin1String(".jpeg"), kJpg);
    else if (name.contains(QLatin1String(".JPEG")))
        name.replace(QLatin1String(".JPEG"), kJpg);
    QString destination = QDir(workFolder).filePath(name);
    for (int n = 1; QFileInfo::exists(destination) || QFileInfo(destination).isSymLink(); ++n) {
        const qsizetype dot = destination.lastIndexOf(QLatin1Char('.'));
        const QString extension = destination.mid(dot);
        destination = destination.left(dot) + QStringLiteral("(%1)").arg(n) + extension;
    }
    return destination;
}

std::optional<QString> ImportPicture(const QString& picturePath, MenuBoard& board, StripRef ref,
                                     const QString& workFolder, RenderFlags& flags, Prompter& prompter)
{
    if (!IsSupportedPictureName(picturePath))
        return std::nullopt;
    const ImageFileCheck check = CheckImageFile(picturePath);
    if (!check.usable) {
        Tell(prompter, check.message);
        return std::nullopt;
    }
    const QString name = QFileInfo(picturePath).fileName();
    const QString destination = UniquePictureDestination(picturePath, workFolder);

    Bitmap picture = Bitmap::FromFile(picturePath);
    if (picture.IsNull()) {
        Tell(prompter, kImageDamaged.arg(name));
        return std::nullopt;
    }
    bool stored = false;
    const int orientation = picture.ExifOrientation();
    if (orientation >= 2 && orientation <= 8) {
        picture.RotateFlip(UprightTurn(orientation));
        // A PNG stays a PNG (keeping its transparency); the rest become JPEG.
        stored = destination.indexOf(QLatin1String(".png")) > 0
                     ? picture.Save(destination, kMimePng) == Status::Ok
                     : picture.Save(destination, kMimeJpeg, kProxyJpegQuality) == Status::Ok;
    } else {
        stored = CopyFileDurably(picturePath, destination);
    }
    if (!stored) {
        QFile::remove(destination);
        Tell(prompter, kImageCopyFailed.arg(name));
        return std::nullopt;
    }
    const int width = picture.Width();
    const int height = picture.Height();
    picture = Bitmap();

    if ((width > kImportShrinkLimit || height > kImportShrinkLimit) && destination.contains(kJpg)
        && QFileInfo(destination).size() > kImportShrinkFileBytes) {
        ShrinkFileInPlace(destination, kImportShrinkLimit);
    }
    if (width < kLowResolutionSide && height < kLowResolutionSide)
        Tell(prompter, QString::asprintf(kLowResolution, width, height));
    BuildPictureProxy(destination, 0, flags, prompter);

    MenuStrip& strip = board.strip(ref);
    strip.SubImageBrightnessFactor = 0;
    strip.SubImageCropOriginPercentageX = 0;
    strip.SubImageCropOriginPercentageY = 0;
    strip.SubImageCropPercentageX = 100;
    strip.SubImageCropPercentageY = 100;
    strip.SubImageFileName = destination;
    flags.PictureProxiesInUse = true;
    return destination;
}

bool ImportBackgroundImage(const QString& imagePath, const QString& workFolder, const MenuBoard& board,
                           RenderFlags& flags, Prompter& prompter)
{
    const ImageFileCheck check = CheckImageFile(imagePath);
    if (!check.usable) {
        Tell(prompter, check.message);
        return false;
    }
    const QString target = QDir(workFolder).filePath(kBackgroundFileName);
    const bool same = QFileInfo(imagePath).canonicalFilePath() == QFileInfo(target).canonicalFilePath();
    if (!same && !CopyFileDurably(imagePath, target)) {
        Tell(prompter, kImageCopyFailed.arg(QFileInfo(imagePath).fileName()));
        return false;
    }
    flags.BackgroundProxyInUse = BuildBackgroundProxy(workFolder, prompter) == 1;
    flags.PictureProxiesInUse = BuildProxiesForAllPictures(board, flags, prompter) == 1;
    return true;
}

std::optional<ResolutionInfo> ResolutionOf(const QString& imagePath)
{
    const Bitmap image = Bitmap::FromFile(imagePath);
    if (image.IsNull() || image.Width() <= 0)
        return std::nullopt;
    ResolutionInfo info;
    info.width = image.Width();
    info.height = image.Height();
    info.BoardDpi = int(image.VerticalResolution());
    // A density below 1 dpi would divide by zero; such a size in inches means nothing.
    const float dpi = info.BoardDpi > 0 ? float(info.BoardDpi) : 0.0f;
    const double inchesW = dpi > 0 ? double(float(info.width) / dpi) : 0.0;
    const double inchesH = dpi > 0 ? double(float(info.height) / dpi) : 0.0;
    info.text = QString::asprintf(kResolutionFormat, info.width, info.height, info.BoardDpi, inchesW, inchesH);
    return info;
}

} // namespace sw
