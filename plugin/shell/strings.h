// In-place conversions between NUL-terminated and length-prefixed strings.
#pragma once

// Turns a NUL-terminated string into a length-prefixed one in the same bytes.
// Returns null, leaving the buffer as it was, for 256 characters or more.
unsigned char* MakeLengthPrefixed(char* text);

// Turns a length-prefixed string into a NUL-terminated one in the same bytes;
// the buffer must hold count + 1 bytes.
char* MakeNulTerminated(unsigned char* text);
