#include "SceneArea.h"

#include "PageView.h"
#include "PictureBox.h"
#include "RuntimeError.h"
#include "ScenarioRun.h"
#include "SceneRules.h"
#include "TwipGeometry.h"

#include <QLabel>
#include <QPushButton>
#include <QToolButton>

namespace scenario {

using haz::twips::place;

namespace {
constexpr int SceneLeft = 60;
constexpr int SceneTop = 60;
constexpr int SceneWidth = 7380; // 492 pixels, the width of a scene picture
constexpr int PanTop = 3810;
constexpr int PanHeight = 420;
} // namespace

SceneArea::SceneArea(QWidget *frame, ScenarioRun &run) : QObject(frame), m_frame(frame), m_run(run)
{
    const haz::TwipRect scene{SceneLeft, SceneTop, SceneWidth, SceneHeightAlone};
    m_picture = place<haz::PictureBox>(frame, QStringLiteral("imgScenarioImage"), scene);
    m_page = place<haz::PageView>(frame, QStringLiteral("imgScenarioWeb"), scene);
    m_page->hide();
    // Arrows drawn by the style: turn left, back to the first view, turn right.
    const auto panButton = [frame](const char *name, int left, Qt::ArrowType arrow) {
        auto *button = place<QToolButton>(frame, QString::fromLatin1(name), {left, PanTop, 900, PanHeight});
        button->setArrowType(arrow);
        return button;
    };
    m_left = panButton("imgPanLeft", SceneLeft, Qt::LeftArrow);
    m_center = panButton("imgPanCenter", SceneLeft + SceneWidth / 2 - 450, Qt::UpArrow);
    m_right = panButton("imgPanRight", SceneLeft + SceneWidth - 900, Qt::RightArrow);
    m_current = place<QLabel>(frame, QStringLiteral("lblCurrentImage"),
                              {SceneLeft + 1020, PanTop + 60, 1500, 300});
    for (QWidget *w : {static_cast<QWidget *>(m_left), static_cast<QWidget *>(m_center),
                       static_cast<QWidget *>(m_right), static_cast<QWidget *>(m_current)})
        w->hide();
    connect(m_left, &QToolButton::clicked, this, &SceneArea::panLeft);
    connect(m_center, &QToolButton::clicked, this, &SceneArea::panCenter);
    connect(m_right, &QToolButton::clicked, this, &SceneArea::panRight);
}

void SceneArea::setTooltips(const QString &left, const QString &center, const QString &right)
{
    m_left->setToolTip(left);
    m_center->setToolTip(center);
    m_right->setToolTip(right);
}

void SceneArea::hideScene()
{
    m_picture->hide();
    m_page->navigate(haz::PageView::blankLocation());
    m_page->hide();
}

void SceneArea::displayMedia(const QString &path)
{
    switch (mediaKindOf(path)) {
    case MediaKind::Picture:
        try {
            m_picture->loadPicture(path);
        } catch (const haz::RuntimeError &e) {
            // The run goes on without this view; the area stays empty.
            m_run.state().lastError.record(e);
            m_picture->clearPicture();
        }
        m_picture->show();
        m_run.state().sceneShown = true;
        break;
    case MediaKind::Page:
        m_page->navigate(path);
        m_page->show();
        m_run.state().sceneShown = true;
        break;
    case MediaKind::None:
        break;
    }
}

void SceneArea::setSceneHeight(int twips)
{
    for (QWidget *w : {static_cast<QWidget *>(m_picture), static_cast<QWidget *>(m_page)}) {
        haz::TwipRect rect = haz::twips::geometry(w);
        rect.height = twips;
        haz::twips::setGeometry(w, rect);
    }
}

void SceneArea::showScenePicture(qint16 n)
{
    const RunState &state = m_run.state();
    const qint16 count = clsBild::getImageCount(m_run.files(), state.scenarioId, state.roomId);
    if (count > 0) {
        hideScene();
        const clsBild bild = clsBild::getImage(m_run.files(), state.scenarioId, state.roomId, n);
        displayMedia(m_run.files().image(bild.Namn));
        m_current->setText(QString::number(n));
    }
    const bool panning = showPanning(count, m_run.state().sceneShown);
    for (QWidget *w : {static_cast<QWidget *>(m_left), static_cast<QWidget *>(m_center),
                       static_cast<QWidget *>(m_right)})
        w->setVisible(panning);
    // The number stays in view even where there is nothing to pan to.
    m_current->show();
    setSceneHeight(sceneHeight(count, m_run.state().sceneShown));
    m_frame->show();
}

void SceneArea::panCenter()
{
    // Like the other two, the button does nothing while the label holds no number.
    if (scenario::panRight(m_current->text(), 1))
        showScenePicture(1);
}

void SceneArea::panLeft()
{
    const RunState &state = m_run.state();
    const auto next = scenario::panLeft(m_current->text(),
                                        clsBild::getImageCount(m_run.files(), state.scenarioId, state.roomId));
    if (!next)
        return;
    m_current->setText(QString::number(*next));
    showScenePicture(*next);
}

void SceneArea::panRight()
{
    const RunState &state = m_run.state();
    const auto next = scenario::panRight(m_current->text(),
                                         clsBild::getImageCount(m_run.files(), state.scenarioId, state.roomId));
    if (!next)
        return;
    m_current->setText(QString::number(*next));
    showScenePicture(*next);
}

} // namespace scenario
