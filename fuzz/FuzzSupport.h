#pragma once
// Shared by the fuzz targets: a scratch folder for the files under test, input
// splitting and a stop that libFuzzer reports as a crash.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace fuzz {

// A folder in memory when there is one: updates flush to the disk on every call.
inline const QString &scratchFolder()
{
    static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm/hazfuzz-XXXXXX")
                                                                       : QDir::tempPath() + QStringLiteral("/hazfuzz-XXXXXX"));
    static const QString path = dir.path();
    return path;
}

inline QString writeInput(const QString &name, const QByteArray &bytes)
{
    const QString path = QDir(scratchFolder()).filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        std::abort();
    return path;
}

inline QByteArray readBack(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Reads the input front to back.
class Input {
public:
    Input(const uint8_t *data, size_t size) : m_bytes(reinterpret_cast<const char *>(data), qsizetype(size)) {}
    uint8_t byte() { return m_pos < m_bytes.size() ? uint8_t(m_bytes[m_pos++]) : 0; }
    QByteArray take(qsizetype n)
    {
        const QByteArray part = m_bytes.mid(m_pos, n);
        m_pos += part.size();
        return part;
    }
    QByteArray rest() { return take(m_bytes.size()); }

private:
    QByteArray m_bytes;
    qsizetype m_pos = 0;
};

#define FUZZ_CHECK(condition)                                                                    \
    do {                                                                                         \
        if (!(condition)) {                                                                      \
            std::fprintf(stderr, "check failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
            std::abort();                                                                        \
        }                                                                                        \
    } while (false)

} // namespace fuzz
