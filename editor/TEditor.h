#pragma once

#include "editor/search/SearchOptions.h"
#include "fountain/TTokenKind.h"
#include "textmodel/TCharAttributes.h"
#include "textmodel/TEditorCaret.h"
#include "textmodel/TEditorImagebar.h"
#include "textmodel/TEditorLeftbar.h"
#include "textmodel/TEditorMargin.h"
#include "textmodel/TEditorMarks.h"
#include "textmodel/TEditorRuler.h"
#include "textmodel/TEditorSpeed.h"
#include "textmodel/TEditorViewInfo.h"
#include "textmodel/TEditorWrapOption.h"
#include "textmodel/TLinesView.h"
#include "textmodel/TRowAttribute.h"
#include "textmodel/TRowAttributeStringList.h"
#include "toolkit/core/ScopeGuard.h"
#include "toolkit/core/TMethod.h"
#include "toolkit/core/TStringList.h"
#include "toolkit/gui/TCustomControl.h"
#include "toolkit/gui/TFont.h"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QInputMethodEvent;
class QMenu;

namespace kes {

class TBitmap;
class TEditorScreen;
class TEditorScreenStrings;
class TEditorStrings;
class TFountain;
class TFountainColor;
class TFountainParser;
class TImageList;

enum TEditorHitStyle { hsSelect, hsDraw, hsCaret };
enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
enum TEditorSelectionMode { smLine, smBox };
enum TBorderStyle { bsNone, bsSingle };

// none -> anchored (an anchor, nothing selected yet) -> selected, or hit (a search hit shown
// through the selection) -> none.
enum class TEditorSelectionState { None, Anchored, Selected, Hit };

// The control's own dragging of a selection: pressed inside it (pending), moved far enough
// (dragging), dropped or cancelled (none).
enum class TEditorDragState { None, Pending, Dragging };

// Which of the caret options' cursors the control shows, or the hand over a link.
enum class TEditorCursorKind {
    Default,
    LeftMargin,
    TopMargin,
    InSelection,
    DragMove,
    DragCopy,
    Link
};

using TSelectionChangeEvent = TMethod<void(TObject* sender, bool selected)>;
// After a row was painted: the text used for parsing it, x of column 0, the row's top, the
// row index, the rectangle painted and whether it was drawn in selection or hit colours.
using TDrawLineEvent = TMethod<void(TObject* sender, const std::string& lineStr, int x, int y,
                                    int index, const TRect& rect, bool selected)>;

// The editing control: shows the screen rows in a fixed grid of character cells, keeps a
// caret and a selection, turns keys and the clipboard into edits of the rows (one
// UpdateRows, so one undo step, each), and paints the rows in a fountain's colours.
//
// Positions are a screen row (0-based) and a display column (double-byte characters take
// two, a tab runs to the next tab stop, at most 1000 columns). Character offsets count bytes
// from the start of the text, two for each line break, none between the rows of a wrapped
// line.
//
// The class is written in several files by role: TEditor.cpp (construction, options,
// geometry, positions, caret, scrolling, row marks), TEditorSelection.cpp (selection),
// TEditorEditing.cpp (keys, editing commands, clipboard), TEditorRequests.cpp (the
// edit-control requests), TEditorPaint.cpp (rows, marks, underline), TEditorMargins.cpp
// (ruler, left bar, image bar, margin background), TEditorMouse.cpp (mouse, tokens under
// a point, dragging a selection, scroll bars) and TEditorSearch.cpp (text search and the
// hit it shows).
class TEditor : public TCustomControl, public TLinesView {
    Q_OBJECT

public:
    static constexpr int MaxCol = 1000;

    explicit TEditor(QWidget* parent = nullptr);
    ~TEditor() override;

    // ---- Published properties -------------------------------------------------------------
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle value);
    TEditorCaret* Caret() const { return caret_.get(); }
    void SetCaret(TEditorCaret* value);
    TColor Color() const { return color_; }
    void SetColor(TColor value);
    TFont* Font() const { return font_.get(); }
    void SetFont(TFont* value);
    TFountain* Fountain() const { return fountain_; }
    void SetFountain(TFountain* value);
    TEditorHitStyle HitStyle() const { return hitStyle_; }
    void SetHitStyle(TEditorHitStyle value);
    TEditorImagebar* Imagebar() const { return imagebar_.get(); }
    void SetImagebar(TEditorImagebar* value);
    TImageList* ImageDigits() const { return imageDigits_; }
    void SetImageDigits(TImageList* value);
    TImageList* ImageMarks() const { return imageMarks_; }
    void SetImageMarks(TImageList* value);
    TEditorLeftbar* Leftbar() const { return leftbar_.get(); }
    void SetLeftbar(TEditorLeftbar* value);
    TEditorStrings* Lines() const { return lines_.get(); }
    void SetLines(TStrings* value);
    TEditorMargin* Margin() const { return margin_.get(); }
    void SetMargin(TEditorMargin* value);
    TEditorMarks* Marks() const { return marks_.get(); }
    void SetMarks(TEditorMarks* value);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool value);
    TStringList* ReserveWordList() const { return reserveWordList_.get(); }
    void SetReserveWordList(TStrings* value);
    TEditorRuler* Ruler() const { return ruler_.get(); }
    void SetRuler(TEditorRuler* value);
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle value);
    TEditorSpeed* Speed() const { return speed_.get(); }
    void SetSpeed(TEditorSpeed* value);
    int UndoListMax() const;
    void SetUndoListMax(int value);
    TEditorViewInfo* View() const { return view_.get(); }
    void SetView(TEditorViewInfo* value);
    bool WantReturns() const { return wantReturns_; }
    void SetWantReturns(bool value) { wantReturns_ = value; }
    bool WantTabs() const { return wantTabs_; }
    void SetWantTabs(bool value);
    bool WordWrap() const override;
    void SetWordWrap(bool value);
    TEditorWrapOption* WrapOption() const;
    void SetWrapOption(TEditorWrapOption* value);
    // The pop-up menu shown on a right click; the editor makes its own TEditorPopupMenu and an
    // application may set another (not owned then). nullptr: none.
    QMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(QMenu* menu);

    TNotifyEvent OnCaretMoved;
    TNotifyEvent OnChange;
    TDrawLineEvent OnDrawLine;
    TSelectionChangeEvent OnSelectionChange;
    TNotifyEvent OnSelectionModeChange;
    TNotifyEvent OnTopColChange;
    TNotifyEvent OnTopRowChange;

    // ---- Position state and movement (TEditor.cpp) ----------------------------------------
    int Row() const override { return row_; }
    void SetRow(int row) override;
    int Col() const override { return col_; }
    void SetCol(int col) override;
    // Sets both at once with one caret placement; see the column normalisation.
    void SetRowCol(int row, int col);
    int TopRow() const override { return topRow_; }
    void SetTopRow(int row) override;
    int TopCol() const { return topCol_; }
    void SetTopCol(int col);
    int RowCount() const override { return rowCount_; } // visible rows
    int ColCount() const { return colCount_; }          // visible columns
    bool Modified() const { return modified_; }
    void SetModified(bool value) { modified_ = value; }

    // Rows of the text, checked: outside 0..ListCount() - 1 an empty text, raTextEnd, no
    // marks.
    int ListCount() const;
    std::string ListString(int row) const;
    TRowAttribute ListRow(int row) const;
    TRowMarks ListRowMarks(int row) const;
    void SetListRowMarks(int row, TRowMarks marks);

    // Character attribute string of a text (one code per display column).
    void StrToAttributes(std::string_view text, std::string& attributes) const override;
    std::string StrToAttributes(std::string_view text) const;
    int DisplayWidth(std::string_view text) const override;
    int RowWidth(int row) const;
    // Width of the leading spaces, full-width spaces and tabs; -1 for an empty string.
    int IndentWidth(std::string_view text) const;
    // Tabs replaced by spaces up to the tab stop; a text without a tab comes back unchanged.
    std::string ExpandTab(std::string_view text) const;
    // Byte index of a range starting at column col of text / ending before column col.
    int StartIndex(std::string_view text, int col) const;
    int EndIndex(std::string_view text, int col) const;
    // The caret's byte index in its row (Col minus the padding columns); may exceed the row's
    // length when the caret stands beyond the end.
    int CaretIndex() const;
    // The byte index of column col in row: Col minus the padding columns up to it.
    int ColToIndex(int row, int col) const;
    // Display width of the first `index` bytes of row.
    int IndexToCol(int row, int index) const;
    int RowStart(int row) const; // first row of row's logical line
    // Bytes of rows fromRow..toRow - 1, each with its break: 2 after raLineEnd, 1 after
    // raTextEnd, none after raContinued.
    int RowsLength(int fromRow, int toRow) const;
    // Character offset of (toRow, col) counted from the start of fromRow.
    int CharOffset(int fromRow, int toRow, int col) const;
    // Puts the caret `offset` bytes after the start of fromRow.
    void PlaceCaretAtOffset(int fromRow, int offset);
    // Byte offset in the logical line; -1 for a position outside the text.
    int LineOffset(int row, int col) const;
    // Logical line number of a row (the row itself with word wrap off).
    int LineNumber(int row) const;
    bool KeyRepeat() const { return keyRepeat_; }

    // Caret moves (the keys of the key table call these).
    void MoveLeft();
    void MoveRight();
    void MoveUp(int count);
    void MoveDown(int count);
    void ScrollUp(int count);
    void ScrollDown(int count);
    void MoveLineStart(bool control);
    void MoveLineEnd(bool control);
    void MovePage(int rows);
    int PageRows() const;
    // Rows one up or down key moves: CaretVerticalAc while the key repeats on the first
    // (up) or last (down) visible row, else 1.
    int VerticalStep(bool up) const;
    void MoveWordLeft();
    void MoveWordRight();

    // Row marks 0..15 (0..9 digit marks, at most one row each; 10..15 picture marks).
    virtual void PutRowMark(int row, int mark);
    virtual void DeleteRowMark(int row, int mark);
    virtual void GotoRowMark(int mark);

    virtual bool CanRedo() const;
    virtual bool CanUndo() const;
    virtual void Redo();
    virtual void Undo();
    // Shows the text of another editor; several editors then show one text.
    virtual void AttachScreenStrings(TEditor* editor);

    // ---- Selection (TEditorSelection.cpp) ------------------------------------------------
    TEditorSelectionState SelectionState() const { return selState_; }
    bool Selected() const { return selState_ == TEditorSelectionState::Selected; }
    TEditorSelectionMode SelectionMode() const { return selectionMode_; }
    void SetSelectionMode(TEditorSelectionMode value);
    int SelStart() const;
    void SetSelStart(int value);
    int SelLength() const;
    void SetSelLength(int value);
    std::string SelText() const;
    void SetSelText(std::string_view text);
    void StartSelection();
    void ActivateSelection();
    void ExtendSelection();
    void UpdateSelection();
    void CleanSelection() override;
    bool HasSelection() const override;
    virtual bool CanSelDrag() const;
    bool IsInSelection(int row, int col) const;
    // The selection in bytes and columns (rows inclusive; for a box the columns are its edges,
    // the right one exclusive).
    int SelStartRow() const { return sel_.startRow; }
    int SelEndRow() const { return sel_.endRow; }
    int SelStartIndex() const { return sel_.startIndex; }
    int SelEndIndex() const { return sel_.endIndex; }
    int SelStartCol() const { return sel_.startCol; }
    int SelEndCol() const { return sel_.endCol; }
    // Row selection in the left margin (pressed at row, then moved over row).
    void StartRowSelection(int row);
    void MoveRowSelection(int row);
    void EndRowSelection();

    // ---- Editing and clipboard (TEditorEditing.cpp) ---------------------------------------
    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();
    void PasteBox(std::string_view text);
    void DeleteSelection();
    void SelectAll();
    // Inserts text as typed (a selection is replaced), one edit.
    void InsertTypedText(std::string_view text);
    void TypeTab();
    void TypeEnter(bool shift);
    void TypeDelete();
    void TypeBackspace();

    // ---- Search (TEditorSearch.cpp) --------------------------------------------------------
    // Searches down from the byte after the selection or hit, up from its start, or from the
    // caret without one; a match found is shown as HitStyle says and scrolled into view at a
    // third of it. Not found: caret and selection stay as they are.
    virtual bool Search(std::string_view pattern, TSearchOptions options);
    // Shows a match of `length` bytes from the caret as HitStyle says: selected (hsSelect), or
    // as a hit, painted in the hit colours (hsDraw) or under a block caret from its start
    // (hsCaret, for a length above 0). The hit lasts until the selection is cleared.
    void ShowHit(int length);
    // Shows a match found by other means as Search shows its own: `length` bytes from `offset`
    // bytes after the start of fromRow, scrolled into view at a third of it.
    void ShowMatch(int fromRow, int offset, int length);
    int HitLength() const { return hitLength_; }

    // ---- Edit-control requests (TEditorRequests.cpp) --------------------------------------
    // Offsets and rows at full width.
    void GetSelection(int& start, int& end) const;
    void SetSelection(int start, int end);
    int GetLineCount() const;
    int LineIndex(int row) const;
    int LineLength(int offset) const;
    int LineFromChar(int offset) const;
    std::string GetLine(int row, int bufferSize) const;
    void ReplaceSelection(std::string_view text);
    void ScrollCaret();
    bool GetModified() const { return modified_; }
    void SetModifiedRequest(bool value);
    void SetReadOnlyRequest(bool value) { SetReadOnly(value); }
    bool CanUndoRequest() const;
    bool UndoRequest();
    void EmptyUndoBuffer();
    int FirstVisibleLine() const { return topRow_; }
    // -1 outside the client; else offset and row of the character under the point.
    bool CharFromPos(int x, int y, int& offset, int& row) const;
    void PosFromChar(int offset, int& x, int& y) const;
    void CutRequest();
    void CopyRequest();
    void PasteRequest();
    void ClearRequest();
    std::string GetText() const;
    int GetTextLength() const;
    void SetText(std::string_view text);

    // ---- Mouse, tokens and scroll bars (TEditorMouse.cpp) ---------------------------------
    // The cell under a client point: the column truncated or rounded to the nearest column
    // boundary, never below 0; left of the text the whole margin is column 0 (or TopCol); the
    // row may lie outside the rows.
    void PointToCell(int x, int y, bool rounded, int& row, int& col) const;
    // The row and byte index of the character under a point (rounded cell); false off the
    // text: empty text, left of or above the text area, below the rows, or at or beyond the
    // row's width.
    bool PosToRowIndex(TPoint pos, int& row, int& index) const;
    // The token under a point, parsed in its logical line by the active fountain (from the
    // line's stored state when useState, else with brackets off) or by a plain tokenizer;
    // empty text and ttEnd when the point is off the text.
    std::string TokenAtPos(TPoint pos, bool useFountain, bool useState, TTokenKind& kind) const;
    // Selects the token under a point: the caret at its start, SelLength its length.
    void SelectTokenAtPos(TPoint pos, bool useFountain, bool useState);
    TTokenKind TokenKindAtPos(TPoint pos) const;
    std::string TokenTextAtPos(TPoint pos) const;
    TTokenKind TokenKindAtCaret() const;
    std::string TokenTextAtCaret() const;
    void SelectWordAtCaret();
    // The client point of the caret's cell (top-left of its character).
    TPoint CaretPoint() const;
    // Copies or moves the selection to (row, col), one edit; nothing but clearing the
    // selection when it may not be dragged or the point is inside it. The caret ends after
    // the text.
    void CopySelectionTo(int row, int col);
    void MoveSelectionTo(int row, int col);
    TEditorDragState DragState() const { return dragState_; }
    TEditorCursorKind CursorKind() const { return cursorKind_; }

    // ---- Geometry (TEditor.cpp) ----------------------------------------------------------
    int ColWidth() const { return colWidth_; }
    int FontHeight() const { return fontHeight_; }
    int RowHeight() const override { return rowHeight_; } // the row pitch
    int TopMargin() const { return topMargin_; }          // text top
    int LeftMargin() const { return leftMargin_; }        // text left
    int RulerHeight() const { return rulerHeight_; }
    int LeftbarWidth() const { return leftbarWidth_; }
    int ImagebarWidth() const { return imagebarWidth_; }
    int LeftbarDigits() const { return leftbarDigits_; }
    int HorizontalOffset() const { return topCol_ * colWidth_; }
    bool Transparent() const { return transparent_; }
    // Text top of row r and text left of column c in client pixels.
    int RowTop(int row) const { return topMargin_ + (row - topRow_) * rowHeight_; }
    int ColLeft(int col) const { return leftMargin_ + (col - topCol_) * colWidth_; }
    const TDelimiters& Delimiters() const { return rule_.delimiters; }
    void SetDelimiters(const TDelimiters& value) { rule_.delimiters = value; }

    // ---- The text model's view of the editor (TEditor.cpp) --------------------------------
    TEditorScreenStrings& ScreenStrings() const override { return *list_; }
    bool Focused() const override { return TCustomControl::Focused(); }
    bool Loading() const override { return false; }
    bool Destroying() const override { return destroying_; }
    void InvalidateRow(int row) override;
    void InvalidateRows(int first, int last) override;
    void ScrollRows(int row, int count) override;
    void ScrollImagebar(int count) override;
    void InvalidateLeftbar(int first, int last) override;
    TLeftbarNumbers LeftbarNumbers() const override;
    int TextAreaTop() const override { return topMargin_; }
    int TextAreaWidth() const override;
    int TextAreaHeight() const override;
    void DoChange() override;
    void Relayout() override;
    void HideCaret() override { HideCaretNested(); }
    void ShowCaret() override { ShowCaretNested(); }
    TFountain* ActiveFountain() const override;
    bool InitBracketsFull() const override;
    void BeginUnderlineUpdate() override;
    void EndUnderlineUpdate() override;
    void SetLinesUpdating(bool updating) override { linesUpdating_ = updating; }
    void CaretChanged() override;
    bool VisibleWithWindow() const override { return isVisible(); }
    void SetRedraw(bool redraw) override;

protected:
    // ---- Overridable operations, in the control's slot order ------------------------------
    virtual void UpdateImagebarWidth();
    virtual void CreateDrawBitmaps();
    virtual void FreeDrawBitmaps();
    virtual bool UpdateLeftbarDigits();
    virtual void UpdateLeftbarWidth();
    virtual void UpdateRulerHeight();
    virtual void DrawRulerNumbers();
    virtual void DrawRulerMark(int col);
    virtual void EraseRulerMark(int col);
    virtual void CreateLeftbarEdge();
    virtual void PaintMarginBackground();
    virtual void SizeRulerBitmaps();
    virtual void InitRuler();
    virtual void CreateRulerDigitGlyphs();
    virtual void ColorRulerDigitGlyphs();
    virtual void CreateRulerEdge();
    virtual void DrawRulerGauge();
    virtual void PaintLeftbar(int first, int last);
    virtual void PaintRuler();
    virtual int RulerBitmapWidth() const;
    virtual void ScrollForLeftbarResize(int oldWidth, int newWidth);
    virtual void ScrollView(int dx, int dy, const TRect* scroll, const TRect* clip);
    virtual void DrawEofMark(int x, int y);
    virtual void DrawRetMark(int x, int y);
    virtual void DrawSelectedRetMark(int x, int y);
    virtual void DrawWrapMark(int x, int y);
    virtual void DrawSelectedWrapMark(int x, int y);
    virtual void DrawHideMark(int x, int y);
    virtual void DrawSelectedHideMark(int x, int y);
    virtual void DrawUnderline(int row);
    virtual void EraseUnderline(int row);
    virtual int UnderlinePos(int row) const;
    virtual void HideCaretNested();
    virtual void ShowCaretNested();
    virtual void HideSystemCaret();
    virtual void ShowSystemCaret();
    virtual bool CaretOutOfView() const;
    virtual void UpdateCaretPos();
    virtual void CreateCaretShape();
    virtual void ScrollCaretIntoView();
    virtual void CaretPixelPos(int& x, int& y) const;
    virtual TDelimiters GetDefaultDelimiters() const;
    virtual std::unique_ptr<TEditorCaret> CreateCaretOptions();
    virtual std::unique_ptr<TEditorImagebar> CreateImagebar();
    virtual std::unique_ptr<TEditorLeftbar> CreateLeftbar();
    virtual std::unique_ptr<TEditorMarks> CreateMarks();
    virtual std::unique_ptr<TEditorMargin> CreateMargin();
    virtual std::unique_ptr<TEditorRuler> CreateRuler();
    virtual std::unique_ptr<TEditorSpeed> CreateSpeed();
    virtual QMenu* CreatePopupMenu();
    virtual std::unique_ptr<TEditorScreen> CreateScreen();
    virtual TEditorScreenStrings* CreateScreenStrings();
    virtual std::unique_ptr<TEditorStrings> CreateLines();
    virtual std::unique_ptr<TEditorViewInfo> CreateViewInfo();
    virtual void DoCaretMoved();
    virtual void DoDrawLine(const TRect& rect, int x, bool selected, int row,
                            const std::string& text, int y);
    virtual void DoSelectionChange(bool selected);
    virtual void DoSelectionModeChange();
    virtual void DoTopColChange();
    virtual void DoTopRowChange();
    virtual void OptionsChanged(TObject* sender);

    // ---- Control hooks --------------------------------------------------------------------
    void Paint(const TRect& clip) override;
    void KeyDown(QKeyEvent* event) override;
    void KeyUp(QKeyEvent* event) override;
    void InputMethod(QInputMethodEvent* event) override;
    void MouseDown(QMouseEvent* event) override;
    void MouseMove(QMouseEvent* event) override;
    void MouseUp(QMouseEvent* event) override;
    void DoubleClick(QMouseEvent* event) override;
    void FocusIn() override;
    void FocusOut() override;
    void Resized() override;
    void ScrollRequest(Qt::Orientation orientation, TScrollCode code, int position) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

public:
    // The input method asks where the composition window goes and in which font.
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

protected:
    // ---- Painting (TEditorPaint.cpp) ------------------------------------------------------
    // Rows of the text area between first and last, each in its own rectangle.
    void PaintRows(TFountainParser& parser, TRect rect, int first, int last);
    void PaintNormalRow(TFountainParser& parser, const TRect& rect, int row,
                        const std::string& text);
    void PaintSelectedRow(TFountainParser& parser, const TRect& rect, int row,
                          const std::string& text);
    void PaintRowWithSelection(TFountainParser& parser, const TRect& rect, int row,
                               const std::string& text);
    // A text row in rect (or a row below the text), normal or with the selection shown.
    void PaintTextRow(TFountainParser& parser, const TRect& rect, int row, bool selectionShown);
    // The caret row with the preedit at the caret cell and the rest of the row pushed right.
    void PaintRowWithPreedit(TFountainParser& parser, const TRect& rect, int row,
                             bool selectionShown);
    void DrawPreedit(int x, int y, const TRect& clip);
    // x of column 0 as the rows are drawn (pushed right behind a preedit).
    int PaintOrigin() const { return leftMargin_ - HorizontalOffset() + paintShift_; }
    void PaintImagebar(int first, int last);
    // The rows from first to last of the text area, at once.
    void PaintRowsNow(int first, int last);
    // One row in the normal or the selection colours, clipped to rect.
    void PaintRow(TFountainParser& parser, const TRect& rect, int row, const std::string& text,
                  bool selected);
    // A run of text that starts at a character, at (x, y) clipped to clip, one column per
    // byte; an underlined style gets a dotted line.
    void DrawTextRun(int x, int y, const TRect& clip, std::string_view run, TFontStyles style,
                     TColor color, TColor brush, bool opaque);
    // A colour of the options, or fallback where it is clNone (not set).
    static TColor ColorOr(TColor color, TColor fallback);
    // The selection's colours, or the hit's while a hit is shown.
    TFountainColor* SelectionColors() const;
    TColor SelectedMarkColor() const;
    bool HasSelectionOrHit() const;
    void DrawUnderlineIn(int row, TColor color);
    void CopyRulerCell(int col, TBitmap& source);
    // The surface changed under rect outside a paint: the screen shows it at its next refresh.
    void RefreshScreen(const TRect& rect);

    // ---- Mouse state (TEditorMouse.cpp) ---------------------------------------------------
    // The control's own handling of a left press: the caret, the selection, the row selection
    // in the left margin, a pending drag.
    virtual void LeftButtonDown(QMouseEvent* event);
    // Treats the held left button as released: moves no longer select.
    void EndButtonPress() { buttonHeld_ = false; }
    // Where a drop lands under a client point: the truncated cell, one row up above the text.
    void DropPointCell(int x, int y, int& row, int& col) const;
    // The cursor shown for a kind (only when it changes, and only with AutoCursor).
    void SetCursorKind(TEditorCursorKind kind);
    // The cursor kind for the pointer at a client point while no button is held.
    TEditorCursorKind CursorKindAt(int x, int y) const;
    // Ends a pending or running drag without dropping; the selection is cleared.
    void CancelDrag();
    // The keys a running drag takes (Control, Escape); true when the key was one of them.
    bool DragKey(QKeyEvent* event, bool pressed);
    bool AwayFromPress(QPoint p) const;
    // The token under a point: the first row of its logical line, its byte offset there, its
    // kind and text.
    struct TTokenHit {
        int firstRow = 0;
        int start = 0;
        TTokenKind kind = ttEnd;
        std::string text;
    };
    std::optional<TTokenHit> TokenHitAt(TPoint pos, bool useFountain, bool useState) const;
    QPoint pressPoint_;
    bool buttonHeld_ = false;
    TEditorDragState dragState_ = TEditorDragState::None;
    TEditorCursorKind cursorKind_ = TEditorCursorKind::Default;

    // ---- Column normalisation (TEditor.cpp) -----------------------------------------------
    void AdjustCol(bool vertical, int direction);
    void Measure();
    void UpdateScrollRanges();
    // Places the input method's composition window at the caret now (clears the pending
    // flag); while a key repeats the caret moves only mark it pending.
    void PlaceImeWindow();

    // ---- Selection state (TEditorSelection.cpp) -------------------------------------------
    struct TSelectionRange {
        int anchorRow = 0, anchorIndex = 0, anchorCol = 0;
        int startRow = 0, endRow = 0;
        int startIndex = 0, endIndex = -1;
        int startCol = 0, endCol = 0;
        // The column range as last painted.
        int paintedStartRow = 0, paintedEndRow = 0, paintedStartCol = 0, paintedEndCol = 0;
    };
    struct TRowSelection {
        bool active = false;
        int anchorRow = 0;
        int currentRow = 0;
        bool anchorIsLastRowWithoutBreak = false;
    };
    // The rows of the selection without the selected part: for a stream one row (the first
    // row's head and the last row's tail, with the last row's attribute) and the insertion
    // point; for a box one row per selected row and the byte position where the box was.
    struct TRowsWithoutSelection {
        std::string text; // the rebuilt rows joined, CR LF after raLineEnd rows
        std::vector<std::string> rows;
        std::vector<TRowAttribute> attributes;
        std::vector<int> boxIndexes; // box: where each row's box part was
        int insertIndex = 0;         // stream: the start index (where the text goes)
    };
    // State selected only (otherwise empty). Stream: rows holds one row, the first selected
    // row's bytes before SelStartIndex followed by the last selected row's bytes after
    // SelEndIndex, with the last selected row's attribute (raTextEnd for the row after the
    // last); insertIndex is SelStartIndex (0-based), where a replacing text goes. Box: one row
    // per selected row SelStartRow..SelEndRow (the row after the last included when the box
    // reaches it), each without its box part (left edge taken by StartIndex, right edge by
    // EndIndex, so double-byte characters and tabs are never cut), keeping the row's
    // attribute; boxIndexes[k] is StartIndex of the box's left column in that row, beyond the
    // row's length when the row is shorter than the box's left column (the row then needs
    // spaces up to it). text joins the rows, CR LF after each raLineEnd row.
    TRowsWithoutSelection RowsWithoutSelection() const;
    bool nextSelectionIsHit_ = false;
    int hitLength_ = 0;

    // ---- Editing state (TEditorEditing.cpp) -----------------------------------------------
    // The anchor row of an edit at row: max(first row of its line, row - 1).
    int EditAnchorRow(int row) const;
    // One edit: UpdateRows(row, count, text), then the caret `offset` bytes after anchorRow.
    void ReplaceRows(int row, int count, std::string_view text, int anchorRow, int offset);
    // Rows first..last that exist, as a count for UpdateRows.
    int RowsToReplace(int first, int last) const;
    // Clears a search hit that is shown (every edit starts so).
    void ClearHit();
    // The edit that puts text (CR LF breaks) in place of the selection, or at the caret (the
    // row padded with spaces up to a caret beyond its end); the caret goes after the text.
    void ReplaceSelectionBy(std::string_view text);
    // The character codes of Backspace (8), Tab (9), Enter (13) and the ignored control codes;
    // false when the key is not the control's (Tab without WantTabs, Enter without
    // WantReturns).
    bool KeyPress(int code, bool shift);
    // The movement keys with Shift extending the selection; false for other keys.
    bool MovementKey(int key, bool shift, bool control);
    // Character input of a key's text (code page 932): its printable characters in one edit.
    // False when it held none.
    bool TypeText(std::string_view bytes);
    // Selects the characters of the caret row from start (relative to the caret) on, as the
    // input method counts them (UTF-16 units).
    void SelectAroundCaret(int start, int length);
    // The caret row as the input method counts it: the text before and after the caret.
    void CaretRowText(QString& before, QString& after) const;
    // Takes the composition of an input method event as the preedit shown at the caret.
    void SetPreedit(const QInputMethodEvent& event);
    int EnterIndent(int row, int first) const;
    std::string IndentText(int width) const;
    void JoinWithPreviousRow();
    // The start of Delete and Backspace: nothing when ReadOnly, a shown hit cleared, a
    // selection deleted instead of the key's own work; true when that work remains.
    bool StartDeletingKey();
    // Backspace's unindent: the column it goes back to, and the edit (true when it applied).
    int UnIndentColumn(int row) const;
    bool UnIndent();
    // The byte index where the character before column col of text starts (tab padding and
    // trail bytes go back to their character).
    int CharStartBefore(std::string_view text, int col) const;
    // The row that holds the character offset counted from the start of fromRow, and the byte
    // index in it (the row count and 0 past the end); the one walk the caret placement and the
    // requests share.
    int RowOfOffset(int fromRow, int offset, int& index) const;

private:
    void FountainChanged(TObject* sender);
    void FontChanged(TObject* sender);
    void AttachOptions();
    const TCharAttributes& Rule() const;
    // Whether (row, col) is a place the caret may not stand: a trail byte, or tab padding
    // without InTab.
    bool OnTrailOrPadding(int row, int col) const;
    // Text top/left, RowCount and ColCount from the measured font and bars.
    void MeasureTextArea();
    int MaxTopCol() const;
    void UpdateScrollBars();
    int RowLengthWithBreak(int row) const;
    void RememberCol(bool vertical, int col);
    // Display columns where the non-symbol tokens of a row start (its tab-expanded text).
    std::vector<int> WordStarts(int row) const;
    bool HitCaretBlock() const;
    // The caret made again in the shape the hit state gives it, placed and shown.
    void RenewCaret();
    void PlaceSystemCaret();
    void PlaceImeWindowOrDefer();
    // Run body with the caret hidden (nested), with the caret-row underline update open, or
    // with caret updates suppressed, and undo that on every way out of it.
    template <class Body> void WithCaretHidden(Body&& body) {
        HideCaretNested();
        WithCleanup(body, [this] { ShowCaretNested(); });
    }
    template <class Body> void WithUnderlineUpdate(Body&& body) {
        BeginUnderlineUpdate();
        WithCleanup(body, [this] { EndUnderlineUpdate(); });
    }
    template <class Body> void WithCaretUpdatesSuppressed(Body&& body) {
        const bool suppressed = suppressCaretUpdate_;
        suppressCaretUpdate_ = true;
        WithCleanup(body, [this, suppressed] { suppressCaretUpdate_ = suppressed; });
    }
    // A row's bytes; empty outside the rows.
    std::string_view RowView(int row) const;
    // Selection helpers (TEditorSelection.cpp).
    bool TextEmpty() const;
    bool SelectionPainted() const;
    int ClampedCaretIndex() const;
    void SetSelectionAnchor(int row, int col);
    void ComputeSelectionRange();
    void RepaintSelectionChange();
    // Calls sink with each piece of the selected text in order (bytes of rows, CR LF).
    template <class Sink> void ForEachSelectedPiece(Sink sink) const;
    int RowSelectionRow(int row) const;
    bool LastRowWithoutBreak(int row) const;
    // A sum over the rows before a row (offsets, line numbers), kept while the rows' version
    // stays and walked on from the row asked last.
    struct TRowWalk {
        uint64_t version = UINT64_MAX;
        int row = 0;
        int sum = 0;
    };
    template <class RowValue> int SumBeforeRow(TRowWalk& walk, int row, RowValue value) const;
    mutable TRowWalk offsetWalk_;
    mutable TRowWalk lineWalk_;

    // Owned objects.
    std::unique_ptr<TEditorCaret> caret_;
    std::unique_ptr<TEditorImagebar> imagebar_;
    std::unique_ptr<TEditorLeftbar> leftbar_;
    std::unique_ptr<TEditorMarks> marks_;
    std::unique_ptr<TEditorMargin> margin_;
    std::unique_ptr<TEditorRuler> ruler_;
    std::unique_ptr<TEditorSpeed> speed_;
    std::unique_ptr<TEditorScreen> screen_;
    TEditorScreenStrings* list_ = nullptr; // shared; frees itself with its last editor
    std::unique_ptr<TEditorStrings> lines_;
    std::unique_ptr<TEditorViewInfo> view_;
    std::unique_ptr<TFont> font_;
    std::unique_ptr<TStringList> reserveWordList_;
    QMenu* popupMenu_ = nullptr;
    QMenu* ownPopupMenu_ = nullptr;
    TFountain* fountain_ = nullptr;
    TImageList* imageDigits_ = nullptr;
    TImageList* imageMarks_ = nullptr;

    // Properties.
    TBorderStyle borderStyle_ = bsSingle;
    TColor color_ = clWhite;
    TEditorHitStyle hitStyle_ = hsSelect;
    bool readOnly_ = false;
    TScrollStyle scrollBars_ = ssNone;
    bool wantReturns_ = true;
    bool wantTabs_ = true;
    bool destroying_ = false;
    // Nesting of this editor's own edits, and a change heard during one (see DoChange).
    int editDepth_ = 0;
    bool changePending_ = false;
    bool modified_ = false;
    bool linesUpdating_ = false;

    // Geometry.
    int colWidth_ = 8;
    int fontHeight_ = 16;
    int rowHeight_ = 16;
    int topMargin_ = 0;
    int leftMargin_ = 0;
    int rulerHeight_ = 0;
    int leftbarWidth_ = 0;
    int imagebarWidth_ = 0;
    int leftbarDigits_ = 0;
    int rowCount_ = 1;
    int colCount_ = 1;
    int maxTopRow_ = 0;
    bool transparent_ = false;

    // Position state.
    int row_ = 0;
    int col_ = 0;
    int rememberedCol_ = 0;
    bool colRemembered_ = false;
    int topRow_ = 0;
    int topCol_ = 0;
    int caretHideCount_ = 0;
    bool caretShown_ = false;
    bool suppressCaretUpdate_ = false;
    bool keyRepeat_ = false;
    bool imePending_ = false;
    int underlineUpdateCount_ = 0;
    mutable TCharAttributes rule_;

    // The input method's composition shown at the caret, never part of the text: code page
    // 932, one column a byte; the conversion segment and the input method's cursor in bytes.
    struct TPreedit {
        std::string text;
        int segmentStart = 0;
        int segmentEnd = 0;
        int cursor = 0;
    };
    TPreedit preedit_;
    int paintShift_ = 0;

    // Selection.
    TEditorSelectionState selState_ = TEditorSelectionState::None;
    TEditorSelectionMode selectionMode_ = smLine;
    TSelectionRange sel_;
    TRowSelection rowSel_;
    bool erasingSelection_ = false;

    // Drawing bitmaps (TEditorMargins.cpp, TEditorPaint.cpp).
    std::unique_ptr<TBitmap> marginBitmap_;
    std::unique_ptr<TBitmap> leftbarEdge_;
    std::unique_ptr<TBitmap> rulerEdge_;
    std::unique_ptr<TBitmap> rulerGauge_;
    std::unique_ptr<TBitmap> rulerBitmap_;
    std::unique_ptr<TBitmap> rulerMarkBitmap_;
    std::unique_ptr<TBitmap> rulerDigits_;
    std::unique_ptr<TBitmap> rulerMarkDigits_;
    std::unique_ptr<TBitmap> digitFont_;
    int rulerDigitWidth_ = 5;
    int rulerDigitHeight_ = 9;
    int rulerNumbersBase_ = -1; // the column the ruler bitmaps start at
};

} // namespace kes
