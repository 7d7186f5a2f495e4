#include "QuizList.h"

#include "Conversions.h"
#include "ListFileProblem.h"
#include "RuntimeError.h"
#include "clsDataFile.h"

namespace training {

namespace {

// The info window size: a number when it is one, 0 for anything else; a number
// beyond 16 bits is an overflow like any other.
qint16 sizeWish(const QString &text)
{
    try {
        return haz::conv::toInt16(text);
    } catch (const haz::RuntimeError &e) {
        if (e.number() == haz::ErrOverflow)
            throw;
        return 0;
    }
}

} // namespace

bool readQuizList(QList<QuizQuestion> &list, qint32 &count, const QString &path, haz::LastError &lastError,
                  QString *problem)
{
    haz::clsDataFile file;
    const bool read = file.readData(path);
    if (problem)
        *problem = listFileProblem(file, read, path, QStringLiteral("FrgHead"));
    if (!read) {
        // Not a failure of this reader: an earlier one's record does not stay.
        lastError.record(QString(), 0);
        return false;
    }
    // Where reading stands, for a value that does not convert.
    qint32 post = 0;
    QString lastField;
    try {
        count = file.numOfPostsRead();
        list = QList<QuizQuestion>(count + 1);
        for (qint32 i = 0; i < count; ++i) {
            post = i;
            QuizQuestion &q = list[i];
            const auto field = [&](const QString &name) {
                lastField = name;
                return file.getPostPosField(i, name);
            };
            q.FrgHead = field(QStringLiteral("FrgHead"));
            q.FrgText = field(QStringLiteral("FrgText"));
            q.FrgBild = field(QStringLiteral("FrgBild"));
            for (int a = 0; a < MaxAlternatives; ++a)
                q.SvarTxt[a] = field(QStringLiteral("Svar%1Txt").arg(a + 1));
            for (int a = 0; a < MaxAlternatives; ++a)
                q.SvarR[a] = haz::conv::toBool(field(QStringLiteral("Svar%1R").arg(a + 1)));
            q.SvarKom = field(QStringLiteral("SvarKom"));
            q.InfoLink = field(QStringLiteral("InfoLink"));
            q.InfoWidth = sizeWish(field(QStringLiteral("InfoWidth")));
            q.InfoHeight = sizeWish(field(QStringLiteral("InfoHeight")));
            q.Time = haz::conv::toInt16(field(QStringLiteral("Time")));
        }
    } catch (const haz::RuntimeError &e) {
        lastError.record(e);
        if (problem && problem->isEmpty())
            *problem = QStringLiteral("question %1 has a %2 that will not do (%3); the questions from "
                                      "there on are left empty")
                           .arg(post + 1)
                           .arg(lastField, e.description());
        return false;
    }
    lastError.record(QString(), 0);
    return true;
}

} // namespace training
