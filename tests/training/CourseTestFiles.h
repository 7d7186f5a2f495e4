#pragma once
// Course and progress files for tests: question lists (exercise, exam or subject quiz,
// every question's first alternative the right one) and a progress file holding one
// learner.

#include "ProgressLayout.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace trainingtest {

struct ListQuestion {
    QString heading;
    QString svarKom = QStringLiteral("-"); // a number makes it a scenario question
    QString time = QStringLiteral("0");
    QString text = {};                     // "Text of " + heading when empty
    QString picture = {};
    QString infoLink = {};
    QStringList alternatives = {QStringLiteral("Right"), QStringLiteral("Wrong")}; // the first is right
    int infoWidth = 0;
    int infoHeight = 0;
};

// `count` alternatives "Alternative number 1" and on.
inline QStringList numberedAlternatives(int count)
{
    QStringList alternatives;
    for (int k = 1; k <= count; ++k)
        alternatives << QStringLiteral("Alternative number %1").arg(k);
    return alternatives;
}

inline QString questionListText(const QList<ListQuestion> &questions)
{
    QString text = QStringLiteral("[List]\r\nFieldName=FrgHead\r\nFieldName=FrgText\r\nFieldName=FrgBild\r\n");
    for (int k = 1; k <= 15; ++k)
        text += QStringLiteral("FieldName=Svar%1Txt\r\n").arg(k);
    for (int k = 1; k <= 15; ++k)
        text += QStringLiteral("FieldName=Svar%1R\r\n").arg(k);
    text += QStringLiteral("FieldName=SvarKom\r\nFieldName=InfoLink\r\nFieldName=InfoWidth\r\nFieldName=InfoHeight\r\n"
                           "FieldName=Time\r\n\r\n\r\n");
    int n = 0;
    for (const ListQuestion &q : questions) {
        QStringList values{q.heading, q.text.isEmpty() ? QStringLiteral("Text of ") + q.heading : q.text, q.picture};
        for (int k = 0; k < 15; ++k)
            values << q.alternatives.value(k);
        for (int k = 0; k < 15; ++k)
            values << (k == 0 ? QStringLiteral("True") : QStringLiteral("False"));
        values << q.svarKom << q.infoLink << QString::number(q.infoWidth) << QString::number(q.infoHeight) << q.time;
        text += QStringLiteral("[%1]\r\n").arg(n++) + values.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n\r\n\r\n");
    }
    return text;
}

// A progress file (8-bit text) with one learner: "-1" in every field not given.
inline QString progressFileText(const QString &name, const QHash<QString, QString> &fields)
{
    QString text = QStringLiteral("[UserData]\r\n");
    for (const QString &field : haz::progress::fieldNames())
        text += QStringLiteral("FieldName=") + field + QStringLiteral("\r\n");
    text += QStringLiteral("\r\n\r\n[0]\r\n") + name + QStringLiteral("\r\n");
    for (const QString &field : haz::progress::fieldNames().mid(1))
        text += fields.value(field, QStringLiteral("-1")) + QStringLiteral("\r\n");
    return text + QStringLiteral("\r\n");
}

} // namespace trainingtest
