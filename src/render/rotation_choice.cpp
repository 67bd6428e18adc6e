#include "render/rotation_choice.h"

#include "platform/files.h"
#include "platform/prompter.h"

#include <QDir>
#include <QFile>

namespace sw {

namespace {
QString RotationDataPath(const QString& folder) { return QDir(folder).filePath(kRotationDataFileName); }
} // namespace

int ReadRotationChoice(const QString& folder)
{
    QFile file(RotationDataPath(folder));
    if (!file.open(QIODevice::ReadOnly))
        return RotationNone;
    const QByteArray bytes = file.read(2);
    if (bytes.size() < 2)
        return RotationNone;
    const char16_t first = char16_t(std::uint8_t(bytes[0]) | (std::uint8_t(bytes[1]) << 8));
    if (first == u'1')
        return RotationClockwise;
    if (first == u'2')
        return RotationCounterClockwise;
    return RotationNone;
}

bool WriteRotationChoice(const QString& folder, int choice)
{
    QDir().mkpath(folder);
    const QString digits = QString::number(choice);
    QByteArray bytes;
    for (QChar ch : digits) {
        bytes.append(char(ch.unicode() & 0xFF));
        bytes.append(char(ch.unicode() >> 8));
    }
    return WriteFileDurably(RotationDataPath(folder), bytes);
}

int AskRotationChoice(Prompter& prompter, const QString& folder)
{
    const int last = ReadRotationChoice(folder);
    int choice = prompter.askRotation(last).value_or(last);
    if (choice < RotationNone || choice > RotationCounterClockwise)
        choice = RotationNone;
    // A choice that cannot be remembered is still used for this image.
    WriteRotationChoice(folder, choice);
    return choice;
}

} // namespace sw
