#pragma once
// An offscreen main window object on fake controls and a scripted prompter,
// with layouts made by our own writer and packer.
#include "editor/signwright_dlg.h"
#include "fake_controls.h"
#include "support/fixture.h"
#include "support/scripted_prompter.h"

#include <functional>
#include <memory>

namespace sw::test {

class RecordingPrompter : public ScriptedPrompter {
public:
    QStringList printed;
    bool printImage(const QString& path) override
    {
        printed << path;
        return true;
    }
};

class EditorTest : public SwTest {
protected:
    void SetUp() override;

    // A fresh window object; `commandLine` is the file named on the command line.
    CSignwrightDlg& makeDialog(const QString& commandLine = {});
    // A package base + "_LAYOUT.TABLOR" in the temp folder with a (by
    // default 800 x 600) background; `fill` puts strips on the board. Returns its path.
    QString makePackage(const QString& base, int columns, int rows,
                        const std::function<void(MenuBoard&)>& fill = {}, QSize backgroundSize = {800, 600});
    // Opens through the open button, choosing `path`.
    void openByButton(const QString& path);

    QString workFolder() const { return tempPath("work"); }
    QString programFolder() const { return tempPath("program") + "/"; }
    QString dataFolder() const { return tempPath("data"); }

    FakeControls controls;
    RecordingPrompter prompter;
    std::unique_ptr<CSignwrightDlg> dlg;
};

} // namespace sw::test
