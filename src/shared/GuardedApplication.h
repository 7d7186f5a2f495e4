#pragma once
// The programs' QApplication: a failure that escapes an event handler is shown to
// the user as a message instead of ending the program, and a write past the
// file-size limit fails (and is told) like one on a full disk.

#include "MessageService.h"

#include <QApplication>

#include <functional>

namespace haz {

// Runs `deliver`; a RuntimeError or other exception it throws is shown through
// `messages` (titled `title`, critical icon) and counts as an unhandled event.
bool deliverGuarded(const std::function<bool()> &deliver, MessageService &messages, const QString &title);

class GuardedApplication : public QApplication {
public:
    GuardedApplication(int &argc, char **argv, MessageService &messages);
    bool notify(QObject *receiver, QEvent *event) override;

private:
    MessageService &m_messages;
};

} // namespace haz
