#include "FactList.h"

#include "Conversions.h"
#include "ListFileProblem.h"
#include "RuntimeError.h"
#include "clsDataFile.h"

namespace training {

QString fixedFactTitle(const QString &text)
{
    return haz::conv::trimBlanks(text).left(FactTitleLength).toString().leftJustified(FactTitleLength, u' ');
}

bool readFactList(QList<FactEntry> &list, qint32 &count, const QString &path, haz::LastError &lastError,
                  QString *problem)
{
    haz::clsDataFile file;
    const bool read = file.readData(path);
    if (problem)
        *problem = listFileProblem(file, read, path, QStringLiteral("FaktText"));
    if (!read)
        return false;
    try {
        const qint32 posts = file.numOfPostsRead();
        // An empty list cannot be sized; the tab keeps an empty list.
        if (posts == 0)
            throw haz::RuntimeError(haz::ErrSubscript);
        count = posts;
        list = QList<FactEntry>(posts);
        for (qint32 i = 0; i < posts; ++i) {
            list[i].title = fixedFactTitle(file.getPostPosField(i, QStringLiteral("FaktText")));
            list[i].page = file.getPostPosField(i, QStringLiteral("Bookmark"));
        }
    } catch (const haz::RuntimeError &e) {
        lastError.record(e);
        return false;
    }
    return true;
}

} // namespace training
