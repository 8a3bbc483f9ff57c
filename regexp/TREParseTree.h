#pragma once

#include "toolkit/core/TObject.h"

#include <cstdint>
#include <map>
#include <memory>
#include <utility>
#include <vector>

namespace kes {

enum TREOperator : std::uint8_t {
    reop_Char,
    reop_LHead,
    reop_LTail,
    reop_Concat,
    reop_Union,
    reop_Closure,
    reop_Empty,
};

// One node of a parse tree. A reop_Char leaf matches one character whose code lies in lo..hi;
// internal nodes use left and right (either may be unset); reop_LHead and reop_LTail keep the
// code of '^' or '$' in lo..hi for when they turn out to be ordinary characters.
struct TRENode {
    TREOperator kind = reop_Empty;
    TRENode* left = nullptr;
    TRENode* right = nullptr;
    std::uint16_t lo = 0;
    std::uint16_t hi = 0;
};

// Owns every node of one parse tree. Leaves are shared: asking for a range that is already a
// leaf returns that leaf, and '+' refers to one subtree twice, so the tree is a directed acyclic
// graph whose nodes are freed all together.
class TREParseTree : public TObject {
public:
    TREParseTree() = default;

    TRENode* Root() const { return root_; }
    void SetRoot(TRENode* root) { root_ = root; }
    const std::vector<TRENode*>& Leaves() const { return leaves_; }
    std::size_t NodeCount() const { return nodes_.size(); }

    TRENode* MakeInternalNode(TREOperator kind, TRENode* left, TRENode* right);
    TRENode* MakeLeaf(std::uint16_t lo, std::uint16_t hi);
    // A leaf only when lo <= hi; otherwise no node.
    TRENode* MakeLeafIfRange(std::uint16_t lo, std::uint16_t hi);
    TRENode* MakeLHeadNode(std::uint16_t code);
    TRENode* MakeLTailNode(std::uint16_t code);
    // Everything '.' matches: every code from 1 to 0xFCFC except LF and CR.
    virtual TRENode* MakeAnyCharsNode();
    // Turns an existing leaf into the union of two nodes, in place, so every reference to the
    // leaf now sees the union.
    void ChangeLeafToUnion(TRENode* leaf, TRENode* left, TRENode* right);
    void Clear();
    // Splits overlapping leaves until no two leaves overlap; the automaton groups transitions by
    // exact range and relies on this.
    void Normalize();

private:
    TRENode* NewNode();
    void SplitLeaves(TRENode* a, TRENode* b);

    std::vector<std::unique_ptr<TRENode>> nodes_;
    std::vector<TRENode*> leaves_;
    std::map<std::pair<std::uint16_t, std::uint16_t>, TRENode*> leafIndex_;
    TRENode* root_ = nullptr;
};

} // namespace kes
