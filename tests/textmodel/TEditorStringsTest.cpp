#include "ScreenTestSupport.h"

#include "textmodel/TEditorStrings.h"
#include "textmodel/TEditorUndoObj.h"
#include "toolkit/core/Exception.h"
#include "toolkit/core/TStringList.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace kes {
namespace {

using test::Dump;
using test::FakeView;
using test::Letters;
using Rows = std::vector<std::string>;

struct Fixture {
    Fixture() : lines(view) {}
    FakeView view;
    TEditorStrings lines;
    TEditorScreenStrings& Rows() { return view.Rows(); }
};

class TempFile {
public:
    explicit TempFile(const std::string& content) {
        static int serial = 0;
        path_ = std::filesystem::temp_directory_path() /
                ("kes-lines-" + std::to_string(::getpid()) + "-" + std::to_string(serial++));
        std::ofstream(path_, std::ios::binary) << content;
    }
    ~TempFile() { std::filesystem::remove(path_); }
    std::string Path() const { return path_.string(); }

private:
    std::filesystem::path path_;
};

TEST(TEditorStrings, LinesAreLogicalWhateverTheWrap) {
    Fixture f;
    f.Rows().SetWordWrap(true);
    f.lines.SetTextStr("first\r\n" + Letters(200) + "\r\nlast");
    EXPECT_EQ(f.Rows().GetCount(), 5);
    EXPECT_EQ(f.lines.GetCount(), 3);
    EXPECT_EQ(f.lines.Get(1), Letters(200));
    EXPECT_EQ(f.lines.Get(2), "last");
    EXPECT_EQ(f.lines.LineToRow(2), 4);
    EXPECT_EQ(f.lines.LineToRow(3), 5);
    f.lines.Put(1, Letters(10));
    EXPECT_EQ(Dump(f.Rows()), (Rows{"first|L", Letters(10) + "|L", "last|T"}));
    EXPECT_EQ(f.view.row, 2) << "the caret goes to the start of the following line";
    EXPECT_EQ(f.view.col, 0);
    f.lines.Put(2, "end");
    EXPECT_EQ(f.view.row, 2);
    EXPECT_EQ(f.view.col, 3) << "on the last line, to the end of what was written";
    EXPECT_TRUE(f.Rows().UndoObj().CanUndo()) << "writes through Lines are edits";
    EXPECT_THROW(f.lines.Get(3), EStringListError);
    EXPECT_THROW(f.lines.Put(-1, "x"), EStringListError);
    EXPECT_EQ(f.view.hidden, 0);
}

TEST(TEditorStrings, AddInsertAndDeleteKeepTheFinalLineBreakAsItWas) {
    Fixture f;
    f.lines.SetTextStr("a\r\nb");
    f.lines.Add("x");
    EXPECT_EQ(f.lines.GetTextStr(), "a\r\nb\r\nx");
    f.lines.SetTextStr("a\r\n");
    EXPECT_EQ(f.lines.Add("x"), 1);
    EXPECT_EQ(f.lines.GetTextStr(), "a\r\nx\r\n");
    f.lines.Insert(2, "y");
    EXPECT_EQ(f.lines.GetTextStr(), "a\r\nx\r\ny\r\n") << "inserting at the count appends";
    f.lines.Insert(0, "z");
    EXPECT_EQ(f.lines.GetTextStr(), "z\r\na\r\nx\r\ny\r\n");
    EXPECT_EQ(f.view.row, 1);
    f.lines.SetTextStr("a\r\nb");
    f.lines.Delete(1);
    EXPECT_EQ(f.lines.GetTextStr(), "a\r\n");
    f.lines.Clear();
    f.lines.Add("only");
    EXPECT_EQ(f.lines.GetTextStr(), "only\r\n");
}

TEST(TEditorStrings, ANulByteEndsTheWrittenTextButNotTheLinesAroundIt) {
    Fixture f;
    f.lines.SetTextStr("a\r\nb");
    f.lines.Put(0, std::string("x\0y", 3));
    EXPECT_EQ(f.lines.GetTextStr(), "x\r\nb");
    f.lines.Insert(1, std::string("p\0q", 3));
    EXPECT_EQ(f.lines.GetTextStr(), "x\r\np\r\nb");
    EXPECT_EQ(f.view.row, 2) << "the start of the line after the inserted one";
    f.Rows().UpdateRows(0, 1, std::string("\0z\r\n", 4));
    EXPECT_EQ(f.lines.GetTextStr(), "p\r\nb") << "a text cut to nothing deletes the row";
    f.Rows().UpdateRows(0, 0, std::string("\0z", 2));
    EXPECT_EQ(f.lines.GetTextStr(), "p\r\nb");
    EXPECT_EQ(f.Rows().UndoObj().UndoList().Count(), 3) << "an empty insertion is no edit";
}

TEST(TEditorStrings, TheCaretCountsEveryKindOfLineBreakAsTheRowsHoldIt) {
    Fixture f;
    f.lines.SetTextStr("a");
    f.lines.Put(0, "x\ny");
    EXPECT_EQ(f.lines.GetTextStr(), "x\r\ny");
    EXPECT_EQ(f.view.row, 1);
    EXPECT_EQ(f.view.col, 1) << "at the end of what was written";
    f.lines.SetTextStr("a\r\nb\r\nc\r\n");
    f.lines.Insert(1, "p\rq\nr");
    EXPECT_EQ(f.lines.GetTextStr(), "a\r\np\r\nq\r\nr\r\nb\r\nc\r\n");
    EXPECT_EQ(f.view.row, 4) << "at the start of the line after the inserted ones";
    EXPECT_EQ(f.view.col, 0);
    f.lines.SetTextStr("a");
    f.lines.Add(std::string("p\rq\0zz", 6));
    EXPECT_EQ(f.lines.GetTextStr(), "a\r\np\r\nq");
    EXPECT_EQ(f.view.row, 2);
    EXPECT_EQ(f.view.col, 1);
}

TEST(TEditorStrings, SetTextStrAndAssignGoAroundUndo) {
    Fixture f;
    f.Rows().UpdateRows(0, 0, "old");
    const std::string text = "one\r\n\r\nthree\r\n";
    f.lines.SetTextStr(text);
    EXPECT_EQ(f.lines.GetTextStr(), text);
    EXPECT_FALSE(f.Rows().UndoObj().CanUndo());
    EXPECT_FALSE(f.view.lastInfo.Valid) << "the editors hear of no edit: nothing to mark modified";
    f.lines.SetTextStr("a\nb\rc");
    EXPECT_EQ(Dump(f.Rows()), (Rows{"a|L", "b|L", "c|T"}));
    f.lines.SetTextStr("a\r\nb\0c");
    EXPECT_EQ(f.lines.GetTextStr(), "a\r\nb");
    TStringList source;
    source.Add("p");
    source.Add("q");
    f.lines.Assign(&source);
    EXPECT_EQ(f.lines.GetTextStr(), "p\r\nq\r\n");
    EXPECT_EQ(f.view.row, 2) << "the caret goes to the end of the text";
    EXPECT_EQ(f.view.hidden, 0);
    EXPECT_EQ(f.view.underline, 0);
    EXPECT_FALSE(f.view.linesUpdating);
}

TEST(TEditorStrings, LoadFromFileTakesEveryKindOfLineBreak) {
    Fixture f;
    TempFile mixed("a\rb\nc\r\n");
    f.lines.LoadFromFile(mixed.Path());
    EXPECT_EQ(Dump(f.Rows()), (Rows{"a|L", "b|L", "c|L"}));
    TempFile unbroken("a\r\nb");
    f.lines.LoadFromFile(unbroken.Path());
    EXPECT_EQ(Dump(f.Rows()), (Rows{"a|L", "b|T"}));
    TempFile ctrlZ("a\r\nb\x1A"
                   "c\r\nd");
    f.lines.LoadFromFile(ctrlZ.Path());
    EXPECT_EQ(Dump(f.Rows()), (Rows{"a|L", "b|T"}));
    TempFile empty("");
    f.lines.LoadFromFile(empty.Path());
    EXPECT_EQ(f.Rows().GetCount(), 0);
    EXPECT_FALSE(f.Rows().UndoObj().CanUndo());
}

TEST(TEditorStrings, LoadFromFileJoinsBreaksAndLinesAcrossBlocks) {
    Fixture f;
    // A CR as byte 8192 and its LF as byte 8193 are one break; a line spans the next block.
    std::string text = Letters(8191) + "\r\n" + Letters(9000) + "\r\n" + "end";
    TempFile file(text);
    f.lines.LoadFromFile(file.Path());
    EXPECT_EQ(f.Rows().GetCount(), 3);
    EXPECT_EQ(f.lines.GetTextStr(), text);
    f.Rows().SetWordWrap(true);
    f.lines.LoadFromFile(file.Path());
    EXPECT_EQ(f.lines.GetTextStr(), text);
    EXPECT_EQ(f.lines.GetCount(), 3);
    EXPECT_EQ(f.Rows().GetCount(), 102 + 1 + 113 + 1);
    EXPECT_EQ(f.Rows().RowAttributes(f.Rows().GetCount() - 1), raTextEnd);
}

TEST(TEditorStrings, AFileThatCannotBeTakenLeavesTheTextAsItWas) {
    Fixture f;
    f.lines.SetTextStr("keep\r\nme");
    const std::string missing =
        (std::filesystem::temp_directory_path() / "kes-no-such-file").string();
    try {
        f.lines.LoadFromFile(missing);
        FAIL() << "no error for a missing file";
    } catch (const EFileError& e) {
        EXPECT_EQ(e.FileName(), missing);
        EXPECT_NE(e.Message().find(missing), std::string::npos);
    }
    EXPECT_EQ(f.lines.GetTextStr(), "keep\r\nme");

    // A NUL byte, here deep in a second block as in a UTF-16 file, refuses the file.
    std::string binary = Letters(10000);
    binary[9000] = '\0';
    TempFile file(binary);
    EXPECT_THROW(f.lines.LoadFromFile(file.Path()), EFileError);
    EXPECT_EQ(f.lines.GetTextStr(), "keep\r\nme");
    EXPECT_EQ(f.view.hidden, 0);
    EXPECT_FALSE(f.view.linesUpdating);
    // After a Ctrl-Z nothing counts, not even a NUL.
    TempFile ended(std::string("text\x1A\0\0", 7));
    f.lines.LoadFromFile(ended.Path());
    EXPECT_EQ(f.lines.GetTextStr(), "text");
}

TEST(TEditorStrings, AnEditorFailingOnTheChangeNoticeGetsItsCaretBack) {
    test::FailingView view;
    TEditorStrings lines(view);
    view.visible = true;
    lines.SetTextStr("a\r\nb");
    view.armed = true;
    EXPECT_THROW(lines.Put(0, "x"), std::runtime_error);
    EXPECT_EQ(lines.GetTextStr(), "x\r\nb");
    EXPECT_EQ(view.hidden, 0);
    lines.BeginUpdate();
    lines.Add("c");
    view.armed = true;
    EXPECT_THROW(lines.EndUpdate(), std::runtime_error);
    EXPECT_EQ(view.hidden, 0);
    EXPECT_EQ(view.underline, 0);
    EXPECT_FALSE(view.linesUpdating);
    EXPECT_TRUE(view.redraw);
    lines.Add("d");
    EXPECT_EQ(lines.GetTextStr(), "x\r\nb\r\nc\r\nd");
}

TEST(TEditorStrings, UpdatesNestAndEndWithOneRepaint) {
    Fixture f;
    f.view.visible = true;
    f.lines.BeginUpdate();
    EXPECT_FALSE(f.view.redraw);
    EXPECT_TRUE(f.view.linesUpdating);
    f.lines.Add("a");
    f.lines.Add("b");
    EXPECT_EQ(f.view.changes, 0);
    f.lines.EndUpdate();
    EXPECT_EQ(f.view.changes, 1);
    EXPECT_TRUE(f.view.redraw);
    EXPECT_EQ(f.view.relayouts, 1);
    EXPECT_EQ(f.view.caretChanges, 1);
    EXPECT_EQ(f.view.hidden, 0);
}

TEST(TEditorStrings, ReplaceTextIsOneUndoStepThatBringsTheTextAndCaretBack) {
    Fixture f;
    f.Rows().SetWordWrap(true);
    f.lines.SetTextStr("first\r\n" + Letters(200) + "\nlast");
    f.lines.Add("typed");
    const std::string old = f.lines.GetTextStr();
    const Rows oldRows = Dump(f.Rows());
    f.view.SetRow(2);
    f.view.SetCol(3);
    f.view.changes = 0;
    f.lines.ReplaceText("new\rtext\r\n" + Letters(90));
    EXPECT_EQ(f.lines.GetTextStr(), "new\r\ntext\r\n" + Letters(90));
    EXPECT_EQ(f.lines.TextLength(), f.lines.GetTextStr().size());
    EXPECT_EQ(f.Rows().GetCount(), 4) << "the new text is wrapped like any other";
    EXPECT_EQ(f.view.changes, 1);
    EXPECT_TRUE(f.view.lastInfo.Valid) << "an edit: the editors mark the text modified";
    EXPECT_FALSE(f.view.lastInfo.Loaded);
    EXPECT_EQ(f.view.row, 0);
    EXPECT_EQ(f.view.col, 0);
    EXPECT_EQ(f.view.hidden, 0);
    EXPECT_EQ(f.Rows().UndoObj().UndoList().Count(), 2) << "the typing before stays undoable";

    f.Rows().Undo();
    EXPECT_EQ(f.lines.GetTextStr(), old);
    EXPECT_EQ(Dump(f.Rows()), oldRows);
    EXPECT_EQ(f.view.row, 2);
    EXPECT_EQ(f.view.col, 3);
    EXPECT_EQ(f.lines.TextLength(), old.size());
    f.Rows().Redo();
    EXPECT_EQ(f.lines.GetTextStr(), "new\r\ntext\r\n" + Letters(90));
    EXPECT_EQ(f.view.row, 0);
    f.Rows().Undo();
    f.Rows().Undo();
    EXPECT_EQ(f.lines.GetTextStr(), "first\r\n" + Letters(200) + "\r\nlast");
    EXPECT_FALSE(f.Rows().UndoObj().CanUndo());
}

TEST(TEditorStrings, UndoingAReplacementRestoresTheLastRowsAsTheyWere) {
    Fixture f;
    TEditorScreenStrings& rows = f.Rows();
    // An empty raTextEnd row after the final line break, which the text alone does not show.
    rows.Add("a");
    rows.SetRowAttributes(rows.Add(""), raTextEnd);
    for (const char* text : {"x", "", "y\r\n"}) {
        SCOPED_TRACE(::testing::PrintToString(text));
        f.lines.ReplaceText(text);
        rows.Undo();
        EXPECT_EQ(Dump(rows), (Rows{"a|L", "|T"}));
        rows.Redo();
        EXPECT_EQ(f.lines.GetTextStr(), text);
        rows.Undo();
    }
    f.lines.ReplaceText("b\r\n");
    f.lines.ReplaceText("");
    EXPECT_EQ(rows.GetCount(), 0);
    rows.Undo();
    EXPECT_EQ(Dump(rows), (Rows{"b|L"}));
}

TEST(TEditorStrings, ReplacingAnEmptyTextRecordsNothing) {
    Fixture f;
    f.lines.ReplaceText("first");
    EXPECT_FALSE(f.Rows().UndoObj().CanUndo());
    f.lines.Delete(0);
    ASSERT_EQ(f.lines.TextLength(), 0u);
    ASSERT_TRUE(f.Rows().UndoObj().CanUndo());
    f.lines.ReplaceText("second\0hidden");
    EXPECT_EQ(f.lines.GetTextStr(), "second") << "a NUL ends the text as in SetTextStr";
    EXPECT_FALSE(f.Rows().UndoObj().CanUndo())
        << "the entries before would name rows that are gone";
    EXPECT_FALSE(f.Rows().UndoObj().CanRedo());
}

TEST(TEditorStrings, ReplaceFromFileLoadsAsTheLoaderAndLeavesTheTextUnmodified) {
    Fixture f;
    Fixture loaded;
    TempFile file("a\rb\nc\r\nd\x1A"
                  "after");
    loaded.lines.LoadFromFile(file.Path());
    f.lines.SetTextStr("old\r\ntext");
    f.view.SetRow(1);
    f.view.SetCol(2);
    const int relayouts = f.view.relayouts;
    f.lines.ReplaceFromFile(file.Path());
    EXPECT_EQ(Dump(f.Rows()), Dump(loaded.Rows()));
    EXPECT_EQ(f.lines.GetTextStr(), "a\r\nb\r\nc\r\nd");
    EXPECT_TRUE(f.view.lastInfo.Valid);
    EXPECT_TRUE(f.view.lastInfo.Loaded) << "the text is the file's";
    EXPECT_GT(f.view.relayouts, relayouts);
    f.Rows().Undo();
    EXPECT_EQ(f.lines.GetTextStr(), "old\r\ntext");
    EXPECT_EQ(f.view.row, 1);
    EXPECT_EQ(f.view.col, 2);
    EXPECT_TRUE(f.view.lastInfo.Valid);
    EXPECT_FALSE(f.view.lastInfo.Loaded) << "the text differs from the file again";
    f.Rows().Redo();
    EXPECT_EQ(f.lines.GetTextStr(), "a\r\nb\r\nc\r\nd");
}

// The format a text is to be saved in belongs to it: a whole-text replacement sets it, and
// undo and redo bring it back with the text, past the edits between.
TEST(TEditorStrings, UndoingAReplacementBringsBackTheFormatItReplaced) {
    Fixture f;
    const TTextFormat utf8{teUtf8, false, lbLF};
    const TTextFormat utf16{teUtf16BE, true, lbCR};
    const TTextFormat chosen{teUtf8, true, lbCRLF};
    TempFile file("caf\xC3\xA9\nau lait\n");
    f.lines.ReplaceText("first", utf16);
    EXPECT_EQ(f.lines.TextFormat(), utf16) << "over an empty text, with nothing to undo";
    f.lines.SetTextFormat(chosen);
    f.lines.ReplaceFromEncodedFile(file.Path());
    EXPECT_EQ(f.lines.GetTextStr(), "caf&#xE9;\r\nau lait\r\n");
    EXPECT_EQ(f.lines.TextFormat(), utf8);
    f.lines.Add("typed");
    f.lines.ReplaceFromFile(file.Path());
    EXPECT_EQ(f.lines.TextFormat(), TTextFormat{}) << "a draft is code page 932 with CR LF";

    TEditorScreenStrings& rows = f.Rows();
    const TTextFormat expected[] = {utf8, utf8, chosen};
    for (const TTextFormat& format : expected) {
        rows.Undo();
        EXPECT_EQ(f.lines.TextFormat(), format) << TextFormatName(format);
    }
    EXPECT_EQ(f.lines.GetTextStr(), "first");
    rows.Redo();
    EXPECT_EQ(f.lines.TextFormat(), utf8);
    rows.Redo();
    rows.Redo();
    EXPECT_EQ(f.lines.TextFormat(), TTextFormat{});
    f.lines.ReplaceText("clip");
    rows.Undo();
    EXPECT_EQ(f.lines.TextFormat(), TTextFormat{});
    EXPECT_EQ(f.lines.GetTextStr(), "caf\xC3\xA9\r\nau lait\r\n");
}

TEST(TEditorStrings, AFailedReplaceFromFileChangesAndRecordsNothing) {
    Fixture f;
    f.lines.SetTextStr("keep\r\nme");
    f.lines.Add("typed");
    f.view.SetRow(1);
    f.view.SetCol(1);
    f.view.changes = 0;
    std::string binary = Letters(10000);
    binary[9000] = '\0';
    TempFile file(binary);
    const std::string missing =
        (std::filesystem::temp_directory_path() / "kes-no-such-file").string();
    for (const std::string& path : {file.Path(), missing}) {
        EXPECT_THROW(f.lines.ReplaceFromFile(path), EFileError);
        EXPECT_EQ(f.lines.GetTextStr(), "keep\r\nme\r\ntyped");
        EXPECT_EQ(f.Rows().UndoObj().UndoList().Count(), 1);
        EXPECT_EQ(f.view.row, 1);
        EXPECT_EQ(f.view.col, 1);
        EXPECT_EQ(f.view.changes, 0);
        EXPECT_EQ(f.view.hidden, 0);
    }
}

// The history keeps at most the cap's bytes of text, except the next steps to undo and to
// redo, which always stay however large they are.
TEST(TEditorStrings, TheHistoryHoldsNoMoreTextThanItsCap) {
    Fixture f;
    TEditorUndoObj& undo = f.Rows().UndoObj();
    undo.SetUndoBytesMax(100);
    auto held = [&undo] { return test::HistoryBytes(undo); };
    f.lines.SetTextStr(std::string(40, '0'));
    for (char c = '1'; c <= '5'; ++c)
        f.lines.ReplaceText(std::string(40, c));
    EXPECT_EQ(undo.UndoList().Count(), 2);
    EXPECT_EQ(undo.HeldBytes(), held());
    EXPECT_LE(held(), 100u);
    f.Rows().Undo();
    f.Rows().Undo();
    EXPECT_EQ(f.lines.GetTextStr(), std::string(40, '3')) << "the newest steps are the ones kept";
    EXPECT_FALSE(undo.CanUndo());
    EXPECT_EQ(undo.RedoList().Count(), 2);

    f.lines.ReplaceText(std::string(500, 'L'));
    f.lines.ReplaceText("small");
    EXPECT_EQ(undo.UndoList().Count(), 1) << "a step beyond the cap stays while it is the newest";
    f.lines.ReplaceText("tiny");
    EXPECT_EQ(undo.UndoList().Count(), 1) << "and goes with the next";
    f.lines.ReplaceText("p");
    f.lines.ReplaceText("q");
    f.lines.ReplaceText(std::string(300, 'y'));
    EXPECT_EQ(undo.UndoList().Count(), 4);
    f.Rows().Undo();
    EXPECT_EQ(undo.UndoList().Count(), 1) << "the next step to undo stays";
    EXPECT_EQ(undo.RedoList().Count(), 1) << "and the next step to redo";
    EXPECT_EQ(undo.HeldBytes(), held());
    f.Rows().Redo();
    EXPECT_EQ(f.lines.GetTextStr(), std::string(300, 'y'));
    f.Rows().Undo();
    f.Rows().Undo();
    EXPECT_EQ(f.lines.GetTextStr(), "p");
    EXPECT_FALSE(undo.CanUndo());
    // Typing is held to the same cap.
    for (int i = 0; i < 30; ++i)
        f.lines.Put(0, Letters(20 + i));
    EXPECT_LE(held(), 100u);
    EXPECT_GE(undo.UndoList().Count(), 2);
}

} // namespace
} // namespace kes
