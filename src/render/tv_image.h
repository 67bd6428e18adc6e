#pragma once
// The TV image: the board composed on the full-resolution background and saved
// as a JPEG beside its layout package (or as the print image).
#include "render/compose.h"

#include <QString>
#include <functional>

namespace sw {

// The file name parts of TV images. The layout package names live with the
// package code; render keeps its own copies of the few it needs because it must
// not depend on the package module.
inline const QString kTvLayoutPackageSuffix = QStringLiteral("_LAYOUT.TABLOR");
inline const QString kTvPackageExtension = QStringLiteral(".TABLOR");
inline const QString kTvLayoutWhitePrintSuffix = QStringLiteral("_LAYOUT_WHITE_PRINT_BGND");
inline const QString kTvImageSuffix = QStringLiteral("_TV.jpg");
inline const QString kTvWhitePrintImageSuffix = QStringLiteral("_TV_WHITE_PRINT_BGND.jpg");
inline const QString kPrintImageFileName = QStringLiteral("print.jpg");
inline constexpr int kTvImageJpegQuality = 84;

struct TvImageRequest {
    QString layoutPath;         // the package the image belongs to
    QString backgroundPath;     // the background at full resolution
    bool print = false;         // render the print image instead (never rotated)
    QString programDataFolder;  // where the print image goes
    // Asked only for a portrait board when not printing: 0 none, 1 clockwise,
    // 2 counter-clockwise. Unset means none.
    std::function<int()> chooseRotation;
    // Where to write instead of the name derived from layoutPath (command line).
    QString outputPath;
};

// "Lunch_LAYOUT.TABLOR" -> "Lunch_TV.jpg" beside it ("_TV_WHITE_PRINT_BGND.jpg"
// for the white print, from "Lunch_LAYOUT_WHITE_PRINT_BGND.TABLOR" too); the
// print image is "print.jpg" in the program data folder. Only the file name is
// changed, never the folders above it.
QString TvImageOutputPath(const QString& layoutPath, bool whitePrint, bool print, const QString& programDataFolder);

// Composes the board on its background with SaveRenderActive set and writes the
// JPEG (quality 84) atomically. Returns the written path, or empty when the
// background could not be read or the file not written.
QString RenderTvImage(const MenuBoard& board, BoardGeometry& geometry, const TvImageRequest& request,
                      const ComposeContext& context);

} // namespace sw
