#include "layout_io/scramble.h"

#include <algorithm>

namespace sw {

QString RemoveSelectionMarkers(QString text)
{
    text.remove(QLatin1Char('~'));
    return text;
}

QString Scramble(const QString& text)
{
    QString out(text.size(), Qt::Uninitialized);
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i)
        out[i] = QChar(static_cast<char16_t>(text.at(n - 1 - i).unicode() + 1u));
    return out;
}

QString Unscramble(const QString& text)
{
    QString out(text.size(), Qt::Uninitialized);
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i)
        out[i] = QChar(static_cast<char16_t>(text.at(n - 1 - i).unicode() - 1u));
    return out;
}

QByteArray ToUtf16LeBytes(const QString& text)
{
    QByteArray bytes;
    bytes.resize(text.size() * 2);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text.at(i).unicode();
        bytes[2 * i] = static_cast<char>(u & 0xFF);
        bytes[2 * i + 1] = static_cast<char>((u >> 8) & 0xFF);
    }
    return bytes;
}

QString FromUtf16LeBytes(const QByteArray& bytes)
{
    const qsizetype units = bytes.size() / 2;
    QString out(units, Qt::Uninitialized);
    for (qsizetype i = 0; i < units; ++i) {
        const auto lo = static_cast<unsigned char>(bytes[2 * i]);
        const auto hi = static_cast<unsigned char>(bytes[2 * i + 1]);
        out[i] = QChar(static_cast<char16_t>(lo | (hi << 8)));
    }
    return out;
}

} // namespace sw
