#include "DiplomaMemory.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace training {

namespace {
const QString OrganisationKey = QStringLiteral("diploma/organisation");
} // namespace

DiplomaMemory::DiplomaMemory(QString file) : m_file(std::move(file))
{
    // Looked up when made, so that a test's own HOME is the one used.
    if (m_file.isEmpty())
        m_file = QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
                     .filePath(QStringLiteral("HazCourse/diploma.ini"));
}

QString DiplomaMemory::organisation() const
{
    return QSettings(m_file, QSettings::IniFormat).value(OrganisationKey).toString();
}

bool DiplomaMemory::rememberOrganisation(const QString &organisation)
{
    QSettings settings(m_file, QSettings::IniFormat);
    settings.setValue(OrganisationKey, organisation);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

} // namespace training
