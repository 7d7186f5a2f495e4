// Reads any bytes as a table file, in either encoding, and asks every lookup of it.
#include "FuzzSupport.h"

#include "Conversions.h"
#include "RuntimeError.h"
#include "clsDataFile.h"

namespace {

// Every lookup of a read table, each checked against the others.
void lookEverywhere(const haz::clsDataFile &f)
{
    FUZZ_CHECK(f.numFieldsRead() == f.fieldNames().size());
    const QList<QStringList> all = f.allReadData();
    FUZZ_CHECK(all.size() == f.numFieldsRead() + 3);
    const qint32 lastSlot = std::max(1, f.numOfPostsRead() - 1);
    for (const QStringList &column : all)
        FUZZ_CHECK(column.size() == lastSlot + 1);
    QStringList names = f.fieldNames();
    names << QStringLiteral("no such field");
    const qint32 slotsToAsk = std::min(lastSlot + 2, 64);
    for (const QString &name : names) {
        for (qint32 slot = 0; slot < slotsToAsk; ++slot)
            (void)f.getPostPosField(slot, name);
        const haz::FindResult none = f.findPosts(name, QStringLiteral("\x01"));
        if (none.isOneDimensional()) {
            FUZZ_CHECK(none.at(1) == QLatin1String("-1"));
            continue;
        }
        const QString wanted = haz::conv::trimBlanks(f.getPostPosField(0, name)).toString();
        const haz::FindResult found = f.findPosts(name, wanted);
        FUZZ_CHECK(found.matchCount() >= 1);
        for (int m = 1; m <= std::min(found.matchCount(), 16); ++m) {
            const QString slot = found.at(1, m); // empty for a slot no post filled
            FUZZ_CHECK(slot.isEmpty() ? wanted.isEmpty()
                                      : haz::conv::trimBlanks(f.getPostPosField(slot.toInt(), name)) == wanted);
            for (int c = 0; c <= found.lastColumn(); ++c)
                (void)found.at(c, m);
        }
    }
    bool refused = false;
    try {
        (void)f.getPostPosField(-1, names.first());
    } catch (const haz::RuntimeError &) {
        refused = true;
    }
    FUZZ_CHECK(refused || names.size() == 1 || f.getPostPosField(-1, names.first()).isEmpty());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::Input input(data, size);
    const bool eightBit = input.byte() & 1;
    const QString path = fuzz::writeInput(QStringLiteral("read.ini"), input.rest());
    haz::clsDataFile f;
    f.setNonUniCodeMode(eightBit);
    if (f.readData(path)) {
        FUZZ_CHECK(f.readOk());
        lookEverywhere(f);
    } else {
        FUZZ_CHECK(!f.readOk());
    }
    return 0;
}
