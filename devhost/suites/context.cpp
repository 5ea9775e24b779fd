// "AI Context Suite": application contexts, checked for nesting.
#include "devhost/host.h"
#include "devhost/suites/tables.h"
#include "host/names.h"

namespace {

HostError HOST_API AiPushAppContext(HostPluginRef plugin,
                                    HostAppContext* context) {
  return GateError(kAiContextSuite, "AiPushAppContext", RenderArgs(plugin),
                   [&] {
                     DevHost& host = DevHost::Current();
                     if (plugin != host.pluginRef())
                       return kHostErrBadParameter;
                     return host.contexts.Push(plugin, context);
                   });
}

HostError HOST_API AiPopAppContext(HostAppContext context) {
  return GateError(kAiContextSuite, "AiPopAppContext", RenderArgs(context),
                   [&] {
                     DevHost& host = DevHost::Current();
                     std::string why;
                     HostError code = host.contexts.Pop(context, &why);
                     if (code != 0) host.Complain(why);
                     return code;
                   });
}

}  // namespace

const AiContextSuite kDevHostContextSuite = {nullptr, AiPushAppContext,
                                             AiPopAppContext};
