// The exported entry point and the dispatch of host messages.
#pragma once

#include "host/message.h"

#if defined(_WIN32)
#define PLUGIN_EXPORT
#else
#define PLUGIN_EXPORT __attribute__((visibility("default")))
#endif

extern "C" PLUGIN_EXPORT HostError HOST_API PluginMain(const char* caller,
                                                       const char* selector,
                                                       HostMessage* message);

// Dispatches every caller other than "SP Access" and "SP Interface".
HostError DispatchHostMessage(const char* caller, const char* selector,
                              HostMessage* message);
