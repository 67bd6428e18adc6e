#include "render/compose.h"

#include "render/font_collector.h"
#include "render/strip_picture.h"
#include "render/strip_text.h"

namespace sw {

namespace {

bool HasPicture(const MenuStrip& strip) { return !strip.SubImageFileName.isEmpty(); }

struct Passes {
    const MenuBoard& board;
    BoardGeometry& geometry;
    Graphics& graphics;
    const ComposeContext& context;

    void color(const MenuStrip& strip, StripRef ref)
    {
        DrawStripColorPass(geometry, strip, ref, PictureBoxBoard(geometry, strip, ref), graphics, context.flags);
    }

    // The texts, with the picture put down under them as the first drawn
    // block is reached (a box of no width shows neither).
    void content(const MenuStrip& strip, StripRef ref)
    {
        const FloatRect box = PictureBoxBoard(geometry, strip, ref);
        std::function<void()> drawPicture;
        if (HasPicture(strip))
            drawPicture = [&] { DrawStripPicture(geometry, strip, box, graphics, context.flags); };
        DrawStripTexts(board, ref, box, geometry, graphics, context, drawPicture);
    }

    template <typename Visit>
    void eachStripInUse(Visit visit)
    {
        for (int c = 0; c < board.usedColumns(); ++c) {
            for (int r = 0; r < board.usedRows(); ++r) {
                const MenuStrip& strip = board.strip(c, r);
                if (IsStripInUse(strip))
                    visit(strip, StripRef{c, r});
            }
        }
    }
};

} // namespace

bool IsTopLayerPicture(const MenuStrip& strip)
{
    const QString& path = strip.SubImageFileName;
    const qsizetype cut = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    const QString name = path.mid(cut + 1);
    return name.contains(QStringLiteral("logo")) || name.contains(QStringLiteral("Logo"))
        || name.contains(QStringLiteral("symbol"));
}

bool ComposeBoard(const MenuBoard& board, BoardGeometry& geometry, Graphics& graphics, const ComposeContext& context)
{
    if (context.fonts)
        context.fonts->BeginComposition();
    if (graphics.GetLastStatus() != Status::Ok)
        return false;
    if (!geometry.gridComputed())
        return true;

    ComposeContext effective = context;
    effective.flags.WhitePrint = board.WhitePrintBackground;
    Passes passes{board, geometry, graphics, effective};

    passes.eachStripInUse([&](const MenuStrip& strip, StripRef ref) {
        passes.color(strip, ref);
        if (HasPicture(strip))
            passes.content(strip, ref);
    });
    passes.eachStripInUse([&](const MenuStrip& strip, StripRef ref) {
        if (HasPicture(strip))
            return;
        passes.color(strip, ref);
        passes.content(strip, ref);
    });
    passes.eachStripInUse([&](const MenuStrip& strip, StripRef ref) {
        if (HasPicture(strip) && IsTopLayerPicture(strip))
            passes.content(strip, ref);
    });
    return true;
}

} // namespace sw
