// Texts written so that they read back exactly: the trace and the
// preference file both show strings this way.
#pragma once

#include <stddef.h>

#include <string>

// `text` in double quotes, with \" \\ \t \n \r and \xHH for other control
// bytes; other bytes, UTF-8 included, stand as they are.
std::string QuoteText(const char* text, size_t length);

inline std::string QuoteText(const std::string& text) {
  return QuoteText(text.data(), text.size());
}
