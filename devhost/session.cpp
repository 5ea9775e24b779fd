#include "devhost/session.h"

#include "host/names.h"

PluginSession::PluginSession(DevHost& host, std::string path)
    : host_(host), path_(std::move(path)) {}

bool PluginSession::Load() {
  bool ok = library_.Load(path_);
  error_ = library_.error();
  return ok;
}

HostError PluginSession::Send(const char* caller, const char* selector,
                              void* target) {
  message_ = HostMessage{};
  message_.checkWord = 0x51504C47;  // 'QPLG'
  message_.pluginRef = host_.pluginRef();
  message_.globals = globals_;
  message_.basicSuite = host_.basicSuite();
  message_.menuItem = static_cast<HostMenuItemHandle>(target);

  bool faulted = false;
  HostError ignored = 0;
  size_t index = host_.Begin("", "PluginMain", RenderArgs(caller, selector),
                             &faulted, &ignored);
  ++host_.depth;
  HostError result = library_.entry()(caller, selector, &message_);
  --host_.depth;
  host_.End(index, RenderArg(result), false);
  globals_ = message_.globals;
  return result;
}

HostError PluginSession::Startup() {
  // Items and notifiers belong to one run of the plug-in.
  host_.menus.Forget(host_.pluginRef());
  host_.notifiers.Forget(host_.pluginRef());
  return Send(kCallerSpInterface, kSelectorStartup);
}
HostError PluginSession::Shutdown() {
  return Send(kCallerSpInterface, kSelectorShutdown);
}
HostError PluginSession::About() {
  return Send(kCallerSpInterface, kSelectorAbout);
}

bool PluginSession::UnloadLibrary() {
  if (host_.AccessRefsHeld() != 0) {
    error_ = "plug-in \"" + path_ +
             "\" holds an access reference and stays loaded; close its "
             "palette first";
    return false;
  }
  Send(kCallerSpAccess, kSelectorUnload);
  library_.Unload();
  return true;
}

bool PluginSession::ReloadLibrary(HostError* result) {
  if (!Load()) return false;
  HostError answer = Send(kCallerSpAccess, kSelectorReload);
  if (result) *result = answer;
  return true;
}

HostError PluginSession::ApplicationStarted() {
  HostError first = 0;
  for (Notifier* notifier : host_.notifiers.OfType(
           host_.pluginRef(), kAiApplicationStartedNotifier)) {
    HostError result = Send(kCallerAiNotifier, kSelectorAiNotify, notifier);
    if (first == 0) first = result;
  }
  return first;
}

HostError PluginSession::ChooseMenuItem(const std::string& name) {
  MenuItem* item = host_.menus.FindByName(name);
  if (!item || item->plugin != host_.pluginRef()) return kHostErrNotFound;
  return Send(kCallerAiMenu, kSelectorAiGo, item);
}

HostError PluginSession::OpenMenus() {
  HostError first = 0;
  // Copied first: an item could be added while the messages run.
  std::vector<MenuItem*> items;
  for (const auto& item : host_.menus.items())
    if (item->plugin == host_.pluginRef() &&
        (item->options & kAiMenuWantsUpdate))
      items.push_back(item.get());
  for (MenuItem* item : items) {
    HostError result = Send(kCallerAiMenu, kSelectorAiUpdate, item);
    if (first == 0) first = result;
  }
  return first;
}
