#pragma once

#include "toolkit/core/TObject.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kes {

// Splits a comma text into its items: an item in double quotes runs to the closing quote (a
// doubled quote inside stands for one); any other item ends at a comma or at a control
// character or space. Spaces around items are skipped; a comma at the very end adds an empty
// item.
std::vector<std::string> SplitCommaText(std::string_view text);

// A dictionary of equivalent spellings for the fuzzy pass: an ordered list of rows, each an
// ordered list of entries (code page 932 strings) that stand for one another.
class TREDictionary : public TObject {
public:
    struct Row {
        std::vector<std::string> entries;
        // Each entry as character codes, as the pattern scanner reads them.
        std::vector<std::vector<std::uint16_t>> codes;
        // The group that replaces a matched entry in a pattern: "(e1|e2|...)", escaped.
        std::string replacement;
    };

    TREDictionary() = default;
    // One row per comma text.
    explicit TREDictionary(std::span<const char* const> commaTexts);

    void AddRow(std::vector<std::string> entries);
    void AddCommaText(std::string_view commaText) { AddRow(SplitCommaText(commaText)); }

    int RowCount() const { return static_cast<int>(rows_.size()); }
    const Row& Rows(int index) const { return rows_[index]; }

private:
    std::vector<Row> rows_;
};

} // namespace kes
