#include "layout_io/document_paths.h"

#include "layout_io/naming.h"
#include "layout_io/package.h"
#include "platform/files.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace sw {

namespace {

qsizetype LastSeparator(const QString& path) { return std::max(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/')); }

QString ToNative(QString path) { return path.replace(u'\\', u'/'); }

// Joins below the layout folder and resolves the last component's case.
QString UnderFolder(const QString& layoutFolder, const QString& relative)
{
    const QString joined = QDir::cleanPath(layoutFolder + u'/' + ToNative(relative));
    const QFileInfo info(joined);
    return ResolveInFolder(info.path(), info.fileName());
}

} // namespace

QString StoredPathFileName(const QString& storedPath) { return storedPath.mid(LastSeparator(storedPath) + 1); }

QString ResolveInFolder(const QString& folder, const QString& name)
{
    const QString exact = folder + u'/' + name;
    if (name.isEmpty() || QFileInfo::exists(exact))
        return exact;
    const QString found = FindFileCaseInsensitive(folder, name);
    return found.isEmpty() ? exact : found;
}

QString PackageBackgroundPath(const QString& workFolder) { return ResolveInFolder(workFolder, kBackgroundEntryName); }

QString PackagePicturePath(const QString& stored, const QString& workFolder)
{
    const QString name = StoredPathFileName(stored);
    if (name.isEmpty() || name == u"." || name == u"..")
        return {};
    return ResolveInFolder(workFolder, name);
}

QString LegacyBackgroundPath(const QString& stored, const QString& layoutFolder)
{
    if (stored.isEmpty())
        return {};
    const qsizetype cut = LastSeparator(stored);
    if (cut >= 0) {
        const QString folderPart = stored.left(cut);
        const QString lastFolder = StoredPathFileName(folderPart);
        return UnderFolder(layoutFolder, lastFolder + u'/' + stored.mid(cut + 1));
    }
    // A name without '-' has no base in front of it: the support folder is
    // then just "_SupportFiles", as older versions looked it up.
    const qsizetype minus = stored.lastIndexOf(u'-');
    const QString base = minus >= 0 ? stored.left(minus) : QString();
    return UnderFolder(layoutFolder, base + kLegacySupportFolderSuffix + u'/' + stored);
}

QString LegacyPicturePath(const QString& stored, const QString& layoutFolder, const QString& layoutBaseName)
{
    if (stored.isEmpty())
        return {};
    const qsizetype at = stored.indexOf(layoutBaseName + kLegacySupportFolderSuffix);
    return UnderFolder(layoutFolder, at >= 0 ? stored.mid(at) : stored);
}

} // namespace sw
