#pragma once
// The state every editing concern shares: which mode is on, what is selected,
// the working copy of the strip being edited, and the shell's paths.
#include "editor/control_ids.h"
#include "model/board.h"
#include "model/palette.h"

#include <QString>
#include <vector>

namespace sw {

// What the mode label (1182) shows. It is set by each transition and is not
// derived from the flags: Escape clears the flags and leaves the label.
enum class EditMode {
    Start,          // "EDIT MODE:" until the first transition
    Idle,           // two blanks
    IdleAfterText,  // closing TEXT mode by a click shows one blank
    Text,
    Picture,
    Background,
    Group,
    CopyingStrip,
    MovingStrip,
};

inline const QString kModeLabelStart = QStringLiteral("EDIT MODE:");
inline const QString kModeLabelIdle = QStringLiteral("EDIT MODE:  IDLE");
inline const QString kModeLabelIdleAfterText = QStringLiteral("EDIT MODE: IDLE");
inline const QString kModeLabelText = QStringLiteral("EDIT MODE:  TEXT");
inline const QString kModeLabelPicture = QStringLiteral("EDIT MODE:  PICTURE");
inline const QString kModeLabelBackground = QStringLiteral("EDIT MODE:  BACKGROUND");
inline const QString kModeLabelGroup = QStringLiteral("EDIT MODE:  GROUP");
inline const QString kModeLabelCopying = QStringLiteral("EDIT MODE:  COPYING STRIP");
inline const QString kModeLabelMoving = QStringLiteral("EDIT MODE:  MOVING STRIP");

QString EditModeLabel(EditMode mode);

// The initial font of the font combo and of new texts.
inline const QString kInitialFontName = QStringLiteral("Segoe UI");

struct StripDragFlags {
    bool Moving = false;         // Alt held at the press
    bool Copying = false;        // no modifier
    bool FormatTransfer = false; // Shift without Alt
};

struct EditorState {
    bool TextEditActive = false;
    bool PictureEditActive = false;
    bool BackgroundEditActive = false;
    bool GroupModeActive = false;
    StripDragFlags StripDragKind;
    bool MoveGroupArmed = false;
    EditMode Mode = EditMode::Start;

    StripRef TextStrip{0, 0};
    StripRef PictureStrip{0, 0};
    StripRef BackgroundStrip{0, 0};
    int SelectedBlock = -1; // -1 none, else a TextBlockKind
    int ActiveBlock = 0;
    int ActiveBlockAtEntry = -1;
    MenuStrip WorkingStrip;

    int CurrentColorIndex = 2; // the palette selection starts at white
    ColorRef CurrentColor = WhiteColor;
    QString CurrentFontName = kInitialFontName;
    int FocusedEditBox = ctl::MainItemEdit;
    int PriceSelectionStart = 0;

    std::vector<StripRef> GroupMembers;

    // While a commit redraws, the paint handler must not redraw a second time.
    bool CommitInProgress = false;
    // An editing command asked for one redraw on the next paint while a mode is on.
    bool RedrawOnNextPaint = false;

    bool AnyEditMode() const { return TextEditActive || PictureEditActive || BackgroundEditActive; }
    void ClearEditModes()
    {
        TextEditActive = false;
        PictureEditActive = false;
        BackgroundEditActive = false;
    }
};

// Where things are on disk and which layout is open.
struct ShellPaths {
    QString CommandLineLayoutPath; // as given; never cleared
    QString CurrentFilePath;       // empty while nothing is loaded
    QString CurrentFileName;       // the file part of the window title
    QString ProgramFolder;         // with a trailing separator
    QString ProgramDataFolder;
    QString WorkFolder;
    QString LastLayoutFolder;      // without a trailing separator
    QString LastOpenFolder;        // with a trailing separator; empty at start
    QString DialogStartFolder;
    QString BackgroundPath;
    QString LastPictureFolder;
    QString LastLayoutFullPath;
    QString LegacyDocumentName;
    QString LayoutBaseName;        // older format: the base of its support files

    bool FirstPaintDone = false;
    bool OpenFromCommandLine = false;
    bool LayoutIsPackage = true;
    bool MigrationOfferPending = false;
    bool LegacyLayoutOpened = false;
    bool OtherInstanceRunning = false;
};

} // namespace sw
