#pragma once

#include "app/TFindQuery.h"

#include <string>
#include <string_view>
#include <vector>

namespace kes {

class TMemIniFileEx;

// The find bar's settings in the section [Find] of the settings file: its options (in a query
// without pattern) and the last find strings, newest first.
struct TFindSettings {
    static constexpr int HistoryMax = 10;

    TFindQuery Options;
    std::vector<std::string> History; // CP932

    // Puts pattern first, dropping an earlier copy and the strings beyond HistoryMax; an
    // empty pattern is not kept.
    void Remember(const std::string& pattern);

    static TFindSettings Read(TMemIniFileEx& ini);
    // Replaces the whole section; the caller saves.
    void Write(TMemIniFileEx& ini) const;
};

// A value as the settings file keeps it: the loading rules trim blanks at both ends of a line
// and of the text around its first "=", so every byte below 0x21, 0x7F, "%" and the characters
// with a meaning in the file (";", "[", "]", "=") is written as "%" and two hexadecimal digits.
// Double-byte characters are kept as they are (a trail byte may look like "[" or "]").
std::string EscapeIniValue(std::string_view value);
// The reverse; a "%" not followed by two hexadecimal digits stands for itself.
std::string UnescapeIniValue(std::string_view value);

} // namespace kes
