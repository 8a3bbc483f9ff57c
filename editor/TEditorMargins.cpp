#include "editor/TEditor.h"

#include "toolkit/gui/TBitmap.h"

#include <QMenu>

namespace kes {

void TEditor::UpdateImagebarWidth() {}
void TEditor::CreateDrawBitmaps() {}
void TEditor::FreeDrawBitmaps() {}
bool TEditor::UpdateLeftbarDigits() {
    return false;
}
void TEditor::UpdateLeftbarWidth() {}
void TEditor::UpdateRulerHeight() {}
void TEditor::DrawRulerNumbers() {}
void TEditor::DrawRulerMark([[maybe_unused]] int col) {}
void TEditor::EraseRulerMark([[maybe_unused]] int col) {}
void TEditor::CreateLeftbarEdge() {}
void TEditor::PaintMarginBackground() {}
void TEditor::SizeRulerBitmaps() {}
void TEditor::InitRuler() {}
void TEditor::CreateRulerDigitGlyphs() {}
void TEditor::ColorRulerDigitGlyphs() {}
void TEditor::CreateRulerEdge() {}
void TEditor::DrawRulerGauge() {}
void TEditor::PaintLeftbar([[maybe_unused]] int first, [[maybe_unused]] int last) {}
void TEditor::PaintRuler() {}
int TEditor::RulerBitmapWidth() const {
    return 0;
}
void TEditor::ScrollForLeftbarResize([[maybe_unused]] int oldWidth, [[maybe_unused]] int newWidth) {
}

} // namespace kes
