#include "GuardedApplication.h"

#include "Platform.h"
#include "RuntimeError.h"

#include <exception>

namespace haz {

bool deliverGuarded(const std::function<bool()> &deliver, MessageService &messages, const QString &title)
{
    try {
        return deliver();
    } catch (const RuntimeError &e) {
        messages.show(e.messageText(), title, MessageIcon::Critical);
    } catch (const std::exception &e) {
        messages.show(QString::fromLocal8Bit(e.what()), title, MessageIcon::Critical);
    }
    return false;
}

GuardedApplication::GuardedApplication(int &argc, char **argv, MessageService &messages)
    : QApplication(argc, argv), m_messages(messages)
{
    platform::treatFileSizeLimitAsFullDisk();
}

bool GuardedApplication::notify(QObject *receiver, QEvent *event)
{
    return deliverGuarded([&] { return QApplication::notify(receiver, event); }, m_messages,
                          applicationName());
}

} // namespace haz
