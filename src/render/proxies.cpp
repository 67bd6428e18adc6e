#include "render/proxies.h"

#include "platform/files.h"
#include "platform/version.h"
#include "render/proxy_name.h"
#include "render/strip_picture.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace sw {
namespace {

const QString kBackgroundProxySaveFailed =
    QStringLiteral("Unable to Save Background proxy File.\n\n Please call Moru Design Tech Support.");
const QString kProxySaveFailed = QStringLiteral("Unable to Save proxy File.\n\n Please call Moru Design Tech Support.");

const QString kJpg = QStringLiteral(".jpg");
const QString kUpperJpg = QStringLiteral(".JPG");
const QString kPng = QStringLiteral(".png");
const QString kGif = QStringLiteral(".gif");

bool HasAfterStart(const QString& name, const QString& what)
{
    return name.indexOf(what) > 0;
}

// The proxy name by one builder's rule (`from` -> "_Proxy" + `to`). When the
// rule does not change the name (an upper-case ".JPG" under the ".jpg" rule,
// a name without the extension), "_Proxy" + `to` replaces the file's own
// suffix instead: a proxy must never be written over its picture.
QString ProxyNameBy(const QString& name, const QString& from, const QString& to)
{
    QString proxy = name;
    proxy.replace(from, QStringLiteral("_Proxy") + to);
    if (proxy != name)
        return proxy;
    const QFileInfo info(name);
    const QString dir = name.left(name.size() - info.fileName().size());
    return dir + info.completeBaseName() + QStringLiteral("_Proxy") + to;
}

// Pictures are found the way the drawing finds them: by their exact name, else
// by a case-insensitive match in their folder (packages made on Windows).
QString ExistingPicture(const QString& name)
{
    if (QFileInfo(name).isFile())
        return name;
    const QFileInfo info(name);
    return FindFileCaseInsensitive(info.path(), info.fileName());
}

bool FitsProxy(const Bitmap& b)
{
    return b.Width() <= kProxyLimit && b.Height() <= kProxyLimit;
}

enum class ProxyOutcome { Copied, Reduced, SaveFailed, Unreadable };

ProxyOutcome BuildOneProxy(const QString& picturePath, int brightness, RenderFlags& flags, Prompter& prompter)
{
    const QString source = ExistingPicture(picturePath);
    if (picturePath.contains(kGif)) {
        if (!source.isEmpty())
            CopyFileIfAbsent(source, ProxyNameBy(picturePath, kGif, kGif));
        return ProxyOutcome::Copied;
    }
    const Bitmap picture = source.isEmpty() ? Bitmap() : Bitmap::FromFile(source);
    if (picture.IsNull())
        return ProxyOutcome::Unreadable;
    if (FitsProxy(picture)) {
        QString proxy;
        if (picturePath.contains(kPng))
            proxy = ProxyNameBy(picturePath, kPng, kPng);
        else if (picturePath.contains(kUpperJpg))
            proxy = ProxyNameBy(picturePath, kUpperJpg, kJpg);
        else
            proxy = ProxyNameBy(picturePath, kJpg, kJpg);
        CopyFileIfAbsent(source, proxy);
        return ProxyOutcome::Copied;
    }
    Bitmap reduced = ScaledCopy(picture, kProxyLimit);
    if (brightness != 0) {
        AdjustBrightness(PictureKindOf(picturePath), reduced, brightness);
        flags.PictureProxiesInUse = true;
    }
    const Status saved = HasAfterStart(picturePath, kPng)
                             ? reduced.Save(ProxyNameBy(picturePath, kPng, kPng), kMimePng)
                             : reduced.Save(ProxyNameBy(picturePath, kJpg, kJpg), kMimeJpeg, kProxyJpegQuality);
    if (saved != Status::Ok) {
        prompter.message(kProxySaveFailed, kAppDisplayName, MessageButtons::Ok, MessageIcon::Error);
        return ProxyOutcome::SaveFailed;
    }
    return ProxyOutcome::Reduced;
}

} // namespace

Bitmap ScaledCopy(const Bitmap& source, int limit)
{
    if (source.IsNull() || limit <= 0)
        return Bitmap();
    const double f = double(limit) / double(std::max(source.Width(), source.Height()));
    const int width = std::max(1, int(std::trunc(source.Width() * f)));
    const int height = std::max(1, int(std::trunc(source.Height() * f)));
    Bitmap copy(width, height);
    if (copy.IsNull())
        return copy;
    // The source's own resolution cancels out: the copy is the image reduced
    // by f, at the new bitmap's 96 dpi, whatever the source's density.
    copy.image() = source.image()
                       .convertToFormat(QImage::Format_ARGB32)
                       .scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    copy.SetResolution(96.0, 96.0);
    return copy;
}

int BuildBackgroundProxy(const QString& workFolder, Prompter& prompter)
{
    QString path = QDir(workFolder).filePath(kBackgroundFileName);
    if (!QFileInfo(path).isFile())
        path = FindFileCaseInsensitive(workFolder, kBackgroundFileName);
    const Bitmap background = path.isEmpty() ? Bitmap() : Bitmap::FromFile(path);
    // A full-HD background (1920 x 1080, either way up) is drawn quickly
    // enough as it is; only one larger on both sides gets a proxy.
    if (background.IsNull() || background.Width() <= kProxyLimit || background.Height() <= kProxyLimit)
        return 0;
    const Bitmap proxy = ScaledCopy(background, kProxyLimit);
    if (proxy.Save(QDir(workFolder).filePath(kBackgroundProxyFileName), kMimeJpeg, kProxyJpegQuality) != Status::Ok) {
        prompter.message(kBackgroundProxySaveFailed, kAppDisplayName, MessageButtons::Ok, MessageIcon::Error);
        return 0;
    }
    return 1;
}

int BuildPictureProxy(const QString& picturePath, int brightness, RenderFlags& flags, Prompter& prompter)
{
    const ProxyOutcome outcome = BuildOneProxy(picturePath, brightness, flags, prompter);
    return outcome == ProxyOutcome::Copied || outcome == ProxyOutcome::Reduced ? 1 : 0;
}

int BuildProxiesForAllPictures(const MenuBoard& board, RenderFlags& flags, Prompter& prompter)
{
    int result = 0;
    for (int c = 0; c < MenuBoard::GridColumns; ++c) {
        for (int r = 0; r < MenuBoard::GridRows; ++r) {
            const MenuStrip& strip = board.strip(c, r);
            const QString& name = strip.SubImageFileName;
            if (!name.contains(kJpg) && !name.contains(kUpperJpg) && !name.contains(kPng) && !name.contains(kGif))
                continue;
            const ProxyOutcome outcome = BuildOneProxy(name, strip.SubImageBrightnessFactor, flags, prompter);
            if (outcome == ProxyOutcome::Reduced)
                result = 1;
            else if (outcome == ProxyOutcome::SaveFailed)
                result = 0;
        }
    }
    return result;
}

int RebuildPictureProxyWithBrightness(const MenuStrip& strip, RenderFlags& flags, Prompter& prompter)
{
    const QString& name = strip.SubImageFileName;
    const QString source = ExistingPicture(name);
    Bitmap picture = source.isEmpty() ? Bitmap() : Bitmap::FromFile(source);
    Status saved = Status::InvalidParameter;
    if (!picture.IsNull()) {
        if (!FitsProxy(picture))
            picture = ScaledCopy(picture, kProxyLimit);
        AdjustBrightness(PictureKindOf(name), picture, strip.SubImageBrightnessFactor);
        if (HasAfterStart(name, kPng))
            saved = picture.Save(ProxyNameBy(name, kPng, kPng), kMimePng);
        else if (HasAfterStart(name, kGif))
            saved = picture.Save(ProxyNameBy(name, kGif, kGif), kMimeGif);
        else
            saved = picture.Save(ProxyNameBy(name, kJpg, kJpg), kMimeJpeg, kBrightnessProxyJpegQuality);
    }
    if (saved != Status::Ok) {
        prompter.message(kBackgroundProxySaveFailed, kAppDisplayName, MessageButtons::Ok, MessageIcon::Error);
        return 0;
    }
    flags.PictureProxiesInUse = true;
    return 1;
}

bool ShrinkFileInPlace(const QString& path, int limit)
{
    Bitmap shrunk;
    {
        const Bitmap source = Bitmap::FromFile(path);
        shrunk = ScaledCopy(source, limit);
    }
    if (shrunk.IsNull())
        return false;
    // Bitmap::Save writes a temporary file and renames it over the original,
    // so the picture is never deleted before its shrunk copy exists.
    Status saved;
    if (HasAfterStart(path, kPng))
        saved = shrunk.Save(path, kMimePng);
    else if (HasAfterStart(path, kGif))
        saved = shrunk.Save(path, kMimeGif);
    else
        saved = shrunk.Save(path, kMimeJpeg, kProxyJpegQuality);
    return saved == Status::Ok;
}

} // namespace sw
