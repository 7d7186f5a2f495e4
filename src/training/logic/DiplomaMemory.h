#pragma once
// What the diploma dialog remembers between runs of the program: the organisation
// last given for a diploma on this computer account. It is kept in a small settings
// file of its own, never in the learners' progress file.

#include <QString>

namespace training {

class DiplomaMemory {
public:
    // `file` empty: the course's settings file in the user's configuration folder.
    explicit DiplomaMemory(QString file = {});

    QString organisation() const;
    // False when the file could not be written (the diploma goes on regardless).
    bool rememberOrganisation(const QString &organisation);

    const QString &file() const { return m_file; }

private:
    QString m_file;
};

} // namespace training
