#pragma once

#include "toolkit/core/TTextFormat.h"

#include <string>
#include <string_view>

namespace kes {

// Text files in the encodings a person has, against the editor's code page 932 with CR LF.
// The conversions are Cp932Codec's, so nothing is dropped: a character code page 932 cannot
// hold comes in as its "&#x...;" reference and goes out as the character again.

// The encoding of a file as the program guesses it: a UTF-8 or UTF-16 byte-order mark names
// it; else bytes that are UTF-8 throughout and hold at least one non-ASCII character are
// UTF-8; else it is code page 932, which takes any bytes. The loader hands in the bytes before
// a Ctrl-Z, as nothing after it is text.
TTextEncoding DetectEncoding(std::string_view bytes);

// Whether the bytes begin with that encoding's byte-order mark (code page 932 has none).
bool HasByteOrderMark(std::string_view bytes, TTextEncoding encoding);

// A file's bytes read in an encoding, as code page 932 text. A byte-order mark of that
// encoding is left out. Malformed UTF-8 or UTF-16, an odd last byte of UTF-16 among it,
// becomes "&#xFFFD;". Code page 932 bytes stay exactly as they are.
std::string DecodeText(std::string_view bytes, TTextEncoding encoding);

// The line break most of the text's lines end with, the earliest of equally common ones. A
// text without a line break takes LF in UTF-8, the usual style of files on Linux, and CR LF
// in the other encodings.
TLineBreakStyle DetectLineBreak(std::string_view text, TTextEncoding encoding);

// The editor's text (code page 932, CR LF between lines) as the bytes of a file in a format:
// its line break, its encoding with the references turned back into characters, its mark.
std::string EncodeText(std::string_view text, const TTextFormat& format);

} // namespace kes
