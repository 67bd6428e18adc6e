#include "layout_io/font_list_file.h"
#include "layout_io/naming.h"
#include "layout_io/package.h"
#include "layout_io/scramble.h"
#include "platform/files.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <zip.h>
#include <unzip.h>

namespace sw {
namespace {

// Entry names are stored in UTF-8 and flagged so (general purpose bit 11).
constexpr uLong kUtf8NameFlag = 1u << 11;

enum class AddResult { Added, SourceMissing, WriteFailed };

zip_fileinfo FileInfoFor(const QFileInfo& source)
{
    zip_fileinfo info{};
    const QDateTime t = source.lastModified();
    info.tmz_date.tm_sec = static_cast<uInt>(t.time().second());
    info.tmz_date.tm_min = static_cast<uInt>(t.time().minute());
    info.tmz_date.tm_hour = static_cast<uInt>(t.time().hour());
    info.tmz_date.tm_mday = static_cast<uInt>(t.date().day());
    info.tmz_date.tm_mon = static_cast<uInt>(t.date().month() - 1);
    info.tmz_date.tm_year = static_cast<uInt>(t.date().year());
    return info;
}

AddResult AddFile(zipFile zip, const QString& sourcePath, const QString& entryName)
{
    QFile source(sourcePath);
    const QFileInfo sourceInfo(sourcePath);
    if (sourcePath.isEmpty() || !sourceInfo.isFile() || !source.open(QIODevice::ReadOnly))
        return AddResult::SourceMissing;
    const zip_fileinfo info = FileInfoFor(sourceInfo);
    const QByteArray name = entryName.toUtf8();
    if (zipOpenNewFileInZip4_64(zip, name.constData(), &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED,
                                Z_DEFAULT_COMPRESSION, 0, -MAX_WBITS, DEF_MEM_LEVEL, Z_DEFAULT_STRATEGY, nullptr,
                                0, 0, kUtf8NameFlag, 1) != ZIP_OK)
        return AddResult::WriteFailed;
    bool ok = true;
    while (ok && !source.atEnd()) {
        const QByteArray chunk = source.read(1 << 20);
        if (chunk.isEmpty() && source.error() != QFileDevice::NoError)
            ok = false;
        else if (!chunk.isEmpty())
            ok = zipWriteInFileInZip(zip, chunk.constData(), static_cast<unsigned>(chunk.size())) == ZIP_OK;
    }
    ok = (zipCloseFileInZip(zip) == ZIP_OK) && ok;
    return ok ? AddResult::Added : AddResult::WriteFailed;
}

// The part of a picture path after its last separator; documents made on
// Windows carry backslashes.
QString EntryNameOfPicture(const QString& path)
{
    const qsizetype cut = std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
    return path.mid(cut + 1);
}

// A cheap check that what we are about to put in place of the user's package
// is a readable archive with every entry we added.
bool ArchiveLooksComplete(const QString& archivePath, qsizetype expectedEntries)
{
    unzFile unz = unzOpen64(QFile::encodeName(archivePath).constData());
    if (!unz)
        return false;
    unz_global_info64 global{};
    const bool ok = unzGetGlobalInfo64(unz, &global) == UNZ_OK &&
                    global.number_entry == static_cast<ZPOS64_T>(expectedEntries);
    unzClose(unz);
    return ok;
}

PackResult Fail(QString* error, const QString& text, const QString& archivePath = {})
{
    if (!archivePath.isEmpty())
        QFile::remove(archivePath);
    if (error)
        *error = text;
    return PackResult::Failed;
}

// The archive is built under the ".zip" name beside the package. A file that
// already has that name is somebody's own (ours are removed when a pack
// fails), so it is never overwritten: the archive then takes a free name.
QString FreeArchivePath(const QString& archivePath)
{
    if (!QFileInfo::exists(archivePath))
        return archivePath;
    const QString stem = archivePath.chopped(4); // without ".zip"
    for (int n = 1; n < 10000; ++n) {
        const QString candidate = stem + QStringLiteral(".%1.zip").arg(n);
        if (!QFileInfo::exists(candidate))
            return candidate;
    }
    return {};
}

PackResult PackTo(const QString& archivePath, const PackRequest& request, QString* error,
                  QStringList* missingSources)
{
    if (request.workFolder.isEmpty() || !QDir().mkpath(request.workFolder))
        return Fail(error, QStringLiteral("Cannot create the working folder %1").arg(request.workFolder));
    if (!QFileInfo(request.backgroundSource).isFile())
        return Fail(error, QStringLiteral("The background image is missing: %1").arg(request.backgroundSource));

    // The document goes into our own working folder, never beside a legacy
    // layout's background in the user's folder.
    const QDir work(request.workFolder);
    const QString documentPath = work.filePath(kLayoutDocumentEntryName);
    if (!WriteFileDurably(documentPath, ToUtf16LeBytes(Scramble(RemoveSelectionMarkers(request.documentText)))))
        return Fail(error, QStringLiteral("Cannot write %1").arg(documentPath));
    if (!WriteFontFileNames(request.workFolder, request.layoutFontList))
        return Fail(error, QStringLiteral("Cannot write %1").arg(work.filePath(kFontFileNamesEntryName)));

    struct Item {
        QString source;
        QString entry;
        bool required;
    };
    QList<Item> items;
    items.append({request.backgroundSource, kBackgroundEntryName, true});
    items.append({documentPath, kLayoutDocumentEntryName, true});
    for (const QString& picture : request.picturePaths)
        items.append({picture, EntryNameOfPicture(picture), false});
    for (const FontFileEntry& font : ParseLayoutFontList(request.layoutFontList)) {
        const QString found = FindFileCaseInsensitive(request.workFolder, font.file);
        items.append({found.isEmpty() ? work.filePath(font.file) : found, font.file, false});
    }
    items.append({work.filePath(kFontFileNamesEntryName), kFontFileNamesEntryName, true});

    zipFile zip = zipOpen64(QFile::encodeName(archivePath).constData(), APPEND_STATUS_CREATE);
    if (!zip)
        return Fail(error, QStringLiteral("Cannot create %1").arg(archivePath));
    qsizetype added = 0;
    for (const Item& item : items) {
        const AddResult r = item.entry.isEmpty() ? AddResult::SourceMissing : AddFile(zip, item.source, item.entry);
        if (r == AddResult::Added) {
            ++added;
            continue;
        }
        if (r == AddResult::SourceMissing && !item.required) {
            if (missingSources)
                missingSources->append(item.source);
            continue;
        }
        zipClose(zip, nullptr);
        return Fail(error, QStringLiteral("Cannot add %1 to %2").arg(item.source, archivePath), archivePath);
    }
    if (zipClose(zip, nullptr) != ZIP_OK)
        return Fail(error, QStringLiteral("Cannot finish %1").arg(archivePath), archivePath);
    if (!ArchiveLooksComplete(archivePath, added))
        return Fail(error, QStringLiteral("The new archive %1 cannot be read back").arg(archivePath), archivePath);

    // Rename over the old package: until the rename, the old one stays whole.
    if (!ReplaceFileAtomically(archivePath, request.packagePath))
        return Fail(error, QStringLiteral("Cannot move %1 to %2").arg(archivePath, request.packagePath), archivePath);

    const QString earlier = EarlierPackagePath(request.packagePath);
    const QFileInfo earlierInfo(earlier);
    if (!earlier.isEmpty() && earlierInfo.isFile() && !earlierInfo.isSymLink() && QFile::remove(earlier)) {
        FsyncFolder(earlierInfo.absolutePath());
        return PackResult::OkOldNameRemoved;
    }
    return PackResult::Ok;
}

} // namespace

PackResult Pack(const PackRequest& request, QString* error, QStringList* missingSources)
{
    const QString spelled = TemporaryArchivePath(request.packagePath);
    if (spelled.isEmpty())
        return Fail(error, QStringLiteral("The package name must end in \".TABLOR\": %1").arg(request.packagePath));
    const QString archivePath = FreeArchivePath(spelled);
    if (archivePath.isEmpty())
        return Fail(error, QStringLiteral("No free name for the new archive beside %1").arg(request.packagePath));
    return PackTo(archivePath, request, error, missingSources);
}

} // namespace sw
