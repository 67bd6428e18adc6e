#pragma once
// Every question the program asks the user goes through this port: message
// boxes, file dialogs, the rotation choice, the font panel and the wait cursor.
// The window answers with real Qt dialogs; tests answer from a script.
//
// Adding a question: give it a virtual with a sensible default body here, so
// existing adapters keep compiling, and answer it in the Qt adapter and in the
// scripted test adapter.
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace sw {

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageIcon { None, Information, Warning, Error, Question };
enum class PromptAnswer { Ok, Cancel, Yes, No };

// What installing one font file from the font file panel came to.
struct FontInstallResult {
    bool installed = false;
    QString message;  // for the user when it failed
};

// The font file panel: a view of the layout's own font files from which the
// user installs the ones this computer lacks. The window shows a dialog
// captioned `title` listing `fontFiles` (the ".ttf" files of `folder`, by file
// name, `filter` describing them). Each file can be installed from its right-
// click menu and from an Install button; either calls `install` with the
// file's full path and, when that fails, shows the returned message. The
// dialog offers no way to open a file; its only button is captioned
// `doneCaption` ("Done"). Closing the window any other way counts as Closed.
struct FontPanelRequest {
    QString title;
    QString folder;
    QString filter;
    QString doneCaption;
    QStringList fontFiles;
    std::function<FontInstallResult(const QString& fontFilePath)> install;
};
enum class FontPanelResult { Done, Closed };

struct FileDialogRequest {
    QString title;        // dialog caption
    QString startFolder;  // folder shown first
    QString fileName;     // proposed file name (save dialogs)
    QString filter;       // Qt filter string, e.g. "Layouts (*.TABLOR *.jpg)"
};

class Prompter {
public:
    virtual ~Prompter() = default;

    // A modal message box; returns the button pressed. Closing the box counts
    // as Cancel (or No / Ok where there is no Cancel).
    virtual PromptAnswer message(const QString& text, const QString& caption, MessageButtons buttons,
                                 MessageIcon icon)
        = 0;
    // Open and save file dialogs: the chosen path, or nothing when cancelled.
    virtual std::optional<QString> openFile(const FileDialogRequest& request) = 0;
    virtual std::optional<QString> saveFile(const FileDialogRequest& request) = 0;

    // The TV image rotation of a portrait board: 0 none, 1 clockwise, 2
    // counter-clockwise, with lastChoice preselected. Nothing when the question
    // was dismissed, in which case the caller keeps lastChoice.
    virtual std::optional<int> askRotation(int lastChoice)
    {
        (void)lastChoice;
        return std::nullopt;
    }

    // The font file panel (see FontPanelRequest). Without a panel nothing can
    // be installed, which the callers treat as giving up.
    virtual FontPanelResult fontFilePanel(const FontPanelRequest& request)
    {
        (void)request;
        return FontPanelResult::Closed;
    }

    // Hands an image file to printing (the window shows the print dialog).
    // False when nothing was printed.
    virtual bool printImage(const QString& imagePath)
    {
        (void)imagePath;
        return false;
    }

    // The wait cursor around slow work.
    virtual void beginWait() { }
    virtual void endWait() { }
};

// Shows the wait cursor for the life of the object.
class WaitCursor {
public:
    explicit WaitCursor(Prompter& p)
        : prompter_(p)
    {
        prompter_.beginWait();
    }
    ~WaitCursor() { prompter_.endWait(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    Prompter& prompter_;
};

} // namespace sw
