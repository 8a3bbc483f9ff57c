#pragma once

#include "editor/TEditor.h"

#include <QPoint>

#include <string>
#include <vector>

class QDrag;
class QDragEnterEvent;
class QDragLeaveEvent;
class QDragMoveEvent;
class QDropEvent;
class QMimeData;

namespace kes {

// Files dropped on the editor: their local paths (as the file system spells them), the
// modifier keys held at the drop and the drop point in client coordinates.
using TDropFilesEvent = TMethod<void(TObject* sender, const std::vector<std::string>& files,
                                     Qt::KeyboardModifiers keyState, TPoint point)>;

// The editor with the desktop's drag and drop: text is dragged out of it into other programs,
// text and files are dropped into it from other programs, and the selection is moved or
// copied inside it the same way (with the caret options' SelDragMode at dmManual; dmAutomatic
// leaves dragging to the control's own handling).
//
// Both ends use Qt's drag and drop. The viewport accepts drops of a file list (text/uri-list
// of local files) or of text, the file list first when a drag offers both; addresses that
// are not local files are text. A drag the editor starts carries its selected text twice: as
// Unicode text for other programs and as the exact bytes under TextFormat, which another
// editor takes in their place.
//
// The editor's drag starts once the pointer pressed inside the selection has moved the
// desktop's drag distance; released before that, the press is a click, which clears the
// selection and leaves the caret where it was pressed. Escape or a press of the right button
// cancels the drag. A read-only editor takes no drop and starts no drag.
//
// While a drag runs over the editor the caret follows the pointer and marks the drop point;
// a drag that leaves again, or a drag of this editor's that is cancelled, dropped elsewhere or
// dropped as files, gives the caret back its place from before. Text dragged into another
// program is never removed here, whatever that program reports.
class TOleddEditor : public TEditor {
    Q_OBJECT

public:
    static const char* const TextFormat;

    explicit TOleddEditor(QWidget* parent = nullptr);
    ~TOleddEditor() override;

    // Without a handler a file drop does nothing.
    TDropFilesEvent OnDropFiles;

    // ---- Overridable operations -------------------------------------------------------------
    // Whether the viewport takes drops.
    virtual void RevokeDropTarget();
    virtual void DropFiles(const std::vector<std::string>& files, Qt::KeyboardModifiers keyState,
                           TPoint point);
    // Text dropped at a client point: own when it comes from this editor's drag, copy when
    // Control was held.
    virtual void DropText(const std::string& text, bool own, TPoint point, bool copy);
    virtual void RegisterDropTarget();
    virtual void MoveCaretToPoint(TPoint point);
    virtual void RestoreCaret();
    virtual void SaveCaret();
    // The drag's handlers over the viewport: the drag's data, the modifier keys, the action
    // the editor answers (copy unless a handler changes it) and the client point.
    virtual void OleDrop(const QMimeData& data, Qt::KeyboardModifiers keyState,
                         Qt::DropAction& effect, TPoint point);
    virtual void OleDragEnter(const QMimeData& data, Qt::KeyboardModifiers keyState,
                              Qt::DropAction& effect, TPoint point);
    virtual void OleDragLeave();
    virtual void OleDragOver(const QMimeData& data, Qt::KeyboardModifiers keyState,
                             Qt::DropAction& effect, TPoint point);

protected:
    // Runs the desktop's modal drag loop for drag (copy and move allowed) and returns when it
    // ends; the drop events reach the targets meanwhile. The drag is handed over: Qt frees it
    // once a target in another program has fetched the data, which may be after the loop.
    virtual void RunDrag(QDrag* drag);

    void LeftButtonDown(QMouseEvent* event) override;
    void KeyDown(QKeyEvent* event) override;
    void FocusIn() override;
    void MouseDown(QMouseEvent* event) override;
    void MouseMove(QMouseEvent* event) override;
    void MouseUp(QMouseEvent* event) override;

    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // The drag of the selection: the pointer pressed inside it waits for the drag distance.
    void StartDrag();
    // A drag that left the viewport hid the caret as a loss of the focus does, but the editor
    // may have kept the focus: the caret shows again when a drag comes back, the drag of the
    // editor's own ends, or a press or a key reaches the editor.
    void ShowCaretAfterLeave();
    bool OwnDrag(const QMimeData& data) const { return &data == ownDrag_; }

    // The data of the drag over the viewport, from drag enter to drag leave or drop.
    const QMimeData* dragData_ = nullptr;
    // The data of the drag this editor started, while it runs.
    const QMimeData* ownDrag_ = nullptr;
    // Set when this editor starts a drag, cleared when text is dropped on it.
    bool ownDragOpen_ = false;
    // A press inside the selection that has not moved the drag distance yet.
    bool dragPending_ = false;
    QPoint dragPress_;
    bool caretHiddenByLeave_ = false;
    int savedRow_ = 0;
    int savedCol_ = 0;
};

} // namespace kes
