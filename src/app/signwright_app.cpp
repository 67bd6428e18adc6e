#include "fonts/font_substitutes.h"
#include "app/signwright_app.h"

#include "editor/signwright_dlg.h"
#include "platform/data_folders.h"
#include "ui/dlg_input.h"
#include "ui/main_window.h"
#include "ui/qt_prompter.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTimer>

namespace sw {

CSignwrightApp::CSignwrightApp(QString commandLinePath)
    : commandLinePath_(std::move(commandLinePath))
{
}

CSignwrightApp::~CSignwrightApp()
{
    // The editor holds references into the window and the prompter.
    input_.reset();
    dlg_.reset();
    window_.reset();
    prompter_.reset();
    ExitInstance();
}

QString CSignwrightApp::workFolderPath() const { return workFolder_ ? workFolder_->path() : QString(); }

bool CSignwrightApp::Start()
{
    // Folders left by copies that are no longer running go first; a running
    // copy's folder is locked and stays. That is the whole of the "another
    // copy runs" question here, so it is never true for the editor.
    QDir().mkpath(ProgramDataFolder());
    RemoveObsoleteZPFFolders();
    // Layouts made on Windows name Windows families; the open replacements
    // must be in place before the first text is measured, not only once a
    // layout has been opened.
    InstallFontSubstitutions();
    workFolder_ = std::make_unique<WorkFolder>();

    window_ = std::make_unique<MainWindow>();
    prompter_ = std::make_unique<QtPrompter>(window_.get());

    EditorEnvironment env;
    env.WorkFolder = workFolder_->path();
    env.ProgramDataFolder = ProgramDataFolder();
    env.ProgramFolder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    env.CommandLineLayoutPath = commandLinePath_;
    env.OtherInstanceRunning = false;
    dlg_ = std::make_unique<CSignwrightDlg>(*window_, *prompter_, env);
    input_ = std::make_unique<DlgInput>(*dlg_, *window_, *prompter_);

    if (!dlg_->OnInitDialog()) {
        ExitInstance();
        return false;
    }
    window_->setEditor(input_.get());
    return true;
}

void CSignwrightApp::ShowMainWindow()
{
    MainWindow& w = *window_;
    w.resize(kRestoredWidth, kRestoredHeight);
    w.move(0, 0);
    w.showMaximized();
    // Without a window manager nobody honours the maximised state; fill the
    // screen ourselves so the board gets the room it would have had.
    QTimer::singleShot(200, &w, [&w] {
        QScreen* screen = w.screen();
        if (!screen || !w.isMaximized())
            return;
        const QRect available = screen->availableGeometry();
        if (w.frameGeometry().width() < available.width() - 16 || w.frameGeometry().height() < available.height() - 16)
            w.setGeometry(available);
    });
}

int CSignwrightApp::InitInstance()
{
    if (!Start())
        return 0;
    ShowMainWindow();
    QApplication::exec();
    // The editor goes before the window it talks to.
    input_.reset();
    dlg_.reset();
    window_.reset();
    prompter_.reset();
    ExitInstance();
    return 0;
}

void CSignwrightApp::ExitInstance()
{
    if (workFolder_) {
        workFolder_->Remove();
        workFolder_.reset();
    }
}

} // namespace sw
