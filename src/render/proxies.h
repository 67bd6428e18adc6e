#pragma once
// Reduced working copies (proxies) of the background and the pictures, which
// the preview reads instead of the full files so that redrawing stays fast.
// They lie beside their sources in the working folder with "_Proxy" before
// the extension and are never part of the layout document.
#include "model/board.h"
#include "platform/imaging.h"
#include "platform/prompter.h"
#include "render/render_flags.h"

#include <QString>

namespace sw {

// A proxy's longer side is at most this many pixels.
inline constexpr int kProxyLimit = 1600;
inline constexpr int kProxyJpegQuality = 80;
inline constexpr int kBrightnessProxyJpegQuality = 60;

inline const QString kBackgroundFileName = QStringLiteral("Background.jpg");
inline const QString kBackgroundProxyFileName = QStringLiteral("Background_Proxy.jpg");

// The whole image reduced so that its longer side is `limit`: a new 32-bit
// ARGB bitmap of trunc(width x f) x trunc(height x f), f = limit / longer side.
Bitmap ScaledCopy(const Bitmap& source, int limit);

// Writes "Background_Proxy.jpg" for a "Background.jpg" in the working folder
// whose width and height both exceed the proxy limit; 1 when a proxy was
// written, 0 otherwise (also when the background is read itself, as a
// 1920 x 1080 one is).
int BuildBackgroundProxy(const QString& workFolder, Prompter& prompter);

// One picture's proxy: a reduced copy (with the brightness applied) for a
// large picture, a plain copy for a small one or a GIF (an existing plain copy
// is kept). 1 on success; a reduced build sets flags.PictureProxiesInUse when
// the brightness is not 0.
int BuildPictureProxy(const QString& picturePath, int brightness, RenderFlags& flags, Prompter& prompter);

// Every picture of the board; the result of the last reduced proxy written
// (1 written, 0 failed), 0 when no picture needed reducing.
int BuildProxiesForAllPictures(const MenuBoard& board, RenderFlags& flags, Prompter& prompter);

// After a brightness step: the strip's proxy rebuilt from its picture with the
// strip's brightness. 1 on success (and flags.PictureProxiesInUse set).
int RebuildPictureProxyWithBrightness(const MenuStrip& strip, RenderFlags& flags, Prompter& prompter);

// Shrinks an image file so that its longer side is `limit`, keeping its format
// by name (PNG, GIF, else JPEG quality 80). The shrunk copy is written under a
// temporary name and renamed over the original, so a failed save leaves the
// original as it was. True when the file was shrunk.
bool ShrinkFileInPlace(const QString& path, int limit);

} // namespace sw
