#pragma once

#include <QString>

#include <optional>
#include <string_view>

namespace kes {

// The steps of writing a file, where a write can fail.
enum class TFileWriteStep { Open, Write, Commit };

// Writes bytes as the whole new content of fileName. The bytes go to a temporary file beside
// it, which then takes the file's place in one step: a crash, a full disk or a killed process
// leaves either the old file or the new one, never a truncated one. Returns an empty string on
// success, else the reason in the user's language (the old file is then as it was).
QString WriteWholeFile(const QString& fileName, std::string_view bytes);

// Makes every later WriteWholeFile fail at that step (nullopt: write normally again), so tests
// can see what a program does when a disk fills up or a folder turns read-only.
void SetFileWriteFault(std::optional<TFileWriteStep> step);

} // namespace kes
