// Loading a panel from its host's property store and saving it there. Stored values
// may come in any of the forms stores keep them in; one that does not fit the property
// raises the same errors as setting it by code.
#include "Verandel.h"

#include "Conversions.h"
#include "RuntimeError.h"
#include "VerandelPropertyStore.h"

#include <QColor>
#include <QVariant>

using haz::RuntimeError;
namespace conv = haz::conv;

namespace {

qint16 int16From(const QVariant &v)
{
    switch (v.typeId()) {
    case QMetaType::QString:
        return conv::toInt16(v.toString());
    case QMetaType::QByteArray:
        return conv::toInt16(QString::fromUtf8(v.toByteArray()));
    case QMetaType::Bool:
        return v.toBool() ? -1 : 0;
    case QMetaType::Double:
    case QMetaType::Float:
        return conv::narrowToInt16(conv::roundHalfEven(v.toDouble()));
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
        return conv::narrowToInt16(v.toLongLong());
    case QMetaType::ULongLong:
        if (v.toULongLong() > 32767u)
            throw RuntimeError(haz::ErrOverflow);
        return qint16(v.toULongLong());
    default:
        throw RuntimeError(haz::ErrTypeMismatch);
    }
}

bool boolFrom(const QVariant &v)
{
    switch (v.typeId()) {
    case QMetaType::QString:
        return conv::toBool(v.toString());
    case QMetaType::QByteArray:
        return conv::toBool(QString::fromUtf8(v.toByteArray()));
    case QMetaType::Bool:
        return v.toBool();
    default:
        return int16From(v) != 0;
    }
}

// A colour number is 0x00BBGGRR, as stored forms of the classic controls keep it.
QColor colourFromNumber(qint64 n)
{
    if (n < 0 || n > 0xFFFFFF)
        throw RuntimeError(haz::ErrInvalidPropertyValue);
    return QColor(int(n & 0xFF), int((n >> 8) & 0xFF), int((n >> 16) & 0xFF));
}

QColor colourFrom(const QVariant &v)
{
    switch (v.typeId()) {
    case QMetaType::QColor: {
        const QColor c = v.value<QColor>();
        if (!c.isValid())
            throw RuntimeError(haz::ErrInvalidPropertyValue);
        return c;
    }
    case QMetaType::QString:
    case QMetaType::QByteArray: {
        const QString text = v.toString().trimmed();
        const QColor named(text);
        if (named.isValid())
            return named;
        return colourFromNumber(conv::toInt32(text));
    }
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
        return colourFromNumber(v.toLongLong());
    default:
        throw RuntimeError(haz::ErrTypeMismatch);
    }
}

} // namespace

void Verandel::readProperties(const VerandelPropertyStore &store)
{
    setBackColor(colourFrom(store.readProperty(QStringLiteral("BackColor"), defaultBackColor())));
    setMin(int16From(store.readProperty(QStringLiteral("Min"), DefaultMin)));
    setMax(int16From(store.readProperty(QStringLiteral("Max"), DefaultMax)));
    setValue(int16From(store.readProperty(QStringLiteral("Value"), DefaultValue)));
    setBorderStyle(int16From(store.readProperty(QStringLiteral("BorderStyle"), int(bdrSingle))));
    setMatchBackColor(boolFrom(store.readProperty(QStringLiteral("MatchBackColor"), true)));
    setWhiteSpace(int16From(store.readProperty(QStringLiteral("WhiteSpace"), 0)));
    setEnabled(boolFrom(store.readProperty(QStringLiteral("Enabled"), true)));
}

void Verandel::writeProperties(VerandelPropertyStore &store) const
{
    store.writeProperty(QStringLiteral("BackColor"), BackColor(), defaultBackColor());
    store.writeProperty(QStringLiteral("Min"), int(Min()), DefaultMin);
    store.writeProperty(QStringLiteral("Max"), int(Max()), DefaultMax);
    store.writeProperty(QStringLiteral("Value"), int(Value()), DefaultValue);
    store.writeProperty(QStringLiteral("BorderStyle"), int(BorderStyle()), int(bdrSingle));
    store.writeProperty(QStringLiteral("MatchBackColor"), MatchBackColor(), true);
    store.writeProperty(QStringLiteral("WhiteSpace"), int(WhiteSpace()), 0);
    store.writeProperty(QStringLiteral("Enabled"), Enabled(), true);
}
