#include "editor/search/SearchTables.h"

#include <array>

namespace kes {

namespace {

// The JIS X 0208 row-5 cell of each half-width katakana 0xA6 to 0xDD (ｦ to ﾝ); 0 for the
// prolonged sound mark 0xB0, which is not a row-5 character.
constexpr std::array<unsigned char, 0xDE - 0xA6> kKatakanaCells = {
    82,                 // ｦ
    1,  3,  5,  7,  9,  // ｧ ｨ ｩ ｪ ｫ
    67, 69, 71, 35,     // ｬ ｭ ｮ ｯ
    0,                  // ｰ
    2,  4,  6,  8,  10, // ｱ ｲ ｳ ｴ ｵ
    11, 13, 15, 17, 19, // ｶ ｷ ｸ ｹ ｺ
    21, 23, 25, 27, 29, // ｻ ｼ ｽ ｾ ｿ
    31, 33, 36, 38, 40, // ﾀ ﾁ ﾂ ﾃ ﾄ
    42, 43, 44, 45, 46, // ﾅ ﾆ ﾇ ﾈ ﾉ
    47, 50, 53, 56, 59, // ﾊ ﾋ ﾌ ﾍ ﾎ
    62, 63, 64, 65, 66, // ﾏ ﾐ ﾑ ﾒ ﾓ
    68, 70, 72,         // ﾔ ﾕ ﾖ
    73, 74, 75, 76, 77, // ﾗ ﾘ ﾙ ﾚ ﾛ
    79, 83,             // ﾜ ﾝ
};

constexpr unsigned char kVoicedMark = 0xDE;     // ﾞ
constexpr unsigned char kSemiVoicedMark = 0xDF; // ﾟ
constexpr unsigned char kCellVu = 84;           // ヴ

// Row 5 of JIS X 0208 in code page 932: lead byte 0x83, the cells 1 to 63 on 0x40 to 0x7E and
// 64 to 94 on 0x80 to 0x9E (the trail bytes skip 0x7F).
constexpr std::uint16_t KatakanaCode(unsigned cell) {
    return static_cast<std::uint16_t>(0x8300 + (cell < 64 ? 0x3F + cell : 0x40 + cell));
}

// Full-width forms of the printable ASCII bytes 0x20 to 0x7E.
constexpr std::array<std::uint16_t, 0x7F - 0x20> kAsciiFullWidth = {
    0x8140, 0x8149, 0x8168, 0x8194, 0x8190, 0x8193, 0x8195, 0x8166, // 　！”＃＄％＆’
    0x8169, 0x816A, 0x8196, 0x817B, 0x8143, 0x817C, 0x8144, 0x815E, // （）＊＋，－．／
    0x824F, 0x8250, 0x8251, 0x8252, 0x8253, 0x8254, 0x8255, 0x8256, // ０１２３４５６７
    0x8257, 0x8258, 0x8146, 0x8147, 0x8183, 0x8181, 0x8184, 0x8148, // ８９：；＜＝＞？
    0x8197, 0x8260, 0x8261, 0x8262, 0x8263, 0x8264, 0x8265, 0x8266, // ＠ＡＢＣＤＥＦＧ
    0x8267, 0x8268, 0x8269, 0x826A, 0x826B, 0x826C, 0x826D, 0x826E, // ＨＩＪＫＬＭＮＯ
    0x826F, 0x8270, 0x8271, 0x8272, 0x8273, 0x8274, 0x8275, 0x8276, // ＰＱＲＳＴＵＶＷ
    0x8277, 0x8278, 0x8279, 0x816D, 0x818F, 0x816E, 0x814F, 0x8151, // ＸＹＺ［￥］＾＿
    0x814D, 0x8281, 0x8282, 0x8283, 0x8284, 0x8285, 0x8286, 0x8287, // ｀ａｂｃｄｅｆｇ
    0x8288, 0x8289, 0x828A, 0x828B, 0x828C, 0x828D, 0x828E, 0x828F, // ｈｉｊｋｌｍｎｏ
    0x8290, 0x8291, 0x8292, 0x8293, 0x8294, 0x8295, 0x8296, 0x8297, // ｐｑｒｓｔｕｖｗ
    0x8298, 0x8299, 0x829A, 0x816F, 0x8162, 0x8170, 0x8150,         // ｘｙｚ｛｜｝￣
};

constexpr std::array<std::uint16_t, 256> BuildFullWidthTable() {
    std::array<std::uint16_t, 256> table{};
    for (unsigned b = 0; b < 256; ++b)
        table[b] = static_cast<std::uint16_t>(b);
    for (unsigned b = 0x20; b < 0x7F; ++b)
        table[b] = kAsciiFullWidth[b - 0x20];
    table[0xA1] = 0x8142; // ｡ 。
    table[0xA2] = 0x8175; // ｢ 「
    table[0xA3] = 0x8176; // ｣ 」
    table[0xA4] = 0x8141; // ､ 、
    table[0xA5] = 0x8145; // ･ ・
    for (unsigned b = 0xA6; b < 0xDE; ++b)
        table[b] = KatakanaCode(kKatakanaCells[b - 0xA6]);
    table[0xB0] = 0x815B; // ｰ ー
    table[0xDE] = 0x814A; // ﾞ ゛
    table[0xDF] = 0x814B; // ﾟ ゜
    return table;
}

constexpr std::array<std::uint16_t, 256> kFullWidth = BuildFullWidthTable();

constexpr std::array<bool, 256> BuildDelimiterTable() {
    std::array<bool, 256> table{};
    auto mark = [&table](unsigned from, unsigned to) {
        for (unsigned b = from; b <= to; ++b)
            table[b] = true;
    };
    mark(0x00, 0x2F);
    mark(0x3A, 0x40);
    mark(0x5B, 0x60);
    mark(0x7B, 0x80);
    mark(0xA0, 0xA5);
    mark(0xFD, 0xFF);
    return table;
}

constexpr std::array<bool, 256> kDelimiters = BuildDelimiterTable();

constexpr std::array<unsigned char, 256> BuildUpperCaseTable() {
    std::array<unsigned char, 256> table{};
    for (unsigned b = 0; b < 256; ++b)
        table[b] = static_cast<unsigned char>(b >= 'a' && b <= 'z' ? b - 'a' + 'A' : b);
    return table;
}

constexpr std::array<unsigned char, 256> kUpperCase = BuildUpperCaseTable();

} // namespace

bool IsSearchDelimiter(unsigned char b) {
    return kDelimiters[b];
}

unsigned char SearchUpperCase(unsigned char b) {
    return kUpperCase[b];
}

std::uint16_t SearchFullWidth(unsigned char b) {
    return kFullWidth[b];
}

std::uint16_t SearchComposeVoiced(unsigned char kana, unsigned char mark) {
    bool voicable = (kana >= 0xB6 && kana <= 0xC4) || (kana >= 0xCA && kana <= 0xCE);
    bool semiVoicable = kana >= 0xCA && kana <= 0xCE;
    if (mark == kVoicedMark && voicable)
        return KatakanaCode(kKatakanaCells[kana - 0xA6] + 1u);
    if (mark == kSemiVoicedMark && semiVoicable)
        return KatakanaCode(kKatakanaCells[kana - 0xA6] + 2u);
    if (mark == kVoicedMark && kana == 0xB3) // ｳﾞ
        return KatakanaCode(kCellVu);
    return 0;
}

std::uint16_t SearchUpperCaseDouble(std::uint16_t code) {
    if (code >= 0x8281 && code <= 0x829A) // ａ-ｚ
        return static_cast<std::uint16_t>(code - 0x21);
    if (code >= 0x83BF && code <= 0x83D6) // α-ω
        return static_cast<std::uint16_t>(code - 0x20);
    if (code >= 0x8470 && code <= 0x847E) // а-н
        return static_cast<std::uint16_t>(code - 0x30);
    if (code >= 0x8480 && code <= 0x8491) // о-я
        return static_cast<std::uint16_t>(code - 0x31);
    if (code >= 0xEEEF && code <= 0xEEF8) // ⅰ-ⅹ
        return static_cast<std::uint16_t>(code - 0xEEEF + 0x8754);
    return code;
}

} // namespace kes
