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
#include <optional>

namespace sw {

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageIcon { None, Information, Warning, Error, Question };
enum class PromptAnswer { Ok, Cancel, Yes, No };

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
