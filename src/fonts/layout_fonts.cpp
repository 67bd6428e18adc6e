#include "fonts/layout_fonts.h"

#include "fonts/font_install.h"
#include "fonts/font_substitutes.h"
#include "layout_io/font_list_file.h"
#include "platform/files.h"
#include "platform/font_system.h"
#include "platform/imaging.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QSet>

namespace sw {
namespace {

// Files registered by this process, so a second call for the same folder (a
// dump after a render) does not register them twice.
QSet<QString>& RegisteredFiles()
{
    static QSet<QString> files;
    return files;
}

} // namespace

QStringList RegisterLayoutFonts(const QString& workFolder)
{
    InstallFontSubstitutions();
    QStringList candidates;
    for (const FontFileEntry& entry : ReadFontFileNames(workFolder)) {
        const QString path = FindFileCaseInsensitive(workFolder, entry.file);
        if (!path.isEmpty() && !candidates.contains(path))
            candidates << path;
    }
    for (const QString& path : LayoutFontFiles(workFolder)) {
        if (!candidates.contains(path))
            candidates << path;
    }

    QStringList gained;
    for (const QString& path : candidates) {
        const QString key = QFileInfo(path).canonicalFilePath();
        if (key.isEmpty() || RegisteredFiles().contains(key))
            continue;
        QStringList lacking;
        for (const QString& family : FontFileFamilies(path)) {
            // A family the computer has keeps the computer's own file; only
            // families it lacks come from the package.
            if (!FontconfigListsFamily(family))
                lacking << family;
        }
        if (lacking.isEmpty())
            continue;
        if (QFontDatabase::addApplicationFont(path) < 0)
            continue;
        RegisteredFiles().insert(key);
        for (const QString& family : lacking) {
            if (!gained.contains(family))
                gained << family;
        }
    }
    if (!gained.isEmpty())
        ClearFontCache();
    return gained;
}

} // namespace sw
