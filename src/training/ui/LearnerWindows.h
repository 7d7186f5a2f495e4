#pragma once
// The windows around signing in and out: the learner dialog, the personal-data
// dialog for the diploma, and the window that shows progress while saving at exit.

#include "ProgressLayout.h"
#include "ProgressFile.h"

#include <QDialog>
#include <QStringList>
#include <QWidget>

#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace haz {
class PictureBox;
}

namespace training {

class ProgramState;

class frmUserChoose : public QDialog {
    Q_OBJECT
public:
    explicit frmUserChoose(ProgramState &state, QWidget *parent = nullptr);

    // Lists the learners of the progress file (replacing a damaged or wrong-shaped
    // file by the template), the prompt, the logo and the button texts.
    progress::OpenResult loadData();

    // The names shown, in file order.
    const QStringList &names() const { return m_names; }
    void clearNames() { m_names.clear(); }

    // OK with the text of the name box; the program decides what follows.
    std::function<void(const QString &typed)> onOk;
    std::function<void()> onExit;
    // The dialog was closed by its frame (or Escape) rather than by a button.
    std::function<void()> onClosedByFrame;

    // Closes the dialog after a successful sign-in without ending the program.
    void closeSignedIn();

public slots:
    void reject() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    ProgramState &m_state;
    QStringList m_names;
    bool m_closingSignedIn = false;
    haz::PictureBox *m_logo = nullptr;
    QLabel *m_program = nullptr;
    QLabel *m_prompt = nullptr;
    QComboBox *m_userCmb = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_exit = nullptr;
};

class frmPersData : public QDialog {
    Q_OBJECT
    Q_PROPERTY(QString PersName READ PersName)
    Q_PROPERTY(QString PersOrg READ PersOrg)
public:
    explicit frmPersData(QWidget *parent = nullptr);

    // The name and organisation of the last OK; empty before the first.
    QString PersName() const { return m_name; }
    QString PersOrg() const { return m_org; }

    // What the boxes show until the first OK: the signed-in learner's name and the
    // organisation given last time. After an OK they show what was given.
    void offer(const QString &name, const QString &organisation);

protected:
    void showEvent(QShowEvent *event) override;

private:
    QString m_name;
    QString m_org;
    bool m_given = false;
    QString m_offeredName;
    QString m_offeredOrg;
    QLineEdit *m_nameBox = nullptr;
    QLineEdit *m_orgBox = nullptr;
};

class frmExitSave : public QWidget {
    Q_OBJECT
public:
    static inline const int Steps = haz::progress::saveSteps();
    explicit frmExitSave(QWidget *parent = nullptr);

    // Back to an empty bar.
    void begin();
    // One step more, never beyond the end of the bar.
    void advanceSaveProgress();
    int value() const;

private:
    QProgressBar *m_bar = nullptr;
};

} // namespace training
