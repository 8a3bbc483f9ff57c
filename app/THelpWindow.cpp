#include "app/THelpWindow.h"

#include <QFile>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

namespace kes {

THelpWindow::THelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(QString::fromUtf8("Kestrelpad ヘルプ"));
    resize(560, 520);
    browser_ = new QTextBrowser(this);
    browser_->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
}

void THelpWindow::ShowSection(const QString& fileName, const QString& anchor) {
    QFile file(fileName);
    if (file.open(QIODevice::ReadOnly)) {
        browser_->setHtml(QString::fromUtf8(file.readAll()));
    } else {
        browser_->setPlainText(
            QString::fromUtf8("ヘルプファイル %1 が見つかりません。").arg(fileName));
    }
    show();
    raise();
    activateWindow();
    // The page is laid out for the window's width once the window is shown.
    QTimer::singleShot(0, browser_, [this, anchor] { browser_->scrollToAnchor(anchor); });
}

} // namespace kes
