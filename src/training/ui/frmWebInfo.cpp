#include "frmWebInfo.h"

#include "FailureNote.h"

#include "InfoPlacement.h"
#include "InfoWindowRules.h"
#include "MediaTarget.h"
#include "MessageService.h"
#include "PageView.h"
#include "QuizList.h"
#include "basMainUi.h"

#include <QGuiApplication>
#include <QResizeEvent>
#include <QScreen>
#include <QTabBar>

#include <exception>

namespace training {

namespace {

QSize toPixels(QSize twips)
{
    return QSize(twips.width() / haz::TwipsPerPixel, twips.height() / haz::TwipsPerPixel);
}

QSize toTwips(QSize pixels)
{
    return pixels * haz::TwipsPerPixel;
}

} // namespace

frmWebInfo::frmWebInfo() : QWidget(nullptr)
{
    setObjectName(QStringLiteral("frmWebInfo"));
    basMain::setTopmost(this, true);
    // The learner keeps answering in the main window while the page is shown.
    setAttribute(Qt::WA_ShowWithoutActivating, true);
    setAttribute(Qt::WA_DeleteOnClose, true); // closing unloads; the next use loads again
    m_web = new haz::PageView(this);
    m_web->setObjectName(InfoBrowserName());
    m_web->move(0, 0);
    resize(480, 400);
    fitBrowser();
    // First shown at the right edge of the screen, where it covers least of the quiz.
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.right() - 480 - 40, area.top() + 80);
    }
}

QSize frmWebInfo::sizeTwips() const
{
    return toTwips(frameGeometry().size());
}

void frmWebInfo::setSizeTwips(QSize twips)
{
    if (!m_everShown)
        m_sizeBeforeShown = twips;
    applySize(twips);
}

void frmWebInfo::applySize(QSize twips)
{
    const QSize frameExtra = frameGeometry().size() - size();
    resize(toPixels(twips) - frameExtra);
    fitBrowser(); // a hidden window gets its resize event only when shown
    keepOnScreen();
}

void frmWebInfo::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    m_everShown = true;
    // Now the frame is known, the outer size can be what was asked for.
    if (m_sizeBeforeShown) {
        const QSize twips = *m_sizeBeforeShown;
        m_sizeBeforeShown.reset();
        applySize(twips);
    }
    keepOnScreen();
}

bool frmWebInfo::isNormalState() const
{
    return !(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
}

void frmWebInfo::makeTopmost()
{
    basMain::setTopmost(this, true);
    if (isVisible())
        raise();
}

void frmWebInfo::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    fitBrowser();
}

void frmWebInfo::fitBrowser()
{
    // The page fills the window, whatever its state; a minimised one has nothing to fit.
    if (windowState() & Qt::WindowMinimized)
        return;
    m_web->resize(infoBrowserSize(size(), m_web->size()));
}

void frmWebInfo::keepOnScreen()
{
    const QScreen *shownOn = screen();
    if (!shownOn || !isNormalState())
        return;
    const QRect frame = frameGeometry();
    const QRect kept = haz::keptInside(frame, shownOn->availableGeometry());
    if (kept.size() != frame.size())
        resize(size() - (frame.size() - kept.size()));
    if (kept.topLeft() != frame.topLeft())
        move(kept.topLeft());
}

frmWebInfoHost::frmWebInfoHost(haz::LastError &failures, QObject *parent) : QObject(parent), m_failures(failures) {}

frmWebInfoHost::~frmWebInfoHost()
{
    delete m_window.data();
}

frmWebInfo *frmWebInfoHost::window()
{
    if (!m_window) {
        m_window = new frmWebInfo();
        m_place.watch(m_window);
        if (m_iconName)
            basMain::setWindowIcon(m_window, m_iconName(), false);
    }
    return m_window;
}

bool frmWebInfoHost::isShown() const
{
    return m_window && m_window->isVisible();
}

void frmWebInfoHost::hideWebInfoBox()
{
    if (m_window && m_window->isVisible())
        m_window->hide();
}

void frmWebInfoHost::showWithoutWaiting(const QList<const QWidget *> &keepInView)
{
    frmWebInfo *w = window();
    const QWidget *main = keepInView.isEmpty() ? nullptr : keepInView.first()->window();
    // The tab strip stays in view too while there is room elsewhere.
    QList<const QWidget *> rather;
    if (main)
        for (const QTabBar *strip : main->findChildren<QTabBar *>())
            rather << strip;
    if (main)
        m_place.place(*main, keepInView, rather);
    m_place.byProgram([w] { w->show(); }); // top-most already; no need to raise or activate it
    // Shown for the first time, the window has its frame now.
    if (main)
        m_place.place(*main, keepInView, rather);
}

void frmWebInfoHost::applySizeWish(const QuizQuestion &question)
{
    frmWebInfo *w = window();
    // A window the learner sized or moved stays as the learner left it.
    if (!w->isNormalState() || m_place.placedByLearner())
        return;
    QSize screenTwips(32760, 32760);
    if (const QScreen *screen = w->screen())
        screenTwips = toTwips(screen->availableGeometry().size());
    if (const auto wish = infoWindowSizeWish(question.InfoWidth, question.InfoHeight, screenTwips))
        m_place.byProgram([&] { w->setSizeTwips(*wish); });
}

void frmWebInfoHost::UpdateWebInfoBox(int selectedTab)
{
    // Matching the window to the tab never stops the tab change.
    try {
        m_infoWinShow = true;
        InfoLinkSource *source = m_sources.value(selectedTab);
        const InfoBoxStep step = infoBoxStepForTab(selectedTab, source && source->infoLinkReady());
        if (step.openFromSource)
            source->runInfoLinkClick();
        if (step.hide)
            hideWebInfoBox();
    } catch (const std::exception &e) {
        haz::noteFailure(m_failures, e);
    }
}

void frmWebInfoHost::setInfoLinkSource(int tab, InfoLinkSource *source)
{
    m_sources.insert(tab, source);
}

void frmWebInfoHost::removeInfoLinkSource(InfoLinkSource *source)
{
    for (auto it = m_sources.begin(); it != m_sources.end();) {
        if (it.value() == source)
            it = m_sources.erase(it);
        else
            ++it;
    }
}

void debugBtnClick(QWidget *mainWindow, haz::MessageService &messages)
{
    QWidget *examFrame = mainWindow->findChild<QWidget *>(QStringLiteral("frmExamSvar"));
    for (QWidget *w : {examFrame, mainWindow->findChild<QWidget *>(QStringLiteral("examQuizLblTot")),
                       mainWindow->findChild<QWidget *>(QStringLiteral("examQuizLblDone"))}) {
        if (w)
            w->setVisible(true);
    }
    if (examFrame)
        messages.show(debugPositionText(QStringLiteral("exam"), qint64(examFrame->x()) * haz::TwipsPerPixel));
    if (QWidget *excerFrame = mainWindow->findChild<QWidget *>(QStringLiteral("frmSvar")))
        messages.show(debugPositionText(QStringLiteral("excer"), qint64(excerFrame->x()) * haz::TwipsPerPixel));
}

} // namespace training
