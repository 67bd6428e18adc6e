#pragma once
// The work Signwright does without a window. Each entry point takes the
// arguments after its option and returns the process exit status; errors are one
// line on `err`.
#include <QStringList>
#include <QTextStream>

namespace sw::cli {

// --dump FILE: the board of a package, TV image or older layout document as JSON.
int RunDump(const QStringList& args, QTextStream& out, QTextStream& err);

// --render-tv PACKAGE [--out PATH] [--rotation none|cw|ccw]: writes the TV image.
int RunRenderTv(const QStringList& args, QTextStream& out, QTextStream& err);

} // namespace sw::cli
