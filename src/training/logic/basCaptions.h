#pragma once
// Putting the caption table's texts on the windows of the course program.

#include <QString>

class QObject;

namespace haz {
class clsDataFile;
class MessageService;
struct LastError;
class RuntimeError;
} // namespace haz

namespace training::basMain {

// The one rule for which property shows a control's caption: "caption" (our own
// controls may declare it), "text", "title" or "windowTitle", the first writable one.
// A control with none is RuntimeError 438.
const char *captionProperty(const QObject *control);
// Sets that property; "\n" in the text becomes a line break.
void setCaptionText(QObject *control, const QString &text);

// Sets the control's caption (its "caption", "text" or "title" property, or the
// window title) and, when the table has one, its tooltip. A missing identifier is
// reported and blanks the caption; any other failure is only recorded.
void setCaption(const haz::clsDataFile &captions, QObject *control, const QString &id,
                haz::MessageService &messages, haz::LastError &lastError);

// The caption text of `id`; "" (reported) when the table lacks it.
QString captionText(const haz::clsDataFile &captions, const QString &id,
                    haz::MessageService &messages, haz::LastError &lastError);

} // namespace training::basMain
