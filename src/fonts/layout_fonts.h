#pragma once
// Fonts a layout package carries, made usable by this program alone: the
// command-line renders and dumps, and a layout shown although some of its
// families are not installed, draw with the package's own files instead of a
// replacement. Nothing is installed for the user.
#include <QStringList>

namespace sw {

// Registers with this process (never system-wide) the font files of an
// unpacked package in `workFolder`: the files its "FontFileNames.txt" names
// and its other ".ttf" files, each only when this computer lacks a family the
// file holds. Returns the families that became available this way.
QStringList RegisterLayoutFonts(const QString& workFolder);

} // namespace sw
