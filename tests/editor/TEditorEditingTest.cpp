#include "EditingTestSupport.h"

#include "editor/TEditorPopupMenu.h"
#include "textmodel/TEditorWrapOption.h"
#include "toolkit/gui/TClipboard.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace kes {
namespace {

using test::Key;
using test::MakeShownEditor;
using test::Sjis;
using test::TypeText;
using test::UndoSteps;

class TEditorEditingTest : public ::testing::Test {
protected:
    TEditor& Make(std::string_view text, int width = 400, int height = 300) {
        editor_ = MakeShownEditor(width, height, text);
        return *editor_;
    }
    // Undoes every step and says whether that gave back `text`.
    ::testing::AssertionResult UndoesTo(const std::string& text) {
        while (editor_->CanUndo())
            editor_->Undo();
        if (editor_->GetText() == text)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "undone to \"" << editor_->GetText() << "\"";
    }

    std::unique_ptr<TEditor> editor_;
};

TEST_F(TEditorEditingTest, TypedKeysInsertAsTypedOneUndoStepEach) {
    TEditor& e = Make("abc");
    // A caret beyond the end of the row is reached by spaces.
    e.SetRowCol(0, 8);
    Key(e, Qt::Key_A);
    EXPECT_EQ(e.GetText(), "abc     a");
    EXPECT_EQ(e.Col(), 9);
    EXPECT_EQ(UndoSteps(e), 1);

    TypeText(e, QString::fromUtf8("日本ｶ"));
    EXPECT_EQ(e.GetText(), "abc     a" + Sjis("日本ｶ"));
    EXPECT_EQ(e.Col(), 14);
    EXPECT_EQ(UndoSteps(e), 4);

    // A character outside code page 932 stays as its reference, in one step.
    TypeText(e, QString::fromUtf8("😀"));
    EXPECT_EQ(e.GetText(), "abc     a" + Sjis("日本ｶ") + "&#x1F600;");
    EXPECT_EQ(UndoSteps(e), 5);
    e.Undo();
    EXPECT_EQ(e.GetText(), "abc     a" + Sjis("日本ｶ"));

    // Keys that make no character change nothing.
    const std::string before = e.GetText();
    Key(e, Qt::Key_Return, Qt::ControlModifier);
    Key(e, Qt::Key_Backspace, Qt::ControlModifier);
    Key(e, Qt::Key_Backtab, Qt::ShiftModifier);
    Key(e, Qt::Key_Tab, Qt::ShiftModifier);
    Key(e, Qt::Key_Escape);
    Key(e, Qt::Key_Q, Qt::AltModifier);
    EXPECT_EQ(e.GetText(), before);
    EXPECT_EQ(UndoSteps(e), 4);
    EXPECT_TRUE(UndoesTo("abc"));
}

TEST_F(TEditorEditingTest, InputMethodCommitsAPhraseInOneStep) {
    TEditor& e = Make("ab");
    e.SetRowCol(0, 1);
    QInputMethodEvent phrase;
    phrase.setCommitString(QString::fromUtf8("日本語"));
    QCoreApplication::sendEvent(&e, &phrase);
    EXPECT_EQ(e.GetText(), "a" + Sjis("日本語") + "b");
    EXPECT_EQ(e.Col(), 7);
    EXPECT_EQ(UndoSteps(e), 1);

    // A result that replaces the two characters before the caret.
    QInputMethodEvent replacing;
    replacing.setCommitString(QString::fromUtf8("x😀"), -2, 2);
    QCoreApplication::sendEvent(&e, &replacing);
    EXPECT_EQ(e.GetText(), "a" + Sjis("日") + "x&#x1F600;b");
    EXPECT_EQ(UndoSteps(e), 2);

    e.SetReadOnly(true);
    QCoreApplication::sendEvent(&e, &phrase);
    EXPECT_EQ(UndoSteps(e), 2);
    EXPECT_TRUE(UndoesTo("ab"));
}

TEST_F(TEditorEditingTest, AutoRepeatOfAKeyLastsUntilItIsReleased) {
    TEditor& e = Make("abcdef");
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier, QString(), true);
    QCoreApplication::sendEvent(&e, &repeat);
    EXPECT_TRUE(e.KeyRepeat());
    EXPECT_EQ(e.Col(), 1);
    // The desktop sends releases marked auto-repeat between repeated presses.
    QKeyEvent between(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier, QString(), true);
    QCoreApplication::sendEvent(&e, &between);
    EXPECT_TRUE(e.KeyRepeat());
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier);
    QCoreApplication::sendEvent(&e, &release);
    EXPECT_FALSE(e.KeyRepeat());
}

TEST_F(TEditorEditingTest, KeysWaitWhileTheLeftButtonIsHeld) {
    TEditor& e = Make("abc");
    const QPoint cell(e.ColLeft(1) + 1, e.RowTop(0) + 1);
    QTest::mousePress(e.viewport(), Qt::LeftButton, Qt::NoModifier, cell);
    Key(e, Qt::Key_X);
    Key(e, Qt::Key_Delete);
    EXPECT_EQ(e.GetText(), "abc");
    QTest::mouseRelease(e.viewport(), Qt::LeftButton, Qt::NoModifier, cell);
    Key(e, Qt::Key_X);
    EXPECT_EQ(e.GetText(), "axbc");
}

TEST_F(TEditorEditingTest, ReadOnlyRefusesEveryEditButMovesAndCopies) {
    TEditor& e = Make("abc\r\ndef");
    e.SetReadOnly(true);
    e.SetRowCol(0, 1);
    Key(e, Qt::Key_X);
    Key(e, Qt::Key_Return);
    Key(e, Qt::Key_Tab);
    Key(e, Qt::Key_Delete);
    Key(e, Qt::Key_Backspace);
    e.SetSelText("zz");
    e.PasteBox("zz");
    e.ReplaceSelection("zz");
    e.SetText("zz");
    EXPECT_EQ(e.GetText(), "abc\r\ndef");
    EXPECT_FALSE(e.CanUndo());
    Key(e, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(e.SelText(), "b");
    Key(e, Qt::Key_Down);
    EXPECT_EQ(e.Row(), 1);
    EXPECT_FALSE(e.Selected());
}

TEST_F(TEditorEditingTest, TypingTabAndEnterReplaceTheSelectionInOneStep) {
    TEditor& e = Make("abcdef\r\nghij");
    e.Caret()->SetSoftTab(false);
    e.SetRowCol(0, 1);
    Key(e, Qt::Key_Right, Qt::ShiftModifier);
    Key(e, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(e.SelText(), "bc");
    TypeText(e, QString::fromUtf8("漢"));
    EXPECT_EQ(e.GetText(), "a" + Sjis("漢") + "def\r\nghij");
    EXPECT_EQ(e.Col(), 3);
    EXPECT_FALSE(e.Selected());
    EXPECT_EQ(UndoSteps(e), 1);

    // Down with Shift selects across the line break; Tab replaces that by one tab.
    Key(e, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(e.SelText(), "def\r\nghi");
    Key(e, Qt::Key_Tab);
    EXPECT_EQ(e.GetText(), "a" + Sjis("漢") + "\tj");
    EXPECT_EQ(e.Col(), 8);
    EXPECT_EQ(UndoSteps(e), 2);

    // Enter on a selection deletes it, then splits the line.
    e.SetRowCol(0, 0);
    Key(e, Qt::Key_Right, Qt::ShiftModifier);
    Key(e, Qt::Key_Return);
    EXPECT_EQ(e.GetText(), "\r\n" + Sjis("漢") + "\tj");
    EXPECT_EQ(e.Row(), 1);
    EXPECT_EQ(e.Col(), 0);
    // Shift + Enter on a selection does nothing.
    Key(e, Qt::Key_Right, Qt::ShiftModifier);
    Key(e, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(e.GetText(), "\r\n" + Sjis("漢") + "\tj");
    EXPECT_TRUE(UndoesTo("abcdef\r\nghij"));
}

TEST_F(TEditorEditingTest, TabWidthFollowsTabStopsAndTheWrapWidth) {
    TEditor& e = Make("ab");
    e.Caret()->SetSoftTab(true);
    e.Caret()->SetTabSpaceCount(4);
    e.SetRowCol(0, 2);
    Key(e, Qt::Key_Tab);
    EXPECT_EQ(e.GetText(), "ab  ");
    EXPECT_EQ(e.Col(), 4);
    e.SetWordWrap(true);
    e.WrapOption()->SetWrapByte(22);
    e.SetRowCol(0, 4);
    TypeText(e, QString(17, QChar('x')));
    EXPECT_EQ(e.Col(), 21);
    // One column is left to the wrap width.
    Key(e, Qt::Key_Tab);
    EXPECT_EQ(e.GetText(), "ab  " + std::string(17, 'x') + " ");
}

TEST_F(TEditorEditingTest, EnterIndentsLikeTheLineAndCutsTheIndentAtTheCaret) {
    TEditor& e = Make("    abc");
    e.Caret()->SetAutoIndent(true);
    e.SetRowCol(0, 2);
    Key(e, Qt::Key_Return);
    EXPECT_EQ(e.GetText(), "  \r\n    abc");
    EXPECT_EQ(e.Row(), 1);
    EXPECT_EQ(e.Col(), 2);
    e.Undo();
    e.SetRowCol(0, 7);
    Key(e, Qt::Key_Return);
    EXPECT_EQ(e.GetText(), "    abc\r\n    ");
    EXPECT_EQ(e.Col(), 4);

    // Indent 10 with tabs of 4: two tabs and two spaces.
    Make(std::string(10, ' ') + "x");
    editor_->Caret()->SetTabIndent(true);
    editor_->Caret()->SetTabSpaceCount(4);
    editor_->SetRowCol(0, 11);
    Key(*editor_, Qt::Key_Return);
    EXPECT_EQ(editor_->GetText(), std::string(10, ' ') + "x\r\n\t\t  ");
    EXPECT_EQ(editor_->Col(), 10);

    // An empty line takes the indent of the nearest line above that does not start empty.
    Make("   a\r\n\r\n");
    editor_->Caret()->SetPrevSpaceIndent(true);
    editor_->SetRowCol(2, 0);
    Key(*editor_, Qt::Key_Return);
    EXPECT_EQ(editor_->GetText(), "   a\r\n\r\n\r\n");
    editor_->SetRowCol(1, 0);
    Key(*editor_, Qt::Key_Return);
    EXPECT_EQ(editor_->GetText(), "   a\r\n\r\n   \r\n\r\n");
}

TEST_F(TEditorEditingTest, ShiftEnterOpensALineAboveTheWholeLogicalLine) {
    TEditor& e = Make("  " + std::string(30, 'a') + "\r\nz");
    e.SetWordWrap(true);
    e.WrapOption()->SetWrapByte(20);
    ASSERT_EQ(e.ListRow(0), raContinued);
    e.SetRowCol(1, 3);
    Key(e, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(e.GetText(), "  \r\n  " + std::string(30, 'a') + "\r\nz");
    EXPECT_EQ(e.Row(), 0);
    EXPECT_EQ(e.Col(), 2);
    EXPECT_EQ(UndoSteps(e), 1);
}

TEST_F(TEditorEditingTest, BackspaceUnindentsToTheLevelAboveAndJoinsLines) {
    TEditor& e = Make("    a\r\n        b");
    e.Caret()->SetBackSpaceUnIndent(true);
    e.SetRowCol(1, 8);
    Key(e, Qt::Key_Backspace);
    EXPECT_EQ(e.GetText(), "    a\r\n    b");
    EXPECT_EQ(e.Col(), 4);
    // At the level of the line above the indent goes altogether.
    Key(e, Qt::Key_Backspace);
    EXPECT_EQ(e.GetText(), "    a\r\nb");
    EXPECT_EQ(e.Col(), 0);
    // At column 0 the line break goes.
    Key(e, Qt::Key_Backspace);
    EXPECT_EQ(e.GetText(), "    ab");
    EXPECT_EQ(e.Row(), 0);
    EXPECT_EQ(e.Col(), 5);

    Make("a\r\n        b");
    editor_->SetRowCol(1, 8);
    Key(*editor_, Qt::Key_Backspace);
    EXPECT_EQ(editor_->GetText(), "a\r\nb");

    // A tab crossing the level keeps its columns as spaces.
    Make("   a\r\n\t\tb");
    editor_->Caret()->SetTabSpaceCount(4);
    editor_->SetRowCol(1, 8);
    Key(*editor_, Qt::Key_Backspace);
    EXPECT_EQ(editor_->GetText(), "   a\r\n   b");
    EXPECT_EQ(editor_->Col(), 3);

    // Without unindent: one character, a double-byte one whole, a tab from after its padding.
    Make(Sjis("あ") + "\tx");
    editor_->Caret()->SetBackSpaceUnIndent(false);
    editor_->SetRowCol(0, 8);
    Key(*editor_, Qt::Key_Backspace);
    EXPECT_EQ(editor_->GetText(), Sjis("あ") + "x");
    Key(*editor_, Qt::Key_Backspace);
    EXPECT_EQ(editor_->GetText(), "x");
    EXPECT_EQ(editor_->Col(), 0);
    EXPECT_TRUE(UndoesTo(Sjis("あ") + "\tx"));
}

TEST_F(TEditorEditingTest, BackspaceAtAWrappedRowStartTakesTheCharacterBefore) {
    TEditor& e = Make(std::string(18, 'a') + Sjis("い") + "bbb");
    e.SetWordWrap(true);
    e.WrapOption()->SetWrapByte(20);
    ASSERT_EQ(e.ListString(1), "bbb");
    e.SetRowCol(1, 0);
    Key(e, Qt::Key_Backspace);
    EXPECT_EQ(e.GetText(), std::string(18, 'a') + "bbb");
    EXPECT_EQ(e.Row(), 0);
    EXPECT_EQ(e.Col(), 18);
}

TEST_F(TEditorEditingTest, DeleteJoinsLinesAndRemovesTabsAndWholeCharacters) {
    TEditor& e = Make("ab\r\n");
    e.SetRowCol(0, 2);
    Key(e, Qt::Key_Delete);
    EXPECT_EQ(e.GetText(), "ab");
    // The end of a text without a final line break: nothing.
    Key(e, Qt::Key_Delete);
    EXPECT_EQ(e.GetText(), "ab");
    EXPECT_EQ(UndoSteps(e), 1);

    Make("ab\r\ncd");
    editor_->Caret()->SetFreeCaret(true);
    editor_->SetRowCol(0, 4);
    Key(*editor_, Qt::Key_Delete);
    EXPECT_EQ(editor_->GetText(), "ab  cd");
    EXPECT_EQ(editor_->Col(), 4);

    Make("a\tb" + Sjis("う") + "c");
    editor_->Caret()->SetInTab(true);
    editor_->SetRowCol(0, 3);
    Key(*editor_, Qt::Key_Delete);
    EXPECT_EQ(editor_->GetText(), "ab" + Sjis("う") + "c");
    EXPECT_EQ(editor_->Col(), 1);
    editor_->SetRowCol(0, 2);
    Key(*editor_, Qt::Key_Delete);
    EXPECT_EQ(editor_->GetText(), "abc");
}

TEST_F(TEditorEditingTest, EditsNeverLeaveTheCaretInsideACharacterOrWriteBackwards) {
    // Deleting the space joins a lone lead byte and the "A" into one character: the caret,
    // whose column did not change, must not stay on its trail byte.
    TEditor& e = Make("\x82 A");
    e.SetRowCol(0, 1);
    Key(e, Qt::Key_Delete);
    EXPECT_EQ(e.GetText(), "\x82"
                           "A");
    EXPECT_EQ(e.Col(), 0);

    // At the last column the caret cannot move on: typing is refused instead of putting every
    // character before the last one.
    Make(std::string(1000, 'x'));
    editor_->Caret()->SetFreeCaret(false);
    editor_->SetRowCol(0, 1000);
    TypeText(*editor_, "abc");
    EXPECT_EQ(editor_->GetText(), std::string(1000, 'x'));
    editor_->SetRowCol(0, 999);
    TypeText(*editor_, "ab");
    EXPECT_EQ(editor_->GetText().substr(998), "xax");

    // Selection requests with offsets from anywhere stay inside the text.
    Make("abc\r\ndef");
    editor_->SetSelection(-2, INT_MAX);
    EXPECT_EQ(editor_->SelText(), "abc\r\ndef");
    editor_->SetSelection(INT_MIN, 1);
    EXPECT_EQ(editor_->SelText(), "a");
    editor_->SetSelStart(1);
    editor_->SetSelLength(INT_MAX);
    EXPECT_EQ(editor_->SelText(), "bc\r\ndef");
}

// Listens to an editor's OnChange and notes where the caret stands then.
struct ChangeListener : TObject {
    TEditor* editor = nullptr;
    std::vector<int> caretOffsets;
    void Changed(TObject*) { caretOffsets.push_back(editor->SelStart()); }
};

TEST_F(TEditorEditingTest, OnChangeComesOnceTheCaretStandsAfterTheEdit) {
    TEditor& e = Make("xyz\r\nabc");
    ChangeListener listener;
    listener.editor = &e;
    e.OnChange = MethodOf<&ChangeListener::Changed>(&listener);
    e.SetRowCol(0, 1);
    Key(e, Qt::Key_A);
    Key(e, Qt::Key_Return);
    Key(e, Qt::Key_Backspace);
    EXPECT_EQ(listener.caretOffsets, (std::vector<int>{2, 4, 2}));
    e.OnChange = {};
}

TEST_F(TEditorEditingTest, SelTextAndPasteBoxPlaceTheCaretAfterTheirText) {
    TEditor& e = Make("0123\r\nabcd\r\nwxyz");
    e.SetSelStart(1);
    e.SetSelLength(2);
    e.SetSelText("A\nB\rC");
    EXPECT_EQ(e.GetText(), "0A\r\nB\r\nC3\r\nabcd\r\nwxyz");
    EXPECT_EQ(e.Row(), 2);
    EXPECT_EQ(e.Col(), 1);
    EXPECT_EQ(UndoSteps(e), 1);

    // A rectangle at column 2 of row 1: the rows below take the lines at the same column, a
    // row too short is padded, and rows past the end are made.
    Make("0123\r\nab\r\nwxyz");
    editor_->SetRowCol(0, 3);
    editor_->PasteBox("PQ\r\nRS\r\nTU\r\nVW\r\n");
    EXPECT_EQ(editor_->GetText(), "012PQ3\r\nab RS\r\nwxyTUz\r\n   VW\r\n");
    EXPECT_EQ(editor_->Row(), 3);
    EXPECT_EQ(editor_->Col(), 5);
    EXPECT_EQ(UndoSteps(*editor_), 1);

    // Over a box selection the box goes and the lines take its place.
    editor_->Undo();
    editor_->SetSelectionMode(smBox);
    editor_->SetRowCol(0, 1);
    editor_->StartSelection();
    editor_->SetRowCol(2, 3);
    editor_->ExtendSelection();
    editor_->PasteBox("11\r\n22\r\n33");
    EXPECT_EQ(editor_->GetText(), "0113\r\na22\r\nw33z\r\n");
    EXPECT_TRUE(UndoesTo("0123\r\nab\r\nwxyz"));

    // A box beyond the end of its first row: deleting it leaves that row unpadded and the
    // caret on it; typing reaches the box's edge by spaces.
    editor_->SetRowCol(1, 3);
    editor_->StartSelection();
    editor_->SetRowCol(2, 4);
    editor_->ExtendSelection();
    Key(*editor_, Qt::Key_Delete);
    EXPECT_EQ(editor_->GetText(), "0123\r\nab\r\nwxy");
    EXPECT_EQ(editor_->Row(), 1);
    EXPECT_EQ(editor_->Col(), 2);
    editor_->Undo();
    editor_->SetRowCol(1, 3);
    editor_->StartSelection();
    editor_->SetRowCol(2, 4);
    editor_->ExtendSelection();
    Key(*editor_, Qt::Key_Q);
    EXPECT_EQ(editor_->GetText(), "0123\r\nab q\r\nwxy");
}

TEST_F(TEditorEditingTest, RequestsAnswerWithFullWidthOffsets) {
    std::string text;
    for (int i = 0; i < 1000; ++i)
        text += std::string(69, static_cast<char>('a' + i % 26)) + "\r\n";
    TEditor& e = Make(text);
    EXPECT_EQ(e.GetLineCount(), 1000);
    EXPECT_EQ(e.GetTextLength(), 71000);
    EXPECT_EQ(e.LineIndex(999), 999 * 71);
    EXPECT_EQ(e.LineIndex(1000), -1);
    EXPECT_EQ(e.LineFromChar(999 * 71 + 70), 999);
    EXPECT_EQ(e.LineFromChar(71 * 3 - 1), 2); // the line break belongs to its row
    EXPECT_EQ(e.LineLength(71 * 5), 69);
    EXPECT_EQ(e.GetLine(5, 3), "fff");
    EXPECT_EQ(e.GetLine(1000, 3), "");

    e.SetSelection(70000 + 10, 70000);
    int start = 0;
    int end = 0;
    e.GetSelection(start, end);
    EXPECT_EQ(start, 70000);
    EXPECT_EQ(end, 70010);
    EXPECT_EQ(e.LineFromChar(-1), 70000 / 71);
    // The unselected bytes of the selection's rows.
    e.SetSelection(71 * 5 + 2, 71 * 5 + 10);
    EXPECT_EQ(e.LineLength(-1), 69 - 8);
    e.SetSelection(0, -1);
    EXPECT_EQ(e.SelLength(), 71000);
    e.SetSelection(-1, 0);
    EXPECT_FALSE(e.Selected());

    e.SetRowCol(0, 0);
    int x = 0;
    int y = 0;
    e.PosFromChar(71 * 2 + 3, x, y);
    EXPECT_EQ(x, e.ColLeft(3));
    EXPECT_EQ(y, e.RowTop(2));
    int offset = 0;
    int row = 0;
    ASSERT_TRUE(e.CharFromPos(x + 1, y + 1, offset, row));
    EXPECT_EQ(offset, 71 * 2 + 3);
    EXPECT_EQ(row, 2);
    EXPECT_FALSE(e.CharFromPos(-1, y, offset, row));

    e.ReplaceSelection("Z");
    EXPECT_TRUE(e.GetModified());
    e.SetReadOnly(true);
    e.SetModifiedRequest(false);
    EXPECT_TRUE(e.GetModified());
    EXPECT_FALSE(e.CanUndoRequest());
    EXPECT_FALSE(e.UndoRequest());
    e.SetReadOnlyRequest(false);
    EXPECT_TRUE(e.UndoRequest());
    EXPECT_EQ(e.GetText(), text);
    e.EmptyUndoBuffer();
    EXPECT_FALSE(e.CanRedo());
}

struct MenuItem {
    QString caption;
    QKeySequence shortcut;
};

std::vector<MenuItem> Items(const QMenu& menu) {
    std::vector<MenuItem> items;
    for (const QAction* action : menu.actions())
        items.push_back({action->text(), action->shortcut()});
    return items;
}

QAction* Item(const QMenu& menu, const char* caption) {
    for (QAction* action : menu.actions())
        if (action->text() == QString::fromUtf8(caption))
            return action;
    return nullptr;
}

TEST_F(TEditorEditingTest, PopupMenuHasTheItemsInOrderWithTheirKeys) {
    TEditor& e = Make("abc");
    auto* menu = qobject_cast<TEditorPopupMenu*>(e.PopupMenu());
    ASSERT_NE(menu, nullptr);
    const std::vector<std::pair<const char*, QKeySequence>> expected = {
        {"マーク設定", {}},
        {"マークジャンプ", {}},
        {"", {}},
        {"元に戻す(&U)", QKeySequence(Qt::CTRL | Qt::Key_Z)},
        {"やり直し(&R)", QKeySequence(Qt::CTRL | Qt::Key_A)},
        {"", {}},
        {"切り取り(&T)", QKeySequence(Qt::CTRL | Qt::Key_X)},
        {"コピー(&C)", QKeySequence(Qt::CTRL | Qt::Key_C)},
        {"貼り付け(&P)", QKeySequence(Qt::CTRL | Qt::Key_V)},
        {"Box貼り付け(&B)", QKeySequence(Qt::CTRL | Qt::Key_B)},
        {"削除(&D)", {}},
        {"", {}},
        {"すべて選択(&A)", {}},
        {"", {}},
        {"Box選択モード(&K)", QKeySequence(Qt::CTRL | Qt::Key_K)},
    };
    const std::vector<MenuItem> items = Items(*menu);
    ASSERT_EQ(items.size(), expected.size());
    for (size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i].caption, QString::fromUtf8(expected[i].first)) << i;
        EXPECT_EQ(items[i].shortcut, expected[i].second) << i;
    }
    for (int set = 0; set < 2; ++set) {
        const QMenu* marks = menu->actions()[set]->menu();
        ASSERT_NE(marks, nullptr);
        const std::vector<MenuItem> digits = Items(*marks);
        ASSERT_EQ(digits.size(), 10u);
        const Qt::KeyboardModifiers modifiers =
            set == 0 ? Qt::ControlModifier | Qt::ShiftModifier : Qt::ControlModifier;
        for (int n = 0; n < 10; ++n) {
            EXPECT_EQ(digits[static_cast<size_t>(n)].caption, QString::number(n));
            EXPECT_EQ(digits[static_cast<size_t>(n)].shortcut,
                      QKeySequence(modifiers | static_cast<Qt::Key>(Qt::Key_0 + n)));
        }
    }
}

TEST_F(TEditorEditingTest, PopupMenuStatesFollowTheEditorWhenItOpens) {
    TEditor& e = Make("abc\r\ndef");
    QMenu* menu = e.PopupMenu();
    QAction* undo = Item(*menu, "元に戻す(&U)");
    QAction* cut = Item(*menu, "切り取り(&T)");
    QAction* copy = Item(*menu, "コピー(&C)");
    QAction* paste = Item(*menu, "貼り付け(&P)");
    QAction* selectAll = Item(*menu, "すべて選択(&A)");
    QAction* boxMode = Item(*menu, "Box選択モード(&K)");
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(selectAll->isEnabled());
    EXPECT_TRUE(boxMode->isEnabled());

    TClipboard::SetText("x");
    Key(e, Qt::Key_Z);
    e.SetSelection(0, 2);
    e.SetSelectionMode(smBox);
    emit menu->aboutToShow();
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_TRUE(cut->isEnabled());
    EXPECT_TRUE(copy->isEnabled());
    EXPECT_TRUE(paste->isEnabled());
    EXPECT_TRUE(selectAll->isEnabled());
    EXPECT_TRUE(boxMode->isChecked());

    e.SetReadOnly(true);
    emit menu->aboutToShow();
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(cut->isEnabled());
    EXPECT_TRUE(copy->isEnabled());
    EXPECT_FALSE(paste->isEnabled());

    // The mark items are checked for the marks in use anywhere in the text.
    e.PutRowMark(1, 4);
    emit menu->aboutToShow();
    for (int set = 0; set < 2; ++set) {
        const QMenu* marks = menu->actions()[set]->menu();
        for (int n = 0; n < 10; ++n)
            EXPECT_EQ(marks->actions()[n]->isChecked(), n == 4) << set << " " << n;
    }
}

TEST_F(TEditorEditingTest, PopupMenuKeysActOnlyWhileItIsTheEditorsMenu) {
    TEditor& e = Make("abc\r\ndef\r\nghi");
    // Before the menu ever opened, the keys act on the editor's state of now.
    Key(e, Qt::Key_X);
    Key(e, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(e.GetText(), "abc\r\ndef\r\nghi");
    Key(e, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(e.GetText(), "xabc\r\ndef\r\nghi");

    e.SetRowCol(2, 1);
    Key(e, Qt::Key_7, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(e.ListRowMarks(2), 1 << 7);
    e.SetRowCol(0, 0);
    Key(e, Qt::Key_7, Qt::ControlModifier);
    EXPECT_EQ(e.Row(), 2);
    Key(e, Qt::Key_7, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(e.ListRowMarks(2), 0);

    Key(e, Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(e.SelectionMode(), smBox);
    e.SetSelectionMode(smLine);
    Key(e, Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(e.SelectionMode(), smBox);

    QMenu other;
    QMenu* own = e.PopupMenu();
    e.SetPopupMenu(&other);
    Key(e, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(e.GetText(), "xabc\r\ndef\r\nghi");
    Key(e, Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(e.SelectionMode(), smBox);
    e.SetPopupMenu(own);
    Key(e, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(e.GetText(), "abc\r\ndef\r\nghi");
}

} // namespace
} // namespace kes
