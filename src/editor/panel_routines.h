#pragma once
// The small routines that put the editing panel into the state each mode
// needs, the mode transitions that are not hit tests, and the working copy's
// commit. Every routine touches controls only through the DialogControls port.
#include "editor/editor_context.h"

namespace sw {

class PreviewPainter;

inline const QString kTextColorCaption = QStringLiteral("Text Color: ");
inline const QString kBgndColorCaption = QStringLiteral("Bgnd Color: ");
inline const QString kPictureFrameCaption = QStringLiteral("Picture Frame");
inline const QString kBgndFrameCaption = QStringLiteral("Bgnd Frame");
inline const QString kSizeTextCaption = QStringLiteral("Size Text");
inline const QString kSizePictureCaption = QStringLiteral("Size Picture");
inline const QString kSizeBgndCaption = QStringLiteral("Size Bgnd");
inline const QString kMoveTextCaption = QStringLiteral("Move Text");
inline const QString kMovePictureCaption = QStringLiteral("Move Picture");
inline const QString kMoveBgndCaption = QStringLiteral("Move Bgnd");
// The palette has no name for a colour of a loaded layout outside it.
inline const QString kCustomColorName = QStringLiteral("Custom");

// The name the palette caption shows for a selection index (42: not in the palette).
QString ColorNameForIndex(int index);

// The edit box of a text block (0 main item, 1 sub items, 2 prices).
int EditBoxOfBlock(int block);
// The block of an edit box id, -1 for any other control.
int BlockOfEditBox(int id);

class PanelRoutines {
public:
    PanelRoutines(EditorContext& ctx, PreviewPainter& preview)
        : ctx_(ctx)
        , preview_(preview)
    {
    }

    void SetEditModeLabel(EditMode mode);
    void EnableControl(bool on, int id);
    void EnableEditingPanel(bool on);
    void ResetEditingPanel();
    void EnableSpacingControls(bool on);
    void EnableTextControls(bool on);
    void EnablePictureControls(bool on);
    void EnablePictureAdjustControls(bool on);
    void EnablePanControls(bool on);
    void EnableLineSpacingControls(bool on);
    void UpdateLineSpacingAvailability();
    void EnablePaletteControl(bool on);
    void UpdateMoveSizeCaptions();
    void ShowActiveMarker(int block);
    void RefreshTextControls();
    void RefreshSpacingDisplays();
    void CommitWorkingStrip();
    // Size-and-move group on with the small step preselected.
    void EnableSizeMoveGroup();

    // Check-box pairs that exclude each other: the clicked box already holds
    // its new state, the other gets the opposite.
    void OnMicroClicked();
    void OnMacroClicked();
    void OnSelectedTextClicked();
    void OnAllTextClicked();

    // Escape: leaves TEXT, PICTURE and BACKGROUND mode; the label stays.
    // Returns true when the key was consumed (always).
    bool OnEscape();

    void EnterPictureMode(StripRef strip);
    void EnterBackgroundMode(StripRef strip);
    // The panel side of entering TEXT mode by typing into `block` while
    // PICTURE or BACKGROUND mode was on. The strip of that mode becomes
    // TextStrip and is recorded for undo; the caller (the text commands) has
    // loaded WorkingStrip with its entry styling before calling this.
    void EnterTextModeByTyping(int block);
    // The panel side of entering TEXT mode by a click on `strip`.
    void ApplyTextEntryByClickPanel(StripRef strip);
    // A picture cropped to 100 % or more cannot be panned.
    void ApplyPanCropRule(StripRef strip);

    // The frame list shows the strip's frame style with the given caption.
    void ShowFrameControls(const QString& caption, const MenuStrip& strip);

private:
    void setPaletteCaption(const QString& prefix, int index);

    EditorContext& ctx_;
    PreviewPainter& preview_;
};

} // namespace sw
