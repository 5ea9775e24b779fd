#include "plugin/dialogs/about.h"

#include "host/names.h"
#include "plugin/dialogs/error_reporter.h"
#include "plugin/shell/suite_table.h"

namespace {

constexpr int32_t kAboutDialogTemplateId = 16050;
constexpr char kAboutDialogName[] = "About Dialog";
constexpr int32_t kOkItem = 1;

}  // namespace

int32_t ShowAboutDialog(HostMessage* message) {
  if (!sAdmDialog || !sAdmItem) return 0;
  return sAdmDialog->AdmDialogModal(message->pluginRef, kAboutDialogName,
                                    kAboutDialogTemplateId, kAdmStyleModal,
                                    AboutDialogInitProc, nullptr);
}

HostError HOST_API AboutDialogInitProc(AdmDialogRef dialog) {
  sAdmItem->AdmItemSetNotifyProc(sAdmDialog->AdmDialogGetItem(dialog, kOkItem),
                                 OkNotifyProc);
  return 0;
}
