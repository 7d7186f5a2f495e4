#pragma once
// The readable sources of the sample course, for tests that need its real tables.

#include <QDir>
#include <QFile>
#include <QString>

#include <gtest/gtest.h>

namespace trainingtest {

// The readable sources of the sample course.
inline QString courseSource(const QString &relative)
{
    return QDir(QStringLiteral(HAZ_COURSE_SOURCE_DIR)).filePath(relative);
}

inline QString sourceText(const QString &relative)
{
    QFile file(courseSource(relative));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << relative.toStdString();
    QString text = QString::fromUtf8(file.readAll());
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text.replace(u'\n', QLatin1String("\r\n"));
}

} // namespace trainingtest
