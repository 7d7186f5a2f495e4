#pragma once
// The fact view of one member of the fact family (five subjects, tactics, reference):
// selecting a title shows its page, remembers the position and fills the progress
// label; the print button prints the page.

#include "FactFamily.h"
#include "QuizEnvironment.h"

#include <QObject>
#include <QPointer>

#include <QListWidget>

namespace haz {
class PageView;
struct LastError;
} // namespace haz

namespace training {

class MediaDisplay;

// Prints the browser's page with the print dialog when it shows one; a failure is
// noted in `failures` (printing is the learner's own errand, and the dialog said why).
void printWebPage(haz::PageView *browser, haz::LastError &failures);

class FactController : public QObject {
    Q_OBJECT
public:
    // Finds the member's list, browser, print button and progress label under `root`
    // (the main window) and connects the list's selection, the print button and,
    // for the reference member, the option button "refOpt".
    FactController(QWidget *root, const FactMember &member, FactData data, QuizEnvironment &env,
                   MediaDisplay &media, QObject *parent = nullptr);

    const FactMember &member() const { return m_member; }
    QListWidget *list() const { return m_list; }

    // The selection handler: page, progress label, position, quizOrFact.
    void factSelected();
    // Selects the saved position; a position outside the list selects nothing.
    void selectSavedPosition();
    // FactCmdPrint(i) click.
    void printPage();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *find(const QString &name) const;

    QPointer<QWidget> m_root;
    FactMember m_member;
    FactData m_data;
    QuizEnvironment &m_env;
    MediaDisplay &m_media;
    QPointer<QListWidget> m_list;
};

} // namespace training
