#include "textmodel/TEditorStrings.h"

#include "textmodel/TEditorScreenStrings.h"
#include "textmodel/TLinesView.h"
#include "toolkit/core/Exception.h"
#include "toolkit/core/ScopeGuard.h"
#include "toolkit/core/TLineSplitter.h"
#include "toolkit/core/TextFile.h"

#include <algorithm>

namespace kes {

namespace {

// A line written through Lines as the rows will hold it: up to a NUL byte, with every line
// break CR LF. The caret is placed by counting the bytes of the rows after the edit, so the
// count must be made on this form, and the line break that Put, Insert and Add add after it
// must not fall behind a NUL.
std::string StoredForm(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    ForEachLine(s, {.nulEndsText = true}, [&out](const TTextLine& line) {
        out += line.text;
        if (line.broken)
            out += "\r\n";
    });
    return out;
}

} // namespace

TEditorStrings::TEditorStrings(TLinesView& editor) : editor_(editor) {}

TEditorScreenStrings& TEditorStrings::Rows() const {
    return editor_.ScreenStrings();
}

// ---- line numbering

int TEditorStrings::GetCount() const {
    TEditorScreenStrings& rows = Rows();
    const int count = rows.GetCount();
    if (!rows.WordWrap() || count == 0)
        return count;
    // Every row but a wrapped one ends a line; a wrapped last row still ends the text.
    return rows.LineEnds() + (rows.RowAttributes(count - 1) == raContinued ? 1 : 0);
}

int TEditorStrings::LineToRow(int index) const {
    TEditorScreenStrings& rows = Rows();
    int count = GetCount();
    if (index < 0 || index > count)
        throw EStringListError(index);
    if (!rows.WordWrap())
        return index;
    if (index == count)
        return rows.GetCount();
    if (cacheVersion_ != rows.Version()) {
        // The cached line's first row stays right while every change lay below it.
        if (cacheRow_ > rows.UnchangedRowsSince(cacheVersion_))
            cacheLine_ = cacheRow_ = 0;
        cacheVersion_ = rows.Version();
    }
    // Walk from the cached line, so that reading the lines in order is linear.
    int line = cacheLine_;
    int row = cacheRow_;
    while (line < index) {
        row = rows.LastRowOfLine(row) + 1;
        ++line;
    }
    while (line > index) {
        row = rows.FirstRowOfLine(row - 1);
        --line;
    }
    cacheLine_ = line;
    cacheRow_ = row;
    return row;
}

std::string TEditorStrings::Get(int index) const {
    TEditorScreenStrings& rows = Rows();
    if (index < 0 || index >= GetCount())
        throw EStringListError(index);
    if (!rows.WordWrap())
        return rows.Get(index);
    std::string text = rows.GetRowsText(LineToRow(index), -1).text;
    if (text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0)
        text.resize(text.size() - 2);
    return text;
}

std::string TEditorStrings::GetTextStr() const {
    TEditorScreenStrings& rows = Rows();
    return rows.GetRowsText(0, rows.GetCount()).text;
}

size_t TEditorStrings::TextLength() const {
    return Rows().TextLength();
}

// ---- edits

void TEditorStrings::PlaceCaret(int row, size_t offset) {
    TEditorScreenStrings& rows = Rows();
    const int count = rows.GetCount();
    for (int r = std::max(row, 0); r < count; ++r) {
        std::string_view text = rows.View(r);
        TRowAttribute attribute = rows.RowAttributes(r);
        size_t length = text.size() + (attribute == raLineEnd ? 2 : attribute == raTextEnd ? 1 : 0);
        if (offset < length || attribute == raTextEnd) {
            editor_.SetRow(r);
            editor_.SetCol(editor_.DisplayWidth(text.substr(0, std::min(offset, text.size()))));
            return;
        }
        offset -= length;
    }
    editor_.SetRow(count);
    editor_.SetCol(0);
}

void TEditorStrings::Edit(int row, int count, std::string_view text, int caretRow,
                          size_t caretOffset) {
    if (editor_.HasSelection())
        editor_.CleanSelection();
    editor_.HideCaret();
    WithCleanup(
        [&] {
            Rows().UpdateRows(row, count, text);
            PlaceCaret(caretRow, caretOffset);
        },
        [this] { editor_.ShowCaret(); });
}

void TEditorStrings::Put(int index, const std::string& s) {
    TEditorScreenStrings& rows = Rows();
    if (index < 0 || index >= GetCount())
        throw EStringListError(index);
    int first = LineToRow(index);
    int last = rows.LastRowOfLine(first);
    std::string text = StoredForm(s);
    if (rows.RowAttributes(last) == raLineEnd)
        text += "\r\n";
    Edit(first, last - first + 1, text, first, text.size());
}

void TEditorStrings::Insert(int index, const std::string& s) {
    int row = LineToRow(index);
    if (row == Rows().GetCount()) {
        Add(s);
        return;
    }
    std::string text = StoredForm(s) + "\r\n";
    Edit(row, 0, text, row, text.size());
}

int TEditorStrings::Add(const std::string& s) {
    TEditorScreenStrings& rows = Rows();
    int index = GetCount();
    int n = rows.GetCount();
    if (n > 0 && rows.RowAttributes(n - 1) != raLineEnd) {
        // The text does not end with a line break, and still does not after the new line.
        int first = rows.FirstRowOfLine(n - 1);
        std::string text = rows.GetRowsText(first, n - first).text + "\r\n" + StoredForm(s);
        Edit(first, n - first, text, first, text.size());
    } else {
        std::string text = StoredForm(s) + "\r\n";
        Edit(n, 0, text, n, text.size());
    }
    return index;
}

void TEditorStrings::Delete(int index) {
    TEditorScreenStrings& rows = Rows();
    if (index < 0 || index >= GetCount())
        throw EStringListError(index);
    int first = LineToRow(index);
    int last = rows.LastRowOfLine(first);
    Edit(first, last - first + 1, {}, first, 0);
}

void TEditorStrings::Clear() {
    Rows().Clear();
}

void TEditorStrings::Assign(TPersistent* source) {
    if (auto* strings = dynamic_cast<TStrings*>(source)) {
        SetTextStr(strings->GetTextStr());
        editor_.SetRow(Rows().MaxRow());
        editor_.SetCol(0);
        return;
    }
    TStrings::Assign(source);
}

void TEditorStrings::SetTextStr(std::string_view text) {
    FillRows(TextBeforeNul(text));
}

void TEditorStrings::FillRows(std::string_view text) {
    WithUpdate(*this, [&] {
        TEditorScreenStrings& rows = Rows();
        rows.Clear();
        rows.AppendText(text);
        rows.InitParseState();
    });
}

void TEditorStrings::LoadFromFile(const std::string& fileName) {
    LoadText(LoadTextFile(fileName));
}

void TEditorStrings::LoadFromStream(std::FILE* file, const std::string& fileName) {
    LoadText(LoadTextStream(file, fileName));
}

void TEditorStrings::LoadText(const std::string& text) {
    FillRows(text);
    RelayoutEditors();
}

void TEditorStrings::RelayoutEditors() {
    for (int i = 0; i < Rows().EditorCount(); ++i)
        Rows().Editors(i)->Relayout();
}

void TEditorStrings::ReplaceText(std::string_view text, const TTextFormat& format) {
    WithUpdate(*this, [&] { Rows().ReplaceText(text, format); });
}

void TEditorStrings::ReplaceFromFile(const std::string& fileName) {
    ReplaceLoaded(LoadTextFile(fileName), {});
}

void TEditorStrings::ReplaceFromEncodedFile(const std::string& fileName,
                                            std::optional<TTextEncoding> encoding) {
    const TLoadedText loaded = LoadEncodedTextFile(fileName, encoding);
    ReplaceLoaded(loaded.Text, loaded.Format);
}

void TEditorStrings::ReplaceLoaded(const std::string& text, const TTextFormat& format) {
    WithUpdate(*this, [&] {
        TEditorScreenStrings& rows = Rows();
        rows.ReplaceText(text, format);
        TEditorUpdateInfo info = rows.UpdateInfo();
        info.Loaded = true;
        rows.SetUpdateInfo(info);
    });
    RelayoutEditors();
}

const TTextFormat& TEditorStrings::TextFormat() const {
    return Rows().TextFormat();
}

void TEditorStrings::SetTextFormat(const TTextFormat& format) {
    Rows().SetTextFormat(format);
}

// ---- update state

void TEditorStrings::SetUpdateState(bool updating) {
    TEditorScreenStrings& rows = Rows();
    if (updating) {
        ++updateDepth_;
        rows.BeginUpdate();
        editor_.HideCaret();
        editor_.BeginUnderlineUpdate();
        editor_.SetLinesUpdating(true);
        if (editor_.VisibleWithWindow())
            editor_.SetRedraw(false);
        return;
    }
    --updateDepth_;
    // Also when an editor fails on the change notice: the editor is restored all the same.
    WithCleanup([&rows] { rows.EndUpdate(); }, [this] { RestoreAfterUpdate(); });
}

void TEditorStrings::RestoreAfterUpdate() {
    TEditorScreenStrings& rows = Rows();
    editor_.EndUnderlineUpdate();
    editor_.ShowCaret();
    editor_.SetLinesUpdating(false);
    editor_.CaretChanged();
    if (editor_.VisibleWithWindow()) {
        editor_.SetRedraw(true);
        for (int i = 0; i < rows.EditorCount(); ++i)
            rows.Editors(i)->Relayout();
    }
}

} // namespace kes
