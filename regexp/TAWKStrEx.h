#pragma once

#include "regexp/TAWKStr.h"

#include <string>
#include <vector>

namespace kes {

// One match found in a line: 1-based byte position, byte length, and the matched bytes as the
// line holds them (before any case folding).
struct TSearchInfo {
    int position = 0;
    int length = 0;
    std::string text;
};

// The matcher of the find highlighting: finds every match of the current pattern in a line.
class TAWKStrEx : public TAWKStr {
public:
    explicit TAWKStrEx(TComponent* owner) : TAWKStr(owner) {}

    void SetRegExp(const std::string& pattern) override;

    // Appends a record for every non-empty match in buffer, searching on after each match.
    // Positions refer to buffer; the texts are taken from line at the same positions (line is
    // buffer before case folding, without the line break appended for '$'). Returns the number
    // of records in list.
    virtual int FindAll(const std::string& line, const std::string& buffer,
                        std::vector<TSearchInfo>& list) const;

private:
    MatchRoutine routine_ = &TMatchCORE::MatchFirst;
};

} // namespace kes
