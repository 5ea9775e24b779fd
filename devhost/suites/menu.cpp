// "AI Menu Suite": menu items with their group, text, options and mark.
#include "devhost/host.h"
#include "devhost/suites/tables.h"
#include "host/names.h"

namespace {

std::string RenderRecord(const HostMenuRecord* record) {
  if (!record) return "null";
  return "{" + RenderArgs(record->group, record->text) + "}";
}

HostError HOST_API AiAddMenuItem(HostPluginRef plugin, const char* name,
                                 const HostMenuRecord* record, int32_t options,
                                 HostMenuItemHandle* item) {
  return GateError(kAiMenuSuite, "AiAddMenuItem",
                   RenderArgs(plugin, name) + ", " + RenderRecord(record) +
                       ", " + RenderArg(options),
                   [&] {
                     DevHost& host = DevHost::Current();
                     if (plugin != host.pluginRef())
                       return kHostErrBadParameter;
                     return host.menus.Add(plugin, name, record, options, item);
                   });
}

HostError HOST_API AiCheckMenuItem(HostMenuItemHandle item,
                                   HostBoolean checked) {
  return GateError(kAiMenuSuite, "AiCheckMenuItem", RenderArgs(item, checked),
                   [&] {
                     DevHost& host = DevHost::Current();
                     HostError code = host.menus.Check(item, checked);
                     if (code != 0)
                       host.Complain("AiCheckMenuItem given item " +
                                     RenderArg(static_cast<const void*>(item)) +
                                     ", which does not exist");
                     return code;
                   });
}

}  // namespace

const AiMenuSuite kDevHostMenuSuite = {AiAddMenuItem, {}, AiCheckMenuItem};
