#pragma once
// Which caption of the caption table goes on which control, as data. Each row names
// the window, the control (by object name) and the caption id; a tab adds its rows
// in its own group of the table. Applying the rows is applyCaptionRows.

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QObject;

namespace haz {
class clsDataFile;
class MessageService;
struct LastError;
} // namespace haz

namespace training {

enum class CaptionRule {
    Required, // a missing id is reported and blanks the caption
    Optional, // a missing id leaves the control's built-in text, without a message
    Family,   // as Required; then the `likes` copy its text and tooltip
    KeptText, // the control shows a kept text of the program (ProgramState::text)
};

struct CaptionRow {
    QString window;  // object name of the window: "frmMain", "frmPersData", ...
    QString control; // object name of the control; the window's own name for its title
    QString id;      // caption id in the table
    CaptionRule rule = CaptionRule::Required;
    QStringList likes; // Family: controls that take the same text and tooltip
};

// Every row, in the order they are applied.
const QList<CaptionRow> &captionRows();

// Ids the program looks up by name in its code rather than through a row: the
// progress file's name, the icon, the exam clock's words and the tactics tab's
// continue-or-restart dialog.
const QStringList &codeCaptionIds();

// Every id the program asks the caption table for and reports when missing: the
// rows (but not the optional ones), the tab captions, the kept texts and the ids of
// codeCaptionIds. An installation's caption table must hold each of them.
QStringList askedCaptionIds();

// The control a row names, or nullptr.
using ControlLookup = std::function<QObject *(const QString &window, const QString &control)>;

// Applies the rows. `keptText` gives the program's kept texts for KeptText rows.
void applyCaptionRows(const QList<CaptionRow> &rows, const haz::clsDataFile &captions,
                      const ControlLookup &find, const std::function<QString(const QString &)> &keptText,
                      haz::MessageService &messages, haz::LastError &lastError);

} // namespace training
