#include "regexp/TREScanner.h"

#include "regexp/ERegExpParser.h"
#include "toolkit/core/Cp932.h"

namespace kes {

void TREScanner::SetText(const std::string& text) {
    text_ = text;
    position_ = 1;
}

void TREScanner::Error(const char* message) const {
    throw ERegExpParser(message, static_cast<std::uint16_t>(position_));
}

// Reads the character at the position. The end of the text and a NUL byte both read as 0 and
// leave the position where it is.
std::uint16_t TREScanner::GetChar() {
    const int size = static_cast<int>(text_.size());
    if (position_ < 1 || position_ > size)
        return 0;
    const auto byte = static_cast<unsigned char>(text_[position_ - 1]);
    if (byte == 0)
        return 0;
    if (IsLeadByte(byte)) {
        if (CharLength(text_, static_cast<std::size_t>(position_ - 1)) == 1)
            Error(RegExpMessage::LoneLeadByte);
        const auto trail = static_cast<unsigned char>(text_[position_]);
        position_ += 2;
        return static_cast<std::uint16_t>(byte << 8 | trail);
    }
    ++position_;
    return byte;
}

// Gives back the character just read.
void TREScanner::UnGetChar() {
    if (position_ < 2)
        return;
    position_ -= IsSecondByte(text_, static_cast<std::size_t>(position_ - 2)) ? 2 : 1;
}

// The character after a backslash, with the backslash already read.
std::uint16_t TREScanner::GetEscapedChar() {
    std::uint16_t c = GetChar();
    switch (c) {
    case 0:
        Error(RegExpMessage::EscapeAtEnd);
    case 'b':
        return 8;
    case 'n':
        return 10;
    case 'r':
        return 13;
    case 't':
        return 9;
    case 'x': {
        unsigned value = 0;
        int digits = 0;
        while (digits < 4) {
            c = GetChar();
            const int digit = HexDigitValue(c);
            if (digit < 0) {
                if (digits == 0)
                    Error(RegExpMessage::BadHex);
                if (c != 0)
                    UnGetChar();
                break;
            }
            value = value * 16 + static_cast<unsigned>(digit);
            ++digits;
        }
        return static_cast<std::uint16_t>(value);
    }
    default:
        break;
    }
    if (c >= '0' && c <= '7') {
        UnGetChar();
        unsigned value = 0;
        for (int digits = 0; digits < 6; ++digits) {
            c = GetChar();
            if (c < '0' || c > '7') {
                if (c != 0)
                    UnGetChar();
                break;
            }
            const unsigned next = value * 8 + (c - '0');
            if (next > 0xFFFF)
                Error(RegExpMessage::BadOctal);
            value = next;
        }
        return static_cast<std::uint16_t>(value);
    }
    return c;
}

TREToken TREScanner::GetTokenStd() {
    const std::uint16_t c = GetChar();
    symbol_ = c;
    switch (c) {
    case 0:
        return retk_End;
    case '$':
        return retk_LTail;
    case '(':
        return retk_LPar;
    case ')':
        return retk_RPar;
    case '*':
        return retk_Star;
    case '+':
        return retk_Plus;
    case '.':
        return retk_Dot;
    case '?':
        return retk_QMark;
    case ']':
        return retk_RBra;
    case '^':
        return retk_LHead;
    case '|':
        return retk_Union;
    case '[': {
        const std::uint16_t next = GetChar();
        if (next == 0)
            Error(RegExpMessage::NeedRightBracket);
        if (next == '^')
            return retk_LBraNeg;
        UnGetChar();
        return retk_LBra;
    }
    case '\\':
        symbol_ = GetEscapedChar();
        return retk_Char;
    default:
        return retk_Char;
    }
}

TREToken TREScanner::GetTokenInBracket() {
    std::uint16_t a = GetChar();
    if (a == 0)
        Error(RegExpMessage::NeedRightBracket);
    if (a == ']') {
        symbol_ = a;
        return retk_RBra;
    }
    if (a == '\\')
        a = GetEscapedChar();
    const std::uint16_t b = GetChar();
    if (b == '-') {
        std::uint16_t c = GetChar();
        if (c == 0)
            Error(RegExpMessage::NeedRightBracket);
        if (c == ']') {
            // "a-]": the '-' is a member of its own and the ']' closes the brackets.
            UnGetChar();
            UnGetChar();
            symbol_ = a;
            return retk_Char;
        }
        if (c == '\\')
            c = GetEscapedChar();
        if (c < a)
            Error(RegExpMessage::BadRange);
        symbol_ = a;
        rangeHigh_ = c;
        return retk_CharRange;
    }
    if (b == 0)
        Error(RegExpMessage::NeedRightBracket);
    UnGetChar();
    symbol_ = a;
    return retk_Char;
}

TREToken TREScanner::GetToken() {
    if (inBracket_) {
        token_ = GetTokenInBracket();
        if (token_ == retk_RBra)
            inBracket_ = false;
    } else {
        token_ = GetTokenStd();
        if (token_ == retk_LBra || token_ == retk_LBraNeg)
            inBracket_ = true;
    }
    return token_;
}

} // namespace kes
