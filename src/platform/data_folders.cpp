#include "platform/data_folders.h"

#include "platform/files.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sw {
namespace {

const QString kProgramDataSubfolder = QStringLiteral("Moru Design");
const QString kWorkFolderPrefix = QStringLiteral("ZPF");
// Enough for any number of copies started within one second.
constexpr int kMaxNameAttempts = 1000;

int OpenLockFile(const QString& folder)
{
    const QByteArray lockPath = QFile::encodeName(QDir(folder).filePath(kFolderLockFileName));
    int fd;
    do {
        fd = ::open(lockPath.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

bool TryLock(int fd)
{
    int r;
    do {
        r = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (r != 0 && errno == EINTR);
    return r == 0;
}

// True when fd is still the file at the lock path: a remover may have deleted
// the folder between our mkdir and our flock.
bool LockFileStillInPlace(int fd, const QString& folder)
{
    struct stat held {}, onDisk {};
    if (::fstat(fd, &held) != 0)
        return false;
    const QByteArray lockPath = QFile::encodeName(QDir(folder).filePath(kFolderLockFileName));
    if (::lstat(lockPath.constData(), &onDisk) != 0)
        return false;
    return held.st_dev == onDisk.st_dev && held.st_ino == onDisk.st_ino;
}

} // namespace

QString ProgramDataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QLatin1Char('/') +
           kProgramDataSubfolder;
}

QString WorkFolderBaseName(qint64 secondsSinceEpoch)
{
    const auto low = static_cast<std::int32_t>(static_cast<std::uint32_t>(secondsSinceEpoch & 0xFFFFFFFF));
    return kWorkFolderPrefix + QString::number(low);
}

WorkFolder::WorkFolder()
{
    create(ProgramDataFolder(), QDateTime::currentSecsSinceEpoch());
}

WorkFolder::WorkFolder(const QString& parentFolder, qint64 startSeconds)
{
    create(parentFolder, startSeconds);
}

WorkFolder::~WorkFolder()
{
    if (lockFd_ >= 0)
        ::close(lockFd_);
}

void WorkFolder::create(const QString& parentFolder, qint64 startSeconds)
{
    if (parentFolder.isEmpty() || !QDir().mkpath(parentFolder))
        return;
    const QString base = QDir(parentFolder).filePath(WorkFolderBaseName(startSeconds));
    for (int attempt = 1; attempt <= kMaxNameAttempts; ++attempt) {
        const QString candidate = attempt == 1 ? base : base + QLatin1Char('_') + QString::number(attempt);
        if (::mkdir(QFile::encodeName(candidate).constData(), 0700) != 0) {
            if (errno == EEXIST)
                continue;
            return;
        }
        const int fd = OpenLockFile(candidate);
        if (fd < 0)
            continue;
        if (TryLock(fd) && LockFileStillInPlace(fd, candidate)) {
            path_ = candidate;
            lockFd_ = fd;
            return;
        }
        ::close(fd);
    }
}

void WorkFolder::Remove()
{
    if (path_.isEmpty())
        return;
    EmptyFolder(path_);
    QDir dir(path_);
    for (const QString& sub : dir.entryList(QDir::Dirs | QDir::NoSymLinks | QDir::Hidden | QDir::NoDotAndDotDot))
        QDir(dir.filePath(sub)).removeRecursively();
    // The lock file goes last, while we still hold it, so no other copy takes
    // the half-removed folder for a dead one.
    QFile::remove(dir.filePath(kFolderLockFileName));
    QDir().rmdir(path_);
    if (lockFd_ >= 0) {
        ::close(lockFd_);
        lockFd_ = -1;
    }
}

int RemoveObsoleteZPFFolders()
{
    return RemoveObsoleteZPFFolders(ProgramDataFolder());
}

int RemoveObsoleteZPFFolders(const QString& parentFolder)
{
    const QDir parent(parentFolder);
    if (parentFolder.isEmpty() || !parent.exists())
        return 0;
    int removed = 0;
    const QStringList names = parent.entryList({kWorkFolderPrefix + QLatin1Char('*')},
                                               QDir::Dirs | QDir::NoSymLinks | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString& name : names) {
        if (!name.startsWith(kWorkFolderPrefix)) // the name filter ignores case
            continue;
        const QString folder = parent.filePath(name);
        const int fd = OpenLockFile(folder);
        if (fd < 0)
            continue;
        if (TryLock(fd)) {
            EmptyFolder(folder);
            if (QDir(folder).removeRecursively())
                ++removed;
        }
        ::close(fd);
    }
    return removed;
}

} // namespace sw
