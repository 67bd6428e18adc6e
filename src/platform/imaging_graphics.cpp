// Graphics: rectangles, lines, images and strings drawn the way GDI+ draws them.
#include "platform/imaging.h"
#include "platform/imaging_font_face.h"

#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include <algorithm>
#include <cmath>

namespace sw {

namespace {

// GDI+'s dash style "Dash": three widths on, one off.
const std::vector<float> kDashPattern = {3.0f, 1.0f};

// GDI+ puts pixel centres on integer coordinates and fills a pixel when its
// centre lies in [left, right): pixels ceil(left) .. ceil(right) - 1. Qt's own
// aliased fill rounds to the nearest edge instead, which moves fractional
// rectangles by a pixel, so device rectangles are computed here.
QRect DevicePixels(const QRectF& r)
{
    const double left = std::min(r.left(), r.right());
    const double right = std::max(r.left(), r.right());
    const double top = std::min(r.top(), r.bottom());
    const double bottom = std::max(r.top(), r.bottom());
    const int x0 = int(std::ceil(left));
    const int x1 = int(std::ceil(right));
    const int y0 = int(std::ceil(top));
    const int y1 = int(std::ceil(bottom));
    return QRect(x0, y0, x1 - x0, y1 - y0);
}

bool IsAxisAligned(const QTransform& t) { return t.type() <= QTransform::TxScale; }

const std::vector<float>& PatternOf(const Pen& pen)
{
    static const std::vector<float> none;
    if (pen.dashStyle == DashStyle::Dash) return kDashPattern;
    if (pen.dashStyle == DashStyle::Custom && !pen.dashPattern.empty()) return pen.dashPattern;
    return none;
}

// The visible lines of a text: CR LF, CR and LF each end a line.
QStringList SplitTextLines(const QString& text)
{
    QStringList lines;
    QString current;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            lines.append(current);
            current.clear();
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n')) ++i;
        } else {
            current.append(c);
        }
    }
    lines.append(current);
    return lines;
}

QString WithoutTrailingBlanks(const QString& line)
{
    qsizetype n = line.size();
    while (n > 0 && line.at(n - 1).isSpace()) --n;
    return line.left(n);
}

struct TextLayout {
    QStringList lines;
    std::vector<double> widths; // device-independent units: pixels of this surface
    double maxWidth = 0.0;
    double padding = 0.0;
    double lineSpacing = 0.0;
    double ascent = 0.0;
    double scale = 0.0; // surface pixels per reference pixel
};

TextLayout LayOut(const QString& text, const FontFace& face, double emPixels, const StringFormat& format)
{
    TextLayout layout;
    layout.scale = emPixels / kReferencePixelSize;
    // GDI+ leaves about 1/6 em of room before and after a string in a layout
    // rectangle; widths measured here include it, drawing starts after it.
    layout.padding = emPixels / 6.0;
    layout.lineSpacing = face.metrics.lineSpacing() * layout.scale;
    layout.ascent = face.metrics.ascent() * layout.scale;
    layout.lines = SplitTextLines(text);
    const bool trailing = (format.Flags & StringFormatFlagsMeasureTrailingSpaces) != 0;
    for (const QString& line : layout.lines) {
        const double w = face.advance(trailing ? line : WithoutTrailingBlanks(line)) * layout.scale;
        layout.widths.push_back(w);
        layout.maxWidth = std::max(layout.maxWidth, w);
    }
    return layout;
}

// Left edge of a box of the given width aligned in [x, x + width of layout);
// a layout without width aligns about its left edge.
double AlignedLeft(StringAlignment alignment, double x, double layoutWidth, double boxWidth)
{
    switch (alignment) {
    case StringAlignment::Center: return layoutWidth > 0 ? x + (layoutWidth - boxWidth) / 2.0 : x - boxWidth / 2.0;
    case StringAlignment::Far: return layoutWidth > 0 ? x + layoutWidth - boxWidth : x - boxWidth;
    default: return x;
    }
}

} // namespace

Graphics::Graphics(Bitmap& target)
{
    if (target.IsNull()) {
        status_ = Status::InvalidParameter;
        return;
    }
    if (target.IsIndexed()) {
        status_ = Status::UnsupportedPixelFormat;
        return;
    }
    dpiX_ = target.HorizontalResolution();
    dpiY_ = target.VerticalResolution();
    ownPainter_ = std::make_unique<QPainter>();
    if (!ownPainter_->begin(&target.image())) {
        ownPainter_.reset();
        status_ = Status::UnsupportedPixelFormat;
        return;
    }
    painter_ = ownPainter_.get();
}

Graphics::Graphics(QPainter& painter, double dpi) : painter_(&painter), dpiX_(dpi), dpiY_(dpi) { }

Graphics::~Graphics()
{
    if (ownPainter_) ownPainter_->end();
}

void Graphics::ScaleTransform(float sx, float sy) { world_ = QTransform::fromScale(sx, sy) * world_; }
void Graphics::TranslateTransform(float dx, float dy) { world_ = QTransform::fromTranslate(dx, dy) * world_; }
void Graphics::ResetTransform() { world_.reset(); }
QTransform Graphics::worldTransform() const { return world_; }

double Graphics::EmPixels(const Font& font) const { return double(font.Size()) * dpiY_ / 72.0; }

void Graphics::beginVector()
{
    painter_->setTransform(world_);
    painter_->setRenderHint(QPainter::Antialiasing, false);
    painter_->setClipping(false);
}

Status Graphics::FillRectangle(const QColor& brush, const RectF& rect)
{
    if (!painter_) return status_;
    if (rect.Width <= 0 || rect.Height <= 0) return Status::Ok;
    if (IsAxisAligned(world_)) {
        painter_->resetTransform();
        painter_->setClipping(false);
        painter_->fillRect(DevicePixels(world_.mapRect(rect.toQRectF())), brush);
        return Status::Ok;
    }
    beginVector();
    painter_->fillRect(rect.toQRectF(), brush);
    return Status::Ok;
}

Status Graphics::DrawRectangle(const Pen& pen, const RectF& r)
{
    if (!painter_) return status_;
    if (r.Width < 0 || r.Height < 0) return Status::InvalidParameter;
    // A rectangle is four lines meeting in mitre joins; drawn as lines from
    // corner to corner extended by half a width, the corners come out square.
    const float half = std::max(pen.width, 1.0f) / 2.0f;
    if (PatternOf(pen).empty() && IsAxisAligned(world_)) {
        const RectF outer{r.X - half, r.Y - half, r.Width + 2 * half, r.Height + 2 * half};
        const float w = 2 * half;
        if (r.Width <= w || r.Height <= w) return FillRectangle(pen.color, outer);
        FillRectangle(pen.color, RectF{outer.X, outer.Y, outer.Width, w});
        FillRectangle(pen.color, RectF{outer.X, outer.Bottom() - w, outer.Width, w});
        FillRectangle(pen.color, RectF{outer.X, outer.Y + w, w, outer.Height - 2 * w});
        FillRectangle(pen.color, RectF{outer.Right() - w, outer.Y + w, w, outer.Height - 2 * w});
        return Status::Ok;
    }
    DrawLine(pen, r.X - half, r.Y, r.Right() + half, r.Y);
    DrawLine(pen, r.Right(), r.Y + half, r.Right(), r.Bottom() - half);
    DrawLine(pen, r.Right() + half, r.Bottom(), r.X - half, r.Bottom());
    DrawLine(pen, r.X, r.Bottom() - half, r.X, r.Y + half);
    return Status::Ok;
}

Status Graphics::DrawLine(const Pen& pen, float x1, float y1, float x2, float y2)
{
    if (!painter_) return status_;
    const float width = std::max(pen.width, 1.0f);
    const bool horizontal = y1 == y2;
    const bool vertical = x1 == x2;
    if ((horizontal || vertical) && IsAxisAligned(world_)) {
        // Flat caps: the line covers exactly its length; dashes are laid along
        // it in pen widths, starting with a dash at the first point.
        const float length = horizontal ? std::abs(x2 - x1) : std::abs(y2 - y1);
        const float dir = horizontal ? (x2 >= x1 ? 1.0f : -1.0f) : (y2 >= y1 ? 1.0f : -1.0f);
        auto segment = [&](float from, float to) {
            const float a = std::min(from, to);
            const float b = std::max(from, to);
            if (horizontal)
                FillRectangle(pen.color, RectF{x1 + dir * a - (dir < 0 ? (b - a) : 0.0f), y1 - width / 2, b - a, width});
            else
                FillRectangle(pen.color, RectF{x1 - width / 2, y1 + dir * a - (dir < 0 ? (b - a) : 0.0f), width, b - a});
        };
        const auto& pattern = PatternOf(pen);
        if (pattern.empty()) {
            segment(0.0f, length);
            return Status::Ok;
        }
        float pos = 0.0f;
        for (size_t i = 0; pos < length; i = (i + 1) % pattern.size()) {
            const float step = std::max(pattern[i], 0.01f) * width;
            if (i % 2 == 0) segment(pos, std::min(pos + step, length));
            pos += step;
        }
        return Status::Ok;
    }
    beginVector();
    QPen qpen(pen.color, pen.width <= 0.0f ? 0.0 : double(pen.width), Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    const auto& pattern = PatternOf(pen);
    if (!pattern.empty()) qpen.setDashPattern(QList<qreal>(pattern.begin(), pattern.end()));
    painter_->setPen(qpen);
    painter_->drawLine(QPointF(x1, y1), QPointF(x2, y2));
    return Status::Ok;
}

Status Graphics::DrawImage(const Bitmap& image, const RectF& dest)
{
    if (!painter_) return status_;
    if (image.IsNull()) return Status::InvalidParameter;
    painter_->setTransform(world_);
    painter_->setClipping(false);
    painter_->setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter_->drawImage(dest.toQRectF(), image.image());
    return Status::Ok;
}

Status Graphics::DrawImage(const Bitmap& image, float x, float y)
{
    if (image.IsNull()) return painter_ ? Status::InvalidParameter : status_;
    const double w = image.Width() * dpiX_ / image.HorizontalResolution();
    const double h = image.Height() * dpiY_ / image.VerticalResolution();
    return DrawImage(image, RectF{x, y, float(w), float(h)});
}

RectF Graphics::MeasureString(const QString& text, const Font& font, const RectF& layoutRect,
                              const StringFormat& format) const
{
    if (text.isEmpty()) return RectF{layoutRect.X, layoutRect.Y, 0.0f, 0.0f};
    const TextLayout layout = LayOut(text, font.face(), EmPixels(font), format);
    const double width = layout.maxWidth + 2.0 * layout.padding;
    const double height = layout.lineSpacing * double(layout.lines.size());
    const double left = AlignedLeft(format.Alignment, layoutRect.X, layoutRect.Width, width);
    return RectF{float(left), layoutRect.Y, float(width), float(height)};
}

RectF Graphics::MeasureString(const QString& text, const Font& font, QPointF origin, const StringFormat& format) const
{
    return MeasureString(text, font, RectF{float(origin.x()), float(origin.y()), 0.0f, 0.0f}, format);
}

Status Graphics::DrawString(const QString& text, const Font& font, const RectF& layoutRect,
                            const StringFormat& format, const QColor& brush)
{
    if (!painter_) return status_;
    if (text.isEmpty()) return Status::Ok;
    const TextLayout layout = LayOut(text, font.face(), EmPixels(font), format);
    // The clip is set as whole device pixels: a fractional clip rectangle
    // makes Qt rasterise a clip mask for every string, which dominated the
    // preview redraw. GDI+ clips to whole pixels too.
    const bool boundX = layoutRect.Width > 0;
    const bool boundY = layoutRect.Height > 0;
    if (boundX || boundY) {
        const double big = 1.0e7;
        const QRectF logical(boundX ? double(layoutRect.X) : -big, boundY ? double(layoutRect.Y) : -big,
                             boundX ? double(layoutRect.Width) : 2 * big, boundY ? double(layoutRect.Height) : 2 * big);
        painter_->resetTransform();
        if (IsAxisAligned(world_))
            painter_->setClipRect(DevicePixels(world_.mapRect(logical)));
        else
            painter_->setClipPath(world_.map([&] {
                QPainterPath path;
                path.addRect(logical);
                return path;
            }()));
    } else {
        painter_->setClipping(false);
    }
    painter_->setTransform(world_);
    // Glyphs are antialiased whatever the hint: GDI+'s other modes have no
    // counterpart on an image here, and grey-only edges keep colours clean.
    painter_->setRenderHint(QPainter::TextAntialiasing, true);
    painter_->setRenderHint(QPainter::Antialiasing, true);
    painter_->setFont(font.face().font);
    painter_->setPen(brush);
    painter_->scale(layout.scale, layout.scale);
    for (qsizetype i = 0; i < layout.lines.size(); ++i) {
        const QString& line = layout.lines.at(i);
        if (line.isEmpty()) continue;
        const double lineWidth = layout.widths[size_t(i)];
        double left;
        switch (format.Alignment) {
        case StringAlignment::Center:
            left = AlignedLeft(StringAlignment::Center, layoutRect.X, layoutRect.Width, lineWidth);
            break;
        case StringAlignment::Far:
            left = AlignedLeft(StringAlignment::Far, layoutRect.X, layoutRect.Width, lineWidth) - layout.padding;
            break;
        default: left = double(layoutRect.X) + layout.padding; break;
        }
        const double baseline = double(layoutRect.Y) + layout.lineSpacing * double(i) + layout.ascent;
        painter_->drawText(QPointF(left / layout.scale, baseline / layout.scale), line);
    }
    painter_->setClipping(false);
    painter_->setRenderHint(QPainter::Antialiasing, false);
    return Status::Ok;
}

} // namespace sw
