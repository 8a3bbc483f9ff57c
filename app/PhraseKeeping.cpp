#include "app/PhraseKeeping.h"

#include "app/SettingsKeys.h"
#include "app/TMemIniFileEx.h"
#include "toolkit/core/TStringList.h"

namespace kes {

// The phrase goes through the very writer and reader of the settings file, in memory, so the
// answer follows the file's rules wherever they are defined.
std::optional<std::string> PhraseAsReadBack(std::string_view phrase) {
    TMemIniFileEx ini{QString()};
    TStringList lines;
    lines.Add(std::string(phrase));
    ini.WriteStrings(setting::Sentence, lines, false);
    lines.Clear();
    if (!ini.ReadStrings(setting::Sentence, lines) || lines.Count() != 1)
        return std::nullopt;
    return lines.Get(0);
}

} // namespace kes
