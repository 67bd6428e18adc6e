#include "render/strip_picture.h"

#include "platform/files.h"
#include "render/proxy_name.h"

#include <QDateTime>
#include <QFileInfo>
#include <algorithm>
#include <array>
#include <list>
#include <mutex>

namespace sw {

namespace {

struct FrameTableRow {
    float widthOfBase;  // 0 = no frame
    int grey;           // the pen's red = green = blue
};

// "None", then black, white and grey in thin, medium and wide.
constexpr FrameTableRow kFrameTable[kFrameStyleCount] = {
    {0.0f, 0},     {1.0f, 0},     {1.5f, 0},     {2.25f, 0},     {1.0f, 255},
    {1.5f, 255},   {2.25f, 255},  {1.0f, 128},   {1.5f, 128},    {2.25f, 128},
};

bool HasPicture(const MenuStrip& strip) { return !strip.SubImageFileName.isEmpty(); }

bool IsPartialPercentage(int p) { return p >= 1 && p <= 99; }

// Every redraw draws every picture again, and decoding the JPEGs took most of
// a preview redraw. Decoded pictures are kept, keyed by the file's identity as
// the file system reports it, so a rewritten file (a brightness step rewrites
// its proxy) is read afresh. QImage shares its pixels copy-on-write, so a crop
// or a brightness change never touches the kept copy.
class DecodedPictureCache {
public:
    Bitmap load(const QString& path)
    {
        const QFileInfo info(path);
        if (!info.isFile())
            return Bitmap::FromFile(path);
        const Key key{info.absoluteFilePath(), info.size(), info.lastModified().toMSecsSinceEpoch(),
                      info.metadataChangeTime().toMSecsSinceEpoch()};
        std::lock_guard lock(mutex_);
        for (auto it = entries_.begin(); it != entries_.end(); ++it) {
            if (it->key == key) {
                entries_.splice(entries_.begin(), entries_, it);
                return it->bitmap;
            }
        }
        Bitmap bitmap = Bitmap::FromFile(path);
        const qint64 bytes = bitmap.image().sizeInBytes();
        if (bitmap.IsNull() || bytes > kMaxEntryBytes)
            return bitmap;
        std::erase_if(entries_, [&](const Entry& e) { return e.key.path == key.path; });
        entries_.push_front(Entry{key, bitmap});
        qint64 total = 0;
        for (auto it = entries_.begin(); it != entries_.end();) {
            total += it->bitmap.image().sizeInBytes();
            if (total > kMaxTotalBytes && it != entries_.begin())
                it = entries_.erase(it);
            else
                ++it;
        }
        return bitmap;
    }

private:
    static constexpr qint64 kMaxEntryBytes = qint64(64) << 20;
    static constexpr qint64 kMaxTotalBytes = qint64(256) << 20;
    struct Key {
        QString path;
        qint64 size;
        qint64 modified;
        qint64 changed;
        bool operator==(const Key&) const = default;
    };
    struct Entry {
        Key key;
        Bitmap bitmap;
    };
    std::mutex mutex_;
    std::list<Entry> entries_;
};

DecodedPictureCache& PictureCache()
{
    static DecodedPictureCache cache;
    return cache;
}

} // namespace

const char* const kFrameStyleCaptions[kFrameStyleCount] = {
    "None",       "Black Thin", "Black Med", "Black Wide", "White Thin",
    "White Med",  "White Wide", "Grey Thin", "Grey Med",   "Grey Wide",
};

PictureKind PictureKindOf(const QString& fileName)
{
    if (fileName.indexOf(QStringLiteral(".jpg")) > 0)
        return PictureKind::Jpg;
    if (fileName.contains(QStringLiteral(".png")))
        return PictureKind::Png;
    if (fileName.contains(QStringLiteral(".gif")))
        return PictureKind::Gif;
    return PictureKind::Jpg;
}

FrameStyle FrameStyleFor(const MenuStrip& strip, std::uint32_t boardWidth, std::uint32_t boardHeight, bool whitePrint)
{
    FrameStyle style;
    const int index = strip.SubImageFrameIndex;
    if (index <= 0)
        return style;
    const double sides = double(boardWidth) + double(boardHeight);
    const double base = sides * 0.0016;
    if (strip.ImageHiddenOnWhite) {
        // A picture the print leaves out is outlined faintly on screen only.
        if (whitePrint)
            return style;
        style.drawn = true;
        style.width = float(0.5 * base);
        style.color = QColor(128, 128, 128, 255);
        return style;
    }
    style.drawn = true;
    if (whitePrint) {
        style.width = float(sides * 0.001);
        style.color = QColor(0, 0, 0, 255);
    } else if (index < kFrameStyleCount) {
        const FrameTableRow& row = kFrameTable[index];
        style.width = float(double(row.widthOfBase) * base);
        style.color = QColor(row.grey, row.grey, row.grey, 255);
    } else {
        style.width = 0.0f;
        style.color = QColor(0, 0, 0, 255);
    }
    return style;
}

QString PictureFileToLoad(const QString& subImageFileName, bool pictureProxiesInUse)
{
    if (pictureProxiesInUse) {
        const QString proxy = ProxyImage(subImageFileName);
        if (QFileInfo::exists(proxy))
            return proxy;
    }
    if (QFileInfo::exists(subImageFileName))
        return subImageFileName;
    const QFileInfo info(subImageFileName);
    const QString found = FindFileCaseInsensitive(info.path(), info.fileName());
    return found.isEmpty() ? subImageFileName : found;
}

void DrawStripColorPass(BoardGeometry& g, const MenuStrip& strip, StripRef ref, const FloatRect& box,
                        Graphics& graphics, const RenderFlags& flags)
{
    FloatRect r{box.X - 1.0f, box.Y - 1.0f, box.Width + 2.0f, box.Height + 2.0f};
    // One window pixel taller on the preview, so neighbouring boxes meet.
    if (g.PreviewScale > 0.0)
        r.Height += float(1.0 / g.PreviewScale - 1.0);
    g.PictureHitRect(ref) = BoardToWindow(g, r);

    if (strip.BackGroundColor != ClearColor && !flags.WhitePrint && !HasPicture(strip)) {
        const ColorRef c = strip.BackGroundColor;
        graphics.FillRectangle(QColor(RedOf(c), GreenOf(c), BlueOf(c), 255), RectF::From(r));
    }
    DrawPictureFrame(g, strip, r, graphics, flags);
}

void DrawStripPicture(const BoardGeometry& g, const MenuStrip& strip, const FloatRect& box, Graphics& graphics,
                      const RenderFlags& flags)
{
    if (!HasPicture(strip))
        return;
    // Hidden on the print: nothing of the picture would show, so it is not even read.
    if (!(flags.WhitePrint && strip.ImageHiddenOnWhite)) {
        Bitmap picture = PictureCache().load(PictureFileToLoad(strip.SubImageFileName, flags.PictureProxiesInUse));
        if (!picture.IsNull()) {
            const float wp = float(picture.Width());
            const float hp = float(picture.Height());
            if (IsPartialPercentage(strip.SubImageCropPercentageX)
                || IsPartialPercentage(strip.SubImageCropPercentageY)) {
                const RectF crop{float(strip.SubImageCropOriginPercentageX) / 100.0f * wp,
                                 float(strip.SubImageCropOriginPercentageY) / 100.0f * hp,
                                 float(strip.SubImageCropPercentageX) / 100.0f * wp,
                                 float(strip.SubImageCropPercentageY) / 100.0f * hp};
                // A crop narrower than a pixel (one percentage left at 0) has
                // nothing to show; cloning it would give an empty picture.
                if (crop.Width >= 1.0f && crop.Height >= 1.0f)
                    picture = picture.Clone(crop);
                else
                    picture = Bitmap();
            }
            if (!picture.IsNull()) {
                if (!flags.PictureProxiesInUse && strip.SubImageBrightnessFactor != 0)
                    AdjustBrightness(PictureKindOf(strip.SubImageFileName), picture, strip.SubImageBrightnessFactor);
                graphics.DrawImage(picture, RectF::From(box));
            }
        }
    }
    DrawPictureFrame(g, strip, box, graphics, flags);
}

bool DrawPictureFrame(const BoardGeometry& g, const MenuStrip& strip, const FloatRect& rect, Graphics& graphics,
                      const RenderFlags& flags)
{
    if (strip.SubImageFrameIndex <= 0)
        return false;
    const FrameStyle style = FrameStyleFor(strip, g.BoardImageSize[0], g.BoardImageSize[1], flags.WhitePrint);
    if (style.drawn)
        graphics.DrawRectangle(Pen(style.color, style.width), RectF::From(rect));
    return true;
}

void AdjustBrightness(PictureKind kind, Bitmap& bitmap, int brightness)
{
    if (brightness == 0 || bitmap.IsNull())
        return;
    const double f = brightness / 255.0 + 1.0;
    std::array<std::uint8_t, 256> scaled{};
    for (int v = 0; v < 256; ++v)
        scaled[std::size_t(v)] = std::uint8_t(std::clamp(int(v * f), 0, 255));

    QImage& image = bitmap.image();
    // Straight (not premultiplied) alpha, so "255" means white whatever the alpha.
    if (image.format() != QImage::Format_ARGB32 && image.format() != QImage::Format_RGB32)
        image.convertTo(QImage::Format_ARGB32);
    const bool keepWhite = kind != PictureKind::Jpg;
    const int width = image.width();
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const QRgb p = line[x];
            if (qAlpha(p) == 0)
                continue;
            const int r = qRed(p), gr = qGreen(p), b = qBlue(p);
            if (keepWhite && r == 255 && gr == 255 && b == 255)
                continue;
            line[x] = qRgba(scaled[std::size_t(r)], scaled[std::size_t(gr)], scaled[std::size_t(b)], 255);
        }
    }
}

} // namespace sw
