#include "regexp/TREDictionary.h"

#include "toolkit/core/Cp932.h"

namespace kes {

namespace {

bool IsBlank(unsigned char c) {
    return c >= 1 && c <= ' ';
}

// Character codes of an entry. A lead byte at the very end stands for itself.
std::vector<std::uint16_t> Codes(const std::string& entry) {
    std::vector<std::uint16_t> codes;
    for (std::size_t i = 0; i < entry.size(); ++i) {
        const auto b = static_cast<unsigned char>(entry[i]);
        if (CharLength(entry, i) == 2) {
            codes.push_back(
                static_cast<std::uint16_t>(b << 8 | static_cast<unsigned char>(entry[i + 1])));
            ++i;
        } else {
            codes.push_back(b);
        }
    }
    return codes;
}

std::string Escaped(const std::string& entry) {
    std::string out;
    for (std::size_t i = 0; i < entry.size(); ++i) {
        const char c = entry[i];
        if (CharLength(entry, i) == 2) {
            out += c;
            out += entry[++i];
            continue;
        }
        switch (c) {
        case '^':
        case '(':
        case '|':
        case ')':
        case '+':
        case '*':
        case '?':
        case '.':
        case '[':
        case ']':
        case '$':
        case '\\':
            out += '\\';
            break;
        default:
            break;
        }
        out += c;
    }
    return out;
}

} // namespace

std::vector<std::string> SplitCommaText(std::string_view text) {
    std::vector<std::string> items;
    std::size_t p = 0;
    auto at = [&](std::size_t i) -> unsigned char {
        return i < text.size() ? static_cast<unsigned char>(text[i]) : 0;
    };
    auto step = [&](std::size_t i) { return i + CharLength(text, i); };
    while (IsBlank(at(p)))
        ++p;
    while (at(p) != 0) {
        std::string item;
        if (at(p) == '"') {
            ++p;
            while (at(p) != 0) {
                if (at(p) == '"') {
                    if (at(p + 1) != '"') {
                        ++p;
                        break;
                    }
                    item += '"';
                    p += 2;
                    continue;
                }
                const std::size_t next = step(p);
                item.append(text.substr(p, next - p));
                p = next;
            }
        } else {
            const std::size_t start = p;
            while (at(p) > ' ' && at(p) != ',')
                p = step(p);
            item.assign(text.substr(start, p - start));
        }
        items.push_back(std::move(item));
        while (IsBlank(at(p)))
            ++p;
        if (at(p) == ',') {
            if (p + 1 == text.size())
                items.emplace_back();
            ++p;
            while (IsBlank(at(p)))
                ++p;
        }
    }
    return items;
}

TREDictionary::TREDictionary(std::span<const char* const> commaTexts) {
    for (const char* text : commaTexts)
        AddCommaText(text);
}

void TREDictionary::AddRow(std::vector<std::string> entries) {
    Row row;
    row.replacement = "(";
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (i > 0)
            row.replacement += '|';
        row.replacement += Escaped(entries[i]);
        row.codes.push_back(Codes(entries[i]));
    }
    row.replacement += ')';
    row.entries = std::move(entries);
    rows_.push_back(std::move(row));
}

} // namespace kes
