// A separate process that changes the progress file the way the programs do, for the
// tests that make several of them change it at the same moment:
//
//   progress_worker save <progress file> <learner> <value> [file-size limit]
//       the course program's save of the learner's post, ideQuizPos = <value>
//   progress_worker signin <progress file> <learner>
//       the course program's sign-in (a new learner is added); the learner stays
//       signed in until standard input closes
//   progress_worker answer <installation folder> <learner> <score>
//       the scenario program's save of an answer (mode 1), CurrentScore = <score>
//   progress_worker join <progress file> <learner>
//       the scenario program's claim of the learner's session
//
// Each prints "R" once ready, waits for a line on standard input (so that the test
// can let several go at once), acts and prints what came of it: "M <text>" for each
// message the learner would see, then "OK" or "FAILED" (save, signin, answer) or
// the claim ("Held", "OwnedByCaller", "InUse", "NotChecked").

#include "FailureNote.h"
#include "MessageService.h"
#include "Platform.h"
#include "ProgressFile.h"
#include "SessionLock.h"
#include "SignIn.h"
#include "clsRaridoUser.h"

#include "GuardedApplication.h"

#include <cstdio>
#include <iostream>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

namespace {

void say(const QString &line)
{
    const QByteArray bytes = (line + u'\n').toUtf8();
    if (::write(STDOUT_FILENO, bytes.constData(), std::size_t(bytes.size())) != bytes.size())
        std::_Exit(3);
}

void waitForGo()
{
    say(QStringLiteral("R"));
    std::string line;
    std::getline(std::cin, line);
}

int report(const haz::ScriptedMessages &messages, bool ok)
{
    for (const QString &text : messages.texts())
        say(QStringLiteral("M ") + QString(text).replace(u'\n', u' '));
    say(ok ? QStringLiteral("OK") : QStringLiteral("FAILED"));
    return ok ? 0 : 1;
}

int save(const QString &file, const QString &learner, qint32 value)
{
    training::LearnerProgress progress;
    progress.subjects[training::Ide].quizPos = value;
    haz::ScriptedMessages messages;
    waitForGo();
    bool ok = false;
    try {
        ok = training::progress::saveLearnerProgress(file, learner, progress, 1, messages, {})
             == training::progress::SaveOutcome::Saved;
    } catch (const haz::RuntimeError &e) {
        // As the course program tells it.
        messages.show(e.messageText());
    }
    return report(messages, ok);
}

int signIn(const QString &file, const QString &learner)
{
    haz::LastError failures;
    waitForGo();
    const training::SignInResult result = training::signInLearner(learner, file, failures);
    haz::ScriptedMessages messages;
    if (result.notice != training::SignInNotice::None)
        messages.show(training::signInNoticeText(result.notice));
    report(messages, result.signedIn);
    std::string line;
    while (std::getline(std::cin, line)) {
    }
    return 0;
}

int answer(const QString &install, const QString &learner, qint16 score)
{
    scenario::RunState state;
    state.userFileStem = QStringLiteral("progress");
    state.scenarioId = 1;
    state.roomId = 2;
    state.score = score;
    scenario::clsRaridoUser user(state, QStringLiteral(" user=") + learner + QStringLiteral(",mode=1"), install);
    haz::ScriptedMessages messages;
    waitForGo();
    bool ok = false;
    try {
        ok = user.updateObjText();
    } catch (const haz::RuntimeError &e) {
        messages.show(e.messageText());
    }
    return report(messages, ok);
}

int join(const QString &file, const QString &learner)
{
    waitForGo();
    haz::SessionLock session(file, learner);
    switch (session.claimOrJoin()) {
    case haz::SessionLock::Claim::Held: say(QStringLiteral("Held")); break;
    case haz::SessionLock::Claim::OwnedByCaller: say(QStringLiteral("OwnedByCaller")); break;
    case haz::SessionLock::Claim::InUse: say(QStringLiteral("InUse")); break;
    case haz::SessionLock::Claim::NotChecked: say(QStringLiteral("NotChecked")); break;
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    // The programs' own application object, with its handling of a file-size limit.
    haz::ScriptedMessages escaped;
    haz::GuardedApplication app(argc, argv, escaped);
    const QStringList args = app.arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: progress_worker save|signin|answer|join ...\n");
        return 64;
    }
    const QString mode = args.at(1);
    if (mode == QLatin1String("save")) {
        if (args.size() > 5) {
            // A write past the limit would end the process but for the application
            // object's handling: it fails as on a full disk.
            const rlim_t bytes = args.at(5).toULongLong();
            const rlimit r{bytes, bytes};
            setrlimit(RLIMIT_FSIZE, &r);
        }
        return save(args.at(2), args.at(3), args.value(4).toInt());
    }
    if (mode == QLatin1String("signin"))
        return signIn(args.at(2), args.at(3));
    if (mode == QLatin1String("answer"))
        return answer(args.at(2), args.at(3), qint16(args.value(4).toInt()));
    if (mode == QLatin1String("join"))
        return join(args.at(2), args.at(3));
    return 64;
}
