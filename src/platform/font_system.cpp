#include "platform/font_system.h"

#include <QFile>
#include <QProcess>

#include <fontconfig/fontconfig.h>

#include <cstdlib>
#include <memory>

namespace sw {
namespace {

struct PatternDeleter {
    void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
struct ObjectSetDeleter {
    void operator()(FcObjectSet* s) const { FcObjectSetDestroy(s); }
};
struct FontSetDeleter {
    void operator()(FcFontSet* s) const { FcFontSetDestroy(s); }
};
using PatternPtr = std::unique_ptr<FcPattern, PatternDeleter>;
using ObjectSetPtr = std::unique_ptr<FcObjectSet, ObjectSetDeleter>;
using FontSetPtr = std::unique_ptr<FcFontSet, FontSetDeleter>;

bool EnsureFontconfig()
{
    static const bool ok = FcInit() == FcTrue;
    return ok;
}

QStringList StringsOf(FcPattern* p, const char* object)
{
    QStringList out;
    FcChar8* s = nullptr;
    for (int i = 0; FcPatternGetString(p, object, i, &s) == FcResultMatch; ++i)
        out << QString::fromUtf8(reinterpret_cast<const char*>(s));
    return out;
}

// Every installed face listing `value` under `object` (FC_FAMILY or
// FC_FULLNAME), with the properties the choice of a face needs.
FontSetPtr ListFaces(const char* object, const QString& value)
{
    if (!EnsureFontconfig() || value.isEmpty())
        return nullptr;
    PatternPtr pattern(FcPatternCreate());
    const QByteArray utf8 = value.toUtf8();
    FcPatternAddString(pattern.get(), object, reinterpret_cast<const FcChar8*>(utf8.constData()));
    ObjectSetPtr objects(FcObjectSetBuild(FC_FAMILY, FC_FULLNAME, FC_STYLE, FC_FILE, FC_WEIGHT, FC_SLANT,
                                          FC_WIDTH, static_cast<char*>(nullptr)));
    return FontSetPtr(FcFontList(nullptr, pattern.get(), objects.get()));
}

bool ListsName(FcPattern* face, const char* object, const QString& name)
{
    for (const QString& s : StringsOf(face, object)) {
        if (s.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

int IntOf(FcPattern* p, const char* object, int fallback)
{
    int v = fallback;
    FcPatternGetInteger(p, object, 0, &v);
    return v;
}

// Lower is closer to "Family (TrueType)" / "Family Regular (TrueType)".
int RegularDistance(FcPattern* face)
{
    int d = std::abs(IntOf(face, FC_WEIGHT, FC_WEIGHT_REGULAR) - FC_WEIGHT_REGULAR);
    d += IntOf(face, FC_SLANT, FC_SLANT_ROMAN) != FC_SLANT_ROMAN ? 1000 : 0;
    d += std::abs(IntOf(face, FC_WIDTH, FC_WIDTH_NORMAL) - FC_WIDTH_NORMAL) * 4;
    return d;
}

QString FileOf(FcPattern* face)
{
    const QStringList files = StringsOf(face, FC_FILE);
    return files.isEmpty() ? QString() : files.first();
}

} // namespace

bool FontconfigListsFamily(const QString& family)
{
    FontSetPtr faces = ListFaces(FC_FAMILY, family);
    if (!faces)
        return false;
    for (int i = 0; i < faces->nfont; ++i) {
        // Fontconfig also lets "OpenSans" match "Open Sans"; a layout's
        // family must match as written (case aside).
        if (ListsName(faces->fonts[i], FC_FAMILY, family))
            return true;
    }
    return false;
}

QString FontconfigFileForName(const QString& name)
{
    if (FontSetPtr faces = ListFaces(FC_FAMILY, name)) {
        FcPattern* best = nullptr;
        int bestDistance = 0;
        QString bestFile;
        for (int i = 0; i < faces->nfont; ++i) {
            FcPattern* face = faces->fonts[i];
            if (!ListsName(face, FC_FAMILY, name))
                continue;
            const int d = RegularDistance(face);
            const QString file = FileOf(face);
            // Ties go to the smaller path so the answer does not depend on
            // fontconfig's listing order.
            if (!best || d < bestDistance || (d == bestDistance && file < bestFile)) {
                best = face;
                bestDistance = d;
                bestFile = file;
            }
        }
        if (best)
            return bestFile;
    }
    if (FontSetPtr faces = ListFaces(FC_FULLNAME, name)) {
        QString bestFile;
        for (int i = 0; i < faces->nfont; ++i) {
            if (!ListsName(faces->fonts[i], FC_FULLNAME, name))
                continue;
            const QString file = FileOf(faces->fonts[i]);
            if (bestFile.isEmpty() || file < bestFile)
                bestFile = file;
        }
        return bestFile;
    }
    return {};
}

QStringList FontFileFamilies(const QString& path)
{
    if (!EnsureFontconfig() || !QFile::exists(path))
        return {};
    const QByteArray file = QFile::encodeName(path);
    int count = 0;
    QStringList families;
    // A collection (.ttc) holds several faces; ask for each one.
    for (int index = 0; index == 0 || index < count; ++index) {
        FcPattern* face = FcFreeTypeQuery(reinterpret_cast<const FcChar8*>(file.constData()), index, nullptr,
                                          &count);
        if (!face)
            break;
        for (const QString& f : StringsOf(face, FC_FAMILY)) {
            if (!families.contains(f))
                families << f;
        }
        FcPatternDestroy(face);
    }
    return families;
}

bool RefreshFontCache(const QString& folder)
{
    // fc-cache waits a second or two after writing (so that folder times
    // differ); nobody needs to wait for it, this program has the font already.
    return QProcess::startDetached(QStringLiteral("fc-cache"), {QStringLiteral("-f"), folder});
}

} // namespace sw
