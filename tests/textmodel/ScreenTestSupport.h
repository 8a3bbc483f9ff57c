#pragma once

#include "fountain/TFountain.h"
#include "fountain/TFountainParser.h"
#include "textmodel/TCharAttributes.h"
#include "textmodel/TEditorScreenStrings.h"
#include "textmodel/TEditorUndoObj.h"
#include "textmodel/TEditorWrapOption.h"
#include "textmodel/TLinesView.h"

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace kes::test {

class TPlainParser : public TFountainParser {
public:
    using TFountainParser::TFountainParser;
    TFountainColor* TokenColor() override { return nullptr; }

protected:
    // Quoted text and '#' comments, so that tokens carry over wrapped rows.
    void InitMethodTable() override {
        TFountainParser::InitMethodTable();
        methodTable_['"'] = Proc(&TPlainParser::DoubleQuotedProc);
        methodTable_['#'] = Proc(&TPlainParser::CommentProc);
    }
};

// A scheme with one bracket pair, "(*" .. "*)", which carries over line breaks.
class TPlainFountain : public TFountain {
public:
    explicit TPlainFountain(TComponent* owner = nullptr) : TFountain(owner) {
        TFountainBracketItem* item = Brackets()->Add();
        item->SetLeftBracket("(*");
        item->SetRightBracket("*)");
    }

protected:
    TFountainParserClass GetParserClass() override {
        return [](TFountain* f) -> std::unique_ptr<TFountainParser> {
            return std::make_unique<TPlainParser>(f);
        };
    }
};

// An editor without a window: it keeps a caret and records what the rows ask of it.
class FakeView : public TLinesView {
public:
    // Without rows of another view to attach to, the view makes its own; the rows go when
    // their last view does.
    explicit FakeView(TEditorScreenStrings* rows = nullptr)
        : rows_(rows ? rows : new TEditorScreenStrings()) {
        rows_->AddEditor(this);
    }
    ~FakeView() override { rows_->RemoveEditor(this); }
    FakeView(const FakeView&) = delete;
    FakeView& operator=(const FakeView&) = delete;

    TEditorScreenStrings& Rows() const { return *rows_; }

    int Row() const override { return row; }
    void SetRow(int value) override { row = std::clamp(value, 0, rows_->MaxRow()); }
    int Col() const override { return col; }
    void SetCol(int value) override { col = std::clamp(value, 0, 1000); }
    int TopRow() const override { return topRow; }
    void SetTopRow(int value) override { topRow = std::clamp(value, 0, rows_->MaxRow()); }
    int RowCount() const override { return visibleRows; }
    int RowHeight() const override { return 10; }
    bool Focused() const override { return focused; }
    bool Loading() const override { return loading; }
    bool Destroying() const override { return false; }
    bool HasSelection() const override { return selection; }
    void CleanSelection() override {
        selection = false;
        ++selectionsCleaned;
    }
    void InvalidateRow(int r) override { invalidatedRows.push_back(r); }
    void InvalidateRows(int first, int last) override {
        calls.push_back("rows " + std::to_string(first) + ".." + std::to_string(last));
    }
    void ScrollRows(int r, int count) override {
        calls.push_back("scroll " + std::to_string(r) + " by " + std::to_string(count));
    }
    void ScrollImagebar(int count) override {
        calls.push_back("imagebar by " + std::to_string(count));
    }
    void InvalidateLeftbar(int first, int last) override {
        calls.push_back("leftbar " + std::to_string(first) + ".." + std::to_string(last));
    }
    TLeftbarNumbers LeftbarNumbers() const override { return numbers; }
    int TextAreaTop() const override { return 0; }
    int TextAreaWidth() const override { return 800; }
    int TextAreaHeight() const override { return visibleRows * 10; }
    void DoChange() override {
        ++changes;
        lastInfo = rows_->UpdateInfo();
    }
    void Relayout() override { ++relayouts; }
    void HideCaret() override { ++hidden; }
    void ShowCaret() override { --hidden; }
    TFountain* ActiveFountain() const override { return fountain; }
    bool InitBracketsFull() const override { return bracketsFull; }
    void StrToAttributes(std::string_view text, std::string& attributes) const override {
        Rule().Build(text, attributes);
    }
    int DisplayWidth(std::string_view text) const override { return Rule().Width(text); }
    bool WordWrap() const override { return rows_->WordWrap(); }

    TEditorScreenStrings& ScreenStrings() const override { return *rows_; }
    void BeginUnderlineUpdate() override { ++underline; }
    void EndUnderlineUpdate() override { --underline; }
    void SetLinesUpdating(bool value) override { linesUpdating = value; }
    void CaretChanged() override { ++caretChanges; }
    bool VisibleWithWindow() const override { return visible; }
    void SetRedraw(bool value) override { redraw = value; }

    TCharAttributes Rule() const {
        TCharAttributes rule;
        rule.tabSpaceCount = tabSpaceCount;
        rule.wordWrap = rows_->WordWrap();
        rule.wrapByte = rows_->WrapOption().WrapByte();
        return rule;
    }

    int row = 0;
    int col = 0;
    int topRow = 0;
    int visibleRows = 20;
    int tabSpaceCount = 8;
    bool focused = false;
    bool loading = false;
    bool selection = false;
    bool bracketsFull = false;
    bool visible = false;
    bool redraw = true;
    bool linesUpdating = false;
    TLeftbarNumbers numbers = TLeftbarNumbers::None;
    TFountain* fountain = nullptr;
    int selectionsCleaned = 0;
    int changes = 0;
    int relayouts = 0;
    int hidden = 0;
    int underline = 0;
    int caretChanges = 0;
    TEditorUpdateInfo lastInfo;
    std::vector<int> invalidatedRows;
    std::vector<std::string> calls;

private:
    TEditorScreenStrings* rows_;
};

// An editor that fails on the next change notice once it is armed.
class FailingView : public FakeView {
public:
    using FakeView::FakeView;
    void DoChange() override {
        FakeView::DoChange();
        if (armed) {
            armed = false;
            throw std::runtime_error("notice failed");
        }
    }
    bool armed = false;
};

// The rows as "text|L", "text|C", "text|T".
inline std::vector<std::string> Dump(const TEditorStringList& rows) {
    std::vector<std::string> out;
    for (int i = 0; i < rows.GetCount(); ++i) {
        static const char* names[] = {"|L", "|C", "|T", "|N"};
        out.push_back(std::string(rows.View(i)) + names[rows.RowAttributes(i)]);
    }
    return out;
}

// The bytes of text the undo and redo entries hold, summed entry by entry.
inline size_t HistoryBytes(const TEditorUndoObj& undo) {
    size_t bytes = 0;
    for (const TUndoDataList* list : {&undo.UndoList(), &undo.RedoList()})
        for (int i = 0; i < list->Count(); ++i)
            bytes += list->Items(i)->Text.size();
    return bytes;
}

inline std::string Letters(int n, char from = 'a') {
    std::string s;
    for (int i = 0; i < n; ++i)
        s += static_cast<char>(from + i % 26);
    return s;
}

} // namespace kes::test
