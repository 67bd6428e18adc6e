// Fonts: family resolution with the substitution hook and the symbol-font
// guard, and the cache of resolved faces.
#include "platform/imaging.h"
#include "platform/imaging_font_face.h"

#include <QFontDatabase>
#include <QFontInfo>

#include <mutex>
#include <unordered_map>

namespace sw {

namespace {

constexpr int kMaxCachedAdvances = 4096;

struct FontRegistry {
    std::mutex mutex;
    FontFamilyResolver resolver;
    std::unordered_map<QString, std::shared_ptr<const FontFace>> faces;
};

FontRegistry& Registry()
{
    static FontRegistry registry;
    return registry;
}

// fontconfig happily answers an unknown family with a symbol font (Impact came
// back as a Dingbats face), which would print a menu in pictograms. A symbol
// face is only accepted when it was asked for by its own name.
bool IsUnwantedSymbolFace(const QString& requested, const QString& resolved)
{
    const auto systems = QFontDatabase::writingSystems(resolved);
    const bool symbol = systems.contains(QFontDatabase::Symbol) || !systems.contains(QFontDatabase::Latin);
    return symbol && resolved.compare(requested, Qt::CaseInsensitive) != 0;
}

QString ResolveLocked(FontRegistry& reg, const QString& requested)
{
    QString name = reg.resolver ? reg.resolver(requested) : requested;
    if (name.isEmpty()) name = requested;
    if (name.isEmpty()) return GenericSansSerifFamily();
    QFont probe(name);
    const QString resolved = QFontInfo(probe).family();
    if (resolved.isEmpty() || IsUnwantedSymbolFace(name, resolved)) return GenericSansSerifFamily();
    return resolved;
}

} // namespace

double FontFace::advance(const QString& text) const
{
    if (text.isEmpty()) return 0.0;
    auto it = advances_.constFind(text);
    if (it != advances_.constEnd()) return it.value();
    if (advances_.size() >= kMaxCachedAdvances) advances_.clear();
    const double value = metrics.horizontalAdvance(text);
    advances_.insert(text, value);
    return value;
}

QString GenericSansSerifFamily()
{
    static const QString family = [] {
        const QString preferred = QStringLiteral("DejaVu Sans");
        if (QFontDatabase::hasFamily(preferred)) return preferred;
        QFont sans;
        sans.setStyleHint(QFont::SansSerif);
        sans.setFamily(QStringLiteral("sans-serif"));
        return QFontInfo(sans).family();
    }();
    return family;
}

void SetFontFamilyResolver(FontFamilyResolver resolver)
{
    auto& reg = Registry();
    std::lock_guard lock(reg.mutex);
    reg.resolver = std::move(resolver);
    reg.faces.clear();
}

QString ResolveFontFamily(const QString& requested)
{
    auto& reg = Registry();
    std::lock_guard lock(reg.mutex);
    return ResolveLocked(reg, requested);
}

void ClearFontCache()
{
    auto& reg = Registry();
    std::lock_guard lock(reg.mutex);
    reg.faces.clear();
}

Font::Font(const QString& family, float emSizePoints, int style)
    : family_(family), size_(emSizePoints), style_(style & FontStyleBoldItalic)
{
    auto& reg = Registry();
    std::lock_guard lock(reg.mutex);
    const QString key = family + QChar(0x1f) + QString::number(style_);
    auto it = reg.faces.find(key);
    if (it != reg.faces.end()) {
        face_ = it->second;
        return;
    }
    const QString resolved = ResolveLocked(reg, family);
    QFont q(resolved);
    q.setPixelSize(int(kReferencePixelSize));
    q.setHintingPreference(QFont::PreferNoHinting);
    // GDI+ lays text out without kerning; kerning would move every price.
    q.setKerning(false);
    q.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoSubpixelAntialias));
    q.setBold((style_ & FontStyleBold) != 0);
    q.setItalic((style_ & FontStyleItalic) != 0);
    auto face = std::make_shared<FontFace>(q);
    face->family = resolved;
    face_ = face;
    reg.faces.emplace(key, face_);
}

QString Font::ResolvedFamily() const { return face_->family; }

} // namespace sw
