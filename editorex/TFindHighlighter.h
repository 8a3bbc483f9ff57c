#pragma once

#include "regexp/TAWKStrEx.h"

#include <vector>

namespace kes {

class TEditorEx;

// A source of the find marks other than the editor's own find string: asked for the matches
// of each painted logical line, it lets an application mark what its own search finds.
class TFindHighlighter {
public:
    virtual ~TFindHighlighter() = default;

    // Fills list with the matches that touch the logical line made of rows firstRow..lastRow.
    // Positions are 1-based from the line's first byte; a match running in from an earlier
    // line or on past the line's end (over a line break) keeps its whole extent, so it may
    // start before 1 or end beyond the line, and the painter clips it to each row.
    virtual void FindInLine(const TEditorEx& editor, int firstRow, int lastRow,
                            std::vector<TSearchInfo>& list) = 0;
};

} // namespace kes
