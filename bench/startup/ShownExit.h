#pragma once
// For the start-up benchmark: the process ends the moment its first window is shown
// on screen (exposed), so that the time from starting the process to its end is the
// time from exec to the window shown, with nothing of the program's end in it.

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QWindow>

#include <cstdlib>

class ShownExit : public QObject {
public:
    explicit ShownExit(bool armed = true) : m_armed(armed) { QCoreApplication::instance()->installEventFilter(this); }
    void arm() { m_armed = true; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (m_armed && event->type() == QEvent::Expose) {
            if (auto *window = qobject_cast<QWindow *>(watched); window && window->isExposed())
                std::_Exit(0);
        }
        return false;
    }

private:
    bool m_armed;
};
