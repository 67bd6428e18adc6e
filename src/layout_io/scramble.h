#pragma once
#include <QByteArray>
#include <QString>

namespace sw {

// The layout document is stored inside packages in a reversible, trivially
// obfuscated form: code units reversed and each one raised by 1 (mod 65536).
// A plain document starts with '<'; a scrambled one therefore starts with '?'.

// Drops every SelectionMarker '~' (the painter's mark must never reach a file).
QString RemoveSelectionMarkers(QString text);
QString Scramble(const QString& text);
QString Unscramble(const QString& text);

// UTF-16LE code units without a byte order mark, as the document and the font
// list are stored. A trailing odd byte cannot form a code unit and is dropped.
QByteArray ToUtf16LeBytes(const QString& text);
QString FromUtf16LeBytes(const QByteArray& bytes);

} // namespace sw
