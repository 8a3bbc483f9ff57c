#include "toolkit/core/Exception.h"
#include "toolkit/core/TStringList.h"

#include <gtest/gtest.h>

namespace kes {
namespace {

struct Counter : TObject {
    int changes = 0;
    int changings = 0;
    void Change(TObject*) { ++changes; }
    void Changing(TObject*) { ++changings; }
};

TEST(TStringList, SortedListIgnoresDuplicatesAndAsciiCase) {
    TStringList list;
    list.SetSorted(true);
    list.Add("beta");
    list.Add("Alpha");
    list.Add("ALPHA");
    list.Add("gamma");
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Get(0), "Alpha");
    EXPECT_EQ(list.Get(1), "beta");
    EXPECT_EQ(list.IndexOf("GAMMA"), 2);
    EXPECT_EQ(list.IndexOf("delta"), -1);
}

TEST(TStringList, CaseFoldingNeverTouchesTrailBytes) {
    // 0x83 0x41 is katakana "ア"; 0x83 0x61 is "ダ". Folding the trail byte 'A'/'a' would make
    // two different characters compare equal.
    TStringList list;
    list.SetSorted(true);
    list.Add("\x83\x41");
    list.Add("\x83\x61");
    EXPECT_EQ(list.Count(), 2);
}

TEST(TStringList, UpdateBatchFiresOneChange) {
    TStringList list;
    Counter counter;
    list.OnChange = MethodOf<&Counter::Change>(&counter);
    list.OnChanging = MethodOf<&Counter::Changing>(&counter);
    list.BeginUpdate();
    list.BeginUpdate();
    list.Add("a");
    list.Add("b");
    list.EndUpdate();
    EXPECT_EQ(counter.changes, 0);
    list.EndUpdate();
    EXPECT_EQ(counter.changes, 1);
    EXPECT_EQ(counter.changings, 1);
}

TEST(TStringList, IndexErrorsCarryTheMessageAndChangeNothing) {
    TStringList list;
    list.Add("a");
    try {
        list.Delete(1);
        FAIL() << "Delete(1) on a one-line list must raise";
    } catch (const EStringListError& e) {
        EXPECT_STREQ(e.what(), "リストのインデックスが範囲を超えています");
        EXPECT_EQ(e.Index(), 1);
    }
    EXPECT_THROW(list.Insert(2, "x"), EStringListError);
    EXPECT_THROW(list.Get(-1), EStringListError);
    EXPECT_EQ(list.Count(), 1);
}

TEST(TStrings, TextImportSplitsAtEveryBreakAndExportsCrLf) {
    TStringList list;
    list.SetTextStr("a\r\nb\rc\nd\n\re");
    ASSERT_EQ(list.Count(), 6);
    EXPECT_EQ(list.Get(3), "d");
    EXPECT_EQ(list.Get(4), "");
    EXPECT_EQ(list.GetTextStr(), "a\r\nb\r\nc\r\nd\r\n\r\ne\r\n");
    list.SetTextStr("");
    EXPECT_EQ(list.Count(), 0);
    list.SetTextStr("x\r\n");
    EXPECT_EQ(list.Count(), 1);
}

TEST(TStrings, CommaTextRoundTrip) {
    TStringList list;
    list.SetCommaText("a, \"b c\",\"d\"\"e\",,f");
    ASSERT_EQ(list.Count(), 5);
    EXPECT_EQ(list.Get(1), "b c");
    EXPECT_EQ(list.Get(2), "d\"e");
    EXPECT_EQ(list.Get(3), "");
    TStringList copy;
    copy.SetCommaText(list.CommaText());
    EXPECT_EQ(copy.GetTextStr(), list.GetTextStr());
}

} // namespace
} // namespace kes
