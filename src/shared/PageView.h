#pragma once
// The page view of both programs: shows a local HTML file, or nothing for
// "about:blank". Relative links and pictures in a page resolve against the page's
// folder, and following a link inside the page works. Printing goes through a
// handler that shows the print dialog; tests replace the handler.

#include <QTextBrowser>

#include <functional>

class QTextDocument;

namespace haz {

class PageView : public QTextBrowser {
    Q_OBJECT
public:
    // Gets the page's document and the view; returns whether it printed.
    using PrintHandler = std::function<bool(QTextDocument &page, QWidget *view)>;

    explicit PageView(QWidget *parent = nullptr);

    // Shows the file at `target` (a path), or an empty page for "about:blank". A
    // file that is missing or cannot be read shows an empty page; the result says
    // whether a page was loaded. The location is `target` either way.
    bool navigate(const QString &target);

    // "" before the first navigation, "about:blank", or the path last navigated to
    // (a followed link changes it to the link's file).
    QString locationURL() const { return m_location; }
    // True when the location names a page rather than nothing or "about:blank".
    bool hasPage() const;

    // Prints the page through the print handler (the print dialog unless a test
    // set another). Returns the handler's answer.
    bool printWithDialog();
    void setPrintHandler(PrintHandler handler);

    // The default handler: the platform's print dialog, then the printer.
    static bool printWithPrintDialog(QTextDocument &page, QWidget *view);

    static QString blankLocation() { return QStringLiteral("about:blank"); }

signals:
    void locationChanged(const QString &location);

protected:
    void doSetSource(const QUrl &name, QTextDocument::ResourceType type) override;

private:
    void setLocation(const QString &location);

    QString m_location;
    bool m_navigating = false;
    PrintHandler m_print;
};

} // namespace haz
