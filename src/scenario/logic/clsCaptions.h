#pragma once
// The scenario program's caption lookup: reads the caption table anew on every call
// and never shows a message; anything missing is an empty text.

#include <QHash>
#include <QString>
#include <QStringList>

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
};

} // namespace scenario
