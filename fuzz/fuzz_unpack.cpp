// libFuzzer target for the layout package reader: the bytes become a package
// file that is unpacked into a scratch folder, which is then emptied again.
// Build example (not part of the default build):
//   clang++ -std=c++20 -g -fsanitize=fuzzer,address,undefined -I src $(pkg-config --cflags Qt6Core minizip) \
//     fuzz/fuzz_unpack.cpp src/layout_io/package_unpack.cpp src/platform/files.cpp \
//     $(pkg-config --libs Qt6Core minizip) -lz -o fuzz_unpack
#include "layout_io/package.h"
#include "platform/files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static QTemporaryDir scratch;
    if (!scratch.isValid())
        return 0;
    const QString package = scratch.filePath(QStringLiteral("input.TABLOR"));
    const QString work = scratch.filePath(QStringLiteral("work"));
    {
        QFile file(package);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    // Small caps keep each run fast; the logic under test is the same.
    sw::UnpackLimits limits;
    limits.maxEntryBytes = 4u << 20;
    limits.maxTotalBytes = 16u << 20;
    limits.maxEntries = 256;
    sw::UnpackReport report;
    sw::Unpack(package, work, &report, limits);

    // Anything outside the working folder besides the input means an escape.
    const QStringList outside =
        QDir(scratch.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    if (outside.size() != 2)
        __builtin_trap();
    QDir(work).removeRecursively();
    return 0;
}
