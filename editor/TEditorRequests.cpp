#include "editor/TEditor.h"

#include "toolkit/gui/TBitmap.h"

#include <QMenu>

namespace kes {

void TEditor::GetSelection([[maybe_unused]] int& start, [[maybe_unused]] int& end) const {}
void TEditor::SetSelection([[maybe_unused]] int start, [[maybe_unused]] int end) {}
int TEditor::GetLineCount() const {
    return 0;
}
int TEditor::LineIndex([[maybe_unused]] int row) const {
    return 0;
}
int TEditor::LineLength([[maybe_unused]] int offset) const {
    return 0;
}
int TEditor::LineFromChar([[maybe_unused]] int offset) const {
    return 0;
}
std::string TEditor::GetLine([[maybe_unused]] int row, [[maybe_unused]] int bufferSize) const {
    return {};
}
void TEditor::ReplaceSelection([[maybe_unused]] std::string_view text) {}
void TEditor::ScrollCaret() {}
void TEditor::SetModifiedRequest([[maybe_unused]] bool value) {}
bool TEditor::CanUndoRequest() const {
    return false;
}
bool TEditor::UndoRequest() {
    return false;
}
void TEditor::EmptyUndoBuffer() {}
bool TEditor::CharFromPos([[maybe_unused]] int x, [[maybe_unused]] int y,
                          [[maybe_unused]] int& offset, [[maybe_unused]] int& row) const {
    return false;
}
void TEditor::PosFromChar([[maybe_unused]] int offset, [[maybe_unused]] int& x,
                          [[maybe_unused]] int& y) const {}
void TEditor::CutRequest() {}
void TEditor::CopyRequest() {}
void TEditor::PasteRequest() {}
void TEditor::ClearRequest() {}
std::string TEditor::GetText() const {
    return {};
}
int TEditor::GetTextLength() const {
    return 0;
}
void TEditor::SetText([[maybe_unused]] std::string_view text) {}

} // namespace kes
