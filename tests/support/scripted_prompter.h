#pragma once
// A Prompter that answers from a script and records every question, so tests can
// assert the exact texts the user would see.
#include "platform/prompter.h"

#include <QStringList>
#include <deque>
#include <vector>

namespace sw::test {

// One visit of the font file panel: the files (by name, in the panel's
// folder) the user installs, then how the panel is left.
struct ScriptedFontPanel {
    QStringList install;
    FontPanelResult result = FontPanelResult::Done;
};

struct AskedMessage {
    QString text;
    QString caption;
    MessageButtons buttons;
    MessageIcon icon;
};

class ScriptedPrompter : public Prompter {
public:
    std::deque<PromptAnswer> answers;          // next answers to message boxes
    std::deque<std::optional<QString>> files;  // next answers to file dialogs
    std::vector<AskedMessage> messages;        // every message box shown
    std::vector<FileDialogRequest> fileRequests;
    int waitDepth = 0;
    std::deque<std::optional<int>> rotations;  // next answers to the rotation question
    std::vector<int> rotationPreselected;      // the choice each rotation question showed
    std::deque<ScriptedFontPanel> fontPanels;  // next visits of the font file panel
    std::vector<FontPanelRequest> fontPanelRequests;
    std::vector<FontInstallResult> fontInstalls;  // what each scripted install came to

    PromptAnswer message(const QString& text, const QString& caption, MessageButtons buttons,
                         MessageIcon icon) override
    {
        messages.push_back({text, caption, buttons, icon});
        if (!answers.empty()) {
            PromptAnswer a = answers.front();
            answers.pop_front();
            return a;
        }
        // Unscripted: the first button of the box.
        switch (buttons) {
        case MessageButtons::YesNo:
        case MessageButtons::YesNoCancel:
            return PromptAnswer::Yes;
        default:
            return PromptAnswer::Ok;
        }
    }
    std::optional<QString> openFile(const FileDialogRequest& r) override { return nextFile(r); }
    std::optional<QString> saveFile(const FileDialogRequest& r) override { return nextFile(r); }
    std::optional<int> askRotation(int lastChoice) override
    {
        rotationPreselected.push_back(lastChoice);
        if (rotations.empty())
            return std::nullopt;
        auto r = rotations.front();
        rotations.pop_front();
        return r;
    }
    // Unscripted, the panel is closed without "Done".
    FontPanelResult fontFilePanel(const FontPanelRequest& r) override
    {
        fontPanelRequests.push_back(r);
        if (fontPanels.empty())
            return FontPanelResult::Closed;
        ScriptedFontPanel visit = fontPanels.front();
        fontPanels.pop_front();
        for (const QString& name : visit.install)
            fontInstalls.push_back(r.install ? r.install(r.folder + "/" + name) : FontInstallResult{});
        return visit.result;
    }
    void beginWait() override { ++waitDepth; }
    void endWait() override { --waitDepth; }

    QStringList messageTexts() const
    {
        QStringList out;
        for (const auto& m : messages)
            out << m.text;
        return out;
    }

private:
    std::optional<QString> nextFile(const FileDialogRequest& r)
    {
        fileRequests.push_back(r);
        if (files.empty())
            return std::nullopt;
        auto f = files.front();
        files.pop_front();
        return f;
    }
};

} // namespace sw::test
