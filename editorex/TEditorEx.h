#pragma once

#include "editorex/TOleddEditor.h"
#include "regexp/TAWKStrEx.h"
#include "regexp/TLineSearch.h"
#include "toolkit/core/ScopeGuard.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kes {

class TBracketDepths;
class TEditorExMarks;
class TFindHighlighter;
class TVerticalLines;

// One bracket of a matched pair: its row, its 1-based byte position in the row's text and the
// bracket character itself.
struct TParenInfo {
    int row = 0;
    int position = 0;
    std::string text;
};

// The editor with the marks a writer wants to see beyond the colouring: frames on full-width
// and half-width spaces, tab arrows, the partner of the bracket at the caret, backgrounds of
// the caret row, of marked rows and of every other row, vertical guide lines at chosen
// columns, and every occurrence of a find string underlined and shown in the hit colours.
//
// All of it is drawn after each row's own painting (DoDrawLine), so with every mark off the
// picture is the plain editor's plus the guide lines. Selections are dragged through the
// desktop's drag and drop.
//
// The class is written in files by role: TEditorEx.cpp (construction, options, caret moves,
// brackets, rows and columns), TEditorExPaint.cpp (the marks and lines) and
// TEditorExFind.cpp (find highlighting). TBracketDepths finds bracket partners through the
// rows and remembers what each row does to the depth, so that a caret moving next to a
// bracket without partner does not read the whole text again.
class TEditorEx : public TOleddEditor {
    Q_OBJECT

public:
    explicit TEditorEx(QWidget* parent = nullptr);
    ~TEditorEx() override;

    // ---- Published properties -------------------------------------------------------------
    TEditorExMarks* ExMarks() const { return exMarks_.get(); }
    void SetExMarks(TEditorExMarks* value);
    TVerticalLines* VerticalLines() const { return verticalLines_.get(); }
    void SetVerticalLines(TVerticalLines* value);
    // Setting either repaints at once while FindMark is visible.
    const std::string& FindString() const { return search_->FindString(); }
    void SetFindString(const std::string& value);
    TExSearchOptions ExSearchOptions() const { return search_->ExSearchOptions(); }
    void SetExSearchOptions(TExSearchOptions value);

    // ---- Find highlighting (TEditorExFind.cpp) --------------------------------------------
    // Marks what highlighter finds in place of the find string (not owned; nullptr: the find
    // string again). Setting it repaints while FindMark is visible, also when it is the same
    // highlighter, whose own search changed.
    TFindHighlighter* FindHighlighter() const { return findHighlighter_; }
    void SetFindHighlighter(TFindHighlighter* value);
    // Fills the match list with the matches in the logical line holding row and returns their
    // number; a faulty regular expression raises ERegExpParser.
    int FindInRow(int row);
    const std::vector<TSearchInfo>& SearchList() const { return searchList_; }
    // The matcher of regular-expression find strings.
    TAWKStrEx& Matcher() const { return search_->Matcher(); }

    // ---- Brackets (TEditorEx.cpp) ---------------------------------------------------------
    // Looks for the partner of the bracket at the 1-based byte position of row (a trail byte
    // counts as its character); on success both records hold the pair.
    bool FindParen(int row, int position);
    bool ParenFound() const { return parenFound_; }
    const TParenInfo& OpenParen() const { return openParen_; }
    const TParenInfo& CloseParen() const { return closeParen_; }

    // ---- The text model's view of the editor (TEditorEx.cpp) ----------------------------
    void DoChange() override;
    void SetLinesUpdating(bool updating) override;

    // ---- Overridable operations, after TOleddEditor's -------------------------------------
    virtual void DrawDBSpaceMark(int x, int y, bool whole);
    virtual void DrawSpaceMark(int x, int y);
    virtual void DrawTabMark(int x, int y);
    virtual void DrawFindMark(int x1, int x2, int y);
    virtual void DrawHit(const TRect& rect, int x, const std::string& text);
    virtual void DrawParenMark(int x, int y, const std::string& text);
    virtual void DrawLineBackground(const TRect& rect, int x, TColor color, int row,
                                    const std::string& text, int y);
    virtual void DrawVerticalLine(int index);
    virtual void DrawVerticalLines();
    // '0'..'6': a whole word starts and ends where the class changes.
    virtual char CharClass(const std::string& text, int position) const;
    // The 0-based byte index of the character shown at column of row; -1 out of range.
    virtual int ColToCharIndex(int row, int column) const;
    virtual int FirstRowOfLine(int row) const;
    virtual int LastRowOfLine(int row) const;

protected:
    virtual std::unique_ptr<TEditorExMarks> CreateExMarks();

    void Paint(const TRect& clip) override;
    void DrawEofMark(int x, int y) override;
    void DrawUnderline(int row) override;
    void DoCaretMoved() override;
    void DoDrawLine(const TRect& rect, int x, bool selected, int row, const std::string& text,
                    int y) override;
    void DoubleClick(QMouseEvent* event) override;

private:
    class TEditorLineSearch;

    // A drawing operation: nothing while the control is not showing, else body with the
    // caret hidden.
    template <class Body> void Drawing(Body&& body) {
        if (!Showing())
            return;
        HideCaretNested();
        WithCleanup(body, [this] { ShowCaretNested(); });
    }
    // The display column of every byte of a row's text and of its end (tabs expanded).
    std::vector<int> ByteColumns(std::string_view text) const;
    // The background colour of a row by the first background rule that applies.
    std::optional<TColor> RowBackground(int row) const;
    // The find pass of one painted row with its stored text and the columns of its bytes
    // (TEditorExFind.cpp).
    void DrawFindMarks(const TRect& rect, int row, bool selected, std::string_view text,
                       const std::vector<int>& columns, int y, int x0, int limit);

    std::unique_ptr<TEditorExMarks> exMarks_;
    std::unique_ptr<TLineSearch> search_;
    TFindHighlighter* findHighlighter_ = nullptr;
    std::vector<TSearchInfo> searchList_;
    std::unique_ptr<TVerticalLines> verticalLines_;
    bool parenFound_ = false;
    TParenInfo openParen_;
    TParenInfo closeParen_;
    int lastCurrentLineRow_ = 0;
    std::unique_ptr<TBracketDepths> bracketDepths_;
    // An update of Lines was open since the last change report.
    bool linesUpdated_ = false;
};

} // namespace kes
