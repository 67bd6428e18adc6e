#pragma once
#include <QString>

namespace sw {

// The product and edition title (written before " Version" in layout documents
// and at the start of the window title).
inline const QString kProductTitle = QStringLiteral("Tablor Studio Editor 3.0");
// The application display name used in the window title.
inline const QString kAppDisplayName = QStringLiteral("Tablor Studio Editor 3.0");

// The program's four-part version, "3.0.38.2".
QString GetVersionString();

} // namespace sw
