#include "RandomSource.h"

#include "RuntimeError.h"

#include <QRandomGenerator>

namespace haz {

int SystemRandomSource::bounded(int lowest, int highest)
{
    if (highest < lowest)
        throw RuntimeError(ErrInvalidCall);
    // QRandomGenerator's upper bound is exclusive; widen so that highest itself can come.
    return int(QRandomGenerator::global()->bounded(qint64(lowest), qint64(highest) + 1));
}

int ScriptedRandomSource::bounded(int lowest, int highest)
{
    m_requests.append({lowest, highest});
    if (m_values.isEmpty())
        throw RuntimeError(ErrInvalidCall, QStringLiteral("No random number was queued"));
    const int value = m_values.takeFirst();
    if (value < lowest || value > highest)
        throw RuntimeError(ErrInvalidCall, QStringLiteral("Queued random number outside the range"));
    return value;
}

} // namespace haz
