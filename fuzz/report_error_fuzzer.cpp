// Drives the error reporter through the development host with any list and
// any code: the code fails a host call during start-up, so that PluginMain
// reports it. The run must end, touch only memory it owns, call only suites
// it holds, leave the host balanced and answer the code.
//
// Input: bytes 0-3 the code (memory order); byte 4 the faults; byte 5 which
// lookup fails (from 1; 0 every one); the rest list 16050 in the host's file
// form, one entry a line. Fault bits:
//   1  the code fails the "ADM Icon Suite" acquisition (alert, then the
//      report) instead of the start-up's allocation
//   2  AiTextToReal fails without writing
//   4  AiRealToText fails without writing
//   8  AdmGetListString fails without writing (byte 5)
//   16 the user closes the Error dialog without OK
#include <stddef.h>
#include <stdint.h>
#include <string.h>

#include <string>

#include "devhost/host.h"
#include "host/names.h"
#include "plugin/shell/plugin_main.h"

namespace {

void Require(bool condition) {
  if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 6) return 0;
  HostError code;
  memcpy(&code, data, sizeof code);
  uint8_t faults = data[4];
  int nth = data[5];
  // A host call that "fails" with 0 has succeeded without its effect, which
  // is a fault of the host, not a report.
  if (code == 0) return 0;

  DevHost host;
  host.lists.Set(
      16050, std::string(reinterpret_cast<const char*>(data + 6), size - 6));
  if (faults & 1)
    host.FailCall("SpAcquireSuite", 15, code);
  else
    host.FailCall("SpAllocateBlock", 1, code);
  if (faults & 2) host.FailEvery("AiTextToReal", kHostErrBadParameter);
  if (faults & 4) host.FailEvery("AiRealToText", kHostErrBadParameter);
  if (faults & 8) host.FailCall("AdmGetListString", nth, kHostErrBadParameter);
  if (faults & 16) host.dialogs.modalUser = [](ModelDialog&) {};

  HostMessage message{};
  message.pluginRef = host.pluginRef();
  message.basicSuite = host.basicSuite();
  Require(PluginMain(kCallerSpInterface, kSelectorStartup, &message) == code);

  Require(host.violations().empty());
  Require(host.Unbalanced().empty());
  Require(host.dialogs.LiveDialogs() == 0);
  for (const ModalRecord& dialog : host.dialogs.modalLog) {
    Require(dialog.texts.at(2).size() <= 255);
    Require(dialog.texts.at(3).size() <= 15);
  }
  return 0;
}
