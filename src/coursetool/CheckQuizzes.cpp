// The fact lists, the subject quizzes and the exercise and exam question sets.

#include "CheckParts.h"

#include "Conversions.h"
#include "ExamLists.h"
#include "FactList.h"
#include "FailureNote.h"
#include "Platform.h"
#include "QuizList.h"
#include "RuntimeError.h"
#include "basMain.h"

namespace coursetool {

using haz::RuntimeError;

namespace {

const QString FaktText = QStringLiteral("FaktText");
const QString Bookmark = QStringLiteral("Bookmark");

// The largest info window size in pixels: the window is sized in twips held in 16 bits.
constexpr int MaxInfoSize = 2184;

QString svarTxt(int a) { return QStringLiteral("Svar%1Txt").arg(a + 1); }
QString svarR(int a) { return QStringLiteral("Svar%1R").arg(a + 1); }

QStringList quizFields()
{
    QStringList fields{QStringLiteral("FrgHead"), QStringLiteral("FrgText"), QStringLiteral("FrgBild")};
    for (int a = 0; a < training::MaxAlternatives; ++a)
        fields << svarTxt(a);
    for (int a = 0; a < training::MaxAlternatives; ++a)
        fields << svarR(a);
    fields << QStringLiteral("SvarKom") << QStringLiteral("InfoLink") << QStringLiteral("InfoWidth")
           << QStringLiteral("InfoHeight") << QStringLiteral("Time");
    return fields;
}

// One info window size: not a number counts as 0 (a warning: the author meant
// something), beyond 16 bits stops the reading, above the window's limit cannot be shown.
void checkInfoSize(const CheckedTable &table, int slot, const QString &field)
{
    const QString text = table.value(slot, field);
    const int line = table.line(slot, field);
    try {
        const qint16 size = haz::conv::toInt16(text);
        if (size < 0 || size > MaxInfoSize)
            table.error(line, QStringLiteral("%1 is %2; it must lie in 0 … %3 pixels").arg(field).arg(size).arg(MaxInfoSize));
    } catch (const RuntimeError &e) {
        if (e.number() == haz::ErrOverflow)
            table.error(line, QStringLiteral("%1 is %2, too large: the reading of the file stops here").arg(field, text));
        else if (!text.isEmpty())
            table.warning(line, QStringLiteral("%1 is \"%2\", not a number; it counts as 0").arg(field, text));
    }
}

// One question. `scenarios` is null for subject quizzes, where a number in SvarKom
// is only a comment.
void checkQuestion(const CheckedTable &table, int slot, const QSet<qint16> *scenarios)
{
    const auto line = [&](const QString &field) { return table.line(slot, field); };
    bool stopped = false;
    bool anyRight = false;
    for (int a = 0; a < training::MaxAlternatives; ++a) {
        const QString flag = table.value(slot, svarR(a));
        try {
            const bool right = haz::conv::toBool(flag);
            const bool empty = table.value(slot, svarTxt(a)).isEmpty();
            if (right && empty)
                table.error(line(svarR(a)), QStringLiteral("%1 marks alternative %2 right, but it has no text and "
                                                            "is never shown: the question cannot be answered right")
                                                .arg(svarR(a))
                                                .arg(a + 1));
            anyRight = anyRight || (right && !empty);
        } catch (const RuntimeError &) {
            table.error(line(svarR(a)), QStringLiteral("%1 is \"%2\", not True, False or a number: the reading of "
                                                        "the file stops here")
                                            .arg(svarR(a), flag));
            stopped = true;
        }
    }
    try {
        haz::conv::toInt16(table.value(slot, QStringLiteral("Time")));
    } catch (const RuntimeError &) {
        table.error(line(QStringLiteral("Time")), QStringLiteral("Time is \"%1\", not a whole number of seconds: the "
                                                                 "reading of the file stops here")
                                                      .arg(table.value(slot, QStringLiteral("Time"))));
    }
    checkInfoSize(table, slot, QStringLiteral("InfoWidth"));
    checkInfoSize(table, slot, QStringLiteral("InfoHeight"));

    training::QuizQuestion question;
    question.SvarKom = table.value(slot, QStringLiteral("SvarKom"));
    const auto scenario = scenarios ? training::scenarioOfQuestion(question) : std::nullopt;
    if (scenario && !scenarios->contains(*scenario))
        table.error(line(QStringLiteral("SvarKom")),
                    QStringLiteral("a scenario question of scenario %1, which ini/scenario.ini does not hold").arg(*scenario));
    if (!scenario && !stopped && !anyRight)
        table.error(table.postLine(slot) - 1, QStringLiteral("the question has no right alternative"));
    checkReferencedFile(table, line(QStringLiteral("FrgBild")), QStringLiteral("data/images"),
                        haz::conv::trimBlanks(table.value(slot, QStringLiteral("FrgBild"))).toString(),
                        Shown::PicturesOrPages);
    checkReferencedFile(table, line(QStringLiteral("InfoLink")), QStringLiteral("data/html"),
                        table.value(slot, QStringLiteral("InfoLink")), Shown::Pages);
}

void checkQuizFile(CheckContext &context, const QString &relative, const QSet<qint16> *scenarios)
{
    const CheckedTable table(context, relative, CheckedTable::Encoding::Utf16, quizFields());
    if (!table.ok())
        return;
    const int before = context.findings.errors();
    for (int slot = 0; slot < table.posts(); ++slot)
        checkQuestion(table, slot, scenarios);
    // The reader itself must agree; anything it trips on that the checks above did
    // not name is still a fault.
    QList<training::QuizQuestion> list;
    qint32 count = 0;
    haz::LastError lastError;
    if (!training::readQuizList(list, count, context.path(relative), lastError)
        && context.findings.errors() == before)
        table.error(0, QStringLiteral("the quiz reader stops: ") + lastError.description);
}

} // namespace

void checkFactLists(CheckContext &context)
{
    for (const QString &name : training::basMain::factListFiles()) {
        const QString relative = QStringLiteral("ini/") + name;
        const CheckedTable table(context, relative, CheckedTable::Encoding::Utf16, {FaktText, Bookmark});
        if (!table.ok())
            continue;
        if (table.posts() == 0)
            table.error(0, QStringLiteral("the list has no posts; its tab stays empty"));
        for (int slot = 0; slot < table.posts(); ++slot) {
            const QString page = table.value(slot, Bookmark);
            if (haz::conv::trimBlanks(table.value(slot, FaktText)).size() > training::FactTitleLength)
                table.warning(table.line(slot, FaktText),
                              QStringLiteral("the title is longer than %1 characters; the list cuts it")
                                  .arg(training::FactTitleLength));
            if (page.isEmpty())
                table.warning(table.line(slot, Bookmark), QStringLiteral("the fact has no page (Bookmark is empty)"));
            checkReferencedFile(table, table.line(slot, Bookmark), QStringLiteral("data/html"), page, Shown::Pages);
        }
    }
}

void checkQuizLists(CheckContext &context, const QSet<qint16> &scenarios)
{
    for (const QString &name : training::basMain::quizListFiles())
        checkQuizFile(context, QStringLiteral("ini/") + name, nullptr);
    for (const QString &folder : {QStringLiteral("excer"), QStringLiteral("exam")}) {
        const QString relative = QStringLiteral("ini/") + folder;
        const QStringList files = training::basMain::listFolderFiles(context.path(relative));
        const qsizetype count = files.value(0).isEmpty() ? 0 : files.size();
        if (count < 2)
            context.findings.error(context.shown(relative), 0,
                                   QStringLiteral("the folder holds %1 list files; a restart needs at least two")
                                       .arg(count));
        for (const QString &file : files)
            if (!file.isEmpty())
                checkQuizFile(context, context.shown(relative) + u'/' + file, &scenarios);
    }
}

} // namespace coursetool
