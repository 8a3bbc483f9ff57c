#pragma once

#include "toolkit/core/TCursor.h"
#include "toolkit/core/TMethod.h"
#include "toolkit/core/TObject.h"
#include "toolkit/core/TRect.h"
#include "toolkit/gui/TCanvas.h"
#include "toolkit/gui/TDrawnCaret.h"

#include <QAbstractScrollArea>
#include <QImage>
#include <QRegion>

#include <memory>

class QFocusEvent;
class QInputMethodEvent;
class QKeyEvent;
class QMouseEvent;
class QWheelEvent;

namespace kes {

// What the user asked of a scroll bar: a step at an arrow, a page in the trough, an end, or
// the thumb dragged to a position.
enum TScrollCode { scLineUp, scLineDown, scPageUp, scPageDown, scTop, scBottom, scTrack };

// The published mouse events of a control, with the modifier keys held and the point in client
// coordinates. A wheel handler sets handled to keep the event from going further.
using TMouseEvent = TMethod<void(TObject* sender, Qt::MouseButton button,
                                 Qt::KeyboardModifiers shift, int x, int y)>;
using TMouseMoveEvent =
    TMethod<void(TObject* sender, Qt::KeyboardModifiers shift, int x, int y)>;
using TMouseWheelEvent = TMethod<void(TObject* sender, Qt::KeyboardModifiers shift,
                                      int wheelDelta, TPoint mousePos, bool& handled)>;
using TMouseWheelUpDownEvent =
    TMethod<void(TObject* sender, Qt::KeyboardModifiers shift, TPoint mousePos, bool& handled)>;

// A focusable, self-drawn control with two scroll bars, the base of the editor.
//
// Everything the control draws goes into its surface, an image of the viewport's size that it
// keeps between paints; the screen is refreshed from the surface. So the control may draw at
// any moment (an underline, a ruler mark, a caret row), not only inside a paint event, and
// scrolling moves the surface's pixels and paints only the strip that was uncovered. The
// caret is drawn over the surface when the screen is refreshed and never lands in it.
//
// Coordinates are client coordinates: (0, 0) is the top-left pixel of the viewport.
class TCustomControl : public QAbstractScrollArea, public TObject {
    Q_OBJECT

public:
    explicit TCustomControl(QWidget* parent = nullptr);
    ~TCustomControl() override;

    // The canvas over the surface.
    TCanvas* Canvas() { return canvas_.get(); }
    const QImage& Surface() const { return surface_; }
    int ClientWidth() const;
    int ClientHeight() const;
    TRect ClientRect() const { return Rect(0, 0, ClientWidth(), ClientHeight()); }

    // Marks a part of the client for painting: Paint is called for it before the screen is
    // refreshed next (at the latest when the event loop runs again).
    void Invalidate();
    void InvalidateRect(const TRect& rect);
    // Paints what is invalid now (Paint into the surface), then schedules the screen refresh.
    void UpdateNow();
    // Paints rect into the surface at once ("paint at once"), whether it was invalid or not.
    void PaintNow(const TRect& rect);
    // Moves the surface's pixels inside scroll (intersected with clip when clip is not empty)
    // by (dx, dy), then paints the uncovered part at once.
    void ScrollRect(int dx, int dy, const TRect& scroll, const TRect& clip);

    // Scroll bars. The ranges are the control's own: position, minimum, maximum and page
    // are taken as they come, the maximum being the last unit of the whole extent, so the
    // highest position is maximum - page + 1 (at least minimum). Setting them never calls
    // ScrollRequest.
    void SetScrollBarsShown(bool horizontal, bool vertical);
    bool HorizontalScrollBarShown() const;
    bool VerticalScrollBarShown() const;
    // The height of the horizontal and the width of the vertical scroll bar (its extent
    // whether shown or not), as the geometry of a control with scroll bars needs it.
    int ScrollBarHeight() const;
    int ScrollBarWidth() const;
    void SetVerticalScroll(int minimum, int maximum, int page, int position);
    void SetHorizontalScroll(int minimum, int maximum, int page, int position);

    // The mouse cursor by the toolkit's number (crIBeam, crDefault, crDrag, crRightArrow,
    // crDragSelCopy; unknown numbers show the arrow).
    void SetCursorId(TCursor cursor);
    TCursor CursorId() const { return cursorId_; }

    // The caret standing in for the system caret.
    TDrawnCaret& SystemCaret() { return caret_; }

    bool Focused() const { return hasFocus(); }
    // The control is visible on screen and has a surface.
    bool Showing() const;

    // Whether the Tab key is the control's (true) or moves the focus (false).
    void SetWantTabs(bool value) { wantTabs_ = value; }

    // Fired after the control's own handling of a press and a move, before it for a release;
    // OnClick after a left press and release on the control, OnDblClick on a double click.
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseWheelEvent OnMouseWheel;
    TMouseWheelUpDownEvent OnMouseWheelDown;
    TMouseWheelUpDownEvent OnMouseWheelUp;

protected:
    // Draws the part clip of the client into the surface (through Canvas()).
    virtual void Paint(const TRect& clip) = 0;
    // Hooks for input; the default does nothing.
    virtual void KeyDown(QKeyEvent* event);
    virtual void KeyUp(QKeyEvent* event);
    virtual void InputMethod(QInputMethodEvent* event);
    virtual void MouseDown(QMouseEvent* event);
    virtual void MouseMove(QMouseEvent* event);
    virtual void MouseUp(QMouseEvent* event);
    // Fires OnDblClick.
    virtual void DoubleClick(QMouseEvent* event);
    // Fires OnMouseWheel, then OnMouseWheelDown or OnMouseWheelUp, until one handles it;
    // true when one did.
    virtual bool Wheel(QWheelEvent* event);
    virtual void FocusIn();
    virtual void FocusOut();
    // The client size changed (the surface has the new size and is wholly invalid).
    virtual void Resized();
    // The user asked a scroll bar for a move (position: where the thumb was dragged to, else
    // the bar's position). The control moves its view and sets the bar's position itself; a
    // bar left alone stays where it was.
    virtual void ScrollRequest(Qt::Orientation orientation, TScrollCode code, int position);

    // Qt's side.
    bool event(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool focusNextPrevChild(bool next) override;

private:
    void EnsureSurface();
    void PaintInvalid(const QRegion& region);

    QImage surface_;
    std::unique_ptr<TCanvas> canvas_;
    QRegion invalid_;
    TDrawnCaret caret_;
    TCursor cursorId_ = crDefault;
    bool settingScrollBars_ = false;
    bool clickPending_ = false;
    bool wantTabs_ = true;
};

} // namespace kes
