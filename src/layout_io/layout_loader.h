#pragma once
// Reading a layout from disk into a board, without any user interface: the
// opening flow puts its questions and messages around this, the command-line
// dump uses it as it is.
#include "layout_io/document_reader.h"
#include "layout_io/font_check.h"
#include "model/board.h"

#include <QString>
#include <QStringList>

namespace sw {

enum class LayoutKind {
    Package,        // the text after the file name's last "." is exactly "TABLOR"
    LegacyDocument, // anything else, "menu.tablor" included
};

LayoutKind ClassifyLayoutPath(const QString& path);

// The path whose layout a chosen file stands for: a TV image ("_TV" in its
// file name) leads to its package beside it; packages and documents stand for
// themselves, even when "_TV" happens to be part of their name.
QString LayoutPathForChosenFile(const QString& chosenPath);

// The base name the older format derives its support folder from:
// "TablorLayout_Lunch.XTABLOR" -> "Lunch" ("XTABLOR" becomes "jpg",
// "TablorLayout_" goes, and the name is cut at its last ".").
QString LegacyLayoutBaseName(const QString& documentFileName);

// Documents are a few megabytes at most; anything far larger is not one and is
// not read into memory.
inline constexpr qint64 kMaxLayoutDocumentBytes = qint64(64) << 20;

enum class LoadStatus {
    Loaded,
    CannotOpen,   // the document (for a package: its "Layout.XTABLOR") could not be opened
    NotALayout,   // the file holds none of the document's tags; the board is untouched
    TooLarge,     // larger than kMaxLayoutDocumentBytes; the board is untouched
};

struct LoadReport {
    LoadStatus status = LoadStatus::CannotOpen;
    LayoutKind kind = LayoutKind::Package;
    QString documentPath;       // the document read, or the one that could not be opened
    OpenContext context;        // as handed to the reader
    QStringList skipped;        // package entries the unpacker refused
    QString unpackError;        // set when the package as a whole could not be read
    QStringList MissingFontList; // filled through the font check
};

// Reads the layout at `path` (a package or an older-format document, not a TV
// image: map that first with LayoutPathForChosenFile) into `board`.
// A package is unpacked into `workFolder` first; the caller empties that folder
// beforehand, as a stale "Layout.XTABLOR" would otherwise be read when the new
// package lacks one. An older-format document is read in place. Returns true
// when the board now holds the layout; otherwise report.status says why and
// the board is as it was.
bool LoadLayoutFile(const QString& path, const QString& workFolder, MenuBoard& board,
                    TextBlockFontCheck* fontCheck, LoadReport& report);

} // namespace sw
