#pragma once
// Multiple-choice questions, read from a quiz list file: the subject quizzes, the
// exercise and the exam all use this record and reader.

#include <QList>
#include <QString>

#include <array>

namespace haz {
struct LastError;
}

namespace training {

inline constexpr int MaxAlternatives = 15;

struct QuizQuestion {
    QString FrgHead;
    QString FrgText; // "<br>" stands for a line break; kept as stored
    QString FrgBild;
    std::array<QString, MaxAlternatives> SvarTxt; // Svar1Txt .. Svar15Txt; empty = not used
    std::array<bool, MaxAlternatives> SvarR{};    // Svar1R .. Svar15R
    QString SvarKom;
    QString InfoLink;
    qint16 InfoWidth = 0;  // pixels; 0 keeps the info window's size
    qint16 InfoHeight = 0;
    qint16 Time = 0;
};

// Fills `list` (count + 1 entries; the last stays empty) and `count` from the file.
// An unreadable file leaves both as they were and clears `lastError`. A value that does not convert stops
// the reading: the count keeps the number of posts, entries are filled up to the
// field that failed, the failure goes to `lastError` and the result is False.
// `problem`, when given, gets why a file that is there gave no questions (empty when fine).
bool readQuizList(QList<QuizQuestion> &list, qint32 &count, const QString &path, haz::LastError &lastError,
                  QString *problem = nullptr);

} // namespace training
