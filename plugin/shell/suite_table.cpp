#include "plugin/shell/suite_table.h"

#include <stdio.h>

#include "host/names.h"

const SpBlocksSuite* sSpBlocks = nullptr;
const AiMdMemorySuite* sAiMdMemory = nullptr;
const SpAccessSuite* sSpAccess = nullptr;
const AiPreferenceSuite* sAiPreference = nullptr;
const AiContextSuite* sAiContext = nullptr;
const AsLibSuite* sAsLib = nullptr;
const AiRuntimeSuite* sAiRuntime = nullptr;
const AiUserSuite* sAiUser = nullptr;
const AiMenuSuite* sAiMenu = nullptr;
const AiNotifierSuite* sAiNotifier = nullptr;
const AdmBasicSuite* sAdmBasic = nullptr;
const AdmDialogSuite* sAdmDialog = nullptr;
const AdmDialogGroupSuite* sAdmDialogGroup = nullptr;
const AdmItemSuite* sAdmItem = nullptr;
const AdmIconSuite* sAdmIcon = nullptr;

uint16_t gSuiteNestingCounter = 0;

namespace {
template <typename Suite>
const void** Slot(const Suite** pointer) {
  return reinterpret_cast<const void**>(pointer);
}
}  // namespace

const SuiteTableEntry SuiteTable[kSuiteTableRows] = {
    {kSpBlocksSuite, kSpBlocksSuiteVersion, Slot(&sSpBlocks)},
    {kAiMdMemorySuite, kAiMdMemorySuiteVersion, Slot(&sAiMdMemory)},
    {kSpAccessSuite, kSpAccessSuiteVersion, Slot(&sSpAccess)},
    {kAiPreferenceSuite, kAiPreferenceSuiteVersion, Slot(&sAiPreference)},
    {kAiContextSuite, kAiContextSuiteVersion, Slot(&sAiContext)},
    {kAsLibSuite, kAsLibSuiteVersion, Slot(&sAsLib)},
    {kAiRuntimeSuite, kAiRuntimeSuiteVersion, Slot(&sAiRuntime)},
    {kAiUserSuite, kAiUserSuiteVersion, Slot(&sAiUser)},
    {kAiMenuSuite, kAiMenuSuiteVersion, Slot(&sAiMenu)},
    {kAiNotifierSuite, kAiNotifierSuiteVersion, Slot(&sAiNotifier)},
    {kAdmBasicSuite, kAdmBasicSuiteVersion, Slot(&sAdmBasic)},
    {kAdmDialogSuite, kAdmDialogSuiteVersion, Slot(&sAdmDialog)},
    {kAdmDialogGroupSuite, kAdmDialogGroupSuiteVersion, Slot(&sAdmDialogGroup)},
    {kAdmItemSuite, kAdmItemSuiteVersion, Slot(&sAdmItem)},
    {kAdmIconSuite, kAdmIconSuiteVersion, Slot(&sAdmIcon)},
};

HostError AcquireSuiteTable(const SpBasicSuite* basic) {
  HostError result = 0;
  if (gSuiteNestingCounter == 0) {
    for (const SuiteTableEntry& row : SuiteTable) {
      if (!row.destination) continue;
      result = basic->SpAcquireSuite(row.name, row.version, row.destination);
      if (result == 0) continue;
      // What the host left behind after a failure is not a suite.
      *row.destination = nullptr;
      if (sAdmBasic) {
        char alert[256];
        snprintf(alert, sizeof alert, "Error: %d, suite: %s, version: %d!",
                 static_cast<int>(result), row.name,
                 static_cast<int>(row.version));
        sAdmBasic->AdmShowAlert(alert);
      }
      // Without the alert's suite the failure can only travel in the result;
      // going on would let a later success hide it from the handlers.
      break;
    }
  }
  ++gSuiteNestingCounter;
  return result;
}

HostError ReleaseSuiteTable(const SpBasicSuite* basic) {
  HostError result = 0;
  if (gSuiteNestingCounter == 1) {
    // Every row by name, also those an interrupted acquisition never reached.
    for (const SuiteTableEntry& row : SuiteTable) {
      if (!row.destination) continue;
      result = basic->SpReleaseSuite(row.name, row.version);
      if (result != 0) break;
      *row.destination = nullptr;
    }
  }
  --gSuiteNestingCounter;
  return result;
}
