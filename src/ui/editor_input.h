#pragma once
// What the window hands to the editor: the inputs of the main window object,
// in the order the window receives them. The window knows only this; the
// adapter over CSignwrightDlg lives in dlg_input.h.
#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>
#include <Qt>

namespace sw {

class EditorInput {
public:
    virtual ~EditorInput() = default;

    // Before the window is first shown.
    virtual void initDialog() = 0;
    // Brings the client surface up to date (runs the first-paint hook once).
    virtual void paint() = 0;
    virtual const QImage& surface() const = 0;
    virtual void resized(QSize clientSize) = 0;

    virtual void mousePressed(QPoint client, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) = 0;
    virtual void mouseReleased(QPoint client, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) = 0;
    virtual void mouseMoved(QPoint client, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) = 0;

    // A button click or a check-box toggle by the user; the modifiers held at
    // the click decide the step size of step buttons.
    virtual void command(int id, Qt::KeyboardModifiers modifiers) = 0;
    virtual void editChanged(int id) = 0;
    virtual void editFocus(int id, bool in) = 0;
    virtual void comboChanged(int id) = 0;
    // A key the window looks at before its controls do (a Qt::Key: Escape).
    virtual void key(int keyCode) = 0;

    // Menu: "&Open..." imports a background image, "Save &As..." saves.
    virtual void openBackground() = 0;
    virtual void saveAs() = 0;
    // A layout named by dropping its file on the window.
    virtual void openFile(const QString& path) = 0;
    // The close box: the save offer before the program ends; false keeps it running.
    virtual bool offerToSaveChanges() = 0;
};

} // namespace sw
