#include "app/TFindBar.h"
#include "app/TFindSettings.h"
#include "app/TKestrelpadMainForm.h"
#include "app/TMemIniFileEx.h"
#include "app/TStatusPanels.h"
#include "app/TTextFinder.h"
#include "editorex/TEditorExBase.h"
#include "editorex/TEditorExMarks.h"
#include "tests/app/MainFormTestSupport.h"
#include "textmodel/TEditorStrings.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

namespace kes {
namespace {

using test::Cp932;
using test::MainFormFixture;
using Span = std::pair<int, int>; // character offset and length

TFindQuery Options(bool matchCase, bool wholeWord, bool regexp, bool fuzzy, bool width,
                   bool blanks) {
    TFindQuery q;
    q.MatchCase = matchCase;
    q.WholeWord = wholeWord;
    q.Regexp = regexp;
    q.Fuzzy = fuzzy;
    q.IgnoreWidth = width;
    q.IgnoreBlanks = blanks;
    return q;
}

// Every match the find marks show, as spans of the whole text, from the rows' match lists.
std::set<Span> Marked(TEditorExBase& e) {
    std::set<Span> spans;
    for (int row = 0; row < e.ListCount(); ++row) {
        const int first = e.WordWrap() ? e.FirstRowOfLine(row) : row;
        e.FindInRow(row);
        for (const TSearchInfo& m : e.SearchList())
            spans.insert({e.RowsLength(0, first) + m.position - 1, m.length});
    }
    return spans;
}

// A key as the desktop delivers it: to the focus widget, which must be the one expected (a
// line edit inside a combo box hands its focus to the box).
void Type(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* focus = QApplication::focusWidget();
    ASSERT_TRUE(focus == widget || widget->focusProxy() == focus)
        << (focus ? focus->metaObject()->className() : "no focus");
    QTest::keyClick(focus, key, modifiers);
}

TEST(TKestrelpadMainFormFind, FindsBothWaysWithWrapAroundAndMarksExactlyWhatItFinds) {
    MainFormFixture fixture;
    TKestrelpadMainForm& form = fixture.Start();
    TEditorExBase& e = *form.Editor();
    const struct {
        const char* name;
        const char* text;
        const char* pattern;
        TFindQuery options;
        bool wrap;
        std::vector<Span> down; // from the text's start, until it comes round again
    } cases[] = {
        {"plain",
         "cat concat Cat",
         "cat",
         Options(false, false, false, false, false, false),
         false,
         {{0, 3}, {7, 3}, {11, 3}}},
        {"match case",
         "cat concat Cat",
         "cat",
         Options(true, false, false, false, false, false),
         false,
         {{0, 3}, {7, 3}}},
        {"whole word",
         "cat concat cat-x cat_x",
         "cat",
         Options(false, true, false, false, false, false),
         false,
         {{0, 3}, {11, 3}, {17, 3}}},
        {"width",
         "ＡＢＣ abc ｶﾞｲﾄﾞ ガイド",
         "ガイド",
         Options(false, false, false, false, true, false),
         false,
         {{11, 5}, {17, 6}}},
        {"width, letters",
         "ＡＢＣ abc",
         "abc",
         Options(false, false, false, false, true, false),
         false,
         {{0, 6}, {7, 3}}},
        // A match over a line break is marked on both of its rows.
        {"line breaks and spaces",
         "xa\r\nb a b\r\nab",
         "ab",
         Options(false, false, false, false, false, true),
         false,
         {{1, 4}, {6, 3}, {11, 2}}},
        {"regular expression",
         "a1 b22\r\nc333",
         "[0-9]+$",
         Options(false, false, true, false, false, false),
         false,
         {{4, 2}, {9, 3}}},
        {"fuzzy",
         "が ガ か゛ ｶﾞ か",
         "ｶﾞ",
         Options(false, false, true, true, false, false),
         false,
         {{0, 2}, {3, 2}, {6, 4}, {11, 2}}},
        // Word wrap: a regular-expression match on two rows of one line.
        {"wrapped line",
         "0123456789abcdef 0123456789abcdef",
         "9abcdef 01",
         Options(false, false, true, false, false, false),
         true,
         {{9, 10}}},
    };
    form.OpenFindBar(false);
    TFindBar& bar = *form.FindBar();
    QLineEdit* findText = bar.PatternBox()->lineEdit();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        e.WrapOption()->SetWrapByte(c.wrap ? 12 : 80);
        e.SetWordWrap(c.wrap);
        e.Lines()->SetTextStr(Cp932(c.text));
        e.SetRowCol(0, 0);
        bar.SetOptions(c.options);
        bar.SetPattern(QString::fromUtf8(c.pattern));
        ASSERT_TRUE(findText->hasFocus());
        EXPECT_EQ(Marked(e), std::set<Span>(c.down.begin(), c.down.end()));
        std::vector<Span> found;
        for (size_t i = 0; i < c.down.size(); ++i) {
            Type(findText, Qt::Key_Return);
            found.push_back({e.SelStart(), e.SelLength()});
        }
        EXPECT_EQ(found, c.down);
        EXPECT_EQ(form.StatusBar()->Text(0), QString());
        // Round again from the end, with the message; then back up, round the start.
        Type(findText, Qt::Key_Return);
        EXPECT_EQ(Span(e.SelStart(), e.SelLength()), c.down.front());
        EXPECT_TRUE(form.StatusBar()->Text(0).contains(QString::fromUtf8("先頭から")));
        Type(findText, Qt::Key_Return, Qt::ShiftModifier);
        EXPECT_EQ(Span(e.SelStart(), e.SelLength()), c.down.back());
        EXPECT_TRUE(form.StatusBar()->Text(0).contains(QString::fromUtf8("末尾から")));
        if (c.down.size() > 1) {
            Type(findText, Qt::Key_Return, Qt::ShiftModifier);
            EXPECT_EQ(Span(e.SelStart(), e.SelLength()), c.down[c.down.size() - 2]);
        }
    }
    // Nothing found: the selection stays and the panel says so.
    e.SetWordWrap(false);
    bar.SetOptions(Options(false, false, false, false, false, false));
    bar.SetPattern(QStringLiteral("zzz"));
    const Span before(e.SelStart(), e.SelLength());
    Type(findText, Qt::Key_Return);
    EXPECT_EQ(Span(e.SelStart(), e.SelLength()), before);
    EXPECT_EQ(form.StatusBar()->Text(0), QString::fromUtf8("「zzz」は見つかりませんでした。"));
    EXPECT_TRUE(fixture.errors.isEmpty());
}

TEST(TKestrelpadMainFormFind, AFaultyPatternIsReportedInTheBarAndMarksNothing) {
    MainFormFixture fixture;
    TKestrelpadMainForm& form = fixture.Start();
    TEditorExBase& e = *form.Editor();
    e.Lines()->SetTextStr("ab (ab\r\nab");
    form.OpenFindBar(false);
    TFindBar& bar = *form.FindBar();
    bar.SetOptions(Options(false, false, true, false, false, false));
    bar.SetPattern(QStringLiteral("(ab"));
    EXPECT_TRUE(bar.Message().startsWith(QString::fromUtf8("右(閉じ)括弧が必要です（")))
        << bar.Message().toStdString();
    EXPECT_TRUE(bar.CountText().isEmpty());
    // The position is the typed pattern's, also when fuzzy matching rewrites it.
    const QString message = bar.Message();
    bar.SetOptions(Options(false, false, true, true, false, false));
    EXPECT_EQ(bar.Message(), message);
    e.grab(); // paints with the faulty pattern
    for (int row = 0; row < e.ListCount(); ++row)
        EXPECT_THROW(e.FindInRow(row), std::exception);
    Type(bar.PatternBox()->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(e.SelLength(), 0);
    // Mended, the message goes and the marks come.
    bar.SetPattern(QStringLiteral("\\(ab"));
    EXPECT_TRUE(bar.Message().isEmpty());
    EXPECT_EQ(Marked(e), (std::set<Span>{{3, 3}}));
    EXPECT_TRUE(fixture.errors.isEmpty());
}

TEST(TKestrelpadMainFormFind, ReplacesOneMatchOrAllInOneUndoStep) {
    MainFormFixture fixture;
    TKestrelpadMainForm& form = fixture.Start();
    TEditorExBase& e = *form.Editor();
    e.Lines()->SetTextStr(Cp932("猫 cat\r\ncat 猫cat"));
    QTest::keyClick(&e, Qt::Key_H, Qt::ControlModifier);
    TFindBar& bar = *form.FindBar();
    ASSERT_TRUE(bar.isVisible());
    ASSERT_TRUE(bar.ReplaceRowVisible());
    ASSERT_TRUE(bar.ReplacementEdit()->hasFocus());
    bar.SetOptions(Options(false, false, false, false, false, false));
    bar.SetPattern(QStringLiteral("cat"));
    bar.ReplacementEdit()->setText(QString::fromUtf8("ねこ"));
    // The first press only finds; each further one replaces the match it found and finds on.
    Type(bar.ReplacementEdit(), Qt::Key_Return);
    EXPECT_EQ(e.Lines()->GetTextStr(), Cp932("猫 cat\r\ncat 猫cat"));
    Type(bar.ReplacementEdit(), Qt::Key_Return);
    EXPECT_EQ(e.Lines()->GetTextStr(), Cp932("猫 ねこ\r\ncat 猫cat"));
    EXPECT_EQ(e.SelText(), "cat");
    // A selection that is not the last match is not replaced.
    e.SetSelStart(0);
    e.SetSelLength(2);
    Type(bar.ReplacementEdit(), Qt::Key_Return);
    EXPECT_EQ(e.Lines()->GetTextStr(), Cp932("猫 ねこ\r\ncat 猫cat"));

    // All at once, one undo step.
    bar.SetPattern(QString::fromUtf8("猫"));
    bar.ReplacementEdit()->setText(QStringLiteral("[\\0]"));
    form.ReplaceAllExecute();
    EXPECT_EQ(e.Lines()->GetTextStr(), Cp932("[\\0] ねこ\r\ncat [\\0]cat"));
    EXPECT_EQ(form.StatusBar()->Text(0), QString::fromUtf8("2 件置換しました。"));
    e.Undo();
    EXPECT_EQ(e.Lines()->GetTextStr(), Cp932("猫 ねこ\r\ncat 猫cat"));

    // Matches over the rows of wrapped lines are placed by their offsets in the whole text.
    e.WrapOption()->SetWrapByte(12);
    e.SetWordWrap(true);
    e.Lines()->SetTextStr("0123456789abcdef\r\n0123456789abcdef 0123456789abcdef");
    bar.SetPattern(QStringLiteral("9abcdef"));
    bar.ReplacementEdit()->setText(QStringLiteral("-"));
    form.ReplaceAllExecute();
    EXPECT_EQ(e.Lines()->GetTextStr(), "012345678-\r\n012345678- 012345678-");
    e.Undo();
    EXPECT_EQ(e.Lines()->GetTextStr(), "0123456789abcdef\r\n0123456789abcdef 0123456789abcdef");
    e.SetWordWrap(false);

    // A regular expression's replacement is literal text; a fuzzy one finds every spelling.
    bar.SetOptions(Options(false, false, true, true, false, false));
    bar.SetPattern(QString::fromUtf8("ｷｬｯﾄ|c(a)t"));
    e.Lines()->SetTextStr(Cp932("キャット cat きゃっと"));
    bar.ReplacementEdit()->setText(QStringLiteral("$1"));
    form.ReplaceAllExecute();
    EXPECT_EQ(e.Lines()->GetTextStr(), "$1 $1 $1");
    e.Undo();
    EXPECT_EQ(e.Lines()->GetTextStr(), Cp932("キャット cat きゃっと"));
}

TEST(TKestrelpadMainFormFind, KeysOpenFindAndCloseTheBarAndKeepTheCaretOnTheHit) {
    MainFormFixture fixture;
    TKestrelpadMainForm& form = fixture.Start();
    TEditorExBase& e = *form.Editor();
    e.Lines()->SetTextStr("one two\r\ntwo three\r\ntwo");
    // No two commands share a key.
    std::set<QString> keys;
    for (QAction* action : form.Actions().All())
        for (const QKeySequence& key : action->shortcuts())
            EXPECT_TRUE(keys.insert(key.toString()).second) << key.toString().toStdString();

    // Ctrl+F takes the first line of the selection.
    e.SetSelStart(4);
    e.SetSelLength(6);
    QTest::keyClick(&e, Qt::Key_F, Qt::ControlModifier);
    TFindBar& bar = *form.FindBar();
    ASSERT_TRUE(bar.isVisible());
    EXPECT_FALSE(bar.ReplaceRowVisible());
    EXPECT_EQ(bar.PatternBox()->currentText(), QStringLiteral("two"));
    QLineEdit* findText = bar.PatternBox()->lineEdit();
    EXPECT_TRUE(findText->hasFocus());
    EXPECT_TRUE(e.ExMarks()->FindMark()->Visible());
    Type(findText, Qt::Key_Return);
    EXPECT_EQ(e.SelStart(), 20);
    // The caret panel follows while the focus stays in the bar.
    EXPECT_EQ(form.StatusBar()->Text(2), QString::fromUtf8("  3/  3行 4桁"));
    Type(findText, Qt::Key_Escape);
    EXPECT_FALSE(bar.isVisible());
    EXPECT_FALSE(e.ExMarks()->FindMark()->Visible());
    EXPECT_TRUE(e.hasFocus());
    EXPECT_EQ(e.SelStart(), 20);
    EXPECT_EQ(e.SelText(), "two");
    // From the editor with the bar closed: Ctrl+G and Ctrl+Shift+G.
    QTest::keyClick(&e, Qt::Key_G, Qt::ControlModifier);
    EXPECT_EQ(e.SelStart(), 4);
    QTest::keyClick(&e, Qt::Key_G, Qt::ControlModifier);
    EXPECT_EQ(e.SelStart(), 9);
    QTest::keyClick(&e, Qt::Key_G, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(e.SelStart(), 4);
    EXPECT_FALSE(bar.isVisible());
}

TEST(TKestrelpadMainFormFind, CountsTheMatchesOfTheWholeTextAndCountsAgainAfterAnEdit) {
    MainFormFixture fixture;
    TKestrelpadMainForm& form = fixture.Start();
    TEditorExBase& e = *form.Editor();
    std::string text;
    for (int i = 0; i < 2000; ++i)
        text += "ab abc\r\n";
    e.Lines()->SetTextStr(text);
    form.OpenFindBar(false);
    TFindBar& bar = *form.FindBar();
    const auto countText = [&bar] {
        for (int i = 0; i < 200 && bar.CountText() == QString::fromUtf8("数えています…"); ++i)
            test::RunEventLoop(10);
        return bar.CountText();
    };
    bar.SetPattern(QStringLiteral("abc"));
    EXPECT_EQ(countText(), QString::fromUtf8("2000 件"));
    bar.SetOptions(Options(false, false, true, false, false, false));
    bar.SetPattern(QStringLiteral("ab(c|$)"));
    EXPECT_EQ(countText(), QString::fromUtf8("2000 件"));
    e.SetRowCol(0, 0);
    e.InsertTypedText("abc");
    EXPECT_EQ(countText(), QString::fromUtf8("2001 件"));
}

TEST(TKestrelpadMainFormFind, KeepsOptionsAndTheLastFindStringsInASectionOfTheirOwn) {
    MainFormFixture fixture;
    fixture.WriteSettings("[Editor]\r\nQuoteString=>>\r\n");
    TKestrelpadMainForm& form = fixture.Start();
    form.Editor()->Lines()->SetTextStr("x");
    form.OpenFindBar(false);
    TFindBar& bar = *form.FindBar();
    bar.SetOptions(Options(true, false, true, true, false, true));
    // Strings the file's loading rules would trim, drop or split, and code page 932 text
    // whose trail bytes look like "\\" and "[".
    const std::vector<std::string> strings = {
        Cp932("表示ソ"), "  padded  ", ";comment", "[section]", "a = b", "%41", "x"};
    for (const std::string& s : strings) {
        bar.SetPattern(Cp932ToQString(s));
        form.FindExecute(true);
    }
    for (int i = 0; i < 5; ++i) {
        bar.SetPattern(QString::number(i));
        form.FindExecute(true);
    }
    TKestrelpadMainForm& again = fixture.Start();
    std::vector<std::string> expected = {"4", "3",   "2",     "1",         "0",
                                         "x", "%41", "a = b", "[section]", ";comment"};
    EXPECT_EQ(again.FindSettings().History, expected);
    EXPECT_EQ(again.FindBar()->PatternBox()->count(), 10);
    const TFindQuery o = again.FindBar()->Options();
    EXPECT_TRUE(o.MatchCase && o.Regexp && o.Fuzzy && o.IgnoreBlanks);
    EXPECT_FALSE(o.WholeWord || o.IgnoreWidth);
    EXPECT_EQ(again.Settings().QuoteString, ">>");

    // The oldest strings have gone; the escaped ones survive the file's rules.
    for (const std::string& s : {strings[0], strings[1], std::string(" "), std::string("%"),
                                 std::string("%4"), Cp932("[表]=")})
        EXPECT_EQ(UnescapeIniValue(EscapeIniValue(s)), s) << s;
    EXPECT_EQ(EscapeIniValue("  a;b  "), "%20%20a%3Bb%20%20");
}

} // namespace
} // namespace kes
