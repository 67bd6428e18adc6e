#include "editor_fixture.h"

#include "layout_io/document_writer.h"
#include "layout_io/package.h"

#include <QDir>
#include <QImage>

namespace sw::test {

void EditorTest::SetUp()
{
    SwTest::SetUp();
    QDir().mkpath(workFolder());
    QDir().mkpath(programFolder());
    QDir().mkpath(dataFolder());
}

CSignwrightDlg& EditorTest::makeDialog(const QString& commandLine)
{
    EditorEnvironment env;
    env.WorkFolder = workFolder();
    env.ProgramDataFolder = dataFolder();
    env.ProgramFolder = programFolder();
    env.CommandLineLayoutPath = commandLine;
    dlg = std::make_unique<CSignwrightDlg>(controls, prompter, env);
    return *dlg;
}

QString EditorTest::makePackage(const QString& base, int columns, int rows,
                                const std::function<void(MenuBoard&)>& fill, QSize backgroundSize)
{
    const QString staging = tempPath("staging_" + base);
    QDir().mkpath(staging);
    QImage background(backgroundSize, QImage::Format_RGB32);
    background.fill(QColor(20, 60, 120));
    background.save(staging + "/Background.jpg", "JPEG");
    MenuBoard board;
    board.NumberOfColumns = columns;
    board.NumberOfRows = rows;
    if (fill)
        fill(board);
    PackRequest request;
    request.packagePath = tempPath(base + "_LAYOUT.TABLOR");
    request.workFolder = staging;
    request.backgroundSource = staging + "/Background.jpg";
    request.documentText = WriteLayoutDocument(board, "Background.jpg");
    QString error;
    EXPECT_NE(Pack(request, &error), PackResult::Failed) << error.toStdString();
    return request.packagePath;
}

void EditorTest::openByButton(const QString& path)
{
    prompter.files.push_back(path);
    dlg->OnCommand(ctl::OpenLayout);
}

} // namespace sw::test
