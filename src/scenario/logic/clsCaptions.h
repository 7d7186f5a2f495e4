#pragma once
// The scenario program's caption lookup: the caption table is kept in memory and read
// again when its file changed on disk; never a message, anything missing is an empty
// text.

#include "TableCache.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <memory>

namespace scenario {

// The ids of the main window's controls and tooltips, set once when it is built.
const QStringList &windowCaptionIds();
// Every id the program asks for: start-up's, the window's and the run's (the clock's
// words, the messages and the exit questions). Missing ones give empty texts.
const QStringList &askedCaptionIds();

class clsCaptions {
public:
    // `installFolder` empty: the folder of the running program.
    explicit clsCaptions(QString installFolder = {});

    QString getObjText(const QString &id) const;
    // Several texts from one reading of the table, by identifier.
    QHash<QString, QString> getObjTexts(const QStringList &ids) const;

private:
    QString m_installFolder;
    std::shared_ptr<haz::TableCache> m_tables;
};

} // namespace scenario
