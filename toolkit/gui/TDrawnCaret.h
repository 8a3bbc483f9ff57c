#pragma once

#include <QObject>
#include <QRect>
#include <QTimer>

class QImage;
class QPainter;
class QWidget;

namespace kes {

// The caret of a self-drawn control, standing in for the system caret: a rectangle that
// blinks at the desktop's cursor flash time and is drawn inverted over what lies under it.
// Like the system caret it is created with a shape, destroyed, placed, shown and hidden; a
// hidden caret is not drawn at all. The control refreshes the caret's rectangle on every
// change and draws it with Draw after copying its surface to the screen.
class TDrawnCaret : public QObject {
    Q_OBJECT

public:
    explicit TDrawnCaret(QWidget* viewport);

    // A new caret of width x height pixels; it starts hidden at (0, 0).
    void Create(int width, int height);
    void Destroy();
    bool Exists() const { return exists_; }
    void SetPos(int x, int y);
    QRect Rect() const;
    void Show();
    void Hide();
    bool Shown() const { return shown_; }
    // Whether the caret is in the "on" phase of its blinking (always on without blinking).
    bool On() const { return exists_ && shown_ && on_; }

    // Inverts the caret's rectangle in image (what the screen shows) when it is on.
    void Draw(QPainter& painter, const QImage& surface) const;

private:
    void Blink();
    // Starts the "on" phase anew (after a move or a show) and refreshes the caret.
    void Restart();
    void Refresh();

    QWidget* viewport_;
    QTimer timer_;
    QRect rect_;
    bool exists_ = false;
    bool shown_ = false;
    bool on_ = true;
};

} // namespace kes
