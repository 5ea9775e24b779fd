// Every host suite the plug-in uses, held together through a nesting counter
// so that only the outermost hold acquires and the last release releases.
#pragma once

#include <stdint.h>

#include "host/suites.h"

struct SuiteTableEntry {
  const char* name;
  int32_t version;
  const void** destination;
};

inline constexpr int kSuiteTableRows = 15;
extern const SuiteTableEntry SuiteTable[kSuiteTableRows];

// Filled by the outermost AcquireSuiteTable, null again after the last
// successful ReleaseSuiteTable.
extern const SpBlocksSuite* sSpBlocks;
extern const AiMdMemorySuite* sAiMdMemory;
extern const SpAccessSuite* sSpAccess;
extern const AiPreferenceSuite* sAiPreference;
extern const AiContextSuite* sAiContext;
extern const AsLibSuite* sAsLib;
extern const AiRuntimeSuite* sAiRuntime;
extern const AiUserSuite* sAiUser;
extern const AiMenuSuite* sAiMenu;
extern const AiNotifierSuite* sAiNotifier;
extern const AdmBasicSuite* sAdmBasic;
extern const AdmDialogSuite* sAdmDialog;
extern const AdmDialogGroupSuite* sAdmDialogGroup;
extern const AdmItemSuite* sAdmItem;
extern const AdmIconSuite* sAdmIcon;

// Open holds; wraps modulo 2^16.
extern uint16_t gSuiteNestingCounter;

// Opens a hold; at counter 0 acquires every row, stopping at the first
// failure. Returns 0 or the host's code.
HostError AcquireSuiteTable(const SpBasicSuite* basic);

// Closes a hold; at counter 1 releases every row by name, stopping at the
// first failure. Returns 0 or the host's code.
HostError ReleaseSuiteTable(const SpBasicSuite* basic);
