#include "editor/shell_routines.h"

#include "editor/control_table.h"
#include "editor/panel_routines.h"
#include "editor/preview_painter.h"
#include "editor/undo_ops.h"
#include "platform/window_title.h"

#include <QDir>

namespace sw {

using namespace ctl;

void ShellRoutines::UpdateWindowTitle(const QString& fileNamePart)
{
    ctx_.Controls.setWindowTitle(ComposeWindowTitle(fileNamePart));
}

bool ShellRoutines::OfferToSaveChanges()
{
    if (ctx_.Controls.isChecked(WhitePrint)) {
        ctx_.Controls.check(WhitePrint, false);
        ctx_.Board.WhitePrintBackground = false;
        preview_.RedrawPreview();
    }
    if (!HasUndoRecords(ctx_))
        return true;
    switch (ctx_.Ask.message(kSaveChangesQuestion, kAppCaption, MessageButtons::YesNoCancel, MessageIcon::Question)) {
    case PromptAnswer::Yes:
        return SaveLayout();
    case PromptAnswer::No:
        return true;
    default:
        return false;
    }
}

bool ShellRoutines::SaveLayout()
{
    ctx_.Ask.message(kSaveUnavailableMessage, kAppCaption, MessageButtons::Ok, MessageIcon::Information);
    return false;
}

void ShellRoutines::InitDialog()
{
    ShellPaths& paths = ctx_.Paths;
    auto& c = ctx_.Controls;
    paths.DialogStartFolder = paths.ProgramFolder;
    for (const ControlSpec& spec : ControlTable())
        if (spec.Kind == ControlKind::ComboBox)
            c.setComboItems(spec.Id, ComboItems(spec.Id));
    c.setComboSelection(FrameCombo, 0);

    paths.CurrentFilePath = paths.CommandLineLayoutPath;
    paths.CurrentFileName.clear();
    if (!paths.CurrentFilePath.isEmpty())
        paths.CurrentFileName = QDir::fromNativeSeparators(paths.CurrentFilePath).section(QLatin1Char('/'), -1);
    UpdateWindowTitle(paths.CurrentFileName);

    panel_.EnableEditingPanel(false);
    c.check(DropShadowColor, false);

    if (!paths.CurrentFilePath.isEmpty()) {
        const QString path = QDir::fromNativeSeparators(paths.CurrentFilePath);
        paths.LastLayoutFolder = path.left(qMax(0, int(path.lastIndexOf(QLatin1Char('/')))));
        paths.DialogStartFolder = paths.LastLayoutFolder;
    }

    ctx_.State.CurrentFontName = kInitialFontName;
    c.setText(FontCombo, kInitialFontName);
    paths.BackgroundPath.clear();
    paths.LastPictureFolder.clear();
    paths.LastLayoutFullPath.clear();

    c.setComboSelection(RowsCombo, ctx_.Board.NumberOfRows - MenuBoard::MinRows);
    c.setComboSelection(ColumnsCombo, ctx_.Board.NumberOfColumns - MenuBoard::MinColumns);
    ClearUndoHistory(ctx_);
}

} // namespace sw
