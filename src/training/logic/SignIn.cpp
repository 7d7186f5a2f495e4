#include "SignIn.h"

#include "ChangeLock.h"
#include "FailureNote.h"
#include "ProgressFile.h"
#include "SessionLock.h"

namespace training {

SignInResult signInLearner(const QString &typed, const QString &userFile, haz::LastError &failures)
{
    SignInResult result;
    switch (progress::checkLearnerName(typed, result.name)) {
    case progress::NameCheck::Empty:
        result.notice = SignInNotice::EmptyName;
        return result;
    case progress::NameCheck::Refused:
        result.notice = SignInNotice::RefusedName;
        return result;
    case progress::NameCheck::Ok:
        break;
    }
    if (result.name.size() > MaxLearnerNameLength) {
        result.notice = SignInNotice::LongName;
        return result;
    }
    auto session = std::make_shared<haz::SessionLock>(userFile, result.name);
    if (session->claim() == haz::SessionLock::Claim::InUse) {
        result.notice = SignInNotice::InUse;
        return result;
    }
    result.signedIn = true;
    result.session = std::move(session);
    // Looked up and added under one lock: another program's save in between would
    // otherwise erase the new post, or add the name twice.
    QStringList fields;
    bool added = false;
    const bool checked = haz::runNoted(failures, [&] {
        const haz::ChangeLock lock(userFile);
        result.record = progress::readLearnerRecord(userFile, result.name, &fields);
        if (!result.record)
            added = progress::addLearner(userFile, result.name);
    });
    if (!checked && !result.record)
        result.record = progress::readLearnerRecord(userFile, result.name, &fields);
    if (result.record) {
        // Told now, not after a session's work at the exit.
        if (!checked || !progress::canBeWritten(userFile))
            result.notice = SignInNotice::NotWritable;
        return result;
    }
    result.isNew = true;
    // A locked or read-only file: the learner goes on, told that nothing is kept.
    if (!added)
        result.notice = SignInNotice::NotAdded;
    else
        result.record = progress::newLearnerRecord(result.name, fields.isEmpty() ? haz::progress::fieldNames() : fields);
    return result;
}

QString signInNoticeText(SignInNotice notice)
{
    switch (notice) {
    case SignInNotice::None:
        return {};
    case SignInNotice::EmptyName:
        return QStringLiteral("Please type your name, or pick it from the list.");
    case SignInNotice::RefusedName:
        return QStringLiteral("A name cannot contain a comma, a line break, letters outside the Western "
                              "European alphabet, or the word user or mode followed by an equals sign (=). "
                              "Please type another name.");
    case SignInNotice::LongName:
        return QStringLiteral("A name can be at most %1 characters long. Please type a shorter name.")
            .arg(MaxLearnerNameLength);
    case SignInNotice::NotAdded:
        return QStringLiteral("Your name could not be added to the learners' progress file, so your progress "
                              "will not be saved this time.");
    case SignInNotice::NotWritable:
        return QStringLiteral("The learners' progress file cannot be written, so your progress "
                              "will not be saved this time.");
    case SignInNotice::InUse:
        return QStringLiteral("This name is already signed in to the course in another window. Close the course "
                              "there first, or sign in with another name.");
    }
    return {};
}

QString signInNoticeCaptionId(SignInNotice notice)
{
    switch (notice) {
    case SignInNotice::None:
        return {};
    case SignInNotice::EmptyName:
        return QStringLiteral("userNameEmpty");
    case SignInNotice::RefusedName:
        return QStringLiteral("userNameRefused");
    case SignInNotice::LongName:
        return QStringLiteral("userNameTooLong");
    case SignInNotice::NotAdded:
        return QStringLiteral("userNotAdded");
    case SignInNotice::NotWritable:
        return QStringLiteral("userNotWritable");
    case SignInNotice::InUse:
        return QStringLiteral("userSignedInElsewhere");
    }
    return {};
}

} // namespace training
