#include "toolkit/gui/TDrawnCaret.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QStyleHints>
#include <QWidget>

namespace kes {

namespace {

// Half the desktop's flash period, or 0 for a caret that does not blink. Without a screen to
// look at (the offscreen platform of the tests) the caret stays on, so what a test grabs does
// not depend on the time it took.
int BlinkInterval() {
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        return 0;
    int period = QGuiApplication::styleHints()->cursorFlashTime();
    return period > 0 ? period / 2 : 0;
}

} // namespace

TDrawnCaret::TDrawnCaret(QWidget* viewport) : viewport_(viewport) {
    connect(&timer_, &QTimer::timeout, this, &TDrawnCaret::Blink);
}

void TDrawnCaret::Create(int width, int height) {
    Refresh();
    timer_.stop();
    rect_ = QRect(0, 0, width, height);
    exists_ = true;
    shown_ = false;
    on_ = true;
}

void TDrawnCaret::Destroy() {
    Refresh();
    timer_.stop();
    exists_ = false;
    shown_ = false;
}

void TDrawnCaret::SetPos(int x, int y) {
    Refresh();
    rect_.moveTo(x, y);
    Restart();
}

QRect TDrawnCaret::Rect() const {
    return rect_;
}

void TDrawnCaret::Show() {
    if (!exists_ || shown_)
        return;
    shown_ = true;
    Restart();
}

void TDrawnCaret::Hide() {
    if (!shown_)
        return;
    Refresh();
    shown_ = false;
    timer_.stop();
}

void TDrawnCaret::Draw(QPainter& painter, const QImage& surface) const {
    if (!On())
        return;
    QRect area = rect_ & surface.rect();
    if (area.isEmpty())
        return;
    QImage inverted = surface.copy(area);
    inverted.invertPixels();
    painter.drawImage(area.topLeft(), inverted);
}

void TDrawnCaret::Restart() {
    on_ = true;
    Refresh();
    int interval = BlinkInterval();
    if (shown_ && interval > 0)
        timer_.start(interval);
    else
        timer_.stop();
}

void TDrawnCaret::Blink() {
    on_ = !on_;
    Refresh();
}

void TDrawnCaret::Refresh() {
    if (exists_ && shown_ && viewport_)
        viewport_->update(rect_);
}

} // namespace kes
