#pragma once

#include "app/TFindQuery.h"
#include "app/TPlainFindHighlighter.h"

#include <cstdint>
#include <string>

namespace kes {

class TEditorEx;

// How a find command ended: at a match after the place it started from, at one it reached by
// going on from the other end of the text, or without any match in the whole text.
enum class TFindResult { Found, Wrapped, NotFound };

// The find bar's search over an editor: it shows the bar's query as find marks and moves the
// selection from match to match, so that what is marked is exactly what is found. Plain text
// goes through the editor's own Search and a plain-matcher highlighter with the same options;
// a regular expression (or a fuzzy one) through the editor's find highlighting, whose per-line
// matches both mark and select. Faulty regular expressions raise ERegExpParser.
class TTextFinder {
public:
    explicit TTextFinder(TEditorEx& editor);

    const TFindQuery& Query() const { return query_; }
    void SetQuery(const TFindQuery& query);
    // Shows or hides the find marks (with readable colours while shown).
    void SetMarking(bool marking);

    // Selects the next (down) or previous match from the selection or the caret, going on
    // from the other end of the text when there is none on that side.
    TFindResult Find(bool down);
    // Replaces the selection when it is the match the last find selected (and the text has not
    // changed since), then finds the next match. Returns whether it replaced.
    bool Replace(const std::string& replacement);
    // Replaces every match in the text as one edit, one undo step; returns their number.
    int ReplaceAll(const std::string& replacement);

private:
    TFindResult FindPlain(bool down);
    TFindResult FindInLines(bool down);
    // The match of the line search in the logical lines from the one holding row, beyond
    // byte `offset` of it in the search direction; wraps at most once.
    bool FindLineMatch(bool down, int row, int offset, bool& wrapped);
    void Remember();

    TEditorEx& editor_;
    TFindQuery query_;
    TPlainFindHighlighter plain_;
    // The match the last find selected: its character offset, its length and the text's
    // version then.
    struct THit {
        int start = -1;
        int length = 0;
        std::uint64_t version = 0;
    } hit_;
};

} // namespace kes
