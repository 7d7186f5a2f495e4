#include "InfoWindowPlace.h"

#include "InfoPlacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QWidget>

namespace haz {

QRect visibleScreenRect(const QWidget *widget)
{
    if (!widget || !widget->isVisible())
        return {};
    QRect shown(widget->mapToGlobal(QPoint(0, 0)), widget->size());
    for (const QWidget *outer = widget->parentWidget(); outer && !widget->isWindow(); outer = outer->parentWidget()) {
        shown &= QRect(outer->mapToGlobal(QPoint(0, 0)), outer->size());
        if (outer->isWindow())
            break;
    }
    return shown;
}

InfoWindowPlace::InfoWindowPlace(QObject *parent) : QObject(parent) {}

void InfoWindowPlace::watch(QWidget *window)
{
    if (m_window == window)
        return;
    if (m_window)
        m_window->removeEventFilter(this);
    m_window = window;
    if (m_window)
        m_window->installEventFilter(this);
}

void InfoWindowPlace::byProgram(const std::function<void()> &change)
{
    const bool outer = !m_changing;
    m_changing = true;
    change();
    if (outer) {
        m_changing = false;
        if (m_window) {
            m_lastFrame = m_window->frameGeometry();
            m_lastSize = m_window->size();
        }
    }
}

void InfoWindowPlace::setFrame(QRect frame)
{
    QWidget *w = m_window;
    const QSize frameExtra = w->frameGeometry().size() - w->size();
    w->resize(frame.size() - frameExtra);
    w->move(frame.topLeft());
}

void InfoWindowPlace::place(const QWidget &mainWindow, const QList<const QWidget *> &keepInView,
                            const QList<const QWidget *> &rather)
{
    if (!m_window)
        return;
    const QScreen *screen = mainWindow.isVisible() ? mainWindow.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    byProgram([&] {
        if (m_learnerFrame) {
            setFrame(keptInside(*m_learnerFrame, area));
            return;
        }
        QList<QRect> keep;
        for (const QWidget *w : keepInView)
            if (const QRect r = visibleScreenRect(w); !r.isEmpty())
                keep << r;
        QList<QRect> more = keep;
        for (const QWidget *w : rather)
            if (const QRect r = visibleScreenRect(w); !r.isEmpty())
                more << r;
        const QSize wanted = m_window->frameGeometry().size();
        InfoPlace chosen = placeInfoWindow(mainWindow.frameGeometry(), more, wanted, area);
        if (!chosen.coversNothing && more.size() > keep.size())
            chosen = placeInfoWindow(mainWindow.frameGeometry(), keep, wanted, area);
        setFrame(chosen.frame);
    });
}

bool InfoWindowPlace::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_window)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
            m_window->close();
            return true;
        }
        break;
    case QEvent::Move:
    case QEvent::Resize:
        // A change the program did not make, to a place or size other than the
        // program's, is the learner's. (The frame a window manager adds once the window
        // is shown changes neither the frame's corner nor the inner size.)
        if (!m_changing && m_window->isVisible()
            && (m_window->frameGeometry().topLeft() != m_lastFrame.topLeft() || m_window->size() != m_lastSize))
            m_learnerFrame = m_window->frameGeometry();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace haz
