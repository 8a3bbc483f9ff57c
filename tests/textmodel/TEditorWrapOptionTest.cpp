#include "textmodel/TEditorWrapOption.h"

#include <gtest/gtest.h>

namespace kes {
namespace {

struct Counter : TObject {
    int calls = 0;
    void Handle(TObject*) { ++calls; }
};

TEST(TEditorWrapOption, DefaultsAreThoseOfAPlainEditor) {
    TEditorWrapOption option;
    EXPECT_FALSE(option.FollowRetMark());
    EXPECT_FALSE(option.FollowPunctuation());
    EXPECT_FALSE(option.Leading());
    EXPECT_FALSE(option.WordBreak());
    EXPECT_EQ(option.WrapByte(), 80);
    // 、 opens the closing marks, ｡｣､･ｰﾞﾟ (single bytes) end them.
    EXPECT_EQ(option.FollowStr().substr(0, 2), "\x81\x41");
    EXPECT_EQ(option.FollowStr().substr(option.FollowStr().size() - 7),
              "\xA1\xA3\xA4\xA5\xB0\xDE\xDF");
    EXPECT_EQ(option.FollowStr().size(), 56u);
    EXPECT_EQ(option.LeadStr(), "\x81\x69\x81\x6D\x81\x6F\x81\x75\x81\x77([{\xA2");
    EXPECT_EQ(option.PunctuationStr(), "\x81\x41\x81\x42\x81\x43\x81\x44,.\xA1\xA4");
}

TEST(TEditorWrapOption, WrapByteIsClampedAndOnlyChangesNotify) {
    TEditorWrapOption option;
    Counter counter;
    option.OnChange = MethodOf<&Counter::Handle>(&counter);
    option.SetWrapByte(5);
    EXPECT_EQ(option.WrapByte(), 20);
    option.SetWrapByte(19);
    EXPECT_EQ(counter.calls, 1) << "19 clamps to the 20 already stored";
    option.SetWrapByte(1000);
    EXPECT_EQ(option.WrapByte(), 250);
    option.SetLeading(true);
    option.SetLeading(true);
    option.SetFollowStr(option.FollowStr());
    EXPECT_EQ(counter.calls, 3);
}

TEST(TEditorWrapOption, AssignCopiesEverythingAndNotifiesOnce) {
    TEditorWrapOption source;
    source.SetFollowRetMark(true);
    source.SetFollowPunctuation(true);
    source.SetLeading(true);
    source.SetWordBreak(true);
    source.SetWrapByte(33);
    source.SetFollowStr("x");
    source.SetLeadStr("y");
    source.SetPunctuationStr("z");
    TEditorWrapOption target;
    Counter counter;
    target.OnChange = MethodOf<&Counter::Handle>(&counter);
    target.Assign(&source);
    EXPECT_EQ(counter.calls, 1);
    EXPECT_TRUE(target.FollowRetMark() && target.FollowPunctuation() && target.Leading() &&
                target.WordBreak());
    EXPECT_EQ(target.WrapByte(), 33);
    EXPECT_EQ(target.FollowStr() + target.LeadStr() + target.PunctuationStr(), "xyz");
}

} // namespace
} // namespace kes
