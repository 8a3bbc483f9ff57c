#include "editor/EditorTestSupport.h"

#include "editorex/TOleddEditor.h"
#include "toolkit/gui/QtText.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QTest>
#include <QUrl>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace kes {
namespace {

using test::MakeShownEditor;

// The editor with the desktop's modal drag loop replaced by the test's own, which delivers
// the drop events itself.
class TDragTestEditor : public TOleddEditor {
public:
    using TOleddEditor::TOleddEditor;
    std::function<void(QDrag*)> runDrag;
    int dragsRun = 0;

    // The files of the last file drop.
    std::vector<std::string> droppedFiles;
    Qt::KeyboardModifiers droppedKeys;
    TPoint droppedAt;
    void FilesDropped(TObject*, const std::vector<std::string>& files, Qt::KeyboardModifiers keys,
                      TPoint point) {
        droppedFiles = files;
        droppedKeys = keys;
        droppedAt = point;
    }

protected:
    void RunDrag(QDrag* drag) override {
        ++dragsRun;
        if (runDrag)
            runDrag(drag);
        drag->deleteLater();
    }
};

std::unique_ptr<TDragTestEditor> MakeDragEditor(std::string_view text) {
    auto editor = MakeShownEditor<TDragTestEditor>(400, 300, text);
    editor->Caret()->SetSelDragMode(dmManual);
    return editor;
}

// A client point inside the cell (row, col): truncated and rounded it is that cell.
QPoint CellPoint(const TEditor& editor, int row, int col) {
    return {editor.ColLeft(col) + 1, editor.RowTop(row) + 1};
}

// Sends one drag event to the viewport; true when the editor accepted it, with its action.
struct TAnswer {
    bool accepted = false;
    Qt::DropAction action = Qt::IgnoreAction;
};

TAnswer SendDrag(TEditor& editor, QEvent::Type type, QPoint at, const QMimeData* data,
                 Qt::KeyboardModifiers keys = Qt::NoModifier) {
    const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
    std::unique_ptr<QDropEvent> event;
    if (type == QEvent::DragEnter)
        event = std::make_unique<QDragEnterEvent>(at, actions, data, Qt::LeftButton, keys);
    else if (type == QEvent::DragMove)
        event = std::make_unique<QDragMoveEvent>(at, actions, data, Qt::LeftButton, keys);
    else
        event = std::make_unique<QDropEvent>(QPointF(at), actions, data, Qt::LeftButton, keys);
    QApplication::sendEvent(editor.viewport(), event.get());
    return {event->isAccepted(), event->dropAction()};
}

void SendLeave(TEditor& editor) {
    QDragLeaveEvent leave;
    QApplication::sendEvent(editor.viewport(), &leave);
}

// A whole drag from outside: in at the drop point, and dropped there.
TAnswer DragIn(TEditor& editor, QPoint at, const QMimeData& data,
               Qt::KeyboardModifiers keys = Qt::NoModifier) {
    if (!SendDrag(editor, QEvent::DragEnter, at, &data, keys).accepted)
        return {};
    SendDrag(editor, QEvent::DragMove, at, &data, keys);
    return SendDrag(editor, QEvent::Drop, at, &data, keys);
}

void SendMouse(TEditor& editor, QEvent::Type type, QPoint at, Qt::MouseButton button,
               Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(at), editor.viewport()->mapToGlobal(QPointF(at)), button, held,
                      Qt::NoModifier);
    QApplication::sendEvent(editor.viewport(), &event);
}

// Presses the left button inside the selection at (row, col) and moves the pointer far
// enough to start the editor's drag.
void PressAndDrag(TEditor& editor, int row, int col) {
    const QPoint at = CellPoint(editor, row, col);
    SendMouse(editor, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    const QPoint away = at + QPoint(QApplication::startDragDistance() + 1, 0);
    SendMouse(editor, QEvent::MouseMove, away, Qt::NoButton, Qt::LeftButton);
}

std::unique_ptr<QMimeData> TextData(const QString& text) {
    auto data = std::make_unique<QMimeData>();
    data->setText(text);
    return data;
}

TEST(TOleddEditorTest, TextFromAnotherProgramGoesInAtTheDropPointWithCrLfBreaks) {
    auto editor = MakeDragEditor("abc\r\ndef");
    EXPECT_TRUE(editor->viewport()->acceptDrops());
    const auto data = TextData("X\nY\rZ");
    const TAnswer answer = DragIn(*editor, CellPoint(*editor, 1, 1), *data);
    EXPECT_TRUE(answer.accepted);
    EXPECT_EQ(answer.action, Qt::CopyAction);
    EXPECT_EQ(editor->GetText(), "abc\r\ndX\r\nY\r\nZef");
    // The caret stands after the dropped text, so typing goes on from there.
    QTest::keyClicks(editor.get(), "q");
    EXPECT_EQ(editor->GetText(), "abc\r\ndX\r\nY\r\nZqef");
    editor->Undo();
    editor->Undo();
    EXPECT_EQ(editor->GetText(), "abc\r\ndef") << "the drop is one undo step";

    // Another editor's exact bytes win over its Unicode text.
    QMimeData exact;
    exact.setText("unused");
    exact.setData(TOleddEditor::TextFormat, QByteArray("\x82\xa0z\0tail", 8));
    DragIn(*editor, CellPoint(*editor, 0, 0), exact);
    EXPECT_EQ(editor->GetText(), "\x82\xa0zabc\r\ndef");
}

TEST(TOleddEditorTest, TextDroppedInsideTheSelectionReplacesNothing) {
    auto editor = MakeDragEditor("hello world");
    editor->SetSelStart(6);
    editor->SetSelLength(5);
    const auto data = TextData("X");
    DragIn(*editor, CellPoint(*editor, 0, 8), *data);
    EXPECT_EQ(editor->GetText(), "hello woXrld");
    EXPECT_FALSE(editor->Selected());
    EXPECT_EQ(editor->Col(), 9);
}

TEST(TOleddEditorTest, AFileListWinsOverTextAndReachesTheHandler) {
    auto editor = MakeDragEditor("abc");
    QMimeData both;
    both.setText("not this");
    both.setUrls({QUrl::fromLocalFile("/tmp/a b.txt"), QUrl("https://example.com/x"),
                  QUrl::fromLocalFile(QString::fromUtf8("/tmp/\xE6\x97\xA5.txt"))});

    // Without a handler a file drop changes nothing.
    EXPECT_TRUE(DragIn(*editor, CellPoint(*editor, 0, 1), both).accepted);
    EXPECT_EQ(editor->GetText(), "abc");

    editor->OnDropFiles = MethodOf<&TDragTestEditor::FilesDropped>(editor.get());
    const QPoint at = CellPoint(*editor, 0, 2);
    DragIn(*editor, at, both, Qt::ControlModifier);
    EXPECT_EQ(editor->GetText(), "abc");
    EXPECT_EQ(editor->droppedFiles,
              (std::vector<std::string>{"/tmp/a b.txt", "/tmp/\xE6\x97\xA5.txt"}));
    EXPECT_EQ(editor->droppedKeys, Qt::ControlModifier);
    EXPECT_EQ(editor->droppedAt, (TPoint{at.x(), at.y()}));

    // Links that are not local files are text: their addresses go in.
    QMimeData link;
    link.setUrls({QUrl("https://example.com/")});
    DragIn(*editor, CellPoint(*editor, 0, 3), link);
    EXPECT_EQ(editor->GetText(), "abchttps://example.com/");

    // Neither files nor text: refused at once, and a drop sent anyway does nothing.
    QMimeData other;
    other.setData("image/png", "png");
    EXPECT_FALSE(SendDrag(*editor, QEvent::DragEnter, at, &other).accepted);
    EXPECT_FALSE(SendDrag(*editor, QEvent::Drop, at, &other).accepted);
    EXPECT_EQ(editor->GetText(), "abchttps://example.com/");
}

TEST(TOleddEditorTest, ADragThatLeavesGivesTheCaretBackAndHidesIt) {
    auto editor = MakeDragEditor("abc\r\ndef\r\nghi");
    editor->SetRowCol(0, 1);
    const auto data = TextData("X");
    ASSERT_TRUE(
        SendDrag(*editor, QEvent::DragEnter, CellPoint(*editor, 2, 2), data.get()).accepted);
    EXPECT_EQ(editor->Row(), 2);
    EXPECT_EQ(editor->Col(), 2);
    SendLeave(*editor);
    EXPECT_EQ(editor->Row(), 0);
    EXPECT_EQ(editor->Col(), 1);
    EXPECT_FALSE(editor->SystemCaret().Shown());
    // Coming back, the caret shows the drop point again.
    SendDrag(*editor, QEvent::DragEnter, CellPoint(*editor, 1, 0), data.get());
    EXPECT_TRUE(editor->SystemCaret().Shown());
    SendLeave(*editor);
    EXPECT_FALSE(editor->SystemCaret().Shown());
    // The editor kept the focus: a key brings the caret back.
    QTest::keyClick(editor.get(), Qt::Key_Right);
    EXPECT_TRUE(editor->SystemCaret().Shown());
    EXPECT_EQ(editor->GetText(), "abc\r\ndef\r\nghi");
}

TEST(TOleddEditorTest, AReadOnlyEditorTakesNoDropAndStartsNoDrag) {
    auto editor = MakeDragEditor("abc def");
    editor->SetSelStart(0);
    editor->SetSelLength(3);
    editor->SetReadOnly(true);
    const auto data = TextData("X");
    EXPECT_FALSE(DragIn(*editor, CellPoint(*editor, 0, 5), *data).accepted);
    PressAndDrag(*editor, 0, 1);
    EXPECT_EQ(editor->dragsRun, 0);
    EXPECT_EQ(editor->GetText(), "abc def");
}

// ---- the editor's own drag

// A drag of "hello" out of "hello world" (the caret at row 1 before the press) that the test
// drops at (row, col) with keys, or cancels when col is negative.
struct TOwnDrag {
    std::unique_ptr<TDragTestEditor> editor = MakeDragEditor("hello world\r\nnext");
    QByteArray exactBytes;
    QString desktopText;

    void Run(int row, int col, Qt::KeyboardModifiers keys = Qt::NoModifier) {
        editor->SetSelStart(0);
        editor->SetSelLength(5);
        editor->SetRowCol(1, 2);
        editor->runDrag = [&](QDrag* drag) {
            const QMimeData* data = drag->mimeData();
            exactBytes = data->data(TOleddEditor::TextFormat);
            desktopText = data->text();
            SendDrag(*editor, QEvent::DragEnter, CellPoint(*editor, 0, 2), data, keys);
            if (col < 0) {
                SendLeave(*editor);
                return;
            }
            const QPoint at = CellPoint(*editor, row, col);
            const TAnswer over = SendDrag(*editor, QEvent::DragMove, at, data, keys);
            EXPECT_EQ(over.action, keys & Qt::ControlModifier ? Qt::CopyAction : Qt::MoveAction);
            SendDrag(*editor, QEvent::Drop, at, data, keys);
        };
        PressAndDrag(*editor, 0, 1);
        SendMouse(*editor, QEvent::MouseButtonRelease, CellPoint(*editor, row, std::max(col, 0)),
                  Qt::LeftButton, Qt::NoButton);
    }
};

TEST(TOleddEditorTest, TheOwnDragMovesOrWithControlCopiesInOneUndoStep) {
    TOwnDrag move;
    move.editor->SetSelStart(0);
    move.editor->SetSelLength(5);
    // A short move is still a press inside the selection: nothing starts, nothing is selected.
    const QPoint at = CellPoint(*move.editor, 0, 1);
    SendMouse(*move.editor, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    SendMouse(*move.editor, QEvent::MouseMove, at + QPoint(1, 0), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(move.editor->dragsRun, 0);
    EXPECT_EQ(move.editor->SelLength(), 5);
    SendMouse(*move.editor, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);

    move.Run(1, 2);
    EXPECT_EQ(move.editor->dragsRun, 1);
    EXPECT_EQ(move.exactBytes, QByteArray("hello", 6)) << "the exact bytes and their zero";
    EXPECT_EQ(move.desktopText, "hello");
    EXPECT_EQ(move.editor->GetText(), " world\r\nnehelloxt");
    EXPECT_EQ(move.editor->Row(), 1);
    EXPECT_EQ(move.editor->Col(), 7);
    move.editor->Undo();
    EXPECT_EQ(move.editor->GetText(), "hello world\r\nnext");

    TOwnDrag copy;
    copy.Run(0, 11, Qt::ControlModifier);
    EXPECT_EQ(copy.editor->GetText(), "hello worldhello\r\nnext");
    EXPECT_EQ(copy.editor->Col(), 16);
    copy.editor->Undo();
    EXPECT_EQ(copy.editor->GetText(), "hello world\r\nnext");
}

TEST(TOleddEditorTest, TheOwnDragOnItsSelectionOnlyClearsIt) {
    TOwnDrag drag;
    drag.Run(0, 3);
    EXPECT_EQ(drag.editor->GetText(), "hello world\r\nnext");
    EXPECT_FALSE(drag.editor->Selected());
    EXPECT_EQ(drag.editor->Row(), 0);
    EXPECT_EQ(drag.editor->Col(), 3);
}

TEST(TOleddEditorTest, ACancelledOrOutsideDragLeavesTheTextAndGivesTheCaretBack) {
    TOwnDrag cancelled;
    cancelled.Run(0, -1);
    EXPECT_EQ(cancelled.editor->GetText(), "hello world\r\nnext");
    EXPECT_EQ(cancelled.editor->Row(), 1);
    EXPECT_EQ(cancelled.editor->Col(), 2);
    EXPECT_TRUE(cancelled.editor->SystemCaret().Shown()) << "the caret shows again";

    // Dropped in another program, which may even report a move: the text stays.
    TOwnDrag outside;
    outside.editor->SetSelStart(0);
    outside.editor->SetSelLength(5);
    outside.editor->SetRowCol(1, 2);
    outside.editor->runDrag = [](QDrag*) {};
    PressAndDrag(*outside.editor, 0, 3);
    EXPECT_EQ(outside.editor->dragsRun, 1);
    EXPECT_EQ(outside.editor->GetText(), "hello world\r\nnext");
    EXPECT_EQ(outside.editor->Row(), 1);
    EXPECT_EQ(outside.editor->Col(), 2);
    EXPECT_EQ(outside.editor->SelLength(), 5);
}

TEST(TOleddEditorTest, APressAndReleaseInsideTheSelectionIsAClick) {
    auto editor = MakeDragEditor("hello world");
    editor->SetSelStart(0);
    editor->SetSelLength(5);
    const QPoint at = CellPoint(*editor, 0, 2);
    SendMouse(*editor, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    SendMouse(*editor, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(editor->dragsRun, 0);
    EXPECT_FALSE(editor->Selected());
    EXPECT_EQ(editor->Col(), 2);
    EXPECT_EQ(editor->GetText(), "hello world");
}

} // namespace
} // namespace kes
