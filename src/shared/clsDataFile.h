#pragma once
// One table file: a table name, an ordered list of field names and posts holding one
// line of text per field. Every data file of both programs is read and written
// through this class. An object is short-lived: set the encoding, read or write, drop.
//
// Post table layout, as callers index it: column 1 holds a post's running index,
// columns 2 .. n+1 the values of fields 1 .. n, column n+2 the post's closing line;
// column 0 is never filled. There are always at least the two slots 0 and 1.

#include "TextCodec.h"

#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace haz {

class TableLines;

namespace detail {
// The decoded file and where each post's values lie in it; shared by search results
// so that they never copy the table. A post's values are consecutive lines, so one
// start per post is enough: the table holds little more than the text itself.
struct PostTable {
    struct Row {
        qint32 start = 0;   // where the line of the post's first value begins
        qint32 present = 0; // value lines the file holds (fewer when it ends inside the post)
    };
    QString text;
    int columns = 0;      // n + 3
    int filledSlots = 0;  // slots that a post filled
    int lastSlot = 1;     // at least 1
    std::vector<Row> rows; // one per filled slot

    QString cell(int column, int slot) const;
    QStringView cellView(int column, int slot) const;
};
} // namespace detail

// The result of findPosts, read as result(column, match). Matches count from 1;
// column 0 and match 0 are empty. For a field the table does not have, the result
// is one-dimensional: positions 0 .. 1, position 1 holding "-1".
class FindResult {
public:
    bool isOneDimensional() const { return m_unknownField; }
    // Two-dimensional access; RuntimeError 9 outside the bounds or on a 1-D result.
    QString at(int column, int match) const;
    QString operator()(int column, int match) const { return at(column, match); }
    // One-dimensional access; RuntimeError 9 on a 2-D result or outside 0 .. 1.
    QString at(int position) const;
    int matchCount() const { return int(m_slots.size()); }
    int lastColumn() const;
    // The usual test: result(1, 1) is not -1 and result(2, 1) is not empty.
    bool hasMatch() const;

private:
    friend class clsDataFile;
    std::shared_ptr<const detail::PostTable> m_table;
    std::vector<int> m_slots;
    bool m_unknownField = false;
};

class clsDataFile {
public:
    clsDataFile();
    ~clsDataFile();
    clsDataFile(const clsDataFile &) = delete;
    clsDataFile &operator=(const clsDataFile &) = delete;

    void setNonUniCodeMode(bool on) { m_nonUniCodeMode = on; }
    bool nonUniCodeMode() const { return m_nonUniCodeMode; }

    // --- reading ---
    bool readData(const QString &path);
    qint32 numFieldsRead() const { return m_numFields; }
    qint32 numOfPostsRead() const { return m_numPosts; }
    bool readOk() const { return m_readOk; }
    const QString &tableName() const { return m_tableName; }
    const QStringList &fieldNames() const { return m_fieldNames; }

    // "" for an unknown field or a slot past the last one; RuntimeError 9 for a
    // negative slot or when nothing was ever read.
    QString getPostPosField(qint32 slot, const QString &field) const;
    FindResult findPosts(const QString &field, const QString &value) const;
    // The post table as data[column][slot].
    QList<QStringList> allReadData() const;
    // The 1-based line of the file that holds the first value of the post in `slot`
    // (its post header is the line before); 0 for a slot no post filled. Field k's
    // value is on line postLine(slot) + k - 1. For messages that point into the file.
    qint32 postLine(qint32 slot) const;

    // --- writing ---
    bool createFileNHead(const QString &name, const QString &folder, const QString &table,
                         const QStringList &fields);
    bool savePost(const QStringList &values);
    bool exitFileWrite();
    // Platform failures (for example a file that cannot be opened) are RuntimeErrors.
    bool addPost(const QString &path, const QStringList &values);
    bool UpdateFieldPost(const QString &path, const QString &field, qint32 postNr,
                         const QString &value);

    // Several fields of one post in one rewrite of the file. The file and each result
    // are those that UpdateFieldPost would give for the fields one after the other.
    struct FieldValue {
        QString field;
        QString value;
    };
    QList<bool> UpdateFieldsPost(const QString &path, qint32 postNr, const QList<FieldValue> &fields);

    // findPosts(keyField, key) and UpdateFieldsPost on the first match's slot, in one
    // reading of the file: `change` gets the post as read and returns the fields to
    // write (none: nothing is written). Nothing, and nothing written, when the file
    // cannot be read or holds no such post; a write that fails is a RuntimeError,
    // as with UpdateFieldsPost.
    struct FoundPost {
        qint32 slot = 0;
        QStringList values; // fields 1 .. n as read
    };
    using PostChange = std::function<QList<FieldValue>(const FoundPost &post)>;
    std::optional<QList<bool>> UpdateFieldsOfPost(const QString &path, const QString &keyField,
                                                  const QString &key, const PostChange &change);

    const QString &lastErrorText() const { return m_lastErrorText; }
    qint32 lastErrorNumber() const { return m_lastErrorNumber; }

    // How many times this process has read the file at `path` through the store.
    static quint64 readsOf(const QString &path);

    // The name of the temporary file UpdateFieldPost writes beside `path`.
    static QString temporaryFileFor(const QString &path);

private:
    struct ChangeSource;
    bool readHeaderForChange(const QString &path, ChangeSource &source);
    codec::Encoding encoding() const;
    void noteError(const QString &text, qint32 number);
    bool readTableName(TableLines &lines);
    bool readFieldNames(TableLines &lines);
    bool readPosts(TableLines &lines, const QString &text);
    int fieldColumn(const QString &name) const;
    bool refuseLineBreaks(const QStringList &values, qsizetype count);
    bool acceptsPost(const QStringList &values);
    void writeLines(const QStringList &lines);
    QStringList postLines(const QStringList &values) const;
    void dropPostTable();
    bool seekPost(TableLines &lines, qint32 postNr) const;
    QList<bool> rewriteFields(const ChangeSource &source, TableLines lines, const QString &path, qint32 postNr,
                              const QList<FieldValue> &fields);
    void replaceWith(const ChangeSource &source, const QString &path, const QList<QByteArrayView> &pieces);
    void appendWhole(const QString &path, qint64 oldSize, const QByteArray &post);

    bool m_nonUniCodeMode = false;
    QString m_tableName;
    QStringList m_fieldNames;
    qint32 m_numFields = 0;
    std::shared_ptr<const detail::PostTable> m_data;
    qint32 m_numPosts = 0;
    bool m_readOk = false;
    QString m_lastErrorText;
    qint32 m_lastErrorNumber = 0;

    qint32 m_writeFieldCount = 0;
    qint32 m_postCounter = 0;
    std::unique_ptr<QFile> m_writeStream;
};

} // namespace haz
