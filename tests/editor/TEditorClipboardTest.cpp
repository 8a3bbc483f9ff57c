#include "EditingTestSupport.h"

#include "toolkit/gui/TClipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include <gtest/gtest.h>

namespace kes {
namespace {

using test::Key;
using test::MakeShownEditor;
using test::Sjis;
using test::UndoSteps;

QString DesktopText() {
    return QGuiApplication::clipboard()->text();
}

void SelectBox(TEditor& editor, int fromRow, int fromCol, int toRow, int toCol) {
    editor.SetSelectionMode(smBox);
    editor.SetRowCol(fromRow, fromCol);
    editor.StartSelection();
    editor.SetRowCol(toRow, toCol);
    editor.ExtendSelection();
}

TEST(TEditorClipboardTest, CopyAndCutRequestsWithoutSelectionLeaveAnEmptyText) {
    auto editor = MakeShownEditor(300, 200, "abc");
    QGuiApplication::clipboard()->setText("from elsewhere");
    editor->CopyRequest();
    EXPECT_TRUE(TClipboard::HasText());
    EXPECT_EQ(DesktopText(), "");

    // Cut of a read-only text copies nothing and cuts nothing.
    editor->SetSelection(0, 2);
    editor->SetReadOnly(true);
    editor->CutRequest();
    EXPECT_EQ(DesktopText(), "");
    EXPECT_EQ(editor->GetText(), "abc");
    editor->SetReadOnly(false);
    editor->CutRequest();
    EXPECT_EQ(DesktopText(), "ab");
    EXPECT_EQ(editor->GetText(), "c");
    EXPECT_EQ(UndoSteps(*editor), 1);
}

TEST(TEditorClipboardTest, JapaneseAndEmojiTextGoesOutAsUnicodeAndComesBackTheSame) {
    const std::string post = Sjis("日本語の\r\n投稿です") + "&#x1F600;";
    auto editor = MakeShownEditor(300, 200, post);
    editor->SelectAll();
    editor->CopyToClipboard();
    EXPECT_EQ(DesktopText(), QString::fromUtf8("日本語の\n投稿です😀"));
    EXPECT_FALSE(TClipboard::HasBoxFormat());

    auto other = MakeShownEditor(300, 200, "[]");
    other->SetRowCol(0, 1);
    other->PasteFromClipboard();
    EXPECT_EQ(other->GetText(), "[" + post + "]");
    EXPECT_EQ(other->Row(), 1);
    EXPECT_EQ(other->Col(), 8 + 9);
    EXPECT_EQ(UndoSteps(*other), 1);

    // Text of another program: LF and CR breaks become CR LF, the emoji its reference.
    QGuiApplication::clipboard()->setText(QString::fromUtf8("a😀b\nc\rd"));
    auto third = MakeShownEditor(300, 200);
    third->PasteFromClipboard();
    EXPECT_EQ(third->GetText(), "a&#x1F600;b\r\nc\r\nd");
}

TEST(TEditorClipboardTest, BoxCopyPastesAsARectangleAndTheSameTextFromElsewhereAsAStream) {
    auto editor = MakeShownEditor(300, 200, Sjis("あいう") + "\r\nabcdef\r\n12");
    // Columns 2..4: the second double-byte character, "cd", and nothing of the short row.
    SelectBox(*editor, 0, 2, 2, 4);
    editor->CopyToClipboard();
    EXPECT_TRUE(TClipboard::HasBoxFormat());
    EXPECT_EQ(TClipboard::Text(), Sjis("い") + "\r\ncd\r\n\r\n");

    auto target = MakeShownEditor(300, 200, "xxxx\r\nyyyy\r\nzzzz\r\nend");
    target->SetRowCol(0, 1);
    target->PasteFromClipboard();
    EXPECT_EQ(target->GetText(), "x" + Sjis("い") + "xxx\r\nycdyyy\r\nzzzz\r\nend");
    EXPECT_EQ(target->Row(), 2);
    EXPECT_EQ(target->Col(), 1);

    // The same text as another program would put it: a stream.
    QGuiApplication::clipboard()->setText(QString::fromUtf8("い\ncd\n\n"));
    auto stream = MakeShownEditor(300, 200, "xxxx\r\nyyyy");
    stream->SetRowCol(0, 1);
    stream->PasteFromClipboard();
    EXPECT_EQ(stream->GetText(), "x" + Sjis("い") + "\r\ncd\r\n\r\nxxx\r\nyyyy");

    // Ctrl+B pastes the clipboard as a rectangle whatever its format.
    stream->Undo();
    stream->SetRowCol(0, 4);
    Key(*stream, Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(stream->GetText(), "xxxx" + Sjis("い") + "\r\nyyyycd\r\n    \r\n");

    // Cut of a box takes the box out.
    SelectBox(*editor, 0, 2, 1, 4);
    editor->CutToClipboard();
    EXPECT_EQ(editor->GetText(), Sjis("あう") + "\r\nabef\r\n12");
}

} // namespace
} // namespace kes
