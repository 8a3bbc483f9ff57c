#pragma once

#include "app/TMemIniFile.h"
#include "toolkit/core/TColor.h"
#include "toolkit/core/TRect.h"

#include <string>
#include <string_view>

namespace kes {

class TFont;
class TStrings;

// The program's settings file with its typed values. The key helpers work on the current
// Section; the rectangle and line-list helpers name their section themselves.
//
// Every access opens the file anew: make one, read or change values, Save when anything was
// written, and show its Problems().
class TMemIniFileEx : public TMemIniFile {
public:
    explicit TMemIniFileEx(QString fileName);

    const std::string& Section() const { return section_; }
    void SetSection(std::string_view section) { section_ = section; }

    std::string ReadStr(std::string_view key, std::string_view fallback) const;
    void WriteStr(std::string_view key, std::string_view value);

    // Decimal, "$" and hex digits, or "0x" and hex digits; fallback when missing or not a
    // number. Written in decimal.
    int ReadInt(std::string_view key, int fallback) const;
    void WriteInt(std::string_view key, int value);

    // Any non-zero number is true; written as "1" or "0".
    bool ReadBoolean(std::string_view key, bool fallback) const;
    void WriteBoolean(std::string_view key, bool value);

    // "charset,colour,name,points,[styles]". The file keeps the size in points; the font keeps
    // pixels, converted at pixelsPerInch (the screen's logical resolution). ReadFont changes the
    // font only when the key exists, and then returns true; a missing name or a size that is no
    // positive number keeps the font's own, so a damaged value never gives an unusable font.
    bool ReadFont(std::string_view key, TFont& font, double pixelsPerInch = 96) const;
    void WriteFont(std::string_view key, const TFont& font, double pixelsPerInch = 96);

    // A name of the colour table or a number ("$" and hex digits, or decimal). A value that is
    // neither is reported in Problems() with its key, and gives fallback like a missing key.
    TColor ReadColor(std::string_view key, TColor fallback);
    void WriteColor(std::string_view key, TColor value);

    // "top,left,bottom,right"; each field that is missing or no number takes fallback's.
    TRect ReadRect(std::string_view section, std::string_view key, const TRect& fallback) const;
    void WriteRect(std::string_view section, std::string_view key, const TRect& rect);

    // A whole section as a list of lines. ReadStrings leaves list alone and returns false when
    // the section is missing; a line "%空行%" reads as an empty line. WriteStrings puts the
    // section at the end (empty lines as "%空行%" with keepEmpty, dropped without) and reads the
    // whole file back by the loading rules, so the lines come back as the next start sees them.
    bool ReadStrings(std::string_view section, TStrings& list) const;
    void WriteStrings(std::string_view section, const TStrings& list, bool keepEmpty);

    bool Save() { return UpdateFile(); }

private:
    std::string section_;
};

} // namespace kes
