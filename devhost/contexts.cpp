#include "devhost/contexts.h"

#include "devhost/host.h"

HostError AppContexts::Push(HostPluginRef plugin, HostAppContext* out) {
  if (!plugin || !out) return kHostErrBadParameter;
  open_.push_back(next_++);
  *out = reinterpret_cast<HostAppContext>(open_.back());
  return 0;
}

HostError AppContexts::Pop(HostAppContext context, std::string* why) {
  auto value = reinterpret_cast<uintptr_t>(context);
  if (!open_.empty() && open_.back() == value) {
    open_.pop_back();
    return 0;
  }
  bool known = false;
  for (uintptr_t open : open_) known = known || open == value;
  *why = known ? "AiPopAppContext closed a context while an inner one was open"
               : "AiPopAppContext given a context that is not open";
  return known ? kHostErrBadParameter : kHostErrNotFound;
}
