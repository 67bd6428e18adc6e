#include "editor/open_flow.h"

#include "editor/panel_routines.h"
#include "editor/preview_painter.h"
#include "editor/shell_routines.h"
#include "editor/strip_fit.h"
#include "editor/undo_ops.h"
#include "fonts/font_install.h"
#include "fonts/font_inventory.h"
#include "fonts/layout_fonts.h"
#include "layout_io/layout_loader.h"
#include "layout_io/package.h"
#include "platform/files.h"
#include "render/image_import.h"
#include "render/proxies.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace sw {

using namespace ctl;

namespace {

QString FileNameOf(const QString& path)
{
    return QDir::fromNativeSeparators(path).section(QLatin1Char('/'), -1);
}

// Folder of a path, without a trailing separator.
QString FolderOf(const QString& path)
{
    const QString p = QDir::fromNativeSeparators(path);
    return p.left(qMax(0, int(p.lastIndexOf(QLatin1Char('/')))));
}

constexpr TextBlockKind kKinds[3] = {TextBlockKind::MainItem, TextBlockKind::SubItems, TextBlockKind::Prices};

} // namespace

bool OpenFlow::OpenLayout()
{
    EditorState& st = ctx_.State;
    ShellPaths& paths = ctx_.Paths;
    auto& c = ctx_.Controls;

    st.ClearEditModes();
    paths.MigrationOfferPending = false;
    panel_.SetEditModeLabel(EditMode::Idle);
    ClearStripRects(ctx_.Geometry);

    ctx_.Preview.ErasePending = true;
    if (!shell_.OfferToSaveChanges())
        return false;
    ctx_.Preview.ResolutionRequested = true;

    QString layoutPath;
    if (paths.OpenFromCommandLine) {
        layoutPath = paths.CommandLineLayoutPath;
    } else {
        FileDialogRequest request;
        request.title = kOpenDialogTitle;
        request.filter = kOpenDialogFilter;
        request.startFolder = paths.LastOpenFolder.isEmpty() ? paths.ProgramFolder : paths.LastOpenFolder;
        const auto chosen = ctx_.Ask.openFile(request);
        if (!chosen || chosen->isEmpty())
            return false;
        layoutPath = LayoutPathForChosenFile(*chosen);
        if (layoutPath != *chosen && !QFileInfo::exists(layoutPath)) {
            ctx_.Ask.message(kUnableToOpenFile.arg(layoutPath), kAppCaption, MessageButtons::Ok, MessageIcon::Warning);
            return false;
        }
    }
    const LayoutKind kind = ClassifyLayoutPath(layoutPath);

    // Read the new layout aside first. A package that cannot be read must
    // leave the open board, the title and the working folder's files exactly
    // as they were, so nothing of the layout being edited is lost.
    const QString staging = StagingFolder();
    if (!ProbeLayout(layoutPath, kind, staging))
        return false;

    paths.LastOpenFolder = FolderOf(layoutPath) + QLatin1Char('/');
    paths.CurrentFileName = FileNameOf(layoutPath);
    paths.CurrentFilePath = layoutPath;
    paths.LayoutIsPackage = kind == LayoutKind::Package;
    if (paths.LayoutIsPackage) {
        shell_.UpdateWindowTitle(paths.CurrentFileName);
    } else {
        paths.LegacyDocumentName = paths.CurrentFileName;
        shell_.UpdateWindowTitle(paths.CurrentFileName);
        paths.LayoutBaseName = LegacyLayoutBaseName(paths.CurrentFileName);
        paths.CurrentFileName.replace(QStringLiteral("XTABLOR"), QStringLiteral("jpg"));
        paths.CurrentFileName.remove(QStringLiteral("TablorLayout_"));
    }

    ClearStripRects(ctx_.Geometry);
    ClearUndoHistory(ctx_);
    c.enable(Undo, false);
    paths.LastLayoutFolder = FolderOf(layoutPath);
    paths.DialogStartFolder = paths.LastLayoutFolder;
    if (paths.LayoutIsPackage) {
        paths.CurrentFilePath = paths.WorkFolder + QLatin1Char('/') + kLayoutDocumentEntryName;
        EmptyFolder(paths.WorkFolder);
        MoveFolderContents(staging, paths.WorkFolder);
    }
    QDir(staging).removeRecursively();

    ctx_.MissingFontList.clear();
    LayoutFontCheck fontCheck(paths.WorkFolder);
    if (!ReadOpenedLayout(layoutPath, kind, fontCheck)) {
        ctx_.Ask.message(kUnableToOpenFile.arg(QDir::toNativeSeparators(paths.CurrentFilePath)), kAppCaption,
                         MessageButtons::Ok, MessageIcon::Warning);
        return false;
    }
    // From here on the path names the background the board is drawn on.
    if (!ctx_.Board.BackgroundFileName.isEmpty())
        paths.CurrentFilePath = ctx_.Board.BackgroundFileName;
    paths.BackgroundPath = ctx_.Board.BackgroundFileName;
    paths.LastLayoutFullPath = layoutPath;

    // The board was read afresh: the working copy starts over too, in the
    // colour the palette shows.
    ResetStrip(st.WorkingStrip);
    const ColorRef textColor = st.CurrentColorIndex < PaletteSize ? PaletteColor(st.CurrentColorIndex) : st.CurrentColor;
    st.WorkingStrip.Prices.TextColor = textColor;
    st.WorkingStrip.SubItems.TextColor = st.WorkingStrip.Prices.TextColor;
    st.WorkingStrip.MainItem.TextColor = st.WorkingStrip.SubItems.TextColor;
    c.check(WhitePrint, ctx_.Board.WhitePrintBackground);

    if (!ctx_.MissingFontList.isEmpty() && paths.OpenFromCommandLine) {
        // The start-up font check has already offered to install these. Rather
        // than stopping half-way through with nothing said, open the layout
        // with the fonts it carries for this run, or the fallback family, and
        // say which families are still missing.
        RegisterLayoutFonts(paths.WorkFolder);
        QStringList stillMissing;
        for (const QString& family : std::as_const(ctx_.MissingFontList))
            if (!IsFontInstalled(family))
                stillMissing << family;
        ctx_.MissingFontList = stillMissing;
        if (!stillMissing.isEmpty())
            ctx_.Ask.message(MissingFontsFallbackMessage(stillMissing), kAppCaption, MessageButtons::Ok,
                             MessageIcon::Information);
    } else if (!ctx_.MissingFontList.isEmpty()) {
        if (InstallMissingFonts(ctx_.MissingFontList, paths.WorkFolder, paths.WorkFolder, ctx_.Ask)
            != kFontsInstalled) {
            paths.CurrentFilePath.clear();
            preview_.RedrawPreview(false, true);
            return false;
        }
    }

    paths.LegacyLayoutOpened = !paths.LayoutIsPackage;
    RenderFlags& flags = ctx_.Preview.Flags;
    flags.BackgroundProxyInUse = false;
    flags.PictureProxiesInUse = false;
    if (paths.LayoutIsPackage) {
        flags.BackgroundProxyInUse = BuildBackgroundProxy(paths.WorkFolder, ctx_.Ask) == 1;
        flags.PictureProxiesInUse = BuildProxiesForAllPictures(ctx_.Board, flags, ctx_.Ask) == 1;
    }

    preview_.ErasePreviewArea();
    preview_.RedrawPreview(true);
    paths.MigrationOfferPending = !paths.LayoutIsPackage;
    for (int id : {MainItemEdit, SubItemEdit, PricesEdit})
        c.setText(id, QString());
    c.setFocus(MainItemEdit);
    panel_.ResetEditingPanel();
    panel_.RefreshTextControls();
    // Nothing else enables printing and the white print view once a layout is in.
    c.enable(Print, true);
    c.enable(WhitePrint, true);

    for (int id : {MoveGroup, MoveUp, MoveLeft, MoveRight, MoveDown, SizeUp, SizeDown, LoadPicture, PhotoEditor})
        c.enable(id, false);
    panel_.EnablePictureAdjustControls(false);
    c.enable(SizeGroup, false);

    CleanStrips();

    for (int id : {SizeMoveGroup, Micro, Macro, PhotoEditor})
        c.enable(id, false);
    c.check(Micro, false);
    c.check(Macro, false);
    c.check(AllText, true);
    c.check(SelectedText, false);
    groupModeOff();
    preview_.RedrawPreview();

    SettleStrips();

    preview_.RedrawPreview();
    groupModeOff();
    panel_.EnableLineSpacingControls(false);
    panel_.SetEditModeLabel(EditMode::Idle);
    c.discardQueuedClicks();
    return true;
}

bool OpenFlow::OpenBackgroundImage()
{
    ShellPaths& paths = ctx_.Paths;
    auto& c = ctx_.Controls;
    if (!shell_.OfferToSaveChanges())
        return false;
    c.check(WhitePrint, false);
    ctx_.Board.WhitePrintBackground = false;
    ctx_.Preview.ResolutionRequested = true;

    FileDialogRequest request;
    request.title = kBackgroundDialogTitle;
    request.filter = kBackgroundDialogFilter;
    request.startFolder = paths.BackgroundPath.isEmpty() ? paths.ProgramFolder : FolderOf(paths.BackgroundPath);
    const auto chosen = ctx_.Ask.openFile(request);
    if (!chosen || chosen->isEmpty())
        return false;

    // The image is checked and copied before anything of the open board
    // changes: an image that cannot be used leaves the board as it was.
    RenderFlags flags = ctx_.Preview.Flags;
    if (!ImportBackgroundImage(*chosen, paths.WorkFolder, ctx_.Board, flags, ctx_.Ask))
        return false;
    ctx_.Preview.Flags.BackgroundProxyInUse = flags.BackgroundProxyInUse;
    ctx_.Preview.Flags.PictureProxiesInUse = flags.PictureProxiesInUse;

    ctx_.Preview.ErasePending = true;
    preview_.ErasePreviewArea();
    paths.CurrentFilePath = *chosen;
    paths.BackgroundPath = *chosen;
    ctx_.Board.BackgroundFileName = *chosen;
    paths.LastLayoutFolder = FolderOf(*chosen);

    preview_.RedrawPreview(false, true);
    panel_.ResetEditingPanel();
    for (int id : {MainItemEdit, SubItemEdit, PricesEdit})
        c.setText(id, QString());
    c.enable(Print, true);
    c.enable(WhitePrint, true);
    if (!preview_.RedrawPreview())
        ctx_.Ask.message(kUnsupportedImageFormat, kAppCaption, MessageButtons::Ok, MessageIcon::Warning);
    preview_.DrawPaletteSwatches();
    c.setFocus(MainItemEdit);
    c.discardQueuedClicks();
    return true;
}

QString OpenFlow::StagingFolder() const
{
    return ctx_.Paths.WorkFolder + QStringLiteral("/.opening");
}

bool OpenFlow::ProbeLayout(const QString& layoutPath, LayoutKind kind, const QString& staging)
{
    const ShellPaths& paths = ctx_.Paths;
    QDir(staging).removeRecursively();
    if (kind == LayoutKind::Package && !QDir().mkpath(staging)) {
        ctx_.Ask.message(kUnableToOpenFile.arg(QDir::toNativeSeparators(layoutPath)), kAppCaption,
                         MessageButtons::Ok, MessageIcon::Warning);
        return false;
    }
    MenuBoard candidate;
    LoadReport report;
    const QString folder = kind == LayoutKind::Package ? staging : paths.WorkFolder;
    if (LoadLayoutFile(layoutPath, folder, candidate, nullptr, report))
        return true;
    QDir(staging).removeRecursively();
    // The message names the document as the user's working folder holds it.
    QString shown = report.documentPath.isEmpty() ? layoutPath : report.documentPath;
    if (kind == LayoutKind::Package)
        shown = paths.WorkFolder + QLatin1Char('/') + kLayoutDocumentEntryName;
    ctx_.Ask.message(kUnableToOpenFile.arg(QDir::toNativeSeparators(shown)), kAppCaption, MessageButtons::Ok,
                     MessageIcon::Warning);
    return false;
}

void OpenFlow::MoveFolderContents(const QString& from, const QString& to)
{
    const QFileInfoList files = QDir(from).entryInfoList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QFileInfo& f : files)
        QFile::rename(f.absoluteFilePath(), to + QLatin1Char('/') + f.fileName());
}

bool OpenFlow::ReadOpenedLayout(const QString& layoutPath, LayoutKind kind, LayoutFontCheck& fontCheck)
{
    ShellPaths& paths = ctx_.Paths;
    if (kind != LayoutKind::Package) {
        LoadReport report;
        if (!LoadLayoutFile(layoutPath, paths.WorkFolder, ctx_.Board, &fontCheck, report))
            return false;
        ctx_.MissingFontList = report.MissingFontList;
        return true;
    }
    // The package's files are in the working folder now; read its document there.
    QFile doc(paths.WorkFolder + QLatin1Char('/') + kLayoutDocumentEntryName);
    if (!doc.open(QIODevice::ReadOnly) || doc.size() > kMaxLayoutDocumentBytes)
        return false;
    OpenContext context;
    context.fromPackage = true;
    context.workFolder = paths.WorkFolder;
    context.layoutFolder = FolderOf(layoutPath);
    QStringList missing;
    if (ReadLayoutDocumentBytes(doc.readAll(), ctx_.Board, context, &fontCheck, missing)
        != DocumentReadResult::Read)
        return false;
    ctx_.MissingFontList = missing;
    return true;
}

void OpenFlow::groupModeOff()
{
    ctx_.State.GroupModeActive = false;
    ctx_.State.GroupMembers.clear();
}

void OpenFlow::CleanStrips()
{
    MenuBoard& board = ctx_.Board;
    BoardGeometry& g = ctx_.Geometry;
    for (int col = 0; col < board.usedColumns(); ++col) {
        for (int row = 0; row < board.usedRows(); ++row) {
            const StripRef ref{col, row};
            MenuStrip& s = board.strip(ref);
            for (TextBlockKind k : kKinds)
                if (s.block(k).Text == QStringLiteral("\r\n"))
                    s.block(k).Text.clear();
            if (StripHasText(s))
                continue;
            const bool textDrawn = g.TextBlockRect(ref, TextBlockKind::MainItem).X > 0
                || g.TextBlockRect(ref, TextBlockKind::SubItems).X > 0
                || g.TextBlockRect(ref, TextBlockKind::Prices).X > 0;
            const bool boxDrawn = s.SubImageFileName.isEmpty() && s.BackGroundColor == ClearColor
                && g.PictureHitRect(ref).X > 0;
            // A strip that still carries a picture, colour or frame is kept:
            // losing its text must not lose the rest of it.
            if ((textDrawn || boxDrawn) && !IsStripInUse(s)) {
                ResetStrip(s);
                ClearStripRects(g, ref);
            }
        }
    }
}

void OpenFlow::SettleStrips()
{
    MenuBoard& board = ctx_.Board;
    BoardGeometry& g = ctx_.Geometry;
    StripRef p{0, 0};
    for (int col = 0; col < board.usedColumns(); ++col) {
        for (int row = 0; row < board.usedRows(); ++row) {
            const StripRef s{col, row};
            MenuStrip& strip = board.strip(s);
            if (!IsStripInUse(strip))
                continue;
            const bool xOut = strip.XOffsetFactor < -double(col);
            const bool yOut = strip.YOffsetFactor < -double(row);
            if ((xOut || yOut) && StripHasText(strip)) {
                if (xOut) {
                    for (TextBlockKind k : kKinds)
                        if (!strip.block(k).Text.isEmpty())
                            strip.block(k).Xref += strip.XOffsetFactor;
                    strip.XOffsetFactor = 0.0;
                    FitEmptyStripToTextHorizontal(board, g, s);
                }
                if (yOut) {
                    for (TextBlockKind k : kKinds)
                        if (!strip.block(k).Text.isEmpty())
                            strip.block(k).Yref += strip.YOffsetFactor;
                    strip.YOffsetFactor = 0.0;
                    FitEmptyStripToTextVertical(board, g, s);
                }
                RelocateOverflowingStrip(board, g, s);
            }
            const MenuStrip& now = board.strip(s);
            if (now.BackGroundColor == ClearColor && now.SubImageFileName.isEmpty()) {
                FitEmptyStripToTextVertical(board, g, p);
                FitEmptyStripToTextHorizontal(board, g, p);
                const FloatRect remembered[3] = {g.TextBlockRect(s, TextBlockKind::MainItem),
                                                 g.TextBlockRect(s, TextBlockKind::SubItems),
                                                 g.TextBlockRect(s, TextBlockKind::Prices)};
                p = RelocateOverflowingStrip(board, g, s);
                if (!(p == s))
                    for (int b = 0; b < 3; ++b)
                        g.TextBlockRect(p, kKinds[b]) = remembered[b];
            } else {
                RelocateOverflowingStrip(board, g, s);
            }
        }
    }
}

} // namespace sw
