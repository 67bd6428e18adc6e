// signwright: the menu board editor, and its command-line options.
#include "app/run_editor.h"
#include "cli/cli.h"
#include "platform/version.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>
#include <cstring>

namespace {

const char* kUsage = R"(Usage: signwright [FILE]
       signwright --dump FILE
       signwright --render-tv PACKAGE [--out PATH] [--rotation none|cw|ccw]
       signwright --help | --version

Opens the menu board editor, with FILE (a layout package *_LAYOUT.TABLOR, a TV
image *_TV.jpg or an older TablorLayout_*.XTABLOR document) if given.

Options:
  --dump FILE          print the board of FILE as JSON on standard output
  --render-tv PACKAGE  write the TV image of PACKAGE beside it (or at --out)
  --out PATH           where --render-tv writes the image
  --rotation R         turn a portrait board: none, cw or ccw (default none)
  --help               show this text
  --version            print the program version
)";

bool IsOption(const char* arg, const char* name) { return std::strcmp(arg, name) == 0; }

// The command-line options promise one line on stderr for an error. Qt's
// chatter about a missing XDG_RUNTIME_DIR (usual under cron, ssh and CI) and
// image decoders' warnings would break that; our own errors are printed
// directly, so the options keep only Qt's critical and fatal messages.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qUtf8Printable(message));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc >= 2 && (IsOption(argv[1], "--help") || IsOption(argv[1], "-h"))) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (argc >= 2 && IsOption(argv[1], "--version")) {
        std::printf("%s\n", sw::GetVersionString().toUtf8().constData());
        return 0;
    }
    if (argc >= 2 && (IsOption(argv[1], "--dump") || IsOption(argv[1], "--render-tv"))) {
        // Rendering needs fonts and images but no display.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(QuietQtMessages);
        QGuiApplication app(argc, argv);
        QTextStream out(stdout);
        QTextStream err(stderr);
        const QStringList rest = app.arguments().mid(2);
        return IsOption(argv[1], "--dump") ? sw::cli::RunDump(rest, out, err)
                                           : sw::cli::RunRenderTv(rest, out, err);
    }
    if (argc >= 2 && argv[1][0] == '-' && argv[1][1] == '-') {
        std::fprintf(stderr, "signwright: unknown option %s (see --help)\n", argv[1]);
        return 2;
    }
    return RunEditor(argc, argv);
}
