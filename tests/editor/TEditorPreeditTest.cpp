#include "EditingTestSupport.h"

#include "fountain/TEditorColors.h"
#include "fountain/TFountainColor.h"
#include "toolkit/gui/QtColor.h"
#include "toolkit/gui/TFont.h"

#include <QImage>
#include <QInputMethodEvent>
#include <QPixmap>
#include <QTextCharFormat>

#include <gtest/gtest.h>

#include <string>

namespace kes {
namespace {

using test::MakeShownEditor;

const std::string kNihongo = "\x93\xFA\x96\x7B\x8C\xEA"; // 6 columns

// The client area as the screen shows it, without the caret (which blinks); the editor gets
// the focus back afterwards, so that the input method keeps talking to it.
QImage Shot(TEditor& editor) {
    editor.clearFocus();
    QApplication::processEvents();
    QImage image = editor.viewport()->grab().toImage();
    editor.setFocus();
    QApplication::processEvents();
    return image;
}

// The pixels of row 0 in columns [col, col + count) of an image.
QImage Cells(const TEditor& editor, const QImage& image, int col, int count) {
    return image.copy(editor.ColLeft(col), editor.RowTop(0), count * editor.ColWidth(),
                      editor.FontHeight());
}

void Compose(TEditor& editor, const QString& preedit, const QString& commit = {}) {
    QList<QInputMethodEvent::Attribute> attributes;
    QTextCharFormat underline;
    underline.setFontUnderline(true);
    attributes << QInputMethodEvent::Attribute(QInputMethodEvent::TextFormat, 0,
                                               static_cast<int>(preedit.size()), underline)
               << QInputMethodEvent::Attribute(QInputMethodEvent::Cursor,
                                               static_cast<int>(preedit.size()), 1);
    QInputMethodEvent event(preedit, attributes);
    if (!commit.isEmpty())
        event.setCommitString(commit);
    QApplication::sendEvent(&editor, &event);
    QApplication::processEvents();
}

int Ink(const QImage& image, TColor background) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += FromQColor(image.pixelColor(x, y)) != background ? 1 : 0;
    return count;
}

// A preedit is drawn at the caret and pushes the rest of the row right, without touching the
// text; a commit inserts its text once and takes the preedit away; an empty preedit restores
// the row.
TEST(TEditorPreeditTest, ShownAtTheCaretPushingTheRowUntilCommitted) {
    auto editor = MakeShownEditor(400, 120, "abcdef");
    editor->SetRowCol(0, 2);
    const QImage before = Shot(*editor);
    ASSERT_GT(Ink(Cells(*editor, before, 2, 4), editor->Color()), 0);

    Compose(*editor, QString::fromUtf8("にほんご"));
    const QImage composing = Shot(*editor);
    EXPECT_EQ(editor->GetText(), "abcdef");
    EXPECT_FALSE(editor->CanUndo());
    EXPECT_EQ(Cells(*editor, composing, 0, 2), Cells(*editor, before, 0, 2));
    // Every preedit character has ink above the underline.
    for (int c = 0; c < 4; ++c) {
        const QImage glyph = Cells(*editor, composing, 2 + 2 * c, 2)
                                 .copy(0, 0, 2 * editor->ColWidth(), editor->FontHeight() - 1);
        EXPECT_GT(Ink(glyph, editor->Color()), 0) << "preedit character " << c;
    }
    EXPECT_NE(Cells(*editor, composing, 2, 8), Cells(*editor, before, 2, 8));
    EXPECT_EQ(Cells(*editor, composing, 10, 4), Cells(*editor, before, 2, 4));

    Compose(*editor, QString(), QString::fromUtf8("日本語"));
    EXPECT_EQ(editor->GetText(), "ab" + kNihongo + "cdef");
    EXPECT_TRUE(editor->CanUndo());
    EXPECT_EQ(editor->Col(), 8);
    const QImage committed = Shot(*editor);
    EXPECT_EQ(Cells(*editor, committed, 8, 4), Cells(*editor, before, 2, 4));
    EXPECT_EQ(Ink(Cells(*editor, committed, 12, 10), editor->Color()), 0);

    editor->SetRowCol(0, 0);
    const QImage plain = Shot(*editor);
    Compose(*editor, QString::fromUtf8("にほんご"));
    EXPECT_NE(Shot(*editor), plain);
    Compose(*editor, QString());
    EXPECT_EQ(Shot(*editor), plain);
    EXPECT_EQ(editor->GetText(), "ab" + kNihongo + "cdef");
}

// The segment being converted is drawn in the selection colours (the font's colours swapped
// where they are not set), the rest of the preedit on the editor's background.
TEST(TEditorPreeditTest, ConversionSegmentHighlighted) {
    auto editor = MakeShownEditor(400, 120, "abcdef");
    const QString preedit = QString::fromUtf8("日本語");
    QTextCharFormat underline;
    underline.setFontUnderline(true);
    QTextCharFormat segment;
    segment.setBackground(Qt::darkBlue);
    QInputMethodEvent event(
        preedit, {QInputMethodEvent::Attribute(QInputMethodEvent::TextFormat, 0, 1, segment),
                  QInputMethodEvent::Attribute(QInputMethodEvent::TextFormat, 1, 2, underline)});
    QApplication::sendEvent(editor.get(), &event);
    const QImage image = Shot(*editor);
    TFountainColor* select = editor->View()->Colors()->Select();
    const TColor highlight =
        select->BkColor() == clNone ? editor->Font()->Color() : select->BkColor();
    const int cell = 2 * editor->ColWidth() * editor->FontHeight();
    const auto share = [&](int col, TColor color) {
        return cell - Ink(Cells(*editor, image, col, 2), color);
    };
    EXPECT_GT(share(0, highlight), cell / 2);
    EXPECT_GT(share(2, editor->Color()), cell / 2);
    EXPECT_GT(share(4, editor->Color()), cell / 2);
}

// A read-only editor shows no preedit and takes no commit.
TEST(TEditorPreeditTest, ReadOnlyShowsNothing) {
    auto editor = MakeShownEditor(400, 120, "abcdef");
    editor->SetReadOnly(true);
    const QImage before = Shot(*editor);
    Compose(*editor, QString::fromUtf8("にほんご"));
    EXPECT_EQ(Shot(*editor), before);
    Compose(*editor, QString(), QString::fromUtf8("日本語"));
    EXPECT_EQ(editor->GetText(), "abcdef");
}

// The input method sees the caret row around the caret, counted in its own units (a
// reconversion replaces a range of it).
TEST(TEditorPreeditTest, TheCaretRowIsTheSurroundingText) {
    auto editor = MakeShownEditor(400, 120, kNihongo + "abc\r\nnext");
    editor->SetRowCol(0, 4);
    EXPECT_EQ(editor->inputMethodQuery(Qt::ImSurroundingText).toString(),
              QString::fromUtf8("日本語abc"));
    EXPECT_EQ(editor->inputMethodQuery(Qt::ImCursorPosition).toInt(), 2);
    EXPECT_EQ(editor->inputMethodQuery(Qt::ImTextAfterCursor).toString(),
              QString::fromUtf8("語abc"));
    editor->SetSelection(2, 6);
    EXPECT_EQ(editor->inputMethodQuery(Qt::ImCurrentSelection).toString(),
              QString::fromUtf8("本語"));
    EXPECT_EQ(editor->inputMethodQuery(Qt::ImAnchorPosition).toInt(), 1);
    EXPECT_EQ(editor->inputMethodQuery(Qt::ImCursorPosition).toInt(), 3);
}

} // namespace
} // namespace kes
