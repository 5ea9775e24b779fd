#include "plugin/palette/menu.h"

#include "host/names.h"
#include "plugin/shell/globals.h"
#include "plugin/shell/strings.h"
#include "plugin/shell/suite_table.h"

namespace {

constexpr char kMenuGroup[] = "Tool Palettes";
constexpr char kMenuItemName[] = "Quaso Palette Menu Item";

}  // namespace

HostError AddPaletteMenuItem(HostMessage* message) {
  // Becomes the 14-byte length-prefixed text in place; the host copies it
  // during the call.
  char text[] = "Quaso Palette";
  static_assert(sizeof text == 14, "13 characters and the count");
  HostMenuRecord record = {kMenuGroup, MakeLengthPrefixed(text)};
  return sAiMenu->AiAddMenuItem(message->pluginRef, kMenuItemName, &record,
                                kAiMenuWantsUpdate, &gPluginGlobals->menuItem);
}

HostError OnMenuGo(HostMessage* message) {
  // Before start-up, or after one that failed, no item is ours.
  if (!gPluginGlobals || message->menuItem != gPluginGlobals->menuItem)
    return 0;
  // Without a palette there is nothing to show or hide.
  AdmDialogRef palette = gPluginGlobals->paletteDialog;
  if (!palette) return 0;
  HostBoolean visible = sAdmDialog->AdmDialogIsVisible(palette);
  sAdmDialog->AdmDialogShow(palette, visible ? 0 : 1);
  return 0;
}

HostError OnMenuUpdate(HostMessage* message) {
  // The item the message names is checked; a missing palette counts as
  // hidden.
  AdmDialogRef palette =
      gPluginGlobals ? gPluginGlobals->paletteDialog : nullptr;
  HostBoolean visible = palette ? sAdmDialog->AdmDialogIsVisible(palette) : 0;
  sAiMenu->AiCheckMenuItem(message->menuItem, visible);
  return 0;
}
