#include "plugin/palette/placement.h"

namespace {

constexpr int64_t kMin = INT32_MIN;
constexpr int64_t kMax = INT32_MAX;

// Sums and differences of two 32-bit values fit in 64 bits; clamping brings
// them back.
int32_t Clamp(int64_t value, int64_t low, int64_t high) {
  if (value < low) return static_cast<int32_t>(low);
  if (value > high) return static_cast<int32_t>(high);
  return static_cast<int32_t>(value);
}

}  // namespace

HostPoint DefaultPaletteLocation(const HostRect& area, const HostRect& bounds) {
  int64_t width = int64_t{bounds.right} - bounds.left;
  int64_t height = int64_t{bounds.bottom} - bounds.top;
  return {Clamp(area.right - width, kMin, kMax),
          Clamp(area.bottom - height, kMin, kMax)};
}

HostRect PaletteBoundsAt(const HostPoint& location) {
  int32_t left = Clamp(location.h, kMin, kMax - kPaletteWidth);
  int32_t top = Clamp(int64_t{location.v} - kPaletteTopAboveLocation, kMin,
                      kMax - kPaletteHeight);
  return {left, top, left + kPaletteWidth, top + kPaletteHeight};
}

HostPoint PaletteLocationOf(const HostRect& bounds) {
  // Stored so that the reading side's 6 lands the top edge where it was.
  return {bounds.left,
          Clamp(int64_t{bounds.top} + kPaletteTopAboveLocation, kMin, kMax)};
}
