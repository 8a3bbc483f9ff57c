// Compares the automaton search with a slow, direct reading of the pattern: for each start
// position the sets of match ends are computed by walking the pattern's structure over the
// text. The reference knows the engine's rules for anchors ('^' only where the pattern starts,
// '$' only where it ends, and '$' only where the search stops at a line separator or the end)
// but nothing of automata.
#include "regexp/TAWKStr.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace kes {
namespace {

constexpr std::uint32_t kHead = 0x10000;
constexpr std::uint32_t kTail = 0x10001;

struct Node {
    enum Kind { Char, Class, Dot, Head, Tail, Concat, Union, Star, Plus, QMark, Empty } kind;
    std::uint32_t code = 0;                                      // Char
    std::vector<std::pair<std::uint32_t, std::uint32_t>> ranges; // Class
    bool negated = false;
    std::vector<std::unique_ptr<Node>> kids;
};

// The characters texts are made of; Ｂ's trail byte is 'a' and ソ's is '\'.
struct Letter {
    std::uint32_t code;
    const char* bytes;
    const char* pattern; // its spelling in a pattern, outside and inside brackets
};
const std::vector<Letter> kLetters = {
    {'a', "a", "a"},
    {'b', "b", "b"},
    {'^', "^", "\\^"},
    {'$', "$", "\\$"},
    {'\r', "\r", "\\r"},
    {'\n', "\n", "\\n"},
    {0x82A0, "\x82\xA0", "\x82\xA0"}, // あ
    {0x8260, "\x82\x60", "\x82\x60"}, // Ａ
    {0x8261, "\x82\x61", "\x82\x61"}, // Ｂ
    {0x835C, "\x83\x5C", "\x83\x5C"}, // ソ
};

bool InDot(std::uint32_t c) {
    return c != 0 && c != 10 && c != 13 && c <= 0xFCFC;
}

class Reference {
public:
    Reference(const Node& root, std::vector<std::uint32_t> seq)
        : root_(root), seq_(std::move(seq)) {}

    std::set<int> Ends(int i) const { return Ends(root_, true, true, i); }
    std::set<int> Alive(int i) const { return Alive(root_, true, true, i); }

private:
    bool CharMatches(const Node& n, bool entry, bool final, int i) const {
        if (i >= static_cast<int>(seq_.size()))
            return false;
        const std::uint32_t c = seq_[i];
        switch (n.kind) {
        case Node::Char:
            return c == n.code;
        case Node::Dot:
            return InDot(c);
        case Node::Class: {
            bool in = false;
            for (auto [lo, hi] : n.ranges)
                in = in || (c >= lo && c <= hi);
            return n.negated ? !in && InDot(c) : in;
        }
        case Node::Head:
            return c == (entry ? kHead : '^');
        case Node::Tail:
            return c == (final ? kTail : '$');
        default:
            return false;
        }
    }

    std::set<int> Ends(const Node& n, bool entry, bool final, int i) const {
        switch (n.kind) {
        case Node::Empty:
            return {i};
        case Node::Concat: {
            std::set<int> at{i};
            for (std::size_t k = 0; k < n.kids.size(); ++k) {
                std::set<int> next;
                for (int p : at) {
                    auto e = Ends(*n.kids[k], entry && k == 0, final && k + 1 == n.kids.size(), p);
                    next.insert(e.begin(), e.end());
                }
                at = std::move(next);
            }
            return at;
        }
        case Node::Union: {
            std::set<int> out;
            for (const auto& kid : n.kids) {
                auto e = Ends(*kid, entry, final, i);
                out.insert(e.begin(), e.end());
            }
            return out;
        }
        case Node::Star:
            return StarEnds(*n.kids[0], i);
        case Node::Plus: {
            std::set<int> out;
            for (int p : Ends(*n.kids[0], entry, false, i)) {
                auto e = StarEnds(*n.kids[0], p);
                out.insert(e.begin(), e.end());
            }
            return out;
        }
        case Node::QMark: {
            auto out = Ends(*n.kids[0], entry, final, i);
            out.insert(i);
            return out;
        }
        default:
            return CharMatches(n, entry, final, i) ? std::set<int>{i + 1} : std::set<int>{};
        }
    }

    std::set<int> StarEnds(const Node& kid, int i) const {
        std::set<int> reached{i};
        std::vector<int> pending{i};
        while (!pending.empty()) {
            const int p = pending.back();
            pending.pop_back();
            for (int e : Ends(kid, false, false, p))
                if (reached.insert(e).second)
                    pending.push_back(e);
        }
        return reached;
    }

    // Positions p such that seq[i..p) can be read by the pattern from its start.
    std::set<int> Alive(const Node& n, bool entry, bool final, int i) const {
        switch (n.kind) {
        case Node::Empty:
            return {i};
        case Node::Concat: {
            std::set<int> out{i};
            std::set<int> at{i};
            for (std::size_t k = 0; k < n.kids.size(); ++k) {
                const bool e = entry && k == 0;
                const bool f = final && k + 1 == n.kids.size();
                std::set<int> next;
                for (int p : at) {
                    auto a = Alive(*n.kids[k], e, f, p);
                    out.insert(a.begin(), a.end());
                    auto m = Ends(*n.kids[k], e, f, p);
                    next.insert(m.begin(), m.end());
                }
                at = std::move(next);
            }
            return out;
        }
        case Node::Union: {
            std::set<int> out;
            for (const auto& kid : n.kids) {
                auto a = Alive(*kid, entry, final, i);
                out.insert(a.begin(), a.end());
            }
            return out;
        }
        case Node::Star: {
            std::set<int> out;
            for (int r : StarEnds(*n.kids[0], i)) {
                out.insert(r);
                auto a = Alive(*n.kids[0], false, false, r);
                out.insert(a.begin(), a.end());
            }
            return out;
        }
        case Node::Plus: {
            auto out = Alive(*n.kids[0], entry, false, i);
            for (int p : Ends(*n.kids[0], entry, false, i))
                for (int r : StarEnds(*n.kids[0], p)) {
                    out.insert(r);
                    auto a = Alive(*n.kids[0], false, false, r);
                    out.insert(a.begin(), a.end());
                }
            return out;
        }
        case Node::QMark: {
            auto out = Alive(*n.kids[0], entry, final, i);
            out.insert(i);
            return out;
        }
        default: {
            std::set<int> out{i};
            if (CharMatches(n, entry, final, i))
                out.insert(i + 1);
            return out;
        }
        }
    }

    const Node& root_;
    std::vector<std::uint32_t> seq_;
};

bool UsesAnchor(const Node& n, Node::Kind kind, bool entry, bool final) {
    switch (n.kind) {
    case Node::Head:
        return kind == Node::Head && entry;
    case Node::Tail:
        return kind == Node::Tail && final;
    case Node::Concat: {
        bool any = false;
        for (std::size_t k = 0; k < n.kids.size(); ++k)
            any = any ||
                  UsesAnchor(*n.kids[k], kind, entry && k == 0, final && k + 1 == n.kids.size());
        return any;
    }
    case Node::Union:
        return UsesAnchor(*n.kids[0], kind, entry, final) ||
               UsesAnchor(*n.kids[1], kind, entry, final);
    case Node::Plus:
        return UsesAnchor(*n.kids[0], kind, entry, false);
    case Node::QMark:
        return UsesAnchor(*n.kids[0], kind, entry, final);
    default:
        return false;
    }
}

// The engine's search routines, computed from the reference sets. Positions are character
// indexes into the text.
class Searcher {
public:
    Searcher(const Node& root, const std::vector<std::uint32_t>& text, std::uint32_t separator)
        : root_(root), text_(text), separator_(separator),
          headUsed_(UsesAnchor(root, Node::Head, true, true)),
          tailUsed_(UsesAnchor(root, Node::Tail, true, true)) {}

    using Match = std::pair<int, int>;
    static constexpr Match kNoMatch{-1, -1};

    Match First() const {
        const int n = static_cast<int>(text_.size());
        if (n == 0)
            return Reference(root_, text_).Ends(0).count(0) ? Match{0, 0} : kNoMatch;
        for (int s = 0; s < n; ++s) {
            auto ends = Reference(root_, text_).Ends(s);
            if (!ends.empty())
                return {s, *ends.rbegin()};
        }
        return kNoMatch;
    }

    Match Next() const {
        const int n = static_cast<int>(text_.size());
        for (int s = 0; s < n; ++s) {
            if (int r = At(s); r >= 0)
                return {s, r};
            if (text_[s] == '\n' && headUsed_) {
                if (int r = AtLineHead(s + 1); r >= 0)
                    return {s + 1, r};
            }
        }
        std::vector<std::uint32_t> tail{kTail};
        if (tailUsed_ && Reference(root_, tail).Ends(0).count(1))
            return {n, n};
        return kNoMatch;
    }

    Match Anchored() const {
        if (int r = AtLineHead(0); r >= 0)
            return {0, r};
        return Next();
    }

private:
    // MatchAt from the initial state (withHead false) or from the state after the line head.
    int At(int p, bool withHead = false) const {
        std::vector<std::uint32_t> seq;
        if (withHead)
            seq.push_back(kHead);
        seq.insert(seq.end(), text_.begin() + p, text_.end());
        const int first = withHead ? 1 : 0;
        Reference ref(root_, seq);
        auto alive = ref.Alive(0);
        if (withHead && !alive.count(1))
            return -1;
        const int d = *alive.rbegin();
        const std::uint32_t c = d < static_cast<int>(seq.size()) ? seq[d] : 0;
        auto toText = [&](int k) { return p + k - first; };
        if (c == 0 || c == separator_) {
            std::vector<std::uint32_t> withTail(seq.begin(), seq.begin() + d);
            withTail.push_back(kTail);
            if (Reference(root_, withTail).Ends(0).count(d + 1))
                return toText(d);
        }
        int last = -1;
        for (int e : ref.Ends(0))
            if (e >= first)
                last = std::max(last, e);
        return last < 0 ? -1 : toText(last);
    }

    int AtLineHead(int p) const {
        if (!headUsed_)
            return At(p);
        const int a = At(p, true);
        if (a < 0)
            return -1;
        const int b = At(p);
        return b >= a ? b : a;
    }

    const Node& root_;
    const std::vector<std::uint32_t>& text_;
    std::uint32_t separator_;
    bool headUsed_;
    bool tailUsed_;
};

class Generator {
public:
    explicit Generator(std::uint32_t seed) : rng_(seed) {}

    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

    std::unique_ptr<Node> Make(int depth) {
        auto n = std::make_unique<Node>();
        const int choice = depth <= 0 ? Pick(6) : Pick(12);
        switch (choice) {
        case 0:
        case 1:
            n->kind = Node::Char;
            n->code = kLetters[Pick(static_cast<int>(kLetters.size()))].code;
            break;
        case 2: {
            n->kind = Node::Class;
            n->negated = Pick(3) == 0;
            const int members = 1 + Pick(3);
            for (int i = 0; i < members; ++i) {
                std::uint32_t a = kLetters[Pick(static_cast<int>(kLetters.size()))].code;
                std::uint32_t b =
                    Pick(3) == 0 ? kLetters[Pick(static_cast<int>(kLetters.size()))].code : a;
                if (b < a)
                    std::swap(a, b);
                n->ranges.emplace_back(a, b);
            }
            break;
        }
        case 3:
            n->kind = Node::Dot;
            break;
        case 4:
            n->kind = Node::Head;
            break;
        case 5:
            n->kind = Pick(4) == 0 ? Node::Empty : Node::Tail;
            break;
        case 6:
        case 7:
        case 8: {
            n->kind = Node::Concat;
            const int count = 2 + Pick(2);
            for (int i = 0; i < count; ++i)
                n->kids.push_back(Make(depth - 1));
            break;
        }
        case 9:
            n->kind = Node::Union;
            n->kids.push_back(Make(depth - 1));
            n->kids.push_back(Make(depth - 1));
            break;
        default:
            n->kind = static_cast<Node::Kind>(Node::Star + Pick(3));
            n->kids.push_back(Make(depth - 1));
            break;
        }
        return n;
    }

    std::vector<int> Text(int maxLength) {
        std::vector<int> letters(static_cast<std::size_t>(Pick(maxLength + 1)));
        for (int& l : letters)
            l = Pick(static_cast<int>(kLetters.size()));
        return letters;
    }

private:
    std::mt19937 rng_;
};

std::string Spell(std::uint32_t code) {
    for (const Letter& l : kLetters)
        if (l.code == code)
            return l.pattern;
    return {};
}

std::string Emit(const Node& n, bool inConcatOrQuantifier = false) {
    switch (n.kind) {
    case Node::Char:
        return Spell(n.code);
    case Node::Class: {
        std::string s = n.negated ? "[^" : "[";
        for (auto [lo, hi] : n.ranges)
            s += lo == hi ? Spell(lo) : Spell(lo) + "-" + Spell(hi);
        return s + "]";
    }
    case Node::Dot:
        return ".";
    case Node::Head:
        return "^";
    case Node::Tail:
        return "$";
    case Node::Empty:
        return "()";
    case Node::Concat: {
        std::string s;
        for (const auto& kid : n.kids)
            s += Emit(*kid, true);
        return inConcatOrQuantifier ? "(" + s + ")" : s;
    }
    case Node::Union: {
        std::string s = Emit(*n.kids[0]) + "|" + Emit(*n.kids[1]);
        return inConcatOrQuantifier ? "(" + s + ")" : s;
    }
    default: {
        const Node& kid = *n.kids[0];
        std::string inner = Emit(kid, true);
        if (kid.kind >= Node::Star && kid.kind <= Node::QMark)
            inner = "(" + inner + ")";
        return inner + (n.kind == Node::Star ? "*" : n.kind == Node::Plus ? "+" : "?");
    }
    }
}

TEST(RandomMatchTest, SearchesAgreeWithTheDirectReading) {
    const std::uint32_t seed = 20261208;
    Generator gen(seed);
    TAWKStr awk(nullptr);
    int compared = 0;
    for (int round = 0; round < 4000; ++round) {
        auto root = gen.Make(1 + gen.Pick(4));
        const std::string pattern = Emit(*root);
        ASSERT_NO_THROW(awk.SetRegExp(pattern))
            << "seed " << seed << " round " << round << ": " << pattern;
        for (int t = 0; t < 4; ++t) {
            const std::vector<int> letters = gen.Text(7);
            std::string text;
            std::vector<std::uint32_t> codes;
            std::vector<int> offset;
            for (int l : letters) {
                offset.push_back(static_cast<int>(text.size()));
                text += kLetters[l].bytes;
                codes.push_back(kLetters[l].code);
            }
            offset.push_back(static_cast<int>(text.size()));
            for (TMatchCORE_LineSeparator sep : {mcls_CRLF, mcls_LF}) {
                awk.SetLineSeparator(sep);
                const Searcher ref(*root, codes, sep == mcls_CRLF ? '\r' : '\n');
                auto bytes = [&](Searcher::Match m) {
                    return m.first < 0 ? std::pair<long, long>(-1, -1)
                                       : std::pair<long, long>(offset[m.first], offset[m.second]);
                };
                auto got = [&](TMatchRange m) {
                    return m ? std::pair<long, long>(m.start - text.c_str(), m.end - text.c_str())
                             : std::pair<long, long>(-1, -1);
                };
                const std::string where = "seed " + std::to_string(seed) + " round " +
                                          std::to_string(round) + " pattern \"" + pattern +
                                          "\" text #" + std::to_string(t) + " sep " +
                                          std::to_string(sep);
                ASSERT_EQ(got(awk.MatchFirst(text.c_str())), bytes(ref.First())) << where;
                ASSERT_EQ(got(awk.MatchNext(text.c_str())), bytes(ref.Next())) << where;
                ASSERT_EQ(got(awk.MatchFirstAnchored(text.c_str())), bytes(ref.Anchored()))
                    << where;
                ++compared;
            }
        }
    }
    EXPECT_EQ(compared, 4000 * 4 * 2);
}

} // namespace
} // namespace kes
