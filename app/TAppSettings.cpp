#include "app/TAppSettings.h"

#include "app/SettingsKeys.h"
#include "app/TMemIniFileEx.h"
#include "toolkit/core/TStringList.h"
#include "toolkit/gui/TFont.h"

#include <algorithm>

namespace kes {

namespace {

std::vector<std::string> ReadLines(const TMemIniFileEx& ini, std::string_view section) {
    TStringList list;
    ini.ReadStrings(section, list);
    std::vector<std::string> lines;
    for (int i = 0; i < list.Count(); ++i)
        lines.push_back(list.Get(i));
    return lines;
}

void WriteLines(TMemIniFileEx& ini, std::string_view section,
                const std::vector<std::string>& lines) {
    TStringList list;
    for (const std::string& line : lines)
        list.Add(line);
    ini.WriteStrings(section, list, false);
}

// The file's lines are trimmed when read, which would take the blank off the default mark "> ":
// a mark with blanks at an end is kept between double quotes, and so is one that is itself
// quoted, so that reading takes off exactly the quotes writing put on.
bool IsQuoted(std::string_view value) {
    return value.size() >= 2 && value.front() == '"' && value.back() == '"';
}

std::string QuoteMarkValue(const std::string& mark) {
    if (TrimBlanks(mark).size() == mark.size() && !IsQuoted(mark))
        return mark;
    return '"' + mark + '"';
}

std::string QuoteMarkFromValue(const std::string& value) {
    return IsQuoted(value) ? value.substr(1, value.size() - 2) : value;
}

} // namespace

TAppSettings TAppSettings::Read(TMemIniFileEx& ini, double pixelsPerInch) {
    TAppSettings s;
    ini.SetSection(setting::Editor);
    TFont font;
    s.AssignFontTo(font);
    ini.ReadFont(setting::EditFont, font, pixelsPerInch);
    s.SetFont(font);
    s.QuoteString = QuoteMarkFromValue(ini.ReadStr(setting::QuoteString, s.QuoteString));
    s.NewThenIMEOn = ini.ReadBoolean(setting::NewThenIMEOn, s.NewThenIMEOn);
    s.WordWrap = ini.ReadBoolean(setting::WordWrap, s.WordWrap);
    s.WrapCount = ini.ReadInt(setting::WrapCount, s.WrapCount);

    ini.SetSection(setting::Fountain);
    s.MailAddrColor = ini.ReadColor(setting::MailAddrColor, s.MailAddrColor);
    s.URLColor = ini.ReadColor(setting::URLColor, s.URLColor);
    s.KeywordColor = ini.ReadColor(setting::KeywordColor, s.KeywordColor);
    s.DangerCharEnable = ini.ReadBoolean(setting::DangerCharEnable, s.DangerCharEnable);
    s.DangerCharactorsColor =
        ini.ReadColor(setting::DangerCharactorsColor, s.DangerCharactorsColor);
    s.QuoteMarkup = ini.ReadBoolean(setting::QuoteMarkup, s.QuoteMarkup);
    for (size_t i = 0; i < s.LevelQuoteColors.size(); ++i)
        s.LevelQuoteColors[i] =
            ini.ReadColor(setting::LevelQuoteColor(static_cast<int>(i) + 1), s.LevelQuoteColors[i]);

    s.ReserveWordList = ReadLines(ini, setting::ReserveWordList);
    s.URLList = ReadLines(ini, setting::URLList);

    ini.SetSection(setting::Protect);
    for (int n = 1; n <= TAppPaths::DraftSlotCount; ++n)
        s.ReadProtect[n - 1] = ini.ReadBoolean(setting::ReadProtect(n), false);
    for (int n = 1; n <= TAppPaths::DraftSlotCount; ++n)
        s.WriteProtect[n - 1] = ini.ReadBoolean(setting::WriteProtect(n), false);
    return s;
}

void TAppSettings::Write(TMemIniFileEx& ini, double pixelsPerInch) const {
    ini.SetSection(setting::Editor);
    TFont font;
    AssignFontTo(font);
    ini.WriteFont(setting::EditFont, font, pixelsPerInch);
    ini.WriteStr(setting::QuoteString, QuoteMarkValue(QuoteString));
    ini.WriteBoolean(setting::NewThenIMEOn, NewThenIMEOn);
    ini.WriteBoolean(setting::WordWrap, WordWrap);
    ini.WriteInt(setting::WrapCount, WrapCount);

    ini.SetSection(setting::Fountain);
    ini.WriteColor(setting::MailAddrColor, MailAddrColor);
    ini.WriteColor(setting::URLColor, URLColor);
    ini.WriteColor(setting::KeywordColor, KeywordColor);
    ini.WriteColor(setting::DangerCharactorsColor, DangerCharactorsColor);
    for (size_t i = 0; i < LevelQuoteColors.size(); ++i)
        ini.WriteColor(setting::LevelQuoteColor(static_cast<int>(i) + 1), LevelQuoteColors[i]);
    ini.WriteBoolean(setting::DangerCharEnable, DangerCharEnable);
    ini.WriteBoolean(setting::QuoteMarkup, QuoteMarkup);

    WriteLines(ini, setting::ReserveWordList, ReserveWordList);
    WriteLines(ini, setting::URLList, URLList);

    ini.SetSection(setting::Protect);
    for (int n = 1; n <= TAppPaths::DraftSlotCount; ++n)
        ini.WriteBoolean(setting::ReadProtect(n), ReadProtect[n - 1]);
    for (int n = 1; n <= TAppPaths::DraftSlotCount; ++n)
        ini.WriteBoolean(setting::WriteProtect(n), WriteProtect[n - 1]);
}

void TAppSettings::AssignFontTo(TFont& font) const {
    font.SetName(FontName);
    font.SetHeight(FontHeight);
    font.SetColor(FontColor);
    font.SetStyle(FontStyle);
}

void TAppSettings::SetFont(const TFont& font) {
    FontName = font.Name();
    FontHeight = font.Height();
    FontColor = font.Color();
    FontStyle = font.Style();
}

TColor TAppSettings::DangerColor() const {
    return DangerCharEnable ? DangerCharactorsColor : FontColor;
}

TColor TAppSettings::QuoteColor(int level) const {
    if (!QuoteMarkup)
        return FontColor;
    const size_t index = static_cast<size_t>(std::clamp(level, 1, 4) - 1);
    return LevelQuoteColors[index];
}

} // namespace kes
