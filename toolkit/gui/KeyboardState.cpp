#include "toolkit/gui/TClipboard.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPointer>

namespace kes {

namespace {

// Follows the Escape key through the application's key events: the desktop can be asked for
// the modifiers that are held, but not for any other key.
class EscapeKeyWatcher : public QObject {
public:
    using QObject::QObject;
    bool Down() const { return down_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
                down_ = event->type() == QEvent::KeyPress;
            break;
        case QEvent::ApplicationDeactivate:
            down_ = false;
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool down_ = false;
};

} // namespace

bool ControlKeyDown() {
    return qGuiApp && (QGuiApplication::queryKeyboardModifiers() & Qt::ControlModifier);
}

bool ShiftKeyDown() {
    return qGuiApp && (QGuiApplication::queryKeyboardModifiers() & Qt::ShiftModifier);
}

bool EscapeKeyDown() {
    static QPointer<EscapeKeyWatcher> watcher;
    if (!qGuiApp)
        return false;
    if (!watcher) {
        watcher = new EscapeKeyWatcher(qGuiApp);
        qGuiApp->installEventFilter(watcher);
    }
    return watcher->Down();
}

} // namespace kes
