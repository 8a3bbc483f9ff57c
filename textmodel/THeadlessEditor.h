#pragma once

#include "textmodel/TCharAttributes.h"
#include "textmodel/TLinesView.h"

#include <memory>

namespace kes {

class TEditorStrings;

// An editor without a window: screen rows, Lines, a caret and a screen of a fixed number of
// rows, with the column measure of a real editor (default delimiters, TabSpaceCount). It is
// what kespad-tool and the benchmarks run the text model with.
class THeadlessEditor : public TLinesView {
public:
    THeadlessEditor();
    ~THeadlessEditor() override;
    THeadlessEditor(const THeadlessEditor&) = delete;
    THeadlessEditor& operator=(const THeadlessEditor&) = delete;

    TEditorScreenStrings& Rows() const { return *rows_; }
    TEditorStrings& Lines() const { return *lines_; }

    // 2..8, rounded down to an even number, as the editor's caret options keep it.
    int TabSpaceCount() const { return tabSpaceCount_; }
    void SetTabSpaceCount(int value);
    void SetFountain(TFountain* fountain) { fountain_ = fountain; }
    void SetScreenRows(int rows) { screenRows_ = rows; }

    int Row() const override { return row_; }
    void SetRow(int row) override;
    int Col() const override { return col_; }
    void SetCol(int col) override;
    int TopRow() const override { return topRow_; }
    void SetTopRow(int row) override;
    int RowCount() const override { return screenRows_; }
    int RowHeight() const override { return 1; }
    bool Focused() const override { return false; }
    bool Loading() const override { return false; }
    bool Destroying() const override { return false; }
    bool HasSelection() const override { return false; }
    void CleanSelection() override {}
    void InvalidateRow(int) override {}
    void InvalidateRows(int, int) override {}
    void ScrollRows(int, int) override {}
    void ScrollImagebar(int) override {}
    void InvalidateLeftbar(int, int) override {}
    TLeftbarNumbers LeftbarNumbers() const override { return TLeftbarNumbers::None; }
    int TextAreaTop() const override { return 0; }
    int TextAreaWidth() const override { return 1000; }
    int TextAreaHeight() const override { return screenRows_; }
    void DoChange() override {}
    void Relayout() override {}
    void HideCaret() override {}
    void ShowCaret() override {}
    TFountain* ActiveFountain() const override { return fountain_; }
    bool InitBracketsFull() const override { return false; }
    void StrToAttributes(std::string_view text, std::string& attributes) const override;
    int DisplayWidth(std::string_view text) const override;
    bool WordWrap() const override;

    TEditorScreenStrings& ScreenStrings() const override { return *rows_; }
    void BeginUnderlineUpdate() override {}
    void EndUnderlineUpdate() override {}
    void SetLinesUpdating(bool) override {}
    void CaretChanged() override {}
    bool VisibleWithWindow() const override { return false; }
    void SetRedraw(bool) override {}

private:
    const TCharAttributes& Rule() const;

    TEditorScreenStrings* rows_;
    mutable TCharAttributes rule_;
    std::unique_ptr<TEditorStrings> lines_;
    TFountain* fountain_ = nullptr;
    int tabSpaceCount_ = 8;
    int screenRows_ = 40;
    int row_ = 0;
    int col_ = 0;
    int topRow_ = 0;
};

} // namespace kes
