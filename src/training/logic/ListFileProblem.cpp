#include "ListFileProblem.h"

#include "Platform.h"
#include "RuntimeError.h"
#include "clsDataFile.h"

namespace training {

QString listFileProblem(const haz::clsDataFile &file, bool read, const QString &path, const QString &keyField)
{
    if (!haz::platform::fileExists(path))
        return {};
    if (!read) {
        if (file.lastErrorNumber() != 0) {
            const QString reason = file.lastErrorText().isEmpty() ? haz::standardDescription(file.lastErrorNumber())
                                                                  : file.lastErrorText();
            return QStringLiteral("it could not be read (%1)").arg(reason);
        }
        return QStringLiteral("it is not a table file: it must begin with a [name] line and FieldName= lines, "
                              "saved as UTF-16 text");
    }
    if (!file.fieldNames().contains(keyField, Qt::CaseInsensitive))
        return QStringLiteral("it has no %1 field").arg(keyField);
    return {};
}

} // namespace training
