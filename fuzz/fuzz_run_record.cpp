// Reads any bytes as a run record, and adds an entry whose every text comes from the
// input: no text may change the record's shape, and what was written reads back.
#include "FuzzSupport.h"

#include "DebriefPage.h"
#include "RunRecord.h"

#include <QFile>

namespace {

// Up to `count` texts cut from the input, each of a length the input chooses.
QStringList texts(fuzz::Input &input, int count)
{
    QStringList out;
    for (int i = 0; i < count; ++i)
        out << QString::fromUtf8(input.take(input.byte() % 24));
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace haz::runrecord;
    fuzz::Input input(data, size);
    const QByteArray file = input.take(input.byte() * 8);
    const QString path = fuzz::writeInput(QStringLiteral("fuzzRuns.ini"), file);

    // Whatever the file holds, reading it never fails hard, and every run pages.
    const Contents contents = read(path);
    FUZZ_CHECK(!contents.missing);
    FUZZ_CHECK(!contents.damaged || contents.entries.isEmpty());
    for (const Entry &e : contents.entries)
        for (const Run &run : runsOf(contents.entries, e.learner))
            FUZZ_CHECK(!haz::debrief::page(run).isEmpty());

    // Free texts from the input go into a fresh record and come back unchanged.
    QFile::remove(path);
    const QStringList t = texts(input, 8);
    Entry entry;
    entry.learner = t[0].isEmpty() ? QStringLiteral("x") : t[0];
    entry.mode = 1 + input.byte() % 3;
    entry.scenarioName = t[1];
    entry.question = t[2];
    entry.chosen = {QStringLiteral("1"), QStringLiteral("2")};
    entry.chosenTexts = {t[3], t[4]};
    entry.keyRow = t[5];
    entry.action = t[6];
    entry.feedback = t[7];
    entry.when = QDateTime(QDate(2026, 1, 1), QTime(0, 0), Qt::UTC);
    const Appended appended = append(path, entry, entry.when);
    FUZZ_CHECK(appended.written);
    entry.run = appended.run;
    const Contents back = read(path);
    FUZZ_CHECK(!back.damaged && back.entries.size() == 1);
    // Text the file's encoding cannot hold (a lone surrogate) comes back replaced.
    const auto clean = [](const QString &s) { return QString::fromUtf8(s.toUtf8()); };
    FUZZ_CHECK(back.entries[0].learner == clean(entry.learner));
    FUZZ_CHECK(back.entries[0].question == clean(entry.question));
    FUZZ_CHECK(back.entries[0].chosenTexts.size() == 2 || (t[3].isEmpty() && t[4].isEmpty()));
    FUZZ_CHECK(back.entries[0].feedback == clean(entry.feedback));
    QFile::remove(path);
    return 0;
}
