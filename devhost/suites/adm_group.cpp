// "ADM Dialog Group Suite": dock groups, kept in the dialog-manager model.
#include "devhost/host.h"
#include "devhost/suites/tables.h"
#include "host/names.h"

namespace {

ModelDialog* Live(AdmDialogRef dialog, const char* operation) {
  DevHost& host = DevHost::Current();
  ModelDialog* found = host.dialogs.Find(dialog);
  if (!found)
    host.Complain(std::string(operation) + " given dialog " +
                  RenderArg(static_cast<const void*>(dialog)) +
                  ", which does not exist");
  return found;
}

void HOST_API AdmGroupGetInfo(AdmDialogRef dialog, const char** groupName,
                              int32_t* positionCode) {
  GateVoid(kAdmDialogGroupSuite, "AdmGroupGetInfo", RenderArgs(dialog), [&] {
    ModelDialog* d = Live(dialog, "AdmGroupGetInfo");
    if (!d) return;
    // The name stays the model's: valid until the dialog changes group.
    if (groupName) *groupName = d->group.c_str();
    if (positionCode) *positionCode = d->dockCode;
  });
}

void HOST_API AdmGroupSetInfo(AdmDialogRef dialog, const char* groupName,
                              int32_t positionCode) {
  GateVoid(kAdmDialogGroupSuite, "AdmGroupSetInfo",
           RenderArgs(dialog, groupName, positionCode), [&] {
             ModelDialog* d = Live(dialog, "AdmGroupSetInfo");
             if (!d) return;
             d->group = groupName ? groupName : "";
             d->dockCode = positionCode;
           });
}

}  // namespace

const AdmDialogGroupSuite kDevHostAdmDialogGroupSuite = {
    nullptr, AdmGroupGetInfo, AdmGroupSetInfo};
