#include "AccessKeys.h"

#include <QList>

namespace haz {

QChar accessKeyOf(const QString &caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption.at(i) != u'&')
            continue;
        if (caption.at(i + 1) == u'&') {
            ++i; // an escaped "&"
            continue;
        }
        return caption.at(i + 1).toLower();
    }
    return {};
}

QString withAccessKey(const QString &caption, QSet<QChar> &taken)
{
    if (const QChar key = accessKeyOf(caption); !key.isNull()) {
        taken.insert(key);
        return caption;
    }
    // Candidate positions: word starts first, then every other letter or digit.
    QList<qsizetype> starts, others;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        const QChar c = caption.at(i);
        if (!c.isLetterOrNumber())
            continue;
        const bool wordStart = i == 0 || !caption.at(i - 1).isLetterOrNumber();
        (wordStart ? starts : others) << i;
    }
    for (const qsizetype i : starts + others) {
        const QChar key = caption.at(i).toLower();
        if (taken.contains(key))
            continue;
        taken.insert(key);
        return caption.left(i) + u'&' + caption.mid(i);
    }
    return caption;
}

} // namespace haz
