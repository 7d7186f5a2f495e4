// The scenario program's argument string: any text reads without a crash, and the
// string the course program sends for a learner it accepts gives back that learner
// and that mode.
//
// Input: one byte (bit 0: the text is UTF-16 rather than UTF-8; bits 1-2: the mode),
// then the text, used both as a whole argument string and as a learner's name.
#include "FuzzSupport.h"

#include "GenericSubs.h"
#include "ProgressFile.h"
#include "RuntimeError.h"
#include "ScenarioLaunch.h"

namespace {

QString textOf(const QByteArray &bytes, bool utf16)
{
    if (!utf16)
        return QString::fromUtf8(bytes);
    return QString(reinterpret_cast<const QChar *>(bytes.constData()), bytes.size() / 2);
}

void readAnyString(const QString &arguments)
{
    const QString user = scenario::GenericSubs::getCmdUser(arguments);
    FUZZ_CHECK(!user.contains(u','));
    FUZZ_CHECK(arguments.contains(user));
    try {
        scenario::GenericSubs::getCmdMode(arguments);
    } catch (const haz::RuntimeError &e) {
        FUZZ_CHECK(e.number() == haz::ErrTypeMismatch || e.number() == haz::ErrOverflow);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::Input input(data, size);
    const uint8_t flags = input.byte();
    const QString text = textOf(input.rest(), flags & 1);
    readAnyString(text);

    QString name;
    if (training::progress::checkLearnerName(text, name) != training::progress::NameCheck::Ok)
        return 0;
    const int mode = 1 + (flags >> 1) % 3;
    const QString arguments = training::launch::scenarioCommand(QStringLiteral("/opt/course"), name, mode).arguments;
    readAnyString(arguments);
    FUZZ_CHECK(scenario::GenericSubs::getCmdUser(arguments) == name);
    FUZZ_CHECK(scenario::GenericSubs::getCmdMode(arguments) == mode);
    return 0;
}
