#pragma once
// The client-area surface: the scaled board preview with its column grid and
// selection outlines, and the palette swatches. The view shows the surface
// under its controls; every redraw composes the whole board again.
#include "editor/editor_context.h"
#include "platform/imaging.h"
#include "render/proxies.h"

#include <QDateTime>
#include <optional>

class QPainter;

namespace sw {

class FontCollector;

// The dialog face colour the preview area is erased with.
inline const QColor kButtonFaceColor(240, 240, 240);

inline const QString kResolutionFormat = QStringLiteral("      Resolution: %1 x %2 at %3 PPI (%4 in x %5 in)");
inline const QString kPrintInstructions = QStringLiteral(
    "Upon entry into the Print Dialog:\n\n1. Clear the 'Fit Picture to Frame' checkbox\n    to avoid menu "
    "cropping.\n\n2. Review menu image to confirm layout.\n\n");

class PreviewPainter {
public:
    explicit PreviewPainter(EditorContext& ctx)
        : ctx_(ctx)
    {
    }

    // Recomposes the board into the preview area. `erase` lets a pending erase
    // (after an open) clear the area first; `layoutOnly` places the board
    // without drawing it. False when the board image cannot be drawn on.
    bool RedrawPreview(bool erase = false, bool layoutOnly = false);
    // Fills the area below and right of the main item box with the dialog face.
    void ErasePreviewArea();
    // Recomputes the swatch rectangles inside control 1017 and draws them.
    void DrawPaletteSwatches();
    // A redraw for a resized window: forgets what drawing recorded, erases,
    // places the board and draws it again.
    void OnSize();

    // The full-resolution redraw saving and printing start with.
    bool RedrawAtFullResolution();
    // Print: full-resolution redraw, the print image, the instructions, and
    // the print request. Returns the print image path (empty when none).
    QString Print();

    // Set while a save collects the fonts its texts use.
    void SetFontCollector(FontCollector* collector) { fonts_ = collector; }

    // The client rectangle and the main item box, as PlaceBoard takes them.
    EdgeRect ClientRect() const;
    std::optional<EdgeRect> MainEditBoxRect() const;

private:
    void ensureSurface();
    void invalidate();
    void showResolution(const QString& imagePath);
    QString boardImagePath() const;
    // The background (or its reduced copy) as decoded for the last redraw,
    // while the file is unchanged: decoding it again took a third of a redraw.
    Bitmap boardImage(const QString& path);
    void drawColumnGrid(QPainter& p);
    void drawSelectionOutlines(QPainter& p);
    void drawTextOutlines(QPainter& p);

    EditorContext& ctx_;
    FontCollector* fonts_ = nullptr;
    struct DecodedBackground {
        QString path;
        QDateTime modified;
        qint64 size = -1;
        Bitmap image;
    } background_;
};

// The selection frame: black, then white dashes over it, 2 pixels inside the rectangle.
void DrawOutline(QPainter& p, const FloatRect& rect, bool thick);

} // namespace sw
