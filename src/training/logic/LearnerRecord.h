#pragma once
// A learner's post as one reading of the progress file gave it: the file's field
// names and the post's values. Signing in reads the file once and everything the
// sign-in shows (the learner's counters, the tactics run in progress, the scenario
// bars) is taken from this record.

#include <QString>
#include <QStringList>

namespace training {

struct LearnerRecord {
    QStringList fields; // the file's field names, in file order
    QStringList values; // the post's values, in the same order

    // By field name, letter case ignored; "" for a field the file lacks.
    QString value(const QString &field) const
    {
        for (qsizetype i = 0; i < fields.size(); ++i)
            if (fields.at(i).compare(field, Qt::CaseInsensitive) == 0)
                return values.value(i);
        return {};
    }
};

} // namespace training
