#include "ScenarioTables.h"

#include "Conversions.h"
#include "Platform.h"
#include "RuntimeError.h"
#include "clsDataFile.h"

#include <functional>
#include <limits>
#include <vector>

namespace scenario {

namespace {
class ScenarioPosts;
}

// One scenario's posts of a table stay worked out for as long as the table is
// unchanged: an answer then costs a look at the files, not a reading of them.
struct ScenarioFiles::Cache {
    haz::TableCache tables;
    struct Posts {
        std::shared_ptr<const haz::clsDataFile> table;
        std::shared_ptr<const ScenarioPosts> posts;
    };
    QHash<QString, Posts> posts; // by table name and scenario number
};

ScenarioFiles::ScenarioFiles(QString installFolder)
    : m_folder(std::move(installFolder)), m_cache(std::make_shared<Cache>())
{
}

std::shared_ptr<const haz::clsDataFile> ScenarioFiles::read(const QString &name) const
{
    return m_cache->tables.table(table(name));
}

QString ScenarioFiles::table(const QString &name) const
{
    return haz::platform::joinPath(m_folder, QStringLiteral("ini/") + name);
}

QString ScenarioFiles::image(const QString &name) const
{
    return haz::platform::joinPath(m_folder, QStringLiteral("data/images/") + name);
}

QString ScenarioFiles::html(const QString &name) const
{
    return haz::platform::joinPath(m_folder, QStringLiteral("data/html/") + name);
}

namespace {

// The posts of one scenario in one table, read by field position (field k is
// column k + 1 of the search result). Numbers are converted once; a value that does
// not convert fails each time it is asked for, as it would on a fresh read.
class ScenarioPosts {
public:
    // What a table that cannot be read (or has no sc_id field) means: an error, or no
    // posts at all (scene pictures are optional; without them the scene stays as it was).
    enum class Unreadable { IsError, IsEmpty };

    ScenarioPosts(const QString &tableName, std::shared_ptr<const haz::clsDataFile> table, qint16 scenarioId,
                  Unreadable unreadable)
        : m_name(QStringLiteral("ini/") + tableName), m_table(std::move(table))
    {
        const bool empty = unreadable == Unreadable::IsEmpty;
        if (!m_table->readOk()) {
            if (empty)
                return;
            const int number = m_table->lastErrorNumber() ? m_table->lastErrorNumber() : haz::ErrFileNotFound;
            throw haz::RuntimeError(number, QStringLiteral("The table %1 could not be read").arg(m_name));
        }
        m_posts = m_table->findPosts(QStringLiteral("sc_id"), QString::number(scenarioId));
        if (m_posts.isOneDimensional()) {
            m_posts = {};
            if (!empty)
                throw haz::RuntimeError(haz::ErrSubscript,
                                        QStringLiteral("The table %1 has no sc_id field").arg(m_name));
            return;
        }
        m_stride = m_posts.lastColumn() + 1;
        m_numbers.assign(std::size_t(count() + 1) * std::size_t(m_stride), NotConverted);
    }

    int count() const { return m_posts.matchCount(); }
    QString text(int post, int field) const { return m_posts.at(field + 1, post); }
    qint16 number(int post, int field) const
    {
        if (field < 0 || field >= m_stride)
            return converted(post, field, haz::conv::toInt16, QStringLiteral("a number"));
        qint32 &kept = m_numbers[std::size_t(post) * std::size_t(m_stride) + std::size_t(field)];
        if (kept == NotConverted)
            kept = converted(post, field, haz::conv::toInt16, QStringLiteral("a number"));
        return qint16(kept);
    }
    bool boolean(int post, int field) const
    {
        return converted(post, field, haz::conv::toBool, QStringLiteral("True or False"));
    }
    // Every post (1-based) whose given number field equals the value.
    void forEachWith(int field, qint16 value, const std::function<void(int)> &visit) const
    {
        for (int post = 1; post <= count(); ++post)
            if (number(post, field) == value)
                visit(post);
    }

private:
    // A field's value through `convert`; a value it refuses names the table, field and post.
    template <typename T>
    T converted(int post, int field, T (*convert)(QStringView), const QString &expected) const
    {
        const QString value = text(post, field);
        try {
            return convert(value);
        } catch (const haz::RuntimeError &e) {
            throw haz::RuntimeError(e.number(), QStringLiteral("%1: field %2 of post %3 (\"%4\") is not %5")
                                                    .arg(m_name)
                                                    .arg(field)
                                                    .arg(text(post, 0), value, expected));
        }
    }

    static constexpr qint32 NotConverted = std::numeric_limits<qint32>::min();

    QString m_name;
    std::shared_ptr<const haz::clsDataFile> m_table;
    haz::FindResult m_posts;
    int m_stride = 0;
    mutable std::vector<qint32> m_numbers; // by post and field
};

// The scenario's posts of the table as it is on disk now.
std::shared_ptr<const ScenarioPosts> postsOf(const ScenarioFiles &files, const QString &tableName, qint16 scenarioId,
                                             ScenarioPosts::Unreadable unreadable = ScenarioPosts::Unreadable::IsError)
{
    std::shared_ptr<const haz::clsDataFile> table = files.read(tableName);
    ScenarioFiles::Cache::Posts &kept =
        files.cache().posts[tableName + u'/' + QString::number(scenarioId)];
    if (kept.table != table || !kept.posts) {
        kept = {};
        kept.posts = std::make_shared<const ScenarioPosts>(tableName, table, scenarioId, unreadable);
        kept.table = std::move(table);
    }
    return kept.posts;
}

} // namespace

clsScenario clsScenario::getScenario(const ScenarioFiles &files, qint16 id, bool *found)
{
    const auto scenarioPosts = postsOf(files, QStringLiteral("scenario.ini"), id);
    const ScenarioPosts &posts = *scenarioPosts;
    clsScenario result;
    const bool has = posts.count() > 0 && posts.number(1, 1) == id;
    if (found)
        *found = has;
    if (!has)
        return result;
    result.ID = posts.number(1, 1);
    result.Namn = posts.text(1, 2);
    result.Besk = posts.text(1, 3);
    result.StartTid = posts.number(1, 4);
    result.PoangMin = posts.number(1, 5);
    result.PoangMax = posts.number(1, 6);
    result.Logo = posts.text(1, 7);
    result.Temp = posts.text(1, 8);
    result.Vind = posts.text(1, 9);
    return result;
}

qint16 clsFraga::getStartUpFraga(const ScenarioFiles &files, qint16 scenarioId)
{
    const auto scenarioPosts = postsOf(files, QStringLiteral("fraga.ini"), scenarioId);
    const ScenarioPosts &posts = *scenarioPosts;
    qint16 room = 0;
    posts.forEachWith(2, scenarioId, [&](int post) {
        if (posts.text(post, 8) == QLatin1String("True"))
            room = posts.number(post, 1);
    });
    return room;
}

clsFraga clsFraga::getFraga(const ScenarioFiles &files, qint16 scenarioId, qint16 roomId, bool *found)
{
    const auto scenarioPosts = postsOf(files, QStringLiteral("fraga.ini"), scenarioId);
    const ScenarioPosts &posts = *scenarioPosts;
    clsFraga result;
    bool has = false;
    posts.forEachWith(2, scenarioId, [&](int post) {
        if (posts.number(post, 1) != roomId)
            return;
        has = true;
        result.RumID = posts.number(post, 1);
        result.ScenarioID = posts.number(post, 2);
        result.Fraga = posts.text(post, 3);
        result.FragaLedtext = posts.text(post, 4);
        result.Bild = posts.text(post, 5);
        result.Typ = posts.text(post, 6);
        result.eventAddtime = posts.number(post, 7);
        result.StartFraga = posts.boolean(post, 8);
        result.Poang = posts.number(post, 10);
        result.Status = posts.text(post, 11);
        result.Infolank = posts.text(post, 12);
        result.Fraga_Lines = posts.number(post, 13);
        result.FragaLedtext_Lines = posts.number(post, 14);
    });
    if (found)
        *found = has;
    return result;
}

QList<clsSvarsAlt> clsSvarsAlt::getSvarsAlt(const ScenarioFiles &files, qint16 scenarioId, qint16 roomId)
{
    const auto scenarioPosts = postsOf(files, QStringLiteral("svarsalt.ini"), scenarioId);
    const ScenarioPosts &posts = *scenarioPosts;
    QList<clsSvarsAlt> collected;
    posts.forEachWith(3, scenarioId, [&](int post) {
        if (posts.number(post, 2) != roomId)
            return;
        collected.append({posts.number(post, 1), posts.number(post, 2), posts.number(post, 3),
                          posts.text(post, 4), posts.number(post, 5)});
    });
    QList<clsSvarsAlt> shown;
    for (int order = 1; order <= collected.size(); ++order)
        for (const clsSvarsAlt &alternative : collected)
            if (alternative.Order == order)
                shown.append(alternative);
    return shown;
}

QList<clsFacit> clsFacit::getFacits(const ScenarioFiles &files, qint16 scenarioId, qint16 roomId)
{
    const auto scenarioPosts = postsOf(files, QStringLiteral("facit.ini"), scenarioId);
    const ScenarioPosts &posts = *scenarioPosts;
    QList<clsFacit> rows;
    posts.forEachWith(2, scenarioId, [&](int post) {
        if (posts.number(post, 1) == roomId)
            rows.append({posts.number(post, 1), posts.number(post, 2), posts.text(post, 3),
                         posts.text(post, 4), posts.text(post, 5)});
    });
    return rows;
}

clsBild clsBild::getImage(const ScenarioFiles &files, qint16 scenarioId, qint16 roomId, qint16 imgIndex)
{
    const auto scenarioPosts = postsOf(files, QStringLiteral("bilder.ini"), scenarioId, ScenarioPosts::Unreadable::IsEmpty);
    const ScenarioPosts &posts = *scenarioPosts;
    clsBild result;
    posts.forEachWith(2, scenarioId, [&](int post) {
        if (posts.number(post, 1) == roomId && posts.number(post, 4) == imgIndex)
            result = {posts.number(post, 1), posts.number(post, 2), posts.text(post, 3), posts.number(post, 4)};
    });
    return result;
}

qint16 clsBild::getImageCount(const ScenarioFiles &files, qint16 scenarioId, qint16 roomId)
{
    const auto scenarioPosts = postsOf(files, QStringLiteral("bilder.ini"), scenarioId, ScenarioPosts::Unreadable::IsEmpty);
    const ScenarioPosts &posts = *scenarioPosts;
    qint32 count = 0;
    posts.forEachWith(2, scenarioId, [&](int post) {
        if (posts.number(post, 1) == roomId)
            ++count;
    });
    return haz::conv::narrowToInt16(count);
}

} // namespace scenario
