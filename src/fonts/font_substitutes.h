#pragma once
// The table of Windows font families and the open families that stand in for
// them on this system (font_substitutes.tsv, compiled in). A layout made on
// Windows names Arial or Segoe UI; here those are drawn with their replacement.
#include <QList>
#include <QString>

namespace sw {

struct FontSubstitute {
    QString windowsFamily;
    QString openFamily;
    QString debianPackage;
    bool metricCompatible = false;
};

// The whole table, in file order.
const QList<FontSubstitute>& FontSubstituteTable();

// The open family for a Windows family (compared ignoring case, as font
// names are on Windows), or an empty string when the table has none.
QString SubstituteFamilyOf(const QString& family);

// The family to draw `family` with: itself when installed, else its table
// substitute when that is installed, else `family` unchanged (the imaging
// layer then falls back to the generic sans-serif family).
QString FamilyToDrawWith(const QString& family);

// Makes the table effective for this process: Qt's own font substitutions
// (for widgets) and the imaging layer's family resolver (for the board). Safe
// to call more than once; every entry point of the fonts module calls it.
void InstallFontSubstitutions();

} // namespace sw
