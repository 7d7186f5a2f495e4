// A Qt plugin that drives an installed, unchanged program through its windows, the
// way the widget tests do in process: controls are found by object name and clicked
// with QTest. Qt loads it into every program started with
//   QT_PLUGIN_PATH=<folder holding generic/> QT_QPA_GENERIC_PLUGINS=hazdriver
// and it plays the steps of the program's section in the file named by HAZ_DRIVE:
//
//   [Training]                      steps for the program of that name
//   set userCmb Smoke Learner       text into a line edit or an editable combo box
//   click userChooseOk              a button (or a check box, a radio button)
//   click optSvar(1)|chkSvar(1)     the first of these names that is shown
//   tab tabMain 6                   a tab by index, clicked on its tab bar
//   select takQuizLst 0             a row of a list, tree or combo box, clicked
//   reply Yes                       a button of the message box on screen
//   shot frmMain picture.png        a picture of the window holding the control
//   wait frmPersData                until the control is shown
//   pause 500                       milliseconds, for pictures to settle
//   close frmMain                   the window holding the control
//
// A step waits until its control is shown and enabled. One that cannot be done within
// HAZ_DRIVE_TIMEOUT seconds (default 30) ends the program with exit code 90, so that a
// broken flow fails its test instead of hanging it.

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QFile>
#include <QGenericPlugin>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

QStringList stepsFor(const QString &program)
{
    QFile file(qEnvironmentVariable("HAZ_DRIVE"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QStringList steps;
    bool mine = false;
    for (const QString &raw : QString::fromUtf8(file.readAll()).split(u'\n')) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']'))
            mine = line.mid(1, line.size() - 2) == program;
        else if (mine)
            steps << line;
    }
    return steps;
}

QWidget *shownWidget(const QString &name)
{
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (!top->isVisible())
            continue;
        if (top->objectName() == name)
            return top;
        for (QWidget *child : top->findChildren<QWidget *>(name))
            if (child->isVisible())
                return child;
    }
    return nullptr;
}

class Driver : public QObject {
public:
    explicit Driver(QStringList steps) : m_steps(std::move(steps))
    {
        bool ok = false;
        const int seconds = qEnvironmentVariableIntValue("HAZ_DRIVE_TIMEOUT", &ok);
        m_stepTime = (ok && seconds > 0 ? seconds : 30) * 1000;
        m_timer.setInterval(50);
        connect(&m_timer, &QTimer::timeout, this, &Driver::tick);
        if (!m_steps.isEmpty())
            m_timer.start();
        m_deadline = QDeadlineTimer(m_stepTime);
    }

private:
    void tick()
    {
        if (m_next >= m_steps.size())
            return;
        const QString step = m_steps.at(m_next);
        std::function<void()> action = prepare(step);
        if (!action) {
            if (m_deadline.hasExpired()) {
                std::fprintf(stderr, "hazdriver: %s: step timed out: %s\n",
                             qPrintable(QCoreApplication::applicationName()), qPrintable(step));
                std::fflush(stderr);
                std::_Exit(90);
            }
            return;
        }
        // The step counts as done before it acts, and acts from the event queue rather
        // than inside this tick: an action that opens a modal window returns only when
        // that window closes, and the window's own loop must run the next steps through
        // this timer meanwhile (a timer does not fire again inside its own tick).
        ++m_next;
        m_deadline = QDeadlineTimer(m_stepTime);
        if (m_next >= m_steps.size())
            m_timer.stop();
        std::fprintf(stderr, "hazdriver: %s: %s\n", qPrintable(QCoreApplication::applicationName()), qPrintable(step));
        QMetaObject::invokeMethod(this, std::move(action), Qt::QueuedConnection);
    }

    // The action of a step once it can be done; empty while its control is not there yet.
    std::function<void()> prepare(const QString &step)
    {
        const QString verb = step.section(u' ', 0, 0);
        const QString name = step.section(u' ', 1, 1);
        const QString rest = step.section(u' ', 2);
        if (verb == QLatin1String("pause")) {
            if (!m_pauseStarted) {
                m_pauseStarted = true;
                m_pause = QDeadlineTimer(name.toInt());
            }
            if (!m_pause.hasExpired())
                return {};
            m_pauseStarted = false;
            return [] {};
        }
        if (verb == QLatin1String("reply")) {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return {};
            for (QAbstractButton *button : box->buttons())
                if (button->text().remove(u'&') == name || box->standardButton(button) == standardButton(name))
                    return [button] { button->click(); };
            return {};
        }
        QWidget *widget = nullptr;
        for (const QString &candidate : name.split(u'|'))
            if ((widget = shownWidget(candidate)))
                break;
        if (!widget || !widget->isEnabled())
            return {};
        // A modal window on screen takes every click meant for the windows under it.
        if (QWidget *modal = QApplication::activeModalWidget(); modal && modal != widget->window())
            return {};
        if (verb == QLatin1String("wait"))
            return [] {};
        if (verb == QLatin1String("click")) {
            auto *button = qobject_cast<QAbstractButton *>(widget);
            if (!button)
                return {};
            // A check box or radio button answers only on its box and text, not on
            // the whole width it is given; its own click is the same click.
            if (qobject_cast<QPushButton *>(button))
                return [button] { QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center()); };
            return [button] { button->click(); };
        }
        if (verb == QLatin1String("set")) {
            if (auto *combo = qobject_cast<QComboBox *>(widget); combo && combo->isEditable())
                return [combo, rest] { combo->setEditText(rest); };
            if (auto *edit = qobject_cast<QLineEdit *>(widget))
                return [edit, rest] { edit->setText(rest); };
            return {};
        }
        if (verb == QLatin1String("tab")) {
            auto *tabs = qobject_cast<QTabWidget *>(widget);
            if (!tabs)
                return {};
            QTabBar *bar = tabs->tabBar();
            return [bar, index = rest.toInt()] {
                QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
            };
        }
        if (verb == QLatin1String("select"))
            return selectRow(widget, rest.toInt());
        if (verb == QLatin1String("shot")) {
            return [widget, rest] {
                if (!widget->window()->grab().save(rest, "PNG"))
                    std::fprintf(stderr, "hazdriver: cannot write %s\n", qPrintable(rest));
            };
        }
        if (verb == QLatin1String("close"))
            return [widget] { widget->window()->close(); };
        std::fprintf(stderr, "hazdriver: unknown step: %s\n", qPrintable(step));
        std::_Exit(91);
    }

    static QMessageBox::StandardButton standardButton(const QString &name)
    {
        if (name == QLatin1String("Yes"))
            return QMessageBox::Yes;
        if (name == QLatin1String("No"))
            return QMessageBox::No;
        if (name == QLatin1String("OK"))
            return QMessageBox::Ok;
        if (name == QLatin1String("Cancel"))
            return QMessageBox::Cancel;
        return QMessageBox::NoButton;
    }

    static std::function<void()> selectRow(QWidget *widget, int row)
    {
        if (auto *combo = qobject_cast<QComboBox *>(widget)) {
            if (row >= combo->count())
                return {};
            return [combo, row] { combo->setCurrentIndex(row); };
        }
        auto *view = qobject_cast<QAbstractItemView *>(widget);
        if (!view || !view->model() || row >= view->model()->rowCount())
            return {};
        return [view, row] {
            const QModelIndex index = view->model()->index(row, 0);
            view->scrollTo(index);
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
        };
    }

    QStringList m_steps;
    qsizetype m_next = 0;
    bool m_pauseStarted = false;
    int m_stepTime = 30000;
    QDeadlineTimer m_deadline;
    QDeadlineTimer m_pause;
    QTimer m_timer;
};

class DriverPlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "hazdriver.json")
public:
    QObject *create(const QString &key, const QString &) override
    {
        if (key.compare(QLatin1String("hazdriver"), Qt::CaseInsensitive) != 0)
            return nullptr;
        // The program names itself from its file; it is known once the loop runs.
        auto *holder = new QObject;
        QTimer::singleShot(0, holder, [holder] {
            (new Driver(stepsFor(QCoreApplication::applicationName())))->setParent(holder);
        });
        return holder;
    }
};

} // namespace

#include "HazDriverPlugin.moc"
