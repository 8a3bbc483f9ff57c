#include "editor/EditorTestSupport.h"

#include "editorex/TBracketDepths.h"
#include "editorex/TEditorEx.h"
#include "editorex/TEditorExMarks.h"
#include "toolkit/core/Cp932.h"
#include "toolkit/core/Cp932Codec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace kes {
namespace {

// The partner by the plain walk over every character of the rows.
std::optional<std::pair<int, int>> ReferencePartner(const TEditor& editor, int row, int index) {
    const std::string t = editor.ListString(row);
    const std::string_view c = std::string_view(t).substr(index, CharLength(t, index));
    for (const TBracketPair& pair : BracketPairs) {
        const bool opener = c == pair.open;
        if (!opener && c != pair.close)
            continue;
        struct TBracket {
            int row, index, step;
        };
        std::vector<TBracket> all;
        for (int r = 0; r < editor.ListCount(); ++r) {
            const std::string s = editor.ListString(r);
            for (size_t i = 0; i < s.size(); i += CharLength(s, i)) {
                const std::string_view ch = std::string_view(s).substr(i, CharLength(s, i));
                if (ch == pair.open || ch == pair.close)
                    all.push_back({r, static_cast<int>(i), ch == pair.open ? 1 : -1});
            }
        }
        int depth = 0;
        const int own = opener ? 1 : -1;
        const auto at = std::find_if(all.begin(), all.end(), [&](const TBracket& b) {
            return b.row == row && b.index == index;
        });
        for (auto it = at;; it += own) {
            depth += it->step * own;
            if (depth == 0)
                return std::pair{it->row, it->index};
            if (opener ? it + 1 == all.end() : it == all.begin())
                return std::nullopt;
        }
    }
    return std::nullopt;
}

// Edits of every kind between caret moves next to brackets: the partners the editor finds,
// with what it remembers of the rows, stay those of the plain walk.
TEST(TBracketDepths, PartnersStayRightThroughEdits) {
    const unsigned seed = std::random_device()();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    const std::vector<std::string> pieces = {"(",
                                             ")",
                                             "x",
                                             " ",
                                             "\r\n",
                                             Utf8ToCp932("「"),
                                             Utf8ToCp932("」"),
                                             Utf8ToCp932("ー"),
                                             "[",
                                             "]",
                                             Utf8ToCp932("あ")};
    const auto piece = [&] { return pieces[random() % pieces.size()]; };
    std::string text;
    for (int i = 0; i < 300; ++i)
        text += piece();
    auto editor = test::MakeShownEditor<TEditorEx>(400, 300, text);
    editor->WrapOption()->SetWrapByte(20);
    editor->ExMarks()->ParenMark()->SetVisible(true);
    for (int step = 0; step < 300; ++step) {
        const int row = static_cast<int>(random() % editor->ListCount());
        editor->SetRowCol(row, static_cast<int>(random() % (editor->RowWidth(row) + 1)));
        switch (random() % 6) {
        case 0:
        case 1:
            editor->InsertTypedText(piece() + piece());
            break;
        case 2:
            editor->SetSelLength(static_cast<int>(random() % 12));
            editor->DeleteSelection();
            break;
        case 3:
            editor->Undo();
            break;
        case 4: {
            // Two lines changed in one update of Lines: the rows report the last one only.
            TStrings& lines = *editor->Lines();
            lines.BeginUpdate();
            for (int k = 0; k < 2; ++k)
                lines.Put(static_cast<int>(random() % lines.GetCount()), piece() + piece());
            lines.EndUpdate();
            break;
        }
        default:
            editor->SetWordWrap(random() % 2 == 0);
            break;
        }
        for (int probe = 0; probe < 5; ++probe) {
            const int r = static_cast<int>(random() % editor->ListCount());
            const std::string s = editor->ListString(r);
            for (size_t i = 0; i < s.size(); i += CharLength(s, i)) {
                const auto want = ReferencePartner(*editor, r, static_cast<int>(i));
                const bool bracket = editor->FindParen(r, static_cast<int>(i) + 1);
                if (!bracket && !want)
                    continue;
                ASSERT_EQ(bracket, want.has_value())
                    << "step " << step << " row " << r << " byte " << i;
                const TParenInfo& partner =
                    editor->OpenParen().row == r && editor->OpenParen().position == int(i) + 1
                        ? editor->CloseParen()
                        : editor->OpenParen();
                ASSERT_EQ(std::pair(partner.row, partner.position - 1), *want)
                    << "step " << step << " row " << r << " byte " << i;
            }
        }
    }
}

} // namespace
} // namespace kes
