#include "toolkit/gui/TCustomControl.h"

#include "toolkit/gui/QtCursor.h"

#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>

#include <algorithm>
#include <utility>

namespace kes {

namespace {

QRect ToQRect(const TRect& rect) {
    return QRect(rect.Left, rect.Top, rect.Width(), rect.Height());
}

TRect FromQRect(const QRect& rect) {
    return Rect(rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height());
}

bool IsTabKey(const QKeyEvent* event) {
    return (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) &&
           !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}

TScrollCode ScrollCodeOf(int action) {
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
        return scLineUp;
    case QAbstractSlider::SliderSingleStepAdd:
        return scLineDown;
    case QAbstractSlider::SliderPageStepSub:
        return scPageUp;
    case QAbstractSlider::SliderPageStepAdd:
        return scPageDown;
    case QAbstractSlider::SliderToMinimum:
        return scTop;
    case QAbstractSlider::SliderToMaximum:
        return scBottom;
    default:
        return scTrack;
    }
}

} // namespace

TCustomControl::TCustomControl(QWidget* parent)
    : QAbstractScrollArea(parent), canvas_(std::make_unique<TCanvas>(&surface_)),
      caret_(viewport()) {
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAttribute(Qt::WA_NoSystemBackground);
    viewport()->setAutoFillBackground(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Every user action on a bar becomes a request; the control answers it by setting the
    // bar's position, and the action's own step is undone, so the bar always shows the
    // control's view. A change that comes without an action is a dragged thumb.
    for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()}) {
        connect(bar, &QScrollBar::actionTriggered, this, [this, bar](int action) {
            if (settingScrollBars_)
                return;
            const int target = bar->sliderPosition();
            settingScrollBars_ = true;
            bar->setSliderPosition(bar->value());
            settingScrollBars_ = false;
            ScrollRequest(bar->orientation(), ScrollCodeOf(action), target);
        });
        connect(bar, &QScrollBar::valueChanged, this, [this, bar](int value) {
            if (!settingScrollBars_)
                ScrollRequest(bar->orientation(), scTrack, value);
        });
    }
    SetCursorId(crDefault);
}

TCustomControl::~TCustomControl() = default;

int TCustomControl::ClientWidth() const {
    return viewport()->width();
}

int TCustomControl::ClientHeight() const {
    return viewport()->height();
}

void TCustomControl::Invalidate() {
    InvalidateRect(ClientRect());
}

void TCustomControl::InvalidateRect(const TRect& rect) {
    QRect area = ToQRect(rect) & viewport()->rect();
    if (area.isEmpty())
        return;
    invalid_ += area;
    viewport()->update(area);
}

void TCustomControl::UpdateNow() {
    EnsureSurface();
    PaintInvalid(invalid_);
}

void TCustomControl::PaintNow(const TRect& rect) {
    EnsureSurface();
    QRect area = ToQRect(rect) & surface_.rect();
    if (area.isEmpty())
        return;
    PaintInvalid(QRegion(area));
    viewport()->update(area);
}

void TCustomControl::ScrollRect(int dx, int dy, const TRect& scroll, const TRect& clip) {
    EnsureSurface();
    QRect area = ToQRect(scroll) & surface_.rect();
    if (!clip.IsEmpty())
        area &= ToQRect(clip);
    if (area.isEmpty() || (dx == 0 && dy == 0))
        return;
    QRect moved = area.translated(dx, dy) & area;
    if (!moved.isEmpty())
        canvas_->CopyRect(FromQRect(moved), *canvas_, FromQRect(moved.translated(-dx, -dy)));
    // What was waiting for paint moves with its pixels.
    QRegion pending = invalid_ & area;
    invalid_ = (invalid_ - area) + (pending.translated(dx, dy) & moved);
    viewport()->update(area);
    PaintInvalid(QRegion(area) - QRegion(moved));
}

void TCustomControl::SetScrollBarsShown(bool horizontal, bool vertical) {
    setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

bool TCustomControl::HorizontalScrollBarShown() const {
    return horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOn;
}

bool TCustomControl::VerticalScrollBarShown() const {
    return verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn;
}

int TCustomControl::ScrollBarHeight() const {
    return style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, horizontalScrollBar());
}

int TCustomControl::ScrollBarWidth() const {
    return style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, verticalScrollBar());
}

namespace {

// The range comes as the whole extent (minimum to maximum, both included) with a page inside
// it, so the highest position is maximum - page + 1.
void SetScroll(QScrollBar* bar, int minimum, int maximum, int page, int position) {
    page = std::max(page, 1);
    bar->setRange(minimum, std::max(minimum, maximum - page + 1));
    bar->setPageStep(page);
    bar->setValue(position);
}

} // namespace

void TCustomControl::SetVerticalScroll(int minimum, int maximum, int page, int position) {
    settingScrollBars_ = true;
    SetScroll(verticalScrollBar(), minimum, maximum, page, position);
    settingScrollBars_ = false;
}

void TCustomControl::SetHorizontalScroll(int minimum, int maximum, int page, int position) {
    settingScrollBars_ = true;
    SetScroll(horizontalScrollBar(), minimum, maximum, page, position);
    settingScrollBars_ = false;
}

void TCustomControl::SetCursorId(TCursor cursor) {
    cursorId_ = cursor;
    viewport()->setCursor(CursorOf(cursor));
}

bool TCustomControl::Showing() const {
    return isVisible() && !surface_.isNull();
}

void TCustomControl::KeyDown(QKeyEvent*) {}
void TCustomControl::KeyUp(QKeyEvent*) {}
void TCustomControl::InputMethod(QInputMethodEvent*) {}
void TCustomControl::MouseDown(QMouseEvent*) {}
void TCustomControl::MouseMove(QMouseEvent*) {}
void TCustomControl::MouseUp(QMouseEvent*) {}
void TCustomControl::DoubleClick(QMouseEvent*) {
    if (OnDblClick)
        OnDblClick(this);
}

bool TCustomControl::Wheel(QWheelEvent* event) {
    const Qt::KeyboardModifiers shift = event->modifiers();
    const QPoint at = event->position().toPoint();
    const TPoint pos{at.x(), at.y()};
    const int delta = event->angleDelta().y();
    bool handled = false;
    if (OnMouseWheel)
        OnMouseWheel(this, shift, delta, pos, handled);
    if (!handled && delta < 0 && OnMouseWheelDown)
        OnMouseWheelDown(this, shift, pos, handled);
    if (!handled && delta > 0 && OnMouseWheelUp)
        OnMouseWheelUp(this, shift, pos, handled);
    return handled;
}
void TCustomControl::FocusIn() {}
void TCustomControl::FocusOut() {}
void TCustomControl::Resized() {}
void TCustomControl::ScrollRequest(Qt::Orientation, TScrollCode, int) {}

bool TCustomControl::event(QEvent* event) {
    // A Tab the control wants must not be taken by a shortcut of the window either.
    if (event->type() == QEvent::ShortcutOverride && wantTabs_ &&
        IsTabKey(static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QAbstractScrollArea::event(event);
}

bool TCustomControl::viewportEvent(QEvent* event) {
    // Any button pressed on the control gives it the focus before the hooks see the press.
    if ((event->type() == QEvent::MouseButtonPress ||
         event->type() == QEvent::MouseButtonDblClick) &&
        !hasFocus())
        setFocus(Qt::MouseFocusReason);
    return QAbstractScrollArea::viewportEvent(event);
}

void TCustomControl::paintEvent(QPaintEvent* event) {
    EnsureSurface();
    PaintInvalid(invalid_);
    QPainter painter(viewport());
    for (const QRect& rect : event->region())
        painter.drawImage(rect.topLeft(), surface_, rect);
    caret_.Draw(painter, surface_);
}

void TCustomControl::resizeEvent(QResizeEvent*) {
    EnsureSurface();
}

void TCustomControl::keyPressEvent(QKeyEvent* event) {
    KeyDown(event);
}

void TCustomControl::keyReleaseEvent(QKeyEvent* event) {
    KeyUp(event);
}

void TCustomControl::inputMethodEvent(QInputMethodEvent* event) {
    InputMethod(event);
}

void TCustomControl::mousePressEvent(QMouseEvent* event) {
    MouseDown(event);
    if (event->button() == Qt::LeftButton)
        clickPending_ = true;
    const QPoint p = event->position().toPoint();
    if (OnMouseDown)
        OnMouseDown(this, event->button(), event->modifiers(), p.x(), p.y());
}

void TCustomControl::mouseMoveEvent(QMouseEvent* event) {
    MouseMove(event);
    const QPoint p = event->position().toPoint();
    if (OnMouseMove)
        OnMouseMove(this, event->modifiers(), p.x(), p.y());
}

void TCustomControl::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (OnMouseUp)
        OnMouseUp(this, event->button(), event->modifiers(), p.x(), p.y());
    MouseUp(event);
    // A click is a left press and release both on the control.
    if (event->button() == Qt::LeftButton && std::exchange(clickPending_, false) &&
        viewport()->rect().contains(p) && OnClick)
        OnClick(this);
}

void TCustomControl::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click comes as this event alone: the double-click hook,
    // then the press as the published event sees it.
    DoubleClick(event);
    const QPoint p = event->position().toPoint();
    if (OnMouseDown)
        OnMouseDown(this, event->button(), event->modifiers(), p.x(), p.y());
}

void TCustomControl::wheelEvent(QWheelEvent* event) {
    event->setAccepted(Wheel(event));
}

void TCustomControl::focusInEvent(QFocusEvent*) {
    FocusIn();
}

void TCustomControl::focusOutEvent(QFocusEvent*) {
    FocusOut();
}

void TCustomControl::scrollContentsBy(int, int) {}

bool TCustomControl::focusNextPrevChild(bool next) {
    if (wantTabs_)
        return false;
    return QAbstractScrollArea::focusNextPrevChild(next);
}

void TCustomControl::EnsureSurface() {
    QSize size = viewport()->size();
    if (surface_.size() == size)
        return;
    surface_ = QImage(size, QImage::Format_RGB32);
    surface_.fill(palette().color(QPalette::Base));
    invalid_ = QRegion(surface_.rect());
    Resized();
}

void TCustomControl::PaintInvalid(const QRegion& region) {
    QRegion todo = region & QRegion(surface_.rect());
    invalid_ -= todo;
    for (const QRect& rect : todo)
        Paint(FromQRect(rect));
}

} // namespace kes
