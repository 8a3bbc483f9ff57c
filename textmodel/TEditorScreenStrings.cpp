#include "textmodel/TEditorScreenStrings.h"

#include "fountain/TFountain.h"
#include "fountain/TFountainParser.h"
#include "textmodel/TCharAttributes.h"
#include "textmodel/TEditorUndoObj.h"
#include "textmodel/TEditorWrapOption.h"
#include "textmodel/TLineWrapper.h"
#include "textmodel/TScreenStringsView.h"
#include "toolkit/core/ScopeGuard.h"
#include "toolkit/core/TLineSplitter.h"

#include <algorithm>
#include <climits>

namespace kes {

namespace {

// A text ending in CR ends with a line break as much as one ending in LF does.
bool EndsWithLineBreak(std::string_view text) {
    return !text.empty() && (text.back() == '\n' || text.back() == '\r');
}

} // namespace

// Runs a whole-text re-cut inside one update of the rows with their change event detached,
// attaching it again on every way out, so that a failed re-cut does not leave the editors deaf
// to later edits.
template <class Body> void TEditorScreenStrings::WithDetachedChangeEvent(Body body) {
    TNotifyEvent saved = OnChange;
    OnChange = {};
    WithCleanup([&] { WithUpdate(*this, body); }, [&] { OnChange = saved; });
}

TEditorScreenStrings::TEditorScreenStrings() {
    undoObj_ = CreateUndoObj();
    wrapOption_ = CreateWrapOption();
    OnChange = MethodOf<&TEditorScreenStrings::ChangeHandler>(this);
}

TEditorScreenStrings::~TEditorScreenStrings() {
    OnChange = {};
    OnChanging = {};
}

std::unique_ptr<TEditorUndoObj> TEditorScreenStrings::CreateUndoObj() {
    return std::make_unique<TEditorUndoObj>(*this);
}

std::unique_ptr<TEditorWrapOption> TEditorScreenStrings::CreateWrapOption() {
    auto option = std::make_unique<TEditorWrapOption>();
    option->OnChange = MethodOf<&TEditorScreenStrings::WrapOptionChanged>(this);
    return option;
}

void TEditorScreenStrings::SetWrapOption(TEditorWrapOption* value) {
    wrapOption_->Assign(value);
}

// ---- editors

void TEditorScreenStrings::AddEditor(TScreenStringsView* editor) {
    if (editor && std::find(editors_.begin(), editors_.end(), editor) == editors_.end())
        editors_.push_back(editor);
}

void TEditorScreenStrings::RemoveEditor(TScreenStringsView* editor) {
    auto it = std::find(editors_.begin(), editors_.end(), editor);
    if (it == editors_.end())
        return;
    editors_.erase(it);
    if (editors_.empty())
        delete this;
}

TScreenStringsView* TEditorScreenStrings::OwnerEditor() const {
    return editors_.empty() ? nullptr : editors_.front();
}

TScreenStringsView* TEditorScreenStrings::ActiveEditor() const {
    for (TScreenStringsView* editor : editors_)
        if (editor->Focused())
            return editor;
    return OwnerEditor();
}

void TEditorScreenStrings::ChangeHandler(TObject*) {
    for (size_t i = 0; i < editors_.size(); ++i)
        editors_[i]->DoChange();
}

void TEditorScreenStrings::CancelSelections() {
    for (TScreenStringsView* editor : editors_)
        if (editor->HasSelection())
            editor->CleanSelection();
}

int TEditorScreenStrings::MaxRow() const {
    int count = GetCount();
    return count > 0 && RowAttributes(count - 1) == raTextEnd ? count - 1 : count;
}

void TEditorScreenStrings::ClampEditors() {
    int maxRow = MaxRow();
    for (TScreenStringsView* editor : editors_) {
        if (editor->Row() > maxRow)
            editor->SetRow(maxRow);
        if (editor->TopRow() > maxRow)
            editor->SetTopRow(maxRow);
    }
}

void TEditorScreenStrings::Changed() {
    NoteChange();
    TEditorStringList::Changed();
}

void TEditorScreenStrings::NoteChange() {
    ++version_;
    changes_[version_ % changes_.size()] = {version_, TakeLowestChanged()};
}

int TEditorScreenStrings::UnchangedRowsSince(uint64_t version) const {
    if (version > version_ || version_ - version > changes_.size())
        return 0;
    int rows = INT_MAX;
    for (uint64_t v = version + 1; v <= version_; ++v) {
        const TChangeNote& note = changes_[v % changes_.size()];
        if (note.version != v)
            return 0;
        rows = std::min(rows, note.row);
    }
    return rows;
}

void TEditorScreenStrings::SetUpdateState(bool updating) {
    if (updating) {
        TEditorStringList::SetUpdateState(true);
        return;
    }
    // The record is spent and the editors clamped also when an editor fails on the notice.
    WithCleanup([this] { TEditorStringList::SetUpdateState(false); },
                [this] {
                    updateInfo_ = TEditorUpdateInfo();
                    ClampEditors();
                });
}

// ---- marks

void TEditorScreenStrings::ExcludeRowMarks(TRowMarks marks) {
    usedMarks_ = static_cast<TRowMarks>(usedMarks_ & ~marks);
}

void TEditorScreenStrings::IncludeRowMarks(TRowMarks marks) {
    usedMarks_ = static_cast<TRowMarks>(usedMarks_ | marks);
}

void TEditorScreenStrings::Undo() {
    undoObj_->Undo();
}
void TEditorScreenStrings::Redo() {
    undoObj_->Redo();
}

// ---- wrapping

TLineWrapper& TEditorScreenStrings::Wrapper() {
    if (!wrapper_) {
        wrapper_ = std::make_unique<TLineWrapper>(
            *wrapOption_, [this](std::string_view text, std::string& attributes) {
                if (TScreenStringsView* owner = OwnerEditor()) {
                    owner->StrToAttributes(text, attributes);
                    return;
                }
                // Without an editor, columns are measured as a fresh editor measures them.
                TCharAttributes rule;
                rule.wordWrap = wordWrap_;
                rule.wrapByte = wrapOption_->WrapByte();
                rule.Build(text, attributes);
            });
    }
    return *wrapper_;
}

void TEditorScreenStrings::StrToWrapList(std::string_view text, TEditorStringList& list) {
    list.Clear();
    // A list of rows is never empty: an empty text is one empty row.
    ForEachLine(text, {.nulEndsText = true, .emptyTextIsALine = true}, [&](const TTextLine& l) {
        std::string_view line = l.text;
        if (!wordWrap_) {
            list.Add(std::string(line));
            return;
        }
        for (const TWrapPiece& piece : Wrapper().Cut(line)) {
            int index = list.Add(std::string(line.substr(piece.start, piece.length)));
            if (piece.continued)
                list.SetRowAttributes(index, raContinued);
        }
    });
}

void TEditorScreenStrings::RowsOfText(std::string_view text, TRowAttribute lastAttribute,
                                      TEditorStringList& list) {
    StrToWrapList(text, list);
    if (lastAttribute == raTextEnd && EndsWithLineBreak(TextBeforeNul(text)))
        list.Add(std::string());
    list.SetRowAttributes(list.GetCount() - 1, lastAttribute);
}

void TEditorScreenStrings::AppendLine(std::string_view line) {
    TScreenStringsView* owner = OwnerEditor();
    // The row texts pass through one buffer, so that loading allocates once per row.
    if (!wordWrap_ || (owner && owner->Loading())) {
        rowBuffer_.assign(line);
        Add(rowBuffer_);
        return;
    }
    for (const TWrapPiece& piece : Wrapper().Cut(line)) {
        rowBuffer_.assign(line.substr(piece.start, piece.length));
        int index = Add(rowBuffer_);
        if (piece.continued)
            SetRowAttributes(index, raContinued);
    }
}

void TEditorScreenStrings::AppendText(std::string_view text) {
    if (!wordWrap_) {
        const int needed = GetCount() + static_cast<int>(CountLines(text));
        if (needed > Capacity())
            SetCapacity(needed);
    }
    bool broken = true;
    ForEachLine(text, {}, [&](const TTextLine& line) {
        AppendLine(line.text);
        broken = line.broken;
    });
    if (!broken)
        SetRowAttributes(GetCount() - 1, raTextEnd);
}

int TEditorScreenStrings::WrapCount(std::string_view line) {
    if (!wordWrap_)
        return 1;
    return static_cast<int>(Wrapper().Cut(line).size());
}

// ---- rows

int TEditorScreenStrings::FirstRowOfLine(int row) const {
    while (row > 0 && row <= GetCount() && RowAttributes(row - 1) == raContinued)
        --row;
    return row;
}

int TEditorScreenStrings::LastRowOfLine(int row) const {
    if (row < 0)
        return row;
    while (row < GetCount() - 1 && RowAttributes(row) == raContinued)
        ++row;
    return row;
}

TEditorScreenStrings::RowsText TEditorScreenStrings::GetRowsText(int row, int count) const {
    RowsText result;
    if (row < 0 || row >= GetCount())
        return result;
    if (count == -1)
        count = LastRowOfLine(row) - row + 1;
    count = std::min(count, GetCount() - row);
    if (count <= 0)
        return result;
    size_t length = 0;
    for (int i = row; i < row + count; ++i)
        length += View(i).size() + RowEnding(RowAttributes(i)).size();
    result.text.reserve(length);
    for (int i = row; i < row + count; ++i) {
        result.text += View(i);
        result.text += RowEnding(RowAttributes(i));
    }
    result.rows = count;
    result.attribute = RowAttributes(row + count - 1);
    return result;
}

TRowMarks TEditorScreenStrings::DeleteRows(int row, int count) {
    if (row < 0 || row >= GetCount() || count <= 0)
        return 0;
    count = std::min(count, GetCount() - row);
    return WithUpdate(*this, [&] {
        TRowMarks marks = 0;
        for (int i = 0; i < count; ++i) {
            marks = static_cast<TRowMarks>(marks | RowMarks(row));
            Delete(row);
        }
        return marks;
    });
}

void TEditorScreenStrings::ReplaceRows(int row, int count, const TEditorStringList& list) {
    const int k = list.GetCount();
    WithUpdate(*this, [&] {
        if (k < count) {
            TRowMarks deleted = DeleteRows(row, count - k);
            if (k > 0)
                SetRowMarks(row, static_cast<TRowMarks>(RowMarks(row) | deleted));
            else
                ExcludeRowMarks(deleted);
        } else if (k > count) {
            // New rows go in right after the first old row, so the old rows behind them keep
            // their marks on the same text, counted from the end of the range.
            int at = count > 0 ? row + 1 : row;
            for (int i = 0; i < k - count; ++i)
                Insert(at, std::string());
            if (count > 0) {
                TScreenStringsView* active = ActiveEditor();
                if (active && active->Col() == 0) {
                    // A line opened at column 0 pushes the mark down with its text.
                    SetRowMarks(row + k - count, RowMarks(row));
                    SetRowMarks(row, 0);
                }
            }
        }
        for (int i = 0; i < k; ++i) {
            int target = row + i;
            Put(target, std::string(list.View(i)));
            TRowMarks marks = static_cast<TRowMarks>(RowMarks(target) | list.RowMarks(i));
            SetRowData(target, list.RowData(i));
            SetRowMarks(target, marks);
            SetTags(target, list.Tags(i));
            if (list.BracketIndexes(i) != -2)
                parsedEnd_ = std::max(parsedEnd_, target + 1);
        }
    });
}

void TEditorScreenStrings::UpdateRows(int row, int count, std::string_view text) {
    // The new text ends at a NUL byte. Cutting it here, before the rows around the edit are
    // joined to it, keeps those rows: cut later, a NUL would take them away with it.
    text = TextBeforeNul(text);
    if (row < 0 || count < 0 || row + count > GetCount() || (count == 0 && text.empty()))
        return;
    // Text added after a last row that has no line break belongs to that row; appending it
    // as rows of its own would leave a raTextEnd row in the middle of the text.
    if (count == 0 && row == GetCount() && row > 0 && RowAttributes(row - 1) != raLineEnd) {
        std::string joined(View(row - 1));
        joined += text;
        UpdateRows(row - 1, 1, joined);
        return;
    }
    const int top = std::max(FirstRowOfLine(row), row - 1);
    const int last = row + count - 1;
    int tail = LastRowOfLine(last);
    WithUpdate(*this, [&] {
        TUndoData& undo = *undoObj_->NewUndoData();
        TEditorUpdateInfo info;
        info.Valid = true;
        if (row == top && tail == last && text.empty()) {
            // Whole lines deleted.
            RowsText old = GetRowsText(row, count);
            undo.StartRow = row;
            undo.Text = std::move(old.text);
            undo.Attribute = old.attribute;
            undo.RowCount = 0;
            TRowMarks marks = DeleteRows(row, count);
            if (GetCount() == 0) {
                ExcludeRowMarks(marks);
            } else {
                int keeper = std::min(row, GetCount() - 1);
                SetRowMarks(keeper, static_cast<TRowMarks>(RowMarks(keeper) | marks));
            }
            undoObj_->LimitBytes();
            info.StartRow = row;
            info.OldCount = old.rows;
            info.NewCount = 0;
            info.ParsedCount = UpdateParseState(row, true);
            updateInfo_ = info;
            return;
        }
        TRowAttribute attribute;
        if (tail > last) {
            attribute = RowAttributes(tail);
        } else if (tail != GetCount() - 1) {
            // The following line is re-wrapped with the edit, so that a removed line break
            // joins it.
            tail = LastRowOfLine(tail + 1);
            attribute = RowAttributes(tail);
        } else {
            // The edit reaches the end of the text.
            attribute = EndsWithLineBreak(text) ? raLineEnd : raTextEnd;
        }
        RowsText old = GetRowsText(top, tail - top + 1);
        undo.StartRow = top;
        undo.Attribute = old.attribute;

        std::string newText;
        auto appendRows = [&](int from, int to) {
            for (int i = from; i <= to; ++i) {
                newText += View(i);
                newText += RowEnding(RowAttributes(i));
            }
        };
        appendRows(top, row - 1);
        newText += text;
        appendRows(last + 1, tail);

        TEditorStringList rows;
        RowsOfText(newText, attribute, rows);
        undo.RowCount = rows.GetCount();
        undo.Text = std::move(old.text);
        undoObj_->LimitBytes();
        ReplaceRows(top, tail - top + 1, rows);
        info.StartRow = top;
        info.OldCount = old.rows;
        info.NewCount = rows.GetCount();
        info.ParsedCount = UpdateParseState(top, true);
        updateInfo_ = info;
    });
}

// ---- whole-text replacement

TEditorScreenStrings::RowsText TEditorScreenStrings::RefillRows(std::string_view text,
                                                                TRowAttribute lastAttribute) {
    RowsText old = GetRowsText(0, GetCount());
    ClearRows();
    AppendText(text);
    if (lastAttribute == raTextEnd && (text.empty() || EndsWithLineBreak(text)))
        SetRowAttributes(Add(std::string()), raTextEnd);
    InitParseState();
    return old;
}

void TEditorScreenStrings::ReplaceText(std::string_view text, const TTextFormat& format) {
    text = TextBeforeNul(text);
    WithUpdate(*this, [&] {
        // An empty text has nothing to bring back; the entries before it would name rows
        // that are gone.
        TUndoData* undo = TextLength() > 0 ? undoObj_->NewUndoData() : nullptr;
        if (!undo)
            undoObj_->Clear();
        RowsText old = RefillRows(text, raNone);
        if (undo) {
            undo->StartRow = 0;
            undo->RowCount = GetCount();
            undo->Attribute = old.attribute;
            undo->Text = std::move(old.text);
            undo->WholeText = true;
            undo->Format = textFormat_;
            undoObj_->LimitBytes();
        }
        textFormat_ = format;
        updateInfo_ = {0, old.rows, GetCount(), 0, true};
    });
}

// ---- parse state

int TEditorScreenStrings::ScreenRows() const {
    TScreenStringsView* owner = OwnerEditor();
    return owner ? owner->TextAreaHeight() / std::max(1, owner->RowHeight()) : 0;
}

// Parses rows start..last from the state `data` at the start of row `start`, storing each
// row's start state. Returns the number of rows stored when notify is set.
int TEditorScreenStrings::Parse(TFountainParser& parser, int start, int last,
                                TRowAttributeData data, bool stopWhenEqual, bool notify) {
    int stored = 0;
    int row = start;
    for (; row <= last; ++row) {
        if (stopWhenEqual && RowDataEquals(row, data)) {
            // The stored states from here on follow from this one: the rest is consistent.
            parsedEnd_ = std::max(parsedEnd_, row);
            return stored;
        }
        data.RowAttribute = RowAttributes(row);
        SetRowData(row, data);
        if (notify) {
            ++stored;
            for (TScreenStringsView* editor : editors_)
                editor->InvalidateRow(row);
        }
        parser.NextRowData(row, *this, data);
        data.PrevRowAttribute = RowAttributes(row);
    }
    // Rows beyond the window are parsed when they are first painted.
    for (int i = row; i < parsedEnd_; ++i)
        ClearRowData(i);
    parsedEnd_ = row;
    return stored;
}

int TEditorScreenStrings::UpdateParseState(int row, bool notify) {
    if (row < 0)
        row = 0;
    TScreenStringsView* owner = OwnerEditor();
    TFountain* fountain = owner ? owner->ActiveFountain() : nullptr;
    if (row >= GetCount() || !fountain)
        return 0;
    // One parser for the pass. Start after the nearest row above whose state is known; rows
    // from parsedEnd_ on are known not to be.
    std::unique_ptr<TFountainParser> parser = fountain->CreateParser();
    int known = std::min(row, parsedEnd_) - 1;
    while (known >= 0 && BracketIndexes(known) == -2)
        --known;
    TRowAttributeData data = TRowAttributeData::TextStart();
    int start = 0;
    if (known >= 0) {
        data = RowData(known);
        parser->NextRowData(known, *this, data);
        // The state at the start of a row carries the attribute of the row above, as every
        // row of the pass below gets it.
        data.PrevRowAttribute = RowAttributes(known);
        start = known + 1;
    }
    // A parser that can tell the state of row's line from the lines just above it spares
    // parsing every row in between (far down a freshly loaded text).
    parser->AdvanceParseStart(row, *this, start, data);
    int last = std::min(row + 2 * ScreenRows(), GetCount() - 1);
    return Parse(*parser, start, last, data, true, notify);
}

void TEditorScreenStrings::InitParseState() {
    TScreenStringsView* owner = OwnerEditor();
    if (owner && (owner->Loading() || owner->Destroying()))
        return;
    for (int i = 0; i < std::min(parsedEnd_, GetCount()); ++i)
        ClearRowData(i);
    parsedEnd_ = 0;
    if (!owner || GetCount() == 0)
        return;
    int last = GetCount() - 1;
    if (!owner->InitBracketsFull())
        last = std::min(last, 2 * ScreenRows() + owner->TopRow());
    if (TFountain* fountain = owner->ActiveFountain())
        Parse(*fountain->CreateParser(), 0, last, TRowAttributeData::TextStart(), false, false);
}

// ---- whole-text re-cuts

// Re-cuts the logical line that starts at `row` in place and sets `next` to the row after
// it. New row j keeps the marks of old row j; the marks of old rows that are left over go to
// the last new row. The parse state is not carried.
void TEditorScreenStrings::RewrapLine(int row, int& next) {
    const int end = LastRowOfLine(row);
    const int oldCount = end - row + 1;
    const int width = wrapOption_->WrapByte();
    if (oldCount == 1) {
        std::string_view text = View(row);
        TScreenStringsView* owner = OwnerEditor();
        int displayWidth = owner ? owner->DisplayWidth(text) : width;
        if (owner && displayWidth < width) {
            SetRowAttributes(row, raLineEnd);
            ClearRowData(row);
            next = row + 1;
            return;
        }
    }
    std::string line;
    for (int i = row; i <= end; ++i)
        line += View(i);
    const std::vector<TWrapPiece> pieces = Wrapper().Cut(line);
    const int newCount = static_cast<int>(pieces.size());
    TRowMarks surplus = 0;
    for (int i = newCount; i < oldCount; ++i)
        surplus = static_cast<TRowMarks>(surplus | RowMarks(row + i));
    if (newCount < oldCount) {
        for (int i = newCount; i < oldCount; ++i)
            Delete(row + newCount);
    }
    for (int i = oldCount; i < newCount; ++i)
        Insert(row + i, std::string());
    for (int j = 0; j < newCount; ++j) {
        const TWrapPiece& piece = pieces[j];
        std::string_view text = std::string_view(line).substr(piece.start, piece.length);
        if (View(row + j) != text)
            Put(row + j, std::string(text));
        TRowMarks marks = RowMarks(row + j);
        if (j == newCount - 1)
            marks = static_cast<TRowMarks>(marks | surplus);
        SetRowAttributes(row + j, piece.continued ? raContinued : raLineEnd);
        ClearRowData(row + j);
        SetRowMarks(row + j, marks);
    }
    next = row + newCount;
}

void TEditorScreenStrings::WrapAll() {
    TScreenStringsView* owner = OwnerEditor();
    if (GetCount() == 0 || (owner && owner->Loading()))
        return;
    CancelSelections();
    WithDetachedChangeEvent([&] {
        TRowAttribute lastAttribute = RowAttributes(GetCount() - 1);
        int row = 0;
        while (row < GetCount())
            RewrapLine(row, row);
        SetRowAttributes(GetCount() - 1, lastAttribute);
        parsedEnd_ = 0;
        NoteChange();
    });
}

void TEditorScreenStrings::UnwrapAll() {
    if (GetCount() == 0)
        return;
    CancelSelections();
    TRowAttribute lastAttribute = RowAttributes(GetCount() - 1);
    if (lastAttribute == raContinued)
        lastAttribute = raTextEnd;
    WithDetachedChangeEvent([&] {
        for (int row = 0; row < GetCount(); ++row) {
            int end = LastRowOfLine(row);
            if (end == row) {
                if (RowAttributes(row) == raContinued)
                    SetRowAttributes(row, raLineEnd);
                continue;
            }
            std::string line;
            TRowMarks marks = 0;
            for (int i = row; i <= end; ++i) {
                line += View(i);
                marks = static_cast<TRowMarks>(marks | RowMarks(i));
            }
            for (int i = row + 1; i <= end; ++i)
                Delete(row + 1);
            Put(row, line);
            SetRowAttributes(row, raLineEnd);
            SetRowMarks(row, marks);
        }
        SetRowAttributes(GetCount() - 1, lastAttribute);
        NoteChange();
    });
}

void TEditorScreenStrings::AfterRewrap() {
    InitParseState();
    for (TScreenStringsView* editor : editors_)
        editor->Relayout();
    ClampEditors();
    for (TScreenStringsView* editor : editors_)
        editor->SetCol(0);
}

void TEditorScreenStrings::SetWordWrap(bool value) {
    if (value == wordWrap_)
        return;
    wordWrap_ = value;
    TScreenStringsView* owner = OwnerEditor();
    if (owner && owner->Loading())
        return;
    undoObj_->Clear();
    if (wordWrap_)
        WrapAll();
    else
        UnwrapAll();
    AfterRewrap();
}

void TEditorScreenStrings::WrapOptionChanged(TObject*) {
    TScreenStringsView* owner = OwnerEditor();
    if ((owner && owner->Loading()) || !wordWrap_)
        return;
    undoObj_->Clear();
    WrapAll();
    AfterRewrap();
}

// ---- list overrides

void TEditorScreenStrings::Clear() {
    undoObj_->Clear();
    ClearRows();
}

void TEditorScreenStrings::ClearRows() {
    CancelSelections();
    usedMarks_ = 0;
    parsedEnd_ = 0;
    updateInfo_ = {0, GetCount(), 0, 0, true};
    // Also when an editor fails on the change notice: the rows are gone all the same.
    WithCleanup([this] { TEditorStringList::Clear(); },
                [this] {
                    updateInfo_ = TEditorUpdateInfo();
                    for (TScreenStringsView* editor : editors_) {
                        editor->SetRow(0);
                        editor->SetCol(0);
                    }
                });
}

void TEditorScreenStrings::Insert(int index, const std::string& s) {
    TEditorStringList::Insert(index, s);
    if (index < parsedEnd_)
        ++parsedEnd_;
}

void TEditorScreenStrings::Delete(int index) {
    TEditorStringList::Delete(index);
    if (index < parsedEnd_)
        --parsedEnd_;
}

void TEditorScreenStrings::Exchange(int a, int b) {
    TEditorStringList::Exchange(a, b);
    parsedEnd_ = std::max(parsedEnd_, std::max(a, b) + 1);
}

} // namespace kes
