#include "platform/files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace sw {
namespace {

int OpenRetrying(const QByteArray& path, int flags)
{
    int fd;
    do {
        fd = ::open(path.constData(), flags);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

bool FsyncPath(const QString& path, int flags)
{
    const int fd = OpenRetrying(QFile::encodeName(path), flags | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

QString FolderOf(const QString& path)
{
    return QFileInfo(path).absolutePath();
}

// Streams source into an uncommitted save file; the caller decides on commit.
bool StreamInto(const QString& source, QSaveFile& out)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    QByteArray chunk;
    while (!in.atEnd()) {
        chunk = in.read(1 << 20);
        if (chunk.isEmpty() && in.error() != QFileDevice::NoError)
            return false;
        if (out.write(chunk) != chunk.size())
            return false;
    }
    return in.error() == QFileDevice::NoError;
}

} // namespace

bool FsyncFolder(const QString& folder)
{
    return FsyncPath(folder, O_RDONLY | O_DIRECTORY);
}

bool FsyncFile(const QString& path)
{
    return FsyncPath(path, O_RDONLY);
}

bool WriteFileDurably(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit())
        return false;
    return FsyncFolder(FolderOf(path));
}

bool ReplaceFileAtomically(const QString& tempPath, const QString& finalPath)
{
    if (!FsyncFile(tempPath))
        return false;
    if (::rename(QFile::encodeName(tempPath).constData(), QFile::encodeName(finalPath).constData()) != 0)
        return false;
    const QString finalFolder = FolderOf(finalPath);
    bool ok = FsyncFolder(finalFolder);
    const QString tempFolder = FolderOf(tempPath);
    if (tempFolder != finalFolder)
        ok = FsyncFolder(tempFolder) && ok;
    return ok;
}

int EmptyFolder(const QString& folder)
{
    QDir dir(folder);
    if (folder.isEmpty() || !dir.exists())
        return 0;
    // System lists broken symbolic links too; NoSymLinks is not used because a
    // link is deleted as a link, never followed.
    const QStringList names =
        dir.entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    int deleted = 0;
    for (const QString& name : names) {
        if (name == kFolderLockFileName)
            continue;
        const QString path = dir.filePath(name);
        if (QFileInfo(path).isDir() && !QFileInfo(path).isSymLink())
            continue;
        if (::unlink(QFile::encodeName(path).constData()) == 0)
            ++deleted;
    }
    return deleted;
}

QString FindFileCaseInsensitive(const QString& folder, const QString& name)
{
    if (name.isEmpty())
        return {};
    const QDir dir(folder);
    const QString exact = dir.filePath(name);
    if (QFileInfo::exists(exact))
        return exact;
    if (name.contains(QLatin1Char('/')))
        return {};
    const QStringList names =
        dir.entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& candidate : names) {
        if (candidate.compare(name, Qt::CaseInsensitive) == 0)
            return dir.filePath(candidate);
    }
    return {};
}

bool CopyFileDurably(const QString& source, const QString& target)
{
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    if (!StreamInto(source, out)) {
        out.cancelWriting();
        return false;
    }
    if (!out.commit())
        return false;
    return FsyncFolder(FolderOf(target));
}

bool CopyFileIfAbsent(const QString& source, const QString& target)
{
    if (QFileInfo::exists(target) || QFileInfo(target).isSymLink())
        return false;
    // Copy under a temporary name and link it into place: link() fails when the
    // target appeared meanwhile, so an existing file is never overwritten.
    const QString temp = target + QStringLiteral(".part");
    QFile::remove(temp);
    if (!CopyFileDurably(source, temp)) {
        QFile::remove(temp);
        return false;
    }
    bool linked = ::link(QFile::encodeName(temp).constData(), QFile::encodeName(target).constData()) == 0;
    if (!linked && errno != EEXIST && !QFileInfo::exists(target) && !QFileInfo(target).isSymLink()) {
        // File systems without hard links (FAT on a flash drive): a plain rename.
        linked = ::rename(QFile::encodeName(temp).constData(), QFile::encodeName(target).constData()) == 0;
    }
    QFile::remove(temp);
    if (linked)
        FsyncFolder(FolderOf(target));
    return linked;
}

} // namespace sw
