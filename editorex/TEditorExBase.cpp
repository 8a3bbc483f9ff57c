#include "editorex/TEditorExBase.h"

#include "textmodel/TEditorScreenStrings.h"
#include "toolkit/gui/ShellOpen.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QWheelEvent>

#include <algorithm>
#include <cstdlib>

namespace kes {

namespace {

constexpr int WheelNotch = 120;
constexpr std::string_view CrLf = "\r\n";

int Length(std::string_view text) {
    return static_cast<int>(text.size());
}

// What is kept of a part-turn when the wheel turns on: nothing when it now turns the other way.
int SameWay(int kept, int delta) {
    return (kept > 0 && delta < 0) || (kept < 0 && delta > 0) ? 0 : kept;
}

} // namespace

TEditorExBase::TEditorExBase(QWidget* parent) : TEditorEx(parent) {}

TEditorExBase::~TEditorExBase() = default;

// ---- links

void TEditorExBase::DoAboveURL(char token, Qt::KeyboardModifiers shift, Qt::MouseButtons buttons,
                               int x, int y) {
    SetCursorKind(TEditorCursorKind::Link);
    if (OnAboveURL)
        OnAboveURL(this, token, shift, buttons, x, y);
}

void TEditorExBase::MouseMove(QMouseEvent* event) {
    TEditorEx::MouseMove(event);
    if (!clickableURL_)
        return;
    const QPoint p = event->position().toPoint();
    const TTokenKind kind = TokenKindAtPos({p.x(), p.y()});
    if (kind == ttUrl || kind == ttMail) {
        DoAboveURL(static_cast<char>(kind), event->modifiers(), event->buttons(), p.x(), p.y());
        return;
    }
    // Off a link the pointer's area decides, the drag cursors at once while a selection is
    // dragged.
    if (DragState() == TEditorDragState::Dragging)
        SetCursorKind(event->modifiers() & Qt::ControlModifier ? TEditorCursorKind::DragCopy
                                                               : TEditorCursorKind::DragMove);
    else
        SetCursorKind(CursorKindAt(p.x(), p.y()));
}

void TEditorExBase::OpenURL(const std::string& url) {
    ShellOpen(url);
}

void TEditorExBase::DoubleClick(QMouseEvent*) {
    // The first click has put the caret on the token; a double click does nothing else.
    if (!clickableURL_)
        return;
    const TTokenKind kind = TokenKindAtCaret();
    if (kind != ttUrl && kind != ttMail)
        return;
    const std::string text = TokenTextAtCaret();
    if (kind == ttMail)
        OpenURL("mailto:" + text);
    else
        OpenURL(LinkWithScheme(text));
}

// ---- the wheel

bool TEditorExBase::Wheel(QWheelEvent* event) {
    TEditorEx::Wheel(event);
    // While the left button is held or a selection is dragged the mouse owns the control.
    if (buttonHeld_ || DragState() != TEditorDragState::None ||
        (QGuiApplication::mouseButtons() & Qt::LeftButton))
        return true;
    const bool page = event->modifiers() == Qt::ControlModifier;
    const int angle = event->angleDelta().y();
    // A notch scrolls one line (or page). A device that reports pixels scrolls a line per row
    // height of them, but never more lines in one event than its notches would.
    int lines = 0;
    if (!event->pixelDelta().isNull()) {
        const int pixels = event->pixelDelta().y();
        const int row = std::max(1, RowHeight());
        wheelPixels_ = SameWay(wheelPixels_, pixels) + pixels;
        lines = wheelPixels_ / row;
        const int cap = std::max(1, std::abs(angle) / WheelNotch);
        if (std::abs(lines) > cap) {
            lines = lines > 0 ? cap : -cap;
            wheelPixels_ = 0;
        } else {
            wheelPixels_ -= lines * row;
        }
    } else {
        wheelAngle_ = SameWay(wheelAngle_, angle) + angle;
        lines = wheelAngle_ / WheelNotch;
        wheelAngle_ -= lines * WheelNotch;
    }
    for (int i = 0; i < std::abs(lines); ++i) {
        // Turned away from the user (positive) scrolls up.
        const bool up = lines > 0;
        ScrollRequest(Qt::Vertical,
                      page ? (up ? scPageUp : scPageDown) : (up ? scLineUp : scLineDown), 0);
    }
    return true;
}

// ---- quoting

void TEditorExBase::InsertToLines(std::string_view text, TInsertToLinesOptions options) {
    if (!Selected() || ReadOnly())
        return;
    const int count = ListCount();
    const int firstRow = SelStartRow();
    // The row after the last, where a selection may end, is no line.
    const int lastRow = std::min(SelEndRow(), count - 1);
    if (lastRow < firstRow)
        return;
    const bool box = SelectionMode() == smBox && (options & ilBoxColumns);
    const int boxLeft = SelStartCol();
    const int boxRight = SelEndCol();
    int start = 0;
    int end = 0;
    GetSelection(start, end);
    const int oldRow = Row();
    const int oldCol = Col();

    const int first = RowStart(firstRow);
    int last = lastRow;
    while (last < count - 1 && ListRow(last) == raContinued)
        ++last;
    std::string rebuilt;
    int added = 0;
    for (int lineStart = first; lineStart <= last;) {
        // The rows of one logical line, and the row of it the selection's columns refer to.
        int lineEnd = lineStart;
        while (lineEnd < last && ListRow(lineEnd) == raContinued)
            ++lineEnd;
        std::string line;
        for (int r = lineStart; r <= lineEnd; ++r)
            line += ListString(r);
        int position = (options & ilLineEnd) ? Length(line) : 0;
        if (box) {
            const int row = std::clamp(firstRow, lineStart, lineEnd);
            position = RowsLength(lineStart, row) +
                       ColToIndex(row, (options & ilLineEnd) ? boxRight : boxLeft);
        }
        if (position > Length(line))
            line.append(static_cast<size_t>(position - Length(line)), ' ');
        // Without ilAlways a text already there (before the position at the end) goes away.
        const int at = (options & ilLineEnd) ? position - Length(text) : position;
        const bool present = at >= 0 && std::string_view(line).substr(at).starts_with(text);
        if (!(options & ilAlways) && present) {
            line.erase(static_cast<size_t>(at), text.size());
            added -= Length(text);
        } else {
            line.insert(static_cast<size_t>(position), text);
            added += Length(text);
        }
        rebuilt += line;
        if (ListRow(lineEnd) == raLineEnd)
            rebuilt += CrLf;
        lineStart = lineEnd + 1;
    }
    const int anchor = EditAnchorRow(first);
    CleanSelection();
    ReplaceRows(first, last - first + 1, rebuilt, anchor, CharOffset(anchor, first, 0));
    if (options & ilSelect)
        SetSelection(start, end + added);
    else
        SetRowCol(oldRow, oldCol);
}

} // namespace kes
