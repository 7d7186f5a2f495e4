#include "MessageService.h"

#include <QStringList>

namespace haz {

MessageAnswer ScriptedMessages::show(const Message &message)
{
    m_shown.append(message);
    if (!m_answers.isEmpty())
        return m_answers.takeFirst();
    switch (message.buttons) {
    case MessageButtons::Ok:
    case MessageButtons::OkCancel: return MessageAnswer::Ok;
    case MessageButtons::YesNo: return MessageAnswer::Yes;
    }
    return MessageAnswer::Ok;
}

QStringList ScriptedMessages::texts() const
{
    QStringList out;
    for (const Message &m : m_shown)
        out << m.text;
    return out;
}

} // namespace haz
