#include "plugin/shell/plugin_main.h"

#include "host/names.h"
#include "host/suites.h"
#include "plugin/dialogs/error_reporter.h"
#include "plugin/palette/menu.h"
#include "plugin/palette/palette.h"
#include "plugin/shell/lifecycle.h"
#include "plugin/shell/suite_table.h"

extern "C" HostError HOST_API PluginMain(const char* caller,
                                         const char* selector,
                                         HostMessage* message) {
  const SpBasicSuite* basic = message->basicSuite;
  auto is = [basic](const char* hostText, const char* literal) {
    return basic->SpIsEqual(hostText, literal) != 0;
  };

  // Unload and reload come while the library may be going away: no suites.
  if (is(caller, kCallerSpAccess)) {
    if (is(selector, kSelectorUnload)) return OnUnload(message);
    if (is(selector, kSelectorReload)) return OnReload(message);
    return 0;
  }

  HostError result = AcquireSuiteTable(basic);
  if (result == 0) {
    if (is(caller, kCallerSpInterface)) {
      if (is(selector, kSelectorStartup))
        result = OnStartup(message);
      else if (is(selector, kSelectorAbout))
        result = OnAbout(message);
      else if (is(selector, kSelectorShutdown))
        result = OnShutdown(message);
    } else {
      result = DispatchHostMessage(caller, selector, message);
    }
  }
  // Reported while the suites are still held, so the dialog manager works.
  if (result != 0 && result != kErrorAlreadyReported)
    ReportError(message, result);
  ReleaseSuiteTable(basic);
  return result;
}

HostError DispatchHostMessage(const char* caller, const char* selector,
                              HostMessage* message) {
  const SpBasicSuite* basic = message->basicSuite;
  if (basic->SpIsEqual(caller, kCallerAiMenu)) {
    if (basic->SpIsEqual(selector, kSelectorAiGo)) return OnMenuGo(message);
    if (basic->SpIsEqual(selector, kSelectorAiUpdate))
      return OnMenuUpdate(message);
    return 0;
  }
  if (basic->SpIsEqual(caller, kCallerAiNotifier) &&
      basic->SpIsEqual(selector, kSelectorAiNotify))
    return OnNotify(message);
  return 0;
}
