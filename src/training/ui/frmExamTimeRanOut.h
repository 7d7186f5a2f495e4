#pragma once
// Shown when the time for an exam question has run out: Next records the answer
// as it stands, Cancel gives the exam up for the rest of the program run. The
// learner must choose; closing the window otherwise is refused.

#include <QDialog>

class QLabel;
class QPushButton;

// The exam tab's own window; the program makes it as a child of the main window,
// where the exam unit finds it by name.
namespace training::exam {

class frmExamTimeRanOut : public QDialog {
    Q_OBJECT
public:
    enum Choice { NoChoice = 0, Next = 1, Cancel = 2 };

    explicit frmExamTimeRanOut(QWidget *parent = nullptr);

    // The title is the exam tab's caption; "\n" in the label text is a line break.
    void setTexts(const QString &title, const QString &label, const QString &nextText,
                  const QString &cancelText);

    // Shows the dialog modally; returns the learner's choice.
    Choice ask();

public slots:
    void reject() override;

private:
    QLabel *m_label = nullptr;
    QPushButton *m_next = nullptr;
    QPushButton *m_cancel = nullptr;
};

} // namespace training::exam
