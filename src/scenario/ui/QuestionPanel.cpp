#include "QuestionPanel.h"

#include "Conversions.h"
#include "GenericSubs.h"
#include "PageView.h"
#include "PictureBox.h"
#include "QuestionLayout.h"
#include "RuntimeError.h"
#include "SceneRules.h"
#include "TwipGeometry.h"
#include "Verandel.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace scenario {

using haz::twips::place;

namespace {
constexpr int ColumnLeft = 120;
constexpr int ColumnWidth = 7440;
constexpr int PictureLeft = 7680;
const QString NewLine = QStringLiteral("\\n");

// The column's arithmetic; a room that does not fit in 16-bit twips is told in words
// an author can act on rather than as a bare overflow.
QuestionLayout layoutOrExplain(const QuestionLayoutInput &input, const RoomView &room)
{
    try {
        return layoutQuestion(input);
    } catch (const haz::RuntimeError &e) {
        if (e.number() != haz::ErrOverflow)
            throw;
        const clsFraga &q = room.question;
        throw haz::RuntimeError(
            e.number(), QStringLiteral("Room %1 of scenario %2 does not fit in the question column: its %3 "
                                       "alternatives (ini/svarsalt.ini) and its %4 question and %5 hint lines "
                                       "(ini/fraga.ini) are too many to show")
                            .arg(q.RumID).arg(q.ScenarioID).arg(room.alternatives.size())
                            .arg(q.Fraga_Lines).arg(q.FragaLedtext_Lines));
    }
}
} // namespace

QuestionPanel::QuestionPanel(Verandel *pane, haz::LastError &lastError)
    : QObject(pane), m_pane(pane), m_lastError(lastError)
{
    m_question = place<QLabel>(pane, QStringLiteral("lblFragaNamn"), {ColumnLeft, 120, ColumnWidth, 240});
    QFont bold = m_question->font();
    bold.setBold(true);
    m_question->setFont(bold);
    m_question->setWordWrap(true);
    m_question->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_hint = place<QLabel>(pane, QStringLiteral("lblFragaLedtext"), {ColumnLeft, 360, ColumnWidth, 195});
    QFont small = m_hint->font();
    small.setItalic(true);
    m_hint->setFont(small);
    m_hint->setWordWrap(true);
    m_hint->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_picture = place<haz::PictureBox>(pane, QStringLiteral("imgFragaBild"), {PictureLeft, 120, 3600, 2700});
    m_page = place<haz::PageView>(pane, QStringLiteral("webFraga"), {PictureLeft, 120, 3600, 2700});
    m_page->hide();
    m_checkTemplate = place<QCheckBox>(pane, QStringLiteral("chkSvar(0)"), {ColumnLeft + 120, 800, ColumnWidth - 120, 255});
    m_checkTemplate->hide();
    m_optionTemplate = place<QRadioButton>(pane, QStringLiteral("optSvar(0)"), {ColumnLeft + 120, 800, ColumnWidth - 120, 255});
    m_optionTemplate->hide();
    m_answer = haz::twips::button(pane, QStringLiteral("cmdSvara"), {ColumnLeft + 120, 1100, 1500, 390}, QString());
    m_info = haz::twips::button(pane, QStringLiteral("cmdInfolank"), {ColumnLeft + 1740, 1100, 2400, 390}, QString());
    m_answer->setEnabled(false);
    m_info->hide();
    connect(m_answer, &QPushButton::clicked, this, &QuestionPanel::answerPressed);
    connect(m_info, &QPushButton::clicked, this, &QuestionPanel::infoPressed);
}

void QuestionPanel::setCaptions(const QString &answer, const QString &infoLink)
{
    m_answer->setText(answer);
    m_info->setText(infoLink);
}

void QuestionPanel::showQuestionPicture(const QString &bild, const ScenarioFiles &files)
{
    if (haz::conv::trimBlanks(bild).isEmpty()) {
        m_picture->clearPicture();
        m_picture->show();
        m_page->navigate(haz::PageView::blankLocation());
        m_page->hide();
        return;
    }
    if (isQuestionPage(bild)) {
        m_page->show();
        m_page->navigate(files.image(bild));
        m_picture->hide();
        return;
    }
    try {
        m_picture->loadPicture(files.image(bild));
    } catch (const haz::RuntimeError &e) {
        // The question can be answered without its picture; the box stays empty.
        m_lastError.record(e);
    }
    m_picture->show();
    m_page->navigate(haz::PageView::blankLocation());
    m_page->hide();
}

QAbstractButton *QuestionPanel::makeElement(bool checkBox, int index)
{
    QAbstractButton *element = nullptr;
    if (checkBox) {
        delete m_checks.value(index);
        auto *box = new QCheckBox(m_pane);
        m_checks.insert(index, box);
        element = box;
        haz::twips::CopyPosProperties(m_checkTemplate, element);
        element->setObjectName(QStringLiteral("chkSvar(%1)").arg(index));
    } else {
        delete m_options.value(index);
        auto *option = new QRadioButton(m_pane);
        m_options.insert(index, option);
        element = option;
        haz::twips::CopyPosProperties(m_optionTemplate, element);
        element->setObjectName(QStringLiteral("optSvar(%1)").arg(index));
    }
    element->setFont(checkBox ? m_checkTemplate->font() : m_optionTemplate->font());
    connect(element, &QAbstractButton::clicked, m_answer, [this] { m_answer->setEnabled(true); });
    return element;
}

void QuestionPanel::showQuestion(const RoomView &room, const ScenarioFiles &files)
{
    const clsFraga &q = room.question;
    m_pane->setValue(m_pane->Min());

    QuestionLayoutInput input;
    input.questionTop = haz::twips::geometry(m_question).top;
    input.fragaLines = q.Fraga_Lines;
    input.ledtextLines = q.FragaLedtext_Lines;
    input.templateHeight = haz::twips::geometry(m_checkTemplate).height;
    input.buttonHeight = haz::twips::geometry(m_answer).height;
    input.paneInnerHeight = m_pane->innerTwipsHeight();
    for (const clsSvarsAlt &alternative : room.alternatives)
        input.lineMarks << GenericSubs::countLineMarks(NewLine, alternative.Namn);
    const QuestionLayout layout = layoutOrExplain(input, room);

    haz::TwipRect rect = haz::twips::geometry(m_question);
    rect.height = layout.questionHeight;
    haz::twips::setGeometry(m_question, rect);
    m_question->setText(haz::conv::expandLineBreaks(q.Fraga));
    rect = haz::twips::geometry(m_hint);
    rect.top = layout.hintTop;
    rect.height = layout.hintHeight;
    haz::twips::setGeometry(m_hint, rect);
    m_hint->setText(haz::conv::expandLineBreaks(q.FragaLedtext));

    showQuestionPicture(q.Bild, files);

    for (QWidget *element : {static_cast<QWidget *>(m_checkTemplate), static_cast<QWidget *>(m_optionTemplate)}) {
        rect = haz::twips::geometry(element);
        rect.top = layout.templateTop;
        haz::twips::setGeometry(element, rect);
    }
    for (qsizetype i = 0; i < room.alternatives.size(); ++i) {
        const clsSvarsAlt &alternative = room.alternatives.at(i);
        if (alternative.SvarsAltID < 1) {
            // Element 0 is the template; such a row cannot be shown or chosen.
            m_lastError.record(QStringLiteral("Alternative number %1 is below 1").arg(alternative.SvarsAltID),
                               haz::ErrSubscript);
            continue;
        }
        QAbstractButton *element = makeElement(room.checkBoxes, alternative.SvarsAltID);
        rect = haz::twips::geometry(element);
        rect.top = layout.alternatives.at(i).top;
        rect.height = layout.alternatives.at(i).height;
        haz::twips::setGeometry(element, rect);
        element->setText(haz::conv::expandLineBreaks(alternative.Namn));
        element->show();
    }

    m_info->setVisible(!haz::conv::trimBlanks(q.Infolank).isEmpty());
    for (QWidget *button : {static_cast<QWidget *>(m_answer), static_cast<QWidget *>(m_info)}) {
        rect = haz::twips::geometry(button);
        rect.top = layout.buttonTop;
        haz::twips::setGeometry(button, rect);
    }
    m_answer->setEnabled(false);
    m_pane->setMax(layout.scrollMax);
}

void QuestionPanel::unloadAlternatives()
{
    for (const QPointer<QCheckBox> &box : std::as_const(m_checks))
        delete box.data();
    for (const QPointer<QRadioButton> &option : std::as_const(m_options))
        delete option.data();
    m_checks.clear();
    m_options.clear();
}

QString QuestionPanel::answerString(const RoomView &room) const
{
    return GenericSubs::getAnswerString(room.alternatives, [&](qint16 id) {
        if (room.checkBoxes) {
            const QCheckBox *box = checkBox(id);
            return box && box->isChecked();
        }
        const QRadioButton *option = optionButton(id);
        return option && option->isChecked();
    });
}

QuestionPanel::Selections QuestionPanel::saveSelections() const
{
    Selections saved;
    for (auto it = m_checks.cbegin(); it != m_checks.cend(); ++it)
        if (it.value() && it.value()->isChecked())
            saved.ticked << it.key();
    for (auto it = m_options.cbegin(); it != m_options.cend(); ++it)
        if (it.value() && it.value()->isChecked())
            saved.chosen << it.key();
    return saved;
}

void QuestionPanel::restoreSelections(const Selections &selections)
{
    bool restored = false;
    for (int index : selections.ticked)
        if (QCheckBox *box = checkBox(index)) {
            box->setChecked(true);
            restored = true;
        }
    for (int index : selections.chosen)
        if (QRadioButton *option = optionButton(index)) {
            option->setChecked(true);
            restored = true;
        }
    if (restored)
        m_answer->setEnabled(true);
}

QList<QWidget *> QuestionPanel::focusOrder(const RoomView &room) const
{
    QList<QWidget *> order;
    for (const clsSvarsAlt &alternative : room.alternatives) {
        QWidget *element = room.checkBoxes ? static_cast<QWidget *>(m_checks.value(alternative.SvarsAltID).data())
                                           : m_options.value(alternative.SvarsAltID).data();
        if (element && alternative.SvarsAltID > 0)
            order << element;
    }
    return order << m_answer << m_info;
}

QList<const QWidget *> QuestionPanel::keepInView() const
{
    QList<const QWidget *> widgets{m_question, m_hint, m_picture, m_page, m_answer};
    for (const QPointer<QCheckBox> &box : m_checks)
        widgets << box.data();
    for (const QPointer<QRadioButton> &option : m_options)
        widgets << option.data();
    widgets.removeAll(nullptr);
    return widgets;
}

QCheckBox *QuestionPanel::checkBox(int index) const
{
    return index == 0 ? m_checkTemplate : m_checks.value(index).data();
}

QRadioButton *QuestionPanel::optionButton(int index) const
{
    return index == 0 ? m_optionTemplate : m_options.value(index).data();
}

} // namespace scenario
