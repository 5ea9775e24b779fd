// Texts and numbers the host and its plug-ins agree on.
#pragma once

#include "host/types.h"

// Callers.
inline constexpr char kCallerSpAccess[] = "SP Access";
inline constexpr char kCallerSpInterface[] = "SP Interface";
inline constexpr char kCallerAiMenu[] = "AI Menu";
inline constexpr char kCallerAiNotifier[] = "AI Notifier";

// Selectors.
inline constexpr char kSelectorUnload[] = "Unload";
inline constexpr char kSelectorReload[] = "Reload";
inline constexpr char kSelectorStartup[] = "Startup";
inline constexpr char kSelectorAbout[] = "About";
inline constexpr char kSelectorShutdown[] = "Shutdown";
inline constexpr char kSelectorAiGo[] = "AI Go";
inline constexpr char kSelectorAiUpdate[] = "AI Update";
inline constexpr char kSelectorAiNotify[] = "AI Notify";

// Suites, with the versions this plug-in asks for.
inline constexpr char kSpBlocksSuite[] = "SP Blocks Suite";
inline constexpr int32_t kSpBlocksSuiteVersion = 2;
inline constexpr char kAiMdMemorySuite[] = "AI MdMemory Suite";
inline constexpr int32_t kAiMdMemorySuiteVersion = 1;
inline constexpr char kSpAccessSuite[] = "SP Access Suite";
inline constexpr int32_t kSpAccessSuiteVersion = 3;
inline constexpr char kAiPreferenceSuite[] = "AI Preference Suite";
inline constexpr int32_t kAiPreferenceSuiteVersion = 2;
inline constexpr char kAiContextSuite[] = "AI Context Suite";
inline constexpr int32_t kAiContextSuiteVersion = 3;
inline constexpr char kAsLibSuite[] = "AS Lib Suite";
inline constexpr int32_t kAsLibSuiteVersion = 1;
inline constexpr char kAiRuntimeSuite[] = "AI Runtime Suite";
inline constexpr int32_t kAiRuntimeSuiteVersion = 7;
inline constexpr char kAiUserSuite[] = "AI User Suite";
inline constexpr int32_t kAiUserSuiteVersion = 5;
inline constexpr char kAiMenuSuite[] = "AI Menu Suite";
inline constexpr int32_t kAiMenuSuiteVersion = 7;
inline constexpr char kAiNotifierSuite[] = "AI Notifier Suite";
inline constexpr int32_t kAiNotifierSuiteVersion = 2;
inline constexpr char kAdmBasicSuite[] = "ADM Basic Suite";
inline constexpr int32_t kAdmBasicSuiteVersion = 2;
inline constexpr char kAdmDialogSuite[] = "ADM Dialog Suite";
inline constexpr int32_t kAdmDialogSuiteVersion = 3;
inline constexpr char kAdmDialogGroupSuite[] = "ADM Dialog Group Suite";
inline constexpr int32_t kAdmDialogGroupSuiteVersion = 1;
inline constexpr char kAdmItemSuite[] = "ADM Item Suite";
inline constexpr int32_t kAdmItemSuiteVersion = 4;
inline constexpr char kAdmIconSuite[] = "ADM Icon Suite";
inline constexpr int32_t kAdmIconSuiteVersion = 1;

// Notification types.
inline constexpr char kAiApplicationStartedNotifier[] =
    "AI Application Started Notifier";

// Error codes with a meaning of their own. Four-character codes put the
// first character in the most significant byte.
inline constexpr HostError kErrorStop = 0x53544F50;             // 'STOP'
inline constexpr HostError kErrorAlreadyReported = 0x53214664;  // 'S!Fd'

// Dialog styles.
inline constexpr int32_t kAdmStyleModal = 0;
inline constexpr int32_t kAdmStyleFloatingDockable = 3;

// Menu item options.
inline constexpr int32_t kAiMenuWantsUpdate = 1;
