#include "PageView.h"

#include "Platform.h"

#include <QDir>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>
#include <QUrl>

namespace haz {

PageView::PageView(QWidget *parent) : QTextBrowser(parent), m_print(&PageView::printWithPrintDialog)
{
    setOpenLinks(true);
    setOpenExternalLinks(true); // web links go to the user's browser
    // A page is read, not typed in: Tab moves on to the next control.
    setTabChangesFocus(true);
}

bool PageView::hasPage() const
{
    return !m_location.isEmpty() && m_location != blankLocation();
}

bool PageView::navigate(const QString &target)
{
    if (target == blankLocation()) {
        QTextBrowser::setSource(QUrl());
        clear();
        setLocation(target);
        return false;
    }
    // Page names come from data written for a file system that ignores letter case.
    const QString path = platform::resolveCaseInsensitive(target);
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable()) {
        QTextBrowser::setSource(QUrl());
        clear();
        setLocation(target);
        return false;
    }
    m_navigating = true;
    QTextBrowser::setSource(QUrl::fromLocalFile(info.absoluteFilePath()), QTextDocument::HtmlResource);
    m_navigating = false;
    setLocation(target);
    return true;
}

void PageView::doSetSource(const QUrl &name, QTextDocument::ResourceType type)
{
    QTextBrowser::doSetSource(name, type);
    // Links followed inside a page move the location; navigate() sets its own.
    if (m_navigating)
        return;
    QUrl shown = source();
    if (shown.isRelative() && hasPage())
        shown = QUrl::fromLocalFile(QFileInfo(m_location).absoluteFilePath()).resolved(shown);
    if (shown.isLocalFile())
        setLocation(QDir::toNativeSeparators(shown.toLocalFile()));
}

void PageView::setLocation(const QString &location)
{
    if (m_location == location)
        return;
    m_location = location;
    emit locationChanged(location);
}

bool PageView::printWithDialog()
{
    if (!m_print)
        return false;
    return m_print(*document(), this);
}

void PageView::setPrintHandler(PrintHandler handler)
{
    m_print = std::move(handler);
}

bool PageView::printWithPrintDialog(QTextDocument &page, QWidget *view)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, view);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    page.print(&printer);
    return true;
}

} // namespace haz
