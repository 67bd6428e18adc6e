#pragma once
// The application object: prepares this copy's working folder, builds and runs
// the main window, and cleans up on every way out.
#include <QString>
#include <memory>

namespace sw {

class CSignwrightDlg;
class DlgInput;
class MainWindow;
class QtPrompter;
class WorkFolder;

class CSignwrightApp {
public:
    // `commandLinePath`: the one file argument, empty without one.
    explicit CSignwrightApp(QString commandLinePath);
    ~CSignwrightApp();
    CSignwrightApp(const CSignwrightApp&) = delete;
    CSignwrightApp& operator=(const CSignwrightApp&) = delete;

    // The start sequence up to a window ready to show. False when the program
    // is to end at once (the user refused the fonts of the command-line layout);
    // the working folder is gone by then.
    bool Start();
    // Shows the window maximised (restored size 1280 x 760).
    void ShowMainWindow();
    // The whole life: Start, show, run until the window has gone, clean up.
    // Returns the exit status.
    int InitInstance();
    // Removes the working folder; called on every way out.
    void ExitInstance();

    MainWindow* window() const { return window_.get(); }
    CSignwrightDlg* dialog() const { return dlg_.get(); }
    QString workFolderPath() const;

private:
    QString commandLinePath_;
    std::unique_ptr<WorkFolder> workFolder_;
    std::unique_ptr<MainWindow> window_;
    std::unique_ptr<QtPrompter> prompter_;
    std::unique_ptr<CSignwrightDlg> dlg_;
    std::unique_ptr<DlgInput> input_;
};

} // namespace sw
