// The plug-in's one block of state, alive from start-up to shut-down.
#pragma once

#include "host/suites.h"

struct PluginGlobals {
  HostMenuItemHandle menuItem;     // the palette's menu item
  const SpBasicSuite* basicSuite;  // for procedures that get no message
  AdmDialogRef paletteDialog;      // 0 while no palette exists
  HostAccessRef accessRef;         // held while the palette exists
  HostNotifierHandle notifier;     // the application-started notifier
};

#if defined(_WIN32) && defined(__i386__)
static_assert(sizeof(PluginGlobals) == 20, "five 32-bit fields");
#endif

// Allocated from the host's blocks at start-up; parked in the message
// across an unload. Null before start-up and after shut-down.
extern PluginGlobals* gPluginGlobals;
