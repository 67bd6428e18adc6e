#include "layout_io/package.h"
#include "platform/files.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>

#include <unzip.h>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace sw {
namespace {

constexpr uLong kUtf8NameFlag = 1u << 11;
constexpr uLong kEncryptedFlag = 1u << 0;
constexpr uLong kUnixHost = 3;
constexpr uLong kDosDirectoryAttribute = 0x10;

// Markers in entry names of older packages and the names they stand for.
const QString kOldBackgroundMarker = QStringLiteral("TABLORBGD");
const QString kOldDocumentMarker = QStringLiteral("TablorLayout");

QString DecodeName(const QByteArray& raw, uLong flags)
{
    if (!(flags & kUtf8NameFlag)) {
        // Windows packers often leave the flag off; take valid UTF-8 as such.
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString decoded = utf8(raw);
        return utf8.hasError() ? QString::fromLatin1(raw) : decoded;
    }
    return QString::fromUtf8(raw);
}

// Why an entry name may not become a file directly inside the working folder,
// or an empty string when it may.
QString NameRefusal(const QString& name)
{
    if (name.isEmpty())
        return QStringLiteral("empty name");
    if (name.startsWith(QLatin1Char('/')) || name.startsWith(QLatin1Char('\\')))
        return QStringLiteral("absolute path");
    if (name.size() >= 2 && name.at(1) == QLatin1Char(':') && name.at(0).isLetter())
        return QStringLiteral("drive prefix");
    QString unified = name;
    unified.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (unified.split(QLatin1Char('/')).contains(QStringLiteral("..")))
        return QStringLiteral("parent folder reference");
    if (unified.contains(QLatin1Char('/')))
        return QStringLiteral("entry inside a folder");
    if (name == QLatin1String("."))
        return QStringLiteral("not a file name");
    if (name == kFolderLockFileName)
        return QStringLiteral("reserved name");
    for (const QChar c : name) {
        if (c.unicode() < 0x20)
            return QStringLiteral("control character in name");
    }
    return {};
}

QString TypeRefusal(const unz_file_info64& info)
{
    if (info.flag & kEncryptedFlag)
        return QStringLiteral("encrypted entry");
    const uLong mode = (info.external_fa >> 16) & 0170000u;
    if (mode == 0120000u)
        return QStringLiteral("symbolic link");
    if (mode == 0040000u || ((info.version >> 8) != kUnixHost && (info.external_fa & kDosDirectoryAttribute)))
        return QStringLiteral("folder entry");
    if (mode != 0 && mode != 0100000u)
        return QStringLiteral("not a plain file");
    return {};
}

bool WriteAll(int fd, const char* data, size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

enum class EntryOutcome { Extracted, Skipped, StopAll };

class Extractor {
public:
    Extractor(unzFile unz, int folderFd, const UnpackLimits& limits, UnpackReport* report)
        : unz_(unz), dirFd_(folderFd), limits_(limits), report_(report), buffer_(1 << 16)
    {
    }

    EntryOutcome extractCurrent()
    {
        unz_file_info64 info{};
        if (unzGetCurrentFileInfo64(unz_, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK) {
            report_->error = QStringLiteral("the archive's directory is damaged");
            return EntryOutcome::StopAll;
        }
        QByteArray raw(static_cast<qsizetype>(info.size_filename), '\0');
        if (unzGetCurrentFileInfo64(unz_, &info, raw.data(), static_cast<uLong>(raw.size()), nullptr, 0, nullptr,
                                    0) != UNZ_OK) {
            report_->error = QStringLiteral("the archive's directory is damaged");
            return EntryOutcome::StopAll;
        }
        const QString name = DecodeName(raw, info.flag);
        QString reason = raw.contains('\0') ? QStringLiteral("NUL in name") : NameRefusal(name);
        if (reason.isEmpty())
            reason = TypeRefusal(info);
        if (!reason.isEmpty())
            return skip(name, reason);

        const QByteArray fsName = QFile::encodeName(name);
        struct stat st {};
        if (::fstatat(dirFd_, fsName.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0) {
            if (S_ISDIR(st.st_mode))
                return skip(name, QStringLiteral("a folder of that name exists"));
            ::unlinkat(dirFd_, fsName.constData(), 0);
        }
        const int fd = ::openat(dirFd_, fsName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (fd < 0)
            return skip(name, QStringLiteral("cannot create the file (%1)").arg(QString::fromLocal8Bit(strerror(errno))));

        const EntryOutcome outcome = copyCurrent(fd, name);
        ::close(fd);
        if (outcome != EntryOutcome::Extracted) {
            ::unlinkat(dirFd_, fsName.constData(), 0);
            return outcome;
        }
        giveCurrentName(name);
        return EntryOutcome::Extracted;
    }

private:
    EntryOutcome skip(const QString& name, const QString& reason)
    {
        report_->skipped.append(name + QStringLiteral(": ") + reason);
        return EntryOutcome::Skipped;
    }

    // Inflates the current entry into fd, counting what really comes out rather
    // than trusting the sizes the headers claim.
    EntryOutcome copyCurrent(int fd, const QString& name)
    {
        if (unzOpenCurrentFile(unz_) != UNZ_OK)
            return skip(name, QStringLiteral("cannot be read"));
        std::uint64_t entryBytes = 0;
        for (;;) {
            const int n = unzReadCurrentFile(unz_, buffer_.data(), static_cast<unsigned>(buffer_.size()));
            if (n == 0)
                break;
            if (n < 0) {
                unzCloseCurrentFile(unz_);
                return skip(name, QStringLiteral("damaged data"));
            }
            entryBytes += static_cast<std::uint64_t>(n);
            totalBytes_ += static_cast<std::uint64_t>(n);
            if (entryBytes > limits_.maxEntryBytes) {
                unzCloseCurrentFile(unz_);
                return skip(name, QStringLiteral("larger than %1 bytes").arg(limits_.maxEntryBytes));
            }
            if (totalBytes_ > limits_.maxTotalBytes) {
                unzCloseCurrentFile(unz_);
                skip(name, QStringLiteral("the package unpacks to more than %1 bytes").arg(limits_.maxTotalBytes));
                report_->error = QStringLiteral("the package unpacks to more than %1 bytes").arg(limits_.maxTotalBytes);
                return EntryOutcome::StopAll;
            }
            if (!WriteAll(fd, buffer_.data(), static_cast<size_t>(n))) {
                unzCloseCurrentFile(unz_);
                return skip(name, QStringLiteral("cannot write the file (%1)").arg(QString::fromLocal8Bit(strerror(errno))));
            }
        }
        const int closed = unzCloseCurrentFile(unz_);
        if (closed == UNZ_CRCERROR)
            return skip(name, QStringLiteral("CRC error"));
        if (closed != UNZ_OK)
            return skip(name, QStringLiteral("damaged data"));
        return EntryOutcome::Extracted;
    }

    // Entries of older packages take today's names, unless a file of that
    // name is already there (then the entry keeps its own name).
    void giveCurrentName(const QString& name)
    {
        QString target;
        if (name.contains(kOldBackgroundMarker))
            target = kBackgroundEntryName;
        else if (name.contains(kOldDocumentMarker))
            target = kLayoutDocumentEntryName;
        if (target.isEmpty() || target == name)
            return;
        const QByteArray from = QFile::encodeName(name);
        const QByteArray to = QFile::encodeName(target);
        if (::linkat(dirFd_, from.constData(), dirFd_, to.constData(), 0) == 0) {
            ::unlinkat(dirFd_, from.constData(), 0);
            return;
        }
        // File systems without hard links: a rename, still never over a file.
        struct stat st {};
        if (errno != EEXIST && ::fstatat(dirFd_, to.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0 && errno == ENOENT)
            ::renameat(dirFd_, from.constData(), dirFd_, to.constData());
    }

    unzFile unz_;
    int dirFd_;
    UnpackLimits limits_;
    UnpackReport* report_;
    std::vector<char> buffer_;
    std::uint64_t totalBytes_ = 0;
};

} // namespace

bool Unpack(const QString& packagePath, const QString& workFolder, UnpackReport* report, const UnpackLimits& limits)
{
    UnpackReport local;
    UnpackReport* out = report ? report : &local;
    out->skipped.clear();
    out->error.clear();

    if (workFolder.isEmpty() || !QDir().mkpath(workFolder)) {
        out->error = QStringLiteral("cannot create the working folder %1").arg(workFolder);
        return false;
    }
    unzFile unz = unzOpen64(QFile::encodeName(packagePath).constData());
    if (!unz) {
        out->error = QStringLiteral("%1 cannot be read as a ZIP archive").arg(packagePath);
        return false;
    }
    const int dirFd = ::open(QFile::encodeName(workFolder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0) {
        unzClose(unz);
        out->error = QStringLiteral("cannot open the working folder %1").arg(workFolder);
        return false;
    }

    Extractor extractor(unz, dirFd, limits, out);
    bool ok = true;
    std::uint64_t entries = 0;
    int step = unzGoToFirstFile(unz);
    while (step == UNZ_OK) {
        if (++entries > limits.maxEntries) {
            out->error = QStringLiteral("the package holds more than %1 entries").arg(limits.maxEntries);
            ok = false;
            break;
        }
        if (extractor.extractCurrent() == EntryOutcome::StopAll) {
            ok = false;
            break;
        }
        step = unzGoToNextFile(unz);
    }
    if (ok && step != UNZ_END_OF_LIST_OF_FILE) {
        out->error = QStringLiteral("the archive's directory is damaged");
        ok = false;
    }
    ::close(dirFd);
    unzClose(unz);
    return ok;
}

} // namespace sw
