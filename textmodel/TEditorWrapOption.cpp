#include "textmodel/TEditorWrapOption.h"

#include <algorithm>

namespace kes {

namespace {

template <class T> void Store(TEditorWrapOption& option, T& field, const T& value) {
    if (field == value)
        return;
    field = value;
    option.Changed();
}

} // namespace

// 、。，．・？！゛゜ヽヾゝゞ々ー）］｝」』 then !),.:;?]} and the half-width ｡｣､･ｰﾞﾟ
const std::string& TEditorWrapOption::DefaultFollowStr() {
    static const std::string s = "\x81\x41\x81\x42\x81\x43\x81\x44\x81\x45\x81\x48\x81\x49"
                                 "\x81\x4A\x81\x4B\x81\x52\x81\x53\x81\x54\x81\x55\x81\x58"
                                 "\x81\x5B\x81\x6A\x81\x6E\x81\x70\x81\x76\x81\x78"
                                 "!),.:;?]}"
                                 "\xA1\xA3\xA4\xA5\xB0\xDE\xDF";
    return s;
}

// （［｛「『 then ([{ and the half-width ｢
const std::string& TEditorWrapOption::DefaultLeadStr() {
    static const std::string s = "\x81\x69\x81\x6D\x81\x6F\x81\x75\x81\x77"
                                 "([{"
                                 "\xA2";
    return s;
}

// 、。，． then ,. and the half-width ｡､
const std::string& TEditorWrapOption::DefaultPunctuationStr() {
    static const std::string s = "\x81\x41\x81\x42\x81\x43\x81\x44"
                                 ",."
                                 "\xA1\xA4";
    return s;
}

TEditorWrapOption::TEditorWrapOption()
    : followStr_(DefaultFollowStr()), leadStr_(DefaultLeadStr()),
      punctuationStr_(DefaultPunctuationStr()) {}

void TEditorWrapOption::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TEditorWrapOption*>(source);
    if (!other) {
        TNotifyPersistent::Assign(source);
        return;
    }
    BeginUpdate();
    followRetMark_ = other->followRetMark_;
    followPunctuation_ = other->followPunctuation_;
    followStr_ = other->followStr_;
    leading_ = other->leading_;
    leadStr_ = other->leadStr_;
    punctuationStr_ = other->punctuationStr_;
    wordBreak_ = other->wordBreak_;
    wrapByte_ = other->wrapByte_;
    EndUpdate();
}

void TEditorWrapOption::SetFollowRetMark(bool value) {
    Store(*this, followRetMark_, value);
}
void TEditorWrapOption::SetFollowPunctuation(bool value) {
    Store(*this, followPunctuation_, value);
}
void TEditorWrapOption::SetFollowStr(const std::string& value) {
    Store(*this, followStr_, value);
}
void TEditorWrapOption::SetLeading(bool value) {
    Store(*this, leading_, value);
}
void TEditorWrapOption::SetLeadStr(const std::string& value) {
    Store(*this, leadStr_, value);
}
void TEditorWrapOption::SetPunctuationStr(const std::string& value) {
    Store(*this, punctuationStr_, value);
}
void TEditorWrapOption::SetWordBreak(bool value) {
    Store(*this, wordBreak_, value);
}

void TEditorWrapOption::SetWrapByte(int value) {
    Store(*this, wrapByte_, std::clamp(value, MinWrapByte, MaxWrapByte));
}

} // namespace kes
