#include "regexp/TREParser.h"

#include "regexp/ERegExpParser.h"

#include <vector>

namespace kes {

namespace {

// Groups nest by recursion; a limit keeps a pattern of thousands of '(' from exhausting the
// stack. No pattern typed into a find box comes near it.
constexpr int kMaxGroupDepth = 500;

struct CodeRange {
    std::uint16_t lo;
    std::uint16_t hi;
};

} // namespace

TREParser::TREParser(const std::string& pattern) : scanner_(pattern) {}

void TREParser::Error(const char* message) const {
    throw ERegExpParser(message, static_cast<std::uint16_t>(scanner_.Position()));
}

void TREParser::Run() {
    tree_.Clear();
    depth_ = 0;
    GetToken();
    TRENode* root = Regex();
    tree_.SetRoot(root);
    if (scanner_.Token() != retk_End)
        Error(RegExpMessage::ExtraTokens);
    tree_.Normalize();
}

TRENode* TREParser::Regex() {
    TRENode* result = Term();
    while (scanner_.Token() == retk_Union) {
        GetToken();
        result = tree_.MakeInternalNode(reop_Union, result, Term());
    }
    return result;
}

TRENode* TREParser::Term() {
    auto ends = [this] {
        const TREToken t = scanner_.Token();
        return t == retk_Union || t == retk_RPar || t == retk_End;
    };
    if (ends())
        return tree_.MakeInternalNode(reop_Empty, nullptr, nullptr);
    TRENode* result = Factor();
    while (!ends())
        result = tree_.MakeInternalNode(reop_Concat, result, Factor());
    return result;
}

TRENode* TREParser::Factor() {
    TRENode* primary = Primary();
    switch (scanner_.Token()) {
    case retk_Star:
        GetToken();
        return tree_.MakeInternalNode(reop_Closure, primary, nullptr);
    case retk_Plus:
        GetToken();
        return tree_.MakeInternalNode(reop_Concat, primary,
                                      tree_.MakeInternalNode(reop_Closure, primary, nullptr));
    case retk_QMark:
        GetToken();
        return tree_.MakeInternalNode(reop_Union, primary,
                                      tree_.MakeInternalNode(reop_Empty, nullptr, nullptr));
    default:
        return primary;
    }
}

TRENode* TREParser::Primary() {
    TRENode* result = nullptr;
    switch (scanner_.Token()) {
    case retk_Char:
        result = tree_.MakeLeaf(scanner_.Symbol(), scanner_.Symbol());
        GetToken();
        return result;
    case retk_LPar:
        if (++depth_ > kMaxGroupDepth)
            Error(RegExpMessage::TooDeep);
        GetToken();
        result = Regex();
        if (scanner_.Token() != retk_RPar)
            Error(RegExpMessage::NeedRightParen);
        --depth_;
        GetToken();
        return result;
    case retk_LBra:
        result = CharClass(tree_);
        break;
    case retk_LBraNeg:
        result = NegativeCharClass();
        break;
    case retk_Dot:
        result = tree_.MakeAnyCharsNode();
        GetToken();
        return result;
    case retk_LHead:
        result = tree_.MakeLHeadNode(scanner_.Symbol());
        GetToken();
        return result;
    case retk_LTail:
        result = tree_.MakeLTailNode(scanner_.Symbol());
        GetToken();
        return result;
    default:
        Error(RegExpMessage::NeedCharOrParen);
    }
    if (scanner_.Token() != retk_RBra)
        Error(RegExpMessage::NeedRightBracket);
    GetToken();
    return result;
}

// The members of a bracket expression, built in the given tree as a union of leaves. Leaves the
// closing bracket as the current token.
TRENode* TREParser::CharClass(TREParseTree& tree) {
    auto member = [this, &tree] {
        if (scanner_.Token() == retk_CharRange)
            return tree.MakeLeaf(scanner_.Symbol(), scanner_.RangeHigh());
        return tree.MakeLeaf(scanner_.Symbol(), scanner_.Symbol());
    };
    GetToken();
    if (scanner_.Token() == retk_RBra)
        Error(RegExpMessage::EmptyClass);
    TRENode* result = member();
    GetToken();
    while (scanner_.Token() == retk_Char || scanner_.Token() == retk_CharRange) {
        result = tree.MakeInternalNode(reop_Union, result, member());
        GetToken();
    }
    return result;
}

// A negated class is what is left of the any-character pieces once every member is cut out.
// When nothing is left the class still needs a node: a leaf for code 0, which never matches
// because code 0 is the end of the text.
TRENode* TREParser::NegativeCharClass() {
    TREParseTree members;
    CharClass(members);
    members.Normalize();
    std::vector<CodeRange> pieces{{1, 9}, {11, 12}, {14, 0xFCFC}};
    for (const TRENode* m : members.Leaves()) {
        std::vector<CodeRange> kept;
        for (const CodeRange& q : pieces) {
            if (q.hi < m->lo || q.lo > m->hi) {
                kept.push_back(q);
                continue;
            }
            if (q.lo < m->lo)
                kept.push_back({q.lo, static_cast<std::uint16_t>(m->lo - 1)});
            if (m->hi < q.hi)
                kept.push_back({static_cast<std::uint16_t>(m->hi + 1), q.hi});
        }
        pieces = std::move(kept);
    }
    if (pieces.empty())
        return tree_.MakeLeaf(0, 0);
    TRENode* result = nullptr;
    for (const CodeRange& q : pieces) {
        TRENode* leaf = tree_.MakeLeaf(q.lo, q.hi);
        result = result == nullptr ? leaf : tree_.MakeInternalNode(reop_Union, result, leaf);
    }
    return result;
}

} // namespace kes
