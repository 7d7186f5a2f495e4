#include "frmCoursePrnt.h"

#include "AccessKeysUi.h"

#include "PageView.h"
#include "Platform.h"
#include "TwipGeometry.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QResizeEvent>
#include <QAbstractTextDocumentLayout>
#include <QTextDocument>
#include <QTextFrame>

#include <algorithm>
#include <memory>

namespace training {

namespace {

// Design geometry (twips): room for an A4 page at screen size, the buttons below it.
constexpr qint32 DesignWidth = 11400;
constexpr qint32 DesignHeight = 10740;
const haz::TwipRect WebRect{120, 120, 11160, 9900};
const haz::TwipRect PrintRect{120, 10140, 1700, 405};
const haz::TwipRect CloseRect{1940, 10140, 1700, 405};
// White paper around the printed diploma (millimetres).
constexpr qreal PaperMarginMm = 15;

} // namespace

frmCoursePrnt::frmCoursePrnt(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmCoursePrnt"));
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    m_web = haz::twips::place<haz::PageView>(this, QStringLiteral("webWin"), WebRect);
    m_web->setPrintHandler(&frmCoursePrnt::printWithDialog);
    m_print = haz::twips::button(this, QStringLiteral("cmbPrint"), PrintRect, tr("Print..."));
    m_close = haz::twips::button(this, QStringLiteral("cmdCloseDiploma"), CloseRect, tr("Close"));
    m_print->setAutoDefault(false);
    m_close->setAutoDefault(false);
    connect(m_print, &QPushButton::clicked, this, &frmCoursePrnt::printPage);
    connect(m_close, &QPushButton::clicked, this, &QDialog::hide);

    m_webBottomGap = DesignHeight - (WebRect.top + WebRect.height);
    m_webRightGap = DesignWidth - (WebRect.left + WebRect.width);
    m_printBottomGap = DesignHeight - PrintRect.top;
    resize(haz::twipsToPixels(DesignWidth), haz::twipsToPixels(DesignHeight));
    m_web->navigate(haz::PageView::blankLocation());
}

frmCoursePrnt::~frmCoursePrnt()
{
    removeDiplomaPage(m_pagePath, m_pageBytes);
}

DiplomaOutcome frmCoursePrnt::showCourseDok(const QString &htmlDir, const PlaceholderValues &values)
{
    m_pagePath = diplomaPagePath(haz::platform::documentsFolder());
    const DiplomaOutcome outcome = writeDiplomaPage(diplomaTemplatePath(htmlDir), m_pagePath, values, &m_pageBytes);
    // Without a new page the view is blank rather than showing an earlier diploma
    // with counts that are no longer the learner's.
    if (outcome == DiplomaOutcome::Written)
        m_web->navigate(m_pagePath);
    else
        m_web->navigate(haz::PageView::blankLocation());
    return outcome;
}

void frmCoursePrnt::setPrintCaption(const QString &text, const QString &tooltip)
{
    m_print->setText(text);
    m_print->setToolTip(tooltip);
    haz::giveAccessKeys(this);
}

void frmCoursePrnt::printPage()
{
    // The blank page prints too: the learner sees that there is nothing to print.
    if (!m_web->locationURL().isEmpty())
        m_web->printWithDialog();
    QCoreApplication::processEvents();
    activateWindow();
}

bool frmCoursePrnt::printWithDialog(QTextDocument &page, QWidget *view)
{
    QPrinter printer(QPrinter::HighResolution);
    const QString title = view && view->window() ? view->window()->windowTitle() : QString();
    printer.setDocName(title);
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        const QString name = title.isEmpty() ? QStringLiteral("diploma") : title;
        printer.setOutputFileName(haz::platform::joinPath(haz::platform::documentsFolder(), name + QStringLiteral(".pdf")));
    }
    QPrintDialog dialog(&printer, view);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const qreal dotsPerInch = view ? view->logicalDpiX() : 96;
    paperLayout(page, printer.pageRect(QPrinter::Point).size(), dotsPerInch)->print(&printer);
    return true;
}

std::unique_ptr<QTextDocument> frmCoursePrnt::paperLayout(const QTextDocument &page, QSizeF pagePoints,
                                                          qreal dotsPerInch)
{
    // Laid out for the paper, with a margin of its own, so the diploma prints without a
    // page number and clear of the paper's edge.
    std::unique_ptr<QTextDocument> paper(page.clone());
    paper->setPageSize(pagePoints * dotsPerInch / 72.0);
    QTextFrame *root = paper->rootFrame();
    QTextFrameFormat frame = root->frameFormat();
    frame.setMargin(PaperMarginMm / 25.4 * dotsPerInch);
    root->setFrameFormat(frame);

    // A page shorter than the paper sits in its middle: as much white below its frame
    // as above, not the rest of the sheet at the bottom.
    QRectF content;
    for (QTextFrame *child : root->childFrames())
        content |= paper->documentLayout()->frameBoundingRect(child);
    if (content.isEmpty() || paper->pageCount() != 1)
        return paper;
    const qreal spare = (paper->pageSize().height() - content.bottom() - content.top()) / 2;
    if (spare > 0) {
        frame.setTopMargin(frame.topMargin() + spare);
        root->setFrameFormat(frame);
    }
    return paper;
}

void frmCoursePrnt::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    const qint32 width = haz::pixelsToTwips(event->size().width());
    const qint32 height = haz::pixelsToTwips(event->size().height());
    haz::TwipRect web = haz::twips::geometry(m_web);
    web.width = std::max(0, width - m_webRightGap - web.left);
    web.height = std::max(0, height - m_webBottomGap - web.top);
    haz::twips::setGeometry(m_web, web);
    haz::TwipRect print = haz::twips::geometry(m_print);
    print.top = std::max(0, height - m_printBottomGap);
    haz::twips::setGeometry(m_print, print);
    haz::TwipRect close = haz::twips::geometry(m_close);
    close.top = print.top;
    haz::twips::setGeometry(m_close, close);
}

void frmCoursePrnt::closeEvent(QCloseEvent *event)
{
    // Closing from the title bar unloads the page; the close button only hides.
    unloadPage();
    QDialog::closeEvent(event);
}

void frmCoursePrnt::unloadPage()
{
    m_web->navigate(haz::PageView::blankLocation());
    removeDiplomaPage(m_pagePath, m_pageBytes);
    m_pagePath.clear();
    m_pageBytes.clear();
}

} // namespace training
