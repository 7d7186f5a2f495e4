#pragma once
// Every test runs in its own temporary installation folder and its own HOME, so no
// test touches a real documents folder or another test's files.

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace haztest {

class TestEnvironment {
public:
    TestEnvironment();
    ~TestEnvironment();

    QString installFolder() const { return m_install.path(); }
    QString homeFolder() const { return m_home.path(); }
    QString documentsFolder() const;

    // Writes `bytes` to `relativePath` inside the installation folder (folders made).
    QString writeInstallFile(const QString &relativePath, const QByteArray &bytes) const;

private:
    QTemporaryDir m_install;
    QTemporaryDir m_home;
    QByteArray m_oldHome;
};

QByteArray readFile(const QString &path);
void writeFile(const QString &path, const QByteArray &bytes);
// Text as UTF-16LE bytes with a byte-order mark (or without), or as Windows-1252.
QByteArray utf16(const QString &text, bool withMark = true);
QByteArray ansi(const QString &text);

} // namespace haztest
