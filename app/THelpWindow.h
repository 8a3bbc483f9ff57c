#pragma once

#include <QWidget>

class QTextBrowser;

namespace kes {

// The help viewer: a window of its own showing the help file (HTML) with its contents first.
// Links inside the file move within it; links to the web go to the desktop's browser.
class THelpWindow : public QWidget {
    Q_OBJECT

public:
    explicit THelpWindow(QWidget* parent = nullptr);

    // Shows the contents page of fileName; a missing file shows a page that says so.
    void ShowContents(const QString& fileName);
    QTextBrowser* Browser() const { return browser_; }

private:
    QTextBrowser* browser_;
};

} // namespace kes
