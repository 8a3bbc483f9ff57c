#pragma once

#include "regexp/TREParseTree.h"
#include "regexp/TREScanner.h"
#include "toolkit/core/TObject.h"

#include <string>

namespace kes {

// Recursive-descent parser of one pattern into a parse tree:
//   regex   := term { '|' term }
//   term    := empty | factor { factor }
//   factor  := primary [ '*' | '+' | '?' ]
//   primary := char | '(' regex ')' | '[' members ']' | '[^' members ']' | '.' | '^' | '$'
class TREParser : public TObject {
public:
    explicit TREParser(const std::string& pattern);

    // Parses the whole pattern; raises ERegExpParser at the first fault.
    void Run();

    TREParseTree& ParseTree() { return tree_; }
    const TREParseTree& ParseTree() const { return tree_; }
    TREScanner& Scanner() { return scanner_; }

private:
    TRENode* Regex();
    TRENode* Term();
    TRENode* Factor();
    TRENode* Primary();
    TRENode* CharClass(TREParseTree& tree);
    TRENode* NegativeCharClass();
    void GetToken() { scanner_.GetToken(); }
    [[noreturn]] void Error(const char* message) const;

    TREScanner scanner_;
    TREParseTree tree_;
    int depth_ = 0;
};

} // namespace kes
