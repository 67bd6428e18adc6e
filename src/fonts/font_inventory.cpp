#include "fonts/font_inventory.h"

#include "fonts/font_substitutes.h"
#include "platform/files.h"
#include "platform/font_system.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace sw {
namespace {

// Windows lists these families under a style word; their registry names are
// "Cubano Normal" and "ArtBrush Medium".
QString CorrectedRegistryName(const QString& family)
{
    if (family == QLatin1String("Cubano"))
        return family + QStringLiteral(" Normal");
    if (family == QLatin1String("ArtBrush"))
        return family + QStringLiteral(" Medium");
    return family;
}

bool IsInside(const QString& path, const QString& folder)
{
    const QString file = QFileInfo(path).canonicalFilePath();
    const QString dir = QFileInfo(folder).canonicalFilePath();
    return !file.isEmpty() && !dir.isEmpty() && file.startsWith(dir + QLatin1Char('/'));
}

} // namespace

bool IsFontInstalled(const QString& family)
{
    InstallFontSubstitutions();
    if (family.isEmpty() || FontconfigListsFamily(family))
        return true;
    const QString substitute = SubstituteFamilyOf(family);
    return !substitute.isEmpty() && FontconfigListsFamily(substitute);
}

QString ApplyFontFileNameRule(const QString& fileName)
{
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    const QString extension = dot < 0 ? QString() : fileName.mid(dot);
    const qsizetype underscore = fileName.indexOf(QLatin1Char('_'));
    if (underscore > 0 && !fileName.contains(QLatin1String("__")))
        return fileName.left(underscore) + extension;
    return fileName;
}

FontFileLocation LocateFontFile(const QString& family)
{
    InstallFontSubstitutions();
    QString path = FontconfigFileForName(CorrectedRegistryName(family));
    if (path.isEmpty()) {
        const QString substitute = SubstituteFamilyOf(family);
        if (!substitute.isEmpty())
            path = FontconfigFileForName(substitute);
    }
    if (path.isEmpty())
        return {};
    return {path, ApplyFontFileNameRule(QFileInfo(path).fileName())};
}

QString FindFontFile(const QString& family)
{
    return LocateFontFile(family).fileName;
}

void DropPackageFontCopy(const QString& workFolder, const QString& family)
{
    const FontFileLocation location = LocateFontFile(family);
    if (location.isEmpty())
        return;
    const QString copy = QDir(workFolder).filePath(location.fileName);
    if (IsInside(location.sourcePath, workFolder))
        return;
    QFile::remove(copy);
}

LayoutFontCollector::LayoutFontCollector(QString workFolder)
    : workFolder_(std::move(workFolder))
{
}

bool LayoutFontCollector::HasEntryFor(const QString& family) const
{
    // Whole entries are compared: a plain substring test would take "Arial"
    // as collected once "Bold Arial" is, and the package would lack its file.
    const QString key = family + QLatin1Char(',');
    qsizetype start = 0;
    while (start < layoutFontList_.size()) {
        if (QStringView(layoutFontList_).mid(start).startsWith(key))
            return true;
        const qsizetype end = layoutFontList_.indexOf(QLatin1Char(';'), start);
        if (end < 0)
            break;
        start = end + 1;
    }
    return false;
}

void LayoutFontCollector::CollectLayoutFont(const QString& family)
{
    if (HasEntryFor(family))
        return;
    const FontFileLocation location = LocateFontFile(family);
    if (location.isEmpty())
        return;
    // An existing copy (the package's own, or one collected earlier) stays.
    if (!workFolder_.isEmpty())
        CopyFileIfAbsent(location.sourcePath, QDir(workFolder_).filePath(location.fileName));
    layoutFontList_ += family + QLatin1Char(',') + location.fileName + QLatin1Char(';');
}

LayoutFontCheck::LayoutFontCheck(QString workFolder)
    : workFolder_(std::move(workFolder))
{
}

void LayoutFontCheck::CheckTextBlockFont(const QString& fontName, QStringList& handledFamilies,
                                         QStringList& missingFontList)
{
    if (fontName.isEmpty())
        return;
    if (IsFontInstalled(fontName)) {
        if (!handledFamilies.contains(fontName)) {
            DropPackageFontCopy(workFolder_, fontName);
            handledFamilies.append(fontName);
        }
        return;
    }
    if (!missingFontList.contains(fontName))
        missingFontList.append(fontName);
}

} // namespace sw
