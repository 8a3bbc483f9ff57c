#pragma once

#include "regexp/TAWKStrEx.h"
#include "toolkit/core/TObject.h"

#include <memory>
#include <string>
#include <vector>

namespace kes {

enum TExSearchOption : unsigned {
    soMatchCase = 1u << 0,
    soRegexp = 1u << 1,
    soFuzzy = 1u << 2,
    soWholeWord = 1u << 3,
};
using TExSearchOptions = unsigned;

// The find string of the find highlighting and the search of one logical line for it, either
// as plain text (optionally whole words) or as a regular expression (optionally fuzzy). The
// editor asks it for the matches of each line it paints.
class TLineSearch : public TObject {
public:
    TLineSearch();
    ~TLineSearch() override;

    const std::string& FindString() const { return findString_; }
    void SetFindString(const std::string& value) { findString_ = value; }

    // Stored normalised: soFuzzy only with soRegexp, soWholeWord only without it. Returns whether
    // the stored options changed.
    TExSearchOptions ExSearchOptions() const { return options_; }
    bool SetExSearchOptions(TExSearchOptions value);

    TAWKStrEx& Matcher() { return *matcher_; }

    // Fills list with the matches in line, a whole logical line. lineBreakFollows tells whether
    // a line break ends it in the text (every line but a last one without a break), which is
    // where '$' matches. A pattern fault raises ERegExpParser.
    int FindInLine(const std::string& line, bool lineBreakFollows, std::vector<TSearchInfo>& list);

    // The class of the character at a 1-based byte position, '0' to '6': a whole word starts
    // and ends where the class changes.
    virtual char CharClass(const std::string& text, int position) const;
    bool IsWholeWord(const std::string& text, int position, int length) const;

private:
    std::string findString_;
    TExSearchOptions options_ = 0;
    std::unique_ptr<TAWKStrEx> matcher_;
};

} // namespace kes
