#include "layout_io/layout_loader.h"

#include "layout_io/document_paths.h"
#include "layout_io/naming.h"
#include "layout_io/package.h"

#include <QFile>
#include <QFileInfo>

namespace sw {

LayoutKind ClassifyLayoutPath(const QString& path)
{
    return IsPackagePath(path) ? LayoutKind::Package : LayoutKind::LegacyDocument;
}

QString LayoutPathForChosenFile(const QString& chosenPath)
{
    if (!IsTvImagePath(chosenPath) || IsPackagePath(chosenPath) || chosenPath.endsWith(kLegacyDocumentExtension))
        return chosenPath;
    return PackagePathForTvImage(chosenPath);
}

QString LegacyLayoutBaseName(const QString& documentFileName)
{
    QString name = documentFileName;
    name.replace(QStringLiteral("XTABLOR"), QStringLiteral("jpg"));
    name.remove(kLegacyDocumentPrefix);
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot >= 0 ? name.left(dot) : name;
}

bool LoadLayoutFile(const QString& path, const QString& workFolder, MenuBoard& board,
                    TextBlockFontCheck* fontCheck, LoadReport& report)
{
    report = LoadReport{};
    report.kind = ClassifyLayoutPath(path);
    const QFileInfo chosen(path);
    report.context.layoutFolder = chosen.absolutePath();
    report.context.workFolder = workFolder;

    if (report.kind == LayoutKind::Package) {
        report.context.fromPackage = true;
        report.documentPath = workFolder + u'/' + kLayoutDocumentEntryName;
        UnpackReport unpacked;
        const bool ok = Unpack(path, workFolder, &unpacked);
        report.skipped = unpacked.skipped;
        report.unpackError = unpacked.error;
        if (!ok) {
            report.status = LoadStatus::CannotOpen;
            return false;
        }
        report.documentPath = ResolveInFolder(workFolder, kLayoutDocumentEntryName);
    } else {
        report.context.fromPackage = false;
        report.context.layoutBaseName = LegacyLayoutBaseName(chosen.fileName());
        report.documentPath = chosen.absoluteFilePath();
    }

    QFile file(report.documentPath);
    if (!QFileInfo(report.documentPath).isFile() || !file.open(QIODevice::ReadOnly)) {
        report.status = LoadStatus::CannotOpen;
        return false;
    }
    if (file.size() > kMaxLayoutDocumentBytes) {
        report.status = LoadStatus::TooLarge;
        return false;
    }
    const QByteArray bytes = file.read(kMaxLayoutDocumentBytes + 1);
    if (bytes.size() > kMaxLayoutDocumentBytes) {
        report.status = LoadStatus::TooLarge;
        return false;
    }
    const DocumentReadResult read =
        ReadLayoutDocumentBytes(bytes, board, report.context, fontCheck, report.MissingFontList);
    report.status = read == DocumentReadResult::Read ? LoadStatus::Loaded : LoadStatus::NotALayout;
    return report.status == LoadStatus::Loaded;
}

} // namespace sw
