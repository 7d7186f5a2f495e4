#pragma once
// The five scenario tables of the installation's ini folder, one plain class per row
// kind with its lookup. A lookup takes its table (UTF-16) from memory, read again
// whenever its file changed on disk, takes the posts of the scenario and filters
// them, comparing numbers as numbers. A table that cannot be
// read, or lacks its sc_id field, is a RuntimeError; so is a number field of a post
// of the scenario that does not convert.

#include "TableCache.h"

#include <QList>
#include <QString>

#include <memory>

namespace scenario {

// Paths of the tables and of the files they name, under one installation folder, and
// the tables read so far (copies share them).
class ScenarioFiles {
public:
    explicit ScenarioFiles(QString installFolder);
    QString table(const QString &name) const;  // ini/<name>
    // The table ini/<name> as it is on disk now; see haz::TableCache.
    std::shared_ptr<const haz::clsDataFile> read(const QString &name) const;

    // The tables read so far and what the lookups worked out from them.
    struct Cache;
    Cache &cache() const { return *m_cache; }
    QString image(const QString &name) const;  // data/images/<name>
    QString html(const QString &name) const;   // data/html/<name>
    const QString &installFolder() const { return m_folder; }

private:
    QString m_folder;
    std::shared_ptr<Cache> m_cache;
};

struct clsScenario {
    qint16 ID = 0;
    QString Namn, Besk;
    qint16 StartTid = 0, PoangMin = 0, PoangMax = 0;
    QString Logo, Temp, Vind;

    // The first post of the scenario; `found` false (empty object) when there is none.
    static clsScenario getScenario(const ScenarioFiles &files, qint16 id, bool *found = nullptr);
};

struct clsFraga {
    qint16 RumID = 0, ScenarioID = 0;
    QString Fraga, FragaLedtext, Bild, Typ;
    qint16 eventAddtime = 0;
    bool StartFraga = false;
    qint16 Poang = 0;
    QString Status, Infolank;
    qint16 Fraga_Lines = 0, FragaLedtext_Lines = 0;

    // The room marked exactly "True" (the last such row wins); 0 when none is.
    static qint16 getStartUpFraga(const ScenarioFiles &files, qint16 scenarioId);
    // The room's question; the last row of the room wins. `found` false (empty
    // object) when the room has no row.
    static clsFraga getFraga(const ScenarioFiles &files, qint16 scenarioId, qint16 roomId,
                             bool *found = nullptr);
};

struct clsSvarsAlt {
    qint16 SvarsAltID = 0, RumID = 0, ScenarioID = 0;
    QString Namn;
    qint16 Order = 0;

    // In display order: Order 1, 2, ... up to the number of alternatives; one whose
    // Order lies outside that range is left out, equal Orders keep file order.
    static QList<clsSvarsAlt> getSvarsAlt(const ScenarioFiles &files, qint16 scenarioId, qint16 roomId);
};

struct clsFacit {
    qint16 RumID = 0, ScenarioID = 0;
    QString Svar, Action, DialogText;

    // The room's answer key, in file order.
    static QList<clsFacit> getFacits(const ScenarioFiles &files, qint16 scenarioId, qint16 roomId);
};

struct clsBild {
    qint16 RumID = 0, ScenarioID = 0;
    QString Namn;
    qint16 Order = 0;

    // Picture number `imgIndex` of the room (last row wins); empty Namn when none.
    static clsBild getImage(const ScenarioFiles &files, qint16 scenarioId, qint16 roomId, qint16 imgIndex);
    // 0 also when bilder.ini is missing or unreadable: a scenario may have no pictures.
    static qint16 getImageCount(const ScenarioFiles &files, qint16 scenarioId, qint16 roomId);
};

} // namespace scenario
