// The application's life on our platform: the working folder exists while the
// window runs and is gone on every way out; the command-line layout opens on
// the first paint and names itself in the title.
#include "app/signwright_app.h"
#include "platform/data_folders.h"
#include "platform/window_title.h"
#include "support/fixture.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

using namespace sw;

namespace {

class SignwrightAppTest : public SwTest {
protected:
    QString samplePackage()
    {
        const QString source = sourceDir() + "/samples/Sample_LAYOUT.TABLOR";
        const QString copy = tempPath("Sample_LAYOUT.TABLOR");
        QFile::copy(source, copy);
        return copy;
    }
    // Any message box left open would hang the test: answer it with Escape.
    void dismissStrayDialogs()
    {
        auto* guard = new QTimer(qApp);
        QObject::connect(guard, &QTimer::timeout, [] {
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
        });
        guard->start(500);
        guards_.push_back(guard);
    }
    void TearDown() override
    {
        for (QTimer* t : guards_)
            delete t;
        SwTest::TearDown();
    }
    std::vector<QTimer*> guards_;
};

TEST_F(SignwrightAppTest, TheCommandLineLayoutOpensOnFirstPaintAndTheWorkingFolderGoesWithTheWindow)
{
    const QString package = samplePackage();
    ASSERT_TRUE(QFileInfo::exists(package));
    // A folder a crashed copy left behind (nobody holds its lock).
    const QString stale = ProgramDataFolder() + "/ZPF12345";
    ASSERT_TRUE(QDir().mkpath(stale));
    dismissStrayDialogs();

    CSignwrightApp app(package);
    QString workFolder;
    QString title;
    bool folderWhileRunning = false;
    QElapsedTimer clock;
    clock.start();
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, [&] {
        MainWindow* w = app.window();
        if (!w)
            return;
        workFolder = app.workFolderPath();
        folderWhileRunning = !workFolder.isEmpty() && QFileInfo(workFolder).isDir();
        title = w->windowTitle();
        if (title.contains("TablorFile") || clock.elapsed() > 20000)
            w->close(); // nothing was edited: no question
    });
    poll->start(100);
    const int status = app.InitInstance();
    delete poll;

    EXPECT_EQ(status, 0);
    EXPECT_FALSE(QFileInfo::exists(stale));
    EXPECT_TRUE(folderWhileRunning);
    EXPECT_TRUE(title.startsWith(ComposeWindowTitle("Sample_LAYOUT.TABLOR"))) << title.toStdString();
    EXPECT_EQ(ComposeWindowTitle("Sample_LAYOUT.TABLOR"),
              "Tablor Studio Editor 3.0 Ver 3.0.38.2      TablorFile : Sample_LAYOUT.TABLOR");
    ASSERT_FALSE(workFolder.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(workFolder));
}

TEST_F(SignwrightAppTest, WithoutAFileTheTitleNamesOnlyTheProgramAndTheFolderIsRemovedAfterwards)
{
    dismissStrayDialogs();
    QString workFolder;
    {
        CSignwrightApp app(QString{});
        ASSERT_TRUE(app.Start());
        workFolder = app.workFolderPath();
        EXPECT_TRUE(QFileInfo(workFolder).isDir());
        EXPECT_EQ(app.window()->windowTitle(), ComposeWindowTitle(QString()));
        // Every way out removes it, also when the object simply goes away.
    }
    EXPECT_FALSE(QFileInfo::exists(workFolder));
}

} // namespace
