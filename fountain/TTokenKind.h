#pragma once

#include <cstdint>
#include <initializer_list>

namespace kes {

// The kind a fountain parser gives each token. One byte: it is stored in the row list as
// the kind carried over from the row above. Gaps in the numbering are unused values.
enum TTokenKind : uint8_t {
    ttEnd = 0,
    ttSymbol = 1,
    ttInteger = 3,
    ttFloat = 4,
    ttBracket = 6,
    ttComment = 7,
    ttReserve = 8,
    ttTab = 9,
    ttAnk = 11,
    ttWideSymbol = 12,
    ttWideDigit = 14,
    ttWideLatin = 15,
    ttHiragana = 16,
    ttKatakana = 17,
    ttKanji = 18,
    ttHalfKanaSymbol = 19,
    ttHalfKana = 20,
    ttUrl = 21,
    ttMail = 22,
    ttHex = 23,
    ttSingleQuoted = 24,
    ttDoubleQuoted = 25,
    ttQuoted = 26,
    ttControlCode = 27,
    ttControlCodeHex = 28,
    ttPlatformDependent = 50,
    ttQuoteLevel1 = 51,
    ttQuoteLevel2 = 52,
    ttQuoteLevel3 = 53,
    ttQuoteLevel4 = 54,
};

// A set of token kinds (any byte value).
class TTokenKinds {
public:
    constexpr TTokenKinds() = default;
    constexpr TTokenKinds(std::initializer_list<TTokenKind> kinds) {
        for (TTokenKind kind : kinds)
            bits_[kind >> 6] |= uint64_t{1} << (kind & 63);
    }
    constexpr bool Contains(uint8_t kind) const { return (bits_[kind >> 6] >> (kind & 63)) & 1; }
    constexpr TTokenKinds operator+(TTokenKinds other) const {
        TTokenKinds sum;
        for (int i = 0; i < 4; ++i)
            sum.bits_[i] = bits_[i] | other.bits_[i];
        return sum;
    }
    friend constexpr bool operator==(const TTokenKinds&, const TTokenKinds&) = default;

private:
    uint64_t bits_[4] = {};
};

} // namespace kes
