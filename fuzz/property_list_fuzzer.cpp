// Any bytes as a property list: the reader must answer, never read outside
// them, and name a terminated entry point whenever it says yes.
#include <stddef.h>
#include <stdint.h>
#include <stdlib.h>

#include <string>

#include "devhost/property_list.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  PluginProperties properties;
  std::string error;
  bool ok = ReadPropertyList(data, size, &properties, &error);
  if (ok && (properties.entryPoint.empty() ||
             properties.kind != kPiplPluginKind || !error.empty()))
    abort();
  if (!ok && error.empty()) abort();
  return 0;
}
