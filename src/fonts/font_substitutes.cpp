#include "fonts/font_substitutes.h"

#include "platform/font_system.h"
#include "platform/imaging.h"

#include <QFile>
#include <QFont>
#include <QHash>

// The table is a resource of this static library; the linker keeps it only
// when it is initialised explicitly.
static void InitFontResources()
{
    Q_INIT_RESOURCE(fonts);
}

namespace sw {
namespace {

const QString kTablePath = QStringLiteral(":/fonts/font_substitutes.tsv");

QList<FontSubstitute> LoadTable()
{
    InitFontResources();
    QList<FontSubstitute> table;
    QFile file(kTablePath);
    if (!file.open(QIODevice::ReadOnly))
        return table;
    const QString text = QString::fromUtf8(file.readAll());
    for (const QString& line : text.split(u'\n')) {
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList cols = line.split(u'\t');
        if (cols.size() < 4 || cols[0].isEmpty() || cols[1].isEmpty())
            continue;
        table.push_back({cols[0], cols[1], cols[2], cols[3] == QLatin1String("metric")});
    }
    return table;
}

} // namespace

const QList<FontSubstitute>& FontSubstituteTable()
{
    static const QList<FontSubstitute> table = LoadTable();
    return table;
}

QString SubstituteFamilyOf(const QString& family)
{
    for (const FontSubstitute& s : FontSubstituteTable()) {
        if (s.windowsFamily.compare(family, Qt::CaseInsensitive) == 0)
            return s.openFamily;
    }
    return {};
}

QString FamilyToDrawWith(const QString& family)
{
    if (family.isEmpty() || FontconfigListsFamily(family))
        return family;
    const QString substitute = SubstituteFamilyOf(family);
    if (!substitute.isEmpty() && FontconfigListsFamily(substitute))
        return substitute;
    return family;
}

void InstallFontSubstitutions()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    for (const FontSubstitute& s : FontSubstituteTable()) {
        // Qt consults substitutions only for a family it cannot find, so a
        // family installed for real still wins over its substitute.
        QFont::insertSubstitution(s.windowsFamily, s.openFamily);
    }
    SetFontFamilyResolver(FamilyToDrawWith);
}

} // namespace sw
