#include "LearnerWindows.h"

#include "FailureNote.h"

#include "MainTabs.h"
#include "PictureBox.h"
#include "Platform.h"
#include "ProgramState.h"
#include "ProgressFile.h"
#include "RuntimeError.h"
#include "TwipGeometry.h"

#include <QComboBox>
#include <QCompleter>
#include <QKeyEvent>
#include <QAbstractItemView>
#include <QDateTime>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

namespace training {

using haz::twips::button;
using haz::twips::place;

namespace {
QLabel *label(QWidget *parent, const QString &name, const TwipRect &rect, const QString &text)
{
    auto *l = place<QLabel>(parent, name, rect);
    l->setText(text);
    l->setWordWrap(true);
    return l;
}

void setFixedTwipSize(QWidget *window, qint32 width, qint32 height)
{
    window->setFixedSize(width / haz::TwipsPerPixel, height / haz::TwipsPerPixel);
}
} // namespace

frmUserChoose::frmUserChoose(ProgramState &state, QWidget *parent) : QDialog(parent), m_state(state)
{
    setObjectName(QStringLiteral("frmUserChoose"));
    setFixedTwipSize(this, 7440, 3900);
    m_logo = makePictureBox(this, QStringLiteral("picProg"), {240, 240, 1920, 1920});
    m_program = label(this, QStringLiteral("lblProgram"), {2460, 240, 4740, 900}, QString());
    QFont big = m_program->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    big.setBold(true);
    m_program->setFont(big);
    m_prompt = label(this, QStringLiteral("userLblChoose"), {2460, 1230, 4740, 600}, QString());
    m_prompt->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    m_userCmb = place<QComboBox>(this, QStringLiteral("userCmb"), {2460, 1950, 4740, 390});
    m_userCmb->setEditable(true);
    m_userCmb->setInsertPolicy(QComboBox::NoInsert);
    // A typed name is the name: the box must not swap it for a listed name that
    // differs in letter case, nor complete it in place to a longer listed name, or
    // the learner would sign in as someone else. Listed names are still offered.
    m_userCmb->completer()->setCaseSensitivity(Qt::CaseSensitive);
    m_userCmb->completer()->setCompletionMode(QCompleter::PopupCompletion);
    m_userCmb->completer()->popup()->installEventFilter(this);
    m_ok = button(this, QStringLiteral("userChooseOk"), {3840, 3120, 1560, 450}, tr("OK"));
    m_exit = button(this, QStringLiteral("userChooseExit"), {5640, 3120, 1560, 450}, tr("Exit"));
    m_ok->setDefault(true);
    m_userCmb->setFocus();
    connect(m_ok, &QPushButton::clicked, this, [this] {
        m_names.clear();
        if (onOk)
            onOk(m_userCmb->currentText());
    });
    connect(m_exit, &QPushButton::clicked, this, [this] {
        if (onExit)
            onExit();
    });
}

progress::OpenResult frmUserChoose::loadData()
{
    m_prompt->setText(m_state.text(QStringLiteral("userAsk")));
    const progress::OpenResult file = progress::openForLearnerDialog(
        m_state.paths.userFile, haz::platform::joinPath(m_state.paths.installDir, QStringLiteral("user.ini")),
        QDateTime::currentDateTime());
    m_userCmb->clear();
    m_names = file.names;
    m_userCmb->addItems(file.names);
    m_userCmb->setCurrentIndex(-1);
    m_userCmb->setEditText(QString());

    // From here on nothing stops the dialog.
    haz::runNoted(m_state.lastError, [this] {
        m_logo->loadPicture(haz::platform::joinPath(m_state.paths.imagesDir, QStringLiteral("logo.gif")));
    });
    // Without a caption text the buttons keep their own words: blank buttons could
    // not be told apart.
    for (const auto &[button, id] : {std::pair{m_exit, QStringLiteral("btnExit")}, std::pair{m_ok, QStringLiteral("btnOk")}})
        if (const QString text = m_state.text(id); !text.isEmpty())
            button->setText(text);
    return file;
}

void frmUserChoose::closeSignedIn()
{
    m_closingSignedIn = true;
    hide();
}

bool frmUserChoose::eventFilter(QObject *watched, QEvent *event)
{
    // The offered names pop up while the learner types; Enter without a name picked
    // from them means "this is my name", as it does when no names pop up.
    QAbstractItemView *popup = m_userCmb->completer()->popup();
    if (watched == popup && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && !popup->currentIndex().isValid()) {
            popup->hide();
            m_ok->click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmUserChoose::reject()
{
    if (m_closingSignedIn || !isVisible()) {
        QDialog::reject();
        return;
    }
    QDialog::reject();
    if (onClosedByFrame)
        onClosedByFrame();
}

frmPersData::frmPersData(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmPersData"));
    setModal(true);
    setFixedTwipSize(this, 6600, 3300);
    label(this, QStringLiteral("lblPersDataBen"), {240, 180, 6120, 660}, QString());
    label(this, QStringLiteral("lblPersDataName"), {240, 1020, 1800, 330}, QString());
    m_nameBox = place<QLineEdit>(this, QStringLiteral("txtPersDataName"), {2160, 990, 4200, 375});
    label(this, QStringLiteral("lblPersDataOrg"), {240, 1590, 1800, 330}, QString());
    m_orgBox = place<QLineEdit>(this, QStringLiteral("txtPersDataOrg"), {2160, 1560, 4200, 375});
    QPushButton *ok = button(this, QStringLiteral("cmdPersDataOK"), {3000, 2520, 1560, 450}, tr("OK"));
    QPushButton *cancel = button(this, QStringLiteral("cmdPersDataCancel"), {4800, 2520, 1560, 450}, tr("Cancel"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] {
        m_name = m_nameBox->text();
        m_org = m_orgBox->text();
        m_given = true;
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmPersData::offer(const QString &name, const QString &organisation)
{
    m_offeredName = name;
    m_offeredOrg = organisation;
}

void frmPersData::showEvent(QShowEvent *event)
{
    // Filled in, so a learner only corrects what is wrong.
    m_nameBox->setText(m_given ? m_name : m_offeredName);
    m_orgBox->setText(m_given ? m_org : m_offeredOrg);
    QDialog::showEvent(event);
}

frmExitSave::frmExitSave(QWidget *parent) : QWidget(parent, Qt::Dialog)
{
    setObjectName(QStringLiteral("frmExitSave"));
    setFixedTwipSize(this, 5400, 1500);
    label(this, QStringLiteral("lblExitSave"), {240, 180, 4920, 420}, QString());
    m_bar = place<QProgressBar>(this, QStringLiteral("prgExitSave"), {240, 720, 4920, 360});
    m_bar->setRange(0, Steps);
    begin();
}

void frmExitSave::begin()
{
    m_bar->setValue(0);
}

void frmExitSave::advanceSaveProgress()
{
    if (m_bar->value() != m_bar->maximum())
        m_bar->setValue(m_bar->value() + 1);
}

int frmExitSave::value() const
{
    return m_bar->value();
}

} // namespace training
