#pragma once

#include "app/TAppPaths.h"
#include "toolkit/core/TColor.h"
#include "toolkit/core/TFontStyles.h"

#include <array>
#include <string>
#include <vector>

namespace kes {

class TFont;
class TMemIniFileEx;

// Every setting but the window's bounds and the phrases, as plain values in the order they are
// applied, each with the value a missing key gives. The configuration dialog writes them all;
// the main window reads them at start and after the dialog.
struct TAppSettings {
    // [Editor]: the editor font (the designed one: "ＭＳ ゴシック", 12 pixels, black), the quote
    // mark, whether a new text opens the input method, word wrap and its width in columns.
    std::string FontName = "ＭＳ ゴシック"; // UTF-8
    int FontHeight = 12;                    // pixels
    TColor FontColor = clBlack;
    TFontStyles FontStyle;
    std::string QuoteString = "> "; // CP932
    bool NewThenIMEOn = false;
    bool WordWrap = false;
    int WrapCount = 80;

    // [Fountain]: the mail fountain's text colours.
    TColor MailAddrColor = clLime;
    TColor URLColor = clBlue;
    TColor KeywordColor = clFuchsia;
    bool DangerCharEnable = true;
    TColor DangerCharactorsColor = clRed;
    bool QuoteMarkup = false;
    std::array<TColor, 4> LevelQuoteColors = {clBlue, clGreen, clMaroon, clOlive};

    // [ReserveWordList] and [URLList]: one word or board address a line (CP932).
    std::vector<std::string> ReserveWordList;
    std::vector<std::string> URLList;

    // [Protect]: ask before loading (Read) or saving (Write) draft slot n, at index n - 1.
    std::array<bool, TAppPaths::DraftSlotCount> ReadProtect{};
    std::array<bool, TAppPaths::DraftSlotCount> WriteProtect{};

    // The file's values; a missing key keeps the default, a colour that cannot be read keeps
    // its default and is reported in ini.Problems(). Font sizes convert at pixelsPerInch.
    static TAppSettings Read(TMemIniFileEx& ini, double pixelsPerInch = 96);
    // Writes every key (the lists without empty lines); the caller saves.
    void Write(TMemIniFileEx& ini, double pixelsPerInch = 96) const;

    void AssignFontTo(TFont& font) const;
    void SetFont(const TFont& font);

    // The colour of platform-dependent characters and half-width kana: the font's colour when
    // they are not to be marked.
    TColor DangerColor() const;
    // The colour of quotation level 1-4 (4 stands for deeper ones too): the font's colour when
    // quotations are not to be marked.
    TColor QuoteColor(int level) const;
};

} // namespace kes
