#pragma once

#include "textmodel/TUndoDataList.h"
#include "toolkit/core/TObject.h"

namespace kes {

class TEditorScreenStrings;

// The undo and redo history of one row list, and so of every editor that shows it. Every
// UpdateRows records one entry; undoing puts the old text back through the same row
// machinery and turns the entry into a redo entry holding the text it removed.
class TEditorUndoObj : public TObject {
public:
    static constexpr int MinUndoListMax = 64;
    static constexpr size_t DefaultUndoBytesMax = size_t{256} << 20;

    explicit TEditorUndoObj(TEditorScreenStrings& rows);

    // Appends a fresh entry (caret of the active editor, start row -1, no rows, raNone, no
    // text) for the caller to fill, trims the history to the limit and, unless redoing,
    // ends the redo history.
    virtual TUndoData* NewUndoData();
    virtual bool CanRedo() const { return redoList_.Count() > 0; }
    virtual bool CanUndo() const { return undoList_.Count() > 0; }
    virtual void Redo();
    virtual void Undo();
    // Appends a copy of the entry to the redo list with the active editor's caret.
    virtual void AddRedoData(const TUndoData& entry);
    virtual void Clear();

    int UndoListMax() const { return undoListMax_; }
    // Never below 64.
    void SetUndoListMax(int value);

    // The bytes of text the undo and redo entries may hold together. Whole-text entries are
    // as large as the text, so the count limit alone does not bound the memory.
    size_t UndoBytesMax() const { return undoBytesMax_; }
    void SetUndoBytesMax(size_t value) { undoBytesMax_ = value; }
    // The bytes of text the undo and redo entries hold.
    size_t HeldBytes() const;
    // Releases the oldest undo entries, then the redo entries farthest from the text, while
    // the history holds more than UndoBytesMax bytes of text. The next step to undo and the
    // next to redo always stay. Run once an entry has its text.
    void LimitBytes();

    const TUndoDataList& UndoList() const { return undoList_; }
    const TUndoDataList& RedoList() const { return redoList_; }

private:
    struct Taken {
        std::string text;
        TRowAttribute attribute = raNone;
        int newCount = 0;
        TTextFormat format;
    };
    Taken Reapply(const TUndoData& entry);
    // Deletes an entry whose text is counted.
    void Release(TUndoDataList& list, int index);

    TEditorScreenStrings& rows_;
    int undoListMax_ = MinUndoListMax;
    size_t undoBytesMax_ = DefaultUndoBytesMax;
    // The text bytes of every entry but the newest undo entry, which its recorder may still
    // be filling; keeping the count spares summing the history on every keystroke.
    size_t countedBytes_ = 0;
    bool redoing_ = false;
    TUndoDataList redoList_;
    TUndoDataList undoList_;
};

} // namespace kes
