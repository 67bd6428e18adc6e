#pragma once
#include <QString>

namespace sw {

// Label that precedes the file name in the window title (six blanks before it).
inline const QString kTitleFileLabel = QStringLiteral("      TablorFile : ");

// "Tablor Studio Editor 3.0 Ver 3.0.38.2", followed by the label and the file
// name part when one is given (callers may append more, e.g. a resolution).
QString ComposeWindowTitle(const QString& fileNamePart);

} // namespace sw
