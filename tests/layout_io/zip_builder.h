#pragma once
// Builds small ZIP archives entry by entry for the package tests, including
// entries a well-behaved packer would never write (hostile names, symbolic
// links, huge inflated sizes).
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <vector>

#include <unzip.h>
#include <zip.h>

namespace sw::test {

struct ZipEntry {
    QByteArray name;
    QByteArray data;
    unsigned long externalAttributes = 0; // unix mode in the high 16 bits
    int method = Z_DEFLATED;
};

inline bool WriteZip(const QString& path, const std::vector<ZipEntry>& entries)
{
    zipFile zip = zipOpen64(QFile::encodeName(path).constData(), APPEND_STATUS_CREATE);
    if (!zip)
        return false;
    bool ok = true;
    for (const ZipEntry& e : entries) {
        zip_fileinfo info{};
        info.tmz_date.tm_year = 2024;
        info.tmz_date.tm_mday = 1;
        info.external_fa = e.externalAttributes;
        const unsigned long madeBy = e.externalAttributes ? (3ul << 8) | 20 : 0;
        ok = ok && zipOpenNewFileInZip4_64(zip, e.name.constData(), &info, nullptr, 0, nullptr, 0, nullptr, e.method,
                                           e.method ? Z_BEST_COMPRESSION : 0, 0, -MAX_WBITS, DEF_MEM_LEVEL,
                                           Z_DEFAULT_STRATEGY, nullptr, 0, madeBy, 1u << 11, 0) == ZIP_OK;
        ok = ok && (e.data.isEmpty() ||
                    zipWriteInFileInZip(zip, e.data.constData(), static_cast<unsigned>(e.data.size())) == ZIP_OK);
        ok = ok && zipCloseFileInZip(zip) == ZIP_OK;
    }
    return zipClose(zip, nullptr) == ZIP_OK && ok;
}

// Entry names in archive order; empty when the archive cannot be read.
inline QStringList ZipEntryNames(const QString& path)
{
    QStringList names;
    unzFile unz = unzOpen64(QFile::encodeName(path).constData());
    if (!unz)
        return names;
    for (int r = unzGoToFirstFile(unz); r == UNZ_OK; r = unzGoToNextFile(unz)) {
        char name[1024] = {};
        unz_file_info64 info{};
        unzGetCurrentFileInfo64(unz, &info, name, sizeof name - 1, nullptr, 0, nullptr, 0);
        names.append(QString::fromUtf8(name));
    }
    unzClose(unz);
    return names;
}

} // namespace sw::test
