#pragma once
// The scenario program's caption lookup: reads the caption table anew on every call
// and never shows a message; anything missing is an empty text.

#include <QString>

namespace scenario {

class clsCaptions {
public:
    // `installFolder` empty: the folder of the running program.
    explicit clsCaptions(QString installFolder = {});

    QString getObjText(const QString &id) const;

private:
    QString m_installFolder;
};

} // namespace scenario
