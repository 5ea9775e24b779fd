// Where the palette goes: the arithmetic between its stored location and
// its bounds, kept inside the 32-bit coordinate range.
#pragma once

#include "host/types.h"

// The palette's size once placed, and how far its top edge lies above the
// stored vertical coordinate.
inline constexpr int32_t kPaletteWidth = 212;
inline constexpr int32_t kPaletteHeight = 112;
inline constexpr int32_t kPaletteTopAboveLocation = 6;

// The location that puts a dialog of `bounds`' size against the right and
// bottom edges of `area`.
HostPoint DefaultPaletteLocation(const HostRect& area, const HostRect& bounds);

// The palette's bounds for a stored location. Every location gives bounds
// of the full size: coordinates are clamped so that none passes the range.
HostRect PaletteBoundsAt(const HostPoint& location);

// The location to store for `bounds`, which PaletteBoundsAt turns back into
// the same left and top.
HostPoint PaletteLocationOf(const HostRect& bounds);
