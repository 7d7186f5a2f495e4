#include "basCaptions.h"

#include "FailureNote.h"

#include "Captions.h"
#include "Conversions.h"
#include "MessageService.h"
#include "RuntimeError.h"
#include "clsDataFile.h"

#include <QMetaProperty>
#include <QObject>

namespace training::basMain {

// The property that shows a control's caption: our own controls may declare
// "caption"; buttons and labels have "text", group boxes "title", windows
// "windowTitle".
const char *captionProperty(const QObject *control)
{
    const QMetaObject *meta = control->metaObject();
    for (const char *name : {"caption", "text", "title", "windowTitle"}) {
        const int index = meta->indexOfProperty(name);
        if (index >= 0 && meta->property(index).isWritable())
            return name;
    }
    throw haz::RuntimeError(haz::ErrNoSuchMember);
}

void setCaptionText(QObject *control, const QString &text)
{
    control->setProperty(captionProperty(control), haz::conv::expandLineBreaks(text));
}

void setCaption(const haz::clsDataFile &captions, QObject *control, const QString &id,
                haz::MessageService &messages, haz::LastError &lastError)
{
    try {
        if (!control)
            throw haz::RuntimeError(haz::ErrObjectNotSet);
        const auto post = haz::findCaption(captions, id);
        if (!post) {
            messages.show(haz::captionNotFoundText(id));
            setCaptionText(control, QString());
            return;
        }
        setCaptionText(control, post->text);
        if (!post->tooltip.isEmpty()) {
            if (control->metaObject()->indexOfProperty("toolTip") < 0)
                throw haz::RuntimeError(haz::ErrNoSuchMember);
            control->setProperty("toolTip", haz::conv::expandLineBreaks(post->tooltip));
        }
    } catch (const haz::RuntimeError &e) {
        haz::noteFailure(lastError, e);
    }
}

QString captionText(const haz::clsDataFile &captions, const QString &id,
                    haz::MessageService &messages, haz::LastError &lastError)
{
    try {
        const auto post = haz::findCaption(captions, id);
        if (!post) {
            messages.show(haz::captionNotFoundText(id));
            return {};
        }
        return haz::conv::expandLineBreaks(post->text);
    } catch (const haz::RuntimeError &e) {
        haz::noteFailure(lastError, e);
        return {};
    }
}

} // namespace training::basMain
