// "AI User Suite": number conversions between reals and length-prefixed
// decimal text.
#include <errno.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <string>

#include "devhost/host.h"
#include "devhost/suites/tables.h"
#include "host/names.h"

namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t'; }

// Reads a decimal number, as C reads one (including "inf" and "nan"), and
// nothing else: no hexadecimal, no trailing text. Too large for a float
// reads as an infinity of its sign.
HostError TextToReal(const unsigned char* text, float* value) {
  if (!text || !value) return kHostErrBadParameter;
  std::string decimal(reinterpret_cast<const char*>(text + 1), text[0]);
  if (decimal.find('\0') != std::string::npos ||
      decimal.find_first_of("xX") != std::string::npos)
    return kHostErrBadParameter;
  while (!decimal.empty() && IsSpace(decimal.back())) decimal.pop_back();
  size_t first = 0;
  while (first < decimal.size() && IsSpace(decimal[first])) ++first;
  if (first == decimal.size()) return kHostErrBadParameter;
  const char* begin = decimal.c_str() + first;
  char* end = nullptr;
  errno = 0;
  float read = strtof(begin, &end);
  if (end == begin || *end != 0) return kHostErrBadParameter;
  *value = read;
  return 0;
}

// Writes `value` with `precision` decimals, cut to 255 characters.
HostError RealToText(float value, int32_t precision, unsigned char* text) {
  if (!text) return kHostErrBadParameter;
  text[0] = 0;
  if (precision < 0) return kHostErrBadParameter;
  if (precision > 255) precision = 255;
  char decimal[320];  // the largest float has 39 digits before the point
  int length =
      snprintf(decimal, sizeof decimal, "%.*f", static_cast<int>(precision),
               static_cast<double>(value));
  if (length < 0) return kHostErrBadParameter;
  size_t count = strlen(decimal);
  if (count > 255) count = 255;
  memcpy(text + 1, decimal, count);
  text[0] = static_cast<unsigned char>(count);
  return 0;
}

HostError HOST_API AiRealToText(float value, int32_t precision,
                                unsigned char* text) {
  return GateError(kAiUserSuite, "AiRealToText",
                   RenderArgs(static_cast<double>(value), precision,
                              static_cast<const void*>(text)),
                   [&] { return RealToText(value, precision, text); });
}

HostError HOST_API AiTextToReal(const unsigned char* text, float* value) {
  return GateError(kAiUserSuite, "AiTextToReal",
                   RenderArgs(text, static_cast<const void*>(value)),
                   [&] { return TextToReal(text, value); });
}

constexpr HostReservedProc kNone = nullptr;

}  // namespace

const AiUserSuite kDevHostUserSuite = {
    {kNone, kNone, kNone, kNone}, AiRealToText, AiTextToReal};
