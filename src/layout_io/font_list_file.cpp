#include "layout_io/font_list_file.h"

#include "layout_io/package.h"
#include "layout_io/scramble.h"
#include "platform/files.h"

#include <QDir>
#include <QFile>

namespace sw {
namespace {

bool IsPlainFileName(const QString& name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) &&
           !name.contains(QChar(0));
}

// A list file larger than this is not a font list.
constexpr qint64 kMaxFontListBytes = 1 << 20;

} // namespace

QList<FontFileEntry> ParseLayoutFontList(const QString& layoutFontList)
{
    QList<FontFileEntry> entries;
    qsizetype pos = 0;
    while (pos < layoutFontList.size()) {
        qsizetype end = layoutFontList.indexOf(QLatin1Char(';'), pos);
        if (end < 0)
            end = layoutFontList.size();
        const QString entry = layoutFontList.mid(pos, end - pos);
        pos = end + 1;
        const qsizetype comma = entry.indexOf(QLatin1Char(','));
        if (comma < 0)
            continue;
        FontFileEntry e{entry.left(comma), entry.mid(comma + 1)};
        if (IsPlainFileName(e.file))
            entries.append(e);
    }
    return entries;
}

bool WriteFontFileNames(const QString& workFolder, const QString& layoutFontList)
{
    return WriteFileDurably(QDir(workFolder).filePath(kFontFileNamesEntryName), ToUtf16LeBytes(layoutFontList));
}

QList<FontFileEntry> ReadFontFileNames(const QString& workFolder)
{
    const QString path = FindFileCaseInsensitive(workFolder, kFontFileNamesEntryName);
    if (path.isEmpty())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxFontListBytes)
        return {};
    QString text = FromUtf16LeBytes(file.readAll());
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return ParseLayoutFontList(text);
}

} // namespace sw
