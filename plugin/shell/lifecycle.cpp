#include "plugin/shell/lifecycle.h"

#include "host/names.h"
#include "plugin/dialogs/about.h"
#include "plugin/palette/menu.h"
#include "plugin/palette/palette.h"
#include "plugin/shell/globals.h"
#include "plugin/shell/suite_table.h"

PluginGlobals* gPluginGlobals = nullptr;

namespace {
// Nothing to carry across an unload beyond the globals pointer itself.
HostError UnloadHook(HostMessage*) { return 0; }
HostError ReloadHook(HostMessage*) { return 0; }
}  // namespace

HostError OnStartup(HostMessage* message) {
  void* block = nullptr;
  HostError err = sSpBlocks->SpAllocateBlock(
      static_cast<int32_t>(sizeof(PluginGlobals)), "globals", &block);
  if (err != 0) return err;
  // The host's blocks come uninitialised; the palette field must read 0
  // until a palette exists.
  gPluginGlobals = static_cast<PluginGlobals*>(block);
  *gPluginGlobals = PluginGlobals{};
  gPluginGlobals->basicSuite = message->basicSuite;

  HostError result = AddPaletteMenuItem(message);
  AddStartupNotifier(message);  // the palette comes even without its menu
  return result;
}

HostError OnShutdown(HostMessage* message) {
  // A failed start-up leaves no block: nothing to destroy or free.
  if (gPluginGlobals) DestroyPalette();
  const SpBasicSuite* basic = message->basicSuite;
  HostError err =
      basic->SpAcquireSuite(kSpBlocksSuite, kSpBlocksSuiteVersion,
                            reinterpret_cast<const void**>(&sSpBlocks));
  if (err == 0) {
    if (gPluginGlobals) sSpBlocks->SpFreeBlock(gPluginGlobals);
    gPluginGlobals = nullptr;
    basic->SpReleaseSuite(kSpBlocksSuite, kSpBlocksSuiteVersion);
  }
  message->globals = nullptr;
  return err;
}

HostError OnUnload(HostMessage* message) {
  if (message->globals) UnloadHook(message);
  message->globals = gPluginGlobals;
  return 0;
}

HostError OnReload(HostMessage* message) {
  HostError result = 0;
  if (message->globals) result = ReloadHook(message);
  gPluginGlobals = static_cast<PluginGlobals*>(message->globals);
  gSuiteNestingCounter = 0;
  return result;
}

HostError OnAbout(HostMessage* message) {
  ShowAboutDialog(message);
  return 0;
}
