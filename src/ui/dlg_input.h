#pragma once
// Hands the main window's inputs to CSignwrightDlg and carries out the ends
// it asks for.
#include "editor/signwright_dlg.h"
#include "ui/editor_input.h"

namespace sw {

class MainWindow;
class QtPrompter;

// The menu's "&Open..." (background image import) as the editor knows it.
inline constexpr int kMenuOpenCommand = 57601;

KeyModifiers ToKeyModifiers(Qt::KeyboardModifiers modifiers);

class DlgInput : public EditorInput {
public:
    DlgInput(CSignwrightDlg& dlg, MainWindow& window, QtPrompter& prompter);

    void initDialog() override;
    void paint() override;
    const QImage& surface() const override { return dlg_.surface(); }
    void resized(QSize clientSize) override;
    void mousePressed(QPoint client, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) override;
    void mouseReleased(QPoint client, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) override;
    void mouseMoved(QPoint, Qt::MouseButtons, Qt::KeyboardModifiers) override { }
    void command(int id, Qt::KeyboardModifiers modifiers) override;
    void editChanged(int id) override;
    void editFocus(int id, bool in) override;
    void comboChanged(int id) override;
    void key(int keyCode) override;
    void openBackground() override;
    void saveAs() override;
    void openFile(const QString& path) override;
    bool offerToSaveChanges() override;

private:
    // After every handler: the editor may have asked for the window to end.
    void settle();

    CSignwrightDlg& dlg_;
    MainWindow& window_;
    QtPrompter& prompter_;
    bool ending_ = false;
};

} // namespace sw
