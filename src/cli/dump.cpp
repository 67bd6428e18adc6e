#include "cli/board_json.h"
#include "cli/cli.h"
#include "fonts/layout_fonts.h"
#include "layout_io/layout_loader.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QTemporaryDir>

namespace sw::cli {

namespace {

QString Describe(const LoadReport& report, const QString& path)
{
    switch (report.status) {
    case LoadStatus::NotALayout:
        return QStringLiteral("%1 is not a layout document").arg(path);
    case LoadStatus::TooLarge:
        return QStringLiteral("%1 is too large to be a layout document").arg(path);
    case LoadStatus::CannotOpen:
    case LoadStatus::Loaded:
        break;
    }
    if (report.kind == LayoutKind::Package && QFileInfo(path).isFile()) {
        if (!report.unpackError.isEmpty())
            return QStringLiteral("cannot read the layout package %1: %2").arg(path, report.unpackError);
        return QStringLiteral("the layout package %1 holds no layout document").arg(path);
    }
    return QStringLiteral("cannot open %1").arg(path);
}

} // namespace

int RunDump(const QStringList& args, QTextStream& out, QTextStream& err)
{
    if (args.size() != 1 || args.first().isEmpty()) {
        err << "signwright: --dump takes one FILE (a layout package, TV image or layout document)\n";
        return 1;
    }
    const QString path = LayoutPathForChosenFile(args.first());

    // The package is unpacked into a folder of our own that goes away with
    // us, never into an editor's working folder.
    QTemporaryDir work;
    if (!work.isValid()) {
        err << "signwright: cannot create a temporary folder: " << work.errorString() << '\n';
        return 1;
    }
    MenuBoard board;
    NoFontCheck noFontCheck;
    LoadReport report;
    const bool loaded = LoadLayoutFile(path, work.path(), board, &noFontCheck, report);
    for (const QString& skipped : report.skipped)
        err << "signwright: skipped package entry " << skipped << '\n';
    if (!loaded) {
        err << "signwright: " << Describe(report, path) << '\n';
        return 1;
    }
    // Like a render, the dump sees the layout with the fonts its package carries.
    RegisterLayoutFonts(work.path());
    out << QString::fromUtf8(QJsonDocument(BoardToJson(board)).toJson(QJsonDocument::Compact)) << '\n';
    out.flush();
    return 0;
}

} // namespace sw::cli
