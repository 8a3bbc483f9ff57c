#include "editor/TEditor.h"

#include "toolkit/gui/TBitmap.h"

#include <QMenu>

namespace kes {

void TEditor::SetSelectionMode([[maybe_unused]] TEditorSelectionMode value) {}
int TEditor::SelStart() const {
    return 0;
}
void TEditor::SetSelStart([[maybe_unused]] int value) {}
int TEditor::SelLength() const {
    return 0;
}
void TEditor::SetSelLength([[maybe_unused]] int value) {}
std::string TEditor::SelText() const {
    return {};
}
void TEditor::SetSelText([[maybe_unused]] std::string_view text) {}
void TEditor::StartSelection() {}
void TEditor::ActivateSelection() {}
void TEditor::ExtendSelection() {}
void TEditor::UpdateSelection() {}
void TEditor::CleanSelection() {}
bool TEditor::HasSelection() const {
    return false;
}
bool TEditor::CanSelDrag() const {
    return false;
}
bool TEditor::IsInSelection([[maybe_unused]] int row, [[maybe_unused]] int col) const {
    return false;
}
void TEditor::StartRowSelection([[maybe_unused]] int row) {}
void TEditor::MoveRowSelection([[maybe_unused]] int row) {}
void TEditor::EndRowSelection() {}
TEditor::TRowsWithoutSelection TEditor::RowsWithoutSelection() const {
    return {};
}

} // namespace kes
