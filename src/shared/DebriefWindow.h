#pragma once
// The debrief window of both programs: a heading, the debrief page of one run, and
// buttons to print it, save it as PDF and close. The scenario program opens it when a
// run ends; the course program opens it to review a past run or exam attempt.

#include <QDialog>
#include <QString>

#include <functional>

class QLabel;
class QPushButton;

namespace haz {

class MessageService;
class PageView;

class DebriefWindow : public QDialog {
    Q_OBJECT
public:
    // Asks where to save the PDF; empty: not saved. Tests replace it.
    using PdfPathChooser = std::function<QString(QWidget *parent, const QString &suggested)>;

    // A PDF that cannot be written is told through `messages`.
    explicit DebriefWindow(MessageService &messages, QWidget *parent = nullptr);

    // `heading` empty hides the heading line.
    void showPage(const QString &heading, const QString &html);

    PageView *page() const { return m_page; }
    void setPdfPathChooser(PdfPathChooser chooser) { m_choosePdf = std::move(chooser); }

    // Writes the page as a PDF file; false when it could not be written.
    bool savePdf(const QString &path) const;

private:
    void saveAsPdf();

    QLabel *m_heading = nullptr;
    PageView *m_page = nullptr;
    QPushButton *m_print = nullptr;
    QPushButton *m_pdf = nullptr;
    QPushButton *m_close = nullptr;
    MessageService &m_messages;
    PdfPathChooser m_choosePdf;
};

} // namespace haz
