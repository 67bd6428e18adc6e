#include "editor/control_table.h"

#include <array>

namespace sw {

namespace {

using K = ControlKind;
using S = ControlSection;
using I = StepImage;

constexpr ControlSpec C(int id, K kind, const char* caption, S section, int parent = 0, bool enabled = true,
                        I image = I::None)
{
    return {id, kind, caption, section, parent, true, enabled, false, image, false};
}
constexpr ControlSpec Hidden(int id, K kind, const char* caption, int parent = 0)
{
    return {id, kind, caption, S::Hidden, parent, false, true, false, I::None, false};
}
constexpr ControlSpec Edit(int id, bool scroll)
{
    return {id, K::EditBox, "", S::TextEntry, 0, true, true, false, I::None, scroll};
}
// An "ACTIVE" marker: hidden until its block becomes the active one.
constexpr ControlSpec Marker(int id)
{
    return {id, K::Static, "ACTIVE", S::TextEntry, 0, false, true, false, I::None, false};
}
// A control of a panel that is disabled until something is selected.
constexpr ControlSpec Off(int id, K kind, const char* caption, S section, int parent = 0, I image = I::None)
{
    return C(id, kind, caption, section, parent, false, image);
}

using namespace ctl;

constexpr std::array kTable{
    // File and view commands.
    C(OpenLayout, K::PushButton, "Open Tablor Layout File", S::FileCommands),
    C(SaveLayout, K::PushButton, "Save Layout && TV Image Files", S::FileCommands),
    Off(Print, K::PushButton, "Print", S::FileCommands),
    Off(WhitePrint, K::CheckBox, "White Bgnd Print Menu Format", S::FileCommands),
    Off(VerticalGrid, K::CheckBox, "Display Vertical Grid", S::FileCommands),
    C(HelpVideos, K::PushButton, "Help Videos", S::FileCommands),
    C(Exit, K::PushButton, "Exit", S::FileCommands),

    // Text entry: the "ACTIVE" marker above each label, the label, the box.
    Marker(MainItemActive),
    C(MainItemLabel, K::Static, "Main Item", S::TextEntry),
    Edit(MainItemEdit, true),
    Marker(SubItemActive),
    C(SubItemLabel, K::Static, "SubItem", S::TextEntry),
    Edit(SubItemEdit, true),
    Marker(PricesActive),
    C(PricesLabel, K::Static, "Prices/Cals", S::TextEntry),
    Edit(PricesEdit, false),
    C(TabSpacingLabel, K::Static, "Tab Spacing", S::TextEntry),
    C(TabSpacingValue, K::Static, "", S::TextEntry),
    C(TabSpacingDown, K::PushButton, "D", S::TextEntry, 0, true, I::ArrowDown),
    C(TabSpacingUp, K::PushButton, "U", S::TextEntry, 0, true, I::ArrowUp),
    C(CalSpacingLabel, K::Static, "Cal Spacing", S::TextEntry),
    C(CalSpacingValue, K::Static, "", S::TextEntry),
    C(CalSpacingDown, K::PushButton, "D", S::TextEntry, 0, true, I::ArrowDown),
    C(CalSpacingUp, K::PushButton, "U", S::TextEntry, 0, true, I::ArrowUp),
    C(TabInstructions, K::PushButton, "Tab Instructions", S::TextEntry),
    C(ModeLabel, K::Static, "EDIT MODE:", S::TextEntry),

    // "Size and Move".
    Off(SizeMoveGroup, K::GroupBox, "Size and Move", S::SizeAndMove),
    Off(SizeGroup, K::GroupBox, "Size Text", S::SizeAndMove, SizeMoveGroup),
    Off(SizeUp, K::PushButton, "U", S::SizeAndMove, SizeGroup, I::ArrowUp),
    Off(SizeDown, K::PushButton, "D", S::SizeAndMove, SizeGroup, I::ArrowDown),
    // L and R show only in PICTURE and BACKGROUND mode.
    ControlSpec{SizeLeft, K::PushButton, "L", S::SizeAndMove, SizeGroup, false, false, false, I::ArrowLeft, false},
    ControlSpec{SizeRight, K::PushButton, "R", S::SizeAndMove, SizeGroup, false, false, false, I::ArrowRight, false},
    Off(SizeValue, K::Static, "", S::SizeAndMove, SizeGroup),
    Off(MoveGroup, K::GroupBox, "Move Text", S::SizeAndMove, SizeMoveGroup),
    Off(MoveUp, K::PushButton, "U", S::SizeAndMove, MoveGroup, I::ArrowUp),
    Off(MoveLeft, K::PushButton, "L", S::SizeAndMove, MoveGroup, I::ArrowLeft),
    Off(MoveRight, K::PushButton, "R", S::SizeAndMove, MoveGroup, I::ArrowRight),
    Off(MoveDown, K::PushButton, "D", S::SizeAndMove, MoveGroup, I::ArrowDown),
    Off(Micro, K::CheckBox, "Micro", S::SizeAndMove, SizeMoveGroup),
    Off(Macro, K::CheckBox, " Macro", S::SizeAndMove, SizeMoveGroup),

    // "Edit Text".
    Off(EditTextGroup, K::GroupBox, "Edit Text", S::EditText),
    Off(TextToMoveGroup, K::GroupBox, "Menu Item Text to be Moved", S::EditText, EditTextGroup),
    Off(SelectedText, K::CheckBox, "Selected Text", S::EditText, TextToMoveGroup),
    Off(AllText, K::CheckBox, "All Text", S::EditText, TextToMoveGroup),
    Off(TextStyleGroup, K::GroupBox, "Text Style", S::EditText, EditTextGroup),
    Off(Bold, K::CheckBox, "Bold", S::EditText, TextStyleGroup),
    Off(Italics, K::CheckBox, "Italics", S::EditText, TextStyleGroup),
    Off(AlignmentGroup, K::GroupBox, "Text Alignment", S::EditText, EditTextGroup),
    Off(AlignLeftCheck, K::CheckBox, "Left", S::EditText, AlignmentGroup),
    Off(AlignCenterCheck, K::CheckBox, "Center", S::EditText, AlignmentGroup),
    Off(AlignRightCheck, K::CheckBox, "Right", S::EditText, AlignmentGroup),
    Off(DropShadowColor, K::CheckBox, "Edit Drop Shadow Color", S::EditText, EditTextGroup),
    Off(CenterInStrip, K::CheckBox, "Center Text in Menu Strip", S::EditText, EditTextGroup),
    Off(LineSpacingLabel, K::Static, "Line Spacing", S::EditText, EditTextGroup),
    Off(LineSpacingDown, K::PushButton, "D", S::EditText, EditTextGroup, I::ArrowDown),
    Off(LineSpacingUp, K::PushButton, "U", S::EditText, EditTextGroup, I::ArrowUp),
    Off(FontLabel, K::Static, "Font", S::EditText, EditTextGroup),
    Off(FontCombo, K::FontComboBox, "", S::EditText, EditTextGroup),

    // "Edit Picture".
    Off(EditPictureGroup, K::GroupBox, "Edit Picture", S::EditPicture),
    Off(PanGroup, K::GroupBox, "Pan", S::EditPicture, EditPictureGroup),
    Off(PanUp, K::PushButton, "U", S::EditPicture, PanGroup, I::ArrowDown),
    Off(PanDown, K::PushButton, "D", S::EditPicture, PanGroup, I::ArrowUp),
    Off(PanLeft, K::PushButton, "L", S::EditPicture, PanGroup, I::ArrowRight),
    Off(PanRight, K::PushButton, "R", S::EditPicture, PanGroup, I::ArrowLeft),
    Off(ZoomGroup, K::GroupBox, "Zoom", S::EditPicture, EditPictureGroup),
    Off(ZoomFullLabel, K::Static, "Full", S::EditPicture, ZoomGroup),
    Off(ZoomFullUp, K::PushButton, "U", S::EditPicture, ZoomGroup, I::Plus),
    Off(ZoomFullDown, K::PushButton, "D", S::EditPicture, ZoomGroup, I::Minus),
    Off(ZoomHorizLabel, K::Static, "Horiz", S::EditPicture, ZoomGroup),
    Off(ZoomHorizRight, K::PushButton, "R", S::EditPicture, ZoomGroup, I::Plus),
    Off(ZoomHorizLeft, K::PushButton, "L", S::EditPicture, ZoomGroup, I::Minus),
    Off(ZoomVertLabel, K::Static, "Vert", S::EditPicture, ZoomGroup),
    Off(ZoomVertUp, K::PushButton, "U", S::EditPicture, ZoomGroup, I::Plus),
    Off(ZoomVertDown, K::PushButton, "D", S::EditPicture, ZoomGroup, I::Minus),
    Off(BrightnessGroup, K::GroupBox, "Brightness", S::EditPicture, EditPictureGroup),
    Off(BrightnessUp, K::PushButton, "U", S::EditPicture, BrightnessGroup, I::Plus),
    Off(BrightnessDown, K::PushButton, "D", S::EditPicture, BrightnessGroup, I::Minus),
    Off(FrameLabel, K::GroupBox, "Picture Frame", S::EditPicture, EditPictureGroup),
    Off(FrameCombo, K::ComboBox, "", S::EditPicture, FrameLabel),
    Off(LoadPicture, K::PushButton, "Load New Picture", S::EditPicture, EditPictureGroup),
    Off(DeletePicture, K::PushButton, "Delete Picture", S::EditPicture, EditPictureGroup),
    Off(PhotoEditor, K::PushButton, "Photo Editor", S::EditPicture, EditPictureGroup),

    // Below the panels.
    Off(EditBackground, K::PushButton, "Edit Menu Item Background", S::Bottom),
    Off(DeleteStrip, K::PushButton, "Delete Menu Item", S::Bottom),
    Off(Undo, K::PushButton, "Undo", S::Bottom),
    Off(Palette, K::PaletteBox, "Pallete Color", S::Bottom),

    // "Menu Items Group Mode".
    C(GroupModeBox, K::GroupBox, "Menu Items Group Mode", S::GroupMode),
    C(GroupInstructions, K::PushButton, " Instructions", S::GroupMode, GroupModeBox),
    Off(SpaceEvenly, K::PushButton, "Vertically Space Evenly", S::GroupMode, GroupModeBox),
    Off(MoveGroupButton, K::PushButton, "Move Group", S::GroupMode, GroupModeBox),
    Off(DeleteGroup, K::PushButton, "Delete Group", S::GroupMode, GroupModeBox),

    // Kept for the numbering; no reachable command.
    Hidden(LoadBackground, K::PushButton, "Load New Background Image"),
    Hidden(RowsLabel, K::Static, "Rows"),
    Hidden(RowsCombo, K::ComboBox, ""),
    Hidden(ColumnsLabel, K::Static, "Columns"),
    Hidden(ColumnsCombo, K::ComboBox, ""),
    Hidden(EnterGroupMode, K::PushButton, "ENTER GROUP MODE"),
    Hidden(GroupActionHelp, K::Static, "Help"),
    Hidden(GroupActionCombo, K::ComboBox, ""),
    Hidden(GroupMenuItems, K::PushButton, "Group Menu Items"),
    Hidden(CenterTextHidden, K::PushButton, "Center Text"),
    Hidden(CopyMoveInstructions, K::PushButton, "Copy or Move Menu Item\nInstructions"),
    Hidden(UndoMoveCopy, K::PushButton, "UNDO Move/Copy"),
    Hidden(AddTextToSubImage, K::PushButton, "Add Text To SubImage"),
    Hidden(InstructionsVideo, K::PushButton, "View Edit Instructions Video"),
    Hidden(PositionLabel, K::Static, "Position"),
    Hidden(SizeTextHiddenA, K::Static, "Size Text"),
    Hidden(SizeTextHiddenB, K::Static, "Size Text"),
    Hidden(InstructionsHidden, K::Static, "Instructions"),
    Hidden(LayoutGridGroup, K::GroupBox, "Menu Layout Grid"),
    Hidden(1037, K::PushButton, "", LayoutGridGroup),
    Hidden(1038, K::PushButton, "", LayoutGridGroup),
    Hidden(1039, K::PushButton, "", LayoutGridGroup),
    Hidden(1041, K::PushButton, "", LayoutGridGroup),
    Hidden(1127, K::PushButton, "", LayoutGridGroup),
    Hidden(1128, K::PushButton, "", LayoutGridGroup),
    Hidden(1129, K::PushButton, "", LayoutGridGroup),
    Hidden(1130, K::PushButton, "", LayoutGridGroup),
    Hidden(HiddenValue1057, K::Static, ""),
    Hidden(HiddenValue1058, K::Static, ""),
    Hidden(HiddenValue1061, K::Static, ""),
    Hidden(HiddenValue1062, K::Static, ""),
    Hidden(DialogOk, K::PushButton, "OK"),
    Hidden(DialogCancel, K::PushButton, "Cancel"),
};

} // namespace

std::span<const ControlSpec> ControlTable()
{
    return kTable;
}

const ControlSpec* FindControl(int id)
{
    for (const ControlSpec& c : ControlTable())
        if (c.Id == id)
            return &c;
    return nullptr;
}

QStringList ComboItems(int id)
{
    QStringList items;
    switch (id) {
    case ctl::FrameCombo:
        for (const char* name : kFrameStyleNames)
            items << QString::fromLatin1(name);
        break;
    case ctl::RowsCombo: // index = rows - 4
        for (int rows = 4; rows <= 200; ++rows)
            items << QString::number(rows);
        break;
    case ctl::ColumnsCombo: // index = columns - 1
        for (int columns = 1; columns <= 8; ++columns)
            items << QString::number(columns);
        break;
    default:
        break;
    }
    return items;
}

} // namespace sw
