#pragma once
// The message service of the running programs: a modal QMessageBox.

#include "MessageService.h"

class QWidget;

namespace haz {

class QtMessageService : public MessageService {
public:
    using MessageService::show;
    MessageAnswer show(const Message &message) override;

    // Message boxes are centred over this window when it is set.
    void setParentWindow(QWidget *parent) { m_parent = parent; }

private:
    QWidget *m_parent = nullptr;
};

} // namespace haz
