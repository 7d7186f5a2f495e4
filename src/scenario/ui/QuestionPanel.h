#pragma once
// The question column on the scroll panel: question and hint labels, the question
// picture or page, the alternatives (check boxes for "fv", option buttons otherwise,
// copied from the hidden element 0 of each family) and the answer and info-link
// buttons. Element i of a family is the alternative whose SvarsAltID is i.

#include "ScenarioRun.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>

class QAbstractButton;
class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class Verandel;

namespace haz {
class PageView;
class PictureBox;
struct LastError;
} // namespace haz

namespace scenario {

class QuestionPanel : public QObject {
    Q_OBJECT
public:
    QuestionPanel(Verandel *pane, haz::LastError &lastError);

    void setCaptions(const QString &answer, const QString &infoLink);

    // Lays out and fills the column for `room`; the answer button starts disabled.
    // A question picture that cannot be shown leaves its box empty.
    void showQuestion(const RoomView &room, const ScenarioFiles &files);
    // Hides and destroys elements 1 and up of both families.
    void unloadAlternatives();

    // The chosen alternatives of the family `room` uses, in display order.
    QString answerString(const RoomView &room) const;

    // Which element numbers are ticked / chosen, to carry a choice over to the
    // next display of a question.
    struct Selections {
        QList<int> ticked;
        QList<int> chosen;
    };
    Selections saveSelections() const;
    // Sets the elements of those numbers that exist now; a restored choice enables
    // the answer button as a click would.
    void restoreSelections(const Selections &selections);

    // The keyboard's way through the column: the alternatives of `room` in display
    // order, then Answer and the info-link button.
    QList<QWidget *> focusOrder(const RoomView &room) const;
    // The widgets an info window must leave in view: question, hint, picture or page,
    // the alternatives and Answer.
    QList<const QWidget *> keepInView() const;

    QPushButton *answerButton() const { return m_answer; }
    QPushButton *infoButton() const { return m_info; }
    QCheckBox *checkBox(int index) const;
    QRadioButton *optionButton(int index) const;

signals:
    void answerPressed();
    void infoPressed();

private:
    void showQuestionPicture(const QString &bild, const ScenarioFiles &files);
    QAbstractButton *makeElement(bool checkBox, int index);

    Verandel *m_pane;
    haz::LastError &m_lastError;
    QLabel *m_question = nullptr;
    QLabel *m_hint = nullptr;
    haz::PictureBox *m_picture = nullptr;
    haz::PageView *m_page = nullptr;
    QCheckBox *m_checkTemplate = nullptr;
    QRadioButton *m_optionTemplate = nullptr;
    QPushButton *m_answer = nullptr;
    QPushButton *m_info = nullptr;
    QMap<int, QPointer<QCheckBox>> m_checks;
    QMap<int, QPointer<QRadioButton>> m_options;
};

} // namespace scenario
