// The host's table for each suite; entries a plug-in of this kind never
// calls stay null.
#pragma once

#include "host/suites.h"

extern const SpBlocksSuite kDevHostBlocksSuite;
extern const AiMdMemorySuite kDevHostMdMemorySuite;
extern const SpAccessSuite kDevHostAccessSuite;
extern const AiPreferenceSuite kDevHostPreferenceSuite;
extern const AiContextSuite kDevHostContextSuite;
extern const AsLibSuite kDevHostLibSuite;
extern const AiRuntimeSuite kDevHostRuntimeSuite;
extern const AiUserSuite kDevHostUserSuite;
extern const AiMenuSuite kDevHostMenuSuite;
extern const AiNotifierSuite kDevHostNotifierSuite;
extern const AdmBasicSuite kDevHostAdmBasicSuite;
extern const AdmDialogSuite kDevHostAdmDialogSuite;
extern const AdmDialogGroupSuite kDevHostAdmDialogGroupSuite;
extern const AdmItemSuite kDevHostAdmItemSuite;
extern const AdmIconSuite kDevHostAdmIconSuite;
