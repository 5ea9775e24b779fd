// Application contexts: opened by a push, closed by the matching pop, in
// nested order.
#pragma once

#include <stdint.h>

#include <string>
#include <vector>

#include "host/types.h"

class AppContexts {
 public:
  // Opens a context for `plugin` into *out.
  HostError Push(HostPluginRef plugin, HostAppContext* out);
  // Closes `context`, which must be the innermost one open; *why says what
  // was wrong otherwise.
  HostError Pop(HostAppContext context, std::string* why);
  size_t open() const { return open_.size(); }

 private:
  std::vector<uintptr_t> open_;
  uintptr_t next_ = 0xC0000;
};
