#pragma once
#include <QList>
#include <QString>

namespace sw {

// One entry of LayoutFontList / FontFileNames.txt: a family and its font file.
struct FontFileEntry {
    QString family;
    QString file;
    bool operator==(const FontFileEntry&) const = default;
};

// Splits "Arial,arial.ttf;Impact,impact.ttf;" into entries: the family is the
// text before the first ',', the file the text after it up to the next ';'.
// Entries without a comma, with an empty file name, or whose file name is not a
// plain name inside the folder ('/', '\', "." or "..") are left out, because
// the file name is used to open a file in the working folder.
QList<FontFileEntry> ParseLayoutFontList(const QString& layoutFontList);

// Writes layoutFontList to workFolder/"FontFileNames.txt" as UTF-16LE code
// units and nothing else (no byte order mark), replacing any earlier file.
bool WriteFontFileNames(const QString& workFolder, const QString& layoutFontList);

// Reads workFolder/"FontFileNames.txt" (UTF-16LE; a leading byte order mark is
// tolerated). A missing or unreadable file gives an empty list.
QList<FontFileEntry> ReadFontFileNames(const QString& workFolder);

} // namespace sw
