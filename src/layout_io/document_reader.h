#pragma once
// Fills a board from a layout document (plain or scrambled).
#include "layout_io/font_check.h"
#include "model/board.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace sw {

// Where the layout being read came from; decides where its picture and
// background names lead (see document_paths.h).
struct OpenContext {
    bool fromPackage = true;
    QString workFolder;     // the unpacked package
    QString layoutFolder;   // folder of the document (older format) or package
    QString layoutBaseName; // older format: "Lunch" for TablorLayout_Lunch.XTABLOR
};

enum class DocumentReadResult {
    Read,
    // Not one of our tags was found: the board was left untouched.
    NotALayout,
};

// Reads `text` into `board`: counts (clamped to 1..8 columns and 4..200 rows),
// white print format, background path, and every strip of the used range;
// every other cell ends at the strip defaults. `fontCheck` (may be null) is
// asked about every text block's font and appends to `MissingFontList`.
DocumentReadResult ReadLayoutDocument(const QString& text, MenuBoard& board, const OpenContext& context,
                                      TextBlockFontCheck* fontCheck, QStringList& MissingFontList);

// The same from the stored bytes: UTF-16LE code units (an odd last byte is
// ignored), unscrambled first when the first code unit is '?'.
DocumentReadResult ReadLayoutDocumentBytes(const QByteArray& bytes, MenuBoard& board, const OpenContext& context,
                                           TextBlockFontCheck* fontCheck, QStringList& MissingFontList);

// The prices rules applied after a prices block has been read, kept apart so
// they can be checked on their own.
QString FixPriceTabMarkers(QString text);
void FixPriceSpacing(const QString& pricesText, double& PriceTabSpacingFactor, double& CaloriesSpacingFactor);

} // namespace sw
