// "SP Basic": the suite every message carries.
#include <string.h>

#include "devhost/host.h"
#include "devhost/suites/registry.h"

namespace {

HostError HOST_API SpAcquireSuite(const char* name, int32_t version,
                                  const void** suite) {
  return GateError("", "SpAcquireSuite", RenderArgs(name, version), [&] {
    return DevHost::Current().AcquireSuite(name, version, suite);
  });
}

HostError HOST_API SpReleaseSuite(const char* name, int32_t version) {
  return GateError("", "SpReleaseSuite", RenderArgs(name, version), [&] {
    return DevHost::Current().ReleaseSuite(name, version);
  });
}

HostBoolean HOST_API SpIsEqual(const char* a, const char* b) {
  return GateValue<HostBoolean>("", "SpIsEqual", RenderArgs(a, b), [&] {
    return (a && b && strcmp(a, b) == 0) ? 1 : 0;
  });
}

}  // namespace

const SpBasicSuite kDevHostBasicSuite = {SpAcquireSuite, SpReleaseSuite,
                                         SpIsEqual};
