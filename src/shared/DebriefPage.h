#pragma once
// The debrief of one run, as an HTML page: both programs show the same page (the
// scenario program when a run ends, the course program when a past run is reviewed),
// so it is built here from the run record alone.

#include "RunRecord.h"

#include <QList>
#include <QString>

namespace haz::debrief {

// What a scenario run's score says, against the scenario's best and worst.
struct Verdict {
    QString text;             // "best possible", "good", "review rooms 30 and 35"
    QList<qint16> costlyRooms; // rooms whose answers cost points, in path order
};
Verdict verdict(const runrecord::Run &run);

// Rooms the learner had to answer again, in path order.
QList<qint16> retriedRooms(const runrecord::Run &run);

// Minutes of simulated time from the scenario's start to the last answer.
int minutesUsed(const runrecord::Run &run);

// "30", "30 and 35", "30, 35 and 40".
QString roomList(const QList<qint16> &rooms);

// The whole page: a scenario run or an exam attempt.
QString page(const runrecord::Run &run);

} // namespace haz::debrief
