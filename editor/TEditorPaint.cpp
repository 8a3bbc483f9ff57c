#include "editor/TEditor.h"

#include "toolkit/gui/TBitmap.h"

#include <QMenu>

namespace kes {

void TEditor::InvalidateRow([[maybe_unused]] int row) {}
void TEditor::InvalidateRows([[maybe_unused]] int first, [[maybe_unused]] int last) {}
void TEditor::ScrollRows([[maybe_unused]] int row, [[maybe_unused]] int count) {}
void TEditor::ScrollImagebar([[maybe_unused]] int count) {}
void TEditor::InvalidateLeftbar([[maybe_unused]] int first, [[maybe_unused]] int last) {}
void TEditor::BeginUnderlineUpdate() {}
void TEditor::EndUnderlineUpdate() {}
void TEditor::DrawEofMark([[maybe_unused]] int x, [[maybe_unused]] int y) {}
void TEditor::DrawRetMark([[maybe_unused]] int x, [[maybe_unused]] int y) {}
void TEditor::DrawSelectedRetMark([[maybe_unused]] int x, [[maybe_unused]] int y) {}
void TEditor::DrawWrapMark([[maybe_unused]] int x, [[maybe_unused]] int y) {}
void TEditor::DrawSelectedWrapMark([[maybe_unused]] int x, [[maybe_unused]] int y) {}
void TEditor::DrawHideMark([[maybe_unused]] int x, [[maybe_unused]] int y) {}
void TEditor::DrawSelectedHideMark([[maybe_unused]] int x, [[maybe_unused]] int y) {}
void TEditor::DrawUnderline([[maybe_unused]] int row) {}
void TEditor::EraseUnderline([[maybe_unused]] int row) {}
int TEditor::UnderlinePos([[maybe_unused]] int row) const {
    return 0;
}
void TEditor::DoDrawLine([[maybe_unused]] const TRect& rect, [[maybe_unused]] int x,
                         [[maybe_unused]] bool selected, [[maybe_unused]] int row,
                         [[maybe_unused]] const std::string& text, [[maybe_unused]] int y) {}
void TEditor::Paint([[maybe_unused]] const TRect& clip) {}
void TEditor::PaintRows([[maybe_unused]] TFountainParser& parser, [[maybe_unused]] TRect rect,
                        [[maybe_unused]] int first, [[maybe_unused]] int last) {}
void TEditor::PaintNormalRow([[maybe_unused]] TFountainParser& parser,
                             [[maybe_unused]] const TRect& rect, [[maybe_unused]] int row,
                             [[maybe_unused]] const std::string& text) {}
void TEditor::PaintSelectedRow([[maybe_unused]] TFountainParser& parser,
                               [[maybe_unused]] const TRect& rect, [[maybe_unused]] int row,
                               [[maybe_unused]] const std::string& text) {}
void TEditor::PaintRowWithSelection([[maybe_unused]] TFountainParser& parser,
                                    [[maybe_unused]] const TRect& rect, [[maybe_unused]] int row,
                                    [[maybe_unused]] const std::string& text) {}
void TEditor::PaintImagebar([[maybe_unused]] int first, [[maybe_unused]] int last) {}
void TEditor::PaintRowsNow([[maybe_unused]] int first, [[maybe_unused]] int last) {}

} // namespace kes
