#pragma once
// The course diploma window: the filled diploma page in the page view "webWin",
// a print button "cmbPrint" and a close button "cmdCloseDiploma". The close button
// only hides the window; the page file stays in the documents folder until the
// window is unloaded (destroyed, or closed from its title bar). Shown modally.

#include "DiplomaPage.h"

#include <QDialog>
#include <QSizeF>
#include <QString>

#include <memory>

class QPushButton;
class QTextDocument;

namespace haz {
class PageView;
}

namespace training {

class frmCoursePrnt : public QDialog {
    Q_OBJECT
public:
    explicit frmCoursePrnt(QWidget *parent = nullptr);
    ~frmCoursePrnt() override; // unloading removes the page file

    // Builds the page from the template of `htmlDir` into the documents folder and
    // shows it. Without a page (no template, or it could not be written) the view
    // shows the blank page.
    DiplomaOutcome showCourseDok(const QString &htmlDir, const PlaceholderValues &values);

    // The print button takes the caption and tooltip of the fact pages' print button.
    void setPrintCaption(const QString &text, const QString &tooltip);

    haz::PageView *webWin() const { return m_web; }
    QString pagePath() const { return m_pagePath; }

    // cmbPrint: prints what the view shows through the print dialog; without any
    // printer the dialog offers a PDF file in the documents folder.
    void printPage();

    // Print dialog, then the printer; a learner without a printer gets the PDF
    // output of the dialog with a file in the documents folder proposed.
    static bool printWithDialog(QTextDocument &page, QWidget *view);
    // The page as it goes on paper of `pagePoints` (1/72 inch): a margin all round,
    // and a page shorter than the paper moved down to sit in its middle.
    static std::unique_ptr<QTextDocument> paperLayout(const QTextDocument &page, QSizeF pagePoints,
                                                      qreal dotsPerInch);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void unloadPage();

    haz::PageView *m_web = nullptr;
    QPushButton *m_print = nullptr;
    QPushButton *m_close = nullptr;
    QString m_pagePath;
    QByteArray m_pageBytes; // what was written there, so that only that is removed
    QString m_printCaption;
    // Recorded from the design: window bottom/right to the view's, and window
    // bottom to the print button's top (twips).
    qint32 m_webBottomGap = 0, m_webRightGap = 0, m_printBottomGap = 0;
};

} // namespace training
