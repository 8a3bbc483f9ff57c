#include "fountain/CompatibilityForms.h"

#include <algorithm>
#include <iterator>

namespace kes {

namespace {

struct TCompatibilityForm {
    char32_t c;
    const char* form; // UTF-8
};

// Every character of the platform-dependent codes of code page 932 whose NFKC form differs
// from itself, with that form, sorted by character. Made with Qt's
// QString::normalized(QString::NormalizationForm_KC), which the main window's tests compare
// against for every platform-dependent code.
constexpr TCompatibilityForm kForms[] = {
    {0x2116, "No"},         // №
    {0x2121, "TEL"},        // ℡
    {0x2160, "I"},          // Ⅰ
    {0x2161, "II"},         // Ⅱ
    {0x2162, "III"},        // Ⅲ
    {0x2163, "IV"},         // Ⅳ
    {0x2164, "V"},          // Ⅴ
    {0x2165, "VI"},         // Ⅵ
    {0x2166, "VII"},        // Ⅶ
    {0x2167, "VIII"},       // Ⅷ
    {0x2168, "IX"},         // Ⅸ
    {0x2169, "X"},          // Ⅹ
    {0x2170, "i"},          // ⅰ
    {0x2171, "ii"},         // ⅱ
    {0x2172, "iii"},        // ⅲ
    {0x2173, "iv"},         // ⅳ
    {0x2174, "v"},          // ⅴ
    {0x2175, "vi"},         // ⅵ
    {0x2176, "vii"},        // ⅶ
    {0x2177, "viii"},       // ⅷ
    {0x2178, "ix"},         // ⅸ
    {0x2179, "x"},          // ⅹ
    {0x2460, "1"},          // ①
    {0x2461, "2"},          // ②
    {0x2462, "3"},          // ③
    {0x2463, "4"},          // ④
    {0x2464, "5"},          // ⑤
    {0x2465, "6"},          // ⑥
    {0x2466, "7"},          // ⑦
    {0x2467, "8"},          // ⑧
    {0x2468, "9"},          // ⑨
    {0x2469, "10"},         // ⑩
    {0x246A, "11"},         // ⑪
    {0x246B, "12"},         // ⑫
    {0x246C, "13"},         // ⑬
    {0x246D, "14"},         // ⑭
    {0x246E, "15"},         // ⑮
    {0x246F, "16"},         // ⑯
    {0x2470, "17"},         // ⑰
    {0x2471, "18"},         // ⑱
    {0x2472, "19"},         // ⑲
    {0x2473, "20"},         // ⑳
    {0x3231, "(株)"},       // ㈱
    {0x3232, "(有)"},       // ㈲
    {0x3239, "(代)"},       // ㈹
    {0x32A4, "上"},         // ㊤
    {0x32A5, "中"},         // ㊥
    {0x32A6, "下"},         // ㊦
    {0x32A7, "左"},         // ㊧
    {0x32A8, "右"},         // ㊨
    {0x3303, "アール"},     // ㌃
    {0x330D, "カロリー"},   // ㌍
    {0x3314, "キロ"},       // ㌔
    {0x3318, "グラム"},     // ㌘
    {0x3322, "センチ"},     // ㌢
    {0x3323, "セント"},     // ㌣
    {0x3326, "ドル"},       // ㌦
    {0x3327, "トン"},       // ㌧
    {0x332B, "パーセント"}, // ㌫
    {0x3336, "ヘクタール"}, // ㌶
    {0x333B, "ページ"},     // ㌻
    {0x3349, "ミリ"},       // ㍉
    {0x334A, "ミリバール"}, // ㍊
    {0x334D, "メートル"},   // ㍍
    {0x3351, "リットル"},   // ㍑
    {0x3357, "ワット"},     // ㍗
    {0x337B, "平成"},       // ㍻
    {0x337C, "昭和"},       // ㍼
    {0x337D, "大正"},       // ㍽
    {0x337E, "明治"},       // ㍾
    {0x338E, "mg"},         // ㎎
    {0x338F, "kg"},         // ㎏
    {0x339C, "mm"},         // ㎜
    {0x339D, "cm"},         // ㎝
    {0x339E, "km"},         // ㎞
    {0x33A1, "m2"},         // ㎡
    {0x33C4, "cc"},         // ㏄
    {0x33CD, "KK"},         // ㏍
    {0xF929, "朗"},         // 朗
    {0xF9DC, "隆"},         // 隆
    {0xFA10, "塚"},         // 塚
    {0xFA12, "晴"},         // 晴
    {0xFA15, "凞"},         // 凞
    {0xFA16, "猪"},         // 猪
    {0xFA17, "益"},         // 益
    {0xFA18, "礼"},         // 礼
    {0xFA19, "神"},         // 神
    {0xFA1A, "祥"},         // 祥
    {0xFA1B, "福"},         // 福
    {0xFA1C, "靖"},         // 靖
    {0xFA1D, "精"},         // 精
    {0xFA1E, "羽"},         // 羽
    {0xFA20, "蘒"},         // 蘒
    {0xFA22, "諸"},         // 諸
    {0xFA25, "逸"},         // 逸
    {0xFA26, "都"},         // 都
    {0xFA2A, "飯"},         // 飯
    {0xFA2B, "飼"},         // 飼
    {0xFA2C, "館"},         // 館
    {0xFA2D, "鶴"},         // 鶴
    {0xFF02, "\""},         // ＂
    {0xFF07, "'"},          // ＇
    {0xFFE2, "¬"},          // ￢
    {0xFFE4, "¦"},          // ￤
};

} // namespace

std::string_view CompatibilityForm(char32_t c) {
    const auto* found = std::lower_bound(
        std::begin(kForms), std::end(kForms), c,
        [](const TCompatibilityForm& entry, char32_t key) { return entry.c < key; });
    if (found == std::end(kForms) || found->c != c)
        return {};
    return found->form;
}

} // namespace kes
