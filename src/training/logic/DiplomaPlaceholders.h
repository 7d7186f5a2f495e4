#pragma once
// The course diploma's placeholders: "@@" + key + "@@" in the installation's page
// template, replaced by the learner's data and the progress overview's counts.

#include <QDate>
#include <QHash>
#include <QList>
#include <QLocale>
#include <QPair>
#include <QString>
#include <QStringView>

namespace training {

// Key -> the text that replaces its placeholder, ready for the page (escaped).
using PlaceholderValues = QHash<QString, QString>;

// Replaces every placeholder of `text`, left to right: the text between a "@@" and
// the next "@@" on the same line is the key (letter case counts); a key without a
// value disappears with its markers; a "@@" without a partner on its line stays. A
// value is inserted as it is and never searched for placeholders again.
QString replacePlaceholder(QStringView text, const PlaceholderValues &values);

// Makes a learner's or the data's text print as typed: markup characters become
// entities, and every character beyond ASCII a character reference.
QString escapeForPage(QStringView text);

// What the diploma shows, as the progress overview and the personal-data dialog
// hold it when the diploma button is pressed.
struct DiplomaData {
    QString name;         // PersName
    QString organisation; // PersOrg
    QString userName;     // the signed-in learner
    // Captions of the progress overview's labels by control name (see diplomaLabelKeys).
    QHash<QString, QString> labelTexts;
    qint32 examTotal = 0; // questions of the exam list
    qint32 latestBar = 0, exerciseBar = 0, examBar = 0; // 0 .. 100
    QDate today;
    QString imagesDir;
};

// The keys that copy a progress-overview label: key -> label's control name.
const QList<QPair<QString, QString>> &diplomaLabelKeys();

// Every key of the diploma with its text. The bar values are widths (value x 4.5)
// and the date is written the way `locale` writes numbers and short dates.
PlaceholderValues diplomaValues(const DiplomaData &data, const QLocale &locale);

} // namespace training
