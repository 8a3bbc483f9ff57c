#pragma once

#include "support/TNotifyPersistent.h"

#include <string>

namespace kes {

// How the screen rows cut a logical line: the wrap width and the Japanese line-breaking
// (kinsoku) rules. Every change fires OnChange once; the screen rows re-wrap the text on it.
// The three character strings are CP932 text, double-byte and single-byte characters mixed.
class TEditorWrapOption : public TNotifyPersistent {
public:
    static constexpr int MinWrapByte = 20;
    static constexpr int MaxWrapByte = 250;

    TEditorWrapOption();

    void Assign(TPersistent* source) override;

    // The line-break mark may hang after a row that fills the width instead of taking an
    // empty row of its own.
    bool FollowRetMark() const { return followRetMark_; }
    void SetFollowRetMark(bool value);
    // Characters of PunctuationStr may hang past the width (up to WrapByte + 3 columns).
    bool FollowPunctuation() const { return followPunctuation_; }
    void SetFollowPunctuation(bool value);
    // Characters that may not begin a row.
    const std::string& FollowStr() const { return followStr_; }
    void SetFollowStr(const std::string& value);
    // Applies the LeadStr and FollowStr rules.
    bool Leading() const { return leading_; }
    void SetLeading(bool value);
    // Characters that may not end a row.
    const std::string& LeadStr() const { return leadStr_; }
    void SetLeadStr(const std::string& value);
    // Characters allowed to hang.
    const std::string& PunctuationStr() const { return punctuationStr_; }
    void SetPunctuationStr(const std::string& value);
    // Cuts rows between single-byte words.
    bool WordBreak() const { return wordBreak_; }
    void SetWordBreak(bool value);
    // The wrap width in display columns, kept within 20..250.
    int WrapByte() const { return wrapByte_; }
    void SetWrapByte(int value);

    static const std::string& DefaultFollowStr();
    static const std::string& DefaultLeadStr();
    static const std::string& DefaultPunctuationStr();

private:
    bool followRetMark_ = false;
    bool followPunctuation_ = false;
    std::string followStr_;
    bool leading_ = false;
    std::string leadStr_;
    std::string punctuationStr_;
    bool wordBreak_ = false;
    int wrapByte_ = 80;
};

} // namespace kes
