#pragma once
// The Prompter answered by real Qt dialogs, parented to the main window.
#include "platform/prompter.h"

#include <QPointer>
#include <QWidget>

namespace sw {

class QtPrompter : public Prompter {
public:
    explicit QtPrompter(QWidget* parent = nullptr);

    void setParent(QWidget* parent) { parent_ = parent; }
    // The next open-file question is answered with `path` without a dialog
    // (a file dropped on the window); an empty path ends that.
    void answerNextOpenWith(const QString& path) { presetOpen_ = path; }

    PromptAnswer message(const QString& text, const QString& caption, MessageButtons buttons,
                         MessageIcon icon) override;
    std::optional<QString> openFile(const FileDialogRequest& request) override;
    std::optional<QString> saveFile(const FileDialogRequest& request) override;
    std::optional<int> askRotation(int lastChoice) override;
    FontPanelResult fontFilePanel(const FontPanelRequest& request) override;
    bool printImage(const QString& imagePath) override;
    void beginWait() override;
    void endWait() override;

private:
    QPointer<QWidget> parent_;
    int waitDepth_ = 0;
    QString presetOpen_;
};

} // namespace sw
