#pragma once

#include <string>
#include <string_view>

// The sections and keys of the settings file. The main window reads and writes Window/Size and
// Sentence; TAppSettings reads and writes all the others.
namespace kes::setting {

inline constexpr std::string_view Window = "Window";
inline constexpr std::string_view Size = "Size"; // the main window's outer frame

inline constexpr std::string_view Editor = "Editor";
inline constexpr std::string_view EditFont = "EditFont";
inline constexpr std::string_view QuoteString = "QuoteString";
inline constexpr std::string_view NewThenIMEOn = "NewThenIMEOn";
inline constexpr std::string_view WordWrap = "WordWrap";
inline constexpr std::string_view WrapCount = "WrapCount";

inline constexpr std::string_view Fountain = "Fountain";
inline constexpr std::string_view MailAddrColor = "MailAddrColor";
inline constexpr std::string_view URLColor = "URLColor";
inline constexpr std::string_view KeywordColor = "KeywordColor";
inline constexpr std::string_view DangerCharEnable = "DangerCharEnable";
inline constexpr std::string_view DangerCharactorsColor = "DangerCharactorsColor";
inline constexpr std::string_view QuoteMarkup = "QuoteMarkup";
// "Level1QuoteColor" ... "Level4QuoteColor".
inline std::string LevelQuoteColor(int level) {
    return "Level" + std::to_string(level) + "QuoteColor";
}

// Sections that are lists of lines.
inline constexpr std::string_view ReserveWordList = "ReserveWordList";
inline constexpr std::string_view URLList = "URLList";
inline constexpr std::string_view Sentence = "Sentence";

inline constexpr std::string_view Protect = "Protect";
// "Read1" ... "Read5" and "Write1" ... "Write5": ask before loading or saving that draft slot.
inline std::string ReadProtect(int slot) {
    return "Read" + std::to_string(slot);
}
inline std::string WriteProtect(int slot) {
    return "Write" + std::to_string(slot);
}

} // namespace kes::setting

// The find bar's options and its last find strings (newest first), each string escaped by
// EscapeIniValue so that the file's loading rules give it back unchanged.
namespace kes::setting {

inline constexpr std::string_view Find = "Find";
inline constexpr std::string_view FindMatchCase = "MatchCase";
inline constexpr std::string_view FindWholeWord = "WholeWord";
inline constexpr std::string_view FindRegexp = "Regexp";
inline constexpr std::string_view FindFuzzy = "Fuzzy";
inline constexpr std::string_view FindIgnoreWidth = "IgnoreWidth";
inline constexpr std::string_view FindIgnoreBlanks = "IgnoreBlanks";
// "History1" ... "History10".
inline std::string FindHistory(int n) {
    return "History" + std::to_string(n);
}

} // namespace kes::setting
