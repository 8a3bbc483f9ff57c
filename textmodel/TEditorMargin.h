#pragma once

#include "support/TNotifyPersistent.h"

namespace kes {

// The editor's margins in pixels: between characters, left of the text, between rows and
// above the text, each 0 to 100.
class TEditorMargin : public TNotifyPersistent {
public:
    void Assign(TPersistent* source) override;

    int Character() const { return character_; }
    void SetCharacter(int value);
    int Left() const { return left_; }
    void SetLeft(int value);
    int Line() const { return line_; }
    void SetLine(int value);
    int Top() const { return top_; }
    void SetTop(int value);

    // Room under every row for the caret-row underline: the editor keeps it at 1 while the
    // underline is visible and at 0 otherwise. Not a setting of its own, so it notifies nobody.
    int UnderlineSpacing() const { return underlineSpacing_; }
    void SetUnderlineSpacing(int value) { underlineSpacing_ = value; }

private:
    int character_ = 0;
    int left_ = 19;
    int line_ = 0;
    int top_ = 2;
    int underlineSpacing_ = 0;
};

} // namespace kes
