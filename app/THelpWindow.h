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

    // Shows fileName at the anchor (the contents come first, at "contents"); a missing file
    // shows a page that says so.
    void ShowSection(const QString& fileName, const QString& anchor);
    QTextBrowser* Browser() const { return browser_; }

private:
    QTextBrowser* browser_;
};

} // namespace kes
