#pragma once
// Course and progress files for tests: question lists (exercise, exam or subject quiz,
// every question with a right first alternative and a wrong second one) and a
// progress file holding one learner.

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
};

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
        QStringList values{q.heading, q.text.isEmpty() ? QStringLiteral("Text of ") + q.heading : q.text, q.picture,
                           QStringLiteral("Right"), QStringLiteral("Wrong")};
        while (values.size() < 18)
            values << QString();
        values << QStringLiteral("True");
        while (values.size() < 33)
            values << QStringLiteral("False");
        values << q.svarKom << q.infoLink << QStringLiteral("0") << QStringLiteral("0") << q.time;
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
