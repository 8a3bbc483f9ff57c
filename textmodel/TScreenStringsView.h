#pragma once

#include <string>
#include <string_view>

namespace kes {

class TFountain;

// How the left bar numbers its rows (mirrors the editor's left-bar option).
enum class TLeftbarNumbers { None, Line, Row };

// An editor as the screen rows see it: what TEditorScreenStrings and TEditorScreen need of
// every view that shows the text. TEditor implements it; the row list never includes an
// editor header. Setters clamp to what the editor allows.
class TScreenStringsView {
public:
    virtual ~TScreenStringsView() = default;

    // Caret row and display column, and the first visible row.
    virtual int Row() const = 0;
    virtual void SetRow(int row) = 0;
    virtual int Col() const = 0;
    virtual void SetCol(int col) = 0;
    virtual int TopRow() const = 0;
    virtual void SetTopRow(int row) = 0;
    // Number of rows visible at once.
    virtual int RowCount() const = 0;
    // Height of one row in pixels.
    virtual int RowHeight() const = 0;

    virtual bool Focused() const = 0;
    // The editor is reading its stored state, or being destroyed; the rows then leave
    // wrapping and parsing to whoever finishes that.
    virtual bool Loading() const = 0;
    virtual bool Destroying() const = 0;

    virtual bool HasSelection() const = 0;
    virtual void CleanSelection() = 0;

    // Repainting after an edit: one row; a range of rows, painted at once; the rows from
    // `row` on moved by `count` rows (negative: up), and the image bar beside them; the left
    // bar between two rows.
    virtual void InvalidateRow(int row) = 0;
    virtual void InvalidateRows(int first, int last) = 0;
    virtual void ScrollRows(int row, int count) = 0;
    virtual void ScrollImagebar(int count) = 0;
    virtual void InvalidateLeftbar(int first, int last) = 0;
    virtual TLeftbarNumbers LeftbarNumbers() const = 0;

    // The text area: its top and its size in pixels.
    virtual int TextAreaTop() const = 0;
    virtual int TextAreaWidth() const = 0;
    virtual int TextAreaHeight() const = 0;

    // Raised once the rows have changed; the update record says what changed.
    virtual void DoChange() = 0;
    // Recompute scroll ranges and the like after the whole text was re-cut, and repaint.
    virtual void Relayout() = 0;
    // Nested hiding of the caret while the text under it changes (undo and redo).
    virtual void HideCaret() = 0;
    virtual void ShowCaret() = 0;
    // The fountain whose parser computes the rows' parse state; never null for an editor.
    virtual TFountain* ActiveFountain() const = 0;
    // Whether the whole text is parsed after loading or re-wrapping instead of two screens.
    virtual bool InitBracketsFull() const = 0;

    // The character attribute string of a text (one code per display column, only the head of
    // a long text) and the display width of a whole text.
    virtual void StrToAttributes(std::string_view text, std::string& attributes) const = 0;
    virtual int DisplayWidth(std::string_view text) const = 0;

    virtual bool WordWrap() const = 0;
};

} // namespace kes
