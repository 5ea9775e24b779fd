#include "devhost/suites/registry.h"

#include "devhost/host.h"
#include "devhost/suites/tables.h"
#include "host/names.h"

void OfferStandardSuites(DevHost& host) {
  host.OfferSuite(kSpBlocksSuite, kSpBlocksSuiteVersion, &kDevHostBlocksSuite);
  host.OfferSuite(kAiMdMemorySuite, kAiMdMemorySuiteVersion,
                  &kDevHostMdMemorySuite);
  host.OfferSuite(kSpAccessSuite, kSpAccessSuiteVersion, &kDevHostAccessSuite);
  host.OfferSuite(kAiPreferenceSuite, kAiPreferenceSuiteVersion,
                  &kDevHostPreferenceSuite);
  host.OfferSuite(kAiContextSuite, kAiContextSuiteVersion,
                  &kDevHostContextSuite);
  host.OfferSuite(kAsLibSuite, kAsLibSuiteVersion, &kDevHostLibSuite);
  host.OfferSuite(kAiRuntimeSuite, kAiRuntimeSuiteVersion,
                  &kDevHostRuntimeSuite);
  host.OfferSuite(kAiUserSuite, kAiUserSuiteVersion, &kDevHostUserSuite);
  host.OfferSuite(kAiMenuSuite, kAiMenuSuiteVersion, &kDevHostMenuSuite);
  host.OfferSuite(kAiNotifierSuite, kAiNotifierSuiteVersion,
                  &kDevHostNotifierSuite);
  host.OfferSuite(kAdmBasicSuite, kAdmBasicSuiteVersion,
                  &kDevHostAdmBasicSuite);
  host.OfferSuite(kAdmDialogSuite, kAdmDialogSuiteVersion,
                  &kDevHostAdmDialogSuite);
  host.OfferSuite(kAdmDialogGroupSuite, kAdmDialogGroupSuiteVersion,
                  &kDevHostAdmDialogGroupSuite);
  host.OfferSuite(kAdmItemSuite, kAdmItemSuiteVersion, &kDevHostAdmItemSuite);
  host.OfferSuite(kAdmIconSuite, kAdmIconSuiteVersion, &kDevHostAdmIconSuite);
}
