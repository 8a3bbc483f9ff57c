#include "editorex/TEditorEx.h"

namespace kes {

void TEditorEx::DrawDBSpaceMark(int /*x*/, int /*y*/, bool /*whole*/) {}
void TEditorEx::DrawSpaceMark(int /*x*/, int /*y*/) {}
void TEditorEx::DrawTabMark(int /*x*/, int /*y*/) {}
void TEditorEx::DrawFindMark(int /*x1*/, int /*x2*/, int /*y*/) {}
void TEditorEx::DrawParenMark(int /*x*/, int /*y*/, const std::string& /*text*/) {}
void TEditorEx::DrawLineBackground(const TRect& /*rect*/, int /*x*/, TColor /*color*/, int /*row*/,
                                   const std::string& /*text*/, int /*y*/) {}
void TEditorEx::DrawVerticalLine(int /*index*/) {}
void TEditorEx::DrawVerticalLines() {}

void TEditorEx::Paint(const TRect& clip) {
    TOleddEditor::Paint(clip);
}

void TEditorEx::DrawEofMark(int x, int y) {
    TOleddEditor::DrawEofMark(x, y);
}

void TEditorEx::DrawUnderline(int row) {
    TOleddEditor::DrawUnderline(row);
}

void TEditorEx::DoDrawLine(const TRect& rect, int x, bool selected, int row,
                           const std::string& text, int y) {
    TOleddEditor::DoDrawLine(rect, x, selected, row, text, y);
}

} // namespace kes
