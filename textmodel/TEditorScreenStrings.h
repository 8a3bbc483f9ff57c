#pragma once

#include "textmodel/TEditorStringList.h"
#include "textmodel/TRowAttributeData.h"
#include "toolkit/core/TTextFormat.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kes {

class TEditorUndoObj;
class TFountainParser;
class TEditorWrapOption;
class TLineWrapper;
class TScreenStringsView;

// What the last edit, undo, redo or Clear changed, for the editors to repaint: rows from
// StartRow, OldCount rows replaced by NewCount rows, ParsedCount rows whose parse state
// changed.
struct TEditorUpdateInfo {
    int32_t StartRow = 0;
    int32_t OldCount = 0;
    int32_t NewCount = 0;
    int32_t ParsedCount = 0;
    bool Valid = false;
    // The change put a file's text in place: the editors take the text as unmodified.
    bool Loaded = false;
};

// The one store of an editor's text, held as screen rows. With word wrap off a row is a
// logical line; with it on a logical line is cut into rows of at most WrapByte columns with
// the kinsoku rules of the wrap option. Every edit is one UpdateRows: it records the undo
// entry, re-wraps only the logical lines it touches, carries the row marks along, brings the
// parse state up to date as far as it changes, and leaves a record of what changed.
//
// Several editors may show the same rows; the first is the owner, whose column measure,
// fountain and screen size the rows use. The list needs at least one editor to wrap and
// parse.
class TEditorScreenStrings : public TEditorStringList {
public:
    TEditorScreenStrings();
    ~TEditorScreenStrings() override;

    // Registers a view. Removing the last view destroys the list (it was created with new by
    // the editor that made it).
    void AddEditor(TScreenStringsView* editor);
    void RemoveEditor(TScreenStringsView* editor);
    int EditorCount() const { return static_cast<int>(editors_.size()); }
    TScreenStringsView* Editors(int index) const { return editors_[index]; }
    TScreenStringsView* OwnerEditor() const;
    // The first view with the keyboard focus, else the owner.
    TScreenStringsView* ActiveEditor() const;

    virtual std::unique_ptr<TEditorUndoObj> CreateUndoObj();
    virtual std::unique_ptr<TEditorWrapOption> CreateWrapOption();

    // Clears `list` and fills it with the rows of `text`: every row raLineEnd except rows cut
    // by wrapping, which are raContinued.
    virtual void StrToWrapList(std::string_view text, TEditorStringList& list);
    // StrToWrapList, then the last row gets `lastAttribute`. A text that ends with a line
    // break and must end in a raTextEnd row gets an empty last row after that break, so the
    // break is kept.
    void RowsOfText(std::string_view text, TRowAttribute lastAttribute, TEditorStringList& list);
    // The number of rows StrToWrapList makes of one logical line.
    virtual int WrapCount(std::string_view line);

    virtual void ExcludeRowMarks(TRowMarks marks);
    virtual void IncludeRowMarks(TRowMarks marks);
    virtual TRowMarks UsedRowMarks() const { return usedMarks_; }
    virtual void Redo();
    virtual void Undo();

    TEditorUndoObj& UndoObj() const { return *undoObj_; }
    TEditorWrapOption& WrapOption() const { return *wrapOption_; }
    void SetWrapOption(TEditorWrapOption* value);

    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value);

    const TEditorUpdateInfo& UpdateInfo() const { return updateInfo_; }

    int FirstRowOfLine(int row) const;
    int LastRowOfLine(int row) const;

    struct RowsText {
        std::string text;
        int rows = 0;
        TRowAttribute attribute = raNone;
    };
    // Text of rows r..r+n-1, CR LF after every raLineEnd row; n = -1 takes the rest of r's
    // logical line.
    RowsText GetRowsText(int row, int count) const;
    // Removes rows and returns the union of their marks.
    TRowMarks DeleteRows(int row, int count);
    // Replaces `count` rows from `row` by the rows of `list`; marks follow the text.
    void ReplaceRows(int row, int count, const TEditorStringList& list);

    // The edit: replaces rows r..r+n-1 by `text`, the complete new text of those rows with
    // CR LF after every line that is to end with a line break. n = 0 inserts before row r; r
    // may equal the row count to append. An invalid range is ignored. `text` ends at a NUL
    // byte; the rows around the edit stay.
    void UpdateRows(int row, int count, std::string_view text);

    // Re-computes the parse state from `row` on, until it agrees with what is stored and at
    // most two screens ahead; rows beyond are left not computed. Returns the number of rows
    // whose state was stored (0 unless notify).
    int UpdateParseState(int row, bool notify);
    void InitParseState();
    // Whether the parse state stored for a row (RowData) is computed at all.
    bool ParseStateComputed(int row) const { return BracketIndexes(row) != -2; }

    void WrapAll();
    void UnwrapAll();

    void Clear() override;
    void Insert(int index, const std::string& s) override;
    void Delete(int index) override;
    void Exchange(int a, int b) override;

    // The start of the text after the last row: the last row when it is raTextEnd, else the
    // row count (the empty position after a final line break).
    int MaxRow() const;

    // Appends one logical line (no CR or LF in it) as raLineEnd rows, cut by word wrap when
    // it is on and the owner is not loading. For loaders, which then call InitParseState.
    void AppendLine(std::string_view line);
    // Appends the lines of `text` (CR, LF and CR LF end them; no NUL in it) with AppendLine;
    // the last row is raTextEnd when the text does not end with a line break.
    void AppendText(std::string_view text);

    // The whole-text write as one edit: every row is replaced by the rows of `text` (read as
    // AppendText reads it, up to a NUL byte) and the parse state starts afresh, as after
    // loading. Replacing a
    // text of at least one byte records one undo entry that brings it back exactly; an empty
    // text records nothing. The marks go, the selections are cancelled and the carets go to
    // the start. The update record covers every row. The text takes `format`; the entry keeps
    // the format replaced, which undoing brings back with the text.
    void ReplaceText(std::string_view text, const TTextFormat& format = {});

    // The format the text is to be saved in: where it came from, or what the person chose
    // since. Only ReplaceText and SetTextFormat change it, and undo and redo of a whole-text
    // replacement.
    const TTextFormat& TextFormat() const { return textFormat_; }
    void SetTextFormat(const TTextFormat& format) { textFormat_ = format; }

    // The length of GetRowsText over every row (the whole text), kept as the rows change.
    using TEditorStringList::TextLength;

    // Counts every change of the rows; a reader may cache what it derived from them while the
    // count stays.
    uint64_t Version() const { return version_; }
    // How many rows from the first on have kept their text and line ends since the rows were
    // at `version` (their count or more; INT_MAX while the version stays). A reader summing
    // over the rows above some row keeps its sum while that row is within them. Old versions
    // are forgotten: for those the answer is 0.
    int UnchangedRowsSince(uint64_t version) const;

    // Sets the update record for an edit that a caller made outside UpdateRows (undo).
    void SetUpdateInfo(const TEditorUpdateInfo& info) { updateInfo_ = info; }

protected:
    void SetUpdateState(bool updating) override;
    void Changed() override;

private:
    friend class TEditorUndoObj;

    // Clear without touching the undo history.
    void ClearRows();
    // Replaces every row by the rows of `text` around undo and returns the old rows' text.
    // A raTextEnd `lastAttribute` keeps an empty last row after a final line break, as
    // RowsOfText does; the parse state starts afresh.
    RowsText RefillRows(std::string_view text, TRowAttribute lastAttribute);
    void ChangeHandler(TObject* sender);
    void WrapOptionChanged(TObject* sender);
    void AfterRewrap();
    void ClampEditors();
    void CancelSelections();
    TLineWrapper& Wrapper();
    int ScreenRows() const;
    int Parse(TFountainParser& parser, int start, int last, TRowAttributeData data,
              bool stopWhenEqual, bool notify);
    void RewrapLine(int row, int& next);
    template <class Body> void WithDetachedChangeEvent(Body body);

    std::vector<TScreenStringsView*> editors_;
    TEditorUpdateInfo updateInfo_;
    TRowMarks usedMarks_ = 0;
    std::unique_ptr<TEditorUndoObj> undoObj_;
    bool wordWrap_ = false;
    std::unique_ptr<TEditorWrapOption> wrapOption_;
    std::unique_ptr<TLineWrapper> wrapper_;
    // Every row from here on has its parse state not computed. Keeping this bound lets an
    // edit leave the rows beyond its parse window alone instead of marking each of them.
    int parsedEnd_ = 0;
    // Counts a change: the version goes up and the lowest row it touched is noted.
    void NoteChange();

    uint64_t version_ = 0;
    // The lowest row touched by each of the last changes, at index version % size.
    struct TChangeNote {
        uint64_t version = 0;
        int row = 0;
    };
    std::array<TChangeNote, 64> changes_{};
    std::string rowBuffer_;
    TTextFormat textFormat_;
};

} // namespace kes
