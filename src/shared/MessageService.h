#pragma once
// Every message box of both programs goes through a MessageService. The windows use
// the one that shows real dialogs; tests install ScriptedMessages, which records each
// message and answers from a queue.

#include <QList>
#include <QString>

namespace haz {

enum class MessageIcon { None, Information, Question, Warning, Critical };
enum class MessageButtons { Ok, OkCancel, YesNo };
enum class MessageAnswer { Ok, Cancel, Yes, No };

struct Message {
    QString text;
    QString title;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
};

class MessageService {
public:
    virtual ~MessageService() = default;
    virtual MessageAnswer show(const Message &message) = 0;

    MessageAnswer show(const QString &text, const QString &title = {},
                       MessageIcon icon = MessageIcon::None,
                       MessageButtons buttons = MessageButtons::Ok)
    {
        return show(Message{text, title, icon, buttons});
    }
};

// Records messages; answers with the queued answers, then with the first button.
class ScriptedMessages : public MessageService {
public:
    using MessageService::show;
    MessageAnswer show(const Message &message) override;

    void queueAnswer(MessageAnswer answer) { m_answers.append(answer); }
    const QList<Message> &shown() const { return m_shown; }
    QStringList texts() const;
    void clear() { m_shown.clear(); }

private:
    QList<Message> m_shown;
    QList<MessageAnswer> m_answers;
};

} // namespace haz
