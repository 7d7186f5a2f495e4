#pragma once
// The scenario window: scene area on the left, logo, weather, clock and situation
// report on the right, the question column on the scroll panel below, the exit
// button. It holds the controls and passes the learner's actions on; the program
// (ScenarioProgram) decides what they mean.

#include <QWidget>

#include <functional>

class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class Verandel;

namespace haz {
class PictureBox;
}

namespace scenario {

class frmMain : public QWidget {
    Q_OBJECT
public:
    static constexpr int InnerWidthTwips = 11910;
    static constexpr int InnerHeightTwips = 8280;
    static constexpr int StatusBottomTwips = 4440;

    explicit frmMain(QWidget *parent = nullptr);

    QWidget *sceneFrame() const { return m_frame; }
    Verandel *scrollingPane() const { return m_pane; }
    QPushButton *exitButton() const { return m_exit; }
    QLabel *clockLabel() const { return m_clock; }
    QPlainTextEdit *statusBox() const { return m_status; }
    haz::PictureBox *logo() const { return m_logo; }
    haz::PictureBox *temperature() const { return m_temp; }
    haz::PictureBox *wind() const { return m_wind; }
    QGroupBox *clockPanel() const { return m_clockPanel; }
    QGroupBox *weatherPanel() const { return m_weatherPanel; }
    QLabel *statusLabel() const { return m_statusLabel; }

    // The situation report, its bottom edge kept at 4440 twips.
    void setStatusText(const QString &text);

    // Top-most, placed by the screen rule: centred, or near the top on a screen
    // narrower than 1024 pixels.
    void placeOnScreen();

    // Closes the window without running onClosedByFrame.
    void closeByProgram();

    // Run when the learner closes the window by its frame; the window then closes.
    std::function<void()> onClosedByFrame;
    // Run for Enter / Return anywhere in the window.
    std::function<void()> onEnter;

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QWidget *m_frame = nullptr;
    Verandel *m_pane = nullptr;
    QPushButton *m_exit = nullptr;
    QLabel *m_clock = nullptr;
    QPlainTextEdit *m_status = nullptr;
    QLabel *m_statusLabel = nullptr;
    haz::PictureBox *m_logo = nullptr;
    haz::PictureBox *m_temp = nullptr;
    haz::PictureBox *m_wind = nullptr;
    QGroupBox *m_clockPanel = nullptr;
    QGroupBox *m_weatherPanel = nullptr;
    bool m_closingByProgram = false;
};

} // namespace scenario
