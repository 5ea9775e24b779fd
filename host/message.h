// The record the host passes with every PluginMain call, and the entry point.
#pragma once

#include <stddef.h>

#include "host/types.h"

struct SpBasicSuite;

struct HostMessage {
  int32_t checkWord;               // set by the host; plug-ins never read it
  HostPluginRef pluginRef;         // the host's handle for this plug-in
  void* globals;                   // plug-in state parked here across an unload
  const SpBasicSuite* basicSuite;  // valid for the length of the call
  union {
    HostMenuItemHandle menuItem;  // "AI Menu" messages only
    HostNotifierHandle notifier;  // "AI Notifier" messages only
  };
};

#if defined(_WIN32) && defined(__i386__)
static_assert(offsetof(HostMessage, checkWord) == 0, "check word at byte 0");
static_assert(offsetof(HostMessage, pluginRef) == 4, "plug-in ref at byte 4");
static_assert(offsetof(HostMessage, globals) == 8, "globals at byte 8");
static_assert(offsetof(HostMessage, basicSuite) == 12,
              "basic suite at byte 12");
static_assert(offsetof(HostMessage, menuItem) == 16, "menu item at byte 16");
static_assert(offsetof(HostMessage, notifier) == 16, "notifier at byte 16");
static_assert(sizeof(HostPluginRef) == 4 && sizeof(void*) == 4 &&
                  sizeof(HostMenuItemHandle) == 4,
              "message fields are 32 bits wide");
static_assert(sizeof(HostMessage) == 20, "message record is 20 bytes");
#endif

// The plug-in's one export: answers a host message with an error code.
typedef HostError(HOST_API* PluginMainProc)(const char* caller,
                                            const char* selector,
                                            HostMessage* message);
