#include "editor/TEditor.h"

#include "textmodel/TEditorScreen.h"
#include "textmodel/TEditorScreenStrings.h"
#include "textmodel/TEditorStrings.h"
#include "toolkit/gui/TBitmap.h"

#include <QMenu>

namespace kes {

TEditor::TEditor(QWidget* parent) : TCustomControl(parent) {}
TEditor::~TEditor() {}
void TEditor::SetBorderStyle([[maybe_unused]] TBorderStyle value) {}
void TEditor::SetCaret([[maybe_unused]] TEditorCaret* value) {}
void TEditor::SetColor([[maybe_unused]] TColor value) {}
void TEditor::SetFont([[maybe_unused]] TFont* value) {}
void TEditor::SetFountain([[maybe_unused]] TFountain* value) {}
void TEditor::SetHitStyle([[maybe_unused]] TEditorHitStyle value) {}
void TEditor::SetImagebar([[maybe_unused]] TEditorImagebar* value) {}
void TEditor::SetImageDigits([[maybe_unused]] TImageList* value) {}
void TEditor::SetImageMarks([[maybe_unused]] TImageList* value) {}
void TEditor::SetLeftbar([[maybe_unused]] TEditorLeftbar* value) {}
void TEditor::SetLines([[maybe_unused]] TStrings* value) {}
void TEditor::SetMargin([[maybe_unused]] TEditorMargin* value) {}
void TEditor::SetMarks([[maybe_unused]] TEditorMarks* value) {}
void TEditor::SetReadOnly([[maybe_unused]] bool value) {}
void TEditor::SetReserveWordList([[maybe_unused]] TStrings* value) {}
void TEditor::SetRuler([[maybe_unused]] TEditorRuler* value) {}
void TEditor::SetScrollBars([[maybe_unused]] TScrollStyle value) {}
void TEditor::SetSpeed([[maybe_unused]] TEditorSpeed* value) {}
int TEditor::UndoListMax() const {
    return 0;
}
void TEditor::SetUndoListMax([[maybe_unused]] int value) {}
void TEditor::SetView([[maybe_unused]] TEditorViewInfo* value) {}
void TEditor::SetWantTabs([[maybe_unused]] bool value) {}
bool TEditor::WordWrap() const {
    return false;
}
void TEditor::SetWordWrap([[maybe_unused]] bool value) {}
TEditorWrapOption* TEditor::WrapOption() const {
    return {};
}
void TEditor::SetWrapOption([[maybe_unused]] TEditorWrapOption* value) {}
void TEditor::SetPopupMenu([[maybe_unused]] QMenu* menu) {}
void TEditor::SetRow([[maybe_unused]] int row) {}
void TEditor::SetCol([[maybe_unused]] int col) {}
void TEditor::SetRowCol([[maybe_unused]] int row, [[maybe_unused]] int col) {}
void TEditor::SetTopRow([[maybe_unused]] int row) {}
void TEditor::SetTopCol([[maybe_unused]] int col) {}
int TEditor::ListCount() const {
    return 0;
}
std::string TEditor::ListString([[maybe_unused]] int row) const {
    return {};
}
TRowAttribute TEditor::ListRow([[maybe_unused]] int row) const {
    return {};
}
TRowMarks TEditor::ListRowMarks([[maybe_unused]] int row) const {
    return {};
}
void TEditor::SetListRowMarks([[maybe_unused]] int row, [[maybe_unused]] TRowMarks marks) {}
void TEditor::StrToAttributes([[maybe_unused]] std::string_view text,
                              [[maybe_unused]] std::string& attributes) const {}
std::string TEditor::StrToAttributes([[maybe_unused]] std::string_view text) const {
    return {};
}
int TEditor::DisplayWidth([[maybe_unused]] std::string_view text) const {
    return 0;
}
int TEditor::RowWidth([[maybe_unused]] int row) const {
    return 0;
}
int TEditor::IndentWidth([[maybe_unused]] std::string_view text) const {
    return 0;
}
std::string TEditor::ExpandTab([[maybe_unused]] std::string_view text) const {
    return {};
}
int TEditor::StartIndex([[maybe_unused]] std::string_view text, [[maybe_unused]] int col) const {
    return 0;
}
int TEditor::EndIndex([[maybe_unused]] std::string_view text, [[maybe_unused]] int col) const {
    return 0;
}
int TEditor::CaretIndex() const {
    return 0;
}
int TEditor::ColToIndex([[maybe_unused]] int row, [[maybe_unused]] int col) const {
    return 0;
}
int TEditor::IndexToCol([[maybe_unused]] int row, [[maybe_unused]] int index) const {
    return 0;
}
int TEditor::CharOffset([[maybe_unused]] int fromRow, [[maybe_unused]] int toRow,
                        [[maybe_unused]] int col) const {
    return 0;
}
void TEditor::PlaceCaretAtOffset([[maybe_unused]] int fromRow, [[maybe_unused]] int offset) {}
int TEditor::LineOffset([[maybe_unused]] int row, [[maybe_unused]] int col) const {
    return 0;
}
int TEditor::LineNumber([[maybe_unused]] int row) const {
    return 0;
}
void TEditor::MoveLeft() {}
void TEditor::MoveRight() {}
void TEditor::MoveUp([[maybe_unused]] int count) {}
void TEditor::MoveDown([[maybe_unused]] int count) {}
void TEditor::ScrollUp([[maybe_unused]] int count) {}
void TEditor::ScrollDown([[maybe_unused]] int count) {}
void TEditor::MoveLineStart([[maybe_unused]] bool control) {}
void TEditor::MoveLineEnd([[maybe_unused]] bool control) {}
void TEditor::MovePage([[maybe_unused]] int rows) {}
int TEditor::PageRows() const {
    return 0;
}
void TEditor::MoveWordLeft() {}
void TEditor::MoveWordRight() {}
void TEditor::PutRowMark([[maybe_unused]] int row, [[maybe_unused]] int mark) {}
void TEditor::DeleteRowMark([[maybe_unused]] int row, [[maybe_unused]] int mark) {}
void TEditor::GotoRowMark([[maybe_unused]] int mark) {}
bool TEditor::CanRedo() const {
    return false;
}
bool TEditor::CanUndo() const {
    return false;
}
void TEditor::Redo() {}
void TEditor::Undo() {}
void TEditor::AttachScreenStrings([[maybe_unused]] TEditor* editor) {}
TLeftbarNumbers TEditor::LeftbarNumbers() const {
    return {};
}
int TEditor::TextAreaWidth() const {
    return 0;
}
int TEditor::TextAreaHeight() const {
    return 0;
}
void TEditor::DoChange() {}
void TEditor::Relayout() {}
TFountain* TEditor::ActiveFountain() const {
    return {};
}
bool TEditor::InitBracketsFull() const {
    return false;
}
void TEditor::CaretChanged() {}
void TEditor::SetRedraw([[maybe_unused]] bool redraw) {}
void TEditor::ScrollView([[maybe_unused]] int dx, [[maybe_unused]] int dy,
                         [[maybe_unused]] const TRect* scroll, [[maybe_unused]] const TRect* clip) {
}
void TEditor::HideCaretNested() {}
void TEditor::ShowCaretNested() {}
void TEditor::HideSystemCaret() {}
void TEditor::ShowSystemCaret() {}
bool TEditor::CaretOutOfView() const {
    return false;
}
void TEditor::UpdateCaretPos() {}
void TEditor::CreateCaretShape() {}
void TEditor::ScrollCaretIntoView() {}
void TEditor::CaretPixelPos([[maybe_unused]] int& x, [[maybe_unused]] int& y) const {}
TDelimiters TEditor::GetDefaultDelimiters() const {
    return {};
}
std::unique_ptr<TEditorCaret> TEditor::CreateCaretOptions() {
    return nullptr;
}
std::unique_ptr<TEditorImagebar> TEditor::CreateImagebar() {
    return nullptr;
}
std::unique_ptr<TEditorLeftbar> TEditor::CreateLeftbar() {
    return nullptr;
}
std::unique_ptr<TEditorMarks> TEditor::CreateMarks() {
    return nullptr;
}
std::unique_ptr<TEditorMargin> TEditor::CreateMargin() {
    return nullptr;
}
std::unique_ptr<TEditorRuler> TEditor::CreateRuler() {
    return nullptr;
}
std::unique_ptr<TEditorSpeed> TEditor::CreateSpeed() {
    return nullptr;
}
QMenu* TEditor::CreatePopupMenu() {
    return {};
}
std::unique_ptr<TEditorScreen> TEditor::CreateScreen() {
    return nullptr;
}
TEditorScreenStrings* TEditor::CreateScreenStrings() {
    return {};
}
std::unique_ptr<TEditorStrings> TEditor::CreateLines() {
    return nullptr;
}
std::unique_ptr<TEditorViewInfo> TEditor::CreateViewInfo() {
    return nullptr;
}
void TEditor::DoCaretMoved() {}
void TEditor::DoSelectionChange([[maybe_unused]] bool selected) {}
void TEditor::DoSelectionModeChange() {}
void TEditor::DoTopColChange() {}
void TEditor::DoTopRowChange() {}
void TEditor::OptionsChanged([[maybe_unused]] TObject* sender) {}
void TEditor::MouseDown([[maybe_unused]] QMouseEvent* event) {}
void TEditor::FocusIn() {}
void TEditor::FocusOut() {}
void TEditor::Resized() {}
void TEditor::ScrollBarMoved([[maybe_unused]] Qt::Orientation orientation,
                             [[maybe_unused]] int value) {}
void TEditor::contextMenuEvent([[maybe_unused]] QContextMenuEvent* event) {}
void TEditor::AdjustCol([[maybe_unused]] bool vertical, [[maybe_unused]] int direction) {}
void TEditor::Measure() {}
void TEditor::UpdateScrollRanges() {}
void TEditor::FountainChanged([[maybe_unused]] TObject* sender) {}
void TEditor::FontChanged([[maybe_unused]] TObject* sender) {}
void TEditor::AttachOptions() {}
const TCharAttributes& TEditor::Rule() const {
    return rule_;
}

} // namespace kes
