#pragma once
// The place of an info window for one run of a program: chosen anew for every question
// so that it leaves the question, its picture, the alternatives and Answer in view,
// until the learner moves or sizes the window; from then on it stays where the learner
// put it (kept on screen). Escape closes the window.

#include <QList>
#include <QObject>
#include <QPointer>
#include <QRect>

#include <functional>
#include <optional>

class QWidget;

namespace haz {

class InfoWindowPlace : public QObject {
    Q_OBJECT
public:
    explicit InfoWindowPlace(QObject *parent = nullptr);

    // Follows `window`; a program that makes its info window anew calls this again.
    void watch(QWidget *window);

    // Places the watched window for the question on `mainWindow`. `rather` is also kept
    // in view while that leaves room for the window.
    void place(const QWidget &mainWindow, const QList<const QWidget *> &keepInView,
               const QList<const QWidget *> &rather = {});

    // Runs a change of the window's size or place that the program makes.
    void byProgram(const std::function<void()> &change);

    bool placedByLearner() const { return m_learnerFrame.has_value(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setFrame(QRect frame);

    QPointer<QWidget> m_window;
    bool m_changing = false;
    QRect m_lastFrame;
    QSize m_lastSize;
    std::optional<QRect> m_learnerFrame;
};

// Where a widget lies on screen, clipped by the widgets around it (a control
// scrolled half out of its panel counts only with its visible part); empty when hidden.
QRect visibleScreenRect(const QWidget *widget);

} // namespace haz
