#include "app/THelpWindow.h"

#include <QFile>
#include <QTextBrowser>
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

void THelpWindow::ShowContents(const QString& fileName) {
    QFile file(fileName);
    if (file.open(QIODevice::ReadOnly)) {
        browser_->setHtml(QString::fromUtf8(file.readAll()));
    } else {
        browser_->setPlainText(
            QString::fromUtf8("ヘルプファイル %1 が見つかりません。").arg(fileName));
    }
    browser_->scrollToAnchor(QStringLiteral("contents"));
    show();
    raise();
    activateWindow();
}

} // namespace kes
