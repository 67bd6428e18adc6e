#pragma once
// Which font families this computer has, which file holds each, and the two
// hooks through which layouts learn about their fonts: the collector the text
// painter feeds while a board is composed for saving, and the check the
// document reader applies to every text block.
//
// A family counts as installed when fontconfig lists it or when the
// substitution table names an installed replacement; its file is then the
// replacement's file, which is what a package made here carries.
#include "layout_io/font_check.h"
#include "render/font_collector.h"

#include <QString>
#include <QStringList>

namespace sw {

bool IsFontInstalled(const QString& family);

// Where a family's font file is and the bare name it travels under in a
// layout package (the name FindFontFile gives).
struct FontFileLocation {
    QString sourcePath;
    QString fileName;
    bool isEmpty() const { return fileName.isEmpty(); }
};
FontFileLocation LocateFontFile(const QString& family);

// The bare font file name of a family, or an empty string when nothing
// installed holds it.
QString FindFontFile(const QString& family);

// The file name rule packages follow: "Cubano_0.ttf" travels as "Cubano.ttf";
// names with "__" or starting with "_" stay as they are.
QString ApplyFontFileNameRule(const QString& fileName);

// Fills LayoutFontList ("Arial,arial.ttf;Impact,impact.ttf;") and copies each
// family's file into the working folder, once per family.
class LayoutFontCollector final : public FontCollector {
public:
    explicit LayoutFontCollector(QString workFolder);

    void CollectLayoutFont(const QString& family) override;

    const QString& LayoutFontList() const { return layoutFontList_; }
    // At the start of every composition of the whole board.
    void Clear() { layoutFontList_.clear(); }
    void SetWorkFolder(const QString& workFolder) { workFolder_ = workFolder; }

private:
    bool HasEntryFor(const QString& family) const;

    QString workFolder_;
    QString layoutFontList_;
};

// The rule applied to each text block's font while a layout is read: a family
// this computer has drops the package's copy of its file (a later save takes
// the computer's own file); a family it lacks is recorded once as missing.
class LayoutFontCheck final : public TextBlockFontCheck {
public:
    explicit LayoutFontCheck(QString workFolder);

    void CheckTextBlockFont(const QString& fontName, QStringList& handledFamilies,
                            QStringList& missingFontList) override;

private:
    QString workFolder_;
};

// Deletes the working folder's copy of a family's file, unless that copy is
// the very file that makes the family available (a font the program
// registered from the package for itself).
void DropPackageFontCopy(const QString& workFolder, const QString& family);

} // namespace sw
