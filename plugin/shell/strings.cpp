#include "plugin/shell/strings.h"

#include <string.h>

unsigned char* MakeLengthPrefixed(char* text) {
  // Stops counting at 256 so that a long text is not scanned to its end.
  size_t count = 0;
  while (count < 256 && text[count] != 0) ++count;
  if (count > 255) return nullptr;
  // Source and destination overlap by all but one byte.
  memmove(text + 1, text, count);
  text[0] = static_cast<char>(count);
  return reinterpret_cast<unsigned char*>(text);
}

char* MakeNulTerminated(unsigned char* text) {
  size_t count = text[0];
  memmove(text, text + 1, count);
  text[count] = 0;
  return reinterpret_cast<char*>(text);
}
