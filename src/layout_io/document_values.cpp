#include "layout_io/document_values.h"

#include <QLocale>
#include <cmath>
#include <limits>

namespace sw {

namespace {

bool IsSpace(QChar c)
{
    const char16_t u = c.unicode();
    return u == u' ' || (u >= u'\t' && u <= u'\r');
}

bool IsDigit(qsizetype i, QStringView s) { return i < s.size() && s[i] >= u'0' && s[i] <= u'9'; }

qsizetype SkipSpace(QStringView s)
{
    qsizetype i = 0;
    while (i < s.size() && IsSpace(s[i]))
        ++i;
    return i;
}

} // namespace

QStringView FindValue(QStringView text, QStringView tag)
{
    const QString open = u'<' + tag.toString() + u'>';
    const qsizetype at = text.indexOf(open);
    if (at < 0)
        return {};
    const qsizetype start = at + open.size();
    const QString close = QStringLiteral("</") + tag.toString() + u'>';
    const qsizetype end = text.indexOf(close, start);
    if (end < 0)
        return {};
    return text.mid(start, end - start);
}

int ReadInteger(QStringView value)
{
    qsizetype i = SkipSpace(value);
    bool negative = false;
    if (i < value.size() && (value[i] == u'+' || value[i] == u'-')) {
        negative = value[i] == u'-';
        ++i;
    }
    long long magnitude = 0;
    constexpr long long limit = static_cast<long long>(std::numeric_limits<int>::max()) + 1;
    for (; IsDigit(i, value); ++i) {
        magnitude = magnitude * 10 + (value[i].unicode() - u'0');
        if (magnitude > limit)
            magnitude = limit;
    }
    const long long signedValue = negative ? -magnitude : magnitude;
    if (signedValue > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    return static_cast<int>(signedValue);
}

double ReadReal(QStringView value)
{
    const qsizetype begin = SkipSpace(value);
    qsizetype i = begin;
    if (i < value.size() && (value[i] == u'+' || value[i] == u'-'))
        ++i;
    bool digits = false;
    while (IsDigit(i, value)) {
        ++i;
        digits = true;
    }
    if (i < value.size() && value[i] == u'.') {
        ++i;
        while (IsDigit(i, value)) {
            ++i;
            digits = true;
        }
    }
    if (!digits)
        return 0.0;
    if (i < value.size() && (value[i] == u'e' || value[i] == u'E')) {
        qsizetype j = i + 1;
        if (j < value.size() && (value[j] == u'+' || value[j] == u'-'))
            ++j;
        if (IsDigit(j, value)) {
            while (IsDigit(j, value))
                ++j;
            i = j;
        }
    }
    bool ok = false;
    const double result = QLocale::c().toDouble(value.mid(begin, i - begin), &ok);
    // A number too large for a double would poison every computation that
    // uses it (and never end the prices spacing loop); treat it as malformed.
    if (!ok || !std::isfinite(result))
        return 0.0;
    return result;
}

bool ReadBoolean(QStringView value) { return value == u"Yes"; }

ColorRef ReadColor(QStringView value)
{
    const qsizetype first = value.indexOf(u',');
    if (first < 0)
        return Rgb(ReadInteger(value), 0, 0);
    const QStringView rest = value.mid(first + 1);
    const qsizetype second = rest.indexOf(u',');
    if (second < 0)
        return Rgb(ReadInteger(value.left(first)), ReadInteger(rest), 0);
    return Rgb(ReadInteger(value.left(first)), ReadInteger(rest.left(second)), ReadInteger(rest.mid(second + 1)));
}

int ReadAlignment(QStringView value)
{
    if (value == u"Center")
        return 1;
    if (value == u"Right")
        return 2;
    return 0;
}

} // namespace sw
