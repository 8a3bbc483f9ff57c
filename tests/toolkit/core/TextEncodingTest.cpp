#include "toolkit/core/TextEncoding.h"

#include "toolkit/core/Cp932Codec.h"
#include "toolkit/core/Exception.h"
#include "toolkit/core/TLineSplitter.h"
#include "toolkit/core/TextFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace kes {
namespace {

using namespace std::string_literals;

const std::string Utf8Bom = "\xEF\xBB\xBF";
const std::string Utf16LEBom = "\xFF\xFE";
const std::string Utf16BEBom = "\xFE\xFF";

class TempFile {
public:
    explicit TempFile(const std::string& bytes) {
        static int serial = 0;
        path_ = std::filesystem::temp_directory_path() /
                ("kes-encoding-" + std::to_string(::getpid()) + "-" + std::to_string(serial++));
        std::ofstream(path_, std::ios::binary) << bytes;
    }
    ~TempFile() { std::filesystem::remove(path_); }
    std::string Path() const { return path_.string(); }

private:
    std::filesystem::path path_;
};

TLoadedText Load(const std::string& bytes, std::optional<TTextEncoding> encoding = {}) {
    return LoadEncodedTextFile(TempFile(bytes).Path(), encoding);
}

// UTF-16 bytes of a UTF-8 text, without a mark.
std::string Utf16(const std::string& utf8, bool bigEndian) {
    std::string bytes;
    for (char16_t unit : Cp932ToUtf16(Utf8ToCp932(utf8))) {
        const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

std::string Name(const TTextFormat& format) {
    return TextFormatName(format) + (format.ByteOrderMark ? " (mark)" : "");
}

TEST(TextEncoding, AFileShowsItsEncodingAndItsDominantLineBreak) {
    const struct {
        std::string bytes;
        std::string format; // as Name() gives it
        std::string text;   // code page 932, written as UTF-8
    } cases[] = {
        {Utf8Bom + "日本\n語", "UTF-8 BOM LF (mark)", "日本\n語"},
        {"caf\xC3\xA9\r\nau lait\r\n", "UTF-8 CRLF", "caf&#xE9;\r\nau lait\r\n"},
        {Utf16LEBom + Utf16("一\n二\n", false), "UTF-16LE LF (mark)", "一\n二\n"},
        {Utf16BEBom + Utf16("a\r😀", true), "UTF-16BE CR (mark)", "a\r&#x1F600;"},
        // Only ASCII: nothing shows UTF-8, so it stays code page 932 as the program's own.
        {"plain\nascii\n", "Shift_JIS LF", "plain\nascii\n"},
        {"", "Shift_JIS CRLF", ""},
        // More LF than CR LF; a tie goes to the earlier; no break at all.
        {"a\r\nb\nc\nd", "Shift_JIS LF", "a\r\nb\nc\nd"},
        {"a\rb\r\nc", "Shift_JIS CR", "a\rb\r\nc"},
        {"\xC3\xA9", "UTF-8 LF", "&#xE9;"},
        // Only the text before a Ctrl-Z counts, also for the guess.
        {"\xE6\x97\xA5\x1A\x82", "UTF-8 LF", "日"},
        // A UTF-16 character whose byte is 0x1A (U+4E1A) does not end the text; U+001A does.
        {Utf16LEBom + Utf16("\xE4\xB8\x9A\x0D\x0A\x1A"
                            "after",
                            false),
         "UTF-16LE CRLF (mark)", "&#x4E1A;\r\n"},
        // An odd last byte of UTF-16 is no character, and says so.
        {Utf16LEBom + "a\0b"s, "UTF-16LE CRLF (mark)", "a&#xFFFD;"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.bytes));
        const TLoadedText loaded = Load(c.bytes);
        EXPECT_EQ(Name(loaded.Format), c.format);
        EXPECT_EQ(loaded.Text, Utf8ToCp932(c.text));
    }

    // Code page 932 text is never valid UTF-8 once it holds Japanese: it loads byte for byte.
    const std::string cp932 = Utf8ToCp932("日本語の本文\r\nｶﾀｶﾅ\r\n") + "\x80\xFD";
    const TLoadedText loaded = Load(cp932);
    EXPECT_EQ(Name(loaded.Format), "Shift_JIS CRLF");
    EXPECT_EQ(loaded.Text, cp932);
}

TEST(TextEncoding, NulBytesRefuseAFileUnlessAMarkMakesThemUtf16) {
    const std::string nul = "NUL バイトを含むファイルはテキストとして読み込めません";
    for (const std::string& bytes :
         {"ab\0cd"s, Utf16("text", false), Utf16BEBom + Utf16("a\0b"s, true),
          Utf8Bom + "\xE6\x97\xA5\0"s}) {
        SCOPED_TRACE(::testing::PrintToString(bytes));
        try {
            Load(bytes);
            ADD_FAILURE() << "loaded";
        } catch (const EFileError& e) {
            EXPECT_NE(e.Message().find(nul), std::string::npos) << e.Message();
        }
    }
    EXPECT_THROW(LoadEncodedTextFile("/nonexistent/kes-file"), EFileError);
}

// What a file held is what a save in its format writes: emoji and characters code page 932
// cannot hold travel as references in between.
TEST(TextEncoding, FilesComeBackByteForByteInTheirFormat) {
    const std::string outside = "😀 é 한글 𠮷 ～ ① ㈱ \xE2\x80\x94 \xE3\x80\x9C";
    const std::string files[] = {
        outside + "\nline two\n",
        Utf8Bom + outside + "\r\nend",
        outside + "\rcr\r",
        Utf16LEBom + Utf16(outside + "\r\nutf-16\r\n", false),
        Utf16BEBom + Utf16(outside + "\n", true),
        Utf8ToCp932("本文\nです\n") + "\x80\xA0\xFD",
    };
    for (const std::string& bytes : files) {
        SCOPED_TRACE(::testing::PrintToString(bytes));
        const TLoadedText loaded = Load(bytes);
        // The editor holds CR LF between its lines, whatever the file had.
        std::string editorText;
        ForEachLine(loaded.Text, {}, [&](const TTextLine& line) {
            editorText += line.text;
            if (line.broken)
                editorText += "\r\n";
        });
        EXPECT_EQ(EncodeText(editorText, loaded.Format), bytes);
    }
}

TEST(TextEncoding, ReferencesTurnIntoCharactersInUtfFilesOnly) {
    // A UTF-8 file that itself holds a reference gets the character back on saving: the one
    // case in which a file changes.
    const TLoadedText loaded = Load("\xE2\x91\xA0 &#x1F600; &#x41; &#x1f600;\n");
    EXPECT_EQ(EncodeText(loaded.Text, loaded.Format),
              "\xE2\x91\xA0 \xF0\x9F\x98\x80 &#x41; &#x1f600;\n");
    EXPECT_EQ(EncodeText("&#x1F600;\r\n", {}), "&#x1F600;\r\n");
    EXPECT_EQ(EncodeText("&#x1F600;", {teUtf16BE, true, lbCRLF}), Utf16BEBom + "\xD8\x3D\xDE\x00"s);
}

TEST(TextEncoding, ANamedEncodingReadsTheBytesAsThat) {
    const std::string utf8 = Utf8Bom + "日本\n";
    TLoadedText asCp932 = Load(utf8, teCp932);
    EXPECT_EQ(Name(asCp932.Format), "Shift_JIS LF");
    EXPECT_EQ(asCp932.Text, utf8) << "the bytes as they are, mark and all";

    // Code page 932 read as UTF-8 is malformed: every bad byte says so rather than vanish.
    const TLoadedText wrong = Load(Utf8ToCp932("日"), teUtf8);
    EXPECT_EQ(wrong.Text, "&#xFFFD;&#xFFFD;");
    // UTF-16 without its mark, named by the person.
    const TLoadedText unmarked = Load(Utf16("ab\r\n", true), teUtf16BE);
    EXPECT_EQ(Name(unmarked.Format), "UTF-16BE CRLF");
    EXPECT_EQ(unmarked.Text, "ab\r\n");
    EXPECT_EQ(EncodeText("ab\r\n", unmarked.Format), Utf16("ab\r\n", true));
}

} // namespace
} // namespace kes
