// "AS Lib Suite": string helpers.
#include <string.h>

#include "devhost/host.h"
#include "devhost/suites/tables.h"
#include "host/names.h"

namespace {

HostError HOST_API AsCopyString(char* destination, const char* source) {
  return GateError(kAsLibSuite, "AsCopyString",
                   RenderArgs(static_cast<const void*>(destination), source),
                   [&] {
                     if (!destination || !source) return kHostErrBadParameter;
                     memmove(destination, source, strlen(source) + 1);
                     return 0;
                   });
}

}  // namespace

const AsLibSuite kDevHostLibSuite = {{}, AsCopyString};
