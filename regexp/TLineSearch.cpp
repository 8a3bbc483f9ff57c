#include "regexp/TLineSearch.h"

#include "regexp/ERegExpParser.h"
#include "toolkit/core/Cp932.h"

#include <cstring>

namespace kes {

TLineSearch::TLineSearch() : matcher_(std::make_unique<TAWKStrEx>(nullptr)) {}

TLineSearch::~TLineSearch() = default;

bool TLineSearch::SetExSearchOptions(TExSearchOptions value) {
    if (value == options_)
        return false;
    TExSearchOptions stored = value & soMatchCase;
    if (value & soRegexp) {
        stored |= soRegexp | (value & soFuzzy);
        try {
            matcher_->SetUseFuzzyCharDic((value & soFuzzy) != 0);
        } catch (const ERegExpParser&) {
            // The pattern is set again, and its fault reported, by the next search.
        }
    } else {
        stored |= value & soWholeWord;
    }
    options_ = stored;
    return true;
}

int TLineSearch::FindInLine(const std::string& line, bool lineBreakFollows,
                            std::vector<TSearchInfo>& list) {
    list.clear();
    const bool matchCase = (options_ & soMatchCase) != 0;
    const std::string pattern = matchCase ? findString_ : Cp932LowerCase(findString_);
    std::string text = matchCase ? line : Cp932LowerCase(line);
    if (options_ & soRegexp) {
        // The compiled pattern stays current from the previous line unless it changed; a
        // failed pattern leaves RegExp empty, so it is tried again.
        if (pattern != matcher_->RegExp())
            matcher_->SetRegExp(pattern);
        if (lineBreakFollows)
            text += "\r\n";
        return matcher_->FindAll(line, text, list);
    }
    if (pattern.empty())
        return 0;
    const char* const begin = text.data();
    const char* const end = begin + text.size();
    const char* base = begin; // a character start at or before every position searched
    const char* from = begin;
    while (from < end) {
        const void* hit =
            memmem(from, static_cast<std::size_t>(end - from), pattern.data(), pattern.size());
        if (hit == nullptr)
            break;
        const char* p = static_cast<const char*>(hit);
        if (IsSecondByte(std::string_view(base, static_cast<std::size_t>(p - base) + 1),
                         static_cast<std::size_t>(p - base))) {
            base = from = p + 1; // p is a trail byte; the next byte starts a character
            continue;
        }
        const int position = static_cast<int>(p - begin) + 1;
        const int length = static_cast<int>(pattern.size());
        if (!(options_ & soWholeWord) || IsWholeWord(text, position, length))
            list.push_back({position, length,
                            line.substr(static_cast<std::size_t>(position - 1), pattern.size())});
        base = from = p + pattern.size();
    }
    return static_cast<int>(list.size());
}

bool TLineSearch::IsWholeWord(const std::string& text, int position, int length) const {
    if (position < 0 || position > static_cast<int>(text.size()))
        return false;
    const char b = CharClass(text, position);
    const char c = CharClass(text, position + length - 1);
    const char d = CharClass(text, position - 1);
    const char e = CharClass(text, position + length);
    return b != d && c != e;
}

char TLineSearch::CharClass(const std::string& text, int position) const {
    if (position < 1 || position > static_cast<int>(text.size()))
        return '0';
    std::size_t i = static_cast<std::size_t>(position - 1);
    if (IsSecondByte(text, i))
        --i;
    const auto byte = static_cast<unsigned char>(text[i]);
    if (CharLength(text, i) == 2) {
        const unsigned code = byte << 8 | static_cast<unsigned char>(text[i + 1]);
        if (code >= 0x8140 && code <= 0x81A4 && !(code >= 0x8152 && code <= 0x8159))
            return '0';
        if (code >= 0x824F && code <= 0x829A)
            return '3';
        if (code >= 0x8340 && code <= 0x8396)
            return '4';
        if (code >= 0x829F && code <= 0x82F1)
            return '5';
        return code < 0x889F ? '0' : '6';
    }
    if (byte == 0 || byte == '\t' || byte == '\n' || byte == '\r' || byte == ' ')
        return '0';
    if (byte < 0x80) {
        const bool punctuation = (byte >= 0x21 && byte <= 0x2F) || (byte >= 0x3A && byte <= 0x40) ||
                                 (byte >= 0x5B && byte <= 0x60) || (byte >= 0x7B && byte <= 0x7E);
        return punctuation && byte != '-' ? '0' : '1';
    }
    if (byte == 0xA1 || byte == 0xA4 || byte == 0xA5)
        return '0';
    if (byte >= 0xA1 && byte <= 0xDF)
        return '2';
    return '0';
}

} // namespace kes
