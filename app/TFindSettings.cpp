#include "app/TFindSettings.h"

#include "app/SettingsKeys.h"
#include "app/TMemIniFileEx.h"
#include "toolkit/core/Cp932.h"

#include <algorithm>

namespace kes {

namespace {

bool Escaped(unsigned char byte) {
    return byte < 0x21 || byte == 0x7F || byte == '%' || byte == ';' || byte == '[' ||
           byte == ']' || byte == '=';
}

} // namespace

void TFindSettings::Remember(const std::string& pattern) {
    if (pattern.empty())
        return;
    std::erase(History, pattern);
    History.insert(History.begin(), pattern);
    if (History.size() > static_cast<std::size_t>(HistoryMax))
        History.resize(HistoryMax);
}

TFindSettings TFindSettings::Read(TMemIniFileEx& keys) {
    TFindSettings s;
    const std::string section = keys.Section();
    keys.SetSection(setting::Find);
    TFindQuery& o = s.Options;
    o.MatchCase = keys.ReadBoolean(setting::FindMatchCase, false);
    o.WholeWord = keys.ReadBoolean(setting::FindWholeWord, false);
    o.Regexp = keys.ReadBoolean(setting::FindRegexp, false);
    o.Fuzzy = keys.ReadBoolean(setting::FindFuzzy, false);
    o.IgnoreWidth = keys.ReadBoolean(setting::FindIgnoreWidth, false);
    o.IgnoreBlanks = keys.ReadBoolean(setting::FindIgnoreBlanks, false);
    for (int n = 1; n <= HistoryMax; ++n) {
        const std::string value = UnescapeIniValue(keys.ReadStr(setting::FindHistory(n), ""));
        if (!value.empty() &&
            std::find(s.History.begin(), s.History.end(), value) == s.History.end())
            s.History.push_back(value);
    }
    keys.SetSection(section);
    return s;
}

void TFindSettings::Write(TMemIniFileEx& ini) const {
    ini.EraseSection(setting::Find);
    const std::string section = ini.Section();
    ini.SetSection(setting::Find);
    ini.WriteBoolean(setting::FindMatchCase, Options.MatchCase);
    ini.WriteBoolean(setting::FindWholeWord, Options.WholeWord);
    ini.WriteBoolean(setting::FindRegexp, Options.Regexp);
    ini.WriteBoolean(setting::FindFuzzy, Options.Fuzzy);
    ini.WriteBoolean(setting::FindIgnoreWidth, Options.IgnoreWidth);
    ini.WriteBoolean(setting::FindIgnoreBlanks, Options.IgnoreBlanks);
    for (std::size_t i = 0; i < History.size() && i < static_cast<std::size_t>(HistoryMax); ++i)
        ini.WriteStr(setting::FindHistory(static_cast<int>(i) + 1), EscapeIniValue(History[i]));
    ini.SetSection(section);
}

std::string EscapeIniValue(std::string_view value) {
    static constexpr char Hex[] = "0123456789ABCDEF";
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const auto byte = static_cast<unsigned char>(value[i]);
        if (CharLength(value, i) == 2) {
            out.append(value.substr(i, 2));
            ++i;
        } else if (Escaped(byte)) {
            out += '%';
            out += Hex[byte >> 4];
            out += Hex[byte & 0xF];
        } else {
            out += value[i];
        }
    }
    return out;
}

std::string UnescapeIniValue(std::string_view value) {
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (CharLength(value, i) == 2) {
            out.append(value.substr(i, 2));
            ++i;
            continue;
        }
        const int high = value[i] == '%' && i + 2 < value.size()
                             ? HexDigitValue(static_cast<unsigned char>(value[i + 1]))
                             : -1;
        const int low = high >= 0 ? HexDigitValue(static_cast<unsigned char>(value[i + 2])) : -1;
        if (low >= 0) {
            out += static_cast<char>(high << 4 | low);
            i += 2;
        } else {
            out += value[i];
        }
    }
    return out;
}

} // namespace kes
