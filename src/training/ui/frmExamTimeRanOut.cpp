#include "frmExamTimeRanOut.h"

#include "AccessKeysUi.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace training::exam {

frmExamTimeRanOut::frmExamTimeRanOut(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmExamTimeRanOut"));
    setModal(true);
    m_label = new QLabel(this);
    m_label->setObjectName(QStringLiteral("lblExam_TimeRanOut"));
    m_label->setWordWrap(true);
    m_label->setMinimumWidth(380);
    m_next = new QPushButton(tr("Next"), this);
    m_next->setObjectName(QStringLiteral("cmdExamTime_Next"));
    m_next->setDefault(true);
    m_cancel = new QPushButton(tr("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("cmdExamTime_Cancel"));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_next);
    buttons->addWidget(m_cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
    layout->addLayout(buttons);

    connect(m_next, &QPushButton::clicked, this, [this] { done(Next); });
    connect(m_cancel, &QPushButton::clicked, this, [this] { done(Cancel); });
}

void frmExamTimeRanOut::setTexts(const QString &title, const QString &label, const QString &nextText,
                                 const QString &cancelText)
{
    setWindowTitle(title);
    m_label->setText(QString(label).replace(QLatin1String("\\n"), QLatin1String("\n")));
    if (!nextText.isEmpty())
        m_next->setText(nextText);
    if (!cancelText.isEmpty())
        m_cancel->setText(cancelText);
    haz::giveAccessKeys(this);
}

frmExamTimeRanOut::Choice frmExamTimeRanOut::ask()
{
    return Choice(exec());
}

void frmExamTimeRanOut::reject()
{
    // Escape and the window's close button would leave the question neither
    // recorded nor given up; the learner chooses with the two buttons.
}

} // namespace training::exam
