#pragma once
// What the program asks of the machine's fonts, answered by fontconfig. This
// is the only place besides the widgets that talks to fontconfig; the font
// inventory builds the layout rules (substitutes, file name rules) on top.
//
// Fonts the running program registered for itself (QFontDatabase::
// addApplicationFont) are part of fontconfig's application set, so they
// count here as well.
#include <QString>
#include <QStringList>

namespace sw {

// True when some installed face carries `family` as one of its family names
// (fontconfig compares them ignoring case). Fontconfig's own aliases, such as
// Arial -> Liberation Sans, do not count: those are substitutions, not the family.
bool FontconfigListsFamily(const QString& family);

// The file of the face that stands for `name` the way a Windows font registry
// entry would: a face of that family in its upright regular style (the face
// nearest to it when the family has no plain regular), else a face whose full
// name is `name` ("Cubano Normal"). Empty when nothing installed matches.
QString FontconfigFileForName(const QString& name);

// The family names of every face in a font file; empty when the file is not a
// font fontconfig can read.
QStringList FontFileFamilies(const QString& path);

// Starts rebuilding fontconfig's cache of one folder (fc-cache -f FOLDER) in
// the background, so other programs see a font just copied there. False when
// fc-cache could not be started.
bool RefreshFontCache(const QString& folder);

} // namespace sw
