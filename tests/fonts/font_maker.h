#pragma once
// Test fonts this machine certainly lacks: a copy of an installed TrueType
// font whose 'name' table is replaced, so fontconfig and Qt see a new family.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QUuid>
#include <QtEndian>

#include "support/fixture.h" // readable QString values in failures

namespace sw::test {

// The installed font the test fonts are cut from: monospaced, so a text
// drawn with it is easy to tell from the proportional fallback family.
inline const QString kTestFontSource = QStringLiteral("/usr/share/fonts/truetype/liberation2/LiberationMono-Regular.ttf");
inline const QString kTestFontSourceFamily = QStringLiteral("Liberation Mono");

// A family name no machine has, different in every call.
inline QString UniqueFamily(const QString& stem)
{
    return stem + QLatin1Char(' ') + QUuid::createUuid().toString(QUuid::Id128).left(10);
}

// `font` with a new name table (family, style, full name, PostScript name),
// appended at the end with the table directory pointing at it.
inline QByteArray RenameFontFamily(const QByteArray& font, const QString& family,
                                   const QString& style = QStringLiteral("Regular"), QString fullName = {})
{
    if (fullName.isEmpty())
        fullName = style == QLatin1String("Regular") ? family : family + QLatin1Char(' ') + style;
    if (font.size() < 12)
        return {};
    auto u16 = [&](int off) { return qFromBigEndian<quint16>(font.constData() + off); };
    auto put16 = [](QByteArray& b, quint16 v) {
        char c[2];
        qToBigEndian(v, c);
        b.append(c, 2);
    };
    const struct {
        quint16 id;
        QString text;
    } names[] = {{1, family}, {2, style}, {4, fullName}, {6, QString(fullName).remove(QLatin1Char(' '))}};
    QByteArray strings, table;
    put16(table, 0);
    put16(table, 4);
    put16(table, 6 + 4 * 12);
    for (const auto& n : names) {
        QByteArray s;
        for (QChar ch : n.text)
            put16(s, ch.unicode());
        for (quint16 v : {quint16(3), quint16(1), quint16(0x409), n.id, quint16(s.size()), quint16(strings.size())})
            put16(table, v);
        strings += s;
    }
    table += strings;
    QByteArray out = font;
    while (out.size() % 4)
        out.append('\0');
    for (int i = 0; i < u16(4); ++i) {
        const int rec = 12 + 16 * i;
        if (font.mid(rec, 4) == "name") {
            qToBigEndian(quint32(out.size()), out.data() + rec + 8);
            qToBigEndian(quint32(table.size()), out.data() + rec + 12);
            return out + table;
        }
    }
    return {};
}

inline QByteArray MakeTestFont(const QString& family, const QString& style = QStringLiteral("Regular"),
                               const QString& fullName = {})
{
    QFile f(kTestFontSource);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return RenameFontFamily(f.readAll(), family, style, fullName);
}

} // namespace sw::test
