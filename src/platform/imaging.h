#pragma once
// A small imaging layer in the manner of GDI+, over QImage and QPainter.
//
// The board arithmetic (text metrics, price columns, frames, crops) was worked
// out against GDI+'s conventions, so this layer keeps them where they differ
// from Qt's:
//  - fonts take fractional em sizes in points at the target's DPI (Qt would
//    round the pixel size),
//  - a string measured or drawn in a layout rectangle carries 1/6 em of padding
//    on each side,
//  - pixel centres lie on integer coordinates for rectangles and lines,
//  - pens have flat caps and mitre joins, dash patterns are in pen widths,
//  - a family that is not installed falls back to the generic sans-serif
//    family, never to a symbol font.
// Failures are reported through Status values; nothing here throws.
#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QTransform>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QPainter;
class QFont;
class QFontMetricsF;

namespace sw {

enum class Status {
    Ok,
    GenericError,
    InvalidParameter,
    OutOfMemory,
    FileNotFound,
    UnknownImageFormat,
    EncoderNotFound,
    WriteFailed,
    // The image's pixel format cannot be drawn on (indexed and other formats).
    UnsupportedPixelFormat,
};

// (X, Y, Width, Height) of 32-bit floats. All zero is the empty rectangle,
// and Contains is half-open, so the empty rectangle contains no point.
struct RectF {
    float X = 0.0f;
    float Y = 0.0f;
    float Width = 0.0f;
    float Height = 0.0f;

    bool IsEmpty() const { return X == 0.0f && Y == 0.0f && Width == 0.0f && Height == 0.0f; }
    bool Contains(double x, double y) const
    {
        return x >= double(X) && y >= double(Y) && x < double(X) + double(Width) && y < double(Y) + double(Height);
    }
    float Right() const { return X + Width; }
    float Bottom() const { return Y + Height; }
    QRectF toQRectF() const { return QRectF(X, Y, Width, Height); }
    static RectF fromQRectF(const QRectF& r)
    {
        return RectF{float(r.x()), float(r.y()), float(r.width()), float(r.height())};
    }
    // The smallest rectangle holding both; an empty operand is ignored.
    static RectF Union(const RectF& a, const RectF& b);
    // To and from any other rectangle of X, Y, Width, Height floats (the
    // geometry records keep their own type).
    template <typename R>
    static RectF From(const R& r)
    {
        return RectF{float(r.X), float(r.Y), float(r.Width), float(r.Height)};
    }
    template <typename R>
    R As() const
    {
        R r;
        r.X = X;
        r.Y = Y;
        r.Width = Width;
        r.Height = Height;
        return r;
    }
    bool operator==(const RectF&) const = default;
};

// GDI+'s eight turns and flips; "Rotate90" is clockwise, the flip follows the turn.
enum class RotateFlipType {
    RotateNoneFlipNone = 0,
    Rotate90FlipNone = 1,
    Rotate180FlipNone = 2,
    Rotate270FlipNone = 3,
    RotateNoneFlipX = 4,
    Rotate90FlipX = 5,
    Rotate180FlipX = 6,
    Rotate270FlipX = 7,
};

// MIME types of the encoders a save may ask for.
inline constexpr const char* kMimeJpeg = "image/jpeg";
inline constexpr const char* kMimePng = "image/png";
inline constexpr const char* kMimeGif = "image/gif";
inline constexpr const char* kMimeTiff = "image/tiff";
inline constexpr const char* kMimeBmp = "image/bmp";

class Bitmap {
public:
    // A bitmap of size 0: every drawing on it fails, every query answers 0.
    Bitmap();
    // A new 32-bit ARGB bitmap, transparent black, 96 dpi. Sizes above the
    // allocation limit give a bitmap of size 0 with status OutOfMemory.
    Bitmap(int width, int height);
    // Takes over an image as it is (its format and resolution are kept).
    explicit Bitmap(QImage image);

    // Loads a file. An unreadable file gives a bitmap of size 0 whose
    // LastStatus() says why; the EXIF orientation is read but not applied.
    static Bitmap FromFile(const QString& path);

    // The largest image, in megabytes of decoded pixels, that loading or
    // creating will accept. Defaults to 1024 MB (a 16000 x 16000 photograph).
    static void SetAllocationLimitMB(int megabytes);
    static int AllocationLimitMB();

    bool IsNull() const { return image_.isNull(); }
    Status LastStatus() const { return status_; }
    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }
    // Dots per inch; a file without a density reads as 96 like GDI+.
    double HorizontalResolution() const;
    double VerticalResolution() const;
    void SetResolution(double dpiX, double dpiY);
    // 1..8 as EXIF tag 0x0112 gives it; 1 also when the file carries none.
    int ExifOrientation() const { return exifOrientation_; }
    // True for palette and other formats a Graphics cannot draw on.
    bool IsIndexed() const;

    // A new bitmap of the (truncated) rectangle, same pixel format and
    // resolution; the parts outside this bitmap are zero-filled.
    Bitmap Clone(const RectF& rect) const;

    // ARGB as 0xAARRGGBB; 0 outside the bitmap.
    QRgb GetPixel(int x, int y) const;
    // A palette image is turned into 32-bit ARGB first so the write is never lost.
    Status SetPixel(int x, int y, QRgb argb);
    // Rows as 32-bit pixels (B, G, R, A in memory). Anything not already
    // 32-bit is converted to ARGB32 by the mutable accessor; the const one
    // returns nullptr for such images.
    QRgb* ScanLine(int y);
    const QRgb* ConstScanLine(int y) const;

    Status RotateFlip(RotateFlipType type);

    // Writes through a temporary file renamed into place (QSaveFile), so a
    // failed save never leaves a half-written file. quality 0..100 is the
    // EncoderQuality parameter; only JPEG uses it.
    Status Save(const QString& path, const QString& mimeType, std::optional<int> quality = std::nullopt) const;
    // Whether an encoder exists for the MIME type on this system.
    static bool HasEncoder(const QString& mimeType);

    QImage& image() { return image_; }
    const QImage& image() const { return image_; }

private:
    QImage image_;
    Status status_ = Status::Ok;
    int exifOrientation_ = 1;
};

enum class DashStyle { Solid, Dash, Custom };

// A pen of float width. Width 0 draws the thinnest line the device has.
struct Pen {
    QColor color = Qt::black;
    float width = 1.0f;
    DashStyle dashStyle = DashStyle::Solid;
    // Custom pattern in pen widths: on, off, on, off...
    std::vector<float> dashPattern;

    Pen() = default;
    Pen(const QColor& c, float w) : color(c), width(w) { }
    void SetDashPattern(std::vector<float> pattern)
    {
        dashPattern = std::move(pattern);
        dashStyle = DashStyle::Custom;
    }
};

enum FontStyle : int { FontStyleRegular = 0, FontStyleBold = 1, FontStyleItalic = 2, FontStyleBoldItalic = 3 };

// Requested family -> family to use; the fonts module installs a table of
// Windows families and their open replacements here. Default: identity.
// Setting it empties the font cache.
using FontFamilyResolver = std::function<QString(const QString&)>;
void SetFontFamilyResolver(FontFamilyResolver resolver);
// The family a Font of this name will draw with: the resolver's answer, or
// the generic sans-serif family when that is missing or a symbol font.
QString ResolveFontFamily(const QString& requested);
// Forget cached faces (after fonts were installed into the running program).
void ClearFontCache();
// The generic sans-serif family used for missing fonts.
QString GenericSansSerifFamily();

struct FontFace;

// A font by family name, em size in points and style bits (bold 1, italic 2).
// Faces are cached by (family, style), so making a Font per string is cheap.
class Font {
public:
    Font(const QString& family, float emSizePoints, int style = FontStyleRegular);

    const QString& Family() const { return family_; }
    // The family actually drawn (after substitution and fallback).
    QString ResolvedFamily() const;
    float Size() const { return size_; }
    int Style() const { return style_; }
    const FontFace& face() const { return *face_; }

private:
    QString family_;
    float size_;
    int style_;
    std::shared_ptr<const FontFace> face_;
};

enum StringFormatFlags : unsigned {
    StringFormatFlagsNone = 0,
    StringFormatFlagsMeasureTrailingSpaces = 0x0800,
    StringFormatFlagsNoWrap = 0x1000,
};

enum class StringAlignment { Near = 0, Center = 1, Far = 2 };

// Lines are never wrapped here (every caller asks for NoWrap); the flag is
// kept for its value. Without MeasureTrailingSpaces, trailing blanks of a line
// take no room, as in GDI+.
struct StringFormat {
    unsigned Flags = StringFormatFlagsNone;
    StringAlignment Alignment = StringAlignment::Near;
    StringAlignment LineAlignment = StringAlignment::Near;

    void SetFormatFlags(unsigned flags) { Flags = flags; }
    void SetAlignment(StringAlignment a) { Alignment = a; }
    void SetLineAlignment(StringAlignment a) { LineAlignment = a; }
};

enum class TextRenderingHint { SystemDefault, AntiAlias };

class Graphics {
public:
    // Drawing on a bitmap, in its pixels, at its resolution. Fails (Status)
    // for a bitmap of size 0 and for palette images.
    explicit Graphics(Bitmap& target);
    // Drawing through a painter someone else owns (the preview on a widget).
    explicit Graphics(QPainter& painter, double dpi = 96.0);
    ~Graphics();
    Graphics(const Graphics&) = delete;
    Graphics& operator=(const Graphics&) = delete;

    Status GetLastStatus() const { return status_; }
    double DpiX() const { return dpiX_; }
    double DpiY() const { return dpiY_; }

    void SetTextRenderingHint(TextRenderingHint hint) { hint_ = hint; }
    TextRenderingHint GetTextRenderingHint() const { return hint_; }
    // World transform: later drawing is scaled by (sx, sy) about the origin.
    void ScaleTransform(float sx, float sy);
    void TranslateTransform(float dx, float dy);
    void ResetTransform();

    Status FillRectangle(const QColor& brush, const RectF& rect);
    Status DrawRectangle(const Pen& pen, const RectF& rect);
    Status DrawLine(const Pen& pen, float x1, float y1, float x2, float y2);
    // The whole image stretched to the rectangle; the aspect ratio is not kept.
    Status DrawImage(const Bitmap& image, const RectF& dest);
    // The image at its physical size (pixels scaled by this DPI / its DPI).
    Status DrawImage(const Bitmap& image, float x, float y);

    // The box of the laid-out text: its X/Y follow the alignment in the
    // layout rectangle; width = widest line + 1/3 em, height = lines x line
    // spacing. An empty text measures 0 x 0 at the layout corner.
    RectF MeasureString(const QString& text, const Font& font, const RectF& layout, const StringFormat& format) const;
    RectF MeasureString(const QString& text, const Font& font, QPointF origin, const StringFormat& format) const;
    // Text drawn inside the layout rectangle and clipped to it; a width or
    // height of 0 means no bound in that direction.
    Status DrawString(const QString& text, const Font& font, const RectF& layout, const StringFormat& format,
                      const QColor& brush);

    // The em size in device pixels of a font on this surface.
    double EmPixels(const Font& font) const;

    QPainter* painter() { return painter_; }

private:
    void beginVector();
    void beginText();
    QTransform worldTransform() const;

    std::unique_ptr<QPainter> ownPainter_;
    QPainter* painter_ = nullptr;
    QTransform world_;
    double dpiX_ = 96.0;
    double dpiY_ = 96.0;
    TextRenderingHint hint_ = TextRenderingHint::SystemDefault;
    Status status_ = Status::Ok;
};

} // namespace sw
