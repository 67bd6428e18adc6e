#include "platform/data_folders.h"
#include "platform/files.h"
#include "platform/window_title.h"
#include "support/fixture.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <memory>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

namespace sw {
namespace {

class DataFoldersTest : public SwTest {
protected:
    QString parent() const { return tempPath("xdg/data/Moru Design"); }
};

TEST_F(DataFoldersTest, ProgramDataFolderFollowsXdgDataHome)
{
    EXPECT_EQ(ProgramDataFolder(), parent());
}

struct NameCase {
    qint64 seconds;
    const char* name;
};
class WorkFolderNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(WorkFolderNameTest, SignedLow32BitsOfTheTime)
{
    EXPECT_EQ(WorkFolderBaseName(GetParam().seconds), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(Times, WorkFolderNameTest,
                         ::testing::Values(NameCase{1733692800, "ZPF1733692800"}, NameCase{0, "ZPF0"},
                                           NameCase{2147483648LL, "ZPF-2147483648"},
                                           NameCase{4294967295LL, "ZPF-1"}, NameCase{4294967296LL + 5, "ZPF5"}));

TEST_F(DataFoldersTest, CopiesStartedInTheSameSecondGetTheirOwnFolders)
{
    WorkFolder first;
    WorkFolder second(parent(), QDateTime::currentSecsSinceEpoch());
    WorkFolder third(parent(), QDateTime::currentSecsSinceEpoch());
    ASSERT_TRUE(first.isValid() && second.isValid() && third.isValid());
    EXPECT_TRUE(first.path().startsWith(parent() + "/ZPF"));
    EXPECT_NE(first.path(), second.path());
    EXPECT_NE(second.path(), third.path());
    EXPECT_NE(first.path(), third.path());
    for (const WorkFolder* w : {&first, &second, &third})
        EXPECT_TRUE(QFileInfo(w->path()).isDir());
}

TEST_F(DataFoldersTest, StartUpCleanupSparesLiveFoldersAndRemovesDeadOnes)
{
    auto live = std::make_unique<WorkFolder>(parent(), 1000);
    ASSERT_TRUE(live->isValid());
    writeFile("xdg/data/Moru Design/ZPF1000/Background.jpg", "live");
    {
        WorkFolder dead(parent(), 2000); // its copy ended: the lock is gone
        ASSERT_TRUE(dead.isValid());
    }
    writeFile("xdg/data/Moru Design/ZPF2000/Layout.XTABLOR", "dead");
    writeFile("xdg/data/Moru Design/ZPF2000/sub/x.jpg", "dead");
    writeFile("xdg/data/Moru Design/ZPF3000/left-by-an-old-version.jpg", "no lock file at all");
    writeFile("xdg/data/Moru Design/zpf4000/other.txt", "not ours: lower case");
    writeFile("xdg/data/Moru Design/print.jpg", "not a folder");

    EXPECT_EQ(RemoveObsoleteZPFFolders(), 2);
    QStringList left = QDir(parent()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    left.sort(Qt::CaseSensitive);
    EXPECT_EQ(left, QStringList({"ZPF1000", "print.jpg", "zpf4000"}));
    EXPECT_TRUE(QFileInfo::exists(live->path() + "/Background.jpg"));

    // At shutdown the folder goes with everything in it.
    writeFile("xdg/data/Moru Design/ZPF1000/sub/y.jpg", "y");
    live->Remove();
    EXPECT_FALSE(QFileInfo::exists(parent() + "/ZPF1000"));
    EXPECT_EQ(RemoveObsoleteZPFFolders(tempPath("nowhere")), 0);
}

TEST_F(DataFoldersTest, LockHeldByAnotherProcessSparesTheFolder)
{
    {
        WorkFolder w(parent(), 5000);
        ASSERT_TRUE(w.isValid());
    }
    const QByteArray lockPath = QFile::encodeName(parent() + "/ZPF5000/" + kFolderLockFileName);
    int ready[2];
    int release[2];
    ASSERT_EQ(pipe(ready), 0);
    ASSERT_EQ(pipe(release), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const int fd = ::open(lockPath.constData(), O_RDWR);
        char c = (fd >= 0 && ::flock(fd, LOCK_EX) == 0) ? 'y' : 'n';
        (void)!::write(ready[1], &c, 1);
        (void)!::read(release[0], &c, 1);
        _exit(0);
    }
    char c = 0;
    ASSERT_EQ(::read(ready[0], &c, 1), 1);
    ASSERT_EQ(c, 'y');
    EXPECT_EQ(RemoveObsoleteZPFFolders(), 0);
    EXPECT_TRUE(QFileInfo(parent() + "/ZPF5000").isDir());

    (void)!::write(release[1], &c, 1);
    int status = 0;
    waitpid(child, &status, 0);
    for (int fd : {ready[0], ready[1], release[0], release[1]})
        ::close(fd);
    EXPECT_EQ(RemoveObsoleteZPFFolders(), 1);
    EXPECT_FALSE(QFileInfo::exists(parent() + "/ZPF5000"));
}

TEST_F(DataFoldersTest, EmptyingTheWorkFolderKeepsItLocked)
{
    WorkFolder w(parent(), 6000);
    writeFile("xdg/data/Moru Design/ZPF6000/a.jpg", "a");
    EmptyFolder(w.path());
    EXPECT_EQ(RemoveObsoleteZPFFolders(), 0);
    EXPECT_TRUE(QFileInfo::exists(w.path() + "/" + kFolderLockFileName));
    EXPECT_FALSE(QFileInfo::exists(w.path() + "/a.jpg"));
}

TEST(WindowTitle, NameAndVersionThenTheFile)
{
    EXPECT_EQ(ComposeWindowTitle(QString()), "Tablor Studio Editor 3.0 Ver 3.0.38.2");
    EXPECT_EQ(ComposeWindowTitle("Lunch.TABLOR"),
              "Tablor Studio Editor 3.0 Ver 3.0.38.2      TablorFile : Lunch.TABLOR");
}

} // namespace
} // namespace sw
