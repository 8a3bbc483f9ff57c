#pragma once

#include <cstddef>

namespace kes::cp932table {

// The committed code page 932 table (Cp932Table.cpp, written by tools/gen_cp932_table.py).
// Single bytes are not in it; Cp932Codec computes them.

constexpr int kLeadCount = 60;   // 0x81-0x9F and 0xE0-0xFC
constexpr int kTrailCount = 189; // 0x40-0xFC, 0x7F included as an always-empty slot

// The character of each double-byte code, 0 where the code is unassigned. Every character of
// code page 932 lies in the Basic Multilingual Plane.
extern const char16_t kDoubleByte[kLeadCount * kTrailCount];

// Ascending codes that decode but are never produced by encoding: their character has a
// preferred code (the one Windows chooses).
extern const char16_t kDecodeOnly[];
extern const std::size_t kDecodeOnlyCount;

} // namespace kes::cp932table
