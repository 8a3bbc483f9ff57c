#include "editor/EditorTestSupport.h"

#include "editorex/TEditorEx.h"
#include "editorex/TEditorExMarks.h"
#include "editorex/TVerticalLines.h"
#include "toolkit/core/Cp932Codec.h"

#include <QApplication>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace kes {
namespace {

using test::MakeShownEditor;

struct TChangeCounter {
    int changes = 0;
    void Changed(TObject*) { ++changes; }
};

TEST(TEditorExMarks, EveryOwnedObjectReportsOnceAndAssignReportsOnce) {
    TEditorExMarks marks;
    TChangeCounter counter;
    marks.OnChange = MethodOf<&TChangeCounter::Changed>(&counter);
    EXPECT_FALSE(marks.Indicated());
    marks.Hit()->SetColor(clRed);
    EXPECT_EQ(counter.changes, 1);
    EXPECT_FALSE(marks.Indicated()) << "the hit colours are no mark";
    marks.Img3Line()->SetVisible(true);
    EXPECT_EQ(counter.changes, 2);
    EXPECT_TRUE(marks.Indicated());

    TEditorExMarks other;
    other.DBSpaceMark()->SetColor(clBlue);
    other.EvenLine()->SetVisible(true);
    other.Hit()->SetBkColor(clYellow);
    TEditorMark* const ownedSpace = marks.DBSpaceMark();
    counter.changes = 0;
    marks.Assign(&other);
    EXPECT_EQ(counter.changes, 1);
    EXPECT_EQ(marks.DBSpaceMark(), ownedSpace) << "assigning copies into the owned object";
    EXPECT_EQ(marks.DBSpaceMark()->Color(), clBlue);
    EXPECT_TRUE(marks.EvenLine()->Visible());
    EXPECT_FALSE(marks.Img3Line()->Visible());
    EXPECT_EQ(marks.Hit()->BkColor(), clYellow);
}

TEST(TVerticalLine, SettersIgnoreNegativeColumnsAndAssignCopies) {
    TVerticalLines lines(nullptr);
    TVerticalLine* line = lines.Add();
    EXPECT_TRUE(line->Visible());
    EXPECT_EQ(line->Color(), clBlack);
    line->SetPosition(12);
    line->SetPosition(-1);
    EXPECT_EQ(line->Position(), 12);
    TVerticalLine* copy = lines.Add();
    line->SetColor(clRed);
    line->SetVisible(false);
    copy->Assign(line);
    EXPECT_EQ(copy->Position(), 12);
    EXPECT_EQ(copy->Color(), clRed);
    EXPECT_FALSE(copy->Visible());
}

TEST(TEditorEx, SelectionsAreDraggedThroughTheDesktop) {
    TEditorEx editor;
    EXPECT_EQ(editor.Caret()->SelDragMode(), dmManual);
}

TEST(TEditorEx, ColumnsMapToTheCharacterShownThere) {
    const std::string kA = Utf8ToCp932("あ");
    auto editor = MakeShownEditor<TEditorEx>(400, 200, "a\t" + kA + "b");
    // Columns: a 0, the tab 1..7, あ 8..9, b 10.
    EXPECT_EQ(editor->ColToCharIndex(0, 0), 0);
    EXPECT_EQ(editor->ColToCharIndex(0, 1), 1);
    EXPECT_EQ(editor->ColToCharIndex(0, 5), 1) << "tab padding belongs to the tab";
    EXPECT_EQ(editor->ColToCharIndex(0, 8), 2);
    EXPECT_EQ(editor->ColToCharIndex(0, 9), 2) << "a trail byte belongs to its lead byte";
    EXPECT_EQ(editor->ColToCharIndex(0, 10), 4);
    EXPECT_EQ(editor->ColToCharIndex(0, 60), 5) << "beyond the end: the text's length";
    EXPECT_EQ(editor->ColToCharIndex(1, 0), 0) << "the row after the last is empty";
    EXPECT_EQ(editor->ColToCharIndex(2, 0), -1);
    EXPECT_EQ(editor->ColToCharIndex(-1, 0), -1);
    EXPECT_EQ(editor->ColToCharIndex(0, -1), -1);
}

TEST(TEditorEx, RowsOfALogicalLine) {
    auto editor = MakeShownEditor<TEditorEx>(400, 200);
    editor->WrapOption()->SetWrapByte(20);
    editor->SetWordWrap(true);
    editor->Lines()->SetTextStr("x\r\n" + std::string(50, 'a') + "\r\ny");
    ASSERT_EQ(editor->ListCount(), 5);
    for (int row : {1, 2, 3}) {
        EXPECT_EQ(editor->FirstRowOfLine(row), 1) << row;
        EXPECT_EQ(editor->LastRowOfLine(row), 3) << row;
    }
    EXPECT_EQ(editor->FirstRowOfLine(4), 4);
    EXPECT_EQ(editor->LastRowOfLine(0), 0);
    EXPECT_EQ(editor->FirstRowOfLine(-3), -3);
    EXPECT_EQ(editor->LastRowOfLine(9), 9);
}

TEST(TEditorEx, FindParenPairsNestedBracketsAcrossRows) {
    auto editor = MakeShownEditor<TEditorEx>(400, 200, "f(a(b)c)\r\n{\r\nx}y}");
    ASSERT_TRUE(editor->FindParen(0, 2));
    EXPECT_EQ(editor->OpenParen().position, 2);
    EXPECT_EQ(editor->CloseParen().row, 0);
    EXPECT_EQ(editor->CloseParen().position, 8);
    EXPECT_EQ(editor->CloseParen().text, ")");
    ASSERT_TRUE(editor->FindParen(0, 6)) << "from a closer backward";
    EXPECT_EQ(editor->OpenParen().position, 4);
    EXPECT_EQ(editor->OpenParen().text, "(");

    ASSERT_TRUE(editor->FindParen(1, 1));
    EXPECT_EQ(editor->CloseParen().row, 2);
    EXPECT_EQ(editor->CloseParen().position, 2);
    ASSERT_FALSE(editor->FindParen(2, 4)) << "the last brace has no partner";
    EXPECT_FALSE(editor->FindParen(0, 1)) << "no bracket";
    EXPECT_FALSE(editor->FindParen(0, 40)) << "beyond the row";
}

TEST(TEditorEx, FindParenReadsDoubleByteCharacters) {
    // ー (0x81 0x5B) ends in the byte of '['.
    const std::string text = Utf8ToCp932("[ーー]「ー\r\nー」");
    auto editor = MakeShownEditor<TEditorEx>(400, 200, text);
    ASSERT_TRUE(editor->FindParen(0, 1));
    EXPECT_EQ(editor->CloseParen().position, 6) << "trail bytes that look like '[' do not nest";
    ASSERT_TRUE(editor->FindParen(1, 4)) << "the trail byte of 」 stands for it";
    EXPECT_EQ(editor->CloseParen().position, 3);
    EXPECT_EQ(editor->OpenParen().row, 0);
    EXPECT_EQ(editor->OpenParen().position, 7);
    EXPECT_EQ(editor->OpenParen().text, Utf8ToCp932("「"));
    EXPECT_FALSE(editor->FindParen(0, 3)) << "ー is no bracket, not even at its trail byte '['";
}

TEST(TEditorEx, CaretMovesTakeTheBracketAtOrBeforeTheCaret) {
    auto editor = MakeShownEditor<TEditorEx>(400, 200, "f(a(b)c) (\r\nz");
    editor->ExMarks()->ParenMark()->SetVisible(true);
    editor->SetRowCol(0, 1);
    EXPECT_TRUE(editor->ParenFound());
    EXPECT_EQ(editor->CloseParen().position, 8);
    editor->SetRowCol(0, 8);
    EXPECT_TRUE(editor->ParenFound()) << "after a closer the closer before the caret counts";
    EXPECT_EQ(editor->OpenParen().position, 2);
    editor->SetRowCol(0, 10);
    EXPECT_FALSE(editor->ParenFound()) << "a bracket without partner";
    editor->SetRowCol(1, 0);
    EXPECT_FALSE(editor->ParenFound());
}

TEST(TEditorEx, DoubleClickSelectsTheTokenUnderTheCaret) {
    auto editor = MakeShownEditor<TEditorEx>(400, 200, "abc hello def");
    int doubleClicks = 0;
    struct TCounter {
        int* count;
        void Clicked(TObject*) { ++*count; }
    } counter{&doubleClicks};
    editor->OnDblClick = MethodOf<&TCounter::Clicked>(&counter);
    // The events of a double click as the desktop delivers them.
    const QPointF point(editor->ColLeft(6) + 1, editor->RowTop(0) + 2);
    QWidget* viewport = editor->viewport();
    for (const auto& [type, buttons] : {std::pair{QEvent::MouseButtonPress, Qt::LeftButton},
                                        std::pair{QEvent::MouseButtonRelease, Qt::NoButton},
                                        std::pair{QEvent::MouseButtonDblClick, Qt::LeftButton},
                                        std::pair{QEvent::MouseButtonRelease, Qt::NoButton}}) {
        QMouseEvent event(type, point, viewport->mapToGlobal(point), Qt::LeftButton, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(viewport, &event);
    }
    EXPECT_EQ(doubleClicks, 1);
    EXPECT_EQ(editor->SelText(), "hello");
}

} // namespace
} // namespace kes
