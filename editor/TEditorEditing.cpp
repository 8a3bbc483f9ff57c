#include "editor/TEditor.h"

#include "toolkit/gui/TBitmap.h"

#include <QMenu>

namespace kes {

void TEditor::CopyToClipboard() {}
void TEditor::CutToClipboard() {}
void TEditor::PasteFromClipboard() {}
void TEditor::PasteBox([[maybe_unused]] std::string_view text) {}
void TEditor::DeleteSelection() {}
void TEditor::SelectAll() {}
void TEditor::InsertTypedText([[maybe_unused]] std::string_view text) {}
void TEditor::TypeTab() {}
void TEditor::TypeEnter([[maybe_unused]] bool shift) {}
void TEditor::TypeDelete() {}
void TEditor::TypeBackspace() {}
void TEditor::KeyDown([[maybe_unused]] QKeyEvent* event) {}
void TEditor::KeyUp([[maybe_unused]] QKeyEvent* event) {}
void TEditor::InputMethod([[maybe_unused]] QInputMethodEvent* event) {}
int TEditor::EditAnchorRow([[maybe_unused]] int row) const {
    return 0;
}
void TEditor::ReplaceRows([[maybe_unused]] int row, [[maybe_unused]] int count,
                          [[maybe_unused]] std::string_view text, [[maybe_unused]] int anchorRow,
                          [[maybe_unused]] int offset) {}
void TEditor::KeyPress([[maybe_unused]] int code) {}
void TEditor::TypeCharacter([[maybe_unused]] std::string_view bytes) {}

} // namespace kes
