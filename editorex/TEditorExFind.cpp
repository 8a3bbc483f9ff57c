#include "editorex/TEditorEx.h"

namespace kes {

void TEditorEx::SetFindString(const std::string& value) {
    search_->SetFindString(value);
}

void TEditorEx::SetExSearchOptions(TExSearchOptions value) {
    search_->SetExSearchOptions(value);
}

int TEditorEx::FindInRow(int /*row*/) {
    searchList_.clear();
    return 0;
}

void TEditorEx::DrawHit(const TRect& /*rect*/, int /*x*/, const std::string& /*text*/) {}

void TEditorEx::DrawFindMarks(const TRect& /*rect*/, int /*row*/, const std::string& /*text*/,
                              int /*y*/, int /*x0*/, int /*limit*/) {}

} // namespace kes
