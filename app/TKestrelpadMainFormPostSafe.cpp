// The main window's post-safe command (F8) and the whole-text copy's warning.
#include "app/AppText.h"
#include "app/TKestrelpadMainForm.h"
#include "app/TStatusPanels.h"
#include "editorex/TEditorExBase.h"
#include "fountain/BoardDangerousChars.h"
#include "fountain/PostSafeConversion.h"
#include "toolkit/core/Cp932.h"

#include <algorithm>

namespace kes {

namespace {

QString PostSafeMessage(const TPostSafeResult& result) {
    if (result.converted == 0 && result.unconvertible.empty())
        return U("変換する文字はありません");
    if (result.unconvertible.empty())
        return U("%1文字を変換しました").arg(result.converted);
    return U("%1文字を変換しました。%2文字は変換できません")
        .arg(result.converted)
        .arg(result.unconvertible.size());
}

} // namespace

// The selection, or the whole text without one, becomes safe for the board in one edit and
// one undo step. A box is taken as the stream between its corners. The first character that
// could not be converted is then selected; without one, a converted selection stays selected.
void TKestrelpadMainForm::PostSafeExecute() {
    TEditorExBase& e = *editor_;
    const bool selected = e.Selected();
    if (selected && e.SelectionMode() == smBox)
        e.SetSelectionMode(smLine);
    const std::string text = Text();
    size_t start = 0;
    size_t end = text.size();
    // The editor's selection holds whole characters: its ends never split one.
    if (selected) {
        start = static_cast<size_t>(e.SelStart());
        end = std::min(text.size(), start + static_cast<size_t>(e.SelLength()));
    }
    const TPostSafeResult result = MakePostSafe(std::string_view(text).substr(start, end - start));
    const int row = e.Row();
    const int col = e.Col();
    if (result.converted > 0) {
        e.SetSelection(static_cast<int>(start), static_cast<int>(end));
        e.SetSelText(result.text);
    }
    if (!result.unconvertible.empty()) {
        const size_t first = result.unconvertible.front();
        e.SetSelStart(static_cast<int>(start + first));
        e.SetSelLength(static_cast<int>(CharLength(result.text, first)));
        e.ScrollCaret();
    } else if (selected && result.converted > 0) {
        e.SetSelStart(static_cast<int>(start));
        e.SetSelLength(static_cast<int>(result.text.size()));
    } else if (!selected) {
        e.SetRowCol(row, col);
    }
    statusPanels_->SetText(0, PostSafeMessage(result));
}

void TKestrelpadMainForm::WarnOfDangerousCharacters(std::string_view text) {
    const size_t count = CountBoardDangerous(text);
    if (count > 0)
        statusPanels_->SetText(0, U("化ける文字が%1文字あります（F8で変換）").arg(count));
}

} // namespace kes
