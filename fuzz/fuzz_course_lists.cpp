// Reads any bytes as a quiz list and as a fact list.
#include "FuzzSupport.h"

#include "FactList.h"
#include "QuizList.h"
#include "RuntimeError.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = fuzz::writeInput(QStringLiteral("list.ini"),
                                          QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    haz::LastError lastError;
    QList<training::QuizQuestion> quiz;
    qint32 quizCount = -7;
    if (training::readQuizList(quiz, quizCount, path, lastError))
        FUZZ_CHECK(quiz.size() == quizCount + 1);
    QList<training::FactEntry> facts;
    qint32 factCount = -7;
    if (training::readFactList(facts, factCount, path, lastError)) {
        FUZZ_CHECK(factCount >= 1 && facts.size() == factCount);
        for (const training::FactEntry &fact : facts)
            FUZZ_CHECK(fact.title.size() == training::FactTitleLength);
    }
    return 0;
}
