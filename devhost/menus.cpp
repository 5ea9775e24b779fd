#include "devhost/menus.h"

#include <algorithm>

#include "devhost/host.h"

HostError MenuItems::Add(HostPluginRef plugin, const char* name,
                         const HostMenuRecord* record, int32_t options,
                         HostMenuItemHandle* out) {
  if (!plugin || !name || !record || !record->group || !record->text || !out)
    return kHostErrBadParameter;
  auto item = std::make_unique<MenuItem>();
  item->plugin = plugin;
  item->name = name;
  item->group = record->group;
  item->text.assign(reinterpret_cast<const char*>(record->text + 1),
                    record->text[0]);
  item->textBytes = 1 + record->text[0];
  item->options = options;
  *out = item->handle();
  items_.push_back(std::move(item));
  return 0;
}

HostError MenuItems::Check(HostMenuItemHandle handle, HostBoolean checked) {
  MenuItem* item = Find(handle);
  if (!item) return kHostErrNotFound;
  item->checked = checked != 0;
  return 0;
}

MenuItem* MenuItems::Find(const void* handle) const {
  for (const auto& item : items_)
    if (item.get() == handle) return item.get();
  return nullptr;
}

MenuItem* MenuItems::FindByName(const std::string& name) const {
  for (const auto& item : items_)
    if (item->name == name) return item.get();
  return nullptr;
}

void MenuItems::Forget(HostPluginRef plugin) {
  items_.erase(std::remove_if(items_.begin(), items_.end(),
                              [plugin](const auto& item) {
                                return item->plugin == plugin;
                              }),
               items_.end());
}

HostError Notifiers::Add(HostPluginRef plugin, const char* name,
                         const char* type, HostNotifierHandle* out) {
  if (!plugin || !name || !type || !out) return kHostErrBadParameter;
  auto notifier = std::make_unique<Notifier>();
  notifier->plugin = plugin;
  notifier->name = name;
  notifier->type = type;
  *out = notifier->handle();
  notifiers_.push_back(std::move(notifier));
  return 0;
}

std::vector<Notifier*> Notifiers::OfType(HostPluginRef plugin,
                                         const std::string& type) const {
  std::vector<Notifier*> out;
  for (const auto& notifier : notifiers_)
    if (notifier->plugin == plugin && notifier->type == type)
      out.push_back(notifier.get());
  return out;
}

void Notifiers::Forget(HostPluginRef plugin) {
  notifiers_.erase(std::remove_if(notifiers_.begin(), notifiers_.end(),
                                  [plugin](const auto& notifier) {
                                    return notifier->plugin == plugin;
                                  }),
                   notifiers_.end());
}
