#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kes {

// What the next start reads back of a phrase (code page 932) that the phrase list saves to the
// settings file: the phrase itself when the file keeps it, an altered text (blanks trimmed at
// its ends or around its first "="; "%空行%" becomes empty), or nothing when the file loses it
// (an empty phrase, one starting with ";", or one looking like a section header "[...]", which
// would also take every later phrase into that section).
std::optional<std::string> PhraseAsReadBack(std::string_view phrase);

} // namespace kes
