#pragma once

#include "support/TNotifyPersistent.h"
#include "textmodel/TEditorCursors.h"

#include <memory>

namespace kes {

enum TEditorCaretStyle { csDefault, csBrief };

// How dragging the selection starts: by the program (manual) or by the mouse (automatic).
enum TDragMode { dmManual, dmAutomatic };

// How the caret moves and what editing keys do. Only Style and TabSpaceCount report their
// changes (the editor clears undo and redo then, since a new tab width changes what the
// recorded columns mean); the rest are plain fields read when they are needed.
class TEditorCaret : public TNotifyPersistent {
public:
    TEditorCaret();
    ~TEditorCaret() override;

    void Assign(TPersistent* source) override;

    bool AutoCursor() const { return autoCursor_; }
    void SetAutoCursor(bool value) { autoCursor_ = value; }
    bool AutoIndent() const { return autoIndent_; }
    void SetAutoIndent(bool value) { autoIndent_ = value; }
    bool BackSpaceUnIndent() const { return backSpaceUnIndent_; }
    void SetBackSpaceUnIndent(bool value) { backSpaceUnIndent_ = value; }
    TEditorCursors* Cursors() const { return cursors_.get(); }
    void SetCursors(TEditorCursors* value) { cursors_->Assign(value); }
    bool FreeCaret() const { return freeCaret_; }
    void SetFreeCaret(bool value) { freeCaret_ = value; }
    bool FreeRow() const { return freeRow_; }
    void SetFreeRow(bool value) { freeRow_ = value; }
    bool InTab() const { return inTab_; }
    void SetInTab(bool value) { inTab_ = value; }
    bool KeepCaret() const { return keepCaret_; }
    void SetKeepCaret(bool value) { keepCaret_ = value; }
    bool LockScroll() const { return lockScroll_; }
    void SetLockScroll(bool value) { lockScroll_ = value; }
    bool NextLine() const { return nextLine_; }
    void SetNextLine(bool value) { nextLine_ = value; }
    bool PrevSpaceIndent() const { return prevSpaceIndent_; }
    void SetPrevSpaceIndent(bool value) { prevSpaceIndent_ = value; }
    bool RowSelect() const { return rowSelect_; }
    void SetRowSelect(bool value) { rowSelect_ = value; }
    TDragMode SelDragMode() const { return selDragMode_; }
    void SetSelDragMode(TDragMode value) { selDragMode_ = value; }
    bool SelMove() const { return selMove_; }
    void SetSelMove(bool value) { selMove_ = value; }
    bool SoftTab() const { return softTab_; }
    void SetSoftTab(bool value) { softTab_ = value; }
    TEditorCaretStyle Style() const { return style_; }
    void SetStyle(TEditorCaretStyle value) { SetProperty(style_, value); }
    bool TabIndent() const { return tabIndent_; }
    void SetTabIndent(bool value) { tabIndent_ = value; }
    // The tab width in columns: 2, 4, 6 or 8.
    int TabSpaceCount() const { return tabSpaceCount_; }
    void SetTabSpaceCount(int value);

private:
    bool autoCursor_ = true;
    bool autoIndent_ = true;
    bool backSpaceUnIndent_ = true;
    std::unique_ptr<TEditorCursors> cursors_;
    bool freeCaret_ = true;
    bool freeRow_ = false;
    bool inTab_ = false;
    bool keepCaret_ = false;
    bool lockScroll_ = false;
    bool nextLine_ = false;
    bool prevSpaceIndent_ = false;
    bool rowSelect_ = true;
    TDragMode selDragMode_ = dmAutomatic;
    bool selMove_ = true;
    bool softTab_ = false;
    TEditorCaretStyle style_ = csDefault;
    bool tabIndent_ = false;
    int tabSpaceCount_ = 8;
};

} // namespace kes
