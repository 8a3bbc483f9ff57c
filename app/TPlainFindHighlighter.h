#pragma once

#include "app/TFindQuery.h"
#include "editorex/TFindHighlighter.h"

#include <memory>

namespace kes {

class TSearchMatcher;

// The find bar's marks for plain text: the matches of the plain matcher with the bar's options
// (widths, line breaks and spaces, its whole-word rule), found around each painted line the way
// a search from the text's start meets them, so what is marked is what "next" and "previous"
// select. A match that runs over a line break is reported to every line it touches.
class TPlainFindHighlighter : public TFindHighlighter {
public:
    TPlainFindHighlighter();
    ~TPlainFindHighlighter() override;

    // An empty pattern marks nothing.
    void SetQuery(const TFindQuery& query);

    void FindInLine(const TEditorEx& editor, int firstRow, int lastRow,
                    std::vector<TSearchInfo>& list) override;

private:
    std::unique_ptr<TSearchMatcher> matcher_;
    // The text taken in before and after a line, so that a match running in from an earlier
    // line or out into a later one is seen; a match reaching further is not marked.
    std::size_t context_ = 0;
};

} // namespace kes
