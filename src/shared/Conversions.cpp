#include "Conversions.h"

#include "RuntimeError.h"

#include <cmath>
#include <limits>

namespace haz::conv {

namespace {

// Whole number with optional blanks around it and an optional sign; leading zeros allowed.
// A text with a decimal part is rounded half to even, as the classic conversion does.
qint64 parseWhole(QStringView text, qint64 min, qint64 max)
{
    const QStringView t = text.trimmed();
    if (t.isEmpty())
        throw RuntimeError(ErrTypeMismatch);
    bool ok = false;
    const qint64 whole = t.toLongLong(&ok, 10);
    if (ok) {
        if (whole < min || whole > max)
            throw RuntimeError(ErrOverflow);
        return whole;
    }
    // Decimal forms such as "3.5"; only digits, one point and a sign are accepted.
    int digits = 0;
    int points = 0;
    for (qsizetype i = 0; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c.isDigit() && c.unicode() < 128)
            ++digits;
        else if (c == u'.')
            ++points;
        else if (!((c == u'-' || c == u'+') && i == 0))
            throw RuntimeError(ErrTypeMismatch);
    }
    if (digits == 0 || points > 1)
        throw RuntimeError(ErrTypeMismatch);
    const double d = t.toDouble(&ok);
    if (!ok)
        throw RuntimeError(ErrTypeMismatch);
    if (d < double(min) - 0.5 || d > double(max) + 0.5)
        throw RuntimeError(ErrOverflow);
    const qint64 r = std::nearbyint(d); // default rounding mode: halves to even
    if (r < min || r > max)
        throw RuntimeError(ErrOverflow);
    return r;
}

} // namespace

qint16 toInt16(QStringView text)
{
    return qint16(parseWhole(text, std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max()));
}

qint32 toInt32(QStringView text)
{
    return qint32(parseWhole(text, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()));
}

bool toBool(QStringView text)
{
    const QStringView t = text.trimmed();
    if (t.compare(u"true", Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(u"false", Qt::CaseInsensitive) == 0)
        return false;
    bool ok = false;
    const double d = t.toDouble(&ok);
    if (!ok)
        throw RuntimeError(ErrTypeMismatch);
    return d != 0.0;
}

qint16 narrowToInt16(qint64 value)
{
    if (value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max())
        throw RuntimeError(ErrOverflow);
    return qint16(value);
}

qint32 roundHalfEven(double value)
{
    if (!std::isfinite(value))
        throw RuntimeError(ErrOverflow);
    const double floorValue = std::floor(value);
    const double diff = value - floorValue;
    double r = floorValue;
    if (diff > 0.5 || (diff == 0.5 && std::fmod(floorValue, 2.0) != 0.0))
        r = floorValue + 1.0;
    if (r < std::numeric_limits<qint32>::min() || r > std::numeric_limits<qint32>::max())
        throw RuntimeError(ErrOverflow);
    return qint32(r);
}

QString toText(qint64 value)
{
    return QString::number(value);
}

QString toText(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

QStringView trimBlanks(QStringView text)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text[start] == u' ')
        ++start;
    while (end > start && text[end - 1] == u' ')
        --end;
    return text.sliced(start, end - start);
}

QString expandLineBreaks(const QString &text)
{
    if (!text.contains(QLatin1String("\\n")))
        return text;
    QString out = text;
    out.replace(QLatin1String("\\n"), QLatin1String("\n"));
    return out;
}

} // namespace haz::conv
