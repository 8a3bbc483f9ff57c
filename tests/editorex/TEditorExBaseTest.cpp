#include "editor/EditingTestSupport.h"

#include "editorex/TEditorExBase.h"
#include "fountain/TEditorFountain.h"
#include "textmodel/TEditorCursors.h"

#include <QMouseEvent>
#include <QWheelEvent>

#include <string>
#include <vector>

namespace kes::test {
namespace {

// The editor with the desktop's opener replaced by a list of what it was handed.
class Links : public TEditorExBase {
public:
    std::vector<std::string> opened;

protected:
    void OpenURL(const std::string& url) override { opened.push_back(url); }
};

void SendMouse(TEditor& editor, QEvent::Type type, QPoint p, Qt::MouseButtons buttons) {
    QWidget* viewport = editor.viewport();
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(p), viewport->mapToGlobal(QPointF(p)), button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(viewport, &event);
}

void Turn(TEditor& editor, int angle, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
          QPoint pixels = QPoint()) {
    QWidget* viewport = editor.viewport();
    const QPointF at(50, 50);
    QWheelEvent event(at, viewport->mapToGlobal(at), pixels, QPoint(0, angle), Qt::NoButton,
                      modifiers, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &event);
}

QPoint Cell(const TEditor& editor, int row, int col) {
    return {editor.ColLeft(col) + editor.ColWidth() / 2,
            editor.RowTop(row) + editor.RowHeight() / 2};
}

struct LinkFixture : ::testing::Test {
    void SetUp() override {
        fountain.SetUrl(true);
        fountain.SetMail(true);
        editor = MakeShownEditor<Links>(500, 200,
                                        "see www.example.jp/a?b=1 now\r\n"
                                        "mail someone@example.jp\r\n"
                                        "plain words");
        editor->SetFountain(&fountain);
        editor->SetClickableURL(true);
        editor->OnAboveURL = MethodOf<&LinkFixture::Above>(this);
    }
    void Above(TObject*, char token, Qt::KeyboardModifiers, Qt::MouseButtons, int x, int) {
        heard.push_back({token, x});
    }
    void DoubleClickAt(QPoint p) {
        SendMouse(*editor, QEvent::MouseButtonPress, p, Qt::LeftButton);
        SendMouse(*editor, QEvent::MouseButtonRelease, p, Qt::NoButton);
        SendMouse(*editor, QEvent::MouseButtonDblClick, p, Qt::LeftButton);
        SendMouse(*editor, QEvent::MouseButtonRelease, p, Qt::NoButton);
    }

    TEditorFountain fountain{nullptr};
    std::unique_ptr<Links> editor;
    std::vector<std::pair<char, int>> heard;
};

TEST_F(LinkFixture, LinksShowTheHandAndReportTheMouseOverThem) {
    const TEditorCursors* cursors = editor->Caret()->Cursors();
    const QPoint url = Cell(*editor, 0, 8);
    SendMouse(*editor, QEvent::MouseMove, url, Qt::NoButton);
    EXPECT_EQ(editor->CursorId(), crHandPoint);
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_EQ(heard[0], std::pair(static_cast<char>(ttUrl), url.x()));
    SendMouse(*editor, QEvent::MouseMove, Cell(*editor, 1, 9), Qt::NoButton);
    EXPECT_EQ(heard.back().first, static_cast<char>(ttMail));
    SendMouse(*editor, QEvent::MouseMove, Cell(*editor, 2, 2), Qt::NoButton);
    EXPECT_EQ(editor->CursorId(), cursors->DefaultCursor()) << "off the link the text cursor";
    SendMouse(*editor, QEvent::MouseMove, QPoint(2, Cell(*editor, 2, 0).y()), Qt::NoButton);
    EXPECT_EQ(editor->CursorId(), cursors->LeftMarginCursor());

    editor->SetClickableURL(false);
    heard.clear();
    SendMouse(*editor, QEvent::MouseMove, url, Qt::NoButton);
    EXPECT_TRUE(heard.empty());
    EXPECT_EQ(editor->CursorId(), cursors->DefaultCursor());
}

TEST_F(LinkFixture, ADoubleClickOpensTheLinkAndDoesNothingElse) {
    int doubleClicks = 0;
    struct Counter {
        int* count;
        void Heard(TObject*) { ++*count; }
    } counter{&doubleClicks};
    editor->OnDblClick = MethodOf<&Counter::Heard>(&counter);

    DoubleClickAt(Cell(*editor, 0, 8));
    DoubleClickAt(Cell(*editor, 1, 9));
    DoubleClickAt(Cell(*editor, 2, 2));
    EXPECT_EQ(editor->opened, (std::vector<std::string>{"http://www.example.jp/a?b=1",
                                                        "mailto:someone@example.jp"}));
    EXPECT_FALSE(editor->Selected()) << "no word is selected";
    EXPECT_EQ(doubleClicks, 0);

    editor->SetClickableURL(false);
    DoubleClickAt(Cell(*editor, 0, 8));
    EXPECT_EQ(editor->opened.size(), 2u);
}

TEST(TEditorExBase, TheWheelScrollsALinePerNotchAndAPageWithControl) {
    auto editor = MakeShownEditor<TEditorExBase>(300, 200, NumberedLines(300));
    Turn(*editor, -120);
    EXPECT_EQ(editor->TopRow(), 1);
    Turn(*editor, -240);
    EXPECT_EQ(editor->TopRow(), 3) << "two notches at once";
    Turn(*editor, -120, Qt::ControlModifier);
    EXPECT_EQ(editor->TopRow(), 3 + editor->RowCount());
    Turn(*editor, 120, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(editor->TopRow(), 2 + editor->RowCount()) << "Ctrl+Shift is no page";
    editor->SetTopRow(50);

    // A touchpad's small steps add up to one line per notch's worth.
    for (int i = 0; i < 8; ++i)
        Turn(*editor, -15);
    EXPECT_EQ(editor->TopRow(), 51);
    Turn(*editor, -60);
    Turn(*editor, 90);
    EXPECT_EQ(editor->TopRow(), 51) << "turning back starts afresh";

    // Pixels: a line per row height, but a notch never more than a line.
    const int row = editor->RowHeight();
    Turn(*editor, -4, Qt::NoModifier, QPoint(0, -row / 2));
    Turn(*editor, -4, Qt::NoModifier, QPoint(0, -row / 2 - 1));
    EXPECT_EQ(editor->TopRow(), 52);
    Turn(*editor, -120, Qt::NoModifier, QPoint(0, -5 * row));
    EXPECT_EQ(editor->TopRow(), 53);

    // Held button: the mouse is selecting, the wheel waits.
    SendMouse(*editor, QEvent::MouseButtonPress, Cell(*editor, 53, 1), Qt::LeftButton);
    Turn(*editor, -120);
    EXPECT_EQ(editor->TopRow(), 53);
    SendMouse(*editor, QEvent::MouseButtonRelease, Cell(*editor, 53, 1), Qt::NoButton);
}

TEST(TEditorExBase, InsertToLinesQuotesEveryTouchedLineInOneStep) {
    auto editor = MakeShownEditor<TEditorExBase>(400, 200, "one\r\ntwo\r\nthree\r\nfour\r\n");
    const int undo = UndoSteps(*editor);
    editor->SetSelection(0, 11); // "one\r\ntwo\r\nt"
    editor->InsertToLines("> ", ilAlways | ilSelect);
    EXPECT_EQ(editor->GetText(), "> one\r\n> two\r\n> three\r\nfour\r\n");
    EXPECT_EQ(UndoSteps(*editor), undo + 1);
    EXPECT_EQ(editor->SelText(), "> one\r\n> two\r\n> t") << "the selection grows by the marks";
    editor->Undo();
    EXPECT_EQ(editor->GetText(), "one\r\ntwo\r\nthree\r\nfour\r\n");

    // A selection ending at column 0 takes that line; the row after the last is none.
    editor->SetSelection(5, 10);
    editor->InsertToLines(">", ilAlways);
    EXPECT_EQ(editor->GetText(), "one\r\n>two\r\n>three\r\nfour\r\n");
    editor->SelectAll();
    editor->InsertToLines(">", ilAlways);
    EXPECT_EQ(editor->GetText(), ">one\r\n>>two\r\n>>three\r\n>four\r\n");

    // Without ilAlways the text toggles: where it is, it goes.
    editor->SelectAll();
    editor->InsertToLines(">", 0);
    EXPECT_EQ(editor->GetText(), "one\r\n>two\r\n>three\r\nfour\r\n");
    editor->SetSelection(0, 3);
    editor->InsertToLines(";", ilLineEnd | ilAlways);
    EXPECT_EQ(editor->GetText(), "one;\r\n>two\r\n>three\r\nfour\r\n");

    // A box puts it at its left column, padding a short line.
    editor->SetSelectionMode(smBox);
    editor->SetRowCol(1, 5);
    editor->StartSelection();
    editor->SetRowCol(2, 6);
    editor->ExtendSelection();
    editor->InsertToLines("|", ilAlways | ilBoxColumns);
    EXPECT_EQ(editor->GetText(), "one;\r\n>two |\r\n>thre|e\r\nfour\r\n");

    editor->CleanSelection();
    editor->InsertToLines("x", ilAlways);
    EXPECT_EQ(editor->GetText(), "one;\r\n>two |\r\n>thre|e\r\nfour\r\n") << "nothing selected";
}

} // namespace
} // namespace kes::test
