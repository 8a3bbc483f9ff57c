#include "textmodel/TEditorUndoObj.h"

#include "textmodel/TEditorScreenStrings.h"
#include "textmodel/TScreenStringsView.h"
#include "toolkit/core/ScopeGuard.h"

#include <algorithm>
#include <utility>

namespace kes {

namespace {

// Hides the caret of the editor being undone in and runs body, which re-applies an entry
// and returns where the caret goes, inside one update of the rows. The caret is placed once
// the update is over and shown again on every way out, also when re-applying fails.
template <class Body>
void ReapplyInUpdate(TEditorScreenStrings& rows, TScreenStringsView* editor, Body body) {
    if (editor)
        editor->HideCaret();
    WithCleanup(
        [&] {
            const std::pair<int, int> caret = WithUpdate(rows, body);
            if (editor) {
                editor->SetRow(caret.first);
                editor->SetCol(caret.second);
            }
        },
        [editor] {
            if (editor)
                editor->ShowCaret();
        });
}

} // namespace

TEditorUndoObj::TEditorUndoObj(TEditorScreenStrings& rows) : rows_(rows) {}

void TEditorUndoObj::SetUndoListMax(int value) {
    undoListMax_ = std::max(MinUndoListMax, value);
}

TUndoData* TEditorUndoObj::NewUndoData() {
    auto entry = std::make_unique<TUndoData>();
    if (TScreenStringsView* editor = rows_.ActiveEditor()) {
        entry->Row = editor->Row();
        entry->Col = editor->Col();
    }
    // The entry that was the newest has its text by now: it is counted from here on.
    if (const TUndoData* last = undoList_.Last())
        countedBytes_ += last->Text.size();
    TUndoData* added = undoList_.Add(std::move(entry));
    while (undoList_.Count() > undoListMax_)
        Release(undoList_, 0);
    if (!redoing_)
        while (redoList_.Count() > 0)
            Release(redoList_, redoList_.Count() - 1);
    return added;
}

size_t TEditorUndoObj::HeldBytes() const {
    const TUndoData* newest = undoList_.Last();
    return countedBytes_ + (newest ? newest->Text.size() : 0);
}

void TEditorUndoObj::Release(TUndoDataList& list, int index) {
    countedBytes_ -= list.Items(index)->Text.size();
    list.Delete(index);
}

void TEditorUndoObj::LimitBytes() {
    for (TUndoDataList* list : {&undoList_, &redoList_})
        while (HeldBytes() > undoBytesMax_ && list->Count() > 1)
            Release(*list, 0);
}

void TEditorUndoObj::AddRedoData(const TUndoData& entry) {
    auto copy = std::make_unique<TUndoData>(entry);
    if (TScreenStringsView* editor = rows_.ActiveEditor()) {
        copy->Row = editor->Row();
        copy->Col = editor->Col();
    }
    countedBytes_ += copy->Text.size();
    redoList_.Add(std::move(copy));
}

void TEditorUndoObj::Clear() {
    undoList_.Clear();
    redoList_.Clear();
    countedBytes_ = 0;
}

// Puts the entry's text back in place of the rows the entry says its edit left, and returns
// what it took out.
TEditorUndoObj::Taken TEditorUndoObj::Reapply(const TUndoData& entry) {
    Taken taken;
    if (entry.WholeText) {
        TEditorScreenStrings::RowsText old = rows_.RefillRows(entry.Text, entry.Attribute);
        taken.text = std::move(old.text);
        taken.attribute = old.attribute;
        taken.newCount = rows_.GetCount();
        taken.format = rows_.TextFormat();
        rows_.SetTextFormat(entry.Format);
        rows_.SetUpdateInfo({0, old.rows, taken.newCount, 0, true});
        return taken;
    }
    int oldCount = 0;
    if (entry.RowCount != 0) {
        TEditorScreenStrings::RowsText current = rows_.GetRowsText(entry.StartRow, entry.RowCount);
        taken.text = std::move(current.text);
        taken.attribute = current.attribute;
        oldCount = current.rows;
    }
    if (entry.Attribute == raNone) {
        // The edit rewrote no existing row: undoing it only removes rows.
        TRowMarks marks = rows_.DeleteRows(entry.StartRow, oldCount);
        if (rows_.GetCount() == 0) {
            rows_.ExcludeRowMarks(marks);
        } else if (marks != 0) {
            int keeper = std::min(entry.StartRow, rows_.GetCount() - 1);
            rows_.SetRowMarks(keeper, static_cast<TRowMarks>(rows_.RowMarks(keeper) | marks));
        }
        taken.newCount = 0;
    } else {
        TEditorStringList list;
        rows_.RowsOfText(entry.Text, entry.Attribute, list);
        if (entry.Attribute == raContinued && list.GetCount() > 1 &&
            list.View(list.GetCount() - 1).empty())
            list.Delete(list.GetCount() - 1);
        list.SetRowAttributes(list.GetCount() - 1, entry.Attribute);
        rows_.ReplaceRows(entry.StartRow, oldCount, list);
        taken.newCount = list.GetCount();
    }
    TEditorUpdateInfo info;
    info.StartRow = entry.StartRow;
    info.OldCount = oldCount;
    info.NewCount = taken.newCount;
    info.ParsedCount = rows_.UpdateParseState(entry.StartRow, true);
    info.Valid = true;
    rows_.SetUpdateInfo(info);
    return taken;
}

void TEditorUndoObj::Undo() {
    TUndoData* entry = undoList_.Last();
    if (!entry)
        return;
    ReapplyInUpdate(rows_, rows_.ActiveEditor(), [&] {
        Taken taken = Reapply(*entry);
        entry->RowCount = taken.newCount;
        entry->Attribute = taken.attribute;
        // The texts move rather than copy: a whole-text entry is as large as the text.
        entry->Text = std::string();
        AddRedoData(*entry);
        countedBytes_ += taken.text.size();
        redoList_.Last()->Text = std::move(taken.text);
        redoList_.Last()->Format = taken.format;
        // The entry is spent before the editors hear of the change: they see the history as
        // it now is, and an editor that fails on the notice cannot leave the turned entry
        // behind for a second undo to re-apply as if it were the edit.
        const std::pair<int, int> caret{entry->Row, entry->Col};
        undoList_.Delete(undoList_.Count() - 1);
        // The entry below becomes the newest, which is not counted.
        if (const TUndoData* last = undoList_.Last())
            countedBytes_ -= last->Text.size();
        LimitBytes();
        return caret;
    });
}

void TEditorUndoObj::Redo() {
    TUndoData* entry = redoList_.Last();
    if (!entry)
        return;
    ReapplyInUpdate(rows_, rows_.ActiveEditor(), [&] {
        Taken taken = Reapply(*entry);
        redoing_ = true;
        TUndoData* undo = NewUndoData();
        redoing_ = false;
        undo->StartRow = entry->StartRow;
        undo->RowCount = taken.newCount;
        undo->Attribute = taken.attribute;
        undo->Text = std::move(taken.text);
        undo->WholeText = entry->WholeText;
        undo->Format = taken.format;
        const std::pair<int, int> caret{entry->Row, entry->Col};
        Release(redoList_, redoList_.Count() - 1);
        LimitBytes();
        return caret;
    });
}

} // namespace kes
