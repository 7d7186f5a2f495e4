#include "basMain.h"

#include "MessageService.h"
#include "Platform.h"
#include "RuntimeError.h"
#include "clsDataFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace training::basMain {

const QString FileSystemMissingText = QStringLiteral(
    "Could not create scripting runtime object! Make sure Internet Explorer 5 or higher is installed");
const QString ShellMissingText = QStringLiteral(
    "Could not create WScript.Shell (wshom.ocx)! Make sure Internet Explorer 5 or higher is installed");

bool createFileSystemObject(haz::MessageService &messages)
{
    const QFileInfo folder(haz::platform::installationFolder());
    if (folder.isDir() && folder.isReadable())
        return true;
    messages.show(FileSystemMissingText);
    return false;
}

bool createShellObject(haz::MessageService &messages)
{
    if (QFileInfo(haz::platform::documentsFolder()).isDir())
        return true;
    messages.show(ShellMissingText);
    return false;
}

QString readLangCode(const QString &installDir)
{
    const QString path = haz::platform::resolveCaseInsensitive(
        haz::platform::joinPath(installDir, QStringLiteral("lang.ini")));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw haz::RuntimeError(haz::ErrFileNotFound);
    QByteArray line = file.readLine();
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    return QString::fromLatin1(line.left(2));
}

void setInstallationPaths(ProgramState &state)
{
    state.paths.htmlDir = haz::platform::joinPath(state.paths.installDir, QStringLiteral("data/html/"));
    state.paths.imagesDir = haz::platform::joinPath(state.paths.installDir, QStringLiteral("data/images/"));
    state.paths.iniDir = haz::platform::joinPath(state.paths.installDir, QStringLiteral("ini/"));
}

std::shared_ptr<const haz::clsDataFile> readCaptionTable(const QString &iniDir)
{
    auto table = std::make_shared<haz::clsDataFile>();
    if (!table->readData(haz::platform::joinPath(iniDir, QStringLiteral("captions.ini"))))
        return nullptr;
    return table;
}

const QStringList &keptTextIds()
{
    static const QStringList ids{
        QStringLiteral("errDispAnswer"), QStringLiteral("totAnswers"), QStringLiteral("excerCompleted"),
        QStringLiteral("corrAnswers"), QStringLiteral("excerAllDone"), QStringLiteral("examAllDone"),
        QStringLiteral("btnExit"), QStringLiteral("btnOk"), QStringLiteral("PictureCopy"),
        QStringLiteral("PictureCopied"), QStringLiteral("sErrorQuiz"), QStringLiteral("userExists"),
        QStringLiteral("userDef"), QStringLiteral("userAsk"),
    };
    return ids;
}

QString replaceText(const QString &text, const QString &search, const QString &replacement)
{
    if (search.isEmpty())
        return text;
    if (replacement.contains(search))
        return QString(text).replace(search, replacement);
    QString result = text;
    // Nothing before the last replacement can match except across its start.
    qsizetype from = 0;
    for (qsizetype at = result.indexOf(search, from); at >= 0; at = result.indexOf(search, from)) {
        result.replace(at, search.size(), replacement);
        from = std::max<qsizetype>(0, at - search.size() + 1);
    }
    return result;
}

QStringList listFolderFiles(const QString &folder)
{
    const QString resolved = haz::platform::resolveCaseInsensitive(folder);
    const QDir dir(resolved);
    if (resolved.isEmpty() || !dir.exists())
        return {QString()};
    const QStringList files = dir.entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    return files.isEmpty() ? QStringList{QString()} : files;
}

const QStringList &factListFiles()
{
    static const QStringList files{QStringLiteral("Identfact.ini"), QStringLiteral("Hazardfact.ini"),
                                   QStringLiteral("Physfact.ini"),  QStringLiteral("Takfact.ini"),
                                   QStringLiteral("Protfact.ini"),  QStringLiteral("NBCfact.ini"),
                                   QStringLiteral("Reffact.ini")};
    return files;
}

const QStringList &quizListFiles()
{
    static const QStringList files{QStringLiteral("Ident.ini"), QStringLiteral("Hazard.ini"),
                                   QStringLiteral("Phys.ini"), QStringLiteral("Prot.ini"), QStringLiteral("NBC.ini")};
    return files;
}

QStringList loadContentLists(ProgramState &state)
{
    QStringList problems;
    const auto path = [&](const QString &name) { return haz::platform::joinPath(state.paths.iniDir, name); };
    // The file's name goes with the reason, so the text can be shown on its own.
    const auto note = [&](QString &problem, const QString &name) {
        if (problem.isEmpty())
            return;
        problem = QStringLiteral("ini/%1: %2").arg(name, problem);
        problems << problem;
    };
    // In the order of factListFiles and quizListFiles.
    FactListData *const factLists[] = {&state.content.subjectFacts[Ide], &state.content.subjectFacts[Haz],
                                       &state.content.subjectFacts[Phys], &state.content.takFacts,
                                       &state.content.subjectFacts[Prot], &state.content.subjectFacts[NBC],
                                       &state.content.refFacts};
    QuizListData *const quizLists[] = {&state.content.subjectQuizzes[Ide], &state.content.subjectQuizzes[Haz],
                                       &state.content.subjectQuizzes[Phys], &state.content.subjectQuizzes[Prot],
                                       &state.content.subjectQuizzes[NBC]};
    for (qsizetype i = 0; i < factListFiles().size(); ++i) {
        FactListData &data = *factLists[i];
        readFactList(data.list, data.count, path(factListFiles()[i]), state.lastError, &data.problem);
        note(data.problem, factListFiles()[i]);
    }
    for (qsizetype i = 0; i < quizListFiles().size(); ++i) {
        QuizListData &data = *quizLists[i];
        readQuizList(data.list, data.count, path(quizListFiles()[i]), state.lastError, &data.problem);
        note(data.problem, quizListFiles()[i]);
    }
    return problems;
}

QString listProblemsText(const QStringList &problems)
{
    return QStringLiteral("These course files could not be read in full; what they could not give stays "
                          "empty until they are mended. Nothing of your progress is changed.\n\n")
           + problems.join(u'\n');
}

} // namespace training::basMain
