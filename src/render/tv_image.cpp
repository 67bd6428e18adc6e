#include "render/tv_image.h"

#include "platform/files.h"
#include "render/rotation_choice.h"

#include <QDir>
#include <QFileInfo>

namespace sw {

QString TvImageOutputPath(const QString& layoutPath, bool whitePrint, bool print, const QString& programDataFolder)
{
    if (print)
        return QDir(programDataFolder).filePath(kPrintImageFileName);
    const QFileInfo info(layoutPath);
    QString name = info.fileName();
    name.replace(kTvLayoutPackageSuffix, kTvPackageExtension);
    name.remove(kTvLayoutWhitePrintSuffix);
    name.replace(kTvPackageExtension, whitePrint ? kTvWhitePrintImageSuffix : kTvImageSuffix);
    const QString folder = layoutPath.left(layoutPath.size() - info.fileName().size());
    return folder + name;
}

QString RenderTvImage(const MenuBoard& board, BoardGeometry& geometry, const TvImageRequest& request,
                      const ComposeContext& context)
{
    Bitmap image = Bitmap::FromFile(request.backgroundPath);
    if (image.IsNull())
        return {};
    // Palette images (a GIF background) cannot be drawn on; the TV image is a
    // JPEG anyway, so work on plain 32-bit pixels.
    if (image.IsIndexed() || image.image().format() != QImage::Format_RGB32)
        image.image().convertTo(QImage::Format_RGB32);
    const int width = image.Width();
    const int height = image.Height();
    {
        Graphics graphics(image);
        if (graphics.GetLastStatus() != Status::Ok)
            return {};
        if (board.WhitePrintBackground)
            graphics.FillRectangle(QColor(255, 255, 255, 255), RectF{0, 0, float(width), float(height)});
        ComposeContext saveContext = context;
        saveContext.flags.SaveRenderActive = true;
        saveContext.flags.PrintRender = request.print;
        if (!ComposeBoard(board, geometry, graphics, saveContext))
            return {};
    }

    if (!request.print && width < height && request.chooseRotation) {
        const int choice = request.chooseRotation();
        if (choice == RotationClockwise)
            image.RotateFlip(RotateFlipType::Rotate90FlipNone);
        else if (choice == RotationCounterClockwise)
            image.RotateFlip(RotateFlipType::Rotate270FlipNone);
    }

    const QString output = request.outputPath.isEmpty()
        ? TvImageOutputPath(request.layoutPath, board.WhitePrintBackground, request.print, request.programDataFolder)
        : request.outputPath;
    if (output.isEmpty())
        return {};
    QDir().mkpath(QFileInfo(output).absolutePath());
    if (image.Save(output, QString::fromLatin1(kMimeJpeg), kTvImageJpegQuality) != Status::Ok)
        return {};
    // The image is often carried away on a flash drive right after saving.
    FsyncFolder(QFileInfo(output).absolutePath());
    return output;
}

} // namespace sw
