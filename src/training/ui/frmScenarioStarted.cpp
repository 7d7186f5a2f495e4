#include "frmScenarioStarted.h"

#include "AccessKeysUi.h"

#include "ScenarioLaunch.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace training {

frmScenarioStarted::frmScenarioStarted(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmScenarioStarted"));
    setModal(true);
    m_label = new QLabel(this);
    m_label->setObjectName(QStringLiteral("lblScenarioStarted"));
    m_label->setWordWrap(true);
    m_label->setMinimumWidth(360);
    m_continue = new QPushButton(tr("Continue"), this);
    m_continue->setObjectName(QStringLiteral("cmdFortsatt"));
    m_continue->setDefault(true);
    m_restart = new QPushButton(tr("Start again"), this);
    m_restart->setObjectName(QStringLiteral("cmdStartaOm"));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_continue);
    buttons->addWidget(m_restart);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
    layout->addLayout(buttons);

    connect(m_continue, &QPushButton::clicked, this, [this] {
        Answer = Continue;
        accept();
    });
    connect(m_restart, &QPushButton::clicked, this, [this] {
        Answer = Restart;
        accept();
    });
}

void frmScenarioStarted::setTexts(const QString &title, const QString &question, const QString &buttonsCaption)
{
    setWindowTitle(title);
    m_label->setText(QString(question).replace(QLatin1String("\\n"), QLatin1String("\n")));
    const launch::StartedButtons buttons = launch::splitStartedButtons(buttonsCaption);
    if (!buttons.continueText.isEmpty() || !buttons.restartText.isEmpty()) {
        m_continue->setText(buttons.continueText);
        m_restart->setText(buttons.restartText);
    }
    haz::giveAccessKeys(this);
}

qint16 frmScenarioStarted::ask()
{
    Answer = NoAnswer;
    exec();
    return Answer;
}

} // namespace training
