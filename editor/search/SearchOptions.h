#pragma once

#include <cstdint>
#include <initializer_list>

namespace kes {

// The options of the plain-text search. Their bit positions are part of the interface: callers
// store the set as a 16-bit number, and bits 4 to 6 belong to nobody here.
enum class TSearchOption : std::uint8_t {
    SearchDown = 0,       // towards the end of the text; without it, towards the start
    MatchCase = 1,        // without it, both sides are compared ignoring case
    WholeWord = 2,        // the match starts a word and is followed by a delimiter
    IgnoreWidth = 3,      // half-width and full-width forms are equal
    IgnoreLineBreaks = 7, // CR and LF in the text may sit between pattern characters
    IgnoreSpaces = 8,     // tabs, spaces and full-width spaces likewise
};

class TSearchOptions {
public:
    constexpr TSearchOptions() = default;
    constexpr TSearchOptions(std::initializer_list<TSearchOption> options) {
        for (TSearchOption option : options)
            Include(option);
    }
    static constexpr TSearchOptions FromBits(std::uint16_t bits) {
        TSearchOptions options;
        options.bits_ = bits;
        return options;
    }

    constexpr std::uint16_t Bits() const { return bits_; }
    constexpr bool Contains(TSearchOption option) const { return (bits_ & Mask(option)) != 0; }
    constexpr void Include(TSearchOption option) { bits_ |= Mask(option); }
    constexpr void Exclude(TSearchOption option) {
        bits_ &= static_cast<std::uint16_t>(~Mask(option));
    }

    friend constexpr bool operator==(TSearchOptions, TSearchOptions) = default;

private:
    static constexpr std::uint16_t Mask(TSearchOption option) {
        return static_cast<std::uint16_t>(1u << static_cast<unsigned>(option));
    }

    std::uint16_t bits_ = 0;
};

} // namespace kes
