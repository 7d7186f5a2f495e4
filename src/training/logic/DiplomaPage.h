#pragma once
// The filled course diploma: the installation's page template "diplom.htm" with its
// placeholders replaced, written to the documents folder for the page view and the
// printer, and removed again when the diploma window goes.

#include "DiplomaPlaceholders.h"

#include <QByteArray>
#include <QString>

namespace training {

// "~hazCourseDipl.htm" in the documents folder.
QString diplomaPagePath(const QString &documentsFolder);
// "diplom.htm" in the installation's html folder.
QString diplomaTemplatePath(const QString &htmlDir);

enum class DiplomaOutcome {
    Written,    // the page is at the output path
    NoTemplate, // the installation has no template: nothing was written
    NotWritten, // the template could not be read or the page not written
};

// Reads the template in the 8-bit code page, replaces its placeholders and writes
// the page in the same code page as a new file that takes the place of whatever
// stands at the output path (an earlier page, or a link: never written through) in
// one step. `written` receives the bytes written, for removeDiplomaPage.
DiplomaOutcome writeDiplomaPage(const QString &templatePath, const QString &outputPath,
                                const PlaceholderValues &values, QByteArray *written = nullptr);

// Deletes the page this program wrote (`written`); anything else standing at the
// path is left alone. True when no page of ours is left behind.
bool removeDiplomaPage(const QString &outputPath, const QByteArray &written);

} // namespace training
