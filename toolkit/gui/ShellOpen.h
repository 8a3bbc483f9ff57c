#pragma once

#include <string>
#include <string_view>

namespace kes {

// A link as the desktop's opener takes it: a "www." name without a scheme would be opened as a
// file, so it gets "http://" in front; everything else stays as it is (code page 932 text).
std::string LinkWithScheme(std::string_view link);

// Hands a URL, a "mailto:" URL or a file name (code page 932 text) to the desktop, which opens
// it with the program the user chose for it. False when the desktop found no program for it.
bool ShellOpen(const std::string& link);

} // namespace kes
