#pragma once

#include <cstdio>
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

} // namespace kes
