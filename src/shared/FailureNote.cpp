#include "FailureNote.h"

namespace haz {

void noteFailure(LastError &record, const std::exception &failure)
{
    if (const auto *runtime = dynamic_cast<const RuntimeError *>(&failure))
        record.record(*runtime);
    else
        record.record(QString::fromLocal8Bit(failure.what()), 0);
}

} // namespace haz
