#pragma once

#include "toolkit/core/TStrings.h"
#include "toolkit/core/TTextFormat.h"

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace kes {

class TEditorScreenStrings;
class TLinesView;

// The editor's Lines: a string list whose items are the logical lines of the editor's text,
// whatever the word wrap. It stores nothing: reads go to the screen rows, and every write is
// one UpdateRows, so writes through Lines are re-wrapped, re-parsed, undoable and repainted
// exactly like typing. The whole-text writes SetTextStr, LoadFromFile and Clear go around
// undo and empty it; ReplaceText and ReplaceFromFile are their undoable forms.
class TEditorStrings : public TStrings {
public:
    explicit TEditorStrings(TLinesView& editor);

    void Assign(TPersistent* source) override;
    std::string Get(int index) const override;
    int GetCount() const override;
    std::string GetTextStr() const override;
    // GetTextStr().size(), without building the text.
    size_t TextLength() const;
    void Put(int index, const std::string& s) override;
    void SetTextStr(std::string_view text) override;
    int Add(const std::string& s) override;
    void Clear() override;
    void Delete(int index) override;
    void Insert(int index, const std::string& s) override;

    // Reads a text file with the one text-file loader (LoadTextFile): CR, LF and CR LF end
    // lines, a Ctrl-Z byte (0x1A) ends the text. The current text stays as it was when the
    // file cannot be taken: it cannot be opened or read, or it holds a NUL byte before its end,
    // as a UTF-16 file or a binary does (refused with an EFileError rather than shown cut short
    // or garbled). Loading records no undo entry.
    void LoadFromFile(const std::string& fileName) override;
    // The same from an open file, read from where it stands to its end (standard input, say);
    // fileName names it in errors.
    void LoadFromStream(std::FILE* file, const std::string& fileName);

    // The whole text replaced as one edit: the text is read as SetTextStr reads it, and
    // replacing a non-empty text records one undo entry, so that Undo brings back the
    // replaced text exactly, with the caret where it stood, and Redo replaces it again.
    // Replacing an empty text records nothing (and ends the history). The caret goes to the
    // start of the text. The text takes `format` (TEditorScreenStrings::ReplaceText).
    void ReplaceText(std::string_view text, const TTextFormat& format = {});
    // ReplaceText with the text of a file, read as LoadFromFile reads it: code page 932, to
    // be saved with CR LF (the draft files). A file that cannot be taken raises the loader's
    // EFileError with the text, the caret and the history as they were. The editors take the
    // loaded text as unmodified; undoing the load marks the text modified again.
    void ReplaceFromFile(const std::string& fileName);
    // ReplaceFromFile for a file in the encoding given or the one it shows, converted to code
    // page 932 (LoadEncodedTextFile); the text takes the file's format.
    void ReplaceFromEncodedFile(const std::string& fileName,
                                std::optional<TTextEncoding> encoding = std::nullopt);

    // The format the text is to be saved in (TEditorScreenStrings::TextFormat).
    const TTextFormat& TextFormat() const;
    void SetTextFormat(const TTextFormat& format);

    // The first row of line `index` (the row count for index = the line count).
    int LineToRow(int index) const;

protected:
    void SetUpdateState(bool updating) override;

private:
    TEditorScreenStrings& Rows() const;
    // Replaces the rows by the lines of text (which holds no NUL), around undo.
    void FillRows(std::string_view text);
    // FillRows for a loaded file, then the editors lay out the new text.
    void LoadText(const std::string& text);
    // ReplaceText with a file's text, which the editors take as unmodified.
    void ReplaceLoaded(const std::string& text, const TTextFormat& format);
    void RelayoutEditors();
    // One edit: cancel the selection, hide the caret, UpdateRows, then put the caret
    // `caretOffset` bytes after the start of row `caretRow`, and show it again.
    void Edit(int row, int count, std::string_view text, int caretRow, size_t caretOffset);
    void PlaceCaret(int row, size_t offset);
    // The end of an update of the facade after the rows' update: underlines, caret, redraw.
    void RestoreAfterUpdate();

    TLinesView& editor_;
    int updateDepth_ = 0;
    // The last line looked up (its index and first row), kept across changes below that row.
    mutable uint64_t cacheVersion_ = UINT64_MAX;
    mutable int cacheLine_ = 0;
    mutable int cacheRow_ = 0;
};

} // namespace kes
