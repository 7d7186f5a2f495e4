// Updates one field of, or appends one post to, any bytes read as a table file. The
// file must afterwards be unchanged (when the call fails) or changed in exactly that
// one value or by exactly that one post.
#include "FuzzSupport.h"

#include "RuntimeError.h"
#include "TextCodec.h"
#include "clsDataFile.h"

#include <QRegularExpression>

namespace {

using haz::codec::Encoding;

// Lines as the reader sees them: split at LF, one CR before it dropped, the last line
// only when something follows the last line end.
QStringList linesOf(const QString &text)
{
    QStringList lines = text.split(u'\n');
    if (lines.last().isEmpty())
        lines.removeLast();
    for (QString &line : lines)
        if (line.endsWith(u'\r'))
            line.chop(1);
    return lines;
}

QString roundTrip(const QString &value, Encoding encoding)
{
    return haz::codec::decode(haz::codec::encode(value, encoding), encoding);
}

bool oddUtf16(const QByteArray &bytes, Encoding encoding)
{
    const qsizetype mark = bytes.startsWith("\xFF\xFE") ? 2 : 0;
    return encoding == Encoding::Utf16 && (bytes.size() - mark) % 2 != 0;
}

void checkUpdated(const QByteArray &before, const QByteArray &after, const QString &value, Encoding encoding)
{
    const QStringList a = linesOf(haz::codec::decode(before, encoding));
    const QStringList b = linesOf(haz::codec::decode(after, encoding));
    const QString written = roundTrip(value, encoding);
    if (a.size() == b.size()) {
        int differing = 0;
        for (qsizetype i = 0; i < a.size(); ++i) {
            if (a[i] != b[i]) {
                ++differing;
                FUZZ_CHECK(b[i] == written);
            }
        }
        FUZZ_CHECK(differing <= 1);
        return;
    }
    // A value missing at the end of a cut file is added as a new last line.
    FUZZ_CHECK(b.size() == a.size() + 1);
    FUZZ_CHECK(b.last() == written);
    for (qsizetype i = 0; i < a.size(); ++i) {
        // A cut UTF-16 character at the end becomes a whole one.
        if (i == a.size() - 1 && oddUtf16(before, encoding))
            FUZZ_CHECK(a[i].chopped(1) == b[i].chopped(1));
        else
            FUZZ_CHECK(a[i] == b[i]);
    }
}

void checkAppended(const QByteArray &before, const QByteArray &after, const QStringList &values,
                   int fieldCount, Encoding encoding)
{
    FUZZ_CHECK(after.startsWith(before));
    QByteArray added = after.sliced(before.size());
    if (oddUtf16(before, encoding)) {
        FUZZ_CHECK(added.startsWith('\0'));
        added.remove(0, 1);
    }
    const QStringList lines = haz::codec::decode(added, encoding).split(QStringLiteral("\r\n"));
    FUZZ_CHECK(lines.size() == fieldCount + 5); // two blanks, header, values, closing line, ""
    FUZZ_CHECK(lines[0].isEmpty() && lines[1].isEmpty() && lines.last().isEmpty());
    static const QRegularExpression header(QStringLiteral("^\\[(\\d+)\\]$"));
    const auto m = header.match(lines[2]);
    FUZZ_CHECK(m.hasMatch() && m.captured(1).toInt() <= 32767);
    for (int i = 0; i < fieldCount; ++i)
        FUZZ_CHECK(lines[3 + i] == roundTrip(values[i], encoding));
    FUZZ_CHECK(lines[3 + fieldCount].isEmpty());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::Input input(data, size);
    const uint8_t flags = input.byte();
    const Encoding encoding = flags & 1 ? Encoding::Ansi : Encoding::Utf16;
    const bool append = flags & 2;
    const int fieldIndex = input.byte() % 8;
    const qint32 postNr = qint8(input.byte());
    const QString value = QString::fromUtf8(input.take(input.byte() % 24));
    const QByteArray before = input.rest();
    const QString path = fuzz::writeInput(QStringLiteral("write.ini"), before);

    haz::clsDataFile f;
    f.setNonUniCodeMode(encoding == Encoding::Ansi);
    bool ok = false;
    QStringList values;
    try {
        if (append) {
            for (int i = 0; i < 8; ++i)
                values << value + QString::number(i);
            ok = f.addPost(path, values);
        } else {
            haz::clsDataFile header;
            header.setNonUniCodeMode(encoding == Encoding::Ansi);
            const QString field = header.readData(path) && fieldIndex < header.numFieldsRead()
                ? header.fieldNames()[fieldIndex]
                : QStringLiteral("F%1").arg(fieldIndex);
            ok = f.UpdateFieldPost(path, field, postNr, value);
        }
    } catch (const haz::RuntimeError &) {
        ok = false;
    }
    const QByteArray after = fuzz::readBack(path);
    FUZZ_CHECK(!QFile::exists(haz::clsDataFile::temporaryFileFor(path)));
    if (!ok)
        FUZZ_CHECK(after == before);
    else if (append)
        checkAppended(before, after, values, f.numFieldsRead(), encoding);
    else
        checkUpdated(before, after, value, encoding);
    return 0;
}
