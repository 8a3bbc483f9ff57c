#pragma once

#include "toolkit/core/TObject.h"

#include <cstdint>
#include <string>

namespace kes {

enum TREToken : std::uint8_t {
    retk_Char,
    retk_CharRange,
    retk_Union,
    retk_LPar,
    retk_RPar,
    retk_Star,
    retk_Plus,
    retk_QMark,
    retk_LBra,
    retk_LBraNeg,
    retk_RBra,
    retk_Dot,
    retk_LHead,
    retk_LTail,
    retk_End,
};

// Splits a pattern of code page 932 bytes into tokens. Characters are 16-bit codes: a one-byte
// character is its byte, a two-byte character lead * 256 + trail, the end of the pattern 0.
// Between a '[' and its ']' the scanner reads bracket members (characters and ranges) instead
// of operators.
class TREScanner : public TObject {
public:
    TREScanner() = default;
    explicit TREScanner(const std::string& text) { SetText(text); }

    const std::string& Text() const { return text_; }
    // A new text starts again at its first byte; the bracket mode is kept.
    void SetText(const std::string& text);

    // 1-based index of the next byte to read.
    int Position() const { return position_; }
    TREToken Token() const { return token_; }
    std::uint16_t Symbol() const { return symbol_; }
    std::uint16_t RangeHigh() const { return rangeHigh_; }
    bool InBracket() const { return inBracket_; }

    TREToken GetToken();
    // Forgets an unfinished bracket expression, for reuse after a failed pattern.
    void LeaveBracket() { inBracket_ = false; }

protected:
    virtual TREToken GetTokenStd();
    virtual TREToken GetTokenInBracket();

    std::uint16_t GetChar();
    void UnGetChar();
    std::uint16_t GetEscapedChar();
    [[noreturn]] void Error(const char* message) const;

private:
    std::string text_;
    int position_ = 1;
    TREToken token_ = retk_End;
    std::uint16_t symbol_ = 0;
    std::uint16_t rangeHigh_ = 0;
    bool inBracket_ = false;
};

} // namespace kes
