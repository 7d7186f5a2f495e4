#pragma once
// Signing a learner in, without a window: the typed name is checked, the learner is
// found or added in the progress file, and the learner is told what he or she must
// know before starting (a name to type again, progress that will not be kept).

#include "LearnerRecord.h"

#include <QString>

#include <memory>
#include <optional>

namespace haz {
struct LastError;
class SessionLock;
}

namespace training {

inline constexpr int MaxLearnerNameLength = 60;

enum class SignInNotice {
    None,
    EmptyName,   // nothing but blanks was typed
    RefusedName, // a character the progress file or the scenario program cannot take
    LongName,    // longer than MaxLearnerNameLength
    NotAdded,    // a new learner who could not be added: nothing will be kept
    NotWritable, // an existing learner whose file cannot be written: nothing will be kept
    InUse,       // the learner is signed in to another running course program
};

struct SignInResult {
    bool signedIn = false; // false: the dialog stays and the learner types again
    QString name;          // the name as kept (blanks trimmed)
    bool isNew = false;
    SignInNotice notice = SignInNotice::None;
    // Held for as long as the learner is signed in: a second sign-in is refused.
    std::shared_ptr<haz::SessionLock> session;
    // The learner's post from the sign-in's one reading of the file (for a new
    // learner, the post just added); nothing when the file could not be read or the
    // learner not added.
    std::optional<LearnerRecord> record;
};

// Reads the progress file once. A failure of the file is noted in `failures`; the
// learner goes on when the name is good.
SignInResult signInLearner(const QString &typed, const QString &userFile, haz::LastError &failures);

// The text shown for a notice, in plain words; empty for None.
QString signInNoticeText(SignInNotice notice);
// The caption id under which an installation may give its own text.
QString signInNoticeCaptionId(SignInNotice notice);

} // namespace training
