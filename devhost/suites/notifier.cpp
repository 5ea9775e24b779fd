// "AI Notifier Suite": registrations for the host's notifications.
#include "devhost/host.h"
#include "devhost/suites/tables.h"
#include "host/names.h"

namespace {

HostError HOST_API AiAddNotifier(HostPluginRef plugin, const char* name,
                                 const char* type,
                                 HostNotifierHandle* notifier) {
  return GateError(kAiNotifierSuite, "AiAddNotifier",
                   RenderArgs(plugin, name, type), [&] {
                     DevHost& host = DevHost::Current();
                     if (plugin != host.pluginRef())
                       return kHostErrBadParameter;
                     return host.notifiers.Add(plugin, name, type, notifier);
                   });
}

}  // namespace

const AiNotifierSuite kDevHostNotifierSuite = {AiAddNotifier};
