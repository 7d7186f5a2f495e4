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
