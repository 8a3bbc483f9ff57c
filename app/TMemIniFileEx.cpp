#include "app/TMemIniFileEx.h"

#include "toolkit/core/Cp932.h"
#include "toolkit/core/Cp932Codec.h"
#include "toolkit/core/Exception.h"
#include "toolkit/core/TStrings.h"
#include "toolkit/gui/QtText.h"
#include "toolkit/gui/TFont.h"

#include <array>
#include <cstdio>
#include <optional>
#include <vector>

namespace kes {

namespace {

// The character set the file names for every font: Shift-JIS, the text's own. Qt picks glyphs
// by character, so reading ignores the field.
constexpr int kShiftJisCharset = 128;

constexpr const char* kStyleNames[] = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};

const std::string& EmptyLineMark() {
    static const std::string mark = Utf8ToCp932("%空行%");
    return mark;
}

// A value of comma-separated fields: leading[i] is the text before comma i + 1, missing when the
// value has fewer commas; rest is what follows the last comma taken (the whole value without
// commas).
template <size_t N> struct TFields {
    std::array<std::optional<std::string_view>, N> leading;
    std::string_view rest;
};

template <size_t N> TFields<N> SplitFields(std::string_view value) {
    TFields<N> fields;
    fields.rest = value;
    for (size_t i = 0; i < N; ++i) {
        const size_t comma = fields.rest.find(',');
        if (comma == std::string_view::npos)
            break;
        fields.leading[i] = fields.rest.substr(0, comma);
        fields.rest.remove_prefix(comma + 1);
    }
    return fields;
}

bool ToNumber(std::optional<std::string_view> field, int& value) {
    return field && TryStrToInt(*field, value);
}

int NumberOr(std::optional<std::string_view> field, int fallback) {
    int value = fallback;
    return ToNumber(field, value) ? value : fallback;
}

// "[fsBold,fsItalic]"; names that are no style are passed over.
TFontStyles ParseStyles(std::string_view text) {
    text = TrimBlanks(text);
    if (!text.empty() && text.front() == '[')
        text.remove_prefix(1);
    if (!text.empty() && text.back() == ']')
        text.remove_suffix(1);
    TFontStyles styles;
    while (!text.empty()) {
        const size_t comma = text.find(',');
        const std::string_view name = TrimBlanks(text.substr(0, comma));
        for (int s = fsBold; s <= fsStrikeOut; ++s) {
            if (Cp932CompareText(name, kStyleNames[s]) == 0)
                styles = styles + static_cast<TFontStyle>(s);
        }
        text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
    }
    return styles;
}

std::string FormatStyles(TFontStyles styles) {
    std::string text = "[";
    for (int s = fsBold; s <= fsStrikeOut; ++s) {
        if (!styles.Contains(static_cast<TFontStyle>(s)))
            continue;
        if (text.size() > 1)
            text += ',';
        text += kStyleNames[s];
    }
    return text + "]";
}

} // namespace

TMemIniFileEx::TMemIniFileEx(QString fileName) : TMemIniFile(std::move(fileName)) {}

std::string TMemIniFileEx::ReadStr(std::string_view key, std::string_view fallback) const {
    return ReadString(section_, key, fallback);
}

void TMemIniFileEx::WriteStr(std::string_view key, std::string_view value) {
    WriteString(section_, key, value);
}

int TMemIniFileEx::ReadInt(std::string_view key, int fallback) const {
    std::string value = ReadString(section_, key, "");
    if (value.size() > 2 && value[0] == '0' && (value[1] == 'x' || value[1] == 'X'))
        value.replace(0, 2, "$");
    int number = fallback;
    return TryStrToInt(value, number) ? number : fallback;
}

void TMemIniFileEx::WriteInt(std::string_view key, int value) {
    WriteString(section_, key, std::to_string(value));
}

bool TMemIniFileEx::ReadBoolean(std::string_view key, bool fallback) const {
    return ReadInt(key, fallback ? 1 : 0) != 0;
}

void TMemIniFileEx::WriteBoolean(std::string_view key, bool value) {
    WriteString(section_, key, value ? "1" : "0");
}

bool TMemIniFileEx::ReadFont(std::string_view key, TFont& font, double pixelsPerInch) const {
    if (!ValueExists(section_, key))
        return false;
    const std::string value = ReadString(section_, key, "");
    const TFields<4> fields = SplitFields<4>(value);
    font.SetColor(NumberOr(fields.leading[1], 0));
    if (fields.leading[2] && !fields.leading[2]->empty())
        font.SetName(Cp932ToUtf8(*fields.leading[2]));
    int points = 0;
    if (ToNumber(fields.leading[3], points) && points > 0)
        font.SetSize(points, pixelsPerInch);
    font.SetStyle(ParseStyles(fields.rest));
    return true;
}

void TMemIniFileEx::WriteFont(std::string_view key, const TFont& font, double pixelsPerInch) {
    std::string value = std::to_string(kShiftJisCharset) + "," + std::to_string(font.Color()) +
                        "," + Utf8ToCp932(font.Name()) + "," +
                        std::to_string(font.Size(pixelsPerInch)) + "," + FormatStyles(font.Style());
    WriteString(section_, key, value);
}

TColor TMemIniFileEx::ReadColor(std::string_view key, TColor fallback) {
    if (!ValueExists(section_, key))
        return fallback;
    const std::string value = ReadString(section_, key, "");
    try {
        return StringToColor(value);
    } catch (const EConvertError&) {
        AddProblem(QString::fromUtf8("設定 [%1] %2 の値「%3」は色の名前でも数値でもありません。"
                                     "初期値の %4 を使います。")
                       .arg(Cp932ToQString(section_), Cp932ToQString(key), Cp932ToQString(value),
                            QString::fromStdString(ColorToString(fallback))));
        return fallback;
    }
}

void TMemIniFileEx::WriteColor(std::string_view key, TColor value) {
    WriteString(section_, key, ColorToString(value));
}

TRect TMemIniFileEx::ReadRect(std::string_view section, std::string_view key,
                              const TRect& fallback) const {
    const std::string value = ReadString(section, key, "");
    const TFields<3> fields = SplitFields<3>(value);
    const size_t lastComma = fields.rest.rfind(',');
    const std::string_view last =
        lastComma == std::string_view::npos ? fields.rest : fields.rest.substr(lastComma + 1);
    TRect rect;
    rect.Top = NumberOr(fields.leading[0], fallback.Top);
    rect.Left = NumberOr(fields.leading[1], fallback.Left);
    rect.Bottom = NumberOr(fields.leading[2], fallback.Bottom);
    rect.Right = NumberOr(last, fallback.Right);
    return rect;
}

void TMemIniFileEx::WriteRect(std::string_view section, std::string_view key, const TRect& rect) {
    char value[64];
    std::snprintf(value, sizeof value, "%d,%d,%d,%d", rect.Top, rect.Left, rect.Bottom, rect.Right);
    WriteString(section, key, value);
}

bool TMemIniFileEx::ReadStrings(std::string_view section, TStrings& list) const {
    const std::vector<std::string>* lines = SectionLines(section);
    if (!lines)
        return false;
    list.BeginUpdate();
    list.Clear();
    for (const std::string& line : *lines)
        list.Add(line == EmptyLineMark() ? std::string() : line);
    list.EndUpdate();
    return true;
}

void TMemIniFileEx::WriteStrings(std::string_view section, const TStrings& list, bool keepEmpty) {
    std::vector<std::string> lines;
    for (int i = 0; i < list.Count(); ++i) {
        std::string line = list.Get(i);
        if (!line.empty())
            lines.push_back(std::move(line));
        else if (keepEmpty)
            lines.push_back(EmptyLineMark());
    }
    EraseSection(section);
    AppendSection(section, std::move(lines));
    SetText(Text());
}

} // namespace kes
