// Checks the sample scenarios of this build as the scenario program meets them: each one
// starts in exactly one room, every answer a learner can give leads somewhere, every room
// can be reached and the end can be reached, and every picture and page it names is there.
// A dead end in a scenario shows up here instead of as an error box in the middle of class,
// and so does a room that marks a wrong choice without saying why.

#include "Twips.h"
#include "clsDataFile.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QMap>
#include <QSet>
#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <queue>

namespace {

QString installDir() { return QStringLiteral(HAZ_COURSE_INSTALL_DIR); }
QString imagesDir() { return installDir() + QStringLiteral("/data/images/"); }
QString htmlDir() { return installDir() + QStringLiteral("/data/html/"); }

// Exact, case-sensitive existence: the programs run on case-sensitive file systems too.
bool existsExactly(const QString &folder, const QString &name)
{
    return QDir(folder).entryList(QDir::Files).contains(name);
}

// One scenario table, read the way both programs read it: UTF-16, fields by position.
class Table {
public:
    explicit Table(const QString &name) : m_name(name)
    {
        m_ok = m_file.readData(installDir() + QStringLiteral("/ini/") + name);
    }
    bool ok() const { return m_ok; }
    int posts() const { return m_file.numOfPostsRead(); }
    QString field(int post, int k) const
    {
        return m_file.getPostPosField(post, m_file.fieldNames().value(k - 1)).trimmed();
    }
    // A number field; records a failure naming the table and post when it does not convert.
    int number(int post, int k) const
    {
        bool ok = false;
        const int value = field(post, k).toShort(&ok);
        EXPECT_TRUE(ok) << qPrintable(m_name) << " post " << post << " field " << k << ": "
                        << qPrintable(field(post, k));
        return value;
    }

private:
    QString m_name;
    haz::clsDataFile m_file;
    bool m_ok = false;
};

struct KeyRow {
    QString answer, action, dialog;
};

struct Room {
    QString type, question, hint, picture, info;
    int points = 0, questionLines = 0, hintLines = 0, startMarks = 0;
    QMap<int, int> orderOfAlternative; // SvarsAltID -> Order
    QList<KeyRow> keys;
    QMap<int, QString> scenes; // Order -> file
    int sceneRows = 0;
};

struct Scenario {
    QString name, logo, temp, wind;
    int scoreMin = 0, scoreMax = 0;
    QMap<int, Room> rooms;
};

// Reads all five tables into scenarios; rows naming an unknown scenario or room are failures.
QMap<int, Scenario> readScenarios()
{
    QMap<int, Scenario> result;
    Table scenarios(QStringLiteral("scenario.ini")), questions(QStringLiteral("fraga.ini")),
        alternatives(QStringLiteral("svarsalt.ini")), keys(QStringLiteral("facit.ini")),
        pictures(QStringLiteral("bilder.ini"));
    for (const Table *t : {&scenarios, &questions, &alternatives, &keys, &pictures})
        EXPECT_TRUE(t->ok());
    for (int p = 0; p < scenarios.posts(); ++p) {
        Scenario &s = result[scenarios.number(p, 1)];
        s.name = scenarios.field(p, 2);
        s.scoreMin = scenarios.number(p, 5);
        s.scoreMax = scenarios.number(p, 6);
        s.logo = scenarios.field(p, 7);
        s.temp = scenarios.field(p, 8);
        s.wind = scenarios.field(p, 9);
    }
    for (int p = 0; p < questions.posts(); ++p) {
        const int sc = questions.number(p, 2);
        EXPECT_TRUE(result.contains(sc)) << "fraga.ini post " << p << " names scenario " << sc;
        Room &room = result[sc].rooms[questions.number(p, 1)];
        room.question = questions.field(p, 3);
        room.hint = questions.field(p, 4);
        room.picture = questions.field(p, 5);
        room.type = questions.field(p, 6);
        questions.number(p, 7);
        const QString start = questions.field(p, 8);
        EXPECT_TRUE(start.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0
                    || start.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) << qPrintable(start);
        room.startMarks += start == QLatin1String("True");
        room.points = questions.number(p, 10);
        room.info = questions.field(p, 12);
        room.questionLines = questions.number(p, 13);
        room.hintLines = questions.number(p, 14);
    }
    auto roomOf = [&](const Table &t, int post, int roomField, int scenarioField) -> Room * {
        const int sc = t.number(post, scenarioField), id = t.number(post, roomField);
        if (!result.contains(sc) || !result[sc].rooms.contains(id)) {
            ADD_FAILURE() << "a row names scenario " << sc << " room " << id << ", which has no question";
            return nullptr;
        }
        return &result[sc].rooms[id];
    };
    for (int p = 0; p < alternatives.posts(); ++p) {
        if (Room *room = roomOf(alternatives, p, 2, 3)) {
            const int id = alternatives.number(p, 1);
            EXPECT_FALSE(room->orderOfAlternative.contains(id)) << "alternative " << id << " twice";
            room->orderOfAlternative[id] = alternatives.number(p, 5);
            EXPECT_FALSE(alternatives.field(p, 4).isEmpty());
        }
    }
    for (int p = 0; p < keys.posts(); ++p) {
        if (Room *room = roomOf(keys, p, 1, 2))
            room->keys.append({keys.field(p, 3), keys.field(p, 4), keys.field(p, 5)});
    }
    for (int p = 0; p < pictures.posts(); ++p) {
        if (Room *room = roomOf(pictures, p, 1, 2)) {
            room->scenes[pictures.number(p, 4)] = pictures.field(p, 3);
            ++room->sceneRows;
        }
    }
    return result;
}

QSet<QString> sortedTokens(const QString &answer)
{
    const QStringList tokens = answer.split(u',');
    return QSet<QString>(tokens.begin(), tokens.end());
}

// Where an answer leads: the matching key row, else the last "*" row; empty when nothing.
QString actionFor(const Room &room, const QString &answer)
{
    for (const KeyRow &row : room.keys)
        if (row.answer != QLatin1String("*") && sortedTokens(row.answer) == sortedTokens(answer))
            return row.action;
    QString fallback;
    for (const KeyRow &row : room.keys)
        if (row.answer == QLatin1String("*"))
            fallback = row.action;
    return fallback;
}

// The text shown for an answer that keeps the learner in the room, found like its action.
QString dialogFor(const Room &room, const QString &answer)
{
    for (const KeyRow &row : room.keys)
        if (row.answer != QLatin1String("*") && sortedTokens(row.answer) == sortedTokens(answer))
            return row.dialog;
    QString fallback;
    for (const KeyRow &row : room.keys)
        if (row.answer == QLatin1String("*"))
            fallback = row.dialog;
    return fallback;
}

constexpr int Finish = -1;

// The rooms a room's key leads on to, Finish for "finish"; the room itself is left out.
QSet<int> nextRooms(int roomId, const Room &room)
{
    QSet<int> next;
    for (const KeyRow &row : room.keys) {
        const int target = row.action == QLatin1String("finish") ? Finish : row.action.mid(1).toInt();
        if (target != roomId)
            next.insert(target);
    }
    return next;
}

bool canFinish(const Scenario &scenario, int from)
{
    QSet<int> seen{from};
    QList<int> todo{from};
    while (!todo.isEmpty()) {
        const int id = todo.takeFirst();
        for (int target : nextRooms(id, scenario.rooms.value(id))) {
            if (target == Finish)
                return true;
            if (!seen.contains(target) && scenario.rooms.contains(target)) {
                seen.insert(target);
                todo << target;
            }
        }
    }
    return false;
}

// The fewest penalty points with which each room is entered from the start (its own points
// included); a room's points count each time it is entered.
QMap<int, int> cheapestTo(const Scenario &scenario, int start)
{
    QMap<int, int> best;
    using Entry = std::pair<int, int>; // points so far, room
    std::priority_queue<Entry, std::vector<Entry>, std::greater<Entry>> queue;
    queue.push({scenario.rooms[start].points, start});
    while (!queue.empty()) {
        const auto [points, id] = queue.top();
        queue.pop();
        if (best.contains(id))
            continue;
        best[id] = points;
        for (int target : nextRooms(id, scenario.rooms[id]))
            if (target != Finish && scenario.rooms.contains(target) && !best.contains(target))
                queue.push({points + scenario.rooms[target].points, target});
    }
    return best;
}

// The most penalty points of a finished run that enters no room twice: repeating a room
// has no upper bound, so the worst run counts every room at most once.
int worstScore(const Scenario &scenario, int room, int points = 0, QSet<int> seen = {})
{
    points += scenario.rooms[room].points;
    seen.insert(room);
    int worst = -1;
    for (int target : nextRooms(room, scenario.rooms[room])) {
        if (target == Finish)
            worst = std::max(worst, points);
        else if (!seen.contains(target) && scenario.rooms.contains(target))
            worst = std::max(worst, worstScore(scenario, target, points, seen));
    }
    return worst;
}

void expectPictureLoads(const QString &name, int height = 0)
{
    if (!existsExactly(imagesDir(), name)) {
        ADD_FAILURE() << "missing picture " << qPrintable(name);
        return;
    }
    QImageReader reader(imagesDir() + name);
    const QImage image = reader.read();
    EXPECT_FALSE(image.isNull()) << qPrintable(name) << ": " << qPrintable(reader.errorString());
    if (height > 0) {
        EXPECT_EQ(image.height(), height) << qPrintable(name);
    }
}

// The pages and pictures a room shows: scenes numbered 1..n without gaps, each one loading.
void checkRoomMedia(const Room &room)
{
    EXPECT_GE(room.sceneRows, 2) << "a room shows the scene from several sides";
    EXPECT_EQ(room.scenes.size(), room.sceneRows) << "two pictures share a number";
    for (int n = 1; n <= room.sceneRows; ++n) {
        const QString name = room.scenes.value(n);
        if (name.endsWith(QLatin1String(".htm")) || name.endsWith(QLatin1String(".html"))) {
            EXPECT_TRUE(existsExactly(imagesDir(), name)) << "missing scene page " << qPrintable(name);
        } else if (name.endsWith(QLatin1String(".jpg")) || name.endsWith(QLatin1String(".gif"))
                   || name.endsWith(QLatin1String(".bmp"))) {
            // Sized for the scene box, which is 4155 twips high without the panning buttons.
            expectPictureLoads(name, haz::twipsToPixels(4155));
        } else {
            ADD_FAILURE() << "scene " << n << " is not shown: " << qPrintable(name);
        }
    }
    if (!room.picture.isEmpty())
        expectPictureLoads(room.picture);
    if (!room.info.isEmpty()) {
        EXPECT_TRUE(existsExactly(htmlDir(), room.info)) << "missing info page " << qPrintable(room.info);
    }
}

// Every answer a learner can give leads to "finish" or to a room of the scenario.
void checkAnswerKey(int roomId, const Room &room, const Scenario &scenario, QSet<int> &next, bool &finishes)
{
    const QList<int> ids = room.orderOfAlternative.keys();
    QList<int> orders = room.orderOfAlternative.values();
    std::sort(orders.begin(), orders.end());
    QList<int> expectedOrders;
    for (int k = 1; k <= ids.size(); ++k)
        expectedOrders << k;
    EXPECT_EQ(orders, expectedOrders) << "every alternative is shown, each in its own place";
    EXPECT_GE(ids.size(), 2);
    EXPECT_GE(ids.value(0), 1);

    // Answers to follow: each single alternative, each combination the key names, and for
    // "fv" any other combination, which only a "*" row can take.
    QStringList answers;
    for (int id : ids)
        answers << QString::number(id);
    for (const KeyRow &row : room.keys) {
        if (row.answer == QLatin1String("*"))
            continue;
        answers << row.answer;
        EXPECT_TRUE(room.type == QLatin1String("fv") || !row.answer.contains(u','))
            << "option buttons never give the answer " << qPrintable(row.answer);
    }
    if (room.type == QLatin1String("fv"))
        answers << QStringLiteral("no-such-combination");
    for (const QString &answer : answers) {
        const QString action = actionFor(room, answer);
        EXPECT_FALSE(action.isEmpty()) << "answer " << qPrintable(answer) << " leads nowhere";
        if (action == QLatin1String("finish")) {
            finishes = true;
            continue;
        }
        bool ok = false;
        const int target = action.mid(1).toShort(&ok);
        // The exact decimal text, so that staying in the room shows the try-again message.
        EXPECT_TRUE(ok && action.mid(1) == QString::number(target)) << qPrintable(action);
        EXPECT_TRUE(scenario.rooms.contains(target)) << "leads to missing room " << qPrintable(action);
        if (target != roomId)
            next.insert(target);
    }
    for (const KeyRow &row : room.keys) {
        // Scenario shows only its "completed" message at the end, never a row's own text.
        EXPECT_TRUE(row.action != QLatin1String("finish") || row.dialog.isEmpty())
            << "the finish row's dialog text is never shown: " << qPrintable(row.dialog);
        if (row.answer == QLatin1String("*"))
            continue;
        for (const QString &token : row.answer.split(u','))
            EXPECT_TRUE(ids.contains(token.toInt()) && QString::number(token.toInt()) == token)
                << "key row " << qPrintable(row.answer) << " names no alternative";
    }
}

// The fewest penalty points from the start to "finish": what a perfect run scores.
int bestScore(const Scenario &scenario, int start)
{
    const QMap<int, int> cheapest = cheapestTo(scenario, start);
    int finish = -1;
    for (auto it = cheapest.begin(); it != cheapest.end(); ++it)
        if (nextRooms(it.key(), scenario.rooms[it.key()]).contains(Finish))
            finish = finish < 0 ? it.value() : std::min(finish, it.value());
    return finish;
}

} // namespace

TEST(SampleScenarioContent, EveryScenarioIsPlayableToItsEndWithEveryRoomReachable)
{
    const QMap<int, Scenario> scenarios = readScenarios();
    // Other parts of the course refer to these three by number.
    ASSERT_EQ(scenarios.keys(), (QList<int>{1, 2, 3}));
    for (auto it = scenarios.begin(); it != scenarios.end(); ++it) {
        const Scenario &scenario = it.value();
        SCOPED_TRACE("scenario " + std::to_string(it.key()) + " " + scenario.name.toStdString());
        EXPECT_FALSE(scenario.name.isEmpty());
        expectPictureLoads(scenario.logo);
        expectPictureLoads(scenario.temp);
        expectPictureLoads(scenario.wind);
        EXPECT_GE(scenario.rooms.size(), 6);

        QList<int> starts;
        QMap<int, QSet<int>> next;
        for (auto room = scenario.rooms.begin(); room != scenario.rooms.end(); ++room) {
            SCOPED_TRACE("room " + std::to_string(room.key()));
            const Room &r = room.value();
            for (int k = 0; k < r.startMarks; ++k)
                starts << room.key();
            EXPECT_TRUE(r.type == QLatin1String("fv") || r.type == QLatin1String("jn")) << qPrintable(r.type);
            EXPECT_FALSE(r.question.isEmpty());
            EXPECT_FALSE(r.keys.isEmpty());
            // The labels are as tall as the line counts say; a short count cuts the text off.
            EXPECT_GE(r.questionLines, int(r.question.count(QLatin1String("\\n"))) + 1);
            EXPECT_GE(r.hintLines, r.hint.isEmpty() ? 0 : int(r.hint.count(QLatin1String("\\n"))) + 1);
            bool finishes = false;
            checkAnswerKey(room.key(), r, scenario, next[room.key()], finishes);
            checkRoomMedia(r);
            if (finishes)
                next[room.key()].insert(-1);
        }
        ASSERT_EQ(starts.size(), 1) << "exactly one start room";

        QSet<int> reached{starts.first()};
        QList<int> todo{starts.first()};
        while (!todo.isEmpty())
            for (int target : next.value(todo.takeFirst()))
                if (!reached.contains(target)) {
                    reached.insert(target);
                    todo << target;
                }
        EXPECT_TRUE(reached.contains(-1)) << "the end cannot be reached from the start";
        for (int id : scenario.rooms.keys())
            EXPECT_TRUE(reached.contains(id)) << "room " << id << " cannot be reached";

        // The progress overview rates a perfect run 100 % and the worst 0 %.
        EXPECT_EQ(scenario.scoreMin, bestScore(scenario, starts.first()));
        EXPECT_GT(scenario.scoreMax, scenario.scoreMin);
    }
}

// Each scenario shows learners the kinds of room the program can play.
TEST(SampleScenarioContent, ScenariosUseEveryKindOfRoom)
{
    const QMap<int, Scenario> scenarios = readScenarios();
    bool scenePage = false;
    for (auto it = scenarios.begin(); it != scenarios.end(); ++it) {
        SCOPED_TRACE("scenario " + std::to_string(it.key()));
        bool fv = false, jn = false, catchAll = false, stayWithText = false;
        for (auto room = it->rooms.begin(); room != it->rooms.end(); ++room) {
            fv |= room->type == QLatin1String("fv");
            jn |= room->type == QLatin1String("jn");
            for (const KeyRow &row : room->keys) {
                catchAll |= row.answer == QLatin1String("*");
                stayWithText |= row.action.mid(1) == QString::number(room.key()) && !row.dialog.isEmpty();
            }
            for (const QString &scene : room->scenes)
                scenePage |= scene.endsWith(QLatin1String(".htm"));
        }
        EXPECT_TRUE(fv && jn);
        EXPECT_TRUE(catchAll);
        EXPECT_TRUE(stayWithText);
    }
    EXPECT_TRUE(scenePage);
}

// Every wrong choice teaches: an answer that keeps the learner in the room shows a text of
// its own (the program's generic "try again" says nothing about why), and a risky choice
// may instead lead into a room of its own that shows what it caused.
TEST(SampleScenarioContent, EveryWrongChoiceSaysWhy)
{
    const QMap<int, Scenario> scenarios = readScenarios();
    for (auto it = scenarios.begin(); it != scenarios.end(); ++it) {
        for (auto room = it->rooms.begin(); room != it->rooms.end(); ++room) {
            SCOPED_TRACE("scenario " + std::to_string(it.key()) + " room " + std::to_string(room.key()));
            const QString here = QString::number(room.key());
            const auto stays = [&](const QString &action) { return action.mid(1) == here; };
            for (const KeyRow &row : room->keys)
                EXPECT_TRUE(!stays(row.action) || !row.dialog.isEmpty())
                    << "answer " << qPrintable(row.answer) << " gets only the generic message";

            const QList<int> ids = room->orderOfAlternative.keys();
            if (room->type == QLatin1String("jn")) {
                // One alternative each: two of them never share a text or a consequence room.
                QMap<QString, int> feedback;
                for (int id : ids) {
                    const QString answer = QString::number(id);
                    const QString action = actionFor(*room, answer);
                    const QString key = stays(action) ? dialogFor(*room, answer) : action;
                    EXPECT_FALSE(feedback.contains(key))
                        << "alternatives " << feedback.value(key) << " and " << id << " lead to the same " << qPrintable(key);
                    feedback.insert(key, id);
                }
                continue;
            }
            // Several ticks: every answer that moves on, with one wrong alternative ticked too,
            // either explains that alternative in a text no other alternative shares, or
            // leads on (into the consequence of that choice).
            for (const KeyRow &row : room->keys) {
                if (row.answer == QLatin1String("*") || stays(row.action))
                    continue;
                QMap<QString, int> texts;
                for (int id : ids) {
                    QStringList answer = row.answer.split(u',');
                    if (answer.contains(QString::number(id)))
                        continue;
                    answer << QString::number(id);
                    const QString joined = answer.join(u',');
                    if (!stays(actionFor(*room, joined)))
                        continue;
                    const QString text = dialogFor(*room, joined);
                    EXPECT_FALSE(texts.contains(text)) << "alternatives " << texts.value(text) << " and " << id
                                                        << " share the text after " << qPrintable(row.answer);
                    texts.insert(text, id);
                }
            }
        }
    }
}

// Scenario shows a new room with the alternative of the number just chosen already chosen.
// That carried-over choice must never answer the next room for the learner: it is one
// that keeps the learner in the room, with its reason.
TEST(SampleScenarioContent, ACarriedOverChoiceNeverAnswersTheNextRoom)
{
    const QMap<int, Scenario> scenarios = readScenarios();
    for (auto it = scenarios.begin(); it != scenarios.end(); ++it) {
        for (auto room = it->rooms.begin(); room != it->rooms.end(); ++room) {
            if (room->type != QLatin1String("jn"))
                continue;
            for (int id : room->orderOfAlternative.keys()) {
                const QString answer = QString::number(id);
                const QString action = actionFor(*room, answer);
                const int target = action.mid(1).toInt();
                if (action == QLatin1String("finish") || target == room.key() || !it->rooms.contains(target))
                    continue;
                const Room &next = it->rooms[target];
                if (next.type != QLatin1String("jn") || !next.orderOfAlternative.contains(id))
                    continue;
                EXPECT_EQ(actionFor(next, answer).mid(1), QString::number(target))
                    << "scenario " << it.key() << ": alternative " << id << " of room " << room.key()
                    << " comes out chosen in room " << target << " and answers it";
            }
        }
    }
}

// Choices have consequences: each scenario has rooms that branch, every room leads on to a
// finish, and a poor path still ends the scenario, scored worse than the best run.
TEST(SampleScenarioContent, RiskyChoicesBranchAndAPoorPathStillEnds)
{
    const QMap<int, Scenario> scenarios = readScenarios();
    for (auto it = scenarios.begin(); it != scenarios.end(); ++it) {
        const Scenario &scenario = it.value();
        SCOPED_TRACE("scenario " + std::to_string(it.key()));
        int start = 0;
        for (auto room = scenario.rooms.begin(); room != scenario.rooms.end(); ++room)
            if (room->startMarks > 0)
                start = room.key();

        int branching = 0;
        QList<int> endings;
        for (auto room = scenario.rooms.begin(); room != scenario.rooms.end(); ++room) {
            const QSet<int> next = nextRooms(room.key(), *room);
            branching += next.size() >= 2;
            if (next.contains(Finish))
                endings << room.key();
            EXPECT_TRUE(canFinish(scenario, room.key())) << "room " << room.key() << " never reaches a finish";
        }
        EXPECT_GE(branching, 2);

        const QMap<int, int> cheapest = cheapestTo(scenario, start);
        int poorEndings = 0;
        for (int room : endings)
            poorEndings += cheapest.value(room) > scenario.scoreMin;
        EXPECT_GE(poorEndings, 1) << "every ending is reached by the best run";
        EXPECT_EQ(scenario.scoreMax, worstScore(scenario, start))
            << "the progress overview rates the worst finished run 0 %";
    }
}
