#include "editor/TEditor.h"

#include "textmodel/TEditorScreenStrings.h"
#include "toolkit/core/Cp932.h"
#include "toolkit/core/ScopeGuard.h"
#include "toolkit/core/TLineSplitter.h"
#include "toolkit/gui/QtText.h"
#include "toolkit/gui/TClipboard.h"

#include <QApplication>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QTextCharFormat>

#include <algorithm>

namespace kes {

namespace {

constexpr std::string_view kCrLf = "\r\n";

std::string Spaces(int count) {
    return std::string(static_cast<size_t>(std::max(0, count)), ' ');
}

int Length(std::string_view text) {
    return static_cast<int>(text.size());
}

// Appends a row to the text of an edit, with the line break that its attribute gives it.
void AppendRow(std::string& text, std::string_view row, TRowAttribute attribute) {
    text += row;
    if (attribute == raLineEnd)
        text += kCrLf;
}

// Puts piece into row at byte index, padding the row with spaces up to it when it is shorter
// (the caret may stand beyond the end of a row).
void InsertAt(std::string& row, int index, std::string_view piece) {
    if (index > Length(row))
        row.append(static_cast<size_t>(index - Length(row)), ' ');
    row.insert(static_cast<size_t>(index), piece);
}

// The text up to its first NUL with every line break (CR LF, LF, a lone CR) written CR LF, as
// the rows hold them: the caret after an inserted text is counted in those bytes.
std::string WithCrLf(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    ForEachLine(text, TLineSplit{.nulEndsText = true}, [&result](const TTextLine& line) {
        result += line.text;
        if (line.broken)
            result += kCrLf;
    });
    return result;
}

// The printable characters of a typed text: single bytes 0x20-0x7E and 0xA0-0xFF that are not
// lead bytes, and double-byte characters. A lead byte without its trail byte is dropped, as
// are control characters.
std::vector<std::string_view> PrintableCharacters(std::string_view bytes) {
    std::vector<std::string_view> characters;
    for (size_t p = 0; p < bytes.size();) {
        const size_t length = CharLength(bytes, p);
        const auto b = static_cast<unsigned char>(bytes[p]);
        if (length == 2 || (!IsLeadByte(b) && ((b >= 0x20 && b <= 0x7E) || b >= 0xA0)))
            characters.push_back(bytes.substr(p, length));
        p += length;
    }
    return characters;
}

} // namespace

// ---- the frame of every edit

int TEditor::EditAnchorRow(int row) const {
    return std::max(RowStart(row), row - 1);
}

int TEditor::RowsToReplace(int first, int last) const {
    return std::max(0, std::min(last, ListCount() - 1) - first + 1);
}

void TEditor::ClearHit() {
    if (selState_ == TEditorSelectionState::Hit)
        CleanSelection();
}

void TEditor::ReplaceRows(int row, int count, std::string_view text, int anchorRow, int offset) {
    // The caret stays hidden and the caret-row underline waits while the rows change, on every
    // way out.
    HideCaretNested();
    BeginUnderlineUpdate();
    ++editDepth_;
    WithCleanup(
        [&] {
            list_->UpdateRows(row, count, text);
            PlaceCaretAtOffset(anchorRow, offset);
        },
        [this] {
            --editDepth_;
            EndUnderlineUpdate();
            ShowCaretNested();
            if (editDepth_ == 0 && changePending_) {
                changePending_ = false;
                if (OnChange)
                    OnChange(this);
            }
        });
}

void TEditor::ReplaceSelectionBy(std::string_view text) {
    int row = row_;
    int count = 0;
    int at = 0;
    std::string rows;
    if (Selected()) {
        const TRowsWithoutSelection rest = RowsWithoutSelection();
        row = sel_.startRow;
        count = RowsToReplace(row, sel_.endRow);
        if (selectionMode_ == smBox)
            at = rest.boxIndexes.empty() ? 0 : rest.boxIndexes.front();
        else
            at = rest.insertIndex;
        for (size_t k = 0; k < rest.rows.size(); ++k) {
            // A box reaching the row after the last has nothing of it to keep.
            if (k > 0 && row + static_cast<int>(k) >= ListCount())
                break;
            std::string rebuilt = rest.rows[k];
            // A box whose left edge lies beyond a short first row: a text put there reaches it
            // by spaces, a deletion leaves the row as it is.
            if (k == 0 && text.empty())
                at = std::min(at, Length(rebuilt));
            else if (k == 0)
                InsertAt(rebuilt, at, text);
            AppendRow(rows, rebuilt, rest.attributes[k]);
        }
        if (text.empty() && rows == list_->GetRowsText(row, count).text) {
            CleanSelection();
            return;
        }
    } else {
        std::string rebuilt = ListString(row);
        at = CaretIndex();
        InsertAt(rebuilt, at, text);
        AppendRow(rows, rebuilt, ListRow(row));
        count = row < ListCount() ? 1 : 0;
    }
    const int anchor = EditAnchorRow(row);
    const int offset = CharOffset(anchor, row, 0) + at + Length(text);
    CleanSelection();
    ReplaceRows(row, count, rows, anchor, offset);
}

// ---- commands

void TEditor::CopyToClipboard() {
    if (!Selected())
        return;
    if (selectionMode_ == smBox)
        TClipboard::SetBoxText(SelText());
    else
        TClipboard::SetText(SelText());
}

void TEditor::CutToClipboard() {
    if (!Selected())
        return;
    CopyToClipboard();
    DeleteSelection();
}

void TEditor::PasteFromClipboard() {
    if (!TClipboard::HasText())
        return;
    if (TClipboard::HasBoxFormat())
        PasteBox(TClipboard::Text());
    else
        SetSelText(TClipboard::Text());
}

void TEditor::DeleteSelection() {
    ClearHit();
    if (Selected())
        ReplaceSelectionBy({});
}

void TEditor::SetSelText(std::string_view text) {
    if (readOnly_)
        return;
    const std::string x = WithCrLf(text);
    if (x.empty()) {
        DeleteSelection();
        return;
    }
    ClearHit();
    ReplaceSelectionBy(x);
}

void TEditor::InsertTypedText(std::string_view text) {
    if (text.empty())
        return;
    // The caret cannot pass the last column: every further character would go in before the
    // one typed last, and the text would come out backwards.
    if (!Selected() && col_ >= MaxCol) {
        QApplication::beep();
        return;
    }
    SetSelText(text);
}

void TEditor::SelectAll() {
    WithCaretHidden([&] {
        SetSelStart(0);
        SetSelLength(GetTextLength());
    });
}

void TEditor::PasteBox(std::string_view text) {
    if (readOnly_)
        return;
    ClearHit();
    std::vector<std::string_view> lines;
    ForEachLine(text, TLineSplit{.nulEndsText = true},
                [&lines](const TTextLine& line) { lines.push_back(line.text); });
    const int lineCount = static_cast<int>(lines.size());
    if (lineCount == 0) {
        DeleteSelection();
        return;
    }
    const bool selected = Selected();
    const int top = selected ? sel_.startRow : row_;
    const int column = selected ? sel_.startCol : col_;
    TRowsWithoutSelection rest;
    if (selected)
        rest = RowsWithoutSelection();
    const int rebuiltCount = static_cast<int>(rest.rows.size());
    // Lines beyond the rebuilt rows go into the rows after the selection (or from the caret
    // row on), then into new rows.
    int next = selected ? sel_.endRow + 1 : top;
    int last = selected ? sel_.endRow : top - 1;
    std::string rows;
    int caretOffset = 0;
    for (int k = 0; k < std::max(lineCount, rebuiltCount); ++k) {
        std::string row;
        int index = column;
        TRowAttribute attribute = raLineEnd;
        if (k < rebuiltCount) {
            // A box reaching the row after the last has nothing of it to keep.
            if (k >= lineCount && top + k >= ListCount())
                break;
            const auto r = static_cast<size_t>(k);
            row = rest.rows[r];
            index = selectionMode_ == smBox ? rest.boxIndexes[r] : rest.insertIndex;
            attribute = rest.attributes[r];
        } else if (next < ListCount()) {
            row = ListString(next);
            const int width = DisplayWidth(row);
            index = column < width ? StartIndex(row, column) : Length(row) + column - width;
            attribute = ListRow(next);
            last = next++;
        }
        if (k < lineCount) {
            const std::string_view line = lines[static_cast<size_t>(k)];
            InsertAt(row, index, line);
            caretOffset = Length(rows) + index + Length(line);
        }
        // Every row ends with a line break, also one that ended the text; a row that word wrap
        // continues goes on.
        AppendRow(rows, row, attribute == raContinued ? raContinued : raLineEnd);
    }
    const int anchor = EditAnchorRow(top);
    const int offset = CharOffset(anchor, top, 0) + caretOffset;
    CleanSelection();
    ReplaceRows(top, RowsToReplace(top, last), rows, anchor, offset);
}

// ---- keys that edit

void TEditor::TypeTab() {
    if (readOnly_)
        return;
    const int tabs = caret_->TabSpaceCount();
    int width = tabs - col_ % tabs;
    if (WordWrap()) {
        const int wrap = WrapOption()->WrapByte();
        width = std::min(width, wrap - col_ % wrap);
    }
    InsertTypedText(caret_->SoftTab() ? Spaces(width) : std::string("\t"));
}

int TEditor::EnterIndent(int row, int first) const {
    if (!caret_->AutoIndent())
        return 0;
    const int indent = IndentWidth(ListString(first));
    if (indent >= 1)
        return row == first && col_ < indent ? col_ : indent;
    if (caret_->PrevSpaceIndent() && row == first && ListString(row).empty()) {
        // The nearest earlier logical line that does not start empty.
        for (int r = first - 1; r >= 0; r = RowStart(r) - 1) {
            const std::string start = ListString(RowStart(r));
            if (!start.empty())
                return IndentWidth(start);
        }
    }
    return 0;
}

std::string TEditor::IndentText(int width) const {
    if (!caret_->TabIndent())
        return Spaces(width);
    const int tabs = caret_->TabSpaceCount();
    return std::string(static_cast<size_t>(width / tabs), '\t') + Spaces(width % tabs);
}

void TEditor::TypeEnter(bool shift) {
    if (readOnly_)
        return;
    ClearHit();
    if (Selected()) {
        if (shift)
            return;
        DeleteSelection();
    }
    const int row = row_;
    if (row >= ListCount()) {
        const int anchor = EditAnchorRow(row);
        ReplaceRows(row, 0, kCrLf, anchor, CharOffset(anchor, row, 0) + Length(kCrLf));
        return;
    }
    const int first = RowStart(row);
    const std::string indent = IndentText(EnterIndent(row, first));
    if (shift) {
        ReplaceRows(first, 0, indent + std::string(kCrLf), first, Length(indent));
        return;
    }
    const std::string t = ListString(row);
    // Spaces are never added for a caret beyond the end of the row.
    const int index = std::min(CaretIndex(), Length(t));
    std::string text = t.substr(0, static_cast<size_t>(index));
    text += kCrLf;
    text += indent;
    AppendRow(text, std::string_view(t).substr(static_cast<size_t>(index)), ListRow(row));
    const int offset = CharOffset(first, row, 0) + index + Length(indent) + Length(kCrLf);
    ReplaceRows(row, 1, text, first, offset);
}

bool TEditor::StartDeletingKey() {
    if (readOnly_)
        return false;
    ClearHit();
    if (Selected()) {
        DeleteSelection();
        return false;
    }
    return true;
}

void TEditor::TypeDelete() {
    if (!StartDeletingKey())
        return;
    const int row = row_;
    if (row >= ListCount())
        return;
    const TRowAttribute attribute = ListRow(row);
    const int index = CaretIndex();
    std::string text = ListString(row);
    const int length = Length(text);
    int count = 1;
    if (index < length) {
        // On tab padding the index is the tab's: the tab goes and the caret stands on its
        // column.
        text.erase(static_cast<size_t>(index), CharLength(text, static_cast<size_t>(index)));
        AppendRow(text, {}, attribute);
    } else {
        if (attribute == raTextEnd)
            return;
        // The line break goes: the next row joins (on the last row only the break goes).
        text += Spaces(index - length);
        if (row + 1 < ListCount()) {
            AppendRow(text, ListString(row + 1), ListRow(row + 1));
            count = 2;
        }
    }
    const int anchor = EditAnchorRow(row);
    ReplaceRows(row, count, text, anchor, CharOffset(anchor, row, 0) + index);
}

int TEditor::CharStartBefore(std::string_view text, int col) const {
    const std::string attributes = StrToAttributes(text);
    int c = std::min(col, Length(attributes)) - 1;
    while (c > 0 &&
           (attributes[static_cast<size_t>(c)] == '3' || attributes[static_cast<size_t>(c)] == '5'))
        --c;
    return StartIndex(text, std::max(c, 0));
}

void TEditor::TypeBackspace() {
    if (!StartDeletingKey())
        return;
    if (TextEmpty()) {
        SetCol(col_ - 1);
        return;
    }
    if (col_ == 0) {
        JoinWithPreviousRow();
        return;
    }
    if (caret_->BackSpaceUnIndent() && UnIndent())
        return;
    const int row = row_;
    std::string text = ListString(row);
    if (col_ > DisplayWidth(text)) {
        SetCol(col_ - 1);
        return;
    }
    // Inside or right after tab padding the character before the caret is the tab.
    const std::string attributes = StrToAttributes(text);
    const bool onPadding =
        col_ < Length(attributes) && attributes[static_cast<size_t>(col_)] == '3';
    const int start = onPadding ? CaretIndex() : CharStartBefore(text, col_);
    text.erase(static_cast<size_t>(start), CharLength(text, static_cast<size_t>(start)));
    AppendRow(text, {}, ListRow(row));
    const int anchor = EditAnchorRow(row);
    ReplaceRows(row, 1, text, anchor, CharOffset(anchor, row, 0) + start);
}

void TEditor::JoinWithPreviousRow() {
    const int row = row_;
    if (row == 0)
        return;
    const int previous = row - 1;
    std::string text = ListString(previous);
    // A wrapped row loses its last character, a row with a line break the line break.
    if (ListRow(previous) == raContinued)
        text.erase(static_cast<size_t>(CharStartBefore(text, DisplayWidth(text))));
    const int join = Length(text);
    int count = 1;
    if (row < ListCount()) {
        AppendRow(text, ListString(row), ListRow(row));
        count = 2;
    }
    const int anchor = std::max(RowStart(previous), row - 2);
    ReplaceRows(previous, count, text, anchor, CharOffset(anchor, previous, 0) + join);
}

int TEditor::UnIndentColumn(int row) const {
    const int first = RowStart(row);
    int h = 0;
    for (int r = row - 1; r >= 0; --r) {
        h = std::max(0, IndentWidth(ListString(r)));
        if (r == first || (r < first && h < col_) || (r > first && h > 0 && h < col_))
            break;
    }
    // Backspace never moves the caret right.
    return h < col_ ? h : 0;
}

bool TEditor::UnIndent() {
    const int row = row_;
    const std::string t = ListString(row);
    const int width = DisplayWidth(t);
    const int indent = IndentWidth(t);
    if (indent != -1 && indent != width && indent != col_)
        return false;
    const int h = UnIndentColumn(row);
    if (h >= width) {
        SetCol(h);
        return true;
    }
    // The white space keeps its columns up to h (a character that crosses h becomes the
    // spaces before h) and goes on at the caret (padding after the caret becomes spaces).
    const std::string attributes = StrToAttributes(t);
    const auto at = [&](int c) {
        return c < Length(attributes) ? attributes[static_cast<size_t>(c)] : '1';
    };
    std::string text;
    int c = 0;
    while (c < h) {
        int next = c + 1;
        while (next < width && (at(next) == '3' || at(next) == '5'))
            ++next;
        if (next <= h)
            text += t.substr(static_cast<size_t>(StartIndex(t, c)),
                             static_cast<size_t>(StartIndex(t, next) - StartIndex(t, c)));
        else
            text += Spaces(h - c);
        c = next;
    }
    const int kept = Length(text);
    if (col_ < width) {
        int resume = col_;
        while (resume < width && at(resume) == '3')
            ++resume;
        text += Spaces(resume - col_);
        text += t.substr(static_cast<size_t>(StartIndex(t, resume)));
    }
    AppendRow(text, {}, ListRow(row));
    const int anchor = EditAnchorRow(row);
    ReplaceRows(row, 1, text, anchor, CharOffset(anchor, row, 0) + kept);
    return true;
}

// ---- keyboard

bool TEditor::TypeText(std::string_view bytes) {
    const std::vector<std::string_view> characters = PrintableCharacters(bytes);
    std::string typed;
    bool singleByte = false;
    for (std::string_view character : characters) {
        singleByte = singleByte || character.size() == 1;
        typed += character;
    }
    if (typed.empty() || readOnly_)
        return !characters.empty();
    if (singleByte && imePending_)
        PlaceImeWindow();
    InsertTypedText(typed);
    return true;
}

bool TEditor::KeyPress(int code, bool shift) {
    switch (code) {
    case 8:
        TypeBackspace();
        return true;
    case 9:
        if (!wantTabs_)
            return false;
        // Shift + Tab is no outdent.
        if (!shift)
            TypeTab();
        return true;
    case 13:
        if (!wantReturns_)
            return false;
        TypeEnter(shift);
        return true;
    default:
        // 10 (Control + Enter), 127 (Control + Backspace) and the other control codes.
        return true;
    }
}

namespace {

bool IsMovementKey(int key) {
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    default:
        return false;
    }
}

} // namespace

bool TEditor::MovementKey(int key, bool shift, bool control) {
    if (!IsMovementKey(key))
        return false;
    // Shift starts a selection at the caret and extends it after the move; without Shift a
    // move drops the selection. Any move drops a search hit.
    if (selState_ == TEditorSelectionState::Hit)
        CleanSelection();
    if (shift) {
        if (selState_ != TEditorSelectionState::Selected)
            StartSelection();
    } else if (selState_ != TEditorSelectionState::None) {
        CleanSelection();
    }
    switch (key) {
    case Qt::Key_Left:
        control ? MoveWordLeft() : MoveLeft();
        break;
    case Qt::Key_Right:
        control ? MoveWordRight() : MoveRight();
        break;
    case Qt::Key_Up:
        control ? ScrollUp(VerticalStep(true)) : MoveUp(VerticalStep(true));
        break;
    case Qt::Key_Down:
        control ? ScrollDown(VerticalStep(false)) : MoveDown(VerticalStep(false));
        break;
    case Qt::Key_PageUp:
        MovePage(-PageRows());
        break;
    case Qt::Key_PageDown:
        MovePage(PageRows());
        break;
    case Qt::Key_Home:
        MoveLineStart(control);
        break;
    default:
        MoveLineEnd(control);
        break;
    }
    if (shift)
        ExtendSelection();
    return true;
}

void TEditor::KeyDown(QKeyEvent* event) {
    keyRepeat_ = event->isAutoRepeat();
    // While the left button is held or a selection is dragged the mouse owns the control;
    // a drag hears only Control (copy or move) and Escape (cancel).
    if (DragKey(event, true) || dragState_ != TEditorDragState::None ||
        (QGuiApplication::mouseButtons() & Qt::LeftButton)) {
        event->accept();
        return;
    }
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const bool shift = modifiers & Qt::ShiftModifier;
    const bool control = modifiers & Qt::ControlModifier;
    bool handled = MovementKey(event->key(), shift, control);
    if (!handled) {
        switch (event->key()) {
        case Qt::Key_Delete:
            TypeDelete();
            handled = true;
            break;
        case Qt::Key_Backspace:
            handled = KeyPress(control ? 127 : 8, shift);
            break;
        case Qt::Key_Tab:
            handled = control || KeyPress(9, shift);
            break;
        case Qt::Key_Backtab:
            handled = KeyPress(9, true);
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            handled = KeyPress(control ? 10 : 13, shift);
            break;
        default: {
            // Text comes with a key alone or with Shift; Control or Alt alone make commands,
            // not characters.
            const QString text = event->text();
            if (!text.isEmpty() && control == bool(modifiers & Qt::AltModifier))
                handled = TypeText(QStringToCp932(text));
            break;
        }
        }
    }
    event->setAccepted(handled);
}

void TEditor::KeyUp(QKeyEvent* event) {
    DragKey(event, false);
    // A held key repeats as pairs of releases and presses that are marked auto-repeat.
    if (event->isAutoRepeat())
        return;
    keyRepeat_ = false;
    if (imePending_)
        PlaceImeWindow();
}

void TEditor::InputMethod(QInputMethodEvent* event) {
    event->accept();
    if (readOnly_)
        return;
    // The preedit an event does not repeat is gone, the commit replaces it.
    if (!preedit_.text.empty()) {
        InvalidateRow(row_);
        preedit_ = TPreedit();
    }
    if (event->replacementLength() > 0)
        SelectAroundCaret(event->replacementStart(), event->replacementLength());
    const std::string commit = QStringToCp932(event->commitString());
    if (!commit.empty())
        InsertTypedText(commit);
    else if (event->replacementLength() > 0)
        DeleteSelection();
    SetPreedit(*event);
    PlaceSystemCaret();
}

void TEditor::SetPreedit(const QInputMethodEvent& event) {
    const QString preedit = event.preeditString();
    preedit_.text = QStringToCp932(preedit);
    if (preedit_.text.empty())
        return;
    // Positions come in UTF-16 units of the preedit, perhaps out of it.
    const auto bytes = [&](int units) {
        const qsizetype n = std::clamp<qsizetype>(units, 0, preedit.size());
        return std::min(Length(QStringToCp932(preedit.left(n))), Length(preedit_.text));
    };
    preedit_.cursor = Length(preedit_.text);
    bool segmentFound = false;
    for (const QInputMethodEvent::Attribute& a : event.attributes()) {
        if (a.type == QInputMethodEvent::Cursor) {
            preedit_.cursor = bytes(a.start);
        } else if (a.type == QInputMethodEvent::TextFormat && !segmentFound) {
            // The segment being converted is the one drawn unlike the plain underline.
            const QTextCharFormat format = a.value.value<QTextFormat>().toCharFormat();
            if (format.background().style() != Qt::NoBrush || !format.fontUnderline()) {
                preedit_.segmentStart = bytes(a.start);
                preedit_.segmentEnd = std::max(preedit_.segmentStart, bytes(a.start + a.length));
                segmentFound = true;
            }
        }
    }
    InvalidateRow(row_);
}

void TEditor::CaretRowText(QString& before, QString& after) const {
    const std::string t = ListString(row_);
    const int index = std::min(CaretIndex(), Length(t));
    before = Cp932ToQString(std::string_view(t).substr(0, static_cast<size_t>(index)));
    after = Cp932ToQString(std::string_view(t).substr(static_cast<size_t>(index)));
}

void TEditor::SelectAroundCaret(int start, int length) {
    QString before;
    QString after;
    CaretRowText(before, after);
    const QString line = before + after;
    const auto clamp = [&](qsizetype p) { return std::clamp<qsizetype>(p, 0, line.size()); };
    const qsizetype from = clamp(before.size() + start);
    const qsizetype to = clamp(from + length);
    const int rowStart = CharOffset(0, row_, 0);
    SetSelStart(rowStart + Length(QStringToCp932(line.left(from))));
    SetSelLength(Length(QStringToCp932(line.left(to))) - Length(QStringToCp932(line.left(from))));
}

} // namespace kes
