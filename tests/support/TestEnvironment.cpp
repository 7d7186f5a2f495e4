#include "TestEnvironment.h"

#include "Platform.h"
#include "TextCodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cstdlib>

namespace haztest {

TestEnvironment::TestEnvironment() : m_oldHome(qgetenv("HOME"))
{
    qputenv("HOME", QFile::encodeName(m_home.path()));
    qunsetenv("XDG_DOCUMENTS_DIR");
    qunsetenv("XDG_CONFIG_HOME");
    haz::platform::setInstallationFolder(m_install.path());
}

TestEnvironment::~TestEnvironment()
{
    haz::platform::setInstallationFolder({});
    qputenv("HOME", m_oldHome);
}

QString TestEnvironment::documentsFolder() const
{
    return haz::platform::documentsFolder();
}

QString TestEnvironment::writeInstallFile(const QString &relativePath, const QByteArray &bytes) const
{
    const QString path = QDir(m_install.path()).filePath(relativePath);
    QDir().mkpath(QFileInfo(path).absolutePath());
    writeFile(path, bytes);
    return path;
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

QByteArray utf16(const QString &text, bool withMark)
{
    QByteArray out = withMark ? haz::codec::fileStart(haz::codec::Encoding::Utf16) : QByteArray();
    return out + haz::codec::encode(text, haz::codec::Encoding::Utf16);
}

QByteArray ansi(const QString &text)
{
    return haz::codec::encode(text, haz::codec::Encoding::Ansi);
}

} // namespace haztest
