#pragma once

#include "editor/TEditor.h"
#include "textmodel/TEditorStrings.h"
#include "toolkit/gui/QtColor.h"

#include <QApplication>
#include <QImage>

#include <gtest/gtest.h>

#include <memory>
#include <string_view>

namespace kes::test {

// An editor (TEditor or a test's descendant) of width x height pixels, shown, with the
// keyboard focus, holding text (set through Lines, so it is wrapped and parsed like a loaded
// text). The caret is at (0, 0).
template <class Editor = TEditor>
std::unique_ptr<Editor> MakeShownEditor(int width, int height, std::string_view text = {}) {
    auto editor = std::make_unique<Editor>();
    editor->resize(width, height);
    editor->show();
    QApplication::setActiveWindow(editor.get());
    editor->setFocus();
    QApplication::processEvents();
    EXPECT_TRUE(editor->hasFocus()) << "the editor did not get the keyboard focus";
    if (!text.empty())
        editor->Lines()->SetTextStr(text);
    editor->SetRowCol(0, 0);
    return editor;
}

// Rows of text joined by CR LF: "line 0", "line 1", ...
inline std::string NumberedLines(int count) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += "line " + std::to_string(i) + "\r\n";
    return text;
}

// The client area as the screen shows it, without the caret (which blinks): taken with the
// focus away from the editor.
inline QImage Shot(TEditor& editor) {
    editor.clearFocus();
    QApplication::processEvents();
    return editor.viewport()->grab().toImage();
}

inline TColor At(const QImage& image, int x, int y) {
    return FromQColor(image.pixelColor(x, y));
}

} // namespace kes::test
