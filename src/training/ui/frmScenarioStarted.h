#pragma once
// Asks whether an interrupted tactics scenario is to be continued or started again.

#include <QDialog>

class QLabel;
class QPushButton;

namespace training {

class frmScenarioStarted : public QDialog {
    Q_OBJECT
public:
    enum : qint16 { NoAnswer = 0, Continue = 1, Restart = 2 };

    explicit frmScenarioStarted(QWidget *parent = nullptr);

    // Title, the question (caption "ScenarioStarted", "\n" is a line break) and the
    // caption "ScenarioStartedCmd" holding both button texts split at its first
    // comma; without a comma the buttons keep their own words. Set anew before
    // every showing.
    void setTexts(const QString &title, const QString &question, const QString &buttonsCaption);

    // 1 continue, 2 restart, 0 when the window was closed otherwise.
    qint16 Answer = NoAnswer;

    // Shows the dialog modally and returns Answer.
    qint16 ask();

private:
    QLabel *m_label = nullptr;
    QPushButton *m_continue = nullptr;
    QPushButton *m_restart = nullptr;
};

} // namespace training
