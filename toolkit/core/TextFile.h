#pragma once

#include "toolkit/core/TTextFormat.h"

#include <cstdio>
#include <optional>
#include <string>

namespace kes {

// The one loader of text files. It returns the file's text as the editor takes it: a Ctrl-Z
// byte (0x1A) ends the text, and the line breaks are left for the line splitter. A file that
// holds a NUL byte before its end is no text (UTF-16, a binary) and is refused. Every failure
// raises EFileError naming the file: it cannot be opened, it is a directory, it cannot be read,
// or it holds a NUL.
std::string LoadTextFile(const std::string& fileName);

// The same from an open file (standard input, say), read from where it stands to its end;
// fileName names it in errors.
std::string LoadTextStream(std::FILE* file, const std::string& fileName);

// A text file in the encoding given, or in the one its bytes show (DetectEncoding), converted
// to code page 932, with the format to write it back in: that encoding, the byte-order mark
// if the file began with it, and the line break most of its lines end with. The Ctrl-Z end
// and the NUL refusal apply to the file's characters, so a UTF-16 file with its mark loads
// and a file with NUL bytes and no mark is refused as by LoadTextFile.
struct TLoadedText {
    std::string Text;
    TTextFormat Format;
};
TLoadedText LoadEncodedTextFile(const std::string& fileName,
                                std::optional<TTextEncoding> encoding = std::nullopt);

} // namespace kes
