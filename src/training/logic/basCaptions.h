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

// Sets the control's caption (its "caption", "text" or "title" property, or the
// window title) and, when the table has one, its tooltip. A missing identifier is
// reported and blanks the caption; any other failure is only recorded.
void setCaption(const haz::clsDataFile &captions, QObject *control, const QString &id,
                haz::MessageService &messages, haz::LastError &lastError);

// The caption text of `id`; "" (reported) when the table lacks it.
QString captionText(const haz::clsDataFile &captions, const QString &id,
                    haz::MessageService &messages, haz::LastError &lastError);

} // namespace training::basMain
