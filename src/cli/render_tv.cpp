// --render-tv: the TV image of a layout package without opening the editor,
// composed the way a save composes it.
#include "cli/cli.h"

#include "fonts/layout_fonts.h"
#include "layout_io/layout_loader.h"
#include "layout_io/naming.h"
#include "platform/imaging.h"
#include "render/geometry.h"
#include "render/rotation_choice.h"
#include "render/tv_image.h"

#include <QFileInfo>
#include <QTemporaryDir>

namespace sw::cli {

namespace {

struct RenderTvOptions {
    QString package;
    QString out;
    int rotation = RotationNone;
};

// Parses the arguments after --render-tv; on failure `error` says why.
std::optional<RenderTvOptions> ParseRenderTvArgs(const QStringList& args, QString& error)
{
    RenderTvOptions options;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--out") || a == QLatin1String("--rotation")) {
            if (i + 1 >= args.size()) {
                error = QStringLiteral("%1 needs a value").arg(a);
                return std::nullopt;
            }
            const QString value = args[++i];
            if (a == QLatin1String("--out")) {
                options.out = value;
            } else if (value == QLatin1String("none")) {
                options.rotation = RotationNone;
            } else if (value == QLatin1String("cw")) {
                options.rotation = RotationClockwise;
            } else if (value == QLatin1String("ccw")) {
                options.rotation = RotationCounterClockwise;
            } else {
                error = QStringLiteral("--rotation must be none, cw or ccw, not '%1'").arg(value);
                return std::nullopt;
            }
        } else if (a.startsWith(QLatin1String("--"))) {
            error = QStringLiteral("unknown option %1 for --render-tv").arg(a);
            return std::nullopt;
        } else if (options.package.isEmpty()) {
            options.package = a;
        } else {
            error = QStringLiteral("--render-tv takes one package, got '%1' too").arg(a);
            return std::nullopt;
        }
    }
    if (options.package.isEmpty()) {
        error = QStringLiteral("--render-tv needs a layout package (*_LAYOUT.TABLOR)");
        return std::nullopt;
    }
    return options;
}

QString LoadFailure(const LoadReport& report)
{
    switch (report.status) {
    case LoadStatus::CannotOpen:
        return report.unpackError.isEmpty() ? QStringLiteral("the package holds no readable layout document")
                                            : report.unpackError;
    case LoadStatus::NotALayout:
        return QStringLiteral("the package's document is not a layout");
    case LoadStatus::TooLarge:
        return QStringLiteral("the package's document is too large to be a layout");
    case LoadStatus::Loaded:
        break;
    }
    return {};
}

} // namespace

int RunRenderTv(const QStringList& args, QTextStream& out, QTextStream& err)
{
    auto fail = [&err](const QString& why) {
        err << "signwright: " << why << '\n';
        err.flush();
        return 1;
    };
    QString error;
    const std::optional<RenderTvOptions> options = ParseRenderTvArgs(args, error);
    if (!options)
        return fail(error);

    const QFileInfo package(options->package);
    if (!package.isFile())
        return fail(QStringLiteral("cannot read %1").arg(options->package));
    if (!IsPackagePath(package.fileName()))
        return fail(QStringLiteral("%1 is not a layout package (*.TABLOR)").arg(options->package));

    // A private working folder, so nothing of a running editor is disturbed.
    QTemporaryDir work;
    if (!work.isValid())
        return fail(QStringLiteral("cannot create a temporary working folder"));
    MenuBoard board;
    LoadReport report;
    if (!LoadLayoutFile(package.absoluteFilePath(), work.path(), board, nullptr, report))
        return fail(QStringLiteral("cannot open %1: %2").arg(options->package, LoadFailure(report)));
    // The package's own fonts draw the families this computer lacks, for this
    // process only: a render installs nothing for the user.
    RegisterLayoutFonts(work.path());

    const Bitmap background = Bitmap::FromFile(board.BackgroundFileName);
    if (background.IsNull())
        return fail(QStringLiteral("the background image of %1 cannot be read").arg(options->package));

    // Placed as in a preview area larger than the image: window pixels are
    // board pixels, the way a full-resolution save sees the board.
    BoardGeometry geometry;
    const BoardImageInfo info{std::uint32_t(background.Width()), std::uint32_t(background.Height()),
                              background.VerticalResolution()};
    PlaceBoard(geometry, {0, 0, background.Width() + 1, background.Height() + 1}, std::nullopt, info);
    ComputeStripGrid(geometry, board);

    TvImageRequest request;
    request.layoutPath = package.absoluteFilePath();
    request.backgroundPath = board.BackgroundFileName;
    request.outputPath = options->out;
    const int rotation = options->rotation;
    request.chooseRotation = [rotation] { return rotation; };

    const QString written = RenderTvImage(board, geometry, request, ComposeContext{});
    if (written.isEmpty()) {
        const QString target = options->out.isEmpty()
            ? TvImageOutputPath(request.layoutPath, board.WhitePrintBackground, false, {})
            : options->out;
        return fail(QStringLiteral("cannot write the TV image %1").arg(target));
    }
    out << written << '\n';
    out.flush();
    return 0;
}

} // namespace sw::cli
