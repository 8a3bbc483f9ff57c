#include "toolkit/core/TLineSplitter.h"

namespace kes {

std::string_view TextBeforeNul(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

TLineSplitter::TLineSplitter(std::string_view text, TLineSplit options)
    : text_(options.nulEndsText ? TextBeforeNul(text) : text),
      emptyLinePending_(options.emptyTextIsALine && text_.empty()) {}

bool TLineSplitter::Next(TTextLine& line) {
    if (emptyLinePending_) {
        emptyLinePending_ = false;
        line = {};
        return true;
    }
    const size_t size = text_.size();
    if (pos_ >= size)
        return false;
    size_t end = pos_;
    while (end < size && text_[end] != '\r' && text_[end] != '\n')
        ++end;
    line.text = text_.substr(pos_, end - pos_);
    line.broken = end < size;
    pos_ = end;
    if (line.broken) {
        ++pos_;
        if (text_[end] == '\r' && pos_ < size && text_[pos_] == '\n')
            ++pos_;
    }
    return true;
}

size_t CountLines(std::string_view text, TLineSplit options) {
    size_t count = 0;
    TLineSplitter lines(text, options);
    for (TTextLine line; lines.Next(line);)
        ++count;
    return count;
}

} // namespace kes
