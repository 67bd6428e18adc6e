#include "platform/window_title.h"

#include "platform/version.h"

namespace sw {

QString ComposeWindowTitle(const QString& fileNamePart)
{
    QString title = kAppDisplayName + QStringLiteral(" Ver ") + GetVersionString();
    if (!fileNamePart.isEmpty())
        title += kTitleFileLabel + fileNamePart;
    return title;
}

} // namespace sw
