#pragma once

#include <cstddef>
#include <string_view>

namespace kes {

// One line of a text: its bytes without the line break, and whether a break ended it.
struct TTextLine {
    std::string_view text;
    bool broken = false;
};

// What the callers of the line splitter differ in, as explicit choices.
struct TLineSplit {
    // A NUL byte ends the text (text written into the editor, which holds no NUL); otherwise
    // a NUL is a byte of its line like any other.
    bool nulEndsText = false;
    // An empty text is one empty line (a list of rows is never empty) rather than no line.
    bool emptyTextIsALine = false;
};

// The one way text is cut into lines: CR LF, LF and a lone CR each end a line, and a break at
// the very end starts no further line.
//     TLineSplitter lines(text, options);
//     for (TTextLine line; lines.Next(line);) ...
class TLineSplitter {
public:
    explicit TLineSplitter(std::string_view text, TLineSplit options = {});
    bool Next(TTextLine& line);

private:
    std::string_view text_;
    size_t pos_ = 0;
    bool emptyLinePending_ = false;
};

// The text up to its first NUL byte.
std::string_view TextBeforeNul(std::string_view text);

// How many lines the splitter yields.
size_t CountLines(std::string_view text, TLineSplit options = {});

// Calls fn(TTextLine) for every line.
template <class Fn> void ForEachLine(std::string_view text, TLineSplit options, Fn fn) {
    TLineSplitter lines(text, options);
    for (TTextLine line; lines.Next(line);)
        fn(line);
}

} // namespace kes
