#include "editor/TEditor.h"
#include "editor/TEditorPopupMenu.h"

#include "fountain/TFountain.h"
#include "fountain/TFountainParser.h"
#include "textmodel/TEditorScreen.h"
#include "textmodel/TEditorScreenStrings.h"
#include "textmodel/TEditorStrings.h"
#include "textmodel/TEditorUndoObj.h"
#include "toolkit/core/Cp932.h"
#include "toolkit/gui/QtText.h"
#include "toolkit/gui/TBitmap.h"

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QInputMethod>
#include <QMenu>

#include <algorithm>

namespace kes {

namespace {

// Tab padding columns in attributes[0, end).
int PaddingColumns(std::string_view attributes, int end) {
    end = std::clamp(end, 0, static_cast<int>(attributes.size()));
    return static_cast<int>(std::count(attributes.begin(), attributes.begin() + end, '3'));
}

char AttributeAt(std::string_view attributes, int col) {
    return col >= 0 && col < static_cast<int>(attributes.size()) ? attributes[col] : '\0';
}

bool MouseButtonDown() {
    return QGuiApplication::mouseButtons() != Qt::NoButton;
}

bool LeftButtonHeld() {
    return QGuiApplication::mouseButtons().testFlag(Qt::LeftButton);
}

} // namespace

// ---- construction

TEditor::TEditor(QWidget* parent) : TCustomControl(parent) {
    rule_.delimiters = GetDefaultDelimiters();
    caret_ = CreateCaretOptions();
    imagebar_ = CreateImagebar();
    leftbar_ = CreateLeftbar();
    marks_ = CreateMarks();
    margin_ = CreateMargin();
    ruler_ = CreateRuler();
    speed_ = CreateSpeed();
    font_ = std::make_unique<TFont>();
    font_->SetName("FixedSys");
    font_->SetColor(clBlack);
    font_->OnChange = MethodOf<&TEditor::FontChanged>(this);
    reserveWordList_ = std::make_unique<TStringList>();
    screen_ = CreateScreen();
    list_ = CreateScreenStrings();
    list_->AddEditor(this);
    lines_ = CreateLines();
    view_ = CreateViewInfo();
    AttachOptions();
    ownPopupMenu_ = CreatePopupMenu();
    popupMenu_ = ownPopupMenu_;

    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    resize(185, 89);
    SetCursorId(crIBeam);
    CreateDrawBitmaps();

    // The window exists from here on: lay it out and build what its margins draw from.
    Measure();
    UpdateScrollRanges();
    CreateLeftbarEdge();
    InitRuler();
    PaintMarginBackground();
}

TEditor::~TEditor() {
    destroying_ = true;
    if (fountain_)
        fountain_->NotifyEventList()->Remove(MethodOf<&TEditor::FountainChanged>(this));
    screen_.reset();
    view_.reset();
    list_->RemoveEditor(this);
    list_ = nullptr;
    lines_.reset();
    caret_.reset();
    imagebar_.reset();
    leftbar_.reset();
    marks_.reset();
    margin_.reset();
    ruler_.reset();
    speed_.reset();
    FreeDrawBitmaps();
    delete ownPopupMenu_;
}

void TEditor::AttachOptions() {
    const TNotifyEvent handler = MethodOf<&TEditor::OptionsChanged>(this);
    caret_->OnChange = handler;
    imagebar_->OnChange = handler;
    leftbar_->OnChange = handler;
    marks_->OnChange = handler;
    margin_->OnChange = handler;
    ruler_->OnChange = handler;
    view_->OnChange = handler;
}

std::unique_ptr<TEditorCaret> TEditor::CreateCaretOptions() {
    return std::make_unique<TEditorCaret>();
}
std::unique_ptr<TEditorImagebar> TEditor::CreateImagebar() {
    return std::make_unique<TEditorImagebar>();
}
std::unique_ptr<TEditorLeftbar> TEditor::CreateLeftbar() {
    return std::make_unique<TEditorLeftbar>();
}
std::unique_ptr<TEditorMarks> TEditor::CreateMarks() {
    return std::make_unique<TEditorMarks>();
}
std::unique_ptr<TEditorMargin> TEditor::CreateMargin() {
    return std::make_unique<TEditorMargin>();
}
std::unique_ptr<TEditorRuler> TEditor::CreateRuler() {
    return std::make_unique<TEditorRuler>();
}
std::unique_ptr<TEditorSpeed> TEditor::CreateSpeed() {
    return std::make_unique<TEditorSpeed>();
}
QMenu* TEditor::CreatePopupMenu() {
    return new TEditorPopupMenu(this);
}
std::unique_ptr<TEditorScreen> TEditor::CreateScreen() {
    return std::make_unique<TEditorScreen>(*this);
}
TEditorScreenStrings* TEditor::CreateScreenStrings() {
    return new TEditorScreenStrings();
}
std::unique_ptr<TEditorStrings> TEditor::CreateLines() {
    return std::make_unique<TEditorStrings>(*this);
}
std::unique_ptr<TEditorViewInfo> TEditor::CreateViewInfo() {
    return std::make_unique<TEditorViewInfo>();
}

TDelimiters TEditor::GetDefaultDelimiters() const {
    return DefaultDelimiters();
}

// ---- published properties

void TEditor::SetBorderStyle(TBorderStyle value) {
    if (value == borderStyle_)
        return;
    borderStyle_ = value;
    setFrameStyle(value == bsSingle ? QFrame::StyledPanel | QFrame::Sunken : QFrame::NoFrame);
    Measure();
    UpdateScrollRanges();
    Invalidate();
}

void TEditor::SetCaret(TEditorCaret* value) {
    caret_->Assign(value);
}

void TEditor::SetColor(TColor value) {
    if (value == color_)
        return;
    color_ = value;
    InitRuler();
    PaintMarginBackground();
    Invalidate();
}

void TEditor::SetFont(TFont* value) {
    font_->Assign(value);
}

void TEditor::FontChanged(TObject*) {
    if (topCol_ > 0)
        SetCol(0);
    Measure();
    UpdateScrollRanges();
    InitRuler();
    PaintMarginBackground();
    Invalidate();
    CaretChanged();
}

void TEditor::SetFountain(TFountain* value) {
    if (value == fountain_)
        return;
    const TNotifyEvent handler = MethodOf<&TEditor::FountainChanged>(this);
    if (fountain_)
        fountain_->NotifyEventList()->Remove(handler);
    fountain_ = value;
    if (fountain_)
        fountain_->NotifyEventList()->Add(handler);
    list_->InitParseState();
    Measure();
    Invalidate();
}

void TEditor::FountainChanged(TObject* sender) {
    OptionsChanged(sender);
}

TFountain* TEditor::ActiveFountain() const {
    if (fountain_ || !view_)
        return fountain_;
    return view_->Fountain();
}

bool TEditor::InitBracketsFull() const {
    return speed_->InitBracketsFull();
}

void TEditor::SetHitStyle(TEditorHitStyle value) {
    if (value == hitStyle_)
        return;
    hitStyle_ = value;
    if (selState_ != TEditorSelectionState::Hit)
        return;
    // The hit changes between painted and shown by the caret.
    Invalidate();
    RenewCaret();
}

void TEditor::SetImagebar(TEditorImagebar* value) {
    imagebar_->Assign(value);
}

void TEditor::SetImageDigits(TImageList* value) {
    if (value == imageDigits_)
        return;
    imageDigits_ = value;
    if (imagebar_->Visible())
        Invalidate();
}

void TEditor::SetImageMarks(TImageList* value) {
    if (value == imageMarks_)
        return;
    imageMarks_ = value;
    if (imagebar_->Visible())
        Invalidate();
}

void TEditor::SetLeftbar(TEditorLeftbar* value) {
    leftbar_->Assign(value);
}

void TEditor::SetLines(TStrings* value) {
    lines_->Assign(value);
}

void TEditor::SetMargin(TEditorMargin* value) {
    margin_->Assign(value);
}

void TEditor::SetMarks(TEditorMarks* value) {
    marks_->Assign(value);
}

void TEditor::SetReadOnly(bool value) {
    if (value == readOnly_)
        return;
    readOnly_ = value;
    if (readOnly_ && Selected())
        SetCursorId(caret_->Cursors()->DefaultCursor());
}

void TEditor::SetReserveWordList(TStrings* value) {
    reserveWordList_->Assign(value);
    view_->Fountain()->SetReserveWordList(reserveWordList_.get());
}

void TEditor::SetRuler(TEditorRuler* value) {
    ruler_->Assign(value);
}

void TEditor::SetScrollBars(TScrollStyle value) {
    if (value == scrollBars_)
        return;
    scrollBars_ = value;
    SetScrollBarsShown(value == ssHorizontal || value == ssBoth,
                       value == ssVertical || value == ssBoth);
    Measure();
    UpdateScrollRanges();
    Invalidate();
}

void TEditor::SetSpeed(TEditorSpeed* value) {
    speed_->Assign(value);
}

int TEditor::UndoListMax() const {
    return list_->UndoObj().UndoListMax();
}

void TEditor::SetUndoListMax(int value) {
    list_->UndoObj().SetUndoListMax(std::max(value, TEditorUndoObj::MinUndoListMax));
}

void TEditor::SetView(TEditorViewInfo* value) {
    view_->Assign(value);
    ScrollCaretIntoView();
    UpdateCaretPos();
}

void TEditor::SetWantTabs(bool value) {
    wantTabs_ = value;
    TCustomControl::SetWantTabs(value);
}

bool TEditor::WordWrap() const {
    return list_->WordWrap();
}

void TEditor::SetWordWrap(bool value) {
    list_->SetWordWrap(value);
}

TEditorWrapOption* TEditor::WrapOption() const {
    return &list_->WrapOption();
}

void TEditor::SetWrapOption(TEditorWrapOption* value) {
    list_->SetWrapOption(value);
}

void TEditor::SetPopupMenu(QMenu* menu) {
    popupMenu_ = menu;
}

// ---- rows of the text

int TEditor::ListCount() const {
    return list_->GetCount();
}

std::string TEditor::ListString(int row) const {
    if (row < 0 || row >= ListCount())
        return {};
    return std::string(list_->View(row));
}

TRowAttribute TEditor::ListRow(int row) const {
    if (row < 0 || row >= ListCount())
        return raTextEnd;
    return list_->RowAttributes(row);
}

TRowMarks TEditor::ListRowMarks(int row) const {
    if (row < 0 || row >= ListCount())
        return 0;
    return list_->RowMarks(row);
}

void TEditor::SetListRowMarks(int row, TRowMarks marks) {
    if (row < 0 || row >= ListCount())
        return;
    const TRowMarks removed = static_cast<TRowMarks>(list_->RowMarks(row) & ~marks);
    list_->SetRowMarks(row, marks);
    list_->IncludeRowMarks(marks);
    TRowMarks stillUsed = 0;
    if (removed) {
        for (int r = 0; r < ListCount(); ++r)
            stillUsed = static_cast<TRowMarks>(stillUsed | (list_->RowMarks(r) & removed));
        list_->ExcludeRowMarks(static_cast<TRowMarks>(removed & ~stillUsed));
    }
    if (imagebar_->Visible())
        PaintImagebar(row, row);
}

std::string_view TEditor::RowView(int row) const {
    if (row < 0 || row >= ListCount())
        return {};
    return list_->View(row);
}

int TEditor::RowLengthWithBreak(int row) const {
    const int length = static_cast<int>(list_->View(row).size());
    switch (list_->RowAttributes(row)) {
    case raLineEnd:
        return length + 2;
    case raTextEnd:
        return length + 1;
    default:
        return length;
    }
}

// ---- column measure

const TCharAttributes& TEditor::Rule() const {
    rule_.tabSpaceCount = caret_->TabSpaceCount();
    rule_.wordWrap = list_->WordWrap();
    rule_.wrapByte = list_->WrapOption().WrapByte();
    return rule_;
}

void TEditor::StrToAttributes(std::string_view text, std::string& attributes) const {
    Rule().Build(text, attributes);
}

std::string TEditor::StrToAttributes(std::string_view text) const {
    return Rule().Build(text);
}

int TEditor::DisplayWidth(std::string_view text) const {
    return Rule().Width(text);
}

int TEditor::RowWidth(int row) const {
    if (row < 0 || row >= ListCount())
        return 0;
    return DisplayWidth(list_->View(row));
}

int TEditor::IndentWidth(std::string_view text) const {
    if (text.empty())
        return -1;
    int width = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == ' ')
            width += 1;
        else if (text[i] == '\t')
            width += Rule().TabWidth(width);
        else if (static_cast<unsigned char>(text[i]) == 0x81 && i + 1 < text.size() &&
                 static_cast<unsigned char>(text[i + 1]) == 0x40) {
            width += 2;
            ++i;
        } else
            break;
    }
    return width;
}

std::string TEditor::ExpandTab(std::string_view text) const {
    if (text.find('\t') == std::string_view::npos)
        return std::string(text);
    const TCharAttributes& rule = Rule();
    std::string expanded;
    expanded.reserve(text.size() + 16);
    int width = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (CharLength(text, i) == 2) {
            expanded.append(text.substr(i, 2));
            width += 2;
            ++i;
        } else if (text[i] == '\t') {
            const int pad = rule.TabWidth(width);
            expanded.append(static_cast<size_t>(pad), ' ');
            width += pad;
        } else {
            expanded.push_back(text[i]);
            ++width;
        }
    }
    return expanded;
}

int TEditor::StartIndex(std::string_view text, int col) const {
    const std::string attributes = StrToAttributes(text);
    int c = std::max(col, 0);
    if (AttributeAt(attributes, c) == '5')
        ++c;
    while (AttributeAt(attributes, c) == '3')
        ++c;
    return c - PaddingColumns(attributes, c);
}

int TEditor::EndIndex(std::string_view text, int col) const {
    const std::string attributes = StrToAttributes(text);
    int last = col - 1;
    if (last < 0)
        return -1;
    if (AttributeAt(attributes, last) == '4')
        ++last;
    while (AttributeAt(attributes, last) == '3')
        --last;
    return last - PaddingColumns(attributes, last);
}

int TEditor::ColToIndex(int row, int col) const {
    const std::string attributes = StrToAttributes(ListString(row));
    return col - PaddingColumns(attributes, col + 1);
}

int TEditor::CaretIndex() const {
    return ColToIndex(row_, col_);
}

int TEditor::IndexToCol(int row, int index) const {
    const std::string text = ListString(row);
    return DisplayWidth(std::string_view(text).substr(0, static_cast<size_t>(std::max(index, 0))));
}

int TEditor::RowStart(int row) const {
    return list_->FirstRowOfLine(row);
}

template <class RowValue> int TEditor::SumBeforeRow(TRowWalk& walk, int row, RowValue value) const {
    if (walk.version != list_->Version()) {
        // An edit below the walked row leaves the sum over the rows above it as it was.
        if (walk.row > list_->UnchangedRowsSince(walk.version))
            walk = TRowWalk{};
        walk.version = list_->Version();
    }
    row = std::clamp(row, 0, ListCount());
    // From the row asked last: reading near the previous place (the caret, the rows being
    // painted) does not walk the whole text again.
    for (; walk.row < row; ++walk.row)
        walk.sum += value(walk.row);
    for (; walk.row > row; --walk.row)
        walk.sum -= value(walk.row - 1);
    return walk.sum;
}

int TEditor::RowsLength(int fromRow, int toRow) const {
    if (toRow <= fromRow)
        return 0;
    // From the text's start through the kept walk; a span between two rows (an edit's anchor
    // and the caret) is short and summed as it stands.
    if (fromRow <= 0)
        return SumBeforeRow(offsetWalk_, toRow, [this](int r) { return RowLengthWithBreak(r); });
    int length = 0;
    for (int r = fromRow; r < std::min(toRow, ListCount()); ++r)
        length += RowLengthWithBreak(r);
    return length;
}

int TEditor::CharOffset(int fromRow, int toRow, int col) const {
    return RowsLength(fromRow, toRow) + ColToIndex(toRow, col);
}

int TEditor::RowOfOffset(int fromRow, int offset, int& index) const {
    int rest = std::max(offset, 0);
    const int count = ListCount();
    for (int row = std::max(fromRow, 0); row < count; ++row) {
        const int length = RowLengthWithBreak(row);
        if (rest < length || list_->RowAttributes(row) == raTextEnd) {
            index = std::min(rest, static_cast<int>(list_->View(row).size()));
            return row;
        }
        rest -= length;
    }
    index = 0;
    return count;
}

void TEditor::PlaceCaretAtOffset(int fromRow, int offset) {
    int index = 0;
    const int row = RowOfOffset(fromRow, offset, index);
    if (row >= ListCount()) {
        SetRowCol(row, 0);
        return;
    }
    std::string_view text = list_->View(row);
    const int width = DisplayWidth(text.substr(0, static_cast<size_t>(index)));
    SetRowCol(row, std::min(width, DisplayWidth(text)));
}

int TEditor::LineOffset(int row, int col) const {
    if (row < 0 || row > ListCount() || col < 0)
        return -1;
    const std::string text = ListString(row);
    const std::string attributes = StrToAttributes(text);
    int c = col;
    if (AttributeAt(attributes, c) == '5')
        --c;
    while (AttributeAt(attributes, c) == '3')
        --c;
    int offset = std::min(c - PaddingColumns(attributes, c), static_cast<int>(text.size()));
    for (int r = RowStart(row); r < row; ++r)
        offset += static_cast<int>(list_->View(r).size());
    return offset;
}

int TEditor::LineNumber(int row) const {
    if (!WordWrap())
        return row;
    // Walked to the first row of the row's line: the rows of one line add nothing before its
    // last, and an edit re-wraps its line from that first row on, so typing keeps the walk.
    return SumBeforeRow(lineWalk_, RowStart(std::clamp(row, 0, ListCount())),
                        [this](int r) { return list_->RowAttributes(r) == raLineEnd ? 1 : 0; });
}

// ---- geometry

void TEditor::Measure() {
    const TFontMetrics metrics = font_->Metrics();
    colWidth_ = std::max(1, metrics.AverageCharWidth + margin_->Character());
    fontHeight_ = std::max(1, metrics.Height + metrics.ExternalLeading);
    rowHeight_ = fontHeight_ + margin_->Line() + margin_->UnderlineSpacing();
    TFountain* fountain = ActiveFountain();
    transparent_ =
        font_->Style().Contains(fsItalic) || (fountain && fountain->HasItalicStyle(fountain));
    UpdateRulerHeight();
    UpdateLeftbarDigits();
    UpdateLeftbarWidth();
    UpdateImagebarWidth();
    MeasureTextArea();
}

void TEditor::MeasureTextArea() {
    topMargin_ = margin_->Top() + rulerHeight_;
    leftMargin_ = margin_->Left() + imagebarWidth_ + leftbarWidth_;
    const bool horizontal = scrollBars_ == ssHorizontal || scrollBars_ == ssBoth;
    const bool vertical = scrollBars_ == ssVertical || scrollBars_ == ssBoth;
    const int h = height() - topMargin_ - 5 - (horizontal ? ScrollBarHeight() : 0);
    rowCount_ = std::max(1, h / rowHeight_);
    const int w = width() - leftMargin_ - colWidth_ / 2 - (vertical ? ScrollBarWidth() : 0);
    // A control narrower than one cell still shows the caret's column.
    colCount_ = std::max(1, w / colWidth_);
}

void TEditor::UpdateScrollRanges() {
    maxTopRow_ = std::max(0, ListCount() + rowCount_ - 1);
    topRow_ = std::min(topRow_, maxTopRow_);
    topCol_ = std::min(topCol_, MaxTopCol());
    UpdateScrollBars();
}

void TEditor::UpdateScrollBars() {
    // Each range is the whole extent with a page in it: the vertical one up to the maximum top
    // row, so its highest position is the row count.
    SetVerticalScroll(0, std::max(rowCount_, maxTopRow_), rowCount_, topRow_);
    SetHorizontalScroll(0, colCount_ / 2 + MaxCol, colCount_, topCol_);
}

int TEditor::MaxTopCol() const {
    return std::max(0, MaxCol - colCount_ / 2);
}

int TEditor::TextAreaWidth() const {
    return std::max(0, ClientWidth() - leftMargin_);
}

int TEditor::TextAreaHeight() const {
    return std::max(0, ClientHeight() - topMargin_);
}

TLeftbarNumbers TEditor::LeftbarNumbers() const {
    if (!leftbar_->Visible() || !leftbar_->ShowNumber())
        return TLeftbarNumbers::None;
    return leftbar_->ShowNumberMode() == nmLine ? TLeftbarNumbers::Line : TLeftbarNumbers::Row;
}

// ---- positions

void TEditor::SetRow(int row) {
    const int count = ListCount();
    if (row == row_ && row_ != count)
        return;
    WithUnderlineUpdate([&] {
        const int oldCol = col_;
        row_ = std::clamp(row, 0, count);
        if (row_ == count && row_ > 0 && list_->RowAttributes(count - 1) == raTextEnd)
            --row_;
        AdjustCol(true, -1);
        if (ruler_->Visible() && col_ != oldCol) {
            EraseRulerMark(oldCol);
            DrawRulerMark(col_);
        }
    });
}

void TEditor::SetCol(int col) {
    col = std::clamp(col, 0, MaxCol + 1);
    const int direction = col > col_ ? 1 : -1;
    const bool ruler = ruler_->Visible();
    if (ruler)
        EraseRulerMark(col_);
    col_ = col;
    AdjustCol(false, direction);
    if (ruler)
        DrawRulerMark(col_);
}

bool TEditor::OnTrailOrPadding(int row, int col) const {
    const char attribute = AttributeAt(StrToAttributes(ListString(row)), col);
    return attribute == '5' || (attribute == '3' && !caret_->InTab());
}

void TEditor::SetRowCol(int row, int col) {
    // An edit can turn the caret's unchanged column into a trail byte (a lone lead byte that
    // now pairs with the byte after it), so the same place is still checked.
    if (row == row_ && col == col_ && !OnTrailOrPadding(row, col))
        return;
    const bool suppressed = suppressCaretUpdate_;
    WithCaretUpdatesSuppressed([&] {
        SetRow(row);
        const std::string attributes = StrToAttributes(ListString(row_));
        if (AttributeAt(attributes, col) == '5')
            --col;
        if (!caret_->InTab())
            while (AttributeAt(attributes, col) == '3')
                --col;
        SetCol(col);
    });
    if (!suppressed)
        CaretChanged();
}

void TEditor::RememberCol(bool vertical, int col) {
    if (vertical && !colRemembered_) {
        rememberedCol_ = col;
        colRemembered_ = true;
    }
}

void TEditor::AdjustCol(bool vertical, int direction) {
    const std::string attributes = StrToAttributes(ListString(row_));
    const int w = static_cast<int>(attributes.size());
    if (!vertical)
        colRemembered_ = false;
    else if (colRemembered_)
        col_ = rememberedCol_;

    if (!caret_->FreeCaret() && col_ > w) {
        if (caret_->KeepCaret())
            RememberCol(vertical, LeftButtonHeld() ? w : col_);
        if (!(vertical && caret_->FreeRow() && !MouseButtonDown()))
            col_ = w;
    }
    if (AttributeAt(attributes, col_) == '5') {
        RememberCol(vertical, col_);
        col_ += direction;
    }
    if (!caret_->InTab() && AttributeAt(attributes, col_) == '3') {
        RememberCol(vertical, col_);
        while (AttributeAt(attributes, col_) == '3')
            col_ += direction;
    }
    if (WordWrap() && col_ >= w) {
        RememberCol(vertical, col_);
        const int wrapByte = list_->WrapOption().WrapByte();
        if (ListRow(row_) == raContinued)
            col_ = std::max(0, w - 1);
        else if (col_ >= wrapByte)
            col_ = std::max(w, wrapByte - 1);
        if (AttributeAt(attributes, col_) == '5')
            --col_;
        if (!caret_->InTab())
            while (AttributeAt(attributes, col_) == '3')
                --col_;
    }
    if (col_ > MaxCol && AttributeAt(attributes, MaxCol - 1) != '4')
        col_ = MaxCol;
    if (!suppressCaretUpdate_)
        CaretChanged();
}

// ---- caret moves

void TEditor::MoveLeft() {
    if (col_ > 0) {
        SetCol(col_ - 1);
        return;
    }
    if (row_ > 0 && (caret_->NextLine() || ListRow(row_ - 1) == raContinued))
        SetRowCol(row_ - 1, RowWidth(row_ - 1));
}

void TEditor::MoveRight() {
    const int old = col_;
    SetCol(col_ + 1);
    if (col_ != old || row_ >= ListCount())
        return;
    const TRowAttribute attribute = list_->RowAttributes(row_);
    if (attribute != raTextEnd && (caret_->NextLine() || attribute == raContinued))
        SetRowCol(row_ + 1, 0);
}

void TEditor::MoveUp(int count) {
    if (row_ > 0)
        SetRow(row_ - count);
}

void TEditor::MoveDown(int count) {
    if (row_ < ListCount() && list_->RowAttributes(row_) != raTextEnd)
        SetRow(row_ + count);
}

int TEditor::VerticalStep(bool up) const {
    if (!keyRepeat_)
        return 1;
    const bool edge = up ? row_ == topRow_ : row_ == topRow_ + rowCount_ - 1;
    return edge ? speed_->CaretVerticalAc() : 1;
}

void TEditor::ScrollUp(int count) {
    if (row_ <= 0)
        return;
    SetTopRow(topRow_ - count);
    if (row_ > topRow_ + rowCount_ - 1)
        SetRow(row_ - count);
}

void TEditor::ScrollDown(int count) {
    SetTopRow(topRow_ + count);
    if (row_ < topRow_)
        SetRow(row_ + count);
}

void TEditor::MoveLineStart(bool control) {
    if (control)
        SetRowCol(0, 0);
    else
        SetCol(0);
}

void TEditor::MoveLineEnd(bool control) {
    if (control)
        SetRow(ListCount());
    SetCol(row_ >= ListCount() ? 0 : RowWidth(row_));
}

int TEditor::PageRows() const {
    const int range = keyRepeat_ ? speed_->PageVerticalRangeAc() : speed_->PageVerticalRange();
    return (rowCount_ - 1) / 2 * range;
}

void TEditor::MovePage(int rows) {
    if (topRow_ == 0 && rows < 0) {
        SetRow(0);
        return;
    }
    if (rows > 0 && ListRow(topRow_) == raTextEnd)
        return;
    WithCaretHidden([&] {
        const int old = topRow_;
        SetTopRow(std::clamp(topRow_ + rows, 0, ListCount()));
        SetRow(row_ + topRow_ - old);
    });
}

std::vector<int> TEditor::WordStarts(int row) const {
    std::vector<int> starts;
    const std::string text = ExpandTab(ListString(row));
    std::unique_ptr<TFountainParser> parser = ActiveFountain()->CreateParser();
    parser->NewData(text, TRowAttributeData::SingleRow());
    for (TTokenKind kind = parser->NextToken(); kind != ttEnd; kind = parser->NextToken())
        if (kind != ttSymbol)
            starts.push_back(parser->SourcePos());
    return starts;
}

void TEditor::MoveWordRight() {
    int r = row_;
    int c = col_;
    const int count = ListCount();
    if (r >= count)
        return;
    if (c >= RowWidth(r)) {
        if (list_->RowAttributes(r) == raTextEnd) // the last row: nothing follows
            return;
        ++r;
        c = -1;
    }
    const std::vector<int> starts = WordStarts(r);
    auto next = std::find_if(starts.begin(), starts.end(), [c](int start) { return start > c; });
    if (next != starts.end())
        c = *next;
    else if (ListRow(r) == raContinued) {
        ++r;
        c = 0;
    } else
        c = RowWidth(r);
    SetRowCol(r, c);
}

void TEditor::MoveWordLeft() {
    int r = row_;
    int c = col_;
    if (r >= ListCount())
        return;
    if (c == 0) {
        if (r == 0)
            return;
        --r;
        c = RowWidth(r);
        if (list_->RowAttributes(r) == raLineEnd) {
            SetRowCol(r, c);
            return;
        }
    }
    const std::vector<int> starts = WordStarts(r);
    auto previous =
        std::find_if(starts.rbegin(), starts.rend(), [c](int start) { return start < c; });
    if (previous != starts.rend())
        c = *previous;
    else if (r == 0)
        c = 0;
    else {
        --r;
        c = RowWidth(r);
    }
    SetRowCol(r, c);
}

// ---- row marks

void TEditor::PutRowMark(int row, int mark) {
    if (mark < 0 || mark > 15)
        return;
    const auto bit = static_cast<TRowMarks>(1u << mark);
    if (mark < 10) {
        for (int r = 0; r < ListCount(); ++r)
            if (list_->RowMarks(r) & bit) {
                DeleteRowMark(r, mark);
                break;
            }
    }
    SetListRowMarks(row, static_cast<TRowMarks>(ListRowMarks(row) | bit));
}

void TEditor::DeleteRowMark(int row, int mark) {
    if (mark < 0 || mark > 15)
        return;
    SetListRowMarks(row, static_cast<TRowMarks>(ListRowMarks(row) & ~(1u << mark)));
}

void TEditor::GotoRowMark(int mark) {
    if (mark < 0 || mark > 15)
        return;
    for (int r = 0; r < ListCount(); ++r) {
        if (!(list_->RowMarks(r) & (1u << mark)))
            continue;
        if (r < topRow_ || r >= topRow_ + rowCount_)
            SetTopRow(r - rowCount_ / 2);
        SetRow(r);
        return;
    }
}

// ---- undo and shared text

bool TEditor::CanRedo() const {
    return list_->UndoObj().CanRedo();
}

bool TEditor::CanUndo() const {
    return list_->UndoObj().CanUndo();
}

void TEditor::Redo() {
    if (HasSelection())
        CleanSelection();
    list_->Redo();
}

void TEditor::Undo() {
    if (HasSelection())
        CleanSelection();
    list_->Undo();
}

void TEditor::AttachScreenStrings(TEditor* editor) {
    if (!editor || editor->list_ == list_)
        return;
    if (HasSelection())
        CleanSelection();
    list_->RemoveEditor(this);
    list_ = editor->list_;
    list_->AddEditor(this);
    offsetWalk_ = TRowWalk{};
    lineWalk_ = TRowWalk{};
    // The positions belonged to the other text.
    row_ = col_ = topRow_ = topCol_ = 0;
    colRemembered_ = false;
    Measure();
    UpdateScrollRanges();
    PaintMarginBackground();
    Invalidate();
    CaretChanged();
}

// ---- changes

void TEditor::DoChange() {
    screen_->Update(list_->UpdateInfo(), ListCount());
    if (LeftbarNumbers() != TLeftbarNumbers::None && UpdateLeftbarDigits()) {
        const int oldWidth = leftbarWidth_;
        UpdateLeftbarWidth();
        MeasureTextArea();
        PaintMarginBackground();
        ScrollForLeftbarResize(oldWidth, leftbarWidth_);
    }
    UpdateScrollRanges();
    if (list_->UpdateInfo().Valid) {
        modified_ = !list_->UpdateInfo().Loaded;
        // During this editor's own edit the caret is placed after the rows changed; its
        // listeners hear of the change once the caret stands where the edit put it.
        if (editDepth_ > 0) {
            changePending_ = true;
        } else {
            // Another view sharing the rows made the edit: a selection here names rows and
            // bytes that may now hold other text.
            if (HasSelection())
                CleanSelection();
            if (OnChange)
                OnChange(this);
        }
    }
}

void TEditor::Relayout() {
    Measure();
    UpdateScrollRanges();
    PaintMarginBackground();
    Invalidate();
}

void TEditor::SetRedraw(bool redraw) {
    viewport()->setUpdatesEnabled(redraw);
    if (redraw)
        Invalidate();
}

void TEditor::OptionsChanged(TObject* sender) {
    if (sender == marks_.get())
        margin_->SetUnderlineSpacing(marks_->Underline()->Visible() ? 1 : 0);
    else if (sender == view_.get() || (sender && sender == fountain_))
        list_->InitParseState();
    Measure();
    UpdateScrollRanges();
    if (sender == leftbar_.get()) {
        CreateLeftbarEdge();
        PaintMarginBackground();
    } else if (sender == margin_.get() || sender == ruler_.get()) {
        InitRuler();
        PaintMarginBackground();
    } else if (sender == imagebar_.get())
        PaintMarginBackground();
    Invalidate();
    if (sender == caret_.get()) {
        list_->UndoObj().Clear();
        CaretChanged();
    } else {
        ScrollCaretIntoView();
        UpdateCaretPos();
    }
}

// ---- scrolling

void TEditor::SetTopRow(int row) {
    const int t = std::clamp(row, 0, ListCount());
    if (t == topRow_)
        return;
    WithCaretHidden([&] {
        WithUnderlineUpdate([&] {
            // What waits for paint moves with its pixels and is painted in the new view later.
            const int rows = std::clamp(topRow_ - t, -(rowCount_ + 1), rowCount_ + 1);
            topRow_ = t;
            const TRect area = Rect(0, topMargin_, ClientWidth(), ClientHeight());
            ScrollView(0, rows * rowHeight_, &area, nullptr);
            UpdateScrollBars();
            PlaceSystemCaret();
            PlaceImeWindowOrDefer();
            DoTopRowChange();
        });
    });
}

void TEditor::SetTopCol(int col) {
    const int t = std::clamp(col, 0, MaxTopCol());
    if (t == topCol_)
        return;
    WithCaretHidden([&] {
        const bool ruler = ruler_->Visible();
        if (ruler)
            EraseRulerMark(col_);
        const int cols = topCol_ - t;
        topCol_ = t;
        const TRect area = Rect(leftMargin_, 0, ClientWidth(), ClientHeight());
        ScrollView(cols * colWidth_, 0, &area, nullptr);
        UpdateScrollBars();
        if (ruler)
            DrawRulerMark(col_);
        PlaceSystemCaret();
        PlaceImeWindowOrDefer();
        DoTopColChange();
    });
}

void TEditor::ScrollView(int dx, int dy, const TRect* scroll, const TRect* clip) {
    if (!Showing()) {
        Invalidate();
        return;
    }
    WithCaretHidden([&] {
        WithUnderlineUpdate([&] {
            if (clip)
                UpdateNow();
            ScrollRect(dx, dy, scroll ? *scroll : ClientRect(), clip ? *clip : TRect{});
        });
    });
}

void TEditor::ScrollCaretIntoView() {
    if (!Focused())
        return;
    if (row_ < topRow_)
        SetTopRow(row_);
    else if (row_ > topRow_ + rowCount_ - 1)
        SetTopRow(row_ - rowCount_ + 1);
    if (col_ < topCol_)
        SetTopCol(std::max(0, std::min(col_, topCol_ - colCount_ / 4)));
    else if (col_ > topCol_ + colCount_ - 1)
        SetTopCol(std::min(std::max(col_ - colCount_ + 1, topCol_ + colCount_ / 4), MaxTopCol()));
}

// ---- the caret

void TEditor::HideCaretNested() {
    if (caretHideCount_++ == 0 && Focused())
        HideSystemCaret();
}

void TEditor::ShowCaretNested() {
    if (caretHideCount_ > 0)
        --caretHideCount_;
    if (caretHideCount_ == 0 && Focused())
        ShowSystemCaret();
}

void TEditor::HideSystemCaret() {
    if (!caretShown_)
        return;
    SystemCaret().Hide();
    caretShown_ = false;
}

void TEditor::ShowSystemCaret() {
    if (caretHideCount_ != 0 || !Focused() || caretShown_ || CaretOutOfView())
        return;
    SystemCaret().Show();
    caretShown_ = true;
}

bool TEditor::CaretOutOfView() const {
    return row_ < topRow_ || row_ > topRow_ + rowCount_ || col_ < topCol_ ||
           col_ > topCol_ + colCount_;
}

bool TEditor::HitCaretBlock() const {
    return selState_ == TEditorSelectionState::Hit && hitStyle_ == hsCaret && hitLength_ > 0;
}

void TEditor::RenewCaret() {
    CreateCaretShape();
    PlaceSystemCaret();
    ShowSystemCaret();
}

void TEditor::CreateCaretShape() {
    if (!Focused())
        return;
    HideSystemCaret();
    SystemCaret().Destroy();
    int width = 2;
    int height = fontHeight_;
    if (HitCaretBlock()) {
        const int end = sel_.endRow == row_ ? sel_.endCol : RowWidth(row_);
        width = std::max(2, (end - col_) * colWidth_);
    } else if (caret_->Style() == csBrief) {
        const std::string attributes = StrToAttributes(ListString(row_));
        width = (colWidth_ - margin_->Character()) * (AttributeAt(attributes, col_) == '4' ? 2 : 1);
        height = 2;
    }
    SystemCaret().Create(width, height);
}

void TEditor::CaretPixelPos(int& x, int& y) const {
    // Within a preedit the caret shows the input method's cursor.
    x = ColLeft(col_) + (preedit_.text.empty() ? 0 : preedit_.cursor * colWidth_);
    y = RowTop(row_);
    if (caret_->Style() == csBrief && !HitCaretBlock())
        y += fontHeight_ - 2;
}

void TEditor::PlaceSystemCaret() {
    if (!Focused())
        return;
    int x = 0;
    int y = 0;
    CaretPixelPos(x, y);
    SystemCaret().SetPos(x, y);
}

void TEditor::UpdateCaretPos() {
    if (!Focused())
        return;
    PlaceSystemCaret();
    PlaceImeWindowOrDefer();
    DoCaretMoved();
}

void TEditor::PlaceImeWindowOrDefer() {
    if (keyRepeat_)
        imePending_ = true;
    else
        PlaceImeWindow();
}

void TEditor::PlaceImeWindow() {
    imePending_ = false;
    if (Focused())
        QGuiApplication::inputMethod()->update(Qt::ImCursorRectangle | Qt::ImFont);
}

QVariant TEditor::inputMethodQuery(Qt::InputMethodQuery query) const {
    const QPoint origin = viewport()->pos();
    // The composition window stands at the caret cell, in the control's coordinates.
    const QRect caret(origin.x() + ColLeft(col_), origin.y() + RowTop(row_), colWidth_,
                      fontHeight_);
    switch (query) {
    case Qt::ImEnabled:
        return true;
    case Qt::ImCursorRectangle:
    case Qt::ImAnchorRectangle:
        return caret;
    case Qt::ImFont:
        return font_->ToQFont();
    case Qt::ImHints:
        return static_cast<int>(Qt::ImhMultiLine);
    case Qt::ImReadOnly:
        return readOnly_;
    case Qt::ImInputItemClipRectangle:
        return viewport()->geometry();
    case Qt::ImSurroundingText:
    case Qt::ImCursorPosition:
    case Qt::ImAnchorPosition:
    case Qt::ImTextBeforeCursor:
    case Qt::ImTextAfterCursor:
    case Qt::ImCurrentSelection:
        break;
    default:
        return TCustomControl::inputMethodQuery(query);
    }
    // The text around the caret is its row; a selection is reported only within that row.
    QString before;
    QString after;
    CaretRowText(before, after);
    const bool rowSelection = Selected() && sel_.startRow == row_ && sel_.endRow == row_;
    switch (query) {
    case Qt::ImSurroundingText:
        return before + after;
    case Qt::ImCursorPosition:
        return static_cast<int>(before.size());
    case Qt::ImTextBeforeCursor:
        return before;
    case Qt::ImTextAfterCursor:
        return after;
    case Qt::ImCurrentSelection:
        return rowSelection ? Cp932ToQString(SelText()) : QString();
    default: {
        if (!rowSelection)
            return static_cast<int>(before.size());
        const std::string row = ListString(row_);
        const int anchor = std::min(sel_.anchorIndex, static_cast<int>(row.size()));
        return static_cast<int>(
            Cp932ToQString(std::string_view(row).substr(0, static_cast<size_t>(anchor))).size());
    }
    }
}

void TEditor::CaretChanged() {
    CreateCaretShape();
    ScrollCaretIntoView();
    UpdateCaretPos();
    ShowSystemCaret();
}

// ---- control hooks

void TEditor::FocusIn() {
    CreateCaretShape();
    UpdateCaretPos();
    ShowSystemCaret();
}

void TEditor::FocusOut() {
    HideSystemCaret();
    SystemCaret().Destroy();
}

void TEditor::Resized() {
    Measure();
    UpdateScrollRanges();
    Invalidate();
}

void TEditor::contextMenuEvent(QContextMenuEvent* event) {
    if (!popupMenu_)
        return;
    popupMenu_->popup(event->globalPos());
    event->accept();
}

// ---- events

void TEditor::DoCaretMoved() {
    if (OnCaretMoved)
        OnCaretMoved(this);
}

void TEditor::DoSelectionChange(bool selected) {
    if (OnSelectionChange)
        OnSelectionChange(this, selected);
}

void TEditor::DoSelectionModeChange() {
    if (OnSelectionModeChange)
        OnSelectionModeChange(this);
}

void TEditor::DoTopColChange() {
    if (OnTopColChange)
        OnTopColChange(this);
}

void TEditor::DoTopRowChange() {
    if (OnTopRowChange)
        OnTopRowChange(this);
}

} // namespace kes
