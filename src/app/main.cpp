// signwright: the menu board editor, and its command-line options.
#include "platform/version.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

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

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    QTextStream out(stdout);
    if (args.contains("--version")) {
        out << sw::GetVersionString() << "\n";
        return 0;
    }
    out << kUsage;
    return 0;
}
