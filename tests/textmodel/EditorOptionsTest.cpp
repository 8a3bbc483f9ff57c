#include "textmodel/TEditorCaret.h"
#include "textmodel/TEditorImagebar.h"
#include "textmodel/TEditorLeftbar.h"
#include "textmodel/TEditorMargin.h"
#include "textmodel/TEditorMarks.h"
#include "textmodel/TEditorRuler.h"
#include "textmodel/TEditorSpeed.h"
#include "toolkit/core/Exception.h"

#include <gtest/gtest.h>

namespace kes {
namespace {

// Counts the change events of one option object.
struct ChangeCounter : TObject {
    int calls = 0;
    TObject* sender = nullptr;
    void Handle(TObject* from) {
        ++calls;
        sender = from;
    }
    void Watch(TNotifyPersistent& object) {
        object.OnChange = MethodOf<&ChangeCounter::Handle>(this);
    }
};

TEST(EditorOptions, DefaultsAreTheDocumentedOnes) {
    TEditorCaret caret;
    EXPECT_TRUE(caret.AutoCursor());
    EXPECT_TRUE(caret.AutoIndent());
    EXPECT_TRUE(caret.BackSpaceUnIndent());
    EXPECT_TRUE(caret.FreeCaret());
    EXPECT_FALSE(caret.FreeRow());
    EXPECT_FALSE(caret.InTab());
    EXPECT_FALSE(caret.KeepCaret());
    EXPECT_FALSE(caret.LockScroll());
    EXPECT_FALSE(caret.NextLine());
    EXPECT_FALSE(caret.PrevSpaceIndent());
    EXPECT_TRUE(caret.RowSelect());
    EXPECT_EQ(caret.SelDragMode(), dmAutomatic);
    EXPECT_TRUE(caret.SelMove());
    EXPECT_FALSE(caret.SoftTab());
    EXPECT_EQ(caret.Style(), csDefault);
    EXPECT_FALSE(caret.TabIndent());
    EXPECT_EQ(caret.TabSpaceCount(), 8);

    TEditorCursors& cursors = *caret.Cursors();
    EXPECT_EQ(cursors.DefaultCursor(), -4);
    EXPECT_EQ(cursors.DragSelCursor(), -12);
    EXPECT_EQ(cursors.DragSelCopyCursor(), 1959);
    EXPECT_EQ(cursors.InSelCursor(), 0);
    EXPECT_EQ(cursors.LeftMarginCursor(), 1958);
    EXPECT_EQ(cursors.TopMarginCursor(), 0);

    TEditorMargin margin;
    EXPECT_EQ(margin.Character(), 0);
    EXPECT_EQ(margin.Left(), 19);
    EXPECT_EQ(margin.Line(), 0);
    EXPECT_EQ(margin.Top(), 2);
    EXPECT_EQ(margin.UnderlineSpacing(), 0);

    TEditorMarks marks;
    for (TEditorMark* mark : {marks.EofMark(), marks.RetMark(), marks.WrapMark(), marks.HideMark(),
                              marks.Underline()}) {
        EXPECT_EQ(mark->Color(), 0x808080);
        EXPECT_FALSE(mark->Visible());
    }

    TEditorRuler ruler;
    EXPECT_EQ(ruler.BkColor(), 0xC0C0C0);
    EXPECT_EQ(ruler.Color(), 0);
    EXPECT_TRUE(ruler.Edge());
    EXPECT_EQ(ruler.GaugeRange(), 10);
    EXPECT_EQ(ruler.MarkColor(), 0);
    EXPECT_FALSE(ruler.Visible());

    TEditorLeftbar leftbar;
    EXPECT_EQ(leftbar.BkColor(), 0xC0C0C0);
    EXPECT_EQ(leftbar.Color(), 0);
    EXPECT_EQ(leftbar.Column(), 4);
    EXPECT_TRUE(leftbar.Edge());
    EXPECT_EQ(leftbar.LeftMargin(), 8);
    EXPECT_EQ(leftbar.RightMargin(), 4);
    EXPECT_TRUE(leftbar.ShowNumber());
    EXPECT_EQ(leftbar.ShowNumberMode(), nmRow);
    EXPECT_FALSE(leftbar.Visible());
    EXPECT_FALSE(leftbar.ZeroBase());
    EXPECT_FALSE(leftbar.ZeroLead());

    TEditorImagebar imagebar;
    EXPECT_EQ(imagebar.DigitWidth(), 8);
    EXPECT_EQ(imagebar.LeftMargin(), 2);
    EXPECT_EQ(imagebar.MarkWidth(), 0);
    EXPECT_EQ(imagebar.RightMargin(), 2);
    EXPECT_TRUE(imagebar.Visible());

    TEditorSpeed speed;
    EXPECT_EQ(speed.CaretVerticalAc(), 2);
    EXPECT_FALSE(speed.InitBracketsFull());
    EXPECT_EQ(speed.PageVerticalRange(), 2);
    EXPECT_EQ(speed.PageVerticalRangeAc(), 2);
}

TEST(EditorOptions, SettersClampIntoTheirRanges) {
    TEditorCaret caret;
    for (auto [in, out] : {std::pair{1, 2}, {3, 2}, {5, 4}, {7, 6}, {9, 8}, {100, 8}, {-5, 2}}) {
        caret.SetTabSpaceCount(in);
        EXPECT_EQ(caret.TabSpaceCount(), out) << "TabSpaceCount " << in;
    }
    TEditorRuler ruler;
    for (auto [in, out] : {std::pair{9, 8}, {12, 10}, {7, 8}, {10, 10}}) {
        ruler.SetGaugeRange(in);
        EXPECT_EQ(ruler.GaugeRange(), out) << "GaugeRange " << in;
    }
    TEditorLeftbar leftbar;
    leftbar.SetColumn(0);
    EXPECT_EQ(leftbar.Column(), 1);
    leftbar.SetColumn(9);
    EXPECT_EQ(leftbar.Column(), 8);
    leftbar.SetLeftMargin(-1);
    leftbar.SetRightMargin(101);
    EXPECT_EQ(leftbar.LeftMargin(), 0);
    EXPECT_EQ(leftbar.RightMargin(), 100);

    TEditorMargin margin;
    margin.SetCharacter(-1);
    margin.SetLeft(101);
    margin.SetLine(1000);
    margin.SetTop(-100);
    EXPECT_EQ(margin.Character(), 0);
    EXPECT_EQ(margin.Left(), 100);
    EXPECT_EQ(margin.Line(), 100);
    EXPECT_EQ(margin.Top(), 0);

    TEditorImagebar imagebar;
    imagebar.SetDigitWidth(-1);
    imagebar.SetLeftMargin(200);
    imagebar.SetMarkWidth(101);
    imagebar.SetRightMargin(-3);
    EXPECT_EQ(imagebar.DigitWidth(), 0);
    EXPECT_EQ(imagebar.LeftMargin(), 100);
    EXPECT_EQ(imagebar.MarkWidth(), 100);
    EXPECT_EQ(imagebar.RightMargin(), 0);

    TEditorSpeed speed;
    speed.SetCaretVerticalAc(0);
    speed.SetPageVerticalRange(5);
    speed.SetPageVerticalRangeAc(4);
    EXPECT_EQ(speed.CaretVerticalAc(), 1);
    EXPECT_EQ(speed.PageVerticalRange(), 4);
    EXPECT_EQ(speed.PageVerticalRangeAc(), 4);
}

TEST(EditorOptions, ASetterNotifiesOnceAndOnlyForANewValue) {
    TEditorCaret caret;
    ChangeCounter counter;
    counter.Watch(caret);
    caret.SetTabSpaceCount(8);
    caret.SetTabSpaceCount(9); // clamps to the stored 8
    caret.SetStyle(csDefault);
    EXPECT_EQ(counter.calls, 0);
    caret.SetTabSpaceCount(4);
    EXPECT_EQ(counter.calls, 1);
    EXPECT_EQ(counter.sender, &caret);
    caret.SetStyle(csBrief);
    EXPECT_EQ(counter.calls, 2);

    TEditorLeftbar leftbar;
    counter.Watch(leftbar);
    counter.calls = 0;
    leftbar.SetColumn(4);
    leftbar.SetShowNumberMode(nmRow);
    leftbar.SetColumn(0);
    leftbar.SetColumn(-7);
    leftbar.SetShowNumberMode(nmLine);
    EXPECT_EQ(counter.calls, 2);

    TEditorRuler ruler;
    counter.Watch(ruler);
    counter.calls = 0;
    ruler.SetBkColor(clSilver);
    ruler.SetGaugeRange(11);
    ruler.SetMarkColor(clRed);
    ruler.SetVisible(true);
    EXPECT_EQ(counter.calls, 2);
}

TEST(EditorOptions, PlainFieldsNotifyNobody) {
    TEditorCaret caret;
    ChangeCounter counter;
    counter.Watch(caret);
    caret.SetAutoIndent(false);
    caret.SetFreeCaret(false);
    caret.SetKeepCaret(true);
    caret.SetSelDragMode(dmManual);
    caret.SetSoftTab(true);
    caret.Cursors()->SetDefaultCursor(crDefault);
    EXPECT_EQ(counter.calls, 0);
    EXPECT_FALSE(caret.AutoIndent());
    EXPECT_EQ(caret.Cursors()->DefaultCursor(), crDefault);

    TEditorMargin margin;
    counter.Watch(margin);
    margin.SetUnderlineSpacing(1);
    EXPECT_EQ(counter.calls, 0);
    EXPECT_EQ(margin.UnderlineSpacing(), 1);
}

TEST(EditorOptions, AssignCopiesEverythingAndNotifiesOnce) {
    TEditorCaret source;
    source.SetAutoIndent(false);
    source.SetNextLine(true);
    source.SetSelDragMode(dmManual);
    source.SetStyle(csBrief);
    source.SetTabSpaceCount(2);
    source.Cursors()->SetLeftMarginCursor(crDefault);
    TEditorCaret caret;
    ChangeCounter counter;
    counter.Watch(caret);
    TEditorCursors* ownCursors = caret.Cursors();
    caret.Assign(&source);
    EXPECT_EQ(counter.calls, 1);
    EXPECT_FALSE(caret.AutoIndent());
    EXPECT_TRUE(caret.NextLine());
    EXPECT_EQ(caret.SelDragMode(), dmManual);
    EXPECT_EQ(caret.Style(), csBrief);
    EXPECT_EQ(caret.TabSpaceCount(), 2);
    EXPECT_EQ(caret.Cursors(), ownCursors) << "the cursors are copied, not shared";
    EXPECT_EQ(caret.Cursors()->LeftMarginCursor(), crDefault);

    TEditorMargin margin;
    margin.SetLeft(8);
    margin.SetUnderlineSpacing(1);
    TEditorMargin copy;
    counter.Watch(copy);
    counter.calls = 0;
    copy.Assign(&margin);
    EXPECT_EQ(counter.calls, 1);
    EXPECT_EQ(copy.Left(), 8);
    EXPECT_EQ(copy.UnderlineSpacing(), 1);

    TEditorLeftbar leftbar;
    leftbar.SetColumn(6);
    leftbar.SetZeroLead(true);
    leftbar.SetShowNumberMode(nmLine);
    TEditorLeftbar leftbarCopy;
    counter.Watch(leftbarCopy);
    counter.calls = 0;
    leftbarCopy.Assign(&leftbar);
    leftbarCopy.Assign(&leftbar);
    EXPECT_EQ(counter.calls, 2) << "every Assign notifies, changed or not";
    EXPECT_EQ(leftbarCopy.Column(), 6);
    EXPECT_TRUE(leftbarCopy.ZeroLead());
    EXPECT_EQ(leftbarCopy.ShowNumberMode(), nmLine);

    TEditorImagebar imagebar;
    imagebar.SetVisible(false);
    imagebar.SetMarkWidth(16);
    TEditorImagebar imagebarCopy;
    imagebarCopy.Assign(&imagebar);
    EXPECT_FALSE(imagebarCopy.Visible());
    EXPECT_EQ(imagebarCopy.MarkWidth(), 16);

    TEditorRuler ruler;
    ruler.SetGaugeRange(8);
    ruler.SetEdge(false);
    TEditorRuler rulerCopy;
    rulerCopy.Assign(&ruler);
    EXPECT_EQ(rulerCopy.GaugeRange(), 8);
    EXPECT_FALSE(rulerCopy.Edge());

    TEditorSpeed speed;
    speed.SetInitBracketsFull(true);
    speed.SetPageVerticalRange(3);
    TEditorSpeed speedCopy;
    speedCopy.Assign(&speed);
    EXPECT_TRUE(speedCopy.InitBracketsFull());
    EXPECT_EQ(speedCopy.PageVerticalRange(), 3);
}

TEST(EditorOptions, AssignFromAnotherKindOfObjectFails) {
    TEditorRuler ruler;
    TEditorLeftbar leftbar;
    ChangeCounter counter;
    counter.Watch(ruler);
    EXPECT_THROW(ruler.Assign(&leftbar), EConvertError);
    EXPECT_THROW(ruler.Assign(nullptr), EConvertError);
    EXPECT_EQ(counter.calls, 0);
    EXPECT_EQ(ruler.UpdateCount(), 0);
    TEditorSpeed speed;
    EXPECT_THROW(speed.Assign(&ruler), EConvertError);
    TEditorMark mark;
    EXPECT_THROW(mark.Assign(&speed), EConvertError);
}

TEST(EditorMarks, AChangeOfAnyMarkIsAChangeOfTheMarks) {
    TEditorMarks marks;
    ChangeCounter counter;
    counter.Watch(marks);
    marks.RetMark()->SetColor(clRed);
    EXPECT_EQ(counter.calls, 1);
    EXPECT_EQ(counter.sender, &marks);
    marks.RetMark()->SetColor(clRed);
    marks.Underline()->SetVisible(false);
    EXPECT_EQ(counter.calls, 1);
    marks.Underline()->SetVisible(true);
    EXPECT_EQ(counter.calls, 2);

    TEditorMark blue;
    blue.SetColor(clBlue);
    blue.SetVisible(true);
    TEditorMark* owned = marks.EofMark();
    marks.SetEofMark(&blue);
    EXPECT_EQ(marks.EofMark(), owned) << "writing a mark assigns into the owned one";
    EXPECT_EQ(owned->Color(), clBlue);
    EXPECT_TRUE(owned->Visible());
    EXPECT_EQ(counter.calls, 3);

    TEditorMarks copy;
    counter.Watch(copy);
    counter.calls = 0;
    copy.Assign(&marks);
    EXPECT_EQ(counter.calls, 1) << "five marks copied, one notification";
    EXPECT_EQ(copy.RetMark()->Color(), clRed);
    EXPECT_EQ(copy.EofMark()->Color(), clBlue);
    EXPECT_TRUE(copy.Underline()->Visible());
    EXPECT_FALSE(copy.WrapMark()->Visible());
}

} // namespace
} // namespace kes
