#include "plugin/palette/palette.h"

#include "host/names.h"
#include "plugin/palette/placement.h"
#include "plugin/shell/globals.h"
#include "plugin/shell/suite_table.h"

namespace {

constexpr char kPreferencePrefix[] = "QuasoPalette";  // also the dialog's name
constexpr char kDockGroupKey[] = "kADM_DPDockGroupStr";
constexpr char kDockCodeKey[] = "kADM_DPDockCodeStr";
constexpr char kLocationKey[] = "kADM_DPLocationStr";
constexpr char kVisibleKey[] = "kADM_DPVisibleStr";

constexpr char kDefaultDockGroup[] = "KorvaneDialogs";
constexpr int32_t kDefaultDockCode = 0x1C00;
constexpr int32_t kPaletteTemplateId = 16000;
constexpr char kNotifierName[] = "notifierName";

// The host promises at most 64 bytes with the terminator.
constexpr int kGroupNameSize = 64;

}  // namespace

HostError AddStartupNotifier(HostMessage* message) {
  return sAiNotifier->AiAddNotifier(message->pluginRef, kNotifierName,
                                    kAiApplicationStartedNotifier,
                                    &gPluginGlobals->notifier);
}

HostError OnNotify(HostMessage* message) {
  // Before start-up, or after one that failed, no notifier is ours.
  if (!gPluginGlobals || message->notifier != gPluginGlobals->notifier)
    return 0;
  // A second palette would take over the fields of the first, which could
  // then never be reached or destroyed again.
  if (gPluginGlobals->paletteDialog) return 0;
  return CreatePalette(message);
}

HostError CreatePalette(HostMessage* message) {
  // The dialog manager decides whether the new palette shows.
  gPluginGlobals->paletteDialog = sAdmDialog->AdmDialogCreate(
      message->pluginRef, kPreferencePrefix, kPaletteTemplateId,
      kAdmStyleFloatingDockable, PaletteInitProc, nullptr);
  return 0;
}

HostError HOST_API PaletteInitProc(AdmDialogRef dialog) {
  HostPluginRef plugin = sAdmDialog->AdmDialogGetPluginRef(dialog);
  HostAppContext context = nullptr;
  sAiContext->AiPushAppContext(plugin, &context);
  sSpAccess->SpAcquirePlugin(plugin, &gPluginGlobals->accessRef);
  // The palette's own hold keeps the suites for a destroy procedure that
  // the dialog manager may run between messages.
  AcquireSuiteTable(gPluginGlobals->basicSuite);
  sAdmDialog->AdmDialogSetDestroyProc(dialog, PaletteDestroyProc);

  char groupName[kGroupNameSize];
  sAsLib->AsCopyString(groupName, kDefaultDockGroup);
  sAiPreference->AiGetStringPref(kPreferencePrefix, kDockGroupKey, groupName);
  // Whatever the host wrote, the name ends inside the buffer.
  groupName[kGroupNameSize - 1] = 0;

  int32_t dockCode = kDefaultDockCode;
  sAiPreference->AiGetIntegerPref(kPreferencePrefix, kDockCodeKey, &dockCode);

  HostRect bounds{};
  sAdmDialog->AdmDialogGetBoundsRect(dialog, &bounds);
  HostRect area{};
  sAdmBasic->AdmGetPaletteArea(&area);
  HostPoint location = DefaultPaletteLocation(area, bounds);
  sAiPreference->AiGetPointPref(kPreferencePrefix, kLocationKey, &location);

  HostRect placed = PaletteBoundsAt(location);
  sAdmDialog->AdmDialogSetBoundsRect(dialog, &placed);
  sAdmDialogGroup->AdmGroupSetInfo(dialog, groupName, dockCode);
  sAiContext->AiPopAppContext(context);
  return 0;
}

void HOST_API PaletteDestroyProc(AdmDialogRef dialog) {
  // Defaults stand in for anything the dialog manager does not report.
  const char* groupName = kDefaultDockGroup;
  int32_t dockCode = kDefaultDockCode;
  sAdmDialogGroup->AdmGroupGetInfo(dialog, &groupName, &dockCode);
  HostRect bounds{};
  sAdmDialog->AdmDialogGetBoundsRect(dialog, &bounds);
  HostBoolean visible = sAdmDialog->AdmDialogIsVisible(dialog);

  sAiPreference->AiPutIntegerPref(kPreferencePrefix, kDockCodeKey, dockCode);
  sAiPreference->AiPutStringPref(kPreferencePrefix, kDockGroupKey, groupName);
  HostPoint location = PaletteLocationOf(bounds);
  sAiPreference->AiPutPointPref(kPreferencePrefix, kLocationKey, &location);
  sAiPreference->AiPutBooleanPref(kPreferencePrefix, kVisibleKey, visible);

  gPluginGlobals->paletteDialog = nullptr;
  sSpAccess->SpReleasePlugin(gPluginGlobals->accessRef);
  ReleaseSuiteTable(gPluginGlobals->basicSuite);
}

void DestroyPalette() {
  // The destroy procedure clears the field from inside this call.
  if (gPluginGlobals->paletteDialog)
    sAdmDialog->AdmDialogDestroy(gPluginGlobals->paletteDialog);
}
