#include "regexp/ERegExpParser.h"
#include "regexp/TREParser.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace kes {
namespace {

using Ranges = std::set<std::pair<unsigned, unsigned>>;

// The set of codes a subtree of leaves and unions stands for, as merged ranges.
void Collect(const TRENode* node, std::vector<std::pair<unsigned, unsigned>>& out) {
    if (node == nullptr)
        return;
    if (node->kind == reop_Char) {
        out.emplace_back(node->lo, node->hi);
        return;
    }
    ASSERT_EQ(node->kind, reop_Union);
    Collect(node->left, out);
    Collect(node->right, out);
}

Ranges CodesOf(const TRENode* node) {
    std::vector<std::pair<unsigned, unsigned>> pieces;
    Collect(node, pieces);
    std::sort(pieces.begin(), pieces.end());
    Ranges merged;
    for (auto [lo, hi] : pieces) {
        if (!merged.empty() && std::prev(merged.end())->second + 1 >= lo) {
            auto last = *std::prev(merged.end());
            merged.erase(std::prev(merged.end()));
            merged.emplace(last.first, std::max(last.second, hi));
        } else {
            merged.emplace(lo, hi);
        }
    }
    return merged;
}

std::pair<std::string, int> ErrorOf(const std::string& pattern) {
    try {
        TREParser parser(pattern);
        parser.Run();
    } catch (const ERegExpParser& e) {
        return {e.Message(), e.ErrorPos()};
    }
    return {"", 0};
}

void ExpectLeavesDisjoint(const TREParseTree& tree) {
    const auto& leaves = tree.Leaves();
    for (std::size_t i = 0; i < leaves.size(); ++i)
        for (std::size_t j = i + 1; j < leaves.size(); ++j)
            EXPECT_TRUE(leaves[i]->hi < leaves[j]->lo || leaves[j]->hi < leaves[i]->lo)
                << std::hex << leaves[i]->lo << "-" << leaves[i]->hi << " and " << leaves[j]->lo
                << "-" << leaves[j]->hi;
}

TEST(ParserTest, EveryErrorMessageWithItsPosition) {
    const std::vector<std::tuple<std::string, std::string, int>> cases = {
        {"ab\x82", "不正な２バイト文字コードです。", 3},
        {"a\\", "\"\\\"の次には文字が必要です。", 3},
        {"\\xg", "不正な１６進数コード表記です。", 4},
        {"\\x", "不正な１６進数コード表記です。", 3},
        {"\\777777", "不正な８進数コード表記です。", 8},
        {"[a", "右ブラケット\"]\"が必要です", 3},
        {"[a-", "右ブラケット\"]\"が必要です", 4},
        {"[", "右ブラケット\"]\"が必要です", 2},
        {"[ab", "右ブラケット\"]\"が必要です", 4},
        {"[z-a]", "不正なキャラクタ範囲です", 5},
        {"[]", "不正なキャラクタクラス指定です。", 3},
        {"[]a]", "不正なキャラクタクラス指定です。", 3},
        {"(ab", "右(閉じ)括弧が必要です", 4},
        {"a**", "普通の文字、または左括弧\"(\"が必要です", 4},
        {"*a", "普通の文字、または左括弧\"(\"が必要です", 2},
        {"a|+", "普通の文字、または左括弧\"(\"が必要です", 4},
        {"]", "普通の文字、または左括弧\"(\"が必要です", 2},
        {")", "正規表現に余分な文字があります", 2},
        {"ab)", "正規表現に余分な文字があります", 4},
    };
    for (const auto& [pattern, message, position] : cases) {
        auto [got, pos] = ErrorOf(pattern);
        EXPECT_EQ(got, message) << pattern;
        EXPECT_EQ(pos, position) << pattern;
    }
}

TEST(ParserTest, AcceptsEmptyAlternativesAndNestedClosures) {
    for (const char* pattern : {"", "|", "a|", "|a", "()", "(|)", "(a*)*", "a?b+c*", "x^y$z",
                                "[\\]]", "[a-]", "[-a]", "\\8\\9", "{}-"})
        EXPECT_EQ(ErrorOf(pattern).first, "") << pattern;
    TREParser empty("");
    empty.Run();
    EXPECT_EQ(empty.ParseTree().Root()->kind, reop_Empty);
}

TEST(ParserTest, EscapesGiveTheirCodes) {
    const std::vector<std::pair<std::string, std::vector<unsigned>>> cases = {
        {"\\x41", {0x41}},
        {"\\x414243", {0x4142, '4', '3'}},
        {"\\101", {'A'}},
        {"\\177777", {0xFFFF}},
        {"\\b\\n\\r\\t", {8, 10, 13, 9}},
        {"\\8", {'8'}},
        {"\\x4g", {4, 'g'}},
        {"\\0128", {0x0A, '8'}},
        // ソ has the trail byte '\', which must not escape the next character.
        {"\x83\x5C"
         "a",
         {0x835C, 'a'}},
        {"\\\x83\x5C", {0x835C}},
    };
    for (const auto& [pattern, codes] : cases) {
        TREScanner scanner(pattern);
        std::vector<unsigned> got;
        while (scanner.GetToken() != retk_End) {
            EXPECT_EQ(scanner.Token(), retk_Char) << pattern;
            got.push_back(scanner.Symbol());
        }
        EXPECT_EQ(got, codes) << pattern;
    }
}

TEST(ParserTest, BracketMembersAndRanges) {
    auto classOf = [](const std::string& pattern) {
        TREParser parser(pattern);
        parser.Run();
        ExpectLeavesDisjoint(parser.ParseTree());
        return CodesOf(parser.ParseTree().Root());
    };
    EXPECT_EQ(classOf("[a\\-z]"), (Ranges{{'-', '-'}, {'a', 'a'}, {'z', 'z'}}));
    EXPECT_EQ(classOf("[\\x41-\\x5a]"), (Ranges{{'A', 'Z'}}));
    EXPECT_EQ(classOf("[a-]"), (Ranges{{'-', '-'}, {'a', 'a'}}));
    EXPECT_EQ(classOf("[-a]"), (Ranges{{'-', '-'}, {'a', 'a'}}));
    EXPECT_EQ(classOf("[.*($^]"),
              (Ranges{{'$', '$'}, {'(', '('}, {'*', '*'}, {'.', '.'}, {'^', '^'}}));
    // あ-ん as code interval.
    EXPECT_EQ(classOf("[\x82\xA0-\x82\xF1]"), (Ranges{{0x82A0, 0x82F1}}));
    EXPECT_EQ(classOf("[a-fc-k]"), (Ranges{{'a', 'k'}}));
}

TEST(ParserTest, NegatedClassesLeaveTheOtherPieces) {
    auto classOf = [](const std::string& pattern) {
        TREParser parser(pattern);
        parser.Run();
        return CodesOf(parser.ParseTree().Root());
    };
    EXPECT_EQ(classOf("[^a]"), (Ranges{{1, 9}, {11, 12}, {14, 'a' - 1}, {'a' + 1, 0xFCFC}}));
    EXPECT_EQ(classOf("[^\\x0b\\x0c]"), (Ranges{{1, 9}, {14, 0xFCFC}}));
    EXPECT_EQ(classOf("[^\\x01-\\x09]"), (Ranges{{11, 12}, {14, 0xFCFC}}));
    EXPECT_EQ(classOf("[^\\n\\r]"), (Ranges{{1, 9}, {11, 12}, {14, 0xFCFC}}));
    EXPECT_EQ(classOf("[^b-da-c]"), (Ranges{{1, 9}, {11, 12}, {14, 'a' - 1}, {'e', 0xFCFC}}));
    // Nothing left: a leaf for code 0, which no text can hold.
    EXPECT_EQ(classOf("[^\\x01-\\xffff]"), (Ranges{{0, 0}}));
}

TEST(ParserTest, PlusSharesItsOperandAndLeavesAreShared) {
    TREParser parser("a+");
    parser.Run();
    const TRENode* root = parser.ParseTree().Root();
    ASSERT_EQ(root->kind, reop_Concat);
    ASSERT_EQ(root->right->kind, reop_Closure);
    EXPECT_EQ(root->left, root->right->left);
    EXPECT_EQ(parser.ParseTree().Leaves().size(), 1u);

    TREParser twice("abab[ab]");
    twice.Run();
    EXPECT_EQ(twice.ParseTree().Leaves().size(), 2u);
}

TEST(ParserTest, NormalizeSplitsOverlappingLeavesKeepingEverySet) {
    TREParser parser("[a-c]x|b");
    parser.Run();
    const TREParseTree& tree = parser.ParseTree();
    ExpectLeavesDisjoint(tree);
    Ranges leaves;
    for (const TRENode* leaf : tree.Leaves())
        leaves.emplace(leaf->lo, leaf->hi);
    EXPECT_EQ(leaves, (Ranges{{'a', 'a'}, {'b', 'b'}, {'c', 'c'}, {'x', 'x'}}));
    const TRENode* root = tree.Root();
    EXPECT_EQ(CodesOf(root->left->left), (Ranges{{'a', 'c'}}));
    EXPECT_EQ(CodesOf(root->right), (Ranges{{'b', 'b'}}));

    // Every arrangement of overlaps: containment, partial, same start, same end.
    for (const char* pattern :
         {"[a-z][d-f][a-d][f-z][m][a-z]", "[a-m][g-z][a-z]", "[b-d][a-d][b-e]",
          ".[\\x00-\\xffff]a[^a]", "[a-c][b-d][c-e][d-f]x*"}) {
        TREParser p(pattern);
        p.Run();
        ExpectLeavesDisjoint(p.ParseTree());
    }
    TREParser nested("[a-z][d-f][m]");
    nested.Run();
    const TRENode* n = nested.ParseTree().Root();
    EXPECT_EQ(CodesOf(n->left->left), (Ranges{{'a', 'z'}}));
    EXPECT_EQ(CodesOf(n->left->right), (Ranges{{'d', 'f'}}));
    EXPECT_EQ(CodesOf(n->right), (Ranges{{'m', 'm'}}));
}

TEST(ParserTest, ChangingANonLeafChildIsAnInternalFault) {
    TREParseTree tree;
    TRENode* leaf = tree.MakeLeaf('a', 'a');
    EXPECT_THROW(tree.ChangeLeafToUnion(leaf, leaf, nullptr), Exception);
    try {
        tree.ChangeLeafToUnion(leaf, nullptr, leaf);
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "TREParseTree : 致命的エラー");
        EXPECT_EQ(dynamic_cast<const ERegExpParser*>(&e), nullptr);
    }
}

TEST(ParserTest, DeepNestingIsRefusedNotOverflowed) {
    std::string deep(5000, '(');
    deep += std::string(5000, ')');
    EXPECT_EQ(ErrorOf(deep).first, RegExpMessage::TooDeep);
    std::string fine(200, '(');
    fine += "a" + std::string(200, ')');
    EXPECT_EQ(ErrorOf(fine).first, "");
}

} // namespace
} // namespace kes
