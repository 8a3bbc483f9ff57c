#pragma once

#include "toolkit/core/Exception.h"

#include <cstdint>
#include <string>

namespace kes {

// A pattern could not be compiled. ErrorPos is the scanner position (1-based index of the next
// unread pattern byte) when the fault was found; the find box uses it to point at the fault.
class ERegExpParser : public Exception {
public:
    ERegExpParser(std::string message, std::uint16_t errorPos)
        : Exception(std::move(message)), errorPos_(errorPos) {}
    std::uint16_t ErrorPos() const { return errorPos_; }

private:
    std::uint16_t errorPos_;
};

// The texts the user sees for pattern faults.
namespace RegExpMessage {
inline constexpr const char* LoneLeadByte = "不正な２バイト文字コードです。";
inline constexpr const char* EscapeAtEnd = "\"\\\"の次には文字が必要です。";
inline constexpr const char* BadHex = "不正な１６進数コード表記です。";
inline constexpr const char* BadOctal = "不正な８進数コード表記です。";
inline constexpr const char* NeedRightBracket = "右ブラケット\"]\"が必要です";
inline constexpr const char* BadRange = "不正なキャラクタ範囲です";
inline constexpr const char* EmptyClass = "不正なキャラクタクラス指定です。";
inline constexpr const char* NeedRightParen = "右(閉じ)括弧が必要です";
inline constexpr const char* NeedCharOrParen = "普通の文字、または左括弧\"(\"が必要です";
inline constexpr const char* ExtraTokens = "正規表現に余分な文字があります";
// Not one of the classic pattern errors: raised when a pattern would need more automaton
// states or memory than the engine allows, or nests groups too deeply to parse safely.
inline constexpr const char* TooComplex = "正規表現が複雑すぎるため処理できません。";
inline constexpr const char* TooDeep = "正規表現の括弧の入れ子が深すぎます。";
} // namespace RegExpMessage

} // namespace kes
