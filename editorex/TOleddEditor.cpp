#include "editorex/TOleddEditor.h"

#include "toolkit/core/ScopeGuard.h"
#include "toolkit/gui/TMimeText.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QFile>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>

#include <utility>

namespace kes {

const char* const TOleddEditor::TextFormat = "application/x-teditor-text";

namespace {

// The local files of a file list (text/uri-list); empty when data offers none.
std::vector<std::string> LocalFiles(const QMimeData& data) {
    std::vector<std::string> files;
    if (!data.hasUrls())
        return files;
    for (const QUrl& url : data.urls())
        if (url.isLocalFile())
            files.push_back(QFile::encodeName(url.toLocalFile()).toStdString());
    return files;
}

bool OffersText(const QMimeData& data) {
    return TMimeText::HasText(data, TOleddEditor::TextFormat);
}

TPoint ClientPoint(const QDropEvent& event) {
    const QPoint p = event.position().toPoint();
    return {p.x(), p.y()};
}

// Accepts the drag with the editor's action; a source that does not allow that action keeps
// the one it proposed.
void Answer(QDropEvent& event, Qt::DropAction effect) {
    if (event.possibleActions() & effect)
        event.setDropAction(effect);
    event.accept();
}

// While the editor's drag runs, Escape and a press of the right button cancel it.
class TDragCancelFilter final : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool escape = event->type() == QEvent::KeyPress &&
                            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape;
        const bool rightPress = event->type() == QEvent::MouseButtonPress &&
                                static_cast<QMouseEvent*>(event)->button() == Qt::RightButton;
        if (!escape && !rightPress)
            return QObject::eventFilter(watched, event);
        QDrag::cancel();
        return true;
    }
};

} // namespace

TOleddEditor::TOleddEditor(QWidget* parent) : TEditor(parent) {
    RegisterDropTarget();
}

TOleddEditor::~TOleddEditor() {
    RevokeDropTarget();
}

// ---- the drop target

void TOleddEditor::RegisterDropTarget() {
    viewport()->setAcceptDrops(true);
}

void TOleddEditor::RevokeDropTarget() {
    viewport()->setAcceptDrops(false);
}

void TOleddEditor::dragEnterEvent(QDragEnterEvent* event) {
    dragData_ = nullptr;
    const QMimeData* data = event->mimeData();
    if (ReadOnly() || !data || (LocalFiles(*data).empty() && !OffersText(*data))) {
        event->ignore();
        return;
    }
    dragData_ = data;
    Qt::DropAction effect = Qt::CopyAction;
    OleDragEnter(*data, event->modifiers(), effect, ClientPoint(*event));
    Answer(*event, effect);
}

void TOleddEditor::dragMoveEvent(QDragMoveEvent* event) {
    if (!dragData_) {
        event->ignore();
        return;
    }
    Qt::DropAction effect = Qt::CopyAction;
    OleDragOver(*dragData_, event->modifiers(), effect, ClientPoint(*event));
    Answer(*event, effect);
}

void TOleddEditor::dragLeaveEvent(QDragLeaveEvent*) {
    if (!dragData_)
        return;
    dragData_ = nullptr;
    OleDragLeave();
}

void TOleddEditor::dropEvent(QDropEvent* event) {
    if (!dragData_) {
        event->ignore();
        return;
    }
    const QMimeData& data = *dragData_;
    Qt::DropAction effect = Qt::CopyAction;
    WithCleanup([&] { OleDrop(data, event->modifiers(), effect, ClientPoint(*event)); },
                [this] { dragData_ = nullptr; });
    Answer(*event, effect);
}

void TOleddEditor::OleDragEnter(const QMimeData& data, Qt::KeyboardModifiers keyState,
                                Qt::DropAction& effect, TPoint point) {
    if (!OwnDrag(data))
        SaveCaret();
    OleDragOver(data, keyState, effect, point);
}

void TOleddEditor::OleDragOver(const QMimeData& data, Qt::KeyboardModifiers keyState,
                               Qt::DropAction& effect, TPoint point) {
    // The caret shows where the text goes, so the editor takes the focus.
    if (!hasFocus()) {
        activateWindow();
        setFocus(Qt::OtherFocusReason);
    }
    ShowCaretAfterLeave();
    MoveCaretToPoint(point);
    effect = !OwnDrag(data) || (keyState & Qt::ControlModifier) ? Qt::CopyAction : Qt::MoveAction;
}

void TOleddEditor::OleDragLeave() {
    RestoreCaret();
    // As after a loss of the focus: the caret goes until the drag comes back or the focus does.
    FocusOut();
    caretHiddenByLeave_ = true;
}

void TOleddEditor::ShowCaretAfterLeave() {
    if (caretHiddenByLeave_ && hasFocus())
        FocusIn();
}

void TOleddEditor::FocusIn() {
    caretHiddenByLeave_ = false;
    TEditor::FocusIn();
}

void TOleddEditor::KeyDown(QKeyEvent* event) {
    ShowCaretAfterLeave();
    TEditor::KeyDown(event);
}

void TOleddEditor::OleDrop(const QMimeData& data, Qt::KeyboardModifiers keyState, Qt::DropAction&,
                           TPoint point) {
    const std::vector<std::string> files = LocalFiles(data);
    if (!files.empty())
        DropFiles(files, keyState, point);
    else if (OffersText(data))
        DropText(TMimeText::Text(data, TextFormat), OwnDrag(data), point,
                 keyState & Qt::ControlModifier);
}

void TOleddEditor::DropText(const std::string& text, bool own, TPoint point, bool copy) {
    ownDragOpen_ = false;
    int row = 0;
    int col = 0;
    DropPointCell(point.X, point.Y, row, col);
    // Inserted text goes in at the caret, which the drag put on the drop point.
    if (IsInSelection(row, col)) {
        CleanSelection();
        if (!own)
            SetSelText(text);
    } else if (!own || copy) {
        CleanSelection();
        SetSelText(text);
    } else {
        SetRowCol(row, col);
        MoveSelectionTo(Row(), Col());
    }
}

void TOleddEditor::DropFiles(const std::vector<std::string>& files, Qt::KeyboardModifiers keyState,
                             TPoint point) {
    if (OnDropFiles)
        OnDropFiles(this, files, keyState, point);
}

// ---- the caret during a drag

void TOleddEditor::MoveCaretToPoint(TPoint point) {
    int row = 0;
    int col = 0;
    DropPointCell(point.X, point.Y, row, col);
    SetRowCol(row, col);
}

void TOleddEditor::SaveCaret() {
    savedRow_ = Row();
    savedCol_ = Col();
}

void TOleddEditor::RestoreCaret() {
    SetRowCol(savedRow_, savedCol_);
}

// ---- dragging the selection out

void TOleddEditor::LeftButtonDown(QMouseEvent* event) {
    SaveCaret();
    TEditor::LeftButtonDown(event);
}

void TOleddEditor::MouseDown(QMouseEvent* event) {
    ShowCaretAfterLeave();
    TEditor::MouseDown(event);
    dragPending_ = false;
    if (event->button() != Qt::LeftButton || Caret()->SelDragMode() != dmManual || !CanSelDrag() ||
        (event->modifiers() & Qt::ShiftModifier))
        return;
    // A Shift press only extends the selection; a press inside it left the caret there.
    const QPoint p = event->position().toPoint();
    if (p.x() < LeftMargin() || !IsInSelection(Row(), Col()))
        return;
    // Moves before the drag starts select nothing.
    EndButtonPress();
    dragPending_ = true;
    dragPress_ = p;
}

void TOleddEditor::MouseMove(QMouseEvent* event) {
    if (dragPending_ && (event->buttons() & Qt::LeftButton) &&
        (event->position().toPoint() - dragPress_).manhattanLength() >=
            QApplication::startDragDistance()) {
        dragPending_ = false;
        StartDrag();
        return;
    }
    TEditor::MouseMove(event);
}

void TOleddEditor::MouseUp(QMouseEvent* event) {
    // Pressed and released in place: a click, which leaves the caret at the press cell.
    if (event->button() == Qt::LeftButton && std::exchange(dragPending_, false))
        CleanSelection();
    TEditor::MouseUp(event);
}

void TOleddEditor::StartDrag() {
    auto* data = new QMimeData;
    TMimeText::SetText(*data, SelText(), TextFormat);
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    ownDrag_ = data;
    ownDragOpen_ = true;
    TDragCancelFilter filter;
    qApp->installEventFilter(&filter);
    // What the drop reports back is not used: text dropped in another program stays here.
    WithCleanup([&] { RunDrag(drag); },
                [&] {
                    qApp->removeEventFilter(&filter);
                    ownDrag_ = nullptr;
                });
    // Cancelled, dropped elsewhere or dropped as files.
    if (ownDragOpen_)
        RestoreCaret();
    ShowCaretAfterLeave();
}

void TOleddEditor::RunDrag(QDrag* drag) {
    drag->exec(Qt::CopyAction | Qt::MoveAction);
}

} // namespace kes
