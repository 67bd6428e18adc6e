#pragma once
// The hook the document reader calls for every text block it reads, so the
// font inventory can decide which families a layout still lacks. The reader
// itself knows nothing about installed fonts.
#include <QString>
#include <QStringList>

namespace sw {

class TextBlockFontCheck {
public:
    virtual ~TextBlockFontCheck();
    // `handledFamilies` is the list of families already looked at during this
    // reading; `missingFontList` collects the ones that are not available.
    virtual void CheckTextBlockFont(const QString& fontName, QStringList& handledFamilies,
                                    QStringList& missingFontList) = 0;
};

// For readers that do not care about fonts (the command-line dump, tests).
class NoFontCheck final : public TextBlockFontCheck {
public:
    void CheckTextBlockFont(const QString&, QStringList&, QStringList&) override {}
};

} // namespace sw
