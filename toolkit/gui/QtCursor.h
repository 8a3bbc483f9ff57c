#pragma once

#include "toolkit/core/TCursor.h"

#include <QCursor>

namespace kes {

// The Qt cursor for a toolkit cursor number: the stock shapes, the editor's own two cursors
// (the right-pointing arrow and the drag-copy arrow, drawn here) and the arrow for any other
// number.
QCursor CursorOf(TCursor cursor);

} // namespace kes
