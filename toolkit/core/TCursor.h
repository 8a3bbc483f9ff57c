#pragma once

namespace kes {

// A mouse cursor by the toolkit's number: the stock shapes are negative, numbers from 1 up
// name cursors that a program registers at start-up.
using TCursor = int;

constexpr TCursor crDefault = 0;
constexpr TCursor crIBeam = -4;
constexpr TCursor crDrag = -12;
constexpr TCursor crHandPoint = -21;

} // namespace kes
