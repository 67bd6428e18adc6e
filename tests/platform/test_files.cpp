#include "platform/files.h"
#include "support/fixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace sw {
namespace {

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class FilesTest : public SwTest {};

TEST_F(FilesTest, EmptyFolderDeletesEveryFileButNotFoldersLinkTargetsOrTheLock)
{
    for (int i = 0; i < 150; ++i)
        writeFile(QString("work/file%1.jpg").arg(i), "x");
    writeFile("work/.hidden", "h");
    writeFile("work/.lock", "lock");
    writeFile("work/sub/kept.txt", "k");
    writeFile("outside.txt", "precious");
    ASSERT_TRUE(QFile::link(tempPath("outside.txt"), tempPath("work/link.txt")));

    EXPECT_EQ(EmptyFolder(tempPath("work")), 152);
    EXPECT_EQ(QDir(tempPath("work")).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
              QStringList({".lock", "sub"}));
    EXPECT_EQ(ReadAll(tempPath("outside.txt")), "precious");
    EXPECT_EQ(ReadAll(tempPath("work/sub/kept.txt")), "k");
    EXPECT_EQ(EmptyFolder(tempPath("missing")), 0);
    EXPECT_EQ(EmptyFolder(QString()), 0);
}

TEST_F(FilesTest, FindFileCaseInsensitive)
{
    writeFile("f/Background.JPG", "bg");
    writeFile("f/fries.png", "lower");
    writeFile("f/Fries.png", "exact");
    EXPECT_EQ(FindFileCaseInsensitive(tempPath("f"), "Fries.png"), tempPath("f/Fries.png"));
    EXPECT_EQ(FindFileCaseInsensitive(tempPath("f"), "background.jpg"), tempPath("f/Background.JPG"));
    EXPECT_EQ(FindFileCaseInsensitive(tempPath("f"), "burger.png"), QString());
    EXPECT_EQ(FindFileCaseInsensitive(tempPath("f"), QString()), QString());
    EXPECT_EQ(FindFileCaseInsensitive(tempPath("nowhere"), "x"), QString());
}

TEST_F(FilesTest, DurableWritesReplaceWholeAndLeaveNoTemporaries)
{
    const QString target = writeFile("d/doc.txt", "old");
    ASSERT_TRUE(WriteFileDurably(target, "new content"));
    EXPECT_EQ(ReadAll(target), "new content");
    EXPECT_EQ(QDir(tempPath("d")).entryList(QDir::Files | QDir::Hidden), QStringList({"doc.txt"}));
    EXPECT_FALSE(WriteFileDurably(tempPath("no/such/folder/doc.txt"), "x"));

    const QString temp = writeFile("d/doc.zip", "replacement");
    ASSERT_TRUE(ReplaceFileAtomically(temp, target));
    EXPECT_EQ(ReadAll(target), "replacement");
    EXPECT_FALSE(QFileInfo::exists(temp));

    // A failing rename keeps both files as they were.
    const QString temp2 = writeFile("d/other.zip", "second");
    QDir().mkpath(tempPath("d/dir/inside"));
    EXPECT_FALSE(ReplaceFileAtomically(temp2, tempPath("d/dir")));
    EXPECT_EQ(ReadAll(temp2), "second");
    EXPECT_FALSE(ReplaceFileAtomically(tempPath("d/missing.zip"), target));
    EXPECT_EQ(ReadAll(target), "replacement");
}

TEST_F(FilesTest, CopyHelpers)
{
    const QString source = writeFile("src.ttf", "font");
    writeFile("dst/existing.ttf", "mine");
    EXPECT_FALSE(CopyFileIfAbsent(source, tempPath("dst/existing.ttf")));
    EXPECT_EQ(ReadAll(tempPath("dst/existing.ttf")), "mine");
    EXPECT_TRUE(CopyFileIfAbsent(source, tempPath("dst/new.ttf")));
    EXPECT_EQ(ReadAll(tempPath("dst/new.ttf")), "font");
    EXPECT_FALSE(CopyFileIfAbsent(tempPath("missing.ttf"), tempPath("dst/other.ttf")));
    EXPECT_FALSE(QFileInfo::exists(tempPath("dst/other.ttf")));

    EXPECT_TRUE(CopyFileDurably(source, tempPath("dst/existing.ttf")));
    EXPECT_EQ(ReadAll(tempPath("dst/existing.ttf")), "font");
    EXPECT_EQ(QDir(tempPath("dst")).entryList(QDir::Files | QDir::Hidden), QStringList({"existing.ttf", "new.ttf"}));
}

} // namespace
} // namespace sw
