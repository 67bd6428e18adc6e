#pragma once
// How single values are found and read in a layout document. The document only
// looks like XML: values are stored raw, so they are found by plain substring
// search for "<Tag>" and the next "</Tag>" after it, never by an XML parser.
#include "model/color.h"

#include <QString>
#include <QStringView>

namespace sw {

// The text between the first "<tag>" and the next "</tag>"; empty when either
// is missing. The first occurrence wins.
QStringView FindValue(QStringView text, QStringView tag);

// The leading decimal integer (after white space and an optional sign); 0 when
// there is none. Values beyond the int range saturate.
int ReadInteger(QStringView value);
// The leading decimal number, with a point as separator whatever the locale;
// 0.0 when there is none or when it does not fit a finite double.
double ReadReal(QStringView value);
// True only for exactly "Yes".
bool ReadBoolean(QStringView value);
// "R,G,B", each part's integer truncated to its low 8 bits; empty is black.
ColorRef ReadColor(QStringView value);
// 1 for exactly "Center", 2 for exactly "Right", otherwise 0.
int ReadAlignment(QStringView value);

} // namespace sw
