#include "SignIn.h"

#include "FailureNote.h"
#include "ProgressFile.h"

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
    result.signedIn = true;
    QStringList fields;
    result.record = progress::readLearnerRecord(userFile, result.name, &fields);
    if (result.record) {
        // Told now, not after a session's work at the exit.
        if (!progress::canBeWritten(userFile))
            result.notice = SignInNotice::NotWritable;
        return result;
    }
    result.isNew = true;
    bool added = false;
    // A locked or read-only file: the learner goes on, told that nothing is kept.
    haz::runNoted(failures, [&] { added = progress::addLearner(userFile, result.name); });
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
    }
    return {};
}

} // namespace training
