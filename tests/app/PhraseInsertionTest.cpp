#include "app/PhraseInsertion.h"
#include "tests/app/IniTestSupport.h"
#include "tests/editor/EditorTestSupport.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace kes {
namespace {

using test::Cp932;

// An editor holding "x" "abc" "x" with "abc" selected, when select is true.
std::unique_ptr<TEditor> EditorWithSelection(bool select) {
    auto editor = test::MakeShownEditor(300, 100, "xabcx");
    if (select) {
        editor->SetSelStart(1);
        editor->SetSelLength(3);
    } else {
        editor->SetSelStart(1);
    }
    return editor;
}

TEST(PhraseInsertion, TheFirstBarOfItsOwnWrapsThePhraseAroundTheSelection) {
    struct Case {
        const char* phrase;
        bool editable;
        bool select;
        const char* text;
    };
    for (const Case& c : {
             Case{"「|」", true, true, "x「abc」x"},
             Case{"「|」", true, false, "x「」abcx"},
             Case{"挨拶", true, true, "x挨拶x"},
             // "－" ends in 0x7C: its second byte is no bar.
             Case{"－A－", true, true, "x－A－x"},
             Case{"－|－", true, true, "x－abc－x"},
             Case{"a|b|c", true, true, "xaabcb|cx"},
             // A picked date text goes in as it is.
             Case{"12|34", false, true, "x12|34x"},
         }) {
        SCOPED_TRACE(c.phrase);
        auto editor = EditorWithSelection(c.select);
        InsertPhrase(*editor, Cp932(c.phrase), c.editable);
        EXPECT_EQ(editor->GetText(), Cp932(c.text));
    }
    EXPECT_EQ(PhraseSelectionMark(Cp932("－－|")), 4u);
    EXPECT_EQ(PhraseSelectionMark(Cp932("－")), std::string_view::npos);
    // A lone lead byte before "|" does not take it in.
    EXPECT_EQ(PhraseSelectionMark("\x81"), std::string_view::npos);
    EXPECT_EQ(PhraseSelectionMark("\x81\x0a|"), 2u);
}

TEST(PhraseInsertion, TheEditorHasTheFocusAfterwardsWithTheCaretInView) {
    auto editor = test::MakeShownEditor(200, 60, test::NumberedLines(200));
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    QApplication::processEvents();
    ASSERT_FALSE(editor->hasFocus());
    editor->SetSelStart(static_cast<int>(editor->GetText().size()));
    editor->SetTopRow(0);
    InsertPhrase(*editor, "end", true);
    QApplication::processEvents();
    EXPECT_TRUE(editor->hasFocus());
    EXPECT_GT(editor->TopRow(), 150);
}

} // namespace
} // namespace kes
