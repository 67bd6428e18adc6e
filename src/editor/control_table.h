#pragma once
// The main window's controls as data: what each one is, what it says, how it
// starts, and where it sits. The view builds its widgets from this table; the
// editor logic only ever names controls by id (control_ids.h).
#include "editor/control_ids.h"

#include <QString>
#include <QStringList>
#include <span>

namespace sw {

enum class ControlKind {
    PushButton,
    CheckBox,
    GroupBox,
    // Multi-line edit box that accepts Return.
    EditBox,
    // Drop-down list of fixed entries (ComboItems gives them).
    ComboBox,
    // Editable combo listing the installed font families, each drawn in its face.
    FontComboBox,
    // A line of text; also the value displays and the "ACTIVE" markers.
    Static,
    // The group box that frames the 42 palette swatches (the editor paints the
    // swatches into the client surface over it).
    PaletteBox,
};

// The area of the window a control belongs to, in the order a view would lay
// them out: file commands top left, text entry along the top, the editing
// panels down the left, the group-mode box top right. Hidden controls are
// never shown.
enum class ControlSection {
    FileCommands,
    TextEntry,
    SizeAndMove,
    EditText,
    EditPicture,
    Bottom,
    GroupMode,
    Hidden,
};

// The picture a small step button shows instead of its caption. The picture,
// not the caption, tells the direction: 1074 is captioned "D" and shows the up
// arrow.
enum class StepImage { None, ArrowUp, ArrowDown, ArrowRight, ArrowLeft, Plus, Minus };

struct ControlSpec {
    int Id;
    ControlKind Kind;
    const char* Caption; // UTF-8; "&&" is a literal ampersand as in Qt
    ControlSection Section;
    int ParentGroup; // id of the group box it sits in, 0 for none
    bool Visible;
    bool Enabled;
    bool Checked;
    StepImage Image;
    bool VerticalScrollBar; // edit boxes only
};

// Every control, in layout order within each section and group.
std::span<const ControlSpec> ControlTable();
// The entry of `id`, or nullptr when the window has no such control.
const ControlSpec* FindControl(int id);

// The fixed entries of a combo box (frame styles, rows, columns); empty for the
// font combo, whose entries are the installed families.
QStringList ComboItems(int id);

// Frame styles in the order of the frame list; SubImageFrameIndex indexes it.
inline constexpr const char* kFrameStyleNames[] = {"None",      "Black Thin", "Black Med", "Black Wide", "White Thin",
                                                   "White Med", "White Wide", "Grey Thin", "Grey Med",   "Grey Wide"};

} // namespace sw
