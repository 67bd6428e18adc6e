#include "layout_io/package.h"
#include "support/fixture.h"
#include "zip_builder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace sw {
namespace {

using test::WriteZip;
using test::ZipEntry;

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Every file below root, relative to it, so a test can prove nothing was
// written outside the working folder.
QStringList FilesBelow(const QString& root)
{
    QStringList files;
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(QDir(root).relativeFilePath(it.next()));
    files.sort();
    return files;
}

class UnpackTest : public SwTest {
protected:
    QString work() const { return tempPath("root/work"); }
    QString zipPath() const { return tempPath("pkg.TABLOR"); }
};

class HostileNameTest : public UnpackTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(HostileNameTest, IsSkippedAndNothingLandsOutsideTheFolder)
{
    QDir().mkpath(work());
    writeFile("root/work/.lock", "lock");
    const QByteArray hostile = GetParam();
    ASSERT_TRUE(WriteZip(zipPath(), {{hostile, "evil"}, {"ok.txt", "fine"}}));

    UnpackReport report;
    EXPECT_TRUE(Unpack(zipPath(), work(), &report));
    ASSERT_EQ(report.skipped.size(), 1);
    EXPECT_TRUE(report.skipped.first().startsWith(QString::fromUtf8(hostile))) << report.skipped.first().toStdString();
    EXPECT_EQ(FilesBelow(tempPath("root")), QStringList({"work/.lock", "work/ok.txt"}));
    EXPECT_EQ(ReadAll(work() + "/.lock"), "lock");
    EXPECT_FALSE(QFileInfo::exists(tempPath("evil.txt")));
    EXPECT_FALSE(QFileInfo::exists(tempPath("abs.txt")));
}

INSTANTIATE_TEST_SUITE_P(Names, HostileNameTest,
                         ::testing::Values("../evil.txt", "..\\evil.txt", "sub/../../evil.txt", "sub/x.txt",
                                           "sub\\x.txt", "C:\\evil.txt", "c:evil.txt", "/abs.txt", "\\abs.txt",
                                           "..", ".lock", "dir/"));

TEST_F(UnpackTest, AbsoluteNameInsideTheTestFolderIsRefused)
{
    const QByteArray absolute = QFile::encodeName(tempPath("abs.txt"));
    ASSERT_TRUE(WriteZip(zipPath(), {{absolute, "evil"}}));
    UnpackReport report;
    EXPECT_TRUE(Unpack(zipPath(), work(), &report));
    EXPECT_EQ(report.skipped.size(), 1);
    EXPECT_FALSE(QFileInfo::exists(tempPath("abs.txt")));
}

TEST_F(UnpackTest, SymlinkEntriesAndPlantedLinksAreNotFollowed)
{
    writeFile("outside.txt", "precious");
    QDir().mkpath(work());
    // A link already in the folder under an entry's name must not redirect the write.
    ASSERT_TRUE(QFile::link(tempPath("outside.txt"), work() + "/ok.txt"));
    ASSERT_TRUE(WriteZip(zipPath(), {{"link.txt", "../outside.txt", 0120777ul << 16}, {"ok.txt", "fine"}}));

    UnpackReport report;
    EXPECT_TRUE(Unpack(zipPath(), work(), &report));
    ASSERT_EQ(report.skipped.size(), 1);
    EXPECT_TRUE(report.skipped.first().contains("symbolic link"));
    EXPECT_FALSE(QFileInfo(work() + "/link.txt").exists() || QFileInfo(work() + "/link.txt").isSymLink());
    EXPECT_FALSE(QFileInfo(work() + "/ok.txt").isSymLink());
    EXPECT_EQ(ReadAll(work() + "/ok.txt"), "fine");
    EXPECT_EQ(ReadAll(tempPath("outside.txt")), "precious");
}

TEST_F(UnpackTest, OversizedEntryIsCutOffAndRemoved)
{
    // 8 MiB of zeros deflate to a few KiB: the header sizes are not what stops it.
    ASSERT_TRUE(WriteZip(zipPath(), {{"bomb.bin", QByteArray(8 << 20, '\0')}, {"ok.txt", "fine"}}));
    ASSERT_LT(QFileInfo(zipPath()).size(), 64 * 1024);
    UnpackLimits limits;
    limits.maxEntryBytes = 1 << 20;
    UnpackReport report;
    EXPECT_TRUE(Unpack(zipPath(), work(), &report, limits));
    ASSERT_EQ(report.skipped.size(), 1);
    EXPECT_TRUE(report.skipped.first().startsWith("bomb.bin"));
    EXPECT_EQ(FilesBelow(work()), QStringList({"ok.txt"}));
}

TEST_F(UnpackTest, TotalAndEntryCountCapsStopTheUnpack)
{
    const QByteArray chunk(600 * 1024, 'x');
    ASSERT_TRUE(WriteZip(zipPath(), {{"a.bin", chunk}, {"b.bin", chunk}, {"c.bin", chunk}}));
    UnpackLimits bytesCap;
    bytesCap.maxTotalBytes = 1 << 20;
    UnpackReport report;
    EXPECT_FALSE(Unpack(zipPath(), work(), &report, bytesCap));
    EXPECT_FALSE(report.error.isEmpty());
    EXPECT_EQ(FilesBelow(work()), QStringList({"a.bin"})) << "the entry that crossed the cap is removed";

    UnpackLimits countCap;
    countCap.maxEntries = 2;
    EXPECT_FALSE(Unpack(zipPath(), tempPath("second"), &report, countCap));
    EXPECT_FALSE(report.error.isEmpty());
    EXPECT_EQ(FilesBelow(tempPath("second")), QStringList({"a.bin", "b.bin"}));
}

TEST_F(UnpackTest, OlderEntryNamesTakeCurrentNames)
{
    ASSERT_TRUE(WriteZip(zipPath(), {{"Lunch-TABLORBGD.jpg", "bg"}, {"TablorLayout_Lunch.XTABLOR", "doc"},
                                     {"Fries.png", "pic"}}));
    ASSERT_TRUE(Unpack(zipPath(), work(), nullptr));
    EXPECT_EQ(FilesBelow(work()), QStringList({"Background.jpg", "Fries.png", "Layout.XTABLOR"}));
    EXPECT_EQ(ReadAll(work() + "/Background.jpg"), "bg");
    EXPECT_EQ(ReadAll(work() + "/Layout.XTABLOR"), "doc");

    // When the current name is already taken the entry keeps its own.
    ASSERT_TRUE(WriteZip(zipPath(), {{"Background.jpg", "new"}, {"Old-TABLORBGD.jpg", "old"}}));
    ASSERT_TRUE(Unpack(zipPath(), tempPath("both"), nullptr));
    EXPECT_EQ(ReadAll(tempPath("both/Background.jpg")), "new");
    EXPECT_EQ(ReadAll(tempPath("both/Old-TABLORBGD.jpg")), "old");
}

TEST_F(UnpackTest, UnreadableArchivesFailWithAMessage)
{
    ASSERT_TRUE(WriteZip(zipPath(), {{"Background.jpg", QByteArray(4000, 'b')}, {"Layout.XTABLOR", "doc"}}));
    const QByteArray whole = ReadAll(zipPath());
    const QString truncated = writeFile("truncated.TABLOR", whole.left(whole.size() / 2));
    const QString text = writeFile("text.TABLOR", "this is not an archive");
    const QString empty = writeFile("empty.TABLOR", "");
    for (const QString& path : {truncated, text, empty, tempPath("missing.TABLOR")}) {
        UnpackReport report;
        EXPECT_FALSE(Unpack(path, work(), &report)) << path.toStdString();
        EXPECT_FALSE(report.error.isEmpty());
    }
    EXPECT_TRUE(FilesBelow(work()).isEmpty());
}

TEST_F(UnpackTest, CorruptEntryDataIsReportedAndRemoved)
{
    const QByteArray payload(3000, 'P');
    ASSERT_TRUE(WriteZip(zipPath(), {{"stored.bin", payload, 0, 0}, {"ok.txt", "fine"}}));
    QByteArray bytes = ReadAll(zipPath());
    const qsizetype at = bytes.indexOf(payload);
    ASSERT_GE(at, 0);
    bytes[at + 1500] = 'Q';
    const QString corrupt = writeFile("corrupt.TABLOR", bytes);

    UnpackReport report;
    EXPECT_TRUE(Unpack(corrupt, work(), &report));
    ASSERT_EQ(report.skipped.size(), 1);
    EXPECT_TRUE(report.skipped.first().contains("CRC")) << report.skipped.first().toStdString();
    EXPECT_EQ(FilesBelow(work()), QStringList({"ok.txt"}));
}

} // namespace
} // namespace sw
