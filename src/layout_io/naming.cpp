#include "layout_io/naming.h"

namespace sw {
namespace {

// Splits at the last '/', keeping the slash with the folder part.
void SplitPath(const QString& path, QString* folder, QString* name)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    *folder = path.left(slash + 1);
    *name = path.mid(slash + 1);
}

QString FileNameOf(const QString& path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

} // namespace

QString PackageName(const QString& base)
{
    return base + kLayoutSuffix + kPackageExtension;
}

QString WhitePrintPackageName(const QString& base)
{
    return base + kLayoutSuffix + kWhitePrintSuffix + kPackageExtension;
}

QString TvImageName(const QString& base)
{
    return base + kTvSuffix + kTvImageExtension;
}

QString WhitePrintTvImageName(const QString& base)
{
    return base + kTvSuffix + kWhitePrintSuffix + kTvImageExtension;
}

bool IsPackagePath(const QString& path)
{
    const QString name = FileNameOf(path);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot >= 0 && name.mid(dot) == kPackageExtension;
}

QString TemporaryArchivePath(const QString& packagePath)
{
    if (!packagePath.endsWith(kPackageExtension))
        return {};
    return packagePath.chopped(kPackageExtension.size()) + kTemporaryArchiveExtension;
}

QString EarlierPackagePath(const QString& packagePath)
{
    QString folder, name;
    SplitPath(packagePath, &folder, &name);
    const QString earlierName = QString(name).remove(kLayoutSuffix);
    if (earlierName == name || earlierName.isEmpty())
        return {};
    return folder + earlierName;
}

QString PackagePathForSave(const QString& chosenPath, bool whitePrint)
{
    QString folder, name;
    SplitPath(chosenPath, &folder, &name);
    name.remove(kWhitePrintSuffix);
    name.remove(kLayoutSuffix);
    if (name.endsWith(kPackageExtension))
        name.chop(kPackageExtension.size());
    return folder + name + kLayoutSuffix + (whitePrint ? kWhitePrintSuffix : QString()) + kPackageExtension;
}

QString TvImagePathForPackage(const QString& packagePath)
{
    QString folder, name;
    SplitPath(packagePath, &folder, &name);
    name.replace(kPackageExtension, kTvImageExtension);
    name.replace(kLayoutSuffix, kTvSuffix);
    return folder + name;
}

bool IsTvImagePath(const QString& path)
{
    return FileNameOf(path).contains(kTvSuffix);
}

QString PackagePathForTvImage(const QString& tvImagePath)
{
    QString folder, name;
    SplitPath(tvImagePath, &folder, &name);
    name.replace(kTvSuffix, kLayoutSuffix);
    name.replace(kTvImageExtension, kPackageExtension);
    return folder + name;
}

QString LegacyDocumentName(const QString& base)
{
    return kLegacyDocumentPrefix + base + kLegacyDocumentExtension;
}

QString LegacySupportFolderName(const QString& base)
{
    return base + kLegacySupportFolderSuffix;
}

QString LegacyBackgroundName(const QString& base)
{
    return base + kLegacyBackgroundSuffix;
}

} // namespace sw
