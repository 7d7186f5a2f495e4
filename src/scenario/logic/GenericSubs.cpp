#include "GenericSubs.h"

#include "Conversions.h"
#include "MessageService.h"
#include "Platform.h"
#include "RuntimeError.h"
#include "ScenarioTables.h"
#include "TextCodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace scenario::GenericSubs {

bool createFileSystemObject(haz::MessageService &messages)
{
    if (QFileInfo(haz::platform::installationFolder()).isDir())
        return true;
    messages.show(FileSystemMessage);
    return false;
}

bool createShellObject(haz::MessageService &messages)
{
    if (QFileInfo(haz::platform::documentsFolder()).isDir())
        return true;
    messages.show(ShellMessage);
    return false;
}

QString getMyDocumentsPath()
{
    QString path = haz::platform::documentsFolder();
    while (path.size() > 1 && path.endsWith(u'/'))
        path.chop(1);
    return path;
}

QStringList readLangFile(const QString &installFolder)
{
    const QString folder = installFolder.isEmpty() ? haz::platform::installationFolder() : installFolder;
    const QString path = haz::platform::resolveCaseInsensitive(
        haz::platform::joinPath(folder, QStringLiteral("Lang.ini")));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw haz::RuntimeError(haz::ErrFileNotFound, QStringLiteral("The language file Lang.ini is missing"));
    QString text = haz::codec::decode(file.readAll(), haz::codec::Encoding::Ansi);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QStringList lines = text.split(u'\n');
    if (text.endsWith(u'\n'))
        lines.removeLast();
    if (lines.size() < 2)
        throw haz::RuntimeError(haz::ErrInputPastEnd, QStringLiteral("The language file Lang.ini has fewer than two lines"));
    return lines.mid(0, 2);
}

QString argumentString(const QStringList &argumentsAfterProgram)
{
    return argumentsAfterProgram.join(u' ');
}

namespace {

QString settingAfterKey(const QString &arguments, QLatin1String key)
{
    const qsizetype at = arguments.indexOf(key, 0, Qt::CaseInsensitive);
    QString value = at >= 0 ? arguments.mid(at + key.size()) : arguments.mid(4);
    const qsizetype comma = value.indexOf(u',');
    if (comma >= 0)
        value.truncate(comma);
    return value;
}

} // namespace

QString getCmdUser(const QString &argumentString)
{
    return settingAfterKey(argumentString, QLatin1String("user="));
}

qint16 getCmdMode(const QString &argumentString)
{
    const QString text = settingAfterKey(argumentString, QLatin1String("mode="));
    try {
        return haz::conv::toInt16(text);
    } catch (const haz::RuntimeError &e) {
        throw haz::RuntimeError(e.number(), QStringLiteral("The mode \"%1\" on the command line is not a number (%2)")
                                                .arg(text, e.description()));
    }
}

qint16 countLineMarks(const QString &search, const QString &text)
{
    if (search.isEmpty())
        return 0;
    qsizetype at = text.indexOf(search, 0, Qt::CaseInsensitive);
    qint32 count = 0;
    while (at >= 0) {
        ++count;
        at = text.indexOf(search, at + 1, Qt::CaseSensitive);
    }
    return haz::conv::narrowToInt16(count);
}

void sortArray(QStringList &values)
{
    // Plain comparison of character codes, as the answer key is written.
    std::sort(values.begin(), values.end(),
              [](const QString &a, const QString &b) { return QString::compare(a, b, Qt::CaseSensitive) < 0; });
}

QString getAnswerString(const QList<clsSvarsAlt> &alternatives,
                        const std::function<bool(qint16 svarsAltId)> &isChosen)
{
    QStringList chosen;
    for (const clsSvarsAlt &alternative : alternatives)
        if (isChosen(alternative.SvarsAltID))
            chosen << QString::number(alternative.SvarsAltID);
    return chosen.join(u',');
}

namespace {

QString sortedTokens(const QString &text)
{
    QStringList tokens = text.split(u',');
    sortArray(tokens);
    return tokens.join(u',');
}

} // namespace

const clsFacit *matchAnswer(const QString &answerString, const QList<clsFacit> &keyRows)
{
    const QString answer = sortedTokens(answerString);
    const clsFacit *matched = nullptr;
    for (const clsFacit &row : keyRows)
        if (sortedTokens(row.Svar) == answer) {
            matched = &row;
            break;
        }
    if (matched && !matched->Action.isEmpty())
        return matched;
    const clsFacit *fallback = matched;
    for (const clsFacit &row : keyRows)
        if (row.Svar == QLatin1String("*"))
            fallback = &row;
    return fallback;
}

QString simClockText(qint16 simMinutes, const QString &hoursWord, const QString &minutesWord)
{
    const int hours = simMinutes / 60; // C++ division truncates toward zero
    const int minutes = simMinutes - hours * 60;
    return QStringLiteral("%1 %2 : %3 %4").arg(hours).arg(hoursWord).arg(minutes).arg(minutesWord);
}

} // namespace scenario::GenericSubs
