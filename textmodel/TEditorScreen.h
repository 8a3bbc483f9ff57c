#pragma once

#include "textmodel/TEditorScreenStrings.h"

namespace kes {

class TScreenStringsView;

// Turns the rows' record of what an edit changed into repainting and scrolling of one
// editor, so that an edit repaints only the rows it touched.
class TEditorScreen {
public:
    explicit TEditorScreen(TScreenStringsView& view) : view_(view) {}

    // rowCount: the rows of the text after the edit.
    void Update(const TEditorUpdateInfo& info, int rowCount);

private:
    TScreenStringsView& view_;
};

} // namespace kes
