#pragma once

#include "editorex/TEditorEx.h"

#include <string>
#include <string_view>

namespace kes {

// Where InsertToLines puts its text in each line: at the end instead of the start; always
// (without it a text already there is taken away instead); at the box's left or right column
// in a box selection; and whether the changed range is selected afterwards.
enum TInsertToLinesOption : unsigned {
    ilLineEnd = 1u << 0,
    ilAlways = 1u << 1,
    ilBoxColumns = 1u << 2,
    ilSelect = 1u << 3,
};
using TInsertToLinesOptions = unsigned;

// The mouse over a URL or a mail address: the token's kind (ttUrl or ttMail), the modifier
// keys and buttons held, and the point in client coordinates.
using TAboveURLEvent = TMethod<void(TObject* sender, char token, Qt::KeyboardModifiers shift,
                                    Qt::MouseButtons buttons, int x, int y)>;

// The editor of the post editor's main window: URLs and mail addresses act as links (a hand
// over them, opened by a double click), the wheel scrolls by lines or pages, and one edit puts
// a text at the start or end of every selected line (quoting).
class TEditorExBase : public TEditorEx {
    Q_OBJECT

public:
    explicit TEditorExBase(QWidget* parent = nullptr);
    ~TEditorExBase() override;

    bool ClickableURL() const { return clickableURL_; }
    void SetClickableURL(bool value) { clickableURL_ = value; }
    TAboveURLEvent OnAboveURL;

    // Inserts text into every logical line the selection touches, as one edit and one undo
    // step; nothing without a selection. The row after the last, where a selection may end,
    // is no line and gets nothing.
    void InsertToLines(std::string_view text, TInsertToLinesOptions options);

protected:
    // Shows the hand and raises OnAboveURL.
    virtual void DoAboveURL(char token, Qt::KeyboardModifiers shift, Qt::MouseButtons buttons,
                            int x, int y);
    // Hands a URL (or "mailto:" and an address) to the desktop, which opens it with the
    // program the user chose for it.
    virtual void OpenURL(const std::string& url);

    void MouseMove(QMouseEvent* event) override;
    void DoubleClick(QMouseEvent* event) override;
    bool Wheel(QWheelEvent* event) override;

private:
    bool clickableURL_ = false;
    // Wheel turns not yet scrolled: eighths of a degree (a notch is 120), and pixels of a
    // device that scrolls by pixels.
    int wheelAngle_ = 0;
    int wheelPixels_ = 0;
};

} // namespace kes
