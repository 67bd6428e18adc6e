#pragma once
// The layout document in its plain (unscrambled) text form.
#include "model/board.h"

#include <QString>

namespace sw {

inline const QString kDocumentDeclaration =
    QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-16\" standalone=\"yes\"?>");
inline const QString kVersionWord = QStringLiteral(" Version");

// The product title followed by " Version" and the four-part version, with no
// space before the number ("... Version3.0.38.2").
QString NameAndVersion();

// The document for `board`. BackgroundFileName is taken from `backgroundPath`
// (only its file name is stored; packages pass "Background.jpg"). Picture paths
// are stored as the model holds them, with '\' as separator. Values are written unescaped:
// texts may carry '<', '>' and line breaks and the reader relies on that.
QString WriteLayoutDocument(const MenuBoard& board, const QString& backgroundPath);

} // namespace sw
