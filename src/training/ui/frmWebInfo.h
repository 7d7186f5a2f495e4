#pragma once
// The info window: a small top-most window without an owner that shows a
// question's info page in its browser "webWindow", and the main window's side of
// it (frmWebInfoHost): loading on first use, the size wish, hiding, and matching
// the window to the selected tab (UpdateWebInfoBox).

#include "InfoWindowPlace.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <optional>

namespace haz {
class MessageService;
struct LastError;
class PageView;
} // namespace haz

namespace training {

struct QuizQuestion;

class frmWebInfo : public QWidget {
    Q_OBJECT
public:
    // No parent: the window has no owner and stays on top of every normal window.
    frmWebInfo();

    haz::PageView *webWindow() const { return m_web; }
    // Window size in twips (outer size, as the size wish and resize rule count it).
    QSize sizeTwips() const;
    // Sizes the window's outer size to `twips`.
    void setSizeTwips(QSize twips);
    bool isNormalState() const;
    // Puts the window above normal windows again (after another program ran).
    void makeTopmost();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void applySize(QSize twips);
    void fitBrowser();
    // Moves the window in, and shrinks it if it must, so that all of it is on screen.
    void keepOnScreen();

    haz::PageView *m_web = nullptr;
    // A size set before the window was first shown, when its frame was not yet known.
    std::optional<QSize> m_sizeBeforeShown;
    bool m_everShown = false;
};

// A quiz view whose info-link button UpdateWebInfoBox runs for its tab.
class InfoLinkSource {
public:
    virtual ~InfoLinkSource() = default;
    // The tab shows a question (subject tabs: in the quiz view) with an info link.
    virtual bool infoLinkReady() const = 0;
    virtual void runInfoLinkClick() = 0;
};

class frmWebInfoHost : public QObject {
    Q_OBJECT
public:
    // A failure while matching the window to a tab is noted in `failures`.
    explicit frmWebInfoHost(haz::LastError &failures, QObject *parent = nullptr);
    ~frmWebInfoHost() override; // unloads the window

    // The program's icon name ("ICON_01" ...), asked for whenever the window loads.
    void setIconName(std::function<QString()> iconName) { m_iconName = std::move(iconName); }

    // The window, loaded now if it is not (first use, or closed by the learner).
    frmWebInfo *window();
    // The window if it is loaded; nullptr otherwise.
    frmWebInfo *loadedWindow() const { return m_window; }
    bool isShown() const;

    // bInfoWinShow: filling a question with an info link also opens the window.
    bool infoWinShow() const { return m_infoWinShow; }
    void setInfoWinShow(bool show) { m_infoWinShow = show; }

    // hideWebInfoBox: hide the window if it is visible (it stays loaded).
    void hideWebInfoBox();
    // Shows the window without waiting and without taking the focus, placed so that
    // the widgets of `keepInView` (on the main window) stay in view.
    void showWithoutWaiting(const QList<const QWidget *> &keepInView = {});
    // The question's size wish, applied only while the window is in its normal state.
    void applySizeWish(const QuizQuestion &question);

    // UpdateWebInfoBox: opens the window for the current question of the selected
    // tab through that tab's source, or hides it. Sets bInfoWinShow.
    void UpdateWebInfoBox(int selectedTab);
    void setInfoLinkSource(int tab, InfoLinkSource *source);
    void removeInfoLinkSource(InfoLinkSource *source);

private:
    haz::LastError &m_failures;
    QPointer<frmWebInfo> m_window;
    bool m_infoWinShow = false;
    QHash<int, InfoLinkSource *> m_sources;
    std::function<QString()> m_iconName;
    haz::InfoWindowPlace m_place;
};

// debugBtn click: shows the exam answer frame and two labels, then the left edges
// of the exam and exercise answer frames in two messages.
void debugBtnClick(QWidget *mainWindow, haz::MessageService &messages);

} // namespace training
