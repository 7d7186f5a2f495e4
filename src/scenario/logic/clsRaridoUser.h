#pragma once
// The learner's record in the progress file, as the scenario program uses it: the
// fields of the run in progress are read by position and written by name, after
// every answer; a finished scenario is put at the front of the mode's completed
// lists. The fields of one answer, or of one finish, are written in one rewrite.
// The user name and the mode come from the argument string on every call.
//
// Nothing is ever written into a post other than the learner's own: every write
// looks the learner up in the reading it rewrites, and writes nothing when the post
// is not there.

#include "RunState.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace scenario {

class clsRaridoUser {
public:
    clsRaridoUser(RunState &state, QString argumentString, QString installFolder = {});

    // Documents folder, "/", first line of Lang.ini, userFileStem, ".ini".
    QString progressFilePath() const;

    // Field `intFldNr` (1-based position) of the learner's post; empty when the file
    // cannot be read or has no post of the learner (userPostNr is then unset).
    QString getObjText(qint16 intFldNr);
    // Several fields from one reading of the file; empty list as getObjText.
    QStringList getObjTexts(const QList<int> &positions);

    // Writes scenario, room, clock and score of the mode in one rewrite of the file.
    // False when nothing was written (no mode 1 .. 3, or no post of the learner); a
    // write that fails is a RuntimeError.
    bool updateObjText();
    // Records the finished scenario: the four run fields become "-1", the scenario
    // and score go to the front of the completed lists and, for the exercise and the
    // exam, the question position moves on by one. Everything is worked out before
    // the first write, so a bad value leaves the file untouched.
    bool updateCompleted();

    // "4,2" with 7 in front is "7,4,2"; "-1" (the empty list) gives "7".
    static QString prependToList(qint16 value, const QString &list);

private:
    struct Change {
        QString field;
        QString value;
    };
    // Looks the learner up and writes the changes worked out from the post as read,
    // in one reading and one rewrite of the file. False when there is no post.
    bool write(const std::function<QList<Change>(const QStringList &post)> &changesFor);

    RunState &m_state;
    QStringList m_fieldsRead; // of the last reading of the file
    QString m_arguments;
    QString m_installFolder;
};

} // namespace scenario
