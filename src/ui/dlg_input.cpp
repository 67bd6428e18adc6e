#include "ui/dlg_input.h"

#include "ui/main_window.h"
#include "ui/qt_prompter.h"

#include <QTimer>

namespace sw {

KeyModifiers ToKeyModifiers(Qt::KeyboardModifiers modifiers)
{
    KeyModifiers keys;
    keys.Shift = modifiers.testFlag(Qt::ShiftModifier);
    keys.Control = modifiers.testFlag(Qt::ControlModifier);
    keys.Alt = modifiers.testFlag(Qt::AltModifier);
    return keys;
}

DlgInput::DlgInput(CSignwrightDlg& dlg, MainWindow& window, QtPrompter& prompter)
    : dlg_(dlg)
    , window_(window)
    , prompter_(prompter)
{
}

void DlgInput::settle()
{
    if (ending_ || dlg_.endRequest() == EndRequest::None)
        return;
    ending_ = true;
    // Both ends close the window without asking again; the application then
    // removes the working folder and leaves with status 0. Closing from
    // inside a handler would pull the window away under the caller.
    QTimer::singleShot(0, &window_, [this] { window_.closeWithoutOffer(); });
}

void DlgInput::initDialog() { }

void DlgInput::paint()
{
    dlg_.OnPaint();
    settle();
}

void DlgInput::resized(QSize) { dlg_.OnSize(); }

void DlgInput::mousePressed(QPoint client, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    if (button == Qt::LeftButton)
        dlg_.OnLButtonDown(client, ToKeyModifiers(modifiers));
    else if (button == Qt::RightButton)
        dlg_.OnRButtonDown(client, ToKeyModifiers(modifiers));
    settle();
}

void DlgInput::mouseReleased(QPoint client, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    if (button == Qt::LeftButton)
        dlg_.OnLButtonUp(client, ToKeyModifiers(modifiers));
    else if (button == Qt::RightButton)
        dlg_.OnRButtonUp(client, ToKeyModifiers(modifiers));
    settle();
}

void DlgInput::command(int id, Qt::KeyboardModifiers modifiers)
{
    dlg_.OnCommand(id, ToKeyModifiers(modifiers));
    settle();
}

void DlgInput::editChanged(int id)
{
    dlg_.OnEditChanged(id);
    settle();
}

void DlgInput::editFocus(int id, bool in) { dlg_.OnEditFocus(id, in); }

void DlgInput::comboChanged(int id)
{
    dlg_.OnComboChanged(id);
    settle();
}

void DlgInput::key(int keyCode)
{
    dlg_.OnKey(keyCode);
    settle();
}

void DlgInput::openBackground() { command(kMenuOpenCommand, Qt::NoModifier); }

// "Save As..." is the same command as the save button.
void DlgInput::saveAs() { command(ctl::SaveLayout, Qt::NoModifier); }

void DlgInput::openFile(const QString& path)
{
    // A dropped file opens exactly as if it had been picked in the open dialog.
    prompter_.answerNextOpenWith(path);
    command(ctl::OpenLayout, Qt::NoModifier);
    prompter_.answerNextOpenWith({});
}

bool DlgInput::offerToSaveChanges()
{
    if (ending_)
        return true;
    const bool close = dlg_.OnClose();
    if (close)
        ending_ = true;
    return close;
}

} // namespace sw
