// The plug-in property list the application reads to recognise a library
// as one of its plug-ins and to learn the name of its entry point.
#pragma once

#include <stddef.h>
#include <stdint.h>

#include <string>

struct PluginProperties {
  uint32_t kind = 0;             // 'SPEA' for plug-ins of this host
  int32_t interfaceVersion = 0;  // 'ivrs'
  std::string entryPoint;        // 'wx86': the function to call
};

// Four-character codes as the list stores them: the first character is the
// most significant byte.
inline constexpr uint32_t kPiplVendor = 0x41444245;      // 'ADBE'
inline constexpr uint32_t kPiplKindKey = 0x6B696E64;     // 'kind'
inline constexpr uint32_t kPiplVersionKey = 0x69767273;  // 'ivrs'
inline constexpr uint32_t kPiplEntryKey = 0x77783836;    // 'wx86'
inline constexpr uint32_t kPiplPluginKind = 0x53504541;  // 'SPEA'

// Reads `size` bytes of property list. Returns false, with `error` saying
// what is wrong, for a list that is cut short, names no plug-in of this
// kind, or gives no terminated entry-point name. Never reads past `size`.
bool ReadPropertyList(const unsigned char* data, size_t size,
                      PluginProperties* out, std::string* error);
