#include "DiplomaPlaceholders.h"

#include <QUrl>

namespace training {

namespace {

constexpr QStringView Marker = u"@@";

qsizetype lineEndFrom(QStringView text, qsizetype from)
{
    for (qsizetype i = from; i < text.size(); ++i) {
        if (text[i] == u'\n' || text[i] == u'\r')
            return i;
    }
    return text.size();
}

// "Name" and "Org" add a line break when they hold something.
QString lineOrNothing(const QString &text)
{
    return text.isEmpty() ? QString() : escapeForPage(text) + QStringLiteral("<br>");
}

QString widthText(qint32 barValue, const QLocale &locale)
{
    return locale.toString(double(barValue) * 4.5);
}

} // namespace

QString replacePlaceholder(QStringView text, const PlaceholderValues &values)
{
    QString out;
    out.reserve(text.size());
    qsizetype pos = 0;
    while (pos < text.size()) {
        const qsizetype open = text.indexOf(Marker, pos);
        if (open < 0)
            break;
        const qsizetype lineEnd = lineEndFrom(text, open + Marker.size());
        const qsizetype close = text.indexOf(Marker, open + Marker.size());
        if (close < 0 || close >= lineEnd) {
            // A lone marker stays; its line holds no more placeholders.
            out += text.mid(pos, lineEnd - pos);
            pos = lineEnd;
            continue;
        }
        out += text.mid(pos, open - pos);
        const QStringView key = text.mid(open + Marker.size(), close - open - Marker.size());
        out += values.value(key.toString());
        pos = close + Marker.size();
    }
    out += text.mid(pos);
    return out;
}

QString escapeForPage(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (const char32_t c : text.toUcs4()) {
        switch (c) {
        case U'&': out += QStringLiteral("&amp;"); break;
        case U'<': out += QStringLiteral("&lt;"); break;
        case U'>': out += QStringLiteral("&gt;"); break;
        case U'"': out += QStringLiteral("&quot;"); break;
        case U'\'': out += QStringLiteral("&#39;"); break;
        default:
            // Plain ASCII whatever the page's code page, so that every browser
            // shows the name as typed.
            if (c < 0x80)
                out += QChar(char16_t(c));
            else
                out += QStringLiteral("&#%1;").arg(quint32(c));
        }
    }
    return out;
}

const QList<QPair<QString, QString>> &diplomaLabelKeys()
{
    static const QList<QPair<QString, QString>> keys = [] {
        QList<QPair<QString, QString>> list;
        for (const char *row : {"Ide", "Phys", "Prot", "Haz", "NBC"}) {
            const QString key = QString::fromLatin1(row);
            const QString label = QStringLiteral("curLblQuiz") + key;
            list << qMakePair(key + QStringLiteral("Tot"), label + QStringLiteral("Tot"))
                 << qMakePair(key + QStringLiteral("Fin"), label + QStringLiteral("Done"))
                 << qMakePair(key + QStringLiteral("Corr"), label + QStringLiteral("Corr"));
        }
        list << qMakePair(QStringLiteral("ExamFin"), QStringLiteral("curLblExamDone"))
             << qMakePair(QStringLiteral("ExamCorr"), QStringLiteral("curLblExamCorr"))
             << qMakePair(QStringLiteral("ExcerTot"), QStringLiteral("curLblQuizExcerTot"))
             << qMakePair(QStringLiteral("ExcerFin"), QStringLiteral("curLblQuizExcerDone"))
             << qMakePair(QStringLiteral("ExcerCorr"), QStringLiteral("curLblQuizExcerCorr"))
             << qMakePair(QStringLiteral("TactScen"), QStringLiteral("curLblTakScenarioName"));
        return list;
    }();
    return keys;
}

PlaceholderValues diplomaValues(const DiplomaData &data, const QLocale &locale)
{
    PlaceholderValues values;
    values.insert(QStringLiteral("Name"), lineOrNothing(data.name));
    values.insert(QStringLiteral("Sign"), escapeForPage(data.userName) + QStringLiteral("<br>"));
    values.insert(QStringLiteral("Org"), lineOrNothing(data.organisation));
    for (const auto &[key, label] : diplomaLabelKeys())
        values.insert(key, escapeForPage(data.labelTexts.value(label)));
    values.insert(QStringLiteral("ExamTot"), QString::number(data.examTotal));
    values.insert(QStringLiteral("Date"), escapeForPage(locale.toString(data.today, QLocale::ShortFormat)));
    // A file address, so that the page finds the logo from the documents folder and
    // on any system; the template appends the picture's name.
    QString images = data.imagesDir;
    if (!images.endsWith(QLatin1Char('/')))
        images += QLatin1Char('/');
    values.insert(QStringLiteral("LogoPath"),
                  escapeForPage(QUrl::fromLocalFile(images).toString(QUrl::FullyEncoded)));
    values.insert(QStringLiteral("TactPercent"), widthText(data.latestBar, locale));
    values.insert(QStringLiteral("TactExcerPercent"), widthText(data.exerciseBar, locale));
    values.insert(QStringLiteral("TactExamPercent"), widthText(data.examBar, locale));
    return values;
}

} // namespace training
