// Menu items and notifiers that plug-ins register with the host, with what
// the host needs to send them their messages.
#pragma once

#include <stdint.h>

#include <memory>
#include <string>
#include <vector>

#include "host/types.h"

struct MenuItem {
  HostPluginRef plugin = nullptr;
  std::string name;       // the name it was registered under
  std::string group;      // the menu group it sits in
  std::string text;       // what the menu shows, decoded
  int32_t textBytes = 0;  // count byte and characters, as handed over
  int32_t options = 0;
  bool checked = false;

  HostMenuItemHandle handle() {
    return reinterpret_cast<HostMenuItemHandle>(this);
  }
};

class MenuItems {
 public:
  // Copies what the record holds; the caller's texts may go after the call.
  HostError Add(HostPluginRef plugin, const char* name,
                const HostMenuRecord* record, int32_t options,
                HostMenuItemHandle* out);
  HostError Check(HostMenuItemHandle item, HostBoolean checked);
  MenuItem* Find(const void* handle) const;
  MenuItem* FindByName(const std::string& name) const;
  // A new run of `plugin` begins with none of its items.
  void Forget(HostPluginRef plugin);
  const std::vector<std::unique_ptr<MenuItem>>& items() const { return items_; }

 private:
  std::vector<std::unique_ptr<MenuItem>> items_;
};

struct Notifier {
  HostPluginRef plugin = nullptr;
  std::string name;
  std::string type;  // the notification it waits for

  HostNotifierHandle handle() {
    return reinterpret_cast<HostNotifierHandle>(this);
  }
};

class Notifiers {
 public:
  HostError Add(HostPluginRef plugin, const char* name, const char* type,
                HostNotifierHandle* out);
  // Registered for `type` by `plugin`, in order of registration.
  std::vector<Notifier*> OfType(HostPluginRef plugin,
                                const std::string& type) const;
  void Forget(HostPluginRef plugin);
  size_t size() const { return notifiers_.size(); }

 private:
  std::vector<std::unique_ptr<Notifier>> notifiers_;
};
