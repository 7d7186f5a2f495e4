// The diploma's placeholders: any page template with any values is filled without a
// crash; a value is inserted as it is and never searched for placeholders again, and
// an escaped value holds no markup of its own.
//
// Input (UTF-8), parts separated by NUL bytes: the page template, then pairs of key
// and value. The values also serve as the learner's data for the diploma's own keys.
#include "FuzzSupport.h"

#include "DiplomaPlaceholders.h"

#include <QRegularExpression>

namespace {

using training::PlaceholderValues;

// Characters of the private use area stand for the values: they are not in the input.
constexpr char16_t FirstStandIn = 0xE000;

// Filling with the values equals filling with stand-ins and then putting each value
// in place of its stand-in: what a value holds cannot change what is around it.
void checkValuesAreNotRescanned(const QString &page, const PlaceholderValues &values)
{
    PlaceholderValues standIns;
    QHash<QChar, QString> valueOf;
    for (auto it = values.begin(); it != values.end(); ++it) {
        const QChar standIn(char16_t(FirstStandIn + standIns.size()));
        standIns.insert(it.key(), QString(standIn));
        valueOf.insert(standIn, it.value());
    }
    QString expected;
    for (const QChar c : training::replacePlaceholder(page, standIns))
        expected += valueOf.contains(c) ? valueOf.value(c) : QString(c);
    FUZZ_CHECK(training::replacePlaceholder(page, values) == expected);
}

void checkEscaped(const QString &typed)
{
    const QString escaped = training::escapeForPage(typed);
    static const QRegularExpression entity(QStringLiteral("&(amp|lt|gt|quot|#[0-9]+);"));
    QString plain = escaped;
    plain.remove(entity);
    for (const QChar c : plain)
        FUZZ_CHECK(c.unicode() < 0x80 && c != u'<' && c != u'>' && c != u'&' && c != u'"' && c != u'\'');
    // And it reads back as typed.
    QString decoded;
    qsizetype pos = 0;
    for (const QRegularExpressionMatch &m : entity.globalMatch(escaped)) {
        decoded += escaped.mid(pos, m.capturedStart() - pos);
        const QString name = m.captured(1);
        if (name.startsWith(u'#')) {
            const char32_t code = name.mid(1).toUInt();
            decoded += QString::fromUcs4(&code, 1);
        } else {
            decoded += name == u"amp" ? u"&" : name == u"lt" ? u"<" : name == u"gt" ? u">" : u"\"";
        }
        pos = m.capturedEnd();
    }
    decoded += escaped.mid(pos);
    const QList<uint> ucs4 = typed.toUcs4();
    FUZZ_CHECK(decoded == QString::fromUcs4(reinterpret_cast<const char32_t *>(ucs4.constData()), ucs4.size()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    text.removeIf([](QChar c) { return c.unicode() >= FirstStandIn && c.unicode() < 0xF900; });
    const QStringList parts = text.split(QChar(0));
    const QString &page = parts.first();

    PlaceholderValues values;
    for (qsizetype i = 1; i + 1 < parts.size() && values.size() < 64; i += 2)
        values.insert(parts[i], parts[i + 1]);
    checkValuesAreNotRescanned(page, values);

    training::DiplomaData diploma;
    diploma.name = parts.value(2);
    diploma.organisation = parts.value(4);
    diploma.userName = parts.value(6);
    diploma.labelTexts.insert(QStringLiteral("curLblTakScenarioName"), parts.value(8));
    diploma.imagesDir = parts.value(10);
    diploma.today = QDate(2024, 6, 13);
    const PlaceholderValues filled = training::diplomaValues(diploma, QLocale(QLocale::Swedish, QLocale::Sweden));
    for (const QString &typed : {diploma.name, diploma.organisation, diploma.userName, parts.value(8)})
        checkEscaped(typed);
    for (QString value : filled) {
        if (value.endsWith(QLatin1String("<br>")))
            value.chop(4);
        FUZZ_CHECK(!value.contains(u'<'));
    }
    checkValuesAreNotRescanned(page, filled);
    return 0;
}
