#include "regexp/TREParseTree.h"

#include "toolkit/core/Exception.h"

#include <algorithm>

namespace kes {

TRENode* TREParseTree::NewNode() {
    nodes_.push_back(std::make_unique<TRENode>());
    return nodes_.back().get();
}

TRENode* TREParseTree::MakeInternalNode(TREOperator kind, TRENode* left, TRENode* right) {
    TRENode* node = NewNode();
    node->kind = kind;
    node->left = left;
    node->right = right;
    return node;
}

TRENode* TREParseTree::MakeLeaf(std::uint16_t lo, std::uint16_t hi) {
    auto found = leafIndex_.find({lo, hi});
    if (found != leafIndex_.end())
        return found->second;
    TRENode* node = NewNode();
    node->kind = reop_Char;
    node->lo = lo;
    node->hi = hi;
    leaves_.push_back(node);
    leafIndex_.emplace(std::make_pair(lo, hi), node);
    return node;
}

TRENode* TREParseTree::MakeLeafIfRange(std::uint16_t lo, std::uint16_t hi) {
    return lo <= hi ? MakeLeaf(lo, hi) : nullptr;
}

// '^' and '$' become anchors or ordinary characters only when the automaton is built. The leaf
// for the character itself is registered too, so that normalising keeps every other range
// disjoint from it in case it ends up as an ordinary character.
TRENode* TREParseTree::MakeLHeadNode(std::uint16_t code) {
    MakeLeaf(code, code);
    TRENode* node = MakeInternalNode(reop_LHead, nullptr, nullptr);
    node->lo = node->hi = code;
    return node;
}

TRENode* TREParseTree::MakeLTailNode(std::uint16_t code) {
    MakeLeaf(code, code);
    TRENode* node = MakeInternalNode(reop_LTail, nullptr, nullptr);
    node->lo = node->hi = code;
    return node;
}

TRENode* TREParseTree::MakeAnyCharsNode() {
    TRENode* low = MakeInternalNode(reop_Union, MakeLeaf(1, 9), MakeLeaf(11, 12));
    return MakeInternalNode(reop_Union, low, MakeLeaf(14, 0xFCFC));
}

void TREParseTree::ChangeLeafToUnion(TRENode* leaf, TRENode* left, TRENode* right) {
    if (left == nullptr || right == nullptr)
        throw Exception("TREParseTree : 致命的エラー");
    leaves_.erase(std::find(leaves_.begin(), leaves_.end(), leaf));
    leafIndex_.erase({leaf->lo, leaf->hi});
    leaf->kind = reop_Union;
    leaf->left = left;
    leaf->right = right;
}

void TREParseTree::Clear() {
    root_ = nullptr;
    leaves_.clear();
    leafIndex_.clear();
    nodes_.clear();
}

namespace {

bool Overlap(const TRENode* a, const TRENode* b) {
    if (a->lo == b->lo && a->hi == b->hi)
        return false;
    return a->lo <= b->hi && b->lo <= a->hi;
}

} // namespace

void TREParseTree::SplitLeaves(TRENode* a, TRENode* b) {
    if (b->lo < a->lo)
        std::swap(a, b);
    const std::uint16_t aHi = a->hi;
    const std::uint16_t overlapHi = std::min(a->hi, b->hi);
    const std::uint16_t d = std::max(a->hi, b->hi);
    TRENode* before = a->lo < b->lo ? MakeLeaf(a->lo, b->lo - 1) : nullptr;
    TRENode* overlap = MakeLeaf(b->lo, overlapHi);
    TRENode* after = overlapHi < d ? MakeLeaf(overlapHi + 1, d) : nullptr;
    if (before != nullptr) {
        if (after == nullptr) {
            ChangeLeafToUnion(a, before, overlap);
        } else if (aHi == d) {
            ChangeLeafToUnion(a, MakeInternalNode(reop_Union, before, overlap), after);
        } else {
            ChangeLeafToUnion(a, before, overlap);
            ChangeLeafToUnion(b, overlap, after);
        }
    } else if (aHi == d) {
        ChangeLeafToUnion(a, overlap, after);
    } else {
        ChangeLeafToUnion(b, overlap, after);
    }
}

void TREParseTree::Normalize() {
    std::size_t i = 0;
    while (i < leaves_.size()) {
        bool split = false;
        for (std::size_t j = i + 1; j < leaves_.size(); ++j) {
            if (Overlap(leaves_[i], leaves_[j])) {
                SplitLeaves(leaves_[i], leaves_[j]);
                split = true;
                break;
            }
        }
        if (!split)
            ++i;
    }
}

} // namespace kes
