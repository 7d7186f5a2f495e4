#pragma once
// The scene area Frame1: the room's scene pictures and pages, one at a time, with
// buttons to turn left, right and back to the first view. The number of the view
// shown lives in lblCurrentImage's text.

#include <QObject>

class QLabel;
class QToolButton;
class QWidget;

namespace haz {
class PageView;
class PictureBox;
} // namespace haz

namespace scenario {

class ScenarioRun;

class SceneArea : public QObject {
    Q_OBJECT
public:
    SceneArea(QWidget *frame, ScenarioRun &run);

    void setTooltips(const QString &left, const QString &center, const QString &right);

    // Picture n of the current room; a room without pictures keeps the scene as it
    // is. A picture that cannot be shown leaves the area empty.
    void showScenePicture(qint16 n);
    void hideScene();
    void displayMedia(const QString &path);

    void panLeft();
    void panCenter();
    void panRight();

    haz::PictureBox *picture() const { return m_picture; }
    haz::PageView *page() const { return m_page; }
    QLabel *currentImage() const { return m_current; }

private:
    void setSceneHeight(int twips);

    QWidget *m_frame;
    ScenarioRun &m_run;
    haz::PictureBox *m_picture = nullptr;
    haz::PageView *m_page = nullptr;
    QToolButton *m_left = nullptr;
    QToolButton *m_center = nullptr;
    QToolButton *m_right = nullptr;
    QLabel *m_current = nullptr;
};

} // namespace scenario
