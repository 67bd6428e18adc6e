#pragma once
// Backgrounds and pictures enter a layout as files the user picks anywhere on
// disk: they are checked, copied into the working folder under unique names,
// turned upright, shrunk when oversized, and get their proxies. The editor
// asks for the file (with the titles and filters below) and shows the
// resolution in its title; these functions take the picked path.
#include "model/board.h"
#include "platform/prompter.h"
#include "render/render_flags.h"

#include <QSize>
#include <QString>

#include <optional>

namespace sw {

// The file dialogs of the two import commands. Filters are Qt's form of the
// Windows filter texts: name, then the patterns.
inline const QString kOpenBackgroundTitle = QStringLiteral("Open Menu Background jpg Image File");
inline const QString kBackgroundFilterName = QStringLiteral("TABLOR Backgroundfile");
inline const QString kBackgroundFilter = kBackgroundFilterName + QStringLiteral(" (*.jpg)");
inline const QString kOpenPictureTitle = QStringLiteral("Open Picture File");
inline const QString kPictureFilterName = QStringLiteral("Picture");
inline const QString kPictureFilter = kPictureFilterName + QStringLiteral(" (*.jpg *.jpeg *.gif *.png)");
// Shown when the board image cannot be drawn into.
inline const QString kUnsupportedImageFormat = QStringLiteral("Sorry! Signwright does not support this image format!");

// Pictures larger than this are shrunk in place when their file is also large.
inline constexpr int kImportShrinkLimit = 3200;
inline constexpr qint64 kImportShrinkFileBytes = 5000000;
// Below this on both sides a picture is reported as low resolution.
inline constexpr int kLowResolutionSide = 512;
// The largest picture accepted, in decoded pixels (4 bytes each): 100
// megapixels, above any camera's photograph, far below what a crafted file
// can declare.
inline constexpr qint64 kMaxImportPixels = 100'000'000;

// Whether a file can be used as a picture: readable by an image decoder,
// complete (a JPEG or GIF cut short decodes "successfully" with grey rows),
// and within kMaxImportPixels. The message is for the user when it cannot.
struct ImageFileCheck {
    bool usable = false;
    QSize size;
    QString message;
};
ImageFileCheck CheckImageFile(const QString& path);

// Load New Picture: imports `picturePath` into the strip. Unsupported names
// are ignored silently; bad images are refused with a message and leave
// nothing behind. On success the strip holds the copy's full path with crop
// and brightness reset, and flags.PictureProxiesInUse is set. Returns the
// copy's path, or nothing.
std::optional<QString> ImportPicture(const QString& picturePath, MenuBoard& board, StripRef ref,
                                     const QString& workFolder, RenderFlags& flags, Prompter& prompter);

// The name (not yet taken in the working folder) a picked picture gets there:
// ".JPG"/".jpeg"/".JPEG" become ".jpg"; 'pie.jpg', 'pie(1).jpg', 'pie(1)(2).jpg'.
QString UniquePictureDestination(const QString& picturePath, const QString& workFolder);

// Load New Background Image, after the editor offered to save and the user
// picked a file: the file is checked, copied to "Background.jpg" in the
// working folder, and the background and picture proxies are built; the
// flags say which proxies are in use. False (with a message) when the image
// cannot be used; the working folder is then unchanged.
bool ImportBackgroundImage(const QString& imagePath, const QString& workFolder, const MenuBoard& board,
                           RenderFlags& flags, Prompter& prompter);

// The resolution text the window title shows after the file name:
// "      Resolution: W x H at DPI PPI (X in x Y in)". BoardDpi is the image's
// vertical resolution, truncated.
struct ResolutionInfo {
    int width = 0;
    int height = 0;
    int BoardDpi = 0;
    QString text;
};
std::optional<ResolutionInfo> ResolutionOf(const QString& imagePath);

} // namespace sw
