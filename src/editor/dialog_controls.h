#pragma once
// The port through which the editor reaches the main window's controls. Every
// control is addressed by its numeric id (control_ids.h); the view builds one
// widget per entry of ControlTable() and implements this port over them. The
// editor never sees a widget.
//
// How the view drives the editor (see signwright_dlg.h for the handlers):
//   1. Build the widgets from ControlTable(), then construct
//        CSignwrightDlg dlg(controls, prompter, environment);
//      where `environment` carries the WorkFolder, ProgramDataFolder,
//      ProgramFolder and the command-line path.
//   2. Call dlg.OnInitDialog() once, before the window is first shown.
//   3. On every paint event call dlg.OnPaint() and then draw dlg.surface()
//      at the client origin (the controls sit on top of it). OnPaint() runs
//      the first-paint hook, which opens the command-line layout once.
//   4. Forward resizes (OnSize), mouse presses and releases on the client area
//      (in client coordinates, with the modifiers held), button clicks and
//      check-box toggles (OnCommand with the id), edit box changes made by
//      the user (OnEditChanged), focus in/out of the three edit boxes, combo
//      selection changes (OnComboChanged) and key presses (OnKey).
//
// Rules the view keeps:
//   - Changes the editor makes through this port (setText, check,
//     setComboSelection...) are not reported back as user input: setText must
//     not call OnEditChanged, check must not call OnCommand.
//   - A check box clicked by the user has its new state before OnCommand runs.
//   - Edit box texts cross the port with "\r\n" line breaks, as the layout
//     stores them, and selections are offsets into that text; the view
//     converts to and from its widget's "\n".
//   - invalidate() asks for a repaint; the view schedules it (update()).
//   - discardQueuedClicks(): mouse presses already queued for the window when
//     it is called are dropped (clicks made while a layout loaded).
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

namespace sw {

class DialogControls {
public:
    virtual ~DialogControls() = default;

    virtual void enable(int id, bool on) = 0;
    virtual bool isEnabled(int id) const = 0;
    virtual void show(int id, bool visible) = 0;
    virtual bool isVisible(int id) const = 0;

    // Check boxes.
    virtual void check(int id, bool on) = 0;
    virtual bool isChecked(int id) const = 0;

    // Captions of buttons, check boxes, group boxes and statics.
    virtual void setCaption(int id, const QString& caption) = 0;
    virtual QString caption(int id) const = 0;

    // Edit boxes (and the editable text of the font combo).
    virtual void setText(int id, const QString& text) = 0;
    virtual QString text(int id) const = 0;
    // Selection in an edit box, as character offsets [start, end).
    virtual void setSelection(int id, int start, int end) = 0;
    virtual int selectionStart(int id) const = 0;
    virtual int selectionEnd(int id) const = 0;

    virtual void setFocus(int id) = 0;
    // The id of the control holding the focus, 0 for none.
    virtual int focusedControl() const = 0;

    // Combo boxes. Index -1 selects nothing (an empty combo field).
    virtual void setComboItems(int id, const QStringList& items) = 0;
    virtual QStringList comboItems(int id) const = 0;
    virtual void setComboSelection(int id, int index) = 0;
    virtual int comboSelection(int id) const = 0;

    // The control's rectangle in client coordinates (the palette swatches are
    // laid out inside control 1017's).
    virtual QRect controlRect(int id) const = 0;
    // The size of the client area the editor paints into.
    virtual QSize clientSize() const = 0;

    virtual void setWindowTitle(const QString& title) = 0;
    virtual void invalidate() = 0;
    virtual void discardQueuedClicks() = 0;
    // Moves the mouse pointer to the centre of the main window (after print).
    virtual void centerPointer() { }
};

} // namespace sw
