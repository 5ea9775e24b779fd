// "SP Access Suite": access references that keep the library loaded.
#include "devhost/host.h"
#include "devhost/suites/tables.h"
#include "host/names.h"

namespace {

HostError HOST_API SpAcquirePlugin(HostPluginRef plugin,
                                   HostAccessRef* access) {
  return GateError(kSpAccessSuite, "SpAcquirePlugin", RenderArgs(plugin), [&] {
    return DevHost::Current().AcquirePlugin(plugin, access);
  });
}

HostError HOST_API SpReleasePlugin(HostAccessRef access) {
  return GateError(kSpAccessSuite, "SpReleasePlugin", RenderArgs(access),
                   [&] { return DevHost::Current().ReleasePlugin(access); });
}

}  // namespace

const SpAccessSuite kDevHostAccessSuite = {SpAcquirePlugin, SpReleasePlugin};
