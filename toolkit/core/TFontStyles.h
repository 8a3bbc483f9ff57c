#pragma once

#include <cstdint>

namespace kes {

enum TFontStyle : uint8_t { fsBold, fsItalic, fsUnderline, fsStrikeOut };

// A set of font styles.
class TFontStyles {
public:
    constexpr TFontStyles() = default;
    constexpr TFontStyles(TFontStyle style) : bits_(static_cast<uint8_t>(1u << style)) {}

    constexpr bool Contains(TFontStyle style) const { return (bits_ >> style) & 1u; }
    constexpr bool Empty() const { return bits_ == 0; }
    constexpr uint8_t Bits() const { return bits_; }
    static constexpr TFontStyles FromBits(uint8_t bits) {
        TFontStyles styles;
        styles.bits_ = bits & 0x0F;
        return styles;
    }

    constexpr TFontStyles operator+(TFontStyles other) const {
        return FromBits(bits_ | other.bits_);
    }
    constexpr TFontStyles operator-(TFontStyles other) const {
        return FromBits(bits_ & static_cast<uint8_t>(~other.bits_));
    }
    friend constexpr bool operator==(TFontStyles, TFontStyles) = default;

private:
    uint8_t bits_ = 0;
};

} // namespace kes
