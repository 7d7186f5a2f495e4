#include "DebriefWindow.h"

#include "MessageService.h"
#include "PageView.h"
#include "Platform.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

namespace haz {

namespace {

QString askForPdfPath(QWidget *parent, const QString &suggested)
{
    return QFileDialog::getSaveFileName(parent, QStringLiteral("Save debrief as PDF"), suggested,
                                        QStringLiteral("PDF files (*.pdf)"));
}

} // namespace

DebriefWindow::DebriefWindow(MessageService &messages, QWidget *parent)
    : QDialog(parent), m_messages(messages), m_choosePdf(&askForPdfPath)
{
    setObjectName(QStringLiteral("frmDebrief"));
    setWindowTitle(QStringLiteral("Debrief"));
    m_heading = new QLabel(this);
    m_heading->setObjectName(QStringLiteral("lblDebrief"));
    m_heading->setWordWrap(true);
    QFont bold = m_heading->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    m_heading->setFont(bold);
    m_page = new PageView(this);
    m_page->setObjectName(QStringLiteral("webDebrief"));
    m_print = new QPushButton(tr("Print..."), this);
    m_print->setObjectName(QStringLiteral("cmdDebriefPrint"));
    m_pdf = new QPushButton(tr("Save as PDF..."), this);
    m_pdf->setObjectName(QStringLiteral("cmdDebriefPdf"));
    m_close = new QPushButton(tr("Close"), this);
    m_close->setObjectName(QStringLiteral("cmdDebriefClose"));
    for (QPushButton *b : {m_print, m_pdf})
        b->setAutoDefault(false);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_print);
    buttons->addWidget(m_pdf);
    buttons->addStretch();
    buttons->addWidget(m_close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_heading);
    layout->addWidget(m_page, 1);
    layout->addLayout(buttons);
    resize(860, 620);

    connect(m_print, &QPushButton::clicked, this, [this] { m_page->printWithDialog(); });
    connect(m_pdf, &QPushButton::clicked, this, &DebriefWindow::saveAsPdf);
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
}

void DebriefWindow::showPage(const QString &heading, const QString &html)
{
    m_heading->setText(heading);
    m_heading->setVisible(!heading.isEmpty());
    m_page->setHtml(html);
}

bool DebriefWindow::savePdf(const QString &path) const
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setDocName(windowTitle());
    m_page->document()->print(&printer);
    return QFileInfo(path).size() > 0;
}

void DebriefWindow::saveAsPdf()
{
    const QString suggested = platform::joinPath(platform::documentsFolder(), windowTitle() + QStringLiteral(".pdf"));
    const QString path = m_choosePdf(this, suggested);
    if (!path.isEmpty() && !savePdf(path))
        m_messages.show(QStringLiteral("The debrief could not be saved as %1. Choose a folder you may write in.")
                            .arg(QDir::toNativeSeparators(path)),
                        windowTitle(), MessageIcon::Warning);
}

} // namespace haz
