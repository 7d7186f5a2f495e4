#include "SmallCourse.h"

#include "CaptionTable.h"
#include "ProgressLayout.h"
#include "TabPlan.h"
#include "basMain.h"
#include "clsCaptions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace coursetest {

QString SourceTable::text() const
{
    QString out = u'[' + name + QStringLiteral("]\n");
    for (const QString &f : fields)
        out += QStringLiteral("FieldName=") + f + u'\n';
    out += u'\n';
    for (qsizetype p = 0; p < rows.size(); ++p)
        out += QStringLiteral("\n[%1]\n").arg(p) + rows[p].join(u'\n') + QStringLiteral("\n\n");
    return out;
}

int SourceTable::line(int post, int field) const
{
    const int n = int(fields.size());
    return n + 4 + post * (n + 3) + field;
}

namespace {

QStringList quizFields()
{
    QStringList fields{QStringLiteral("FrgHead"), QStringLiteral("FrgText"), QStringLiteral("FrgBild")};
    for (int a = 1; a <= 15; ++a)
        fields << QStringLiteral("Svar%1Txt").arg(a);
    for (int a = 1; a <= 15; ++a)
        fields << QStringLiteral("Svar%1R").arg(a);
    return fields << QStringLiteral("SvarKom") << QStringLiteral("InfoLink") << QStringLiteral("InfoWidth")
                  << QStringLiteral("InfoHeight") << QStringLiteral("Time");
}

// A question with two alternatives, the first right; `comment` in SvarKom.
QStringList question(const QString &head, const QString &comment = {})
{
    QStringList row{head, QStringLiteral("Which one?"), QString(), QStringLiteral("Right"), QStringLiteral("Wrong")};
    for (int a = 3; a <= 15; ++a)
        row << QString();
    row << QStringLiteral("True");
    for (int a = 2; a <= 15; ++a)
        row << QStringLiteral("False");
    return row << comment << QStringLiteral("tip.htm") << QStringLiteral("400") << QStringLiteral("300")
               << QStringLiteral("30");
}

} // namespace

SmallCourse::SmallCourse()
{
    texts[QStringLiteral("lang.ini")] = QStringLiteral("en\nEnglish\n");
    tables[QStringLiteral("user.ini")] = {QStringLiteral("UserData"), haz::progress::fieldNames(), {}};

    SourceTable captions{QStringLiteral("Captions"), {QStringLiteral("ObjId"), QStringLiteral("Text"), QStringLiteral("Tooltip")}, {}};
    QStringList ids = training::askedCaptionIds() + scenario::askedCaptionIds();
    ids.removeDuplicates();
    for (const QString &id : ids)
        captions.rows.append({id, id == QLatin1String("ScenarioStartedCmd") ? QStringLiteral("Continue,Start again") : id, QString()});
    tables[QStringLiteral("ini/captions.ini")] = captions;

    SourceTable tabs{QStringLiteral("Tabs"), {QStringLiteral("objID"), QStringLiteral("Visible"), QStringLiteral("Picture")}, {}};
    for (const training::TabPlanRow &tab : training::tabPlan())
        tabs.rows.append({tab.captionKey, QStringLiteral("True"), QString()});
    tables[QStringLiteral("ini/objsTabs.ini")] = tabs;

    for (const QString &file : training::basMain::factListFiles())
        tables[QStringLiteral("ini/") + file] = {QStringLiteral("Facts"), {QStringLiteral("FaktText"), QStringLiteral("Bookmark")},
                                                 {{QStringLiteral("A fact"), QStringLiteral("fact.htm")}}};
    for (const QString &file : training::basMain::quizListFiles())
        tables[QStringLiteral("ini/") + file] = {QStringLiteral("Quiz"), quizFields(), {question(file)}};
    for (const QString &file : {QStringLiteral("ini/excer/excer_1.ini"), QStringLiteral("ini/excer/excer_2.ini"),
                                QStringLiteral("ini/exam/exam_1.ini"), QStringLiteral("ini/exam/exam_2.ini")})
        tables[file] = {QStringLiteral("Quiz"), quizFields(), {question(file), question(QStringLiteral("Play it"), QStringLiteral("1"))}};

    tables[QStringLiteral("ini/scenario.ini")] = {
        QStringLiteral("Scenario"),
        {QStringLiteral("sc_id"), QStringLiteral("Namn"), QStringLiteral("Besk"), QStringLiteral("StartTid"),
         QStringLiteral("PoangMin"), QStringLiteral("PoangMax"), QStringLiteral("Logo"), QStringLiteral("Temp"),
         QStringLiteral("Vind")},
        {{QStringLiteral("1"), QStringLiteral("Spill"), QStringLiteral("A spill"), QStringLiteral("480"),
          QStringLiteral("0"), QStringLiteral("10"), QStringLiteral("logo.gif"), QStringLiteral("temp.gif"),
          QStringLiteral("wind.gif")}}};
    const auto room = [](const char *id, const char *question, const char *type, const char *start) {
        return QStringList{QString::fromLatin1(id), QStringLiteral("1"), QString::fromLatin1(question), QStringLiteral("Hint"),
                           QString(), QString::fromLatin1(type), QStringLiteral("5"), QString::fromLatin1(start),
                           QString(), QStringLiteral("1"), QStringLiteral("Status"), QStringLiteral("tip.htm"),
                           QStringLiteral("1"), QStringLiteral("1")};
    };
    tables[QStringLiteral("ini/fraga.ini")] = {
        QStringLiteral("Fraga"),
        {QStringLiteral("RumID"), QStringLiteral("sc_id"), QStringLiteral("Fraga"), QStringLiteral("FragaLedtext"),
         QStringLiteral("Bild"), QStringLiteral("Typ"), QStringLiteral("eventAddtime"), QStringLiteral("StartFraga"),
         QStringLiteral("Anteckning"), QStringLiteral("Poang"), QStringLiteral("Status"), QStringLiteral("Infolank"),
         QStringLiteral("Fraga_Lines"), QStringLiteral("FragaLedtext_Lines")},
        {room("10", "Where do you stop?", "jn", "True"), room("20", "What do you wear?", "fv", "False")}};
    const auto alt = [](const char *id, const char *roomId, const char *text, const char *order) {
        return QStringList{QString::fromLatin1(id), QString::fromLatin1(roomId), QStringLiteral("1"),
                           QString::fromLatin1(text), QString::fromLatin1(order)};
    };
    tables[QStringLiteral("ini/svarsalt.ini")] = {
        QStringLiteral("SvarsAlt"),
        {QStringLiteral("SvarsAltID"), QStringLiteral("RumID"), QStringLiteral("sc_id"), QStringLiteral("Namn"), QStringLiteral("Order")},
        {alt("1", "10", "Upwind", "1"), alt("2", "10", "Downwind", "2"), alt("1", "20", "Suit", "1"),
         alt("2", "20", "Mask", "2"), alt("3", "20", "Nothing", "3")}};
    const auto key = [](const char *roomId, const char *svar, const char *action, const char *dialog) {
        return QStringList{QString::fromLatin1(roomId), QStringLiteral("1"), QString::fromLatin1(svar),
                           QString::fromLatin1(action), QString::fromLatin1(dialog)};
    };
    tables[QStringLiteral("ini/facit.ini")] = {
        QStringLiteral("Facit"),
        {QStringLiteral("RumID"), QStringLiteral("sc_id"), QStringLiteral("Svar"), QStringLiteral("Action"), QStringLiteral("DialogText")},
        {key("10", "1", "R20", ""), key("10", "2", "R10", "Downwind you breathe the gas."),
         key("20", "1,2", "finish", ""), key("20", "1,2,3", "R20", "Without protection you are hurt."),
         key("20", "*", "R20", "Wear both.")}};
    const auto picture = [](const char *roomId, const char *name, const char *order) {
        return QStringList{QString::fromLatin1(roomId), QStringLiteral("1"), QString::fromLatin1(name), QString::fromLatin1(order)};
    };
    tables[QStringLiteral("ini/bilder.ini")] = {
        QStringLiteral("Bilder"),
        {QStringLiteral("RumID"), QStringLiteral("sc_id"), QStringLiteral("Namn"), QStringLiteral("Order")},
        {picture("10", "scene1.gif", "1"), picture("20", "scene2.jpg", "1"), picture("20", "scene3.htm", "2")}};

    for (const char *page : {"info.htm", "diplom.htm", "fact.htm", "tip.htm"})
        texts[QStringLiteral("data/html/") + QString::fromLatin1(page)] = QStringLiteral("<html><body>Page</body></html>\n");
    texts[QStringLiteral("data/images/scene3.htm")] = QStringLiteral("<html><body>Scene</body></html>\n");
    pictures = QStringList{QStringLiteral("logo.gif"), QStringLiteral("temp.gif"), QStringLiteral("wind.gif"),
                           QStringLiteral("scene1.gif"), QStringLiteral("scene2.jpg")};
}

void SmallCourse::writeSources(const QString &folder) const
{
    const auto write = [&](const QString &relative, const QByteArray &bytes) {
        const QString path = QDir(folder).filePath(relative);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
    };
    for (auto it = tables.cbegin(); it != tables.cend(); ++it)
        write(it.key(), it.value().text().toUtf8());
    for (auto it = texts.cbegin(); it != texts.cend(); ++it)
        write(it.key(), it.value().toUtf8());
    for (const QString &name : pictures)
        write(QStringLiteral("data/images/") + name, QByteArrayLiteral("GIF89a"));
}

} // namespace coursetest
